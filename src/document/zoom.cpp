#include "zoom.h"

#include "numbertext.h"

#include <cmath>
#include <limits>

namespace Zoom {

static int roundHalfAwayFromZero(double value)
{
    const double rounded = std::round(value);
    if (rounded >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (rounded <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(rounded);
}

int getRoundZoomValue(const QByteArray &value, const QByteArray &offset, double zoom)
{
    return roundHalfAwayFromZero((double(NumberText::val(value)) + double(NumberText::val(offset))) * zoom);
}

QByteArray setRoundZoomValue(int windowPixels, const QByteArray &offset, double zoom)
{
    if (zoom <= 0)
        zoom = 1;
    return QByteArray::number(roundHalfAwayFromZero(double(windowPixels) / zoom - double(NumberText::val(offset))));
}

}
