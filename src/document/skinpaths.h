#pragma once

#include <QByteArray>
#include <QString>

// The one place where model paths become host paths. A model path is relative to the
// skin folder and separates folders with ":".
namespace SkinPaths {

// skinFolder (ending with "/") followed by the model path with ":" turned into "/".
// The model bytes are decoded as the file system encodes names.
QString hostPath(const QString &skinFolder, const QByteArray &modelPath);

// True when `hostPath` names something strictly inside `folder`, after resolving
// symbolic links of both (component by component, never by string prefix). The path
// itself need not exist; its nearest existing ancestor is resolved.
bool staysInside(const QString &folder, const QString &hostPath);

// A model path that may name a file the editor writes or deletes: not empty, not
// absolute, no "..", not a folder, and inside the skin folder. Empty when it is safe,
// otherwise the reason, for the user.
QString unsafeFileReason(const QString &skinFolder, const QByteArray &modelPath);

}
