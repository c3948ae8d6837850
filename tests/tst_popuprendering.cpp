#include "editor/elementcanvas.h"
#include "editor/mainwindow.h"
#include "editor/mystatictext.h"
#include "editorfixture.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QRgb Red = qRgb(255, 0, 0);
const QRgb Green = qRgb(0, 255, 0);

// A fresh application in popup mode, its popup at `location`.
struct PopupFixture : EditorFixture
{
    explicit PopupFixture(double zoom = 1.0, const QList<QByteArray> &location = {"10", "20", "100", "50"})
        : EditorFixture(zoom)
    {
        skin().PopupLocationProperties.setRecord(0, 0, location);
        document.setPopupMode(true);
    }
    void show() { showPopup(); }
};

QImage filled(int width, int height, QRgb colour = Red)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QList<ElementCanvas *> popupList(const MainWindow &editor, const QString &identifier)
{
    return editor.canvases(ElementKinds::find(identifier)->id);
}

} // namespace

class TestPopupRendering : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void placement_data();
    void placement();
    void backgroundPicture_data();
    void backgroundPicture();
    void elementKinds_data();
    void elementKinds();
    void messages_data();
    void messages();
    void stacking();
    void skinWithoutPopups();
};

void TestPopupRendering::placement_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QList<QByteArray>>("location");
    QTest::addColumn<QByteArray>("background"); // "" none, "missing", "picture"
    QTest::addColumn<QRect>("backgroundGeometry");
    QTest::addColumn<QPoint>("element"); // a picture and a label at skin (0, 6) of the popup

    const QList<QByteArray> at5{"5", "10", "100", "60"};
    QTest::newRow("X 5 at 150 %") << 1.5 << at5 << QByteArray("picture") << QRect(7, 15 + 38, 150, 90)
                                  << QPoint(8, 53 + 9); // 7.5 dropped for the popup, rounded for its element
    QTest::newRow("100 %") << 1.0 << QList<QByteArray>{"10", "20", "100", "50"} << QByteArray("picture")
                           << QRect(10, 45, 100, 50) << QPoint(10, 51);
    QTest::newRow("200 %") << 2.0 << QList<QByteArray>{"10", "40", "100", "60"} << QByteArray("picture")
                           << QRect(20, 130, 200, 120) << QPoint(20, 142);
    QTest::newRow("missing background keeps the location") << 1.5 << at5 << QByteArray("missing")
                                                           << QRect(7, 53, 150, 90) << QPoint(8, 62);
    QTest::newRow("no background picture") << 1.0 << QList<QByteArray>{"10", "20", "100", "50"} << QByteArray()
                                           << QRect(10, 45, 100, 50) << QPoint(10, 51);
    QTest::newRow("location larger than the screen")
        << 2.0 << QList<QByteArray>{"0", "0", "99999", "-3"} << QByteArray("picture") << QRect(0, 50, 416, 0)
        << QPoint(0, 62);
}

void TestPopupRendering::placement()
{
    QFETCH(double, zoom);
    QFETCH(QList<QByteArray>, location);
    QFETCH(QByteArray, background);
    QFETCH(QRect, backgroundGeometry);
    QFETCH(QPoint, element);
    PopupFixture f(zoom, location);
    if (background == "picture")
        f.skin().PopupBackgroundProperties[0] = f.picture("bg.bmp", filled(100, 60));
    else if (background == "missing")
        f.skin().PopupBackgroundProperties[0] = "Bitmaps:nobg.bmp";
    f.set("PPic", 0, {"0", "6", f.picture("p.bmp", filled(2, 2))});
    f.set("PLab", 0, {"0", "6", "20", "10", "Tahoma", "9", "000000", "1", "0", "0", "x"});

    f.show();
    QVERIFY(f.editor().PopupBackground);
    QCOMPARE(f.editor().PopupBackground->geometry(), backgroundGeometry);
    QCOMPARE(f.editor().CanvasPPic().value(0)->pos(), element);
    QCOMPARE(f.editor().LabelPopup().value(0)->pos(), element);
    QVERIFY(f.document.isPopupActive());
    QVERIFY(!f.document.isPageActive());
    QCOMPARE(f.prompts.messages.size(), background == "missing" ? 1 : 0);
    if (background == "missing")
        QCOMPARE(f.prompts.lastMessage(), QStringLiteral("These images are missing:\n\nBitmaps:nobg.bmp\n"));
}

void TestPopupRendering::backgroundPicture_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("rightEdgeShown");
    QTest::newRow("100 % cuts the picture to the location") << 1.0 << QSize(100, 60) << false;
    QTest::newRow("200 % squeezes the whole picture in") << 2.0 << QSize(200, 120) << true;
}

// A 120 x 80 background, green in its last 20 columns, on a 100 x 60 location.
void TestPopupRendering::backgroundPicture()
{
    QFETCH(double, zoom);
    QFETCH(QSize, size);
    QFETCH(bool, rightEdgeShown);
    PopupFixture f(zoom, {"0", "0", "100", "60"});
    QImage picture = filled(120, 80);
    for (int y = 0; y < 80; ++y) {
        for (int x = 100; x < 120; ++x)
            picture.setPixel(x, y, Green);
    }
    f.skin().PopupBackgroundProperties[0] = f.picture("bg.bmp", picture);

    f.show();
    const ElementCanvas *background = f.editor().PopupBackground;
    QCOMPARE(background->size(), size);
    const QImage image = background->picture().toImage();
    QCOMPARE(image.size(), size);
    QCOMPARE(image.pixel(size.width() - 1, 0) == Green, rightEdgeShown);
    QCOMPARE(image.pixel(0, size.height() - 1), Red);
}

void TestPopupRendering::elementKinds_data()
{
    QTest::addColumn<QString>("identifier");
    for (const ElementKind &kind : ElementKinds::all()) {
        if (kind.surface == Surface::Popup && kind.form == ElementForm::Picture)
            QTest::newRow(kind.identifier) << kind.identifierText();
    }
}

// At 150 % on a popup at (5, 10): left is (X + 5) x 1.5 rounded, top is the zoomed Y
// below the popup background's top; masks apply as on pages.
void TestPopupRendering::elementKinds()
{
    QFETCH(QString, identifier);
    const ElementKind &kind = *ElementKinds::find(identifier);
    PopupFixture f(1.5, {"5", "10", "100", "60"});
    QList<QByteArray> record(kind.format->columnCount);
    record[kind.xColumn()] = "2";
    record[kind.yColumn()] = "3";
    record[kind.pictureColumn()] = f.picture("p.bmp", filled(4, 4));
    if (kind.maskColumn() >= 0)
        record[kind.maskColumn()] = f.picture("m.bmp", filled(4, 4, qRgb(255, 255, 255)));
    f.set(identifier, 0, record);
    f.set(identifier, 1, {});

    f.show();
    const QList<ElementCanvas *> list = popupList(f.editor(), identifier);
    QCOMPARE(list.size(), 1);
    QCOMPARE(f.editor().getElementCounter(identifier), 1);
    QCOMPARE(list[0]->identifier(), identifier);
    QCOMPARE(list[0]->geometry(), QRect(11, 53 + 5, 6, 6)); // (2 + 5) x 1.5 = 10.5 -> 11, 3 x 1.5 = 4.5 -> 5
    QCOMPARE(qAlpha(list[0]->picture().toImage().pixel(0, 0)), kind.maskColumn() >= 0 ? 0 : 255);
}

void TestPopupRendering::messages_data()
{
    QTest::addColumn<QByteArray>("popupPicture");
    QTest::addColumn<int>("messages");
    QTest::newRow("popup pictures exist") << QByteArray("Bitmaps:p.bmp") << 1;
    QTest::newRow("popup picture missing") << QByteArray("Bitmaps:gone2.bmp") << 2;
}

// The page's missing picture is reported by the page's rebuild only.
void TestPopupRendering::messages()
{
    QFETCH(QByteArray, popupPicture);
    QFETCH(int, messages);
    PopupFixture f;
    f.picture("p.bmp", filled(2, 2));
    f.skin().ButtonProperties.setRecord(0, 0, {"0", "0", "101", "", "Bitmaps:gone.bmp", ""});
    f.set("PBt", 0, {"0", "0", "111", "", popupPicture, ""});

    f.show();
    QCOMPARE(f.prompts.messages.size(), messages);
    QCOMPARE(f.prompts.messages[0].text, QStringLiteral("These images are missing:\n\nBitmaps:gone.bmp\n"));
    if (messages == 2)
        QCOMPARE(f.prompts.lastMessage(), QStringLiteral("These images are missing:\n\nBitmaps:gone2.bmp\n"));
}

// The popup lies above the page, also when the page is rebuilt under it.
void TestPopupRendering::stacking()
{
    PopupFixture f;
    const QByteArray p = f.picture("p.bmp", filled(2, 2));
    f.skin().ButtonProperties.setRecord(0, 0, {"0", "0", "101", "", p, ""});
    f.set("PPic", 0, {"0", "0", p});
    f.set("PBt", 0, {"0", "0", "111", "", p, ""});
    f.set("PLab", 0, {"0", "0", "20", "10", "Tahoma", "9", "000000", "1", "0", "0", "x"});
    f.show();
    MainWindow &e = f.editor();
    e.PageAction();

    const QObjectList children = e.phoneView()->children();
    const QList<QObject *> bottomToTop{e.Canvas1()[0], e.PopupBackground, e.CanvasPPic()[0], e.CanvasPBt()[0],
                                       e.LabelPopup()[0]};
    for (int i = 1; i < bottomToTop.size(); ++i)
        QVERIFY(children.indexOf(bottomToTop[i - 1]) < children.indexOf(bottomToTop[i]));

    e.deleteAllPopupElements(false);
    QVERIFY(e.PopupBackground);
    QCOMPARE(e.getElementCounter("PPic") + e.getElementCounter("PBt") + e.getElementCounter("PLab"), 0);
    e.deleteAllPopupElements(true);
    QVERIFY(!e.PopupBackground);
    QCOMPARE(e.Canvas1().size(), 1);
}

void TestPopupRendering::skinWithoutPopups()
{
    PopupFixture f;
    f.skin().PopUpProperties.clear();
    f.editor().PageAction();
    f.editor().PopupAction();
    QVERIFY(!f.editor().PopupBackground);
    QVERIFY(f.document.isPageActive());
}

QTEST_MAIN(TestPopupRendering)
#include "tst_popuprendering.moc"
