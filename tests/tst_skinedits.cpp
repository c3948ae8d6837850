#include "document/skindocument.h"
#include "document/skinedits.h"
#include "testfiles.h"

#include <QtTest>

namespace {

// Pages (or popups) named "A", "B", "C" … with files "f0", "f1" …; each plane holds a
// picture whose file names its plane, and pages have their full-screen mode and
// background.
Skin threeOf(Surface surface, int count = 3)
{
    Skin skin;
    QList<PageRow> &rows = surface == Surface::Page ? skin.PageProperties : skin.PopUpProperties;
    for (int i = 0; i < count; ++i)
        rows << PageRow{QByteArray::number(i), "f" + QByteArray::number(i), QByteArray(1, char('A' + i))};
    skin.sizePageTables();
    skin.sizePopupTables();
    const ElementKind &picture = ElementKinds::get(surface == Surface::Page ? KindId::Pic : KindId::PPic);
    for (int i = 0; i < count; ++i) {
        skin.table(picture).setRecord(i, 0, {"1", "2", "Bitmaps:p" + QByteArray::number(i) + ".bmp"});
        if (surface == Surface::Page) {
            skin.FullscreenProperties[i] = QByteArray::number(i % 3);
            skin.BackgroundProperties[i] = "Bitmaps:bg" + QByteArray::number(i) + ".bmp";
        }
    }
    return skin;
}

QByteArray pictureOf(const Skin &skin, Surface surface, int plane)
{
    const ElementKind &picture = ElementKinds::get(surface == Surface::Page ? KindId::Pic : KindId::PPic);
    return skin.table(picture).value(plane, 0, PictureColumn::Bitmap);
}

} // namespace

class TestSkinEdits : public QObject
{
    Q_OBJECT

private slots:
    void addPlane_data();
    void addPlane();
    void freeFileName_data();
    void freeFileName();
    void addingAPageKeepsSurplusElements();
    void removePlane_data();
    void removePlane();
    void removeOnlyOneElement_data();
    void removeOnlyOneElement();
    void buttonsFollowTheirPages_data();
    void buttonsFollowTheirPages();
    void documentAddsAndRemoves();
    void newElementTakesTheFirstFreeSlot();
    void removedPageIsDeletedOnSave();
};

void TestSkinEdits::addPlane_data()
{
    QTest::addColumn<Surface>("surface");
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("page") << Surface::Page << QByteArray("page_3");
    QTest::newRow("popup") << Surface::Popup << QByteArray("popup_3");
}

// The new one is empty everywhere and the others keep everything.
void TestSkinEdits::addPlane()
{
    QFETCH(Surface, surface);
    QFETCH(QByteArray, file);
    Skin skin = threeOf(surface);

    QCOMPARE(SkinEdits::addPlane(skin, surface), 3);
    const QList<PageRow> &rows = surface == Surface::Page ? skin.PageProperties : skin.PopUpProperties;
    QCOMPARE(rows.size(), 4);
    QCOMPARE(rows.at(3), (PageRow{"3", file, {}}));
    QCOMPARE((surface == Surface::Page ? skin.PageLoadingError : skin.PopupLoadingError).size(), 4);
    for (const ElementKind *kind : ElementKinds::inFileOrder(surface)) {
        const ElementTable &table = skin.table(*kind);
        QCOMPARE(table.planeCount(), 4);
        for (int slot = 0; slot < table.slotCount(); ++slot)
            QCOMPARE(table.record(3, slot), QList<QByteArray>(table.columnCount()));
    }
    QCOMPARE(pictureOf(skin, surface, 2), QByteArray("Bitmaps:p2.bmp"));
    if (surface == Surface::Page) {
        QCOMPARE(skin.FullscreenProperties.size(), 4);
        QCOMPARE(skin.BackgroundProperties.value(3), QByteArray());
        QCOMPARE(skin.BackgroundProperties.value(2), QByteArray("Bitmaps:bg2.bmp"));
    } else {
        QCOMPARE(skin.PopupBackgroundProperties.size(), 4);
    }
}

void TestSkinEdits::freeFileName_data()
{
    QTest::addColumn<Surface>("surface");
    QTest::addColumn<QList<QByteArray>>("rowFiles");
    QTest::addColumn<QStringList>("filesOnDisk");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("free") << Surface::Page << QList<QByteArray>{"page_0", "page_1"} << QStringList() << QByteArray("page_2");
    QTest::newRow("taken by a page after removals")
        << Surface::Page << QList<QByteArray>{"page_0", "page_2"} << QStringList() << QByteArray("page_3");
    QTest::newRow("taken by a popup") << Surface::Page << QList<QByteArray>{"x", "PAGE_2"} << QStringList()
                                      << QByteArray("page_3");
    QTest::newRow("a file on disk, other letter case")
        << Surface::Popup << QList<QByteArray>{"a", "b"} << QStringList{"Popup_2", "popup_3"} << QByteArray("popup_4");
}

void TestSkinEdits::freeFileName()
{
    QFETCH(Surface, surface);
    QFETCH(QList<QByteArray>, rowFiles);
    QFETCH(QStringList, filesOnDisk);
    QFETCH(QByteArray, expected);
    QTemporaryDir dir;
    for (const QString &file : filesOnDisk)
        QVERIFY(TestFiles::write(dir.filePath(file), "old"));
    Skin skin;
    skin.AbsolutPathToSkin = dir.path() + QLatin1Char('/');
    for (int i = 0; i < rowFiles.size(); ++i)
        (i == 0 ? skin.PageProperties : skin.PopUpProperties) << PageRow{"0", rowFiles.at(i), {}};
    QCOMPARE(SkinEdits::freeFileName(skin, surface, 2), expected);
}

// Adding a page gives the trash table two slots, but never drops a trash icon read
// into a third.
void TestSkinEdits::addingAPageKeepsSurplusElements()
{
    Skin skin = threeOf(Surface::Page, 1);
    for (int slot = 0; slot < 3; ++slot)
        skin.TrashProperties.setRecord(0, slot, {"1", "1", "Bitmaps:t" + QByteArray::number(slot) + ".bmp", ""});
    SkinEdits::addPlane(skin, Surface::Page);
    QCOMPARE(skin.TrashProperties.slotCount(), 3);
    QCOMPARE(skin.TrashProperties.value(0, 2, PictureMaskColumn::Bitmap), QByteArray("Bitmaps:t2.bmp"));
    QCOMPARE(skin.LockIconProperties.slotCount(), 2);
    QCOMPARE(skin.ButtonProperties.slotCount(), ElementKinds::DefaultSlots);
}

void TestSkinEdits::removePlane_data()
{
    QTest::addColumn<Surface>("surface");
    QTest::newRow("page 1 of three") << Surface::Page;
    QTest::newRow("popup 1 of three") << Surface::Popup;
}

// The later one moves down with its number, and keeps its file, name, mode,
// background and elements; the removed one's file is to be deleted.
void TestSkinEdits::removePlane()
{
    QFETCH(Surface, surface);
    Skin skin = threeOf(surface);

    QVERIFY(SkinEdits::removePlane(skin, surface, 1).isEmpty());
    const QList<PageRow> &rows = surface == Surface::Page ? skin.PageProperties : skin.PopUpProperties;
    QCOMPARE(rows, (QList<PageRow>{{"0", "f0", "A"}, {"1", "f2", "C"}}));
    QCOMPARE(skin.DeleteFiles, QList<QByteArray>{"f1"});
    QCOMPARE(pictureOf(skin, surface, 0), QByteArray("Bitmaps:p0.bmp"));
    QCOMPARE(pictureOf(skin, surface, 1), QByteArray("Bitmaps:p2.bmp"));
    for (const ElementKind *kind : ElementKinds::inFileOrder(surface))
        QCOMPARE(skin.table(*kind).planeCount(), 2);
    if (surface == Surface::Page) {
        QCOMPARE(skin.FullscreenProperties, (QList<QByteArray>{"0", "2"}));
        QCOMPARE(skin.BackgroundProperties, (QList<QByteArray>{"Bitmaps:bg0.bmp", "Bitmaps:bg2.bmp"}));
        QCOMPARE(skin.PageLoadingError.size(), 2);
    } else {
        QCOMPARE(skin.PopupLoadingError.size(), 2);
    }
}

void TestSkinEdits::removeOnlyOneElement_data()
{
    QTest::addColumn<int>("used");
    QTest::addColumn<int>("removed");
    QTest::newRow("the third of five") << 5 << 2;
    QTest::newRow("the first of twenty") << 20 << 0;
    QTest::newRow("the last of twenty") << 20 << 19;
}

void TestSkinEdits::removeOnlyOneElement()
{
    QFETCH(int, used);
    QFETCH(int, removed);
    Skin skin = threeOf(Surface::Page, 2);
    const auto name = [](int plane, int slot) { return "p" + QByteArray::number(plane) + "s" + QByteArray::number(slot); };
    for (int plane = 0; plane < 2; ++plane) {
        for (int slot = 0; slot < used; ++slot)
            skin.PictureProperties.setRecord(plane, slot, {"1", "2", name(plane, slot)});
    }

    SkinEdits::removeOnlyOneElement(skin.PictureProperties, 1, removed);
    for (int slot = 0; slot < ElementKinds::DefaultSlots; ++slot) {
        const int from = slot < removed ? slot : slot + 1;
        QCOMPARE(skin.PictureProperties.value(1, slot, PictureColumn::Bitmap), from < used ? name(1, from) : QByteArray());
        QCOMPARE(skin.PictureProperties.value(0, slot, PictureColumn::Bitmap), slot < used ? name(0, slot) : QByteArray());
    }
    QCOMPARE(skin.PictureProperties.record(1, used - 1), QList<QByteArray>(PictureColumn::Count));
}

void TestSkinEdits::buttonsFollowTheirPages_data()
{
    QTest::addColumn<Surface>("removed");
    QTest::addColumn<QList<QByteArray>>("pageArguments"); // of the 101 buttons, after page or popup 1 went
    QTest::addColumn<QList<QByteArray>>("popupArguments"); // of the 110 buttons
    QTest::addColumn<QStringList>("lost");
    // Before: 101 buttons show pages "1", "2", "3", "x"; 110 buttons popups "1", "2", "3".
    QTest::newRow("page 1") << Surface::Page << QList<QByteArray>{"1", "2", "2", "x"}
                            << QList<QByteArray>{"1", "2", "3"} << QStringList{"page \"A\": Bt 1"};
    QTest::newRow("popup 1") << Surface::Popup << QList<QByteArray>{"1", "2", "3", "x"}
                             << QList<QByteArray>{"1", "2", "2"} << QStringList{"popup \"A\": PBtM 1"};
}

// Buttons show pages and popups by number; those numbers follow a removal, and buttons
// that showed the removed one are named.
void TestSkinEdits::buttonsFollowTheirPages()
{
    QFETCH(Surface, removed);
    QFETCH(QList<QByteArray>, pageArguments);
    QFETCH(QList<QByteArray>, popupArguments);
    QFETCH(QStringList, lost);
    Skin skin = threeOf(Surface::Page);
    skin.PopUpProperties = {{"0", "q0", "A"}, {"1", "q1", "B"}, {"2", "q2", "C"}};
    skin.sizePopupTables();
    const QList<QByteArray> pages{"1", "2", "3", "x"};
    for (int slot = 0; slot < pages.size(); ++slot)
        skin.ButtonProperties.setRecord(0, slot, {"0", "0", "101", pages.at(slot), "Bitmaps:b.bmp", ""});
    for (int slot = 0; slot < 3; ++slot) {
        const QByteArray popup = QByteArray::number(slot + 1);
        skin.PopupButtonMaskProperties.setRecord(0, slot, {"0", "0", "110", popup, "Bitmaps:b.bmp", "", "", ""});
    }

    QCOMPARE(SkinEdits::removePlane(skin, removed, 1), lost);
    const int buttonsPlane = 0; // page 0 and popup 0 stay where they are
    for (int slot = 0; slot < pageArguments.size(); ++slot)
        QCOMPARE(skin.ButtonProperties.value(buttonsPlane, slot, ButtonColumn::Argument), pageArguments.at(slot));
    for (int slot = 0; slot < popupArguments.size(); ++slot)
        QCOMPARE(skin.PopupButtonMaskProperties.value(buttonsPlane, slot, ButtonMaskColumn::Argument),
                 popupArguments.at(slot));
}

void TestSkinEdits::documentAddsAndRemoves()
{
    SkinDocument document;
    document.installSkin(threeOf(Surface::Page));
    document.setActivePage(1, QStringLiteral("page"));

    QCOMPARE(document.addPlane(Surface::Page), 3);
    QCOMPARE(document.ActivePage(), 3);
    QVERIFY(document.newPage());
    QVERIFY(document.isSkinModified());

    document.setActivePage(1, QStringLiteral("page"));
    QVERIFY(document.removeActivePlane(Surface::Page).isEmpty());
    QCOMPARE(document.skin().pageCounter(), 2);
    QCOMPARE(document.ActivePage(), 0);
    QCOMPARE(document.skin().DeleteFiles, QList<QByteArray>{"f1"});

    document.setActivePage(-1, QStringLiteral("page"));
    QVERIFY(document.removeActivePlane(Surface::Page).isEmpty());
    QCOMPARE(document.skin().pageCounter(), 2); // nothing active, nothing removed
}

void TestSkinEdits::newElementTakesTheFirstFreeSlot()
{
    SkinDocument document;
    Skin skin = threeOf(Surface::Page, 1);
    skin.PictureProperties.setRecord(0, 1, {"1", "2", "Bitmaps:second.bmp"});
    skin.TrashProperties.resize(1, 2);
    skin.TrashProperties.setRecord(0, 0, {"1", "1", "Bitmaps:t.bmp", ""});
    skin.TrashProperties.setRecord(0, 1, {"1", "1", "Bitmaps:u.bmp", ""});
    document.installSkin(skin);
    document.setActivePage(0, QStringLiteral("page"));
    document.setActiveSurface(Surface::Page);

    QVERIFY(document.selectNewElement(ElementKinds::get(KindId::Pic)));
    QCOMPARE(document.ActiveElement(), QStringLiteral("Pic"));
    QCOMPARE(document.ActiveCanvasIndex(), 2);
    QCOMPARE(document.ElementArr(), QList<QByteArray>(PictureColumn::Count));
    QCOMPARE(SkinEdits::elementCount(document.skin(), ElementKinds::get(KindId::Pic), 0), 2);

    QVERIFY(!document.selectNewElement(ElementKinds::get(KindId::Tra))); // both slots hold one
    QCOMPARE(document.ActiveElement(), QStringLiteral("Pic"));
    QCOMPARE(document.skin().TrashProperties.slotCount(), 2);

    document.setSelection(QStringLiteral("Pic"), 0);
    QVERIFY(!document.removeSelectedElement(Surface::Popup)); // a page element while popups are chosen
    QVERIFY(document.removeSelectedElement(Surface::Page));
    QCOMPARE(document.skin().PictureProperties.value(0, 0, PictureColumn::Bitmap), QByteArray("Bitmaps:second.bmp"));
    QCOMPARE(document.ActiveCanvasIndex(), -1);
    QVERIFY(!document.removeSelectedElement(Surface::Page)); // nothing selected any more
}

// The removed page's file goes at the next save, and nothing else does.
void TestSkinEdits::removedPageIsDeletedOnSave()
{
    QTemporaryDir dir;
    Skin skin = threeOf(Surface::Page);
    skin.setMainSkinFile(dir.filePath(QStringLiteral("main.skin")));
    skin.SkinTitle = "T";
    SkinDocument document;
    document.installSkin(skin);
    QVERIFY(document.write().ok());
    QVERIFY(TestFiles::write(dir.filePath(QStringLiteral("Bitmaps/keep.bmp")), "picture"));

    document.setActivePage(1, QStringLiteral("page"));
    document.removeActivePlane(Surface::Page);
    QVERIFY(QFileInfo::exists(dir.filePath(QStringLiteral("f1")))); // until saved
    QVERIFY(document.write().ok());

    QDir folder(dir.path());
    QCOMPARE(folder.entryList(QDir::Files, QDir::Name), (QStringList{"f0", "f2", "main.skin"}));
    QVERIFY(QFileInfo::exists(dir.filePath(QStringLiteral("Bitmaps/keep.bmp"))));
    QVERIFY(TestFiles::read(dir.filePath(QStringLiteral("main.skin"))).contains("PAGE=1,\"f2\",\"C\""));
}

QTEST_GUILESS_MAIN(TestSkinEdits)
#include "tst_skinedits.moc"
