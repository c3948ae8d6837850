#include "toolbox/toolwindow.h"
#include "widgets/viewoptions.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

class TestToolWindow : public QObject
{
    Q_OBJECT

private slots:
    void controls_data();
    void controls();
    void setsTheViewOptions_data();
    void setsTheViewOptions();
    void showsTheViewOptions();
    void showsPositions();
    void screenReaderFindsTheControls();
    void followsItsWindowByTheSameDistance();
    void comesBackBesideTheZoomedWindow();
    void staysOpen();
};

void TestToolWindow::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("accessibleName");
    QTest::newRow("PopupZoom") << "PopupZoom" << QRect(10, 14, 70, 20) << "100 %" << "Zoom";
    QTest::newRow("xcoord") << "xcoord" << QRect(94, 14, 23, 20) << "0" << "X";
    QTest::newRow("StaticText1") << "StaticText1" << QRect(119, 14, 5, 20) << "/" << QString();
    QTest::newRow("ycoord") << "ycoord" << QRect(128, 14, 23, 20) << "0" << "Y";
    QTest::newRow("CheckBoxMask") << "CheckBoxMask" << QRect(10, 46, 129, 20) << "Mask Elements" << "Mask Elements";
}

void TestToolWindow::controls()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(QString, accessibleName);
    ViewOptions view;
    ToolWindow t(view);
    QCOMPARE(t.windowTitle(), QStringLiteral("Toolbox"));
    QCOMPARE(t.minimumSize(), QSize(165, 76));
    QCOMPARE(t.maximumSize(), QSize(165, 76));
    QVERIFY(t.windowFlags().testFlag(Qt::Tool));
    QCOMPARE(t.font().pixelSize(), 11);
    QCOMPARE(t.font().family(), QApplication::font().family());

    const QMap<QString, QWidget *> controls{{"PopupZoom", t.PopupZoom}, {"xcoord", t.xcoord},
                                            {"StaticText1", t.StaticText1}, {"ycoord", t.ycoord},
                                            {"CheckBoxMask", t.CheckBoxMask}};
    QWidget *control = controls.value(name);
    QCOMPARE(control->geometry(), geometry);
    QCOMPARE(control->accessibleName(), accessibleName);
    if (auto *combo = qobject_cast<QComboBox *>(control)) {
        QCOMPARE(combo->currentText(), text);
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->itemText(1), QStringLiteral("150 %"));
        QCOMPARE(combo->itemText(2), QStringLiteral("200 %"));
    } else if (auto *box = qobject_cast<QCheckBox *>(control)) {
        QCOMPARE(box->text(), text);
        QVERIFY(box->isChecked());
    } else {
        QCOMPARE(qobject_cast<QLabel *>(control)->text(), text);
    }
}

void TestToolWindow::setsTheViewOptions_data()
{
    QTest::addColumn<QList<int>>("positions"); // chosen one after the other
    QTest::addColumn<double>("zoom");
    QTest::newRow("150 %") << QList<int>{1} << 1.5;
    QTest::newRow("200 %") << QList<int>{2} << 2.0;
    QTest::newRow("200 % and back to 100 %") << QList<int>{2, 0} << 1.0;
}

// One announcement per choice.
void TestToolWindow::setsTheViewOptions()
{
    QFETCH(QList<int>, positions);
    QFETCH(double, zoom);
    ViewOptions view;
    ToolWindow t(view);
    QSignalSpy zoomChanged(&view, &ViewOptions::zoomChanged);
    QSignalSpy maskChanged(&view, &ViewOptions::maskStatusChanged);

    for (int position : positions)
        t.PopupZoom->setCurrentIndex(position);
    QCOMPARE(view.ZoomFaktor(), zoom);
    QCOMPARE(zoomChanged.size(), positions.size());

    t.CheckBoxMask->setChecked(false);
    QVERIFY(!view.MaskStatus());
    QCOMPARE(maskChanged.size(), 1);
}

// What else sets the view options shows in the toolbox, without being set again.
void TestToolWindow::showsTheViewOptions()
{
    ViewOptions view;
    view.setZoomFaktor(2.0);
    ToolWindow t(view);
    QCOMPARE(t.PopupZoom->currentIndex(), 2);
    QSignalSpy zoomChanged(&view, &ViewOptions::zoomChanged);

    view.setZoomFaktor(1.5);
    view.setMaskStatus(false);
    QCOMPARE(t.PopupZoom->currentIndex(), 1);
    QVERIFY(!t.CheckBoxMask->isChecked());
    QCOMPARE(zoomChanged.size(), 1);
}

void TestToolWindow::showsPositions()
{
    ViewOptions view;
    ToolWindow t(view);
    t.showPosition(QStringLiteral("12"), QStringLiteral("-3"));
    QCOMPARE(t.xcoord->text(), QStringLiteral("12"));
    QCOMPARE(t.ycoord->text(), QStringLiteral("-3"));
}

// By their names and roles; the zoom list is named "Zoom" whatever it shows.
void TestToolWindow::screenReaderFindsTheControls()
{
    ViewOptions view;
    ToolWindow t(view);
    QAccessibleInterface *zoom = QAccessible::queryAccessibleInterface(t.PopupZoom);
    QCOMPARE(zoom->role(), QAccessible::ComboBox);
    QCOMPARE(zoom->text(QAccessible::Name), QStringLiteral("Zoom"));
    QCOMPARE(zoom->text(QAccessible::Value), QStringLiteral("100 %"));
    QCOMPARE(zoom->childCount(), 1);
    t.PopupZoom->setCurrentIndex(2);
    QCOMPARE(zoom->text(QAccessible::Name), QStringLiteral("Zoom"));
    QCOMPARE(zoom->text(QAccessible::Value), QStringLiteral("200 %"));

    QAccessibleInterface *masks = QAccessible::queryAccessibleInterface(t.CheckBoxMask);
    QCOMPARE(masks->role(), QAccessible::CheckBox);
    QCOMPARE(masks->text(QAccessible::Name), QStringLiteral("Mask Elements"));

    t.showPosition(QStringLiteral("12"), QStringLiteral("34"));
    QAccessibleInterface *y = QAccessible::queryAccessibleInterface(t.ycoord);
    QCOMPARE(y->text(QAccessible::Name), QStringLiteral("Y"));
    QCOMPARE(y->text(QAccessible::Description), QStringLiteral("34"));
}

// A place the user gave the toolbox is kept when the window it follows moves.
void TestToolWindow::followsItsWindowByTheSameDistance()
{
    ViewOptions view;
    QWidget window;
    window.resize(208, 320);
    window.move(100, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ToolWindow t(view);
    t.followWindow(&window);
    t.placeBesideWindow();
    QCOMPARE(t.pos(), QPoint(window.frameGeometry().right() + 1 + 40, window.frameGeometry().top() + 50));
    t.show();
    t.move(600, 20);

    window.move(130, 80);
    QTRY_COMPARE(t.pos(), QPoint(630, 0));
}

// A zoom change hides the toolbox while the window takes its new size and brings it
// back beside the new right edge, at the height the user gave it.
void TestToolWindow::comesBackBesideTheZoomedWindow()
{
    ViewOptions view;
    QWidget window;
    window.setGeometry(100, 100, 208, 320);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ToolWindow t(view);
    t.followWindow(&window);
    t.show();
    t.move(500, 240);
    bool hiddenWhileResizing = false;
    connect(&view, &ViewOptions::zoomChanged, &window, [&](double zoom) {
        hiddenWhileResizing = !t.isVisible();
        window.resize(int(208 * zoom), int(320 * zoom));
    });

    t.PopupZoom->setCurrentIndex(2);
    QVERIFY(hiddenWhileResizing);
    QVERIFY(t.isVisible());
    QCOMPARE(t.pos(), QPoint(window.frameGeometry().right() + 1 + 40, 240));
}

// The toolbox holds the zoom and the masks: its close button must not take them away
// while the window it follows is open; with that window, it goes.
void TestToolWindow::staysOpen()
{
    ViewOptions view;
    QWidget window;
    window.show();
    ToolWindow t(view);
    t.followWindow(&window);
    t.show();
    QVERIFY(!t.close());
    QVERIFY(t.isVisible());

    window.close();
    QVERIFY(t.close());
    QVERIFY(!t.isVisible());
}

QTEST_MAIN(TestToolWindow)
#include "tst_toolwindow.moc"
