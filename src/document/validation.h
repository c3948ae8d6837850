#pragma once

#include "prompts.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The texts the dialogs and the editor show when something is missing or wrong, and
// the picture size checks.
namespace Validation {

constexpr int ScreenWidth = 208;
constexpr int ScreenHeight = 320;

// Name of a field for an error code 1 to 21; empty for any other code.
QString getErrorMessage(int code);
// "These Values are missing or wrong:" with one name per code > 0; sets those codes to -1.
void ValidateErrorMessage(QList<int> &codes, Prompts &prompts);
QString validateErrorText(const QList<int> &codes);
// Heading, an empty line, then the text, as a caution message.
void ErrorMessage(const QString &heading, const QString &text, Prompts &prompts);

// Page area of a full-screen mode in skin pixels: top and height ("0" 25/276,
// "1" 0/301, "2" 0/320, anything else 0/0).
struct PageArea { int top; int height; };
PageArea pageArea(const QByteArray &fullscreenMode);
// Height a page background must have for a full-screen mode (276, 301, 320; 276 otherwise).
int backgroundHeight(const QByteArray &fullscreenMode);

// "exact": 208 x the background height of the mode. "max": at most 208 x the page
// height of the mode in skin pixels (320 when the mode has no page area). On failure
// the size message is shown; any other mode is false without a message.
bool checkBackgroundDimensions(int width, int height, const QString &mode, const QByteArray &fullscreenMode,
                               Prompts &prompts);

}
