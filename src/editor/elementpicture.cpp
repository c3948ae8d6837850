#include "elementpicture.h"

#include <QPainter>

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
    for (int y = 0; y < shownSize.height(); ++y) {
        const int sourceRow = int(qint64(y) * source.height() / fullSize.height());
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
    const QImage gray = mask.format() == QImage::Format_Grayscale8 ? mask
                                                                    : mask.convertToFormat(QImage::Format_Grayscale8);

    QImage result(shownSize, QImage::Format_ARGB32_Premultiplied);
    const std::vector<int> columns = sourceIndices(shownSize.width(), fullSize.width(), source.width());
    for (int y = 0; y < shownSize.height(); ++y) {
        const int sourceRow = int(qint64(y) * source.height() / fullSize.height());
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(sourceRow));
        const uchar *maskRow = sourceRow < gray.height() ? gray.constScanLine(sourceRow) : nullptr;
        auto *out = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < shownSize.width(); ++x) {
            const int sourceColumn = columns[size_t(x)];
            const int alpha = maskRow && sourceColumn < gray.width() ? 255 - maskRow[sourceColumn] : 255;
            const QRgb pixel = in[sourceColumn];
            out[x] = qRgba(qRed(pixel) * alpha / 255, qGreen(pixel) * alpha / 255, qBlue(pixel) * alpha / 255,
                           alpha);
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
