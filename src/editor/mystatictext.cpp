#include "mystatictext.h"

#include "elementaccessible.h"
#include "widgets/accessiblefactory.h"

#include <QApplication>

MyStaticText::MyStaticText(const QString &identifier, int slot, QWidget *parent)
    : QLabel(parent)
    , m_identifier(identifier)
    , m_slot(slot)
{
    setWordWrap(true);
    registerAccessibleInterface<MyStaticText, ElementAccessible<MyStaticText, QAccessible::StaticText>>();
}

void MyStaticText::setTextStyle(int pixelSize, const QColor &color, Alignment alignment, bool bold)
{
    QFont labelFont(QApplication::font().family());
    labelFont.setPixelSize(qMax(1, pixelSize));
    labelFont.setBold(bold);
    setFont(labelFont);

    QPalette labelPalette = palette();
    labelPalette.setColor(QPalette::WindowText, color);
    setPalette(labelPalette);

    Qt::Alignment horizontal = Qt::AlignLeft;
    if (alignment == Alignment::Centre)
        horizontal = Qt::AlignHCenter;
    else if (alignment == Alignment::Right)
        horizontal = Qt::AlignRight;
    setAlignment(horizontal | Qt::AlignTop);
}

QColor MyStaticText::textColor() const
{
    return palette().color(QPalette::WindowText);
}
