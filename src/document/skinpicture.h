#pragma once

#include "result.h"

#include <QImage>
#include <QString>

// Reads the BMP pictures a skin names. Skin folders come from anywhere, so a picture is
// decoded only after its header has been checked against the file's length: a damaged
// file is refused instead of being shown with whatever memory the decoder left behind.
namespace SkinPicture {

// Largest width or height accepted; far beyond the phone's 208 x 320 screen.
constexpr int MaxSide = 4096;

// Decodes the BMP file at a host path into `image`, never larger than MaxSide. A
// refused file leaves `image` null and says why.
Result read(const QString &hostPath, QImage &image);

}
