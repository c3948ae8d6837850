#include "editor/elementcanvas.h"
#include "editor/mainwindow.h"
#include "editor/mystatictext.h"
#include "editor/phoneview.h"
#include "editorfixture.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QtTest>

namespace {

// What a screen reader reads for a control.
QString spoken(QWidget *control, QAccessible::Text text = QAccessible::Name)
{
    QAccessibleInterface *node = QAccessible::queryAccessibleInterface(control);
    return node ? node->text(text) : QStringLiteral("<not in the tree>");
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void window();
    void followsTheDocument();
    void zoomChange_data();
    void zoomChange();
    void maskChange_data();
    void maskChange();
    void selectAndRelease_data();
    void selectAndRelease();
    void clearAllLeavesAnEmptyPhone();
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
    QCOMPARE(spoken(e.phoneView()), QStringLiteral("Phone"));
    QCOMPARE(MainWindow::color2string(MainWindow::string2color("9993f3")), QByteArray("9993F3"));
}

// The window shows what the document announces: its modified mark, a rebuild it asks
// for, and a fresh skin with its title. Nothing of the previous skin stays on screen,
// even when the new one has no page to rebuild the phone with.
void TestMainWindow::followsTheDocument()
{
    EditorFixture f;
    MainWindow &e = f.editor();
    f.set("Bt", 0, {"1", "2", "101", "", f.picture("b.bmp", 4, 4), ""});

    f.document.markSkinModified();
    QVERIFY(e.isWindowModified());
    f.document.requestRebuild(Surface::Page);
    QCOMPARE(e.Canvas1().size(), 1);
    QCOMPARE(spoken(e.Canvas1().first()), QStringLiteral("Bt 0"));
    QCOMPARE(spoken(e.Background), QStringLiteral("Background"));
    QVERIFY(f.document.isPageActive());

    Skin next;
    next.SkinTitle = "Next";
    f.document.installSkin(next);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(e.windowTitle(), QStringLiteral("Next[*]"));
    QVERIFY(!e.isWindowModified());
    QVERIFY(e.phoneView()->findChildren<QWidget *>().isEmpty());
    QVERIFY(e.Canvas1().isEmpty());
    QVERIFY(!e.Background);
    QCOMPARE(e.CanvasBorderRight, 0); // nothing fits: nothing can be dragged
}

void TestMainWindow::zoomChange_data()
{
    QTest::addColumn<bool>("withSkin");
    QTest::addColumn<bool>("popupShown");
    QTest::addColumn<QList<double>>("zooms"); // set one after the other
    QTest::addColumn<QString>("frame");

    QTest::newRow("150 % with no skin") << false << false << QList<double>{1.5} << ":/images/symbianbackground150.png";
    QTest::newRow("200 % with a page") << true << false << QList<double>{2.0} << ":/images/symbianbackground200.png";
    QTest::newRow("200 % with a popup shown") << true << true << QList<double>{2.0}
                                              << ":/images/symbianbackground200.png";
    QTest::newRow("200 % and back to 100 %") << true << true << QList<double>{2.0, 1.0}
                                             << ":/images/symbianbackground.png";
}

// A new zoom resizes the window around the phone, swaps the frame and rebuilds what
// was shown: the page, and the popup over it.
void TestMainWindow::zoomChange()
{
    QFETCH(bool, withSkin);
    QFETCH(bool, popupShown);
    QFETCH(QList<double>, zooms);
    QFETCH(QString, frame);
    std::unique_ptr<EditorFixture> fixture =
        withSkin ? std::make_unique<EditorFixture>() : std::make_unique<EditorFixture>(EditorFixture::NoSkin());
    EditorFixture &f = *fixture;
    const QByteArray picture = f.picture(QStringLiteral("p.bmp"), 4, 4, Qt::red);
    f.skin().PictureMaskProperties.setRecord(0, 0, {"10", "10", picture, ""});
    f.skin().PopupLocationProperties.setRecord(0, 0, {"10", "20", "100", "50"});
    f.skin().PopupButtonMaskProperties.setRecord(0, 0, {"5", "5", "111", "", picture, "", "", ""});
    MainWindow &e = f.editor();
    e.show();
    QVERIFY(QTest::qWaitForWindowExposed(&e));
    if (popupShown)
        f.showPopup();
    else if (withSkin)
        e.PageAction();

    for (double zoom : zooms)
        f.view.setZoomFaktor(zoom);

    const double zoom = zooms.last();
    QCOMPARE(e.phoneView()->size(), QSize(qRound(208 * zoom), qRound(320 * zoom)));
    QCOMPARE(static_cast<PhoneView *>(e.phoneView())->framePath(), frame);
    QCOMPARE(e.size(), e.windowSizeForZoom(zoom));
    QCOMPARE(e.minimumSize(), e.maximumSize());
    QVERIFY(e.rect().contains(e.phoneView()->geometry()));
    if (!withSkin) {
        QVERIFY(!e.Background); // nothing rebuilt
        return;
    }
    QCOMPARE(e.Background->size(), QSize(qRound(208 * zoom), qRound(276 * zoom)));
    QCOMPARE(e.Canvas4().value(0)->geometry(),
             QRect(qRound(10 * zoom), qRound(25 * zoom) + qRound(10 * zoom), qRound(4 * zoom), qRound(4 * zoom)));
    QCOMPARE(f.document.isPopupActive(), popupShown);
    QCOMPARE(bool(e.PopupBackground), popupShown);
    if (popupShown) {
        QCOMPARE(e.PopupBackground->geometry().topLeft(), QPoint(int(10 * zoom), int(20 * zoom) + e.CanvasBorderTop));
        QCOMPARE(e.CanvasPMBt().value(0)->pos(),
                 QPoint(qRound(15 * zoom), e.PopupBackground->y() + qRound(5 * zoom)));
    }
}

void TestMainWindow::maskChange_data()
{
    QTest::addColumn<bool>("popupShown");
    QTest::newRow("page") << false;
    QTest::newRow("popup over the page") << true;
}

// Turning the masks off redraws the page, and the popup after it, so the popup stays
// the active plane.
void TestMainWindow::maskChange()
{
    QFETCH(bool, popupShown);
    EditorFixture f;
    MainWindow &e = f.editor();
    const QByteArray picture = f.picture(QStringLiteral("p.bmp"), 4, 4, Qt::red);
    const QByteArray mask = f.picture(QStringLiteral("m.bmp"), 4, 4, Qt::white);
    f.skin().PictureMaskProperties.setRecord(0, 0, {"10", "10", picture, mask});
    f.skin().PopupLocationProperties.setRecord(0, 0, {"10", "20", "100", "50"});
    f.skin().PopupButtonMaskProperties.setRecord(0, 0, {"5", "5", "111", "", picture, mask, "", ""});
    if (popupShown)
        f.showPopup();
    else
        e.PageAction();
    const auto alphaOf = [](const ElementCanvas *canvas) { return qAlpha(canvas->picture().toImage().pixel(0, 0)); };
    QCOMPARE(alphaOf(e.Canvas4().value(0)), 0);

    f.view.setMaskStatus(false);
    QCOMPARE(alphaOf(e.Canvas4().value(0)), 255);
    QCOMPARE(f.document.isPopupActive(), popupShown);
    QCOMPARE(f.document.isPageActive(), !popupShown);
    if (popupShown) {
        QCOMPARE(f.document.getActivePage(), f.document.ActivePopup());
        QCOMPARE(alphaOf(e.CanvasPMBt().value(0)), 255);
    }

    f.view.setMaskStatus(true);
    QCOMPARE(alphaOf(e.Canvas4().value(0)), 0);
}

void TestMainWindow::selectAndRelease_data()
{
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<bool>("popupMode");
    QTest::addColumn<QList<QByteArray>>("record");
    QTest::addColumn<QPoint>("mouse");
    QTest::addColumn<QPoint>("grab"); // PicMouseDiffX, PicMouseDiffY
    QTest::addColumn<QString>("shownX");
    QTest::addColumn<QString>("shownY");
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
    QFETCH(QString, shownX);
    QFETCH(QString, shownY);
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
    f.document.setPopupMode(popupMode);
    e.PageAction();
    if (popupMode)
        e.PopupAction();
    const QList<ElementCanvas *> &canvases = e.canvases(ElementKinds::find(identifier)->id);
    ElementCanvas *canvas = identifier == "PBac" ? e.PopupBackground : canvases.value(0);
    QVERIFY(canvas);
    QCOMPARE(spoken(canvas), identifier + " 0");
    const QRect before = canvas->geometry();
    QSignalSpy shown(&e, &MainWindow::positionChanged);

    QVERIFY(e.initializeCanvas(canvas->slot(), canvas, identifier, mouse, false));
    QCOMPARE(f.document.ActiveElement(), identifier);
    QCOMPARE(f.document.ActiveCanvasIndex(), 0);
    QCOMPARE(e.ActiveCanvasObject.data(), canvas);
    QCOMPARE(f.document.ElementArr(), record);
    QVERIFY(e.ActiveCanvas);
    QCOMPARE(spoken(e.ActiveCanvas), spoken(canvas));
    QCOMPARE(e.ActiveCanvas->geometry(), before);
    QVERIFY(e.ActiveCanvas->isOutlined());
    QVERIFY(canvas->isHidden());
    QVERIFY(!canvas->isEnabled());
    QCOMPARE(QPoint(e.PicMouseDiffX, e.PicMouseDiffY), grab);
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first(), (QVariantList{shownX, shownY}));

    e.ActiveCanvas->move(e.ActiveCanvas->pos() + drag);
    QVERIFY(e.deinitializeCanvas());
    QVERIFY(!e.ActiveCanvas);
    QCOMPARE(canvas->pos(), before.topLeft() + drag);
    QVERIFY(!canvas->isHidden());
    QVERIFY(canvas->isEnabled());
    QCOMPARE(f.skin().tableForElement(identifier)->record(0, 0), released);
    QVERIFY(f.document.isSkinModified()); // even a click without a move writes back
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
    e.initializeCanvas(0, e.CanvasPBt().value(0), "PBt", QPoint(12, 47), false);

    e.clearAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(e.phoneView()->findChildren<ElementCanvas *>().isEmpty());
    QVERIFY(e.phoneView()->findChildren<MyStaticText *>().isEmpty());
    for (const char *identifier : {"Bt", "Lab", "PBt"})
        QCOMPARE(e.getElementCounter(identifier), 0);
    QVERIFY(!e.Background && !e.PopupBackground && !e.ActiveCanvas && !e.ActiveCanvasObject);
    QCOMPARE(f.document.ActiveCanvasIndex(), -1);
    // No page area: nothing fits in it, so nothing can be dragged.
    QCOMPARE(e.CanvasBorderTop, 0);
    QCOMPARE(e.CanvasBorderBottom, 0);
    QCOMPARE(e.CanvasBorderRight, 0);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
