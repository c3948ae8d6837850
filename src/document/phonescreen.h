#pragma once

#include <QByteArray>

// The phone's screen, in skin pixels, and where a page sits on it.
namespace PhoneScreen {

constexpr int Width = 208;
constexpr int Height = 320;

// The page area of a full-screen mode: top and height ("0" 25/276 under the status
// bar, "1" 0/301 over it, "2" 0/320 the whole screen, anything else 0/0).
struct PageArea
{
    int top;
    int height;
};
PageArea pageArea(const QByteArray &fullscreenMode);

// Height a page background must have for a full-screen mode (276, 301, 320; 276 otherwise).
int backgroundHeight(const QByteArray &fullscreenMode);

}
