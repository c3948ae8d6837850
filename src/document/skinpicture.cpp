#include "skinpicture.h"

#include <QFile>
#include <QImageReader>
#include <QtEndian>

namespace SkinPicture {

namespace {

constexpr int FileHeaderSize = 14;
constexpr int CoreHeaderSize = 12;        // the old OS/2 info header with 16-bit sizes
constexpr int WindowsHeaderSize = 40;
constexpr int LargestInfoHeaderSize = 124; // BITMAPV5HEADER
constexpr int AllocationLimitMiB = 80;     // MaxSide x MaxSide x 4 bytes, and some room

enum Compression : quint32 { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3 };

quint16 u16(const QByteArray &bytes, int at) { return qFromLittleEndian<quint16>(bytes.constData() + at); }
quint32 u32(const QByteArray &bytes, int at) { return qFromLittleEndian<quint32>(bytes.constData() + at); }
qint32 s32(const QByteArray &bytes, int at) { return qFromLittleEndian<qint32>(bytes.constData() + at); }

struct Header
{
    quint32 pixelOffset = 0;
    quint32 infoSize = 0;
    qint64 width = 0;
    qint64 height = 0; // negative for top-down rows
    int planes = 0;
    int bitsPerPixel = 0;
    quint32 compression = Rgb;
};

Header parse(const QByteArray &head)
{
    Header h;
    h.pixelOffset = u32(head, 10);
    h.infoSize = u32(head, 14);
    if (h.infoSize == CoreHeaderSize) {
        h.width = u16(head, 18);
        h.height = u16(head, 20);
        h.planes = u16(head, 22);
        h.bitsPerPixel = u16(head, 24);
    } else {
        h.width = s32(head, 18);
        h.height = s32(head, 22);
        h.planes = u16(head, 26);
        h.bitsPerPixel = u16(head, 28);
        h.compression = u32(head, 30);
    }
    return h;
}

bool knownDepth(int bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// QImageReader's limit is process-wide; hold it only while a skin picture is decoded.
class AllocationLimitGuard
{
public:
    AllocationLimitGuard() : m_previous(QImageReader::allocationLimit())
    {
        QImageReader::setAllocationLimit(AllocationLimitMiB);
    }
    ~AllocationLimitGuard() { QImageReader::setAllocationLimit(m_previous); }
    AllocationLimitGuard(const AllocationLimitGuard &) = delete;
    AllocationLimitGuard &operator=(const AllocationLimitGuard &) = delete;

private:
    int m_previous;
};

// Checks the first bytes of a BMP file (at least the file and info headers) against
// the file's length. Empty when decoding is safe, otherwise the reason.
QString checkHeader(const QByteArray &head, qint64 fileSize)
{
    if (head.size() < FileHeaderSize + 4 || !head.startsWith("BM"))
        return QStringLiteral("not a BMP picture");
    const quint32 infoSize = u32(head, 14);
    const bool knownInfoSize = infoSize == CoreHeaderSize || (infoSize >= WindowsHeaderSize && infoSize <= LargestInfoHeaderSize);
    if (!knownInfoSize || head.size() < FileHeaderSize + qint64(infoSize))
        return QStringLiteral("damaged BMP header");
    const Header h = parse(head);
    if (h.planes != 1 || !knownDepth(h.bitsPerPixel))
        return QStringLiteral("unsupported BMP colour depth");
    if (h.width <= 0 || h.height == 0 || h.width > MaxSide || qAbs(h.height) > MaxSide)
        return QStringLiteral("BMP size %1 x %2 out of range").arg(h.width).arg(h.height);
    if (h.pixelOffset < FileHeaderSize + infoSize || qint64(h.pixelOffset) >= fileSize)
        return QStringLiteral("BMP pixel data outside the file");
    const qint64 available = fileSize - h.pixelOffset;
    switch (h.compression) {
    case Rgb:
    case BitFields: {
        const qint64 stride = (h.width * h.bitsPerPixel + 31) / 32 * 4;
        if (stride * qAbs(h.height) > available)
            return QStringLiteral("BMP pixel data truncated");
        return {};
    }
    case Rle8:
    case Rle4:
        // The decoder clears the picture before it unpacks runs, so a short run list
        // leaves black, not garbage.
        if ((h.compression == Rle8 && h.bitsPerPixel != 8) || (h.compression == Rle4 && h.bitsPerPixel != 4))
            return QStringLiteral("damaged BMP header");
        return {};
    default:
        return QStringLiteral("unsupported BMP compression");
    }
}

Result refused(const QString &hostPath, const QString &why)
{
    return Result::failure(QStringLiteral("A picture could not be read:"),
                           QStringLiteral("\"%1\": %2").arg(hostPath, why));
}

} // namespace

Result read(const QString &hostPath, QImage &image)
{
    image = QImage();
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly))
        return refused(hostPath, QStringLiteral("it cannot be opened"));
    // Peeked, not read: the decoder then starts from the buffer the header came in
    // instead of seeking back and reading the file a second time.
    const QByteArray head = file.peek(FileHeaderSize + LargestInfoHeaderSize);
    const QString refusal = checkHeader(head, file.size());
    if (!refusal.isEmpty())
        return refused(hostPath, refusal);

    AllocationLimitGuard limit;
    QImageReader reader(&file, "bmp");
    reader.setAutoDetectImageFormat(false);
    const Header h = parse(head);
    if (h.compression == Rle8 || h.compression == Rle4) {
        // Runs need not cover every pixel, and the decoder writes only what they
        // cover: hand it a cleared picture to decode into.
        image = QImage(int(h.width), int(qAbs(h.height)), QImage::Format_Indexed8);
        image.fill(0);
    }
    if (!reader.read(&image) || image.isNull()) {
        image = QImage();
        return refused(hostPath, reader.errorString());
    }
    return {};
}

}
