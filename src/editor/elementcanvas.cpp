#include "elementcanvas.h"

#include "elementaccessible.h"
#include "widgets/accessiblefactory.h"

#include <QPainter>

ElementCanvas::ElementCanvas(const QString &identifier, int slot, QWidget *parent)
    : QWidget(parent)
    , m_identifier(identifier)
    , m_slot(slot)
{
    setAttribute(Qt::WA_NoSystemBackground);
    registerAccessibleInterface<ElementCanvas, ElementAccessible<ElementCanvas, QAccessible::Graphic>>();
}

void ElementCanvas::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    updateOpacity();
    update();
}

void ElementCanvas::resizeEvent(QResizeEvent *)
{
    updateOpacity();
}

void ElementCanvas::updateOpacity()
{
    // An opaque picture that fills the control hides whatever lies below: nothing
    // there needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent, !m_picture.hasAlphaChannel() && m_picture.size() == size());
}

void ElementCanvas::setOutlined(bool outlined)
{
    if (m_outlined == outlined)
        return;
    m_outlined = outlined;
    update();
}

void ElementCanvas::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_picture.isNull())
        painter.drawPixmap(0, 0, m_picture);
    if (m_outlined) {
        painter.setPen(QColor(255, 0, 0));
        painter.drawRect(0, 0, width() - 1, height() - 1);
    }
}
