#include "zoom.h"

#include <cmath>
#include <limits>

namespace Zoom {

int val(const QByteArray &text)
{
    int i = 0;
    const int n = int(text.size());
    while (i < n && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    constexpr long long limit = std::numeric_limits<int>::max();
    for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > limit) {
            value = limit + (negative ? 1 : 0);
            break;
        }
    }
    return int(negative ? -value : value);
}

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
    return roundHalfAwayFromZero((double(val(value)) + double(val(offset))) * zoom);
}

QByteArray setRoundZoomValue(int windowPixels, const QByteArray &offset, double zoom)
{
    if (zoom <= 0)
        zoom = 1;
    return QByteArray::number(roundHalfAwayFromZero(double(windowPixels) / zoom - double(val(offset))));
}

}
