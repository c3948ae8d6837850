#include "document/skinreader.h"
#include "testfiles.h"

#include <QtTest>

namespace {

const QByteArray MinimalMain = "TITLE=\"t\"\rAUTHOR=\"a\"\rCOMMENT=\"c\"\r";

// One value of the model, named as the rows of fixtureValues name it.
QByteArray valueAt(const Skin &skin, const QString &field, int plane, int slot, int column)
{
    if (field == QLatin1String("SkinTitle"))
        return skin.SkinTitle;
    if (field == QLatin1String("SkinAuthor"))
        return skin.SkinAuthor;
    if (field == QLatin1String("SkinComment"))
        return skin.SkinComment;
    if (field == QLatin1String("UIColor"))
        return skin.SkinUIColors.value(column);
    if (field == QLatin1String("Page") || field == QLatin1String("Popup")) {
        const PageRow row = (field == QLatin1String("Page") ? skin.PageProperties : skin.PopUpProperties).value(plane);
        return QList<QByteArray>{row.Number, row.File, row.Name}.value(column);
    }
    if (field == QLatin1String("Fullscreen"))
        return skin.FullscreenProperties.value(plane);
    if (field == QLatin1String("Background"))
        return skin.BackgroundProperties.value(plane);
    if (field == QLatin1String("PopupBackground"))
        return skin.PopupBackgroundProperties.value(plane);
    if (field == QLatin1String("PBeh"))
        return skin.PopupBehaviourProperties.value(plane, slot, column);
    const ElementTable *table = skin.tableForElement(field);
    return table ? table->value(plane, slot, column) : QByteArray("<no such table>");
}

} // namespace

class TestSkinReader : public QObject
{
    Q_OBJECT

private slots:
    void fixtureShape();
    void fixtureValues_data();
    void fixtureValues();
    void recordValue_data();
    void recordValue();
    void mainSkinFile_data();
    void mainSkinFile();
    void unreadableMainSkinFile_data();
    void unreadableMainSkinFile();
    void pageFileAccess_data();
    void pageFileAccess();
    void progress_data();
    void progress();
    void nothingCarriesOverToTheNextSkin();
};

void TestSkinReader::fixtureShape()
{
    const QString main = QFINDTESTDATA("data/skin_full/skin.txt");
    Skin skin;
    const Result result = SkinReader::readMainSkinFile(main, skin);
    QVERIFY2(result.ok(), qPrintable(result.text()));
    QCOMPARE(skin.MainSkinFile, QStringLiteral("skin.txt"));
    QCOMPARE(skin.AbsolutPathToSkin, QFileInfo(main).absolutePath() + QLatin1Char('/'));
    QVERIFY(skin.isSkinUIColors);
    QCOMPARE(skin.PageProperties.size(), 3); // the commented PAGE line is not one
    QCOMPARE(skin.PopUpProperties.size(), 2);
    QCOMPARE(skin.PageLoadingError, QList<bool>({false, true, false}));
    QCOMPARE(skin.PopupLoadingError, QList<bool>({false, true}));
    QCOMPARE(skin.PictureProperties.slotCount(), 21);
    QCOMPARE(skin.PopupLocationProperties.slotCount(), 3);
    QCOMPARE(skin.ButtonProperties.slotCount(), ElementKinds::DefaultSlots);
}

void TestSkinReader::fixtureValues_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("plane");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("column");
    QTest::addColumn<QByteArray>("expected");
    // Pages: 0 home (CR), 1 missing, 2 crlf (CR LF). Popups: 0 menu (mixed), 1 gone.
    QTest::newRow("title keeps its slash") << "SkinTitle" << 0 << 0 << 0 << QByteArray("Night/Day");
    QTest::newRow("lower-case keyword with blanks") << "SkinAuthor" << 0 << 0 << 0 << QByteArray("Ann Example");
    QTest::newRow("comment keeps its last value") << "SkinComment" << 0 << 0 << 0 << QByteArray("every line end");
    QTest::newRow("colour") << "UIColor" << 0 << 0 << 2 << QByteArray("FF0000");
    QTest::newRow("surplus colours join the last") << "UIColor" << 0 << 0 << 5 << QByteArray("808080,EXTRA");
    QTest::newRow("page name with comma") << "Page" << 0 << 0 << 2 << QByteArray("Home, sweet");
    QTest::newRow("page number with blanks") << "Page" << 1 << 0 << 0 << QByteArray("1");
    QTest::newRow("page file backslash") << "Page" << 1 << 0 << 1 << QByteArray("pages:missing");
    QTest::newRow("popup row, mixed-case keyword") << "Popup" << 1 << 0 << 1 << QByteArray("popups:gone");
    QTest::newRow("fullscreen") << "Fullscreen" << 0 << 0 << 0 << QByteArray("1");
    QTest::newRow("second fullscreen line wins") << "Fullscreen" << 2 << 0 << 0 << QByteArray("2");
    QTest::newRow("background path") << "Background" << 0 << 0 << 0 << QByteArray("Bitmaps:home bg.bmp");
    QTest::newRow("missing page stays empty") << "Background" << 1 << 0 << 0 << QByteArray();
    QTest::newRow("lower-case button with blanks") << "Bt" << 0 << 0 << 0 << QByteArray("10");
    QTest::newRow("argument keeps a web address") << "Bt" << 0 << 0 << 3 << QByteArray("http://example.com/a/b");
    QTest::newRow("argument keeps backslash") << "Bt" << 0 << 1 << 3 << QByteArray("a/b\\c");
    QTest::newRow("button picture is a path") << "Bt" << 0 << 0 << 5 << QByteArray("Bitmaps:b1p.bmp");
    QTest::newRow("masked button between buttons") << "Bt" << 0 << 1 << 0 << QByteArray("50");
    QTest::newRow("masked button") << "BtM" << 0 << 0 << 7 << QByteArray("Bitmaps:mpm.bmp");
    QTest::newRow("21st picture kept") << "Pic" << 0 << 20 << 2 << QByteArray("Bitmaps:p20.bmp");
    QTest::newRow("lock icon") << "Lok" << 0 << 0 << 3 << QByteArray("Bitmaps:lockm.bmp");
    QTest::newRow("trash icon") << "Tra" << 0 << 0 << 1 << QByteArray("6");
    QTest::newRow("today colour") << "To" << 0 << 0 << 4 << QByteArray("FF8000");
    QTest::newRow("today indicator type") << "ToI" << 0 << 0 << 8 << QByteArray("3");
    QTest::newRow("label text with comma") << "Lab" << 0 << 0 << 10 << QByteArray("Hello, world");
    QTest::newRow("font name keeps its slash") << "Lab" << 0 << 0 << 4 << QByteArray("Sans/Serif");
    QTest::newRow("tabs around keyword") << "Lab" << 0 << 1 << 4 << QByteArray("Mono");
    QTest::newRow("CR LF page") << "Bt" << 2 << 1 << 3 << QByteArray("second");
    QTest::newRow("surplus value joins the last") << "PicM" << 2 << 0 << 3 << QByteArray("Bitmaps:qm.bmp , surplus");
    QTest::newRow("third location row kept") << "PBac" << 0 << 2 << 2 << QByteArray("50");
    QTest::newRow("popup background") << "PopupBackground" << 0 << 0 << 0 << QByteArray("Bitmaps:popup.bmp");
    QTest::newRow("commented behaviour not read") << "PBeh" << 0 << 0 << 0 << QByteArray("1");
    QTest::newRow("behaviour row 1 free") << "PBeh" << 0 << 1 << 0 << QByteArray();
    QTest::newRow("popup button without picture") << "PBt" << 0 << 1 << 3 << QByteArray("no picture");
    QTest::newRow("popup masked button") << "PBtM" << 0 << 0 << 4 << QByteArray("Bitmaps:pb.bmp");
    QTest::newRow("popup picture") << "PPic" << 0 << 0 << 2 << QByteArray("Bitmaps:pp.bmp");
    QTest::newRow("popup masked picture") << "PPicM" << 0 << 0 << 3 << QByteArray("Bitmaps:ppmm.bmp");
    QTest::newRow("popup label after LF") << "PLab" << 0 << 0 << 10 << QByteArray("Popup, label");
}

void TestSkinReader::fixtureValues()
{
    QFETCH(QString, field);
    QFETCH(int, plane);
    QFETCH(int, slot);
    QFETCH(int, column);
    QFETCH(QByteArray, expected);
    static Skin skin;
    static const bool read = SkinReader::readMainSkinFile(QFINDTESTDATA("data/skin_full/skin.txt"), skin).ok();
    QVERIFY(read);
    QCOMPARE(valueAt(skin, field, plane, slot, column), expected);
}

void TestSkinReader::recordValue_data()
{
    QTest::addColumn<QByteArray>("values"); // of a BUTTON line: X, Y, Command, Argument, Bitmap, Pressed
    QTest::addColumn<int>("column");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("blanks around quotes") << QByteArray("1,2,3, \" a b \" ,x,y") << 3 << QByteArray("a b");
    QTest::newRow("quote inside") << QByteArray("1,2,3,a\"b,x,y") << 3 << QByteArray("ab");
    QTest::newRow("quote inside a quoted value") << QByteArray("1,2,3,\"a\"b\",x,y") << 3 << QByteArray("ab");
    QTest::newRow("blanks next to an inner quote stay") << QByteArray("1,2,3,a \" b,x,y") << 3 << QByteArray("a  b");
    QTest::newRow("quotes and blanks only") << QByteArray("1,2,3, \" \"\" ,x,y") << 3 << QByteArray();
    QTest::newRow("one quote at one end") << QByteArray("1,2,3,\"open,x,y") << 3 << QByteArray("open");
    QTest::newRow("path slashes") << QByteArray("1,2,3,a/b,\"Bitmaps/sub\\b.bmp\",y") << 4
                                  << QByteArray("Bitmaps:sub:b.bmp");
    QTest::newRow("slash of a text stays") << QByteArray("1,2,3,a/b,x,y") << 3 << QByteArray("a/b");
    QTest::newRow("last path keeps its commas") << QByteArray("1,2,3,a,b,\"c/d\", e/f") << 5
                                                << QByteArray("c:d, e:f");
    QTest::newRow("missing values") << QByteArray("1,2") << 1 << QByteArray("2");
}

// Values are cleaned where they lie in the bytes read, so each rule is checked beside
// neighbours that must stay untouched.
void TestSkinReader::recordValue()
{
    QFETCH(QByteArray, values);
    QFETCH(int, column);
    QFETCH(QByteArray, expected);
    QTemporaryDir dir;
    QVERIFY(TestFiles::write(dir.filePath(QStringLiteral("page")), "BUTTON=" + values + "\r\nBUTTON=9,8\r\n"));
    QVERIFY(TestFiles::write(dir.filePath(QStringLiteral("main")), MinimalMain + "PAGE=0,\"page\",\"P\"\r"));
    Skin skin;
    QVERIFY(SkinReader::readMainSkinFile(dir.filePath(QStringLiteral("main")), skin).ok());
    const ElementTable &buttons = skin.ButtonProperties;
    QCOMPARE(buttons.value(0, 0, column), expected);
    QCOMPARE(buttons.value(0, 0, ButtonColumn::X), QByteArray("1"));
    QCOMPARE(buttons.value(0, 1, ButtonColumn::Y), QByteArray("8"));
}

void TestSkinReader::mainSkinFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("isSkin");
    QTest::addColumn<QByteArray>("title");
    QTest::addColumn<int>("pages");
    QTest::newRow("no pages or popups") << MinimalMain << true << QByteArray("t") << 0;
    QTest::newRow("title and author only") << QByteArray("TITLE=\"t\"\nAUTHOR=\"a\"\n") << false << QByteArray() << 0;
    QTest::newRow("two title values count") << QByteArray("TITLE=\"one\",\"two\"\nAUTHOR=\"a\"\n") << true
                                            << QByteArray("two") << 0;
    QTest::newRow("commented title never counts")
        << QByteArray(";TITLE=\"t\"\nAUTHOR=\"a\"\nCOMMENT=\"c\"\nPAGE=0,\"p\",\"P\"\n") << false << QByteArray() << 0;
    QTest::newRow("leading blanks") << QByteArray(" \tTITLE=\"t\"\r\n  AUTHOR=\"a\"\r\n\tCOMMENT=\"c\"\r\nPAGE=0,\"p\",\"P\"\r\n")
                                    << true << QByteArray("t") << 1;
    QTest::newRow("only the first equals sign goes") << QByteArray("TITLE=\"a=b\"\rAUTHOR=x\rCOMMENT=y\r") << true
                                                     << QByteArray("a=b") << 0;
    QTest::newRow("empty file") << QByteArray() << false << QByteArray() << 0;
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << false << QByteArray() << 0;
    QTest::newRow("page before title") << QByteArray("PAGE=0,\"p\",\"P\"\n") + MinimalMain << true << QByteArray("t")
                                       << 1;
}

void TestSkinReader::mainSkinFile()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, isSkin);
    QFETCH(QByteArray, title);
    QFETCH(int, pages);
    QTemporaryDir dir;
    QVERIFY(TestFiles::write(dir.filePath(QStringLiteral("main")), content));
    Skin skin;
    const Result result = SkinReader::readMainSkinFile(dir.filePath(QStringLiteral("main")), skin);
    QCOMPARE(result.ok(), isSkin);
    QCOMPARE(result.text(), isSkin ? QString() : QStringLiteral("Not a valid Velmora Skin!"));
    QCOMPARE(skin.SkinTitle, title);
    QCOMPARE(skin.PageProperties.size(), pages);
    if (!isSkin)
        QVERIFY(skin.AbsolutPathToSkin.isEmpty());
}

void TestSkinReader::unreadableMainSkinFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("makeFolder");
    QTest::newRow("missing") << "no such skin.txt" << false;
    QTest::newRow("folder") << "a folder" << true;
}

void TestSkinReader::unreadableMainSkinFile()
{
    QFETCH(QString, name);
    QFETCH(bool, makeFolder);
    QTemporaryDir dir;
    if (makeFolder)
        QVERIFY(QDir(dir.path()).mkdir(name));
    Skin skin;
    const Result result = SkinReader::readMainSkinFile(dir.filePath(name), skin);
    QVERIFY(!result.ok());
    QVERIFY2(result.text().contains(name), qPrintable(result.text()));
}

void TestSkinReader::pageFileAccess_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("loadingError");
    // The skin lies in "skin/"; "skin/page" holds a button, "skin/zero" links to a device.
    QTest::newRow("file") << QByteArray("page") << false;
    QTest::newRow("missing") << QByteArray("nothing") << true;
    QTest::newRow("a folder") << QByteArray("sub") << true;
    QTest::newRow("a device that never ends") << QByteArray("zero") << true;
}

void TestSkinReader::pageFileAccess()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, loadingError);
    QTemporaryDir dir;
    const QByteArray button = "BUTTON=1,2,3,\"\",\"Bitmaps/b.bmp\",\"\"\r";
    QVERIFY(TestFiles::write(dir.filePath(QStringLiteral("skin/page")), button));
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), dir.filePath(QStringLiteral("skin/zero"))));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("skin/sub")));
    QVERIFY(TestFiles::write(dir.filePath(QStringLiteral("skin/main")), MinimalMain + "PAGE=0,\"" + file + "\",\"P\"\r"));

    Skin skin;
    QVERIFY(SkinReader::readMainSkinFile(dir.filePath(QStringLiteral("skin/main")), skin).ok());
    QCOMPARE(skin.PageLoadingError, QList<bool>{loadingError});
    QCOMPARE(skin.ButtonProperties.isUsed(0, 0, ButtonColumn::Bitmap), !loadingError);
}

void TestSkinReader::progress_data()
{
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("popups");
    QTest::addColumn<QList<int>>("percents"); // the main file's 0 first
    QTest::newRow("one page") << 1 << 0 << QList<int>{0, 0};
    QTest::newRow("one popup") << 0 << 1 << QList<int>{0, 0};
    QTest::newRow("five pages") << 5 << 0 << QList<int>{0, 0, 25, 50, 75, 100};
    QTest::newRow("four pages round down") << 4 << 0 << QList<int>{0, 0, 33, 66, 100};
    QTest::newRow("pages then popups") << 2 << 3 << QList<int>{0, 0, 100, 0, 50, 100};
}

void TestSkinReader::progress()
{
    QFETCH(int, pages);
    QFETCH(int, popups);
    QFETCH(QList<int>, percents);
    QTemporaryDir dir;
    QByteArray main = MinimalMain;
    for (int i = 0; i < pages; ++i)
        main += "PAGE=" + QByteArray::number(i) + ",\"page_" + QByteArray::number(i) + "\",\"n\"\r";
    for (int i = 0; i < popups; ++i)
        main += "POPUP=" + QByteArray::number(i) + ",\"popup_" + QByteArray::number(i) + "\",\"n\"\r";
    QVERIFY(TestFiles::write(dir.filePath(QStringLiteral("main")), main));

    QStringList names;
    QList<int> seen;
    Skin skin;
    SkinReader::readMainSkinFile(dir.filePath(QStringLiteral("main")), skin, [&](const QString &name, int percent) {
        names << name;
        seen << percent;
    });
    QCOMPARE(seen, percents);
    QCOMPARE(names.first(), QStringLiteral("main"));
    if (pages > 0)
        QCOMPARE(names.at(1), QStringLiteral("page_0"));
}

// Reading into the skin that is open: a refused file leaves it whole, a skin read
// replaces all of it, above all the DeleteFiles that the next save would act on.
void TestSkinReader::nothingCarriesOverToTheNextSkin()
{
    QTemporaryDir dir;
    Skin open;
    QVERIFY(SkinReader::readMainSkinFile(QFINDTESTDATA("data/skin_full/skin.txt"), open).ok());
    open.DeleteFiles << "pages:home";
    const QString openFolder = open.AbsolutPathToSkin;

    QVERIFY(TestFiles::write(dir.filePath(QStringLiteral("junk")), "not a skin"));
    QVERIFY(!SkinReader::readMainSkinFile(dir.filePath(QStringLiteral("junk")), open).ok());
    QCOMPARE(open.PageProperties.size(), 3);
    QCOMPARE(open.DeleteFiles, QList<QByteArray>{"pages:home"});
    QCOMPARE(open.AbsolutPathToSkin, openFolder);

    QVERIFY(TestFiles::write(dir.filePath(QStringLiteral("main")), MinimalMain + "PAGE=0,\"p\",\"P\"\r"));
    QVERIFY(SkinReader::readMainSkinFile(dir.filePath(QStringLiteral("main")), open).ok());
    QCOMPARE(open.AbsolutPathToSkin, dir.path() + QLatin1Char('/'));
    QCOMPARE(open.PageProperties.size(), 1);
    QVERIFY(open.DeleteFiles.isEmpty());
    QVERIFY(!open.isSkinUIColors);
    QCOMPARE(open.PopUpProperties.size(), 0);
    QCOMPARE(open.PictureProperties.slotCount(), ElementKinds::DefaultSlots);
    QVERIFY(!open.ButtonProperties.isUsed(0, 0, ButtonColumn::Bitmap));
}

QTEST_GUILESS_MAIN(TestSkinReader)
#include "tst_skinreader.moc"
