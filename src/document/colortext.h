#pragma once

#include <QByteArray>
#include <QColor>

// Colours in the model are six hex digits, red first ("9993F3").
namespace ColorText {
// Malformed pairs give 0 in that channel; never fails.
QColor string2color(const QByteArray &text);
// Six upper-case hex digits.
QByteArray color2string(const QColor &color);
}
