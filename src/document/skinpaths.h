#pragma once

#include "result.h"

#include <QByteArray>
#include <QString>

// The one place where model paths become host paths. A model path is relative to the
// skin folder and separates folders with ":".
namespace SkinPaths {

// The skin folder of a main skin file: its absolute folder, ending with "/".
QString skinFolderOf(const QString &mainSkinFilePath);

// skinFolder (with a "/" added when it lacks one) followed by the model path with ":"
// turned into "/". The model bytes are decoded as the file system encodes names.
QString hostPath(const QString &skinFolder, const QByteArray &modelPath);

// The absolute form of `hostPath` with every symbolic link resolved, component by
// component, and "." and ".." applied to the resolved parent. Components that do not
// exist are kept as they are. Empty when links loop.
QString resolvedPath(const QString &hostPath);

// True when `hostPath` names something strictly inside `folder`, after resolving
// symbolic links of both (component by component, never by string prefix). The path
// itself need not exist; its nearest existing ancestor is resolved.
bool staysInside(const QString &folder, const QString &hostPath);

// Whether a path relative to the skin folder, "/" separated, may name a file the editor
// writes or deletes: not empty, not absolute, no "..", not a folder, and inside the skin
// folder. A failure's text says why, naming the path.
Result checkWritableRelativePath(const QString &skinFolder, const QString &relativePath);

// The same for a model path.
Result checkWritableFile(const QString &skinFolder, const QByteArray &modelPath);

}
