#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Reads the BMP pictures a skin names. Skin folders come from anywhere, so a picture is
// decoded only after its header has been checked against the file's length: a damaged
// file is refused instead of being shown with whatever memory the decoder left behind.
namespace SkinPicture {

// Largest width or height accepted; far beyond the phone's 208 x 320 screen.
constexpr int MaxSide = 4096;

struct Result
{
    QImage image;  // null when refused
    QString error; // why it was refused, for the user; empty on success
    bool ok() const { return !image.isNull(); }
};

// Decodes the BMP file at a host path. The image is never larger than MaxSide.
Result read(const QString &hostPath);

// Checks the first bytes of a BMP file (at least the file and info headers) against
// the file's length. Empty when decoding is safe, otherwise the reason.
QString checkHeader(const QByteArray &head, qint64 fileSize);

}
