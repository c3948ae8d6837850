#include "validation.h"

#include "phonescreen.h"

namespace Validation {

QString getErrorMessage(int code)
{
    static const char *const names[] = {
        "X-Coordinate", "Y-Coordinate", "Width",    "Height",          "Command",     "Argument", "Bitmap",
        "Bitmap Mask",  "Pressed",      "Pressed Mask", "Labeltext",   "Selected",    "Selected Mask",
        "Deselected",   "Deselected Mask", "Background", "Name",       "Author",      "Comment",  "Title",
        "Comment can only be 50 signs!"};
    constexpr int count = int(sizeof(names) / sizeof(names[0]));
    return code >= 1 && code <= count ? QString::fromLatin1(names[code - 1]) : QString();
}

QString validateErrorText(const QList<int> &codes)
{
    QString names;
    for (int code : codes) {
        if (code > 0)
            names += QLatin1Char('\n') + getErrorMessage(code);
    }
    return QStringLiteral("These Values are missing or wrong:\n\n") + names;
}

void ValidateErrorMessage(QList<int> &codes, Prompts &prompts)
{
    const QString text = validateErrorText(codes);
    for (int &code : codes) {
        if (code > 0)
            code = -1;
    }
    prompts.showMessage(text, Prompts::Icon::Caution);
}

void ErrorMessage(const QString &heading, const QString &text, Prompts &prompts)
{
    prompts.showMessage(heading + QStringLiteral("\n\n") + text, Prompts::Icon::Caution);
}

static void showSizeMessage(const char *widthText, const char *heightText, int width, int height, int limit,
                            Prompts &prompts)
{
    prompts.showMessage(QStringLiteral("Wrong Picture size!\n\n%1%2 is: %3\n%4%5 is: %6")
                            .arg(QLatin1String(widthText))
                            .arg(PhoneScreen::Width)
                            .arg(width)
                            .arg(QLatin1String(heightText))
                            .arg(limit)
                            .arg(height),
                        Prompts::Icon::Caution);
}

bool checkBackgroundDimensions(int width, int height, const QString &mode, const QByteArray &fullscreenMode,
                               Prompts &prompts)
{
    if (mode.compare(QLatin1String("exact"), Qt::CaseInsensitive) == 0) {
        const int required = PhoneScreen::backgroundHeight(fullscreenMode);
        if (width == PhoneScreen::Width && height == required)
            return true;
        showSizeMessage("Width must be ", "Height must be: ", width, height, required, prompts);
        return false;
    }
    if (mode.compare(QLatin1String("max"), Qt::CaseInsensitive) == 0) {
        // The limit is the page in skin pixels, whatever the zoom; with no page area
        // (no page, or a mode without one) the whole screen.
        const int pageHeight = PhoneScreen::pageArea(fullscreenMode).height;
        const int limit = pageHeight > 0 ? pageHeight : PhoneScreen::Height;
        if (width <= PhoneScreen::Width && height <= limit)
            return true;
        showSizeMessage("Width can max ", "Height can max: ", width, height, limit, prompts);
        return false;
    }
    return false;
}

}
