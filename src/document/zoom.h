#pragma once

#include <QByteArray>

// Numbers in model texts and the conversion between skin pixels and window pixels.
namespace Zoom {

// The leading decimal number of a text (after optional blanks and a sign), 0 when
// there is none; saturates at the int limits instead of overflowing.
int val(const QByteArray &text);

// (val(value) + val(offset)) * zoom, rounded half away from zero.
int getRoundZoomValue(const QByteArray &value, const QByteArray &offset, double zoom);
// windowPixels / zoom - val(offset), rounded the same way, as decimal text.
QByteArray setRoundZoomValue(int windowPixels, const QByteArray &offset, double zoom);

}
