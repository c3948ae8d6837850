#include "elementpicture.h"

#include <QPainter>

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

// Enlarging repeats source rows: a row made from the same source row as the one above
// is a copy of it.
bool copyPreviousRow(QImage &result, int y, int sourceRow, int &previousRow)
{
    if (y > 0 && sourceRow == previousRow) {
        std::memcpy(result.scanLine(y), result.constScanLine(y - 1), size_t(result.bytesPerLine()));
        return true;
    }
    previousRow = sourceRow;
    return false;
}

// Alpha of every mask pixel, row by row: black opaque, white transparent, grey between.
std::vector<uchar> maskAlphas(const QImage &mask)
{
    std::vector<uchar> alphas(size_t(mask.width()) * size_t(mask.height()));
    const auto alphaOf = [](QRgb colour) { return uchar(255 - qGray(colour)); };
    QImage source = mask;
    if (source.format() != QImage::Format_Indexed8 && source.format() != QImage::Format_RGB32)
        source = source.convertToFormat(QImage::Format_RGB32);
    std::vector<uchar> paletteAlphas;
    for (const QRgb colour : source.colorTable())
        paletteAlphas.push_back(alphaOf(colour));
    paletteAlphas.resize(256, 255);
    uchar *out = alphas.data();
    const int width = source.width();
    const bool indexed = source.format() == QImage::Format_Indexed8;
    for (int y = 0; y < source.height(); ++y) {
        if (indexed) {
            const uchar *in = source.constScanLine(y);
            for (int x = 0; x < width; ++x)
                *out++ = paletteAlphas[in[x]];
        } else {
            const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
            for (int x = 0; x < width; ++x)
                *out++ = alphaOf(in[x]);
        }
    }
    return alphas;
}

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

    QImage result(shownSize, source.format());
    const std::vector<int> columns = sourceIndices(shownSize.width(), fullSize.width(), source.width());
    int previousRow = -1;
    for (int y = 0; y < shownSize.height(); ++y) {
        const int sourceRow = int(qint64(y) * source.height() / fullSize.height());
        if (copyPreviousRow(result, y, sourceRow, previousRow))
            continue;
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(sourceRow));
        auto *out = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < shownSize.width(); ++x)
            out[x] = in[columns[size_t(x)]];
    }
    return result;
}

QImage masked(const QImage &picture, const QImage &mask, QSize fullSize, QSize shownSize)
{
    if (picture.isNull() || shownSize.isEmpty() || fullSize.isEmpty())
        return {};
    const QImage source = picture.format() == QImage::Format_RGB32 ? picture
                                                                    : picture.convertToFormat(QImage::Format_RGB32);
    const std::vector<uchar> alphas = maskAlphas(mask);

    QImage result(shownSize, QImage::Format_ARGB32_Premultiplied);
    const std::vector<int> columns = sourceIndices(shownSize.width(), fullSize.width(), source.width());
    const int maskWidth = mask.width();
    const int maskHeight = mask.height();
    const int width = shownSize.width();
    int previousRow = -1;
    for (int y = 0; y < shownSize.height(); ++y) {
        const int sourceRow = int(qint64(y) * source.height() / fullSize.height());
        if (copyPreviousRow(result, y, sourceRow, previousRow))
            continue;
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(sourceRow));
        const uchar *maskRow = sourceRow < maskHeight ? alphas.data() + size_t(sourceRow) * size_t(maskWidth)
                                                         : nullptr;
        auto *out = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int sourceColumn = columns[size_t(x)];
            if (x > 0 && sourceColumn == columns[size_t(x) - 1]) {
                out[x] = out[x - 1]; // enlarging repeats source columns too
                continue;
            }
            const int alpha = maskRow && sourceColumn < maskWidth ? maskRow[sourceColumn] : 255;
            const QRgb pixel = in[sourceColumn];
            if (alpha == 255)
                out[x] = pixel;
            else if (alpha == 0)
                out[x] = 0;
            else
                out[x] = qPremultiply(qRgba(qRed(pixel), qGreen(pixel), qBlue(pixel), alpha));
        }
    }
    return result;
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
