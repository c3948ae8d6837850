#pragma once

#include "result.h"
#include "skin.h"

#include <QString>

#include <functional>

// Reads a skin folder into a fresh Skin, starting from its main skin file.
class SkinReader
{
public:
    // The name of the file being read and the percentage done, for the loading window.
    using Progress = std::function<void(const QString &fileName, int percent)>;

    // On success `skin` becomes the skin read; otherwise it is left as it was, and the
    // failure says why ("Not a valid Velmora Skin!" for a file that is no skin).
    static Result readMainSkinFile(const QString &mainSkinFilePath, Skin &skin, const Progress &progress = {});

    // The steps of readMainSkinFile, public for the tests.
    static void readPageFiles(Skin &skin, const Progress &progress = {});
    static void readPopupFiles(Skin &skin, const Progress &progress = {});

    // Integer part of 100 / last * i, 0 when last is 0.
    static int progressPercent(int index, int lastIndex);

private:
    // Reads the file of every page or popup into its plane of the surface's tables; a
    // missing file marks its row.
    static void readPlaneFiles(Skin &skin, Surface surface, const Progress &progress);
};
