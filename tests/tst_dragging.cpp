#include "editor/elementcanvas.h"
#include "editor/mystatictext.h"
#include "editorfixture.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

// The editor shown, so that the mouse can be grabbed, with a page in mode "0" (page
// area from 25 to 301) and a popup at (10, 40) of 100 x 60.
struct DragFixture : EditorFixture
{
    explicit DragFixture(double zoom = 1.0)
        : EditorFixture(zoom)
    {
        skin().PopupLocationProperties.setRecord(0, 0, {"10", "40", "100", "60"});
        skin().PopupBackgroundProperties[0] = picture(QStringLiteral("popup.bmp"), 100, 60, Qt::blue);
        window->show();
        exposed = QTest::qWaitForWindowExposed(window.get());
    }

    bool exposed = false;

    QWidget *phone() { return editor().phoneView(); }

    // Presses on a control at a point of its own, moves the mouse through phone-view
    // points and releases it at the last.
    void drag(QWidget *control, QPoint at, const QList<QPoint> &through, bool release = true)
    {
        QTest::mousePress(control, Qt::LeftButton, {}, at);
        for (const QPoint &point : through)
            QTest::mouseMove(phone(), point);
        if (release)
            QTest::mouseRelease(phone(), Qt::LeftButton, {}, through.isEmpty() ? control->mapTo(phone(), at) : through.last());
    }

    void contextClick(QWidget *control, QPoint at)
    {
        QTest::mouseClick(control, Qt::RightButton, {}, at);
    }

    ElementCanvas *showButton(const QByteArray &x, const QByteArray &y, int width = 50, int height = 20)
    {
        set("Bt", 0, {x, y, "101", "", picture(QStringLiteral("b.bmp"), width, height), ""});
        editor().PageAction();
        return editor().Canvas1().value(0);
    }
};

const QList<QByteArray> label60x20{"10", "20", "60", "20", "Tahoma", "9", "000000", "1", "0", "0", "text"};

} // namespace

class TestDragging : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void dragLimits_data();
    void dragLimits();
    void popupElementStaysInItsPopup();
    void readOutFollowsTheDrag_data();
    void readOutFollowsTheDrag();
    void hoverOutline();
    void pageElementsInertOverAPopup();
    void keysWaitWhileSelected();
    void lostReleaseStillWrites();
    void nothingToGrabWithoutAPage();
    void popupDragTakesItsElements();
    void labelZones_data();
    void labelZones();
    void labelLimits_data();
    void labelLimits();
    void labelResizeAt200();
    void pageLabelsInertOverAPopup();
    void contextualClickCopiesAndPutsBack();
    void pasteOffered_data();
    void pasteOffered();
    void pasteAtTheMouse_data();
    void pasteAtTheMouse();
    void pasteBetweenPageAndPopup();
    void pasteWhenFullIsRefused();
};

void TestDragging::dragLimits_data()
{
    QTest::addColumn<QList<QPoint>>("moves"); // the mouse, grabbed at the element's top-left corner
    QTest::addColumn<QPoint>("ends");         // the element's place on screen
    // A 50 x 20 button at skin (100, 100), on screen (100, 125).
    QTest::newRow("largest left 157") << QList<QPoint>{{157, 125}} << QPoint(157, 125);
    QTest::newRow("158 is one too far") << QList<QPoint>{{157, 125}, {158, 125}} << QPoint(157, 125);
    QTest::newRow("fast drag past the border stays put") << QList<QPoint>{{300, 125}} << QPoint(100, 125);
    QTest::newRow("top 25 is the page's top") << QList<QPoint>{{100, 25}} << QPoint(100, 25);
    QTest::newRow("top 24 is above it") << QList<QPoint>{{100, 24}} << QPoint(100, 125);
    QTest::newRow("top 281 is the lowest") << QList<QPoint>{{100, 281}, {100, 282}} << QPoint(100, 281);
    QTest::newRow("each axis alone") << QList<QPoint>{{-5, 200}} << QPoint(100, 200);
}

// The element stops at its last allowed place; the release writes it.
void TestDragging::dragLimits()
{
    QFETCH(QList<QPoint>, moves);
    QFETCH(QPoint, ends);
    DragFixture f;
    QVERIFY(f.exposed);
    ElementCanvas *button = f.showButton("100", "100");
    QVERIFY(button);
    f.drag(button, QPoint(1, 1), {});
    QCOMPARE(button->pos(), QPoint(100, 125)); // a click leaves it where it was
    // Grabbed one pixel in, so that the mouse minus one is the element's corner.
    QList<QPoint> mouse;
    for (const QPoint &point : moves)
        mouse << point + QPoint(1, 1);

    f.drag(button, QPoint(1, 1), mouse);
    QCOMPARE(button->pos(), ends);
    QVERIFY(button->isVisible());
    QVERIFY(!f.editor().ActiveCanvas);
    QCOMPARE(f.skin().ButtonProperties.value(0, 0, ButtonColumn::X), QByteArray::number(ends.x()));
    QCOMPARE(f.skin().ButtonProperties.value(0, 0, ButtonColumn::Y), QByteArray::number(ends.y() - 25));
    QVERIFY(f.document.isSkinModified());
}

// A popup button at 200 % in a popup at (10, 40) of 100 x 60 keeps its left between 20
// and 220 less its width; the popup itself may reach the page's right edge.
void TestDragging::popupElementStaysInItsPopup()
{
    DragFixture f(2.0);
    f.set("PBt", 0, {"5", "5", "111", "", f.picture(QStringLiteral("pb.bmp"), 10, 10), ""});
    f.showPopup();
    ElementCanvas *button = f.editor().CanvasPBt().value(0);
    QVERIFY(button);
    QCOMPARE(button->pos(), QPoint(30, 50 + 80 + 10));

    f.drag(button, QPoint(0, 1), {QPoint(200, 141), QPoint(201, 141)});
    QCOMPARE(button->x(), 200); // 220 - 20
    f.drag(button, QPoint(0, 1), {QPoint(20, 141), QPoint(19, 141)});
    QCOMPARE(button->x(), 20);
    QCOMPARE(f.skin().PopupButtonProperties.value(0, 0, ButtonColumn::X), QByteArray("0"));

    // The popup itself, 100 wide at 100 %: its largest left is 108.
    DragFixture g;
    g.showPopup();
    ElementCanvas *popup = g.editor().PopupBackground;
    g.drag(popup, QPoint(1, 1), {QPoint(109, 66), QPoint(110, 66)});
    QCOMPARE(popup->x(), 108);
    QCOMPARE(g.skin().PopupLocationProperties.value(0, 0, LocationColumn::X), QByteArray("108"));
}

void TestDragging::readOutFollowsTheDrag_data()
{
    QTest::addColumn<double>("zoom");
    QTest::newRow("100 %") << 1.0;
    QTest::newRow("150 %") << 1.5;
    QTest::newRow("200 %") << 2.0;
}

// While dragging the toolbox shows the place in skin pixels, and the release writes
// the same into the record.
void TestDragging::readOutFollowsTheDrag()
{
    QFETCH(double, zoom);
    DragFixture f(zoom);
    ElementCanvas *button = f.showButton("20", "30", 10, 10);
    QSignalSpy shown(&f.editor(), &MainWindow::positionChanged);
    const QPoint start = button->pos() + QPoint(2, 2);
    f.drag(button, QPoint(2, 2), {start + QPoint(13, 9), start + QPoint(31, 17)});
    QVERIFY(shown.size() >= 2);
    const QString x = shown.last().at(0).toString();
    const QString y = shown.last().at(1).toString();
    QCOMPARE(f.skin().ButtonProperties.value(0, 0, ButtonColumn::X), x.toLatin1());
    QCOMPARE(f.skin().ButtonProperties.value(0, 0, ButtonColumn::Y), y.toLatin1());
    QCOMPARE(x.toInt(), qRound((button->x()) / zoom));
}

void TestDragging::hoverOutline()
{
    DragFixture f;
    ElementCanvas *button = f.showButton("10", "10");
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), button->mapToGlobal(QPointF(2, 2)));
    QCoreApplication::sendEvent(button, &enter);
    QVERIFY(button->isOutlined());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(button, &leave);
    QVERIFY(!button->isOutlined());
}

// While a popup is worked on, the page under it does not react.
void TestDragging::pageElementsInertOverAPopup()
{
    DragFixture f;
    f.showButton("10", "10");
    f.showPopup();
    ElementCanvas *button = f.editor().Canvas1().value(0);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), button->mapToGlobal(QPointF(2, 2)));
    QCoreApplication::sendEvent(button, &enter);
    QVERIFY(!button->isOutlined());
    f.drag(button, QPoint(2, 2), {QPoint(60, 60)});
    QCOMPARE(button->pos(), QPoint(10, 35));
    QVERIFY(f.document.ActiveElement().isEmpty());
    QVERIFY(!f.document.isSkinModified());
}

void TestDragging::keysWaitWhileSelected()
{
    DragFixture f;
    ElementCanvas *button = f.showButton("10", "10");
    QKeyEvent before(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QCoreApplication::sendEvent(&f.editor(), &before);
    QVERIFY(!before.isAccepted());

    f.drag(button, QPoint(2, 2), {});
    QKeyEvent after(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QCoreApplication::sendEvent(&f.editor(), &after);
    QVERIFY(after.isAccepted());

    f.editor().PageAction();
    QKeyEvent rebuilt(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QCoreApplication::sendEvent(&f.editor(), &rebuilt);
    QVERIFY(!rebuilt.isAccepted());
}

// A release the window never got: the next press ends the drag where the element
// stands, written, before it starts anything new.
void TestDragging::lostReleaseStillWrites()
{
    DragFixture f;
    ElementCanvas *button = f.showButton("10", "10");
    f.drag(button, QPoint(2, 2), {QPoint(62, 72)}, false);
    QVERIFY(f.editor().ActiveCanvas);
    QVERIFY(button->isHidden());

    QTest::mouseClick(f.phone(), Qt::LeftButton, {}, QPoint(200, 300));
    QVERIFY(!f.editor().ActiveCanvas);
    QVERIFY(button->isVisible());
    QCOMPARE(button->pos(), QPoint(60, 70));
    QCOMPARE(f.skin().ButtonProperties.value(0, 0, ButtonColumn::X), QByteArray("60"));
    QCOMPARE(f.skin().ButtonProperties.value(0, 0, ButtonColumn::Y), QByteArray("45"));

    f.set("Lab", 0, label60x20);
    f.editor().PageAction();
    MyStaticText *label = f.editor().Label1().value(0);
    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(30, 10));
    QTest::mouseMove(label, QPoint(40, 15));
    QTest::mouseClick(f.phone(), Qt::LeftButton, {}, QPoint(200, 300));
    QCOMPARE(label->m_intModus, int(MyStaticText::None));
    QCOMPARE(f.skin().LabelProperties.value(0, 0, LabelColumn::X), QByteArray("20"));
    QCOMPARE(f.skin().LabelProperties.value(0, 0, LabelColumn::Y), QByteArray("25"));
}

void TestDragging::nothingToGrabWithoutAPage()
{
    DragFixture f;
    f.editor().ContextualMenu1_Action(QStringLiteral("Copy"), {}); // an empty copy
    f.document.installSkin(Skin());
    QTest::mouseClick(f.phone(), Qt::RightButton, {}, QPoint(50, 50));
    QVERIFY(f.prompts.menus.isEmpty());
}

// The popup moves alone, and its elements come back at its new place.
void TestDragging::popupDragTakesItsElements()
{
    DragFixture f;
    f.set("PPic", 0, {"5", "5", f.picture(QStringLiteral("pp.bmp"), 10, 10)});
    f.showPopup();
    QCOMPARE(f.editor().CanvasPPic().value(0)->pos(), QPoint(15, 70));
    ElementCanvas *popup = f.editor().PopupBackground;
    f.drag(popup, QPoint(1, 1), {QPoint(31, 86)}, false);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(f.editor().getElementCounter("PPic"), 0);
    QTest::mouseRelease(f.phone(), Qt::LeftButton, {}, QPoint(31, 86));
    QCOMPARE(f.skin().PopupLocationProperties.record(0, 0), (QList<QByteArray>{"30", "60", "100", "60"}));
    QCOMPARE(f.editor().CanvasPPic().value(0)->pos(), QPoint(35, 90));
}

void TestDragging::labelZones_data()
{
    QTest::addColumn<QPoint>("at"); // in the 60 x 20 label
    QTest::addColumn<QRect>("after"); // dragged by (10, 5)
    QTest::newRow("top-left corner resizes") << QPoint(2, 2) << QRect(20, 50, 50, 15);
    QTest::newRow("top edge does nothing") << QPoint(30, 2) << QRect(10, 45, 60, 20);
    QTest::newRow("inside moves") << QPoint(30, 10) << QRect(20, 50, 60, 20);
    QTest::newRow("bottom-right corner resizes") << QPoint(58, 18) << QRect(10, 45, 70, 25);
}

void TestDragging::labelZones()
{
    QFETCH(QPoint, at);
    QFETCH(QRect, after);
    DragFixture f;
    f.set("Lab", 0, label60x20);
    f.editor().PageAction();
    MyStaticText *label = f.editor().Label1().value(0);
    QCOMPARE(label->geometry(), QRect(10, 45, 60, 20));
    QTest::mousePress(label, Qt::LeftButton, {}, at);
    QTest::mouseMove(label, at + QPoint(10, 5));
    QTest::mouseRelease(label, Qt::LeftButton, {}, at + QPoint(10, 5));
    QCOMPARE(label->geometry(), after);
    QCOMPARE(f.skin().LabelProperties.value(0, 0, LabelColumn::Width), QByteArray::number(after.width()));
    QCOMPARE(label->m_intModus, int(MyStaticText::None));
}

void TestDragging::labelLimits_data()
{
    QTest::addColumn<bool>("popup");
    QTest::addColumn<QPoint>("at");     // grabbed there
    QTest::addColumn<QPoint>("by");     // and dragged so far
    QTest::addColumn<QRect>("after");
    // A 50 x 20 label at skin (100, 100) on the page, at (20, 20) in the popup.
    QTest::newRow("page: left 158 touches the border") << false << QPoint(25, 10) << QPoint(58, 0)
                                                       << QRect(158, 125, 50, 20);
    QTest::newRow("page: one further stays") << false << QPoint(25, 10) << QPoint(59, 0) << QRect(100, 125, 50, 20);
    QTest::newRow("page: right edge stops at the border") << false << QPoint(48, 10) << QPoint(70, 0)
                                                          << QRect(100, 125, 50, 20);
    QTest::newRow("page: grows to the border") << false << QPoint(48, 18) << QPoint(58, 0) << QRect(100, 125, 108, 20);
    QTest::newRow("page: bottom edge stops at the border") << false << QPoint(48, 18) << QPoint(0, 200)
                                                           << QRect(100, 125, 50, 20);
    QTest::newRow("popup: left 60 is the last") << true << QPoint(25, 10) << QPoint(30, 0) << QRect(60, 85, 50, 20);
    QTest::newRow("popup: no further") << true << QPoint(25, 10) << QPoint(31, 0) << QRect(30, 85, 50, 20);
    QTest::newRow("popup: top stays in it") << true << QPoint(2, 2) << QPoint(0, -30) << QRect(30, 85, 50, 20);
}

// A label moves and resizes within the page area or its popup, every edge of it.
void TestDragging::labelLimits()
{
    QFETCH(bool, popup);
    QFETCH(QPoint, at);
    QFETCH(QPoint, by);
    QFETCH(QRect, after);
    DragFixture f;
    if (popup) {
        f.skin().PopupLocationProperties.setRecord(0, 0, {"10", "40", "100", "60"});
        f.set("PLab", 0, {"20", "20", "50", "20", "Tahoma", "9", "000000", "1", "0", "0", "p"});
        f.showPopup();
    } else {
        f.set("Lab", 0, {"100", "100", "50", "20", "Tahoma", "9", "000000", "1", "0", "0", "p"});
        f.editor().PageAction();
    }
    MyStaticText *label = popup ? f.editor().LabelPopup().value(0) : f.editor().Label1().value(0);
    QTest::mousePress(label, Qt::LeftButton, {}, at);
    QTest::mouseMove(label, at + by);
    QTest::mouseRelease(label, Qt::LeftButton, {}, at + by);
    QCOMPARE(label->geometry(), after);
}

// 80 x 30 on screen at 200 % is 40 x 15 in the record.
void TestDragging::labelResizeAt200()
{
    DragFixture f(2.0);
    f.set("Lab", 0, label60x20);
    f.editor().PageAction();
    MyStaticText *label = f.editor().Label1().value(0);
    QCOMPARE(label->size(), QSize(120, 40));
    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(118, 38));
    QTest::mouseMove(label, QPoint(78, 28));
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(78, 28));
    QCOMPARE(label->size(), QSize(80, 30));
    QCOMPARE(f.skin().LabelProperties.record(0, 0).mid(0, 4), (QList<QByteArray>{"10", "20", "40", "15"}));
}

void TestDragging::pageLabelsInertOverAPopup()
{
    DragFixture f;
    f.set("Lab", 0, label60x20);
    f.editor().PageAction();
    f.showPopup();
    MyStaticText *label = f.editor().Label1().value(0);
    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(30, 10));
    QTest::mouseMove(label, QPoint(40, 15));
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(40, 15));
    QCOMPARE(label->geometry(), QRect(10, 45, 60, 20));
    QVERIFY(!f.document.isSkinModified());
}

// The menu takes the release: the element comes back at once, and nothing is written.
void TestDragging::contextualClickCopiesAndPutsBack()
{
    DragFixture f;
    ElementCanvas *button = f.showButton("10", "10");
    f.prompts.menuAnswers.enqueue(0);
    QTest::mousePress(button, Qt::RightButton, {}, QPoint(2, 2));
    QCOMPARE(f.prompts.menus, QList<QStringList>{{"Copy"}});
    QVERIFY(button->isVisible());
    QVERIFY(!f.editor().ActiveCanvas);
    QVERIFY(!f.document.isSkinModified());
    QVERIFY(f.editor().isCopyValue);
    QCOMPARE(f.editor().CopyElement, QStringLiteral("Bt"));
    QCOMPARE(f.editor().CopyArr, f.skin().ButtonProperties.record(0, 0));

    // A second copy replaces the first.
    f.set("Lab", 0, label60x20);
    f.editor().PageAction();
    f.prompts.menuAnswers.enqueue(0);
    QTest::mouseClick(f.editor().Label1().value(0), Qt::LeftButton, Qt::ControlModifier, QPoint(30, 10));
    QCOMPARE(f.editor().CopyElement, QStringLiteral("Lab"));
    QCOMPARE(f.editor().CopyArr, label60x20);
}

void TestDragging::pasteOffered_data()
{
    QTest::addColumn<QString>("copied");
    QTest::addColumn<bool>("onPopup");
    QTest::addColumn<QString>("alreadyThere"); // a kind the page holds already
    QTest::addColumn<bool>("offered");
    QTest::newRow("trash icon on a page without one") << "Tra" << false << "" << true;
    QTest::newRow("trash icon on a page with one") << "Tra" << false << "Tra" << false;
    QTest::newRow("button on a page with a trash icon") << "Bt" << false << "Tra" << true;
    QTest::newRow("today indicator on a popup") << "ToI" << true << "" << false;
    QTest::newRow("button on a popup") << "Bt" << true << "" << true;
}

void TestDragging::pasteOffered()
{
    QFETCH(QString, copied);
    QFETCH(bool, onPopup);
    QFETCH(QString, alreadyThere);
    QFETCH(bool, offered);
    DragFixture f;
    if (!alreadyThere.isEmpty())
        f.skin().TrashProperties.setRecord(0, 0, {"150", "200", f.picture(QStringLiteral("t.bmp"), 8, 8), ""});
    f.editor().PageAction();
    f.editor().isCopyValue = true;
    f.editor().CopyElement = copied;
    f.editor().CopyArr = QList<QByteArray>(ElementKinds::find(copied)->format->columnCount, "1");
    if (onPopup) {
        f.showPopup();
        f.contextClick(f.editor().PopupBackground, QPoint(20, 20));
    } else {
        f.contextClick(f.phone(), QPoint(20, 200));
    }
    QCOMPARE(f.prompts.menus.size(), offered ? 1 : 0);
    if (offered)
        QCOMPARE(f.prompts.menus.first(), QStringList{"Paste"});
}

void TestDragging::pasteAtTheMouse_data()
{
    QTest::addColumn<QString>("copied");
    QTest::addColumn<QList<QByteArray>>("record");
    QTest::addColumn<QList<QByteArray>>("pasted");
    QTest::newRow("a picture at (100, 125)") << "Pic" << QList<QByteArray>{"1", "2", "Bitmaps:p.bmp"}
                                             << QList<QByteArray>{"100", "100", "Bitmaps:p.bmp"};
    QTest::newRow("the today view changes only its top")
        << "To" << QList<QByteArray>{"10", "50", "222222", "E21313", "3388CC", "40"}
        << QList<QByteArray>{"100", "50", "222222", "E21313", "3388CC", "40"};
}

void TestDragging::pasteAtTheMouse()
{
    QFETCH(QString, copied);
    QFETCH(QList<QByteArray>, record);
    QFETCH(QList<QByteArray>, pasted);
    DragFixture f;
    f.picture(QStringLiteral("p.bmp"), 4, 4);
    f.editor().PageAction();
    f.editor().isCopyValue = true;
    f.editor().CopyElement = copied;
    f.editor().CopyArr = record;
    f.prompts.menuAnswers.enqueue(0);
    f.contextClick(f.phone(), QPoint(100, 125));
    QCOMPARE(f.skin().tableForElement(copied)->record(0, 0), pasted);
    QVERIFY(f.document.isSkinModified());
    QCOMPARE(f.editor().getElementCounter(copied), 1);
}

// A button copied on the page becomes a popup button, placed relative to the popup.
void TestDragging::pasteBetweenPageAndPopup()
{
    DragFixture f;
    const QList<QByteArray> button{"10", "10", "101", "2", f.picture(QStringLiteral("b.bmp"), 8, 8), ""};
    f.set("Bt", 0, button);
    f.editor().PageAction();
    f.prompts.menuAnswers.enqueue(0);
    f.contextClick(f.editor().Canvas1().value(0), QPoint(2, 2));
    f.showPopup();
    f.prompts.menuAnswers.enqueue(0);
    f.contextClick(f.editor().PopupBackground, QPoint(20, 15));
    QCOMPARE(f.editor().CopyElement, QStringLiteral("PBt"));
    QList<QByteArray> expected = button;
    expected[ButtonColumn::X] = "20";
    expected[ButtonColumn::Y] = "15";
    QCOMPARE(f.skin().PopupButtonProperties.record(0, 0), expected);
    QCOMPARE(f.editor().CanvasPBt().size(), 1);
    QCOMPARE(f.document.ActiveCanvasIndex(), 0); // a popup rebuild keeps the pasted one selected
}

void TestDragging::pasteWhenFullIsRefused()
{
    DragFixture f;
    for (int slot = 0; slot < ElementKinds::DefaultSlots; ++slot)
        f.set("Pic", slot, {"0", "0", "Bitmaps:p.bmp"});
    f.picture(QStringLiteral("p.bmp"), 4, 4);
    f.editor().PageAction();
    f.editor().isCopyValue = true;
    f.editor().CopyElement = QStringLiteral("Pic");
    f.editor().CopyArr = {"1", "2", "Bitmaps:p.bmp"};
    f.prompts.menuAnswers.enqueue(0);
    f.contextClick(f.phone(), QPoint(100, 125));
    QVERIFY(f.prompts.lastMessage().startsWith(QLatin1String("No room for another element:")));
    QCOMPARE(f.skin().PictureProperties.slotCount(), ElementKinds::DefaultSlots);
    QVERIFY(!f.document.isSkinModified());
}

QTEST_MAIN(TestDragging)
#include "tst_dragging.moc"
