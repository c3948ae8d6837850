#pragma once

#include "bdictionary.h"
#include "document/result.h"

#include <QString>
#include <QVariant>

// The small key-value store that survives between runs (the recent-files list and the
// application's version code). Loaded from its file on first use, written by Save.
//
// The file: "BPrefs", a 2-byte format version (256; 256 or more is read), a flag byte
// (0 plain, 128 enciphered body) and the store as a dictionary block.
//
// A missing, foreign or damaged file gives an empty store; nothing here stops the
// program or throws.
class BPrefs
{
public:
    static constexpr quint16 FormatVersion = 256;
    static constexpr quint8 PlainFlag = 0;
    static constexpr quint8 EncipheredFlag = 128;
    static inline const QString VersionKey = QStringLiteral("app_vers");

    // The store of the file at filePath; by default PrefsFile().
    explicit BPrefs(const QString &filePath = PrefsFile());

    // Invalid when the key is missing. Keys ignore letter case.
    QVariant Value(const QString &key) const;
    void setValue(const QString &key, const QVariant &value);
    bool HasKey(const QString &key) const;
    // A missing key is no error.
    void Remove(const QString &key);

    // Writes the whole store, with the version code, replacing the file atomically.
    // Loads the file first if that has not happened, so that its contents survive.
    // A file that could not be written is left whole, as it was.
    Result Save();

    // Loads the store from the file, once; the other operations call it when needed.
    void InitPrefs() const;
    bool isLoaded() const { return m_loaded; }
    QString filePath() const { return m_filePath; }

    // "Morvanta Prefs" in the user's configuration folder; it need not exist.
    static QString PrefsFile();
    // The application's version packed into one integer (see versionCode).
    static int AppVersionCode();
    // ((((major*64 + minor)*64 + patch)*2 + 1)*4 + stage)*256 + build, each part
    // taken within its width (major 8 bits, minor and patch 6, stage 2, build 8).
    static int versionCode(int major, int minor, int patch, int stage, int build);
    // The key of enciphered bodies (65 bytes).
    static QByteArray GenerateKey();

    // The store from a file's bytes; empty when they are not a preferences file.
    static BDictionary::Dictionary parse(const QByteArray &fileBytes);
    // The file's bytes for a store (plain body).
    static QByteArray serialize(const BDictionary::Dictionary &store);

private:
    QString m_filePath;
    // Loaded lazily, also from the const accessors.
    mutable BDictionary::Dictionary m_store;
    mutable bool m_loaded = false;
};
