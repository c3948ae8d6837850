#pragma once

#include <QByteArray>
#include <QColor>

// Colours in the model are six hex digits, red first ("9993F3").
namespace ColorText {
// Each channel is the value of its pair's leading hex digits, 0 when there are none;
// never fails.
QColor string2color(const QByteArray &text);
// Six upper-case hex digits.
QByteArray color2string(const QColor &color);
}
