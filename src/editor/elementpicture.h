#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

// Turns skin pictures into what the phone view shows at a zoom. Scaling is
// nearest-neighbour, so the phone's pixels stay sharp at 150 and 200 %.
namespace ElementPicture {

// Negative sides become 0; sides beyond `limit` become the limit. Sizes read from
// skin files pass through here before anything is allocated.
QSize clamped(QSize wanted, QSize limit);

// `picture` stretched to `fullSize`, of which only the top-left `shownSize` is made.
// Opaque pictures come back as RGB32.
QImage scaled(const QImage &picture, QSize fullSize, QSize shownSize);

// Like scaled, with the alpha channel from `mask`: black opaque, white transparent.
// The mask's rectangle of the picture's size is stretched over the result; where the
// mask is smaller than the picture the element stays opaque.
QImage masked(const QImage &picture, const QImage &mask, QSize fullSize, QSize shownSize);

// The today view: `top` at the top and `bottom` at the bottom of a view
// `heightSkin` skin pixels high, the key colours replaced by the skin's and white made
// transparent. Never higher than `maxHeight`; empty for a height of 0 or less.
struct TodayColors
{
    QColor text;
    QColor selectedText;
    QColor highlight;
};
QImage todayView(const QImage &top, const QImage &bottom, int heightSkin, double zoom, const TodayColors &colors,
                 int maxHeight);

// The key colours of the built-in today pictures.
constexpr QRgb TextKey = 0xff222222;         // (34, 34, 34)
constexpr QRgb HighlightKey = 0xff3388cc;    // (51, 136, 204)
constexpr QRgb SelectedTextKey = 0xffe21313; // (226, 19, 19)

}
