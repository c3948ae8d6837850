#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file atomically: either the new bytes are all on disk or the old file is
// left whole. Every write is checked, the data is flushed and synced before the rename
// and the folder is synced after it.
class SafeFileWriter
{
public:
    // Empty on success, otherwise the reason, for the user.
    static QString write(const QString &path, const QByteArray &bytes);
};
