#include "phoneview.h"

#include "document/phonescreen.h"

#include <QPainter>

#include <cmath>

PhoneView::PhoneView(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Phone"));
    setSizeForZoom(1.0);
    setFrameZoom(1.0);
}

QSize PhoneView::sizeForZoom(double zoom)
{
    return QSize(int(std::lround(PhoneScreen::Width * zoom)), int(std::lround(PhoneScreen::Height * zoom)));
}

QString PhoneView::framePathForZoom(double zoom)
{
    if (zoom > 1.75)
        return QStringLiteral(":/images/symbianbackground200.png");
    if (zoom > 1.25)
        return QStringLiteral(":/images/symbianbackground150.png");
    return QStringLiteral(":/images/symbianbackground.png");
}

void PhoneView::setFrameZoom(double zoom)
{
    m_framePath = framePathForZoom(zoom);
    m_frame = QPixmap(m_framePath);
    update();
}

void PhoneView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), m_frame);
}
