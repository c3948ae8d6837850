#include "elementpicture.h"

#include <QPainter>

#include <algorithm>
#include <cstring>
#include <vector>

namespace ElementPicture {

namespace {

// Source column (row) for every column (row) of the result, nearest-neighbour.
std::vector<int> sourceIndices(int shown, int full, int source)
{
    std::vector<int> indices(size_t(qMax(shown, 0)));
    for (int i = 0; i < shown; ++i)
        indices[size_t(i)] = int(qint64(i) * source / full);
    return indices;
}

QImage opaqueOrPremultiplied(const QImage &picture)
{
    const QImage::Format format = picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                            : QImage::Format_RGB32;
    return picture.format() == format ? picture : picture.convertToFormat(format);
}

// The nearest-neighbour stretch shared by scaled and masked: `sourceRow(y)` hands out
// source row y as finished 32-bit pixels. Enlarging repeats source rows, so it is asked
// once per source row and a repeated row is a copy of the one above.
template<typename SourceRow>
QImage stretched(QSize sourceSize, QSize fullSize, QSize shownSize, QImage::Format format, SourceRow sourceRow)
{
    QImage result(shownSize, format);
    const std::vector<int> columns = sourceIndices(shownSize.width(), fullSize.width(), sourceSize.width());
    const int width = shownSize.width();
    int previousRow = -1;
    for (int y = 0; y < shownSize.height(); ++y) {
        const int row = int(qint64(y) * sourceSize.height() / fullSize.height());
        auto *out = reinterpret_cast<QRgb *>(result.scanLine(y));
        if (row == previousRow) {
            std::memcpy(out, result.constScanLine(y - 1), size_t(result.bytesPerLine()));
            continue;
        }
        previousRow = row;
        const QRgb *in = sourceRow(row);
        for (int x = 0; x < width; ++x)
            out[x] = in[columns[size_t(x)]];
    }
    return result;
}

// Alpha of the mask's pixels, one row at a time: black opaque, white transparent, grey
// between. Beyond the mask's edges the picture stays opaque.
class MaskAlphas
{
public:
    explicit MaskAlphas(const QImage &mask)
        : m_mask(mask.format() == QImage::Format_Indexed8 || mask.format() == QImage::Format_RGB32
                     ? mask
                     : mask.convertToFormat(QImage::Format_RGB32))
    {
        for (const QRgb colour : m_mask.colorTable())
            m_paletteAlphas.push_back(alphaOf(colour));
        m_paletteAlphas.resize(256, 255);
    }

    // Fills `alphas` (one per picture column) for row y.
    void row(int y, std::vector<uchar> &alphas) const
    {
        std::fill(alphas.begin(), alphas.end(), uchar(255));
        if (y >= m_mask.height())
            return;
        const int width = qMin(int(alphas.size()), m_mask.width());
        if (m_mask.format() == QImage::Format_Indexed8) {
            const uchar *in = m_mask.constScanLine(y);
            for (int x = 0; x < width; ++x)
                alphas[size_t(x)] = m_paletteAlphas[in[x]];
        } else {
            const auto *in = reinterpret_cast<const QRgb *>(m_mask.constScanLine(y));
            for (int x = 0; x < width; ++x)
                alphas[size_t(x)] = alphaOf(in[x]);
        }
    }

private:
    static uchar alphaOf(QRgb colour) { return uchar(255 - qGray(colour)); }

    QImage m_mask;
    std::vector<uchar> m_paletteAlphas;
};

} // namespace

QSize clamped(QSize wanted, QSize limit)
{
    return QSize(qBound(0, wanted.width(), limit.width()), qBound(0, wanted.height(), limit.height()));
}

QImage scaled(const QImage &picture, QSize fullSize, QSize shownSize)
{
    if (picture.isNull() || shownSize.isEmpty() || fullSize.isEmpty())
        return {};
    const QImage source = opaqueOrPremultiplied(picture);
    if (fullSize == source.size() && shownSize == fullSize)
        return source;
    return stretched(source.size(), fullSize, shownSize, source.format(),
                     [&source](int y) { return reinterpret_cast<const QRgb *>(source.constScanLine(y)); });
}

QImage masked(const QImage &picture, const QImage &mask, QSize fullSize, QSize shownSize)
{
    if (picture.isNull() || shownSize.isEmpty() || fullSize.isEmpty())
        return {};
    const QImage source = picture.format() == QImage::Format_RGB32 ? picture
                                                                    : picture.convertToFormat(QImage::Format_RGB32);
    const MaskAlphas maskAlphas(mask);
    std::vector<uchar> alphas(size_t(source.width()));
    std::vector<QRgb> line(size_t(source.width()));
    // Each source pixel is merged with its mask once, however often enlarging repeats it.
    const auto maskedRow = [&](int y) {
        maskAlphas.row(y, alphas);
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        for (size_t x = 0; x < line.size(); ++x) {
            const uint alpha = alphas[x];
            line[x] = alpha == 255 ? in[x] : alpha == 0 ? 0 : qPremultiply((in[x] & RGB_MASK) | (alpha << 24));
        }
        return line.data();
    };
    return stretched(source.size(), fullSize, shownSize, QImage::Format_ARGB32_Premultiplied, maskedRow);
}

QImage todayView(const QImage &top, const QImage &bottom, int heightSkin, double zoom, const TodayColors &colors,
                 int maxHeight)
{
    const int width = int(top.width() * zoom);
    const int fullHeight = int(qint64(heightSkin) * zoom);
    const int height = qMin(fullHeight, maxHeight);
    if (width <= 0 || height <= 0)
        return {};

    QImage view(width, height, QImage::Format_RGB32);
    view.fill(Qt::white);
    {
        QPainter painter(&view);
        const auto zoomedSize = [zoom](const QImage &image) {
            return QSize(int(image.width() * zoom), int(image.height() * zoom));
        };
        const QSize topSize = zoomedSize(top);
        painter.drawImage(QPoint(0, 0), scaled(top, topSize, topSize));
        const QSize bottomSize = zoomedSize(bottom);
        const int bottomTop = int((qint64(heightSkin) - bottom.height()) * zoom);
        painter.drawImage(QPoint(0, bottomTop), scaled(bottom, bottomSize, bottomSize));
    }

    const QRgb text = colors.text.rgb();
    const QRgb highlight = colors.highlight.rgb();
    const QRgb selected = colors.selectedText.rgb();
    QImage result(view.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < height; ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(view.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < width; ++x) {
            // In this order, each test on the colour the previous one left.
            QRgb pixel = in[x] | 0xff000000;
            if (pixel == TextKey)
                pixel = text;
            if (pixel == HighlightKey)
                pixel = highlight;
            if (pixel == SelectedTextKey)
                pixel = selected;
            out[x] = pixel == 0xffffffff ? 0 : pixel;
        }
    }
    return result;
}

}
