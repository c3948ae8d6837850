#pragma once

#include "prompts.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The texts the dialogs and the editor show when something is missing or wrong, and
// the picture size checks.
namespace Validation {

// Name of a field for an error code 1 to 21; empty for any other code.
QString getErrorMessage(int code);
// "These Values are missing or wrong:" with one name per code > 0; sets those codes to -1.
void ValidateErrorMessage(QList<int> &codes, Prompts &prompts);
QString validateErrorText(const QList<int> &codes);
// Heading, an empty line, then the text, as a caution message.
void ErrorMessage(const QString &heading, const QString &text, Prompts &prompts);

// "exact": 208 x the background height of the mode. "max": at most 208 x the page
// height of the mode in skin pixels (320 when the mode has no page area). On failure
// the size message is shown; any other mode is false without a message.
bool checkBackgroundDimensions(int width, int height, const QString &mode, const QByteArray &fullscreenMode,
                               Prompts &prompts);

}
