#include "helppages.h"

#include <QDesktopServices>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStandardPaths>

namespace HelpPages {

namespace {

const QString resourceFolder = QStringLiteral(":/help");

bool copyFile(const QString &from, const QString &to)
{
    QFile source(from);
    QFile target(to);
    if (!source.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray bytes = source.readAll();
    return target.write(bytes) == bytes.size();
}

// Every page, so that links between them work. Rewritten once per run so that pages
// of an older version never stay behind.
QString copyPagesOut()
{
    static QString folder;
    if (!folder.isEmpty())
        return folder;
    const QString target = QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/help");
    if (!QDir().mkpath(target))
        return {};
    QDirIterator pages(resourceFolder, QDir::Files);
    while (pages.hasNext()) {
        pages.next();
        if (!copyFile(pages.filePath(), target + QLatin1Char('/') + pages.fileName()))
            return {};
    }
    folder = target;
    return folder;
}

} // namespace

QUrl install(const QString &page)
{
    const QString folder = copyPagesOut();
    if (folder.isEmpty() || !QFile::exists(resourceFolder + QLatin1Char('/') + page))
        return {};
    return QUrl::fromLocalFile(folder + QLatin1Char('/') + page);
}

bool open(const QString &page)
{
    const QUrl url = install(page);
    return url.isValid() && QDesktopServices::openUrl(url);
}

}
