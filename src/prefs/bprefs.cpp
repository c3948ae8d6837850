#include "bprefs.h"

#include "document/safefilewriter.h"
#include "morvantaversion.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QtEndian>

namespace {

const char Magic[] = "BPrefs";
constexpr qsizetype MagicLength = 6;
constexpr qsizetype HeaderLength = 9;
// Far beyond any real store; a larger file is not ours and is not read into memory.
constexpr qint64 MaxFileSize = 16 * 1024 * 1024;
// Development, alpha, beta, final.
constexpr int ReleaseStage = 0;

} // namespace

BPrefs::BPrefs(const QString &filePath)
    : m_filePath(filePath)
{
}

QVariant BPrefs::Value(const QString &key) const
{
    InitPrefs();
    return m_store.value(key);
}

void BPrefs::setValue(const QString &key, const QVariant &value)
{
    InitPrefs();
    m_store.insert(key, value);
}

bool BPrefs::HasKey(const QString &key) const
{
    InitPrefs();
    return m_store.contains(key);
}

void BPrefs::Remove(const QString &key)
{
    InitPrefs();
    m_store.remove(key);
}

Result BPrefs::Save()
{
    // Writing a store that was never read would replace the file with nothing.
    InitPrefs();
    m_store.insert(VersionKey, AppVersionCode());
    const QByteArray bytes = serialize(m_store);

    const QString folder = QFileInfo(m_filePath).absolutePath();
    if (!QDir().mkpath(folder)) {
        return Result::failure(QStringLiteral("The preferences could not be saved:"),
                               QStringLiteral("The folder \"%1\" could not be made.").arg(folder));
    }
    return SafeFileWriter::write(m_filePath, bytes);
}

void BPrefs::InitPrefs() const
{
    if (m_loaded)
        return;
    m_loaded = true;
    const QFileInfo info(m_filePath);
    if (!info.isFile() || info.size() > MaxFileSize)
        return;
    QFile file(m_filePath);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.read(MaxFileSize + 1);
    if (bytes.size() <= MaxFileSize)
        m_store = parse(bytes);
}

QString BPrefs::PrefsFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QStringLiteral("/Morvanta Prefs");
}

int BPrefs::AppVersionCode()
{
    return versionCode(MorvantaVersion::Major, MorvantaVersion::Minor, MorvantaVersion::Patch, ReleaseStage, 0);
}

int BPrefs::versionCode(int major, int minor, int patch, int stage, int build)
{
    // Masking keeps the result within 31 bits, whatever the parts.
    const quint32 code = ((((quint32(major & 0xFF) * 64 + quint32(minor & 63)) * 64 + quint32(patch & 63)) * 2 + 1) * 4
                          + quint32(stage & 3))
            * 256
        + quint32(build & 0xFF);
    return int(code);
}

QByteArray BPrefs::GenerateKey()
{
    const QByteArray seed = "MvPrefKey7";
    const auto md5 = [](const QByteArray &bytes) { return QCryptographicHash::hash(bytes, QCryptographicHash::Md5); };
    QByteArray chain = md5(seed);
    chain += md5(chain + seed.left(5));
    chain += md5(chain + seed.mid(5));
    chain += md5(chain + seed);
    chain += md5(chain);
    return chain.mid(5, 65);
}

BDictionary::Dictionary BPrefs::parse(const QByteArray &fileBytes)
{
    if (fileBytes.size() < HeaderLength || !fileBytes.startsWith(QByteArrayView(Magic, MagicLength)))
        return {};
    if (qFromBigEndian<quint16>(fileBytes.constData() + MagicLength) < FormatVersion)
        return {};
    QByteArray body = fileBytes.mid(HeaderLength);
    if (quint8(fileBytes.at(8)) == EncipheredFlag)
        body = BDictionary::Decrypt(std::move(body), GenerateKey());
    return BDictionary::Convert(body);
}

QByteArray BPrefs::serialize(const BDictionary::Dictionary &store)
{
    QByteArray bytes(Magic, MagicLength);
    const quint16 version = qToBigEndian(FormatVersion);
    bytes.append(reinterpret_cast<const char *>(&version), sizeof version);
    bytes.append(char(PlainFlag));
    bytes.append(BDictionary::Convert(store));
    return bytes;
}
