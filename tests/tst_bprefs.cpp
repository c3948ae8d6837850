#include "prefs/bprefs.h"
#include "filesizelimit.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using BDictionary::Dictionary;

namespace {

QByteArray header(quint16 version, quint8 flag)
{
    return QByteArray("BPrefs") + char(version >> 8) + char(version & 0xFF) + char(flag);
}

Dictionary recentOnly()
{
    Dictionary dictionary;
    dictionary.insert("recent_0", QStringLiteral("main.txt"));
    return dictionary;
}

} // namespace

class TestBPrefs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void prefsFileInConfigFolder();
    void noFileGivesEmptyStoreAndWritesNothing();
    void fileLayoutAndLoadingBack();
    void keysIgnoreLetterCase();
    void versionCode_data();
    void versionCode();
    void unusableFileGivesEmptyStore_data();
    void unusableFileGivesEmptyStore();
    void readsLaterVersionsAndEncipheredBodies_data();
    void readsLaterVersionsAndEncipheredBodies();
    void saveWithoutLoadingKeepsFileContents();
    void failedSaveKeepsOldFile();
    void saveIntoUncreatableFolderFails();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString path() const { return m_dir->filePath(QStringLiteral("Morvanta Prefs")); }
};

void TestBPrefs::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestBPrefs::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestBPrefs::prefsFileInConfigFolder()
{
    const QString expected =
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QStringLiteral("/Morvanta Prefs");
    QCOMPARE(BPrefs::PrefsFile(), expected);
    QCOMPARE(BPrefs().filePath(), expected);
}

void TestBPrefs::noFileGivesEmptyStoreAndWritesNothing()
{
    BPrefs prefs(path());
    QVERIFY(!prefs.HasKey("recent_0"));
    QVERIFY(!prefs.Value("recent_0").isValid());
    prefs.Remove("recent_0");
    prefs.setValue("recent_0", "x");
    QVERIFY(!QFile::exists(path()));
}

void TestBPrefs::fileLayoutAndLoadingBack()
{
    // The first save also creates the configuration folder.
    const QString nestedPath = m_dir->filePath(QStringLiteral("config/Morvanta/Morvanta Prefs"));
    BPrefs prefs(nestedPath);
    prefs.setValue("recent_0", QStringLiteral("main.txt"));
    QVERIFY(prefs.Save().ok());

    Dictionary expected = recentOnly();
    expected.insert("app_vers", BPrefs::AppVersionCode());
    const QByteArray bytes = TestFiles::read(nestedPath);
    QCOMPARE(bytes.left(9).toHex(), QByteArray("42507265667301" "0000"));
    QCOMPARE(bytes.mid(9), BDictionary::Convert(expected));
    QCOMPARE(BDictionary::Convert(bytes.mid(9)).size(), 2);

    BPrefs loaded(nestedPath);
    QCOMPARE(loaded.Value("recent_0"), QVariant(QStringLiteral("main.txt")));
    QCOMPARE(loaded.Value("app_vers"), QVariant(BPrefs::AppVersionCode()));
}

void TestBPrefs::keysIgnoreLetterCase()
{
    BPrefs prefs(path());
    prefs.setValue("Recent_0_Counter", 2);
    QVERIFY(prefs.HasKey("recent_0_counter"));
    prefs.setValue("RECENT_0_COUNTER", 3);
    QCOMPARE(prefs.Value("recent_0_counter"), QVariant(3));
    prefs.Remove("recent_0_COUNTER");
    QVERIFY(!prefs.HasKey("Recent_0_Counter"));
}

void TestBPrefs::versionCode_data()
{
    QTest::addColumn<QList<int>>("parts"); // major, minor, patch, stage, build
    QTest::addColumn<int>("code");
    QTest::newRow("2.1.3 final") << QList<int>{2, 1, 3, 3, 0} << 16916224;
    QTest::newRow("0.0.0 development") << QList<int>{0, 0, 0, 0, 0} << 1024;
    QTest::newRow("0.1.0 development, build 5") << QList<int>{0, 1, 0, 0, 5} << 132101;
    QTest::newRow("largest parts stay positive") << QList<int>{255, 63, 63, 3, 255}
                                                 << std::numeric_limits<int>::max();
}

void TestBPrefs::versionCode()
{
    QFETCH(QList<int>, parts);
    QFETCH(int, code);
    QCOMPARE(BPrefs::versionCode(parts[0], parts[1], parts[2], parts[3], parts[4]), code);
}

void TestBPrefs::unusableFileGivesEmptyStore_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray body = BDictionary::Convert(recentOnly());
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("magic only") << QByteArray("BPrefs");
    QTest::newRow("version 255") << header(255, 0) + body;
    QTest::newRow("foreign magic") << QByteArray("XPrefs") + header(256, 0).mid(6) + body;
    QTest::newRow("text file") << QByteArray("recent_0=main.txt\n");
    QTest::newRow("body not a dictionary") << header(256, 0) + BDictionary::IntegerData(5);
    QTest::newRow("body cut inside the table") << header(256, 0) + body.left(5);
    QTest::newRow("offsets past the end") << header(256, 0) + QByteArray::fromHex("005B7FFFFFFF7FFFFFFF");
}

void TestBPrefs::unusableFileGivesEmptyStore()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(TestFiles::write(path(), bytes));

    BPrefs prefs(path());
    QVERIFY(!prefs.HasKey("recent_0"));
    QVERIFY(!prefs.Value("recent_0").isValid());
    QCOMPARE(prefs.Value("recent_0").toInt(), 0);

    // The next save replaces it with a proper store.
    QVERIFY(prefs.Save().ok());
    QVERIFY(BPrefs(path()).HasKey("app_vers"));
}

void TestBPrefs::readsLaterVersionsAndEncipheredBodies_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray body = BDictionary::Convert(recentOnly());
    QTest::newRow("version 256") << header(256, 0) + body;
    QTest::newRow("version 512") << header(512, 0) + body;
    QTest::newRow("enciphered") << header(256, 128) + BDictionary::Encrypt(body, BPrefs::GenerateKey());
}

void TestBPrefs::readsLaterVersionsAndEncipheredBodies()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(TestFiles::write(path(), bytes));
    QCOMPARE(BPrefs::GenerateKey().size(), 65);
    QCOMPARE(BPrefs(path()).Value("RECENT_0"), QVariant(QStringLiteral("main.txt")));
}

void TestBPrefs::saveWithoutLoadingKeepsFileContents()
{
    BPrefs first(path());
    first.setValue("recent_0", QStringLiteral("main.txt"));
    QVERIFY(first.Save().ok());

    BPrefs untouched(path());
    QVERIFY(untouched.Save().ok());
    QCOMPARE(BPrefs(path()).Value("recent_0"), QVariant(QStringLiteral("main.txt")));
}

void TestBPrefs::failedSaveKeepsOldFile()
{
    BPrefs first(path());
    first.setValue("recent_0", QStringLiteral("main.txt"));
    QVERIFY(first.Save().ok());
    const QByteArray oldBytes = TestFiles::read(path());

    BPrefs second(path());
    second.setValue("recent_1", QByteArray(4096, 'x'));
    {
        const FileSizeLimit limit(512);
        QVERIFY(!second.Save().ok());
    }
    QCOMPARE(TestFiles::read(path()), oldBytes);
    // No half-written temporary file is left beside it.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Morvanta Prefs"});
    // Once writing works again, the same store saves.
    QVERIFY(second.Save().ok());
    QVERIFY(BPrefs(path()).HasKey("recent_1"));
}

void TestBPrefs::saveIntoUncreatableFolderFails()
{
    // A plain file where the folder should be: neither the folder nor the file can be made.
    const QString blocker = m_dir->filePath(QStringLiteral("blocker"));
    QVERIFY(TestFiles::write(blocker, "not a folder"));
    BPrefs prefs(blocker + QStringLiteral("/Morvanta Prefs"));
    prefs.setValue("recent_0", QStringLiteral("main.txt"));
    QVERIFY(!prefs.Save().ok());
    QCOMPARE(TestFiles::read(blocker), QByteArray("not a folder"));
}

QTEST_GUILESS_MAIN(TestBPrefs)
#include "tst_bprefs.moc"
