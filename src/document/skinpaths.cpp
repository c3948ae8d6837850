#include "skinpaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace SkinPaths {

namespace {

// Enough for any sane chain of links; beyond it the chain is taken for a loop.
constexpr int MaxLinkDepth = 40;

QString withTrailingSlash(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

QString parentOf(const QString &path)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    return slash <= 0 ? QStringLiteral("/") : path.left(slash);
}

QString childOf(const QString &path, const QString &name)
{
    return path == QLatin1String("/") ? path + name : path + QLatin1Char('/') + name;
}

QString resolve(const QString &absolutePath, int depth)
{
    if (depth > MaxLinkDepth)
        return {};
    QString current = QStringLiteral("/");
    const QStringList components = absolutePath.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &component : components) {
        if (component == QLatin1String("."))
            continue;
        if (component == QLatin1String("..")) {
            current = parentOf(current);
            continue;
        }
        const QString next = childOf(current, component);
        const QFileInfo info(next);
        if (info.isSymLink()) {
            // symLinkTarget() is absolute and also known for a dangling link, which a
            // save would follow to create its target.
            current = resolve(info.symLinkTarget(), depth + 1);
            if (current.isEmpty())
                return {};
        } else {
            current = next;
        }
    }
    return current;
}

QStringList componentsOf(const QString &resolved)
{
    return resolved.split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

} // namespace

QString skinFolderOf(const QString &mainSkinFilePath)
{
    return withTrailingSlash(QFileInfo(mainSkinFilePath).absolutePath());
}

QString hostPath(const QString &skinFolder, const QByteArray &modelPath)
{
    QByteArray relative = modelPath;
    relative.replace(':', '/');
    return withTrailingSlash(skinFolder) + QFile::decodeName(relative);
}

QString resolvedPath(const QString &path)
{
    if (path.isEmpty())
        return {};
    // Not QFileInfo::absoluteFilePath(): it applies ".." to the text, before links.
    const QString absolute = QDir::isAbsolutePath(path) ? path : QDir::currentPath() + QLatin1Char('/') + path;
    return resolve(absolute, 0);
}

bool staysInside(const QString &folder, const QString &path)
{
    const QString resolvedFolder = resolvedPath(folder);
    const QString resolvedFile = resolvedPath(path);
    if (resolvedFolder.isEmpty() || resolvedFile.isEmpty())
        return false;
    const QStringList outer = componentsOf(resolvedFolder);
    const QStringList inner = componentsOf(resolvedFile);
    if (inner.size() <= outer.size())
        return false;
    for (int i = 0; i < outer.size(); ++i) {
        if (outer.at(i) != inner.at(i))
            return false;
    }
    return true;
}

namespace {

// Empty when the path is safe, otherwise why not.
QString unsafeRelativePathReason(const QString &skinFolder, const QString &relativePath)
{
    if (relativePath.isEmpty())
        return QStringLiteral("The file name is empty.");
    const QString quoted = QLatin1Char('"') + relativePath + QLatin1Char('"');
    if (relativePath.contains(QChar(0)))
        return QStringLiteral("%1 holds a null character.").arg(quoted);
    if (relativePath.startsWith(QLatin1Char('/')))
        return QStringLiteral("%1 is an absolute path, not a file in the skin folder.").arg(quoted);
    if (relativePath.split(QLatin1Char('/')).contains(QStringLiteral("..")))
        return QStringLiteral("%1 climbs out of the skin folder with \"..\".").arg(quoted);
    if (!QDir::isAbsolutePath(skinFolder))
        return QStringLiteral("The skin has no folder for %1.").arg(quoted);
    const QString path = withTrailingSlash(skinFolder) + relativePath;
    if (relativePath.endsWith(QLatin1Char('/')) || QFileInfo(resolvedPath(path)).isDir())
        return QStringLiteral("%1 names a folder, not a file.").arg(quoted);
    if (!staysInside(skinFolder, path))
        return QStringLiteral("%1 lies outside the skin folder.").arg(quoted);
    return {};
}

} // namespace

Result checkWritableRelativePath(const QString &skinFolder, const QString &relativePath)
{
    const QString reason = unsafeRelativePathReason(skinFolder, relativePath);
    if (reason.isEmpty())
        return {};
    return Result::failure(QStringLiteral("The file may not be written:"), reason);
}

Result checkWritableFile(const QString &skinFolder, const QByteArray &modelPath)
{
    QByteArray relative = modelPath;
    relative.replace(':', '/');
    return checkWritableRelativePath(skinFolder, QFile::decodeName(relative));
}

}
