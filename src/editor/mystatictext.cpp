#include "mystatictext.h"

#include <QApplication>

MyStaticText::MyStaticText(const QString &identifier, int slot, QWidget *parent)
    : QLabel(parent)
    , m_identifier(identifier)
    , m_slot(slot)
{
    setWordWrap(true);
    setAccessibleName(identifier + QLatin1Char(' ') + QString::number(slot));
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
