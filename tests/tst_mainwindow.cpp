#include "app/app.h"
#include "editor/elementcanvas.h"
#include "editor/mainwindow.h"
#include "editor/mystatictext.h"
#include "editorfixture.h"
#include "toolbox/toolwindow.h"

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

namespace {


} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void window();
    void closeAsksToSave_data();
    void closeAsksToSave();
    void selectAndRelease_data();
    void selectAndRelease();
    void clearAllLeavesAnEmptyPhone();
    void readingASkinWithoutPagesEmptiesThePhone();
};

void TestMainWindow::window()
{
    EditorFixture f;
    MainWindow &e = f.editor();
    QVERIFY(e.windowTitle().startsWith(QStringLiteral("Morvanta[*]")));
    QCOMPARE(e.centralWidget(), e.phoneView());
    QCOMPARE(e.phoneView()->size(), QSize(208, 320));
    e.show();
    QVERIFY(QTest::qWaitForWindowExposed(&e));
    QCOMPARE(e.minimumSize(), e.maximumSize()); // the user cannot resize it
    QVERIFY(e.rect().contains(e.phoneView()->geometry()));
    QCOMPARE(e.getElementCounter("Nothing"), 0);
    QCOMPARE(MainWindow::color2string(MainWindow::string2color("9993f3")), QByteArray("9993F3"));
}

void TestMainWindow::closeAsksToSave_data()
{
    QTest::addColumn<bool>("modified");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("staysOpen");
    QTest::newRow("nothing to save") << false << int(Prompts::SaveChoice::Cancel) << false;
    QTest::newRow("cancelled") << true << int(Prompts::SaveChoice::Cancel) << true;
    QTest::newRow("don't save") << true << int(Prompts::SaveChoice::DontSave) << false;
}

void TestMainWindow::closeAsksToSave()
{
    QFETCH(bool, modified);
    QFETCH(int, answer);
    QFETCH(bool, staysOpen);
    EditorFixture f;
    f.skin().isSkinModified = modified;
    f.prompts->saveAnswers.enqueue(Prompts::SaveChoice(answer));
    f.editor().show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.editor()));

    f.editor().close();
    QCOMPARE(f.editor().isVisible(), staysOpen);
    QCOMPARE(f.prompts->questions.size(), modified ? 1 : 0);
}

void TestMainWindow::selectAndRelease_data()
{
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<bool>("popupMode");
    QTest::addColumn<QList<QByteArray>>("record");
    QTest::addColumn<QPoint>("mouse");
    QTest::addColumn<QPoint>("grab"); // PicMouseDiffX, PicMouseDiffY
    QTest::addColumn<QString>("xcoord");
    QTest::addColumn<QString>("ycoord");
    QTest::addColumn<QPoint>("drag");
    QTest::addColumn<QList<QByteArray>>("released");

    QTest::newRow("button at 150 %") << "Bt" << 1.5 << false << QList<QByteArray>{"10", "20", "101", "", "b", ""}
                                     << QPoint(17, 70) << QPoint(2, 2) << "10" << "20" << QPoint(3, 3)
                                     << QList<QByteArray>{"12", "22", "101", "", "b", ""};
    QTest::newRow("today view") << "To" << 1.0 << false
                                << QList<QByteArray>{"10", "50", "222222", "E21313", "3388CC", "40"} << QPoint(5, 40)
                                << QPoint(5, 5) << "0" << "10" << QPoint(0, 5)
                                << QList<QByteArray>{"15", "50", "222222", "E21313", "3388CC", "40"};
    QTest::newRow("popup button at 150 %") << "PBt" << 1.5 << true << QList<QByteArray>{"5", "7", "111", "", "b", ""}
                                           << QPoint(25, 80) << QPoint(2, 1) << "5" << "7" << QPoint(0, 0)
                                           << QList<QByteArray>{"5", "7", "111", "", "b", ""};
    QTest::newRow("popup itself at 200 %") << "PBac" << 2.0 << true << QList<QByteArray>{"10", "40", "100", "60"}
                                           << QPoint(25, 135) << QPoint(5, 5) << "10" << "40" << QPoint(4, -2)
                                           << QList<QByteArray>{"12", "39", "100", "60"};
}

// Pressing puts a red-outlined copy in the element's place and shows the position;
// releasing puts the element where the copy is and writes the position back.
void TestMainWindow::selectAndRelease()
{
    QFETCH(QString, identifier);
    QFETCH(double, zoom);
    QFETCH(bool, popupMode);
    QFETCH(QList<QByteArray>, record);
    QFETCH(QPoint, mouse);
    QFETCH(QPoint, grab);
    QFETCH(QString, xcoord);
    QFETCH(QString, ycoord);
    QFETCH(QPoint, drag);
    QFETCH(QList<QByteArray>, released);
    EditorFixture f(zoom);
    MainWindow &e = f.editor();
    f.skin().PopupLocationProperties.setRecord(0, 0, identifier == "PBac" ? record : QList<QByteArray>{"10", "20", "100", "50"});
    f.skin().PopupBackgroundProperties[0] = f.picture("bg.bmp", 100, 60);
    const QByteArray picture = f.picture("b.bmp", 4, 4);
    for (QByteArray &value : record)
        value.replace("b", picture);
    for (QByteArray &value : released)
        value.replace("b", picture);
    if (identifier != "PBac")
        f.skin().tableForElement(identifier)->setRecord(0, 0, record);
    f.app->setPopupMode(popupMode);
    e.PageAction();
    if (popupMode)
        e.PopupAction();
    ElementCanvas *canvas = identifier == "Bt" ? e.Canvas1.value(0)
        : identifier == "To"                   ? e.CanvasTo.value(0)
        : identifier == "PBt"                  ? e.CanvasPBt.value(0)
                                               : e.PopupBackground;
    QVERIFY(canvas);
    const QRect before = canvas->geometry();

    QVERIFY(e.initializeCanvas(canvas->slot(), canvas, identifier, mouse, false));
    QCOMPARE(e.ActiveElement, identifier);
    QCOMPARE(e.ActiveCanvasIndex, 0);
    QCOMPARE(e.ActiveCanvasObject.data(), canvas);
    QCOMPARE(f.skin().ElementArr, record);
    QVERIFY(e.ActiveCanvas);
    QCOMPARE(e.ActiveCanvas->geometry(), before);
    QVERIFY(e.ActiveCanvas->isOutlined());
    QVERIFY(canvas->isHidden());
    QVERIFY(!canvas->isEnabled());
    QCOMPARE(QPoint(e.PicMouseDiffX, e.PicMouseDiffY), grab);
    QCOMPARE(f.app->toolWindow()->xcoord->text(), xcoord);
    QCOMPARE(f.app->toolWindow()->ycoord->text(), ycoord);

    e.ActiveCanvas->move(e.ActiveCanvas->pos() + drag);
    QVERIFY(e.deinitializeCanvas());
    QVERIFY(!e.ActiveCanvas);
    QCOMPARE(canvas->pos(), before.topLeft() + drag);
    QVERIFY(!canvas->isHidden());
    QVERIFY(canvas->isEnabled());
    QCOMPARE(f.skin().tableForElement(identifier)->record(0, 0), released);
    QVERIFY(f.skin().isSkinModified); // even a click without a move writes back
    QVERIFY(e.isWindowModified());
}

void TestMainWindow::clearAllLeavesAnEmptyPhone()
{
    EditorFixture f;
    MainWindow &e = f.editor();
    const QByteArray picture = f.picture("b.bmp", 4, 4);
    f.skin().ButtonProperties.setRecord(0, 0, {"0", "0", "101", "", picture, ""});
    f.skin().LabelProperties.setRecord(0, 0, {"0", "0", "20", "10", "Tahoma", "9", "000000", "1", "0", "0", "x"});
    f.skin().PopupLocationProperties.setRecord(0, 0, {"10", "20", "100", "50"});
    f.skin().PopupButtonProperties.setRecord(0, 0, {"0", "0", "111", "", picture, ""});
    e.PageAction();
    e.PopupAction();
    e.initializeCanvas(0, e.CanvasPBt[0], "PBt", QPoint(12, 47), false);

    e.clearAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(e.phoneView()->findChildren<ElementCanvas *>().isEmpty());
    QVERIFY(e.phoneView()->findChildren<MyStaticText *>().isEmpty());
    for (const char *identifier : {"Bt", "Lab", "PBt"})
        QCOMPARE(e.getElementCounter(identifier), 0);
    QVERIFY(!e.Background && !e.PopupBackground && !e.ActiveCanvas && !e.ActiveCanvasObject);
    QCOMPARE(e.ActiveCanvasIndex, -1);
    // No page area: nothing fits in it, so nothing can be dragged.
    QCOMPARE(e.CanvasBorderTop, 0);
    QCOMPARE(e.CanvasBorderBottom, 0);
    QCOMPARE(e.CanvasBorderRight, 0);
}

// Nothing of the previous skin stays on screen, even when the new one has no page to
// rebuild the phone with.
void TestMainWindow::readingASkinWithoutPagesEmptiesThePhone()
{
    EditorFixture f;
    MainWindow &e = f.editor();
    QVERIFY(f.app->readMainSkinFile(QFINDTESTDATA("data/skin_full/skin.txt")));
    QVERIFY(e.Background);
    QTemporaryDir emptySkin;
    QFile file(emptySkin.filePath("skin.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("TITLE=\"Empty\"\r\nAUTHOR=\"Ann\"\r\nCOMMENT=\"No pages, no popups\"\r\n");
    file.close();

    QVERIFY(f.app->readMainSkinFile(file.fileName()));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(e.phoneView()->findChildren<QWidget *>().isEmpty());
    QVERIFY(!e.Background && !e.PopupBackground && !e.ActiveCanvas);
    QCOMPARE(e.CanvasBorderRight, 0); // nothing fits: nothing can be dragged
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
