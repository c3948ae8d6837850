#pragma once

#include <QFont>

// The fixed window layouts were measured on a 72 dpi screen, where a point is a pixel.
// Sizing their fonts in pixels keeps every caption inside its control on any screen.
inline QFont layoutFont(int points)
{
    QFont font;
    font.setPixelSize(points);
    return font;
}
