#pragma once

#include <QByteArray>

// The conversion between skin pixels and window pixels.
namespace Zoom {

// (NumberText::val(value) + NumberText::val(offset)) * zoom, rounded half away from zero.
int getRoundZoomValue(const QByteArray &value, const QByteArray &offset, double zoom);
// windowPixels / zoom - NumberText::val(offset), rounded the same way, as decimal text.
QByteArray setRoundZoomValue(int windowPixels, const QByteArray &offset, double zoom);

}
