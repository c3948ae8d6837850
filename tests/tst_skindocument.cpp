#include "document/skindocument.h"
#include "testfiles.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

// Two pages and two popups; page 1 holds a button in slot 1, popup 1 its location.
Skin twoOfEach()
{
    Skin skin;
    skin.PageProperties = {{"0", "p0", "A"}, {"1", "p1", "B"}};
    skin.PopUpProperties = {{"0", "q0", "C"}, {"1", "q1", "D"}};
    skin.sizePageTables();
    skin.sizePopupTables();
    skin.ButtonProperties.setRecord(1, 1, {"10", "20", "102", "arg", "Bitmaps:b.bmp", ""});
    skin.PopupLocationProperties.setRecord(1, 0, {"1", "2", "100", "50"});
    return skin;
}

} // namespace

class TestSkinDocument : public QObject
{
    Q_OBJECT

private slots:
    void getActivePage_data();
    void getActivePage();
    void setActivePage_data();
    void setActivePage();
    void workingCopy_data();
    void workingCopy();
    void setElementWritesBackAndMarksModified();
    void installingASkinStartsAFreshSession();
    void writeClearsModifiedOnlyWhenAllWasWritten();
};

void TestSkinDocument::getActivePage_data()
{
    QTest::addColumn<int>("shown"); // 0 nothing, 1 the page, 2 a popup
    QTest::addColumn<int>("expected");
    // The active page is 2 and the active popup 7 in every row.
    QTest::newRow("page shown") << 1 << 2;
    QTest::newRow("popup shown") << 2 << 7;
    QTest::newRow("neither shown") << 0 << 2;
}

void TestSkinDocument::getActivePage()
{
    QFETCH(int, shown);
    QFETCH(int, expected);
    SkinDocument document;
    document.setActivePage(2, QStringLiteral("page"));
    document.setActivePage(7, QStringLiteral("popup"));
    if (shown > 0)
        document.setActiveSurface(shown == 1 ? Surface::Page : Surface::Popup);
    QCOMPARE(document.getActivePage(), expected);
    QCOMPARE(document.isPageActive(), shown == 1);
    QCOMPARE(document.isPopupActive(), shown == 2);
}

void TestSkinDocument::setActivePage_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("activePage");
    QTest::addColumn<int>("activePopup");
    QTest::newRow("page") << "page" << 3 << -1;
    QTest::newRow("upper-case popup") << "POPUP" << -1 << 3;
    QTest::newRow("other kind") << "skin" << -1 << -1;
}

// One announcement for a change, none for setting what is already set.
void TestSkinDocument::setActivePage()
{
    QFETCH(QString, kind);
    QFETCH(int, activePage);
    QFETCH(int, activePopup);
    SkinDocument document;
    QSignalSpy changed(&document, &SkinDocument::activePageChanged);
    document.setActivePage(3, kind);
    document.setActivePage(3, kind);
    QCOMPARE(document.ActivePage(), activePage);
    QCOMPARE(document.ActivePopup(), activePopup);
    QCOMPARE(changed.size(), activePage + activePopup > -2 ? 1 : 0);
    if (!changed.isEmpty())
        QCOMPARE(changed.first().at(0).value<Surface>(), activePage == 3 ? Surface::Page : Surface::Popup);
}

void TestSkinDocument::workingCopy_data()
{
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QList<QByteArray>>("expected");
    const QList<QByteArray> button{"10", "20", "102", "arg", "Bitmaps:b.bmp", ""};
    const QList<QByteArray> location{"1", "2", "100", "50"};
    QTest::newRow("page button") << "Bt" << 1 << button;
    QTest::newRow("popup background row 0") << "PBac" << 0 << location;
    QTest::newRow("free slot") << "Bt" << 0 << QList<QByteArray>(ButtonColumn::Count);
    QTest::newRow("unknown identifier") << "Nope" << 0 << QList<QByteArray>();
}

// Page 1 and popup 1 are active, so the identifier alone picks the table.
void TestSkinDocument::workingCopy()
{
    QFETCH(QString, identifier);
    QFETCH(int, slot);
    QFETCH(QList<QByteArray>, expected);
    SkinDocument document;
    document.installSkin(twoOfEach());
    document.setActivePage(1, QStringLiteral("page"));
    document.setActivePage(1, QStringLiteral("popup"));
    document.setActiveSurface(identifier.startsWith(QLatin1Char('P')) ? Surface::Popup : Surface::Page);
    document.setActiveElement(identifier);
    document.setActiveCanvasIndex(slot);

    document.initializeElementArr();
    QCOMPARE(document.ElementArr(), expected);
    for (int column = 0; column < expected.size(); ++column)
        QCOMPARE(document.getElement(column), expected.at(column));
    QCOMPARE(document.getElement(int(expected.size())), QByteArray());
    QCOMPARE(document.getElement(-1), QByteArray());
}

void TestSkinDocument::setElementWritesBackAndMarksModified()
{
    SkinDocument document;
    document.installSkin(twoOfEach());
    document.setActivePage(0, QStringLiteral("page"));
    document.setActiveSurface(Surface::Page);
    ElementTable &labels = document.skin().LabelProperties;
    labels.setRecord(0, 2, {"1", "2", "3", "4", "Sans", "9", "000000", "1", "0", "0", "text"});
    const QList<QByteArray> before = labels.record(0, 2);
    QSignalSpy modified(&document, &SkinDocument::modifiedChanged);

    document.setActiveElement(QStringLiteral("Lab"));
    document.setActiveCanvasIndex(2);
    document.initializeElementArr();
    document.setElement();
    QCOMPARE(labels.record(0, 2), before);
    QVERIFY(document.isSkinModified());
    QCOMPARE(modified.size(), 1);
    QCOMPARE(modified.first().at(0).toBool(), true);

    document.setElementValue(LabelColumn::LabelText, "changed");
    document.setElementValue(LabelColumn::Color, QByteArray()); // empty entries are written too
    document.setElementValue(LabelColumn::Count, "beyond the record");
    document.setElement();
    QCOMPARE(labels.value(0, 2, LabelColumn::LabelText), QByteArray("changed"));
    QCOMPARE(labels.value(0, 2, LabelColumn::Color), QByteArray());
    QCOMPARE(document.ElementArr().size(), LabelColumn::Count);
    QCOMPARE(modified.size(), 1); // already modified
}

// Nothing of the session around one skin may reach the next: not the selection, not
// the working copy, not a modified mark that would make Save write the new skin.
void TestSkinDocument::installingASkinStartsAFreshSession()
{
    SkinDocument document;
    document.installSkin(twoOfEach());
    document.setActivePage(1, QStringLiteral("page"));
    document.setActivePage(1, QStringLiteral("popup"));
    document.setActiveSurface(Surface::Popup);
    document.setPopupMode(true);
    document.setActiveElement(QStringLiteral("PBac"));
    document.setActiveCanvasIndex(0);
    document.initializeElementArr();
    document.setNewPage(true);
    document.markSkinModified();
    QSignalSpy replaced(&document, &SkinDocument::skinReplaced);
    QSignalSpy modified(&document, &SkinDocument::modifiedChanged);
    QSignalSpy popupMode(&document, &SkinDocument::popupModeChanged);

    Skin next;
    next.SkinTitle = "Next";
    document.installSkin(next);
    QCOMPARE(document.skin().SkinTitle, QByteArray("Next"));
    QCOMPARE(document.skin().pageCounter(), -1);
    QVERIFY(document.isSkinLoaded());
    QCOMPARE(document.ActivePage(), -1);
    QCOMPARE(document.ActivePopup(), -1);
    QVERIFY(!document.isPageActive() && !document.isPopupActive());
    QVERIFY(!document.isPopupMode());
    QVERIFY(document.ActiveElement().isEmpty());
    QCOMPARE(document.ActiveCanvasIndex(), -1);
    QVERIFY(document.ElementArr().isEmpty());
    QVERIFY(!document.newPage());
    QVERIFY(!document.isSkinModified());
    QCOMPARE(replaced.size(), 1);
    QCOMPARE(modified.size(), 1);
    QCOMPARE(popupMode.size(), 1);
}

void TestSkinDocument::writeClearsModifiedOnlyWhenAllWasWritten()
{
    QTemporaryDir dir;
    Skin skin;
    skin.setMainSkinFile(dir.filePath(QStringLiteral("main.skin")));
    skin.PageProperties = {{"0", "page_0", "Home"}, {"1", "missing:page_1", "Lost"}};
    skin.sizePageTables();
    SkinDocument document;
    document.installSkin(skin);
    document.markSkinModified();
    QSignalSpy modified(&document, &SkinDocument::modifiedChanged);

    const Result failed = document.write(); // the folder of page 1 does not exist
    QVERIFY(!failed.ok());
    QVERIFY2(failed.text().contains(QLatin1String("missing:page_1")), qPrintable(failed.text()));
    QVERIFY(document.isSkinModified());
    QCOMPARE(modified.size(), 0);

    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("missing")));
    QVERIFY(document.write().ok());
    QVERIFY(!document.isSkinModified());
    QCOMPARE(modified.size(), 1);
    QVERIFY(TestFiles::read(dir.filePath(QStringLiteral("missing/page_1"))).startsWith("FULLSCREEN="));
}

QTEST_GUILESS_MAIN(TestSkinDocument)
#include "tst_skindocument.moc"
