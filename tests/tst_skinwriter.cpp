#include "document/safefilewriter.h"
#include "document/skinpaths.h"
#include "document/skinreader.h"
#include "document/skinwriter.h"
#include "filesizelimit.h"
#include "testfiles.h"

#include <QtTest>

#include <functional>

using SkinSetup = std::function<void(Skin &)>;
Q_DECLARE_METATYPE(SkinSetup)

namespace {

// Relative paths of every file below `folder`, sorted.
QStringList filesBelow(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

bool copyFolder(const QString &from, const QString &to)
{
    for (const QString &file : filesBelow(from)) {
        QDir().mkpath(QFileInfo(to + QLatin1Char('/') + file).absolutePath());
        if (!QFile::copy(from + QLatin1Char('/') + file, to + QLatin1Char('/') + file))
            return false;
    }
    return true;
}

// A skin in `folder` with main file "main" and one page per file name; page i has
// FULLSCREEN i, which tells the written files apart.
Skin makeSkin(const QString &folder, const QList<QByteArray> &pageFiles)
{
    Skin skin;
    skin.AbsolutPathToSkin = folder + QLatin1Char('/');
    skin.MainSkinFile = QStringLiteral("main");
    skin.SkinTitle = "Title";
    skin.SkinAuthor = "Author";
    skin.SkinComment = "Comment";
    for (int i = 0; i < pageFiles.size(); ++i)
        skin.PageProperties.append(PageRow{QByteArray::number(i), pageFiles.at(i), "Page " + QByteArray::number(i)});
    skin.sizePageTables();
    skin.sizePopupTables();
    for (int i = 0; i < pageFiles.size(); ++i)
        skin.FullscreenProperties[i] = QByteArray::number(i);
    return skin;
}

QByteArray pageBytes(int fullscreen)
{
    return "FULLSCREEN=" + QByteArray::number(fullscreen) + "\rBACKGROUND=\"\"\r";
}

const RecordFormat &formatNamed(const QByteArray &keyword)
{
    for (const ElementKind &kind : ElementKinds::all()) {
        if (kind.format->keyword == keyword)
            return *kind.format;
    }
    qFatal("no record format %s", keyword.constData());
}

} // namespace

class TestSkinWriter : public QObject
{
    Q_OBJECT

private slots:
    void roundTripGivesExpectedBytes();
    void demoSkinRoundTrip();
    void recordLine_data();
    void recordLine();
    void fileBytes_data();
    void fileBytes();
    void unsafeFilesAreRefused_data();
    void unsafeFilesAreRefused();
    void sharedFileIsWrittenOnce_data();
    void sharedFileIsWrittenOnce();
    void lineBreakInValueIsRefused_data();
    void lineBreakInValueIsRefused();
    void deleteFiles();
    void failedWriteKeepsLoadingMarks();
    void sizeLimitKeepsPreviousFile_data();
    void sizeLimitKeepsPreviousFile();
    void skinSaveUnderSizeLimit();
};

void TestSkinWriter::roundTripGivesExpectedBytes()
{
    const QString input = QFileInfo(QFINDTESTDATA("data/skin_full/skin.txt")).absolutePath();
    const QString expected = QFileInfo(QFINDTESTDATA("data/skin_full_saved/skin.txt")).absolutePath();
    QTemporaryDir dir;
    QVERIFY(copyFolder(input, dir.path()));

    QByteArray firstSave;
    for (int round = 0; round < 3; ++round) {
        // Round 0 reads the fixture, the later rounds what was saved before.
        Skin skin;
        const Result read = SkinReader::readMainSkinFile(dir.filePath(QStringLiteral("skin.txt")), skin);
        QVERIFY2(read.ok(), qPrintable(read.text()));
        const Result saved = SkinWriter::write(skin);
        QVERIFY2(saved.ok(), qPrintable(saved.text()));
        QCOMPARE(skin.PageLoadingError, QList<bool>({false, false, false}));
        QCOMPARE(skin.PopupLoadingError, QList<bool>({false, false}));
        QCOMPARE(filesBelow(dir.path()), filesBelow(expected));
        for (const QString &file : filesBelow(expected)) {
            const QByteArray bytes = TestFiles::read(dir.filePath(file));
            QVERIFY2(bytes == TestFiles::read(expected + QLatin1Char('/') + file), qPrintable(file));
            if (file != QLatin1String(".gitattributes"))
                QVERIFY2(!bytes.contains('\n'), qPrintable(file));
        }
    }
}

// The demo skin is kept in the writer's exact form, so saving it changes nothing.
void TestSkinWriter::demoSkinRoundTrip()
{
    const QString demo = QFINDTESTDATA("../examples/demo");
    if (demo.isEmpty() || !QFileInfo(demo).isDir())
        QSKIP("examples/demo does not exist");
    QTemporaryDir dir;
    QVERIFY(copyFolder(demo, dir.path()));
    Skin skin;
    bool read = false;
    for (const QString &file : QDir(dir.path()).entryList(QDir::Files)) {
        read = SkinReader::readMainSkinFile(dir.filePath(file), skin).ok();
        if (read)
            break;
    }
    QVERIFY2(read, "no main skin file in examples/demo");
    const Result saved = SkinWriter::write(skin);
    QVERIFY2(saved.ok(), qPrintable(saved.text()));
    QCOMPARE(filesBelow(dir.path()), filesBelow(demo));
    for (const QString &file : filesBelow(demo))
        QVERIFY2(TestFiles::read(dir.filePath(file)) == TestFiles::read(demo + QLatin1Char('/') + file), qPrintable(file));
}

void TestSkinWriter::recordLine_data()
{
    QTest::addColumn<QByteArray>("keyword");
    QTest::addColumn<int>("keyColumn");
    QTest::addColumn<QList<QByteArray>>("record");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("masked button: paths get slashes")
        << QByteArray("BUTTON_MASKED") << 4
        << QList<QByteArray>{"10", "20", "102", "", "Bitmaps:a.bmp", "Bitmaps:am.bmp", "Bitmaps:p.bmp", "Bitmaps:pm.bmp"}
        << QByteArray("BUTTON_MASKED=10,20,102,\"\",\"Bitmaps/a.bmp\",\"Bitmaps/am.bmp\",\"Bitmaps/p.bmp\","
                      "\"Bitmaps/pm.bmp\"\r");
    QTest::newRow("argument is no path")
        << QByteArray("BUTTON") << 4 << QList<QByteArray>{"1", "2", "3", "http://x.org/a:b", "B:b.bmp", ""}
        << QByteArray("BUTTON=1,2,3,\"http://x.org/a:b\",\"B/b.bmp\",\"\"\r");
    QTest::newRow("label texts and font kept")
        << QByteArray("LABEL") << 4
        << QList<QByteArray>{"0", "0", "9", "9", "Sans:Serif", "8", "FFFFFF", "1", "0", "0", "time: 12:00, today"}
        << QByteArray("LABEL=0,0,9,9,\"Sans:Serif\",8,\"FFFFFF\",1,0,0,\"time: 12:00, today\"\r");
    QTest::newRow("today: colours quoted, opacity raw")
        << QByteArray("TODAY") << 2 << QList<QByteArray>{"50", "60", "000000", "111111", "222222", "40"}
        << QByteArray("TODAY=50,60,\"000000\",\"111111\",\"222222\",40\r");
    QTest::newRow("today indicator type raw")
        << QByteArray("TODAYINDICATOR") << 2
        << QList<QByteArray>{"1", "2", "B:s", "B:sm", "B:d", "B:dm", "B:p", "B:pm", "6"}
        << QByteArray("TODAYINDICATOR=1,2,\"B/s\",\"B/sm\",\"B/d\",\"B/dm\",\"B/p\",\"B/pm\",6\r");
    QTest::newRow("location all raw") << QByteArray("LOCATION") << 2 << QList<QByteArray>{"1", "2", "3", "4"}
                                      << QByteArray("LOCATION=1,2,3,4\r");
    QTest::newRow("empty key column: nothing")
        << QByteArray("LABEL") << 4 << QList<QByteArray>{"0", "0", "9", "9", "", "8", "FFFFFF", "1", "0", "0", "x"}
        << QByteArray();
}

void TestSkinWriter::recordLine()
{
    QFETCH(QByteArray, keyword);
    QFETCH(int, keyColumn);
    QFETCH(QList<QByteArray>, record);
    QFETCH(QByteArray, expected);
    const RecordFormat &format = formatNamed(keyword);
    ElementTable table(format.columnCount);
    table.resize(2, 20);
    table.setRecord(1, 0, record);
    table.setRecord(1, 2, record); // a free slot between two used ones is skipped
    const QByteArray twice = expected + expected;
    QCOMPARE(SkinWriter::arrayToFormatedString(table, format, 1, keyColumn), twice);
    QCOMPARE(SkinWriter::arrayToFormatedString(table, format, 0, keyColumn), QByteArray());
}

void TestSkinWriter::fileBytes_data()
{
    QTest::addColumn<SkinSetup>("setup");
    QTest::addColumn<QString>("file"); // "main", "page 0" or "popup 0"
    QTest::addColumn<QByteArray>("expected");

    const QByteArray head = "TITLE=\"T:1/2\"\rAUTHOR=\"A\"\rCOMMENT=\"C\"\r";
    const auto identity = [](Skin &skin) {
        skin.SkinTitle = "T:1/2";
        skin.SkinAuthor = "A";
        skin.SkinComment = "C";
    };
    QTest::newRow("main: no colours unless set") << SkinSetup([&](Skin &skin) {
        identity(skin);
        skin.SkinUIColors[0] = "123456";
    }) << "main" << head;
    QTest::newRow("main: colours, pages then popups") << SkinSetup([&](Skin &skin) {
        identity(skin);
        skin.isSkinUIColors = true;
        skin.SkinUIColors = {"1", "2", "3", "4", "5", "6"};
        skin.PopUpProperties.append(PageRow{"0", "popups:p", "Pop: up"});
        skin.PageProperties.append(PageRow{"0", "pages:home", "Home/1"});
    }) << "main"
       << head + "UICOLORS=\"1\",\"2\",\"3\",\"4\",\"5\",\"6\"\rPAGE=0,\"pages/home\",\"Home/1\"\r"
                 "POPUP=0,\"popups/p\",\"Pop: up\"\r";
    QTest::newRow("page without elements") << SkinSetup([](Skin &skin) {
        skin.PageProperties.append(PageRow{"0", "p", "P"});
        skin.sizePageTables();
        skin.FullscreenProperties[0] = "0";
    }) << "page 0" << QByteArray("FULLSCREEN=0\rBACKGROUND=\"\"\r");
    QTest::newRow("page: kinds in writing order") << SkinSetup([](Skin &skin) {
        skin.PageProperties.append(PageRow{"0", "p", "P"});
        skin.sizePageTables();
        skin.FullscreenProperties[0] = "2";
        skin.BackgroundProperties[0] = "Bitmaps:bg.bmp";
        skin.LabelProperties.setRecord(0, 0, {"1", "1", "1", "1", "F", "1", "C", "1", "0", "0", ""});
        skin.PictureProperties.setRecord(0, 0, {"2", "2", "B:p"});
        skin.ButtonProperties.setRecord(0, 0, {"3", "3", "", "", "B:b", ""}); // picture, no command
        skin.ButtonProperties.setRecord(0, 1, {"4", "4", "9", "", "", ""});   // command, no picture
    }) << "page 0"
       << QByteArray("FULLSCREEN=2\rBACKGROUND=\"Bitmaps/bg.bmp\"\rBUTTON=3,3,,\"\",\"B/b\",\"\"\r"
                     "PICTURE=2,2,\"B/p\"\rLABEL=1,1,1,1,\"F\",1,\"C\",1,0,0,\"\"\r");
    QTest::newRow("popup: location, background, behaviour, elements") << SkinSetup([](Skin &skin) {
        skin.PopUpProperties.append(PageRow{"0", "q", "Q"});
        skin.sizePopupTables();
        skin.PopupBackgroundProperties[0] = "B:pop";
        skin.PopupLocationProperties.setRecord(0, 0, {"1", "2", "3", "4"});
        skin.PopupBehaviourProperties.setRecord(0, 0, {"1", "0", "1", "0"});
        skin.PopupButtonProperties.setRecord(0, 0, {"3", "3", "", "", "B:b", ""}); // picture, no command
        skin.PopupButtonProperties.setRecord(0, 1, {"4", "4", "9", "", "", ""});   // command, no picture
        skin.PopupPictureProperties.setRecord(0, 0, {"2", "2", "B:p"});
    }) << "popup 0"
       << QByteArray("LOCATION=1,2,3,4\rBACKGROUND=\"B/pop\"\rPOPUP_BEHAVIOUR=1,0,1,0\r"
                     "BUTTON=4,4,9,\"\",\"\",\"\"\rPICTURE=2,2,\"B/p\"\r");
    QTest::newRow("popup without location") << SkinSetup([](Skin &skin) {
        skin.PopUpProperties.append(PageRow{"0", "q", "Q"});
        skin.sizePopupTables();
    }) << "popup 0" << QByteArray("BACKGROUND=\"\"\r");
}

void TestSkinWriter::fileBytes()
{
    QFETCH(SkinSetup, setup);
    QFETCH(QString, file);
    QFETCH(QByteArray, expected);
    Skin skin;
    setup(skin);
    const QByteArray bytes = file == QLatin1String("main") ? SkinWriter::mainSkinFileBytes(skin)
        : file.startsWith(QLatin1String("page"))         ? SkinWriter::pageFileBytes(skin, 0)
                                                         : SkinWriter::popupFileBytes(skin, 0);
    QCOMPARE(bytes, expected);
}

void TestSkinWriter::unsafeFilesAreRefused_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("asDeleteEntry");
    QTest::addColumn<QString>("reason");
    // The skin lies in "skin/", beside "outside/victim"; "skin/linkout" leads to "outside".
    const QList<std::pair<const char *, QByteArray>> files{
        {"climbs out", "..:outside:victim"},
        {"absolute", "<outside>:victim"},
        {"link out", "linkout:victim"},
        {"folder", "Bitmaps"},
        {"empty", ""},
    };
    const QStringList reasons{"\"..\"", "absolute", "outside", "folder", "empty"};
    for (int i = 0; i < files.size(); ++i) {
        QTest::addRow("page file, %s", files.at(i).first) << files.at(i).second << false << reasons.at(i);
        QTest::addRow("delete entry, %s", files.at(i).first) << files.at(i).second << true << reasons.at(i);
    }
}

void TestSkinWriter::unsafeFilesAreRefused()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, asDeleteEntry);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString skinFolder = dir.filePath(QStringLiteral("skin"));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("skin/Bitmaps")));
    QVERIFY(TestFiles::write(dir.filePath(QStringLiteral("outside/victim")), "precious"));
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("outside")), skinFolder + QStringLiteral("/linkout")));
    file.replace("<outside>", QFile::encodeName(dir.filePath(QStringLiteral("outside"))).replace('/', ':'));

    Skin skin = makeSkin(skinFolder, asDeleteEntry ? QList<QByteArray>{"good"} : QList<QByteArray>{"good", file});
    if (asDeleteEntry)
        skin.DeleteFiles << file;
    const Result result = SkinWriter::write(skin);

    QVERIFY(!result.ok());
    QCOMPARE(result.text().count(QLatin1Char('\n')), 0); // one problem
    QVERIFY2(result.text().contains(reason), qPrintable(result.text()));
    QCOMPARE(TestFiles::read(dir.filePath(QStringLiteral("outside/victim"))), QByteArray("precious"));
    QCOMPARE(filesBelow(dir.filePath(QStringLiteral("outside"))), QStringList{"victim"});
    QCOMPARE(TestFiles::read(skinFolder + QStringLiteral("/good")), pageBytes(0));
    QVERIFY(TestFiles::read(skinFolder + QStringLiteral("/main")).startsWith("TITLE=\"Title\"\r"));
    QVERIFY(QFileInfo(skinFolder + QStringLiteral("/Bitmaps")).isDir());
}

void TestSkinWriter::sharedFileIsWrittenOnce_data()
{
    QTest::addColumn<QList<QByteArray>>("files");
    QTest::addColumn<QString>("owner"); // who keeps the shared file
    QTest::newRow("same name") << QList<QByteArray>{"a", "a"} << "\"Page 0\"";
    QTest::newRow("same after dot") << QList<QByteArray>{"a", ".:a"} << "\"Page 0\"";
    QTest::newRow("same through a link") << QList<QByteArray>{"Bitmaps:a", "linkin:a"} << "\"Page 0\"";
    QTest::newRow("page names the main skin file") << QList<QByteArray>{"x", "main"} << "main skin file";
}

void TestSkinWriter::sharedFileIsWrittenOnce()
{
    QFETCH(QList<QByteArray>, files);
    QFETCH(QString, owner);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Bitmaps")));
    QVERIFY(QFile::link(QStringLiteral("Bitmaps"), dir.filePath(QStringLiteral("linkin"))));
    Skin skin = makeSkin(dir.path(), files);
    const Result result = SkinWriter::write(skin);

    QVERIFY(!result.ok());
    QCOMPARE(result.text().count(QLatin1Char('\n')), 0); // one problem
    QVERIFY2(result.text().contains(QStringLiteral("\"Page 1\"")), qPrintable(result.text()));
    QVERIFY2(result.text().contains(owner), qPrintable(result.text()));
    const QString shared = SkinPaths::hostPath(dir.path(), files.at(1));
    if (owner.contains(QLatin1String("main")))
        QVERIFY(TestFiles::read(shared).startsWith("TITLE="));
    else
        QCOMPARE(TestFiles::read(shared), pageBytes(0));
}

void TestSkinWriter::lineBreakInValueIsRefused_data()
{
    QTest::addColumn<SkinSetup>("setup");
    QTest::addColumn<QString>("refused"); // the file left as it was
    QTest::addColumn<QString>("named");   // how the problem names it
    QTest::newRow("label text, LF") << SkinSetup([](Skin &skin) {
        skin.LabelProperties.setRecord(1, 0, {"1", "1", "1", "1", "F", "1", "C", "1", "0", "0", "two\nlines"});
    }) << "p1" << "\"Page 1\"";
    QTest::newRow("button argument, CR") << SkinSetup([](Skin &skin) {
        skin.ButtonProperties.setRecord(0, 0, {"1", "1", "1", "http://x\r", "B:b", ""});
    }) << "p0" << "\"Page 0\"";
    QTest::newRow("title") << SkinSetup([](Skin &skin) { skin.SkinTitle = "A\r\nB"; }) << "main"
                           << "main skin file \"main\"";
    QTest::newRow("page name") << SkinSetup([](Skin &skin) { skin.PageProperties[1].Name = "x\n"; }) << "main"
                               << "main skin file \"main\"";
}

void TestSkinWriter::lineBreakInValueIsRefused()
{
    QFETCH(SkinSetup, setup);
    QFETCH(QString, refused);
    QFETCH(QString, named);
    QTemporaryDir dir;
    for (const char *name : {"main", "p0", "p1"})
        QVERIFY(TestFiles::write(dir.filePath(QLatin1String(name)), "old"));
    Skin skin = makeSkin(dir.path(), {"p0", "p1"});
    setup(skin);
    const Result result = SkinWriter::write(skin);

    QVERIFY(!result.ok());
    QCOMPARE(result.text().count(QLatin1Char('\n')), 0); // one problem
    QVERIFY2(result.text().contains(named), qPrintable(result.text()));
    QVERIFY2(result.text().contains(QLatin1String("line break")), qPrintable(result.text()));
    for (const char *name : {"main", "p0", "p1"}) {
        const QByteArray bytes = TestFiles::read(dir.filePath(QLatin1String(name)));
        QCOMPARE(bytes == "old", refused == QLatin1String(name));
    }
}

void TestSkinWriter::deleteFiles()
{
    QTemporaryDir dir;
    QVERIFY(TestFiles::write(dir.filePath(QStringLiteral("gone/page_3")), "old page"));
    QVERIFY(TestFiles::write(dir.filePath(QStringLiteral("page_0")), "old"));
    Skin skin = makeSkin(dir.path(), {"page_0"});
    // Removed, never there, and one whose name a kept page has taken since.
    skin.DeleteFiles = {"gone:page_3", "never_there", "page_0"};
    const Result result = SkinWriter::write(skin);

    QVERIFY2(result.ok(), qPrintable(result.text()));
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("gone/page_3"))));
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("gone"))).isDir()); // folders are never deleted
    QCOMPARE(TestFiles::read(dir.filePath(QStringLiteral("page_0"))), pageBytes(0));
    QCOMPARE(skin.DeleteFiles.size(), 3);
}

void TestSkinWriter::failedWriteKeepsLoadingMarks()
{
    QTemporaryDir dir;
    // The folder of "nowhere:p1" does not exist, so that page cannot be written.
    Skin skin = makeSkin(dir.path(), {"p0", "nowhere:p1", "p2"});
    skin.PageLoadingError = {true, true, false};
    const Result result = SkinWriter::write(skin);

    QVERIFY(!result.ok());
    QCOMPARE(result.text().count(QLatin1Char('\n')), 0); // one problem
    QVERIFY2(result.text().contains(QLatin1String("nowhere:p1")), qPrintable(result.text()));
    QCOMPARE(skin.PageLoadingError, QList<bool>({false, true, false}));
    QCOMPARE(TestFiles::read(dir.filePath(QStringLiteral("p2"))), pageBytes(2));
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("nowhere"))));
}

void TestSkinWriter::sizeLimitKeepsPreviousFile_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("fits");
    // The limit is 64 KiB.
    QTest::newRow("small") << 10 << true;
    QTest::newRow("exactly the limit") << 65536 << true;
    QTest::newRow("one byte over") << 65537 << false;
    QTest::newRow("far over") << (1 << 20) << false;
}

void TestSkinWriter::sizeLimitKeepsPreviousFile()
{
    QFETCH(int, size);
    QFETCH(bool, fits);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("file"));
    const QByteArray previous(1000, 'p');
    QVERIFY(TestFiles::write(path, previous));
    const QByteArray payload(size, 'n');
    Result written;
    {
        FileSizeLimit limit(65536);
        QVERIFY(limit.isActive());
        written = SafeFileWriter::write(path, payload);
    }
    QCOMPARE(written.ok(), fits);
    QCOMPARE(TestFiles::read(path), fits ? payload : previous);
    QVERIFY2(fits || written.text().contains(path), qPrintable(written.text()));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"file"}); // no leftovers
}

void TestSkinWriter::skinSaveUnderSizeLimit()
{
    QTemporaryDir dir;
    QVERIFY(TestFiles::write(dir.filePath(QStringLiteral("p1")), "previous"));
    Skin skin = makeSkin(dir.path(), {"p0", "p1"});
    skin.PageLoadingError = {true, true};
    skin.LabelProperties.setRecord(1, 0, {"0", "0", "1", "1", "F", "1", "C", "1", "0", "0", QByteArray(8192, 'x')});
    Result result;
    {
        FileSizeLimit limit(4096);
        QVERIFY(limit.isActive());
        result = SkinWriter::write(skin);
    }
    QVERIFY(!result.ok());
    QVERIFY(result.text().contains(QStringLiteral("\"Page 1\"")));
    QCOMPARE(TestFiles::read(dir.filePath(QStringLiteral("p1"))), QByteArray("previous"));
    QCOMPARE(TestFiles::read(dir.filePath(QStringLiteral("p0"))), pageBytes(0));
    QCOMPARE(skin.PageLoadingError, QList<bool>({false, true}));
}

QTEST_GUILESS_MAIN(TestSkinWriter)
#include "tst_skinwriter.moc"
