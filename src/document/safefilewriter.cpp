#include "safefilewriter.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

Result failure(const QString &path, const QString &why)
{
    return Result::failure(QStringLiteral("A file could not be written:"),
                           QStringLiteral("The file \"%1\" could not be written: %2").arg(path, why));
}

// After the rename the new directory entry itself must reach the disk.
QString syncFolder(const QString &path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    const int result = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    // Some file systems cannot sync a folder at all; that is no failure of ours.
    if (result != 0 && error != EINVAL)
        return QString::fromLocal8Bit(std::strerror(error));
    return {};
}

} // namespace

Result SafeFileWriter::write(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // Unbuffered, so that write() reports what really reached the file and a short
    // write on a full disk or past a size limit cannot hide in a buffer.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure(path, file.errorString());

    QString problem;
    const qint64 written = file.write(bytes);
    if (written != bytes.size())
        problem = QStringLiteral("only %1 of %2 bytes were written; the disk may be full.")
                      .arg(qMax<qint64>(written, 0))
                      .arg(bytes.size());
    else if (!file.flush())
        problem = file.errorString();
    else if (::fsync(file.handle()) != 0)
        problem = QString::fromLocal8Bit(std::strerror(errno));
    else if (file.error() != QFileDevice::NoError)
        problem = file.errorString();

    if (!problem.isEmpty()) {
        // commit() of a cancelled file discards it and leaves the previous one whole.
        file.cancelWriting();
        file.commit();
        return failure(path, problem);
    }
    if (!file.commit())
        return failure(path, file.errorString());
    const QString folderProblem = syncFolder(path);
    if (!folderProblem.isEmpty())
        return failure(path, folderProblem);
    return {};
}
