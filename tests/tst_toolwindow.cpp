#include "app/app.h"
#include "editor/elementcanvas.h"
#include "editor/mainwindow.h"
#include "editor/phoneview.h"
#include "editorfixture.h"
#include "toolbox/toolwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// With a skin: a masked picture on the page and a masked button on a popup.
struct ToolFixture : EditorFixture
{
    explicit ToolFixture(bool withSkin)
    {
        if (!withSkin) {
            skin() = Skin();
            return;
        }
        const QByteArray pictureName = picture(QStringLiteral("p.bmp"), 4, 4, Qt::red);
        const QByteArray mask = picture(QStringLiteral("m.bmp"), 4, 4, Qt::white);
        skin().PictureMaskProperties.setRecord(0, 0, {"10", "10", pictureName, mask});
        skin().PopupLocationProperties.setRecord(0, 0, {"10", "20", "100", "50"});
        skin().PopupButtonMaskProperties.setRecord(0, 0, {"5", "5", "111", "", pictureName, mask, "", ""});
    }
};

int alphaOf(const ElementCanvas *canvas)
{
    return qAlpha(canvas->picture().toImage().pixel(0, 0));
}

} // namespace

class TestToolWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void controls_data();
    void controls();
    void drawerHeight_data();
    void drawerHeight();
    void zoomChange_data();
    void zoomChange();
    void maskChange_data();
    void maskChange();
    void followsTheEditor();
};

void TestToolWindow::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::newRow("PopupZoom") << "PopupZoom" << QRect(10, 14, 70, 20) << "100 %";
    QTest::newRow("xcoord") << "xcoord" << QRect(94, 14, 23, 20) << "0";
    QTest::newRow("StaticText1") << "StaticText1" << QRect(119, 14, 5, 20) << "/";
    QTest::newRow("ycoord") << "ycoord" << QRect(128, 14, 23, 20) << "0";
    QTest::newRow("CheckBoxMask") << "CheckBoxMask" << QRect(10, 46, 129, 20) << "Mask Elements";
}

void TestToolWindow::controls()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    ToolFixture f(false);
    ToolWindow &t = f.toolbox();
    QCOMPARE(t.windowTitle(), QStringLiteral("Toolbox"));
    QCOMPARE(t.minimumSize(), QSize(165, 76));
    QCOMPARE(t.maximumSize(), QSize(165, 76));
    QVERIFY(t.windowFlags().testFlag(Qt::Tool));
    QCOMPARE(t.font().pixelSize(), 11);
    QCOMPARE(t.font().family(), QApplication::font().family());
    QCOMPARE(t.ZoomFaktor, 1.0);
    QVERIFY(t.MaskStatus);

    const QMap<QString, QWidget *> controls{{"PopupZoom", t.PopupZoom}, {"xcoord", t.xcoord},
                                            {"StaticText1", t.StaticText1}, {"ycoord", t.ycoord},
                                            {"CheckBoxMask", t.CheckBoxMask}};
    QWidget *control = controls.value(name);
    QCOMPARE(control->geometry(), geometry);
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

void TestToolWindow::drawerHeight_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<int>("height");
    QTest::newRow("100 %") << 1.0 << 280;
    QTest::newRow("150 %") << 1.5 << 440;
    QTest::newRow("200 %") << 2.0 << 600;
}

void TestToolWindow::drawerHeight()
{
    QFETCH(double, zoom);
    QFETCH(int, height);
    QCOMPARE(ToolWindow::drawerHeightForZoom(zoom), height);
}

void TestToolWindow::zoomChange_data()
{
    QTest::addColumn<bool>("withSkin");
    QTest::addColumn<bool>("popupShown");
    QTest::addColumn<QList<int>>("positions"); // chosen one after the other
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QString>("frame");

    QTest::newRow("150 % with no skin") << false << false << QList<int>{1} << 1.5
                                        << ":/images/symbianbackground150.png";
    QTest::newRow("200 % with a page") << true << false << QList<int>{2} << 2.0
                                       << ":/images/symbianbackground200.png";
    QTest::newRow("200 % with a popup shown") << true << true << QList<int>{2} << 2.0
                                              << ":/images/symbianbackground200.png";
    QTest::newRow("200 % and back to 100 %") << true << true << QList<int>{2, 0} << 1.0
                                             << ":/images/symbianbackground.png";
}

void TestToolWindow::zoomChange()
{
    QFETCH(bool, withSkin);
    QFETCH(bool, popupShown);
    QFETCH(QList<int>, positions);
    QFETCH(double, zoom);
    QFETCH(QString, frame);
    ToolFixture f(withSkin);
    MainWindow &e = f.editor();
    e.show();
    QVERIFY(QTest::qWaitForWindowExposed(&e));
    if (popupShown)
        f.showPopup();
    else if (withSkin)
        e.PageAction();

    for (int position : positions)
        f.toolbox().PopupZoom->setCurrentIndex(position);

    QCOMPARE(f.toolbox().ZoomFaktor, zoom);
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
    QCOMPARE(e.Canvas4.value(0)->geometry(),
             QRect(qRound(10 * zoom), qRound(25 * zoom) + qRound(10 * zoom), qRound(4 * zoom), qRound(4 * zoom)));
    QCOMPARE(f.skin().isPopupActive, popupShown);
    QCOMPARE(bool(e.PopupBackground), popupShown);
    if (popupShown) {
        QCOMPARE(e.PopupBackground->geometry().topLeft(), QPoint(int(10 * zoom), int(20 * zoom) + e.CanvasBorderTop));
        QCOMPARE(e.CanvasPMBt.value(0)->pos(),
                 QPoint(qRound(15 * zoom), e.PopupBackground->y() + qRound(5 * zoom)));
    }
}

void TestToolWindow::maskChange_data()
{
    QTest::addColumn<bool>("popupShown");
    QTest::newRow("page") << false;
    QTest::newRow("popup over the page") << true;
}

// Turning the masks off redraws the page, and the popup after it, so the popup stays
// the active plane.
void TestToolWindow::maskChange()
{
    QFETCH(bool, popupShown);
    ToolFixture f(true);
    MainWindow &e = f.editor();
    if (popupShown)
        f.showPopup();
    else
        e.PageAction();
    QCOMPARE(alphaOf(e.Canvas4.value(0)), 0);

    f.toolbox().CheckBoxMask->setChecked(false);
    QVERIFY(!f.toolbox().MaskStatus);
    QCOMPARE(alphaOf(e.Canvas4.value(0)), 255);
    QCOMPARE(f.skin().isPopupActive, popupShown);
    QCOMPARE(f.skin().isPageActive, !popupShown);
    if (popupShown) {
        QCOMPARE(f.skin().getActivePage(), f.skin().ActivePopup);
        QCOMPARE(alphaOf(e.CanvasPMBt.value(0)), 255);
    }

    f.toolbox().CheckBoxMask->setChecked(true);
    QCOMPARE(alphaOf(e.Canvas4.value(0)), 0);
}

void TestToolWindow::followsTheEditor()
{
    ToolFixture f(false);
    MainWindow &e = f.editor();
    e.show();
    QVERIFY(QTest::qWaitForWindowExposed(&e));
    e.move(120, 80);
    QTRY_COMPARE(f.toolbox().pos(), QPoint(e.frameGeometry().right() + 1 + 40, e.frameGeometry().top() + 50));
}

QTEST_MAIN(TestToolWindow)
#include "tst_toolwindow.moc"
