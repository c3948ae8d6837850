#pragma once

#include "result.h"

#include <QByteArray>
#include <QString>

// Replaces a file atomically: either the new bytes are all on disk or the old file is
// left whole. Every write is checked, the data is flushed and synced before the rename
// and the folder is synced after it.
class SafeFileWriter
{
public:
    // The failure's text names the file and says why.
    static Result write(const QString &path, const QByteArray &bytes);
};
