#pragma once

#include "result.h"
#include "skin.h"

#include <QByteArray>
#include <QStringList>

// Writes the whole skin back into its folder.
class SkinWriter
{
public:
    // Deletes the files of removed pages and popups, writes the main skin file and every
    // page and popup file. Files that cannot be written safely are skipped; the failure
    // names each of them on a line of its own. The loading-error marks are cleared only
    // for what was really written.
    static Result write(Skin &skin);

    // The record lines of every used slot of one plane, each ending with a carriage return.
    static QByteArray arrayToFormatedString(const ElementTable &table, const RecordFormat &format, int plane,
                                            int keyColumn);

    // The bytes of each file, public for the tests and the benchmark.
    static QByteArray mainSkinFileBytes(const Skin &skin);
    static QByteArray pageFileBytes(const Skin &skin, int page);
    static QByteArray popupFileBytes(const Skin &skin, int popup);
};
