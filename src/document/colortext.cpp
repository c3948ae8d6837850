#include "colortext.h"

namespace ColorText {

static int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// The value of the leading hex digits of the pair at `start`; 0 when there are none.
static int channel(const QByteArray &text, int start)
{
    int value = 0;
    for (int i = start; i < start + 2 && i < text.size(); ++i) {
        const int digit = hexDigit(text[i]);
        if (digit < 0)
            break;
        value = value * 16 + digit;
    }
    return value;
}

QColor string2color(const QByteArray &text)
{
    return QColor(channel(text, 0), channel(text, 2), channel(text, 4));
}

QByteArray color2string(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return QByteArray::number(rgb.red() << 16 | rgb.green() << 8 | rgb.blue(), 16).rightJustified(6, '0').toUpper();
}

}
