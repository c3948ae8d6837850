#include "editor/elementcanvas.h"
#include "editor/elementpicture.h"
#include "editor/mainwindow.h"
#include "editor/mystatictext.h"
#include "editorfixture.h"

#include <QAccessible>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QRgb Red = qRgb(255, 0, 0);
const QRgb Blue = qRgb(0, 0, 255);

// A fresh application with one page and no popup.
struct PageFixture : EditorFixture
{
    explicit PageFixture(double zoom = 1.0, const QByteArray &fullscreen = "0")
        : EditorFixture(zoom, fullscreen, false)
    {
    }
};

// 4 x 2: red on the left half, blue on the right.
QImage halves(int width = 4, int height = 2)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Blue);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width / 2; ++x)
            image.setPixel(x, y, Red);
    }
    return image;
}

QImage shown(const ElementCanvas *canvas)
{
    return canvas->picture().toImage();
}

// A record of a picture kind with its position, picture and mask at the kind's columns.
QList<QByteArray> pictureRecord(const ElementKind &kind, int x, int y, const QByteArray &picture,
                                const QByteArray &mask = {})
{
    QList<QByteArray> record(kind.format->columnCount);
    record[kind.xColumn()] = QByteArray::number(x);
    record[kind.yColumn()] = QByteArray::number(y);
    record[kind.pictureColumn()] = picture;
    if (kind.maskColumn() >= 0)
        record[kind.maskColumn()] = mask;
    return record;
}

QList<ElementCanvas *> pageList(const MainWindow &editor, const QString &identifier)
{
    return editor.canvases(ElementKinds::find(identifier)->id);
}

QList<QByteArray> labelRecord(const QByteArray &align, const QByteArray &bold, const QByteArray &fontSize,
                              const QByteArray &type = "0", const QByteArray &text = "Hello")
{
    return {"10", "20", "60", "20", "Tahoma", fontSize, "9993F3", align, bold, type, text};
}

} // namespace

class TestPageRendering : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void pageArea_data();
    void pageArea();
    void pictureKinds_data();
    void pictureKinds();
    void masks_data();
    void masks();
    void maskShades_data();
    void maskShades();
    void labels_data();
    void labels();
    void todayColours_data();
    void todayColours();
    void todayPlacement_data();
    void todayPlacement();
    void sizesFromFilesAreClamped_data();
    void sizesFromFilesAreClamped();
    void missingImagesMessage_data();
    void missingImagesMessage();
    void stackingAndSelection();
    void skinWithoutPages();
};

void TestPageRendering::pageArea_data()
{
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QPoint>("element"); // a picture at skin (10, 20)

    QTest::newRow("normal 100 %") << QByteArray("0") << 1.0 << QRect(0, 25, 208, 276) << QPoint(10, 45);
    QTest::newRow("normal 150 %") << QByteArray("0") << 1.5 << QRect(0, 38, 312, 414) << QPoint(15, 68);
    QTest::newRow("normal 200 %") << QByteArray("0") << 2.0 << QRect(0, 50, 416, 552) << QPoint(20, 90);
    QTest::newRow("full screen 150 %") << QByteArray("1") << 1.5 << QRect(0, 0, 312, 452) << QPoint(15, 30);
    QTest::newRow("complete screen 200 %") << QByteArray("2") << 2.0 << QRect(0, 0, 416, 640) << QPoint(20, 40);
    QTest::newRow("unknown mode 5") << QByteArray("5") << 1.0 << QRect(0, 0, 208, 0) << QPoint(10, 20);
    QTest::newRow("empty mode") << QByteArray() << 2.0 << QRect(0, 0, 416, 0) << QPoint(20, 40);
}

void TestPageRendering::pageArea()
{
    QFETCH(QByteArray, mode);
    QFETCH(double, zoom);
    QFETCH(QRect, area);
    QFETCH(QPoint, element);
    PageFixture f(zoom, mode);
    f.set("Pic", 0, pictureRecord(ElementKinds::get(KindId::Pic), 10, 20, f.picture("p.bmp", halves())));

    f.editor().PageAction();
    QVERIFY(f.editor().Background);
    QCOMPARE(f.editor().Background->geometry(), area);
    QCOMPARE(f.editor().CanvasBorderTop, area.top());
    QCOMPARE(f.editor().CanvasBorderBottom, area.top() + area.height());
    QCOMPARE(f.editor().CanvasBorderRight, area.width());
    QCOMPARE(f.editor().Canvas3().size(), 1);
    QCOMPARE(f.editor().Canvas3()[0]->pos(), element);
    QVERIFY(f.document.isPageActive());
    QVERIFY(!f.document.isPopupActive());
    QVERIFY(f.prompts.messages.isEmpty()); // an empty background is no missing picture
}

void TestPageRendering::pictureKinds_data()
{
    QTest::addColumn<QString>("identifier");
    for (const ElementKind &kind : ElementKinds::all()) {
        if (kind.surface == Surface::Page && kind.form == ElementForm::Picture)
            QTest::newRow(kind.identifier) << kind.identifierText();
    }
}

// Every kind at 200 %: the slot with a picture is shown scaled without smoothing at its
// place, the slot whose picture is missing is listed, the empty slot is skipped.
void TestPageRendering::pictureKinds()
{
    QFETCH(QString, identifier);
    const ElementKind &kind = *ElementKinds::find(identifier);
    PageFixture f(2.0);
    f.set(identifier, 0, pictureRecord(kind, 3, 5, "Bitmaps:gone.bmp"));
    f.set(identifier, 2, pictureRecord(kind, 3, 5, f.picture("p.bmp", halves())));

    f.editor().PageAction();
    const QList<ElementCanvas *> list = pageList(f.editor(), identifier);
    QCOMPARE(list.size(), 1);
    QCOMPARE(f.editor().getElementCounter(identifier), 1);
    QCOMPARE(f.editor().getElementCounter(identifier.toUpper()), 1);
    const ElementCanvas *canvas = list[0];
    QCOMPARE(canvas->slot(), 2);
    QCOMPARE(canvas->identifier(), identifier);
    QCOMPARE(canvas->geometry(), QRect(6, 50 + 10, 8, 4));
    QVERIFY(canvas->isVisible() || !f.editor().isVisible());
    const QImage image = shown(canvas);
    QCOMPARE(image.size(), QSize(8, 4));
    QCOMPARE(image.pixel(3, 3), Red); // sharp edge: no blend between the halves
    QCOMPARE(image.pixel(4, 0), Blue);
    QCOMPARE(f.prompts.messages.size(), 1);
    QCOMPARE(f.prompts.lastMessage(), QStringLiteral("These images are missing:\n\nBitmaps:gone.bmp\n"));
}

void TestPageRendering::masks_data()
{
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<bool>("maskStatus");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QString>("mask"); // "halves", "small", "unreadable"
    QTest::addColumn<int>("alphaAtRight");

    QTest::newRow("masked picture, masks on") << "PicM" << true << 1.0 << "halves" << 0;
    QTest::newRow("masked picture, masks off") << "PicM" << false << 1.0 << "halves" << 255;
    QTest::newRow("masked button at 150 %") << "BtM" << true << 1.5 << "halves" << 0;
    QTest::newRow("today indicator at 200 %") << "ToI" << true << 2.0 << "halves" << 0;
    QTest::newRow("lock icon, masks off") << "Lok" << false << 2.0 << "halves" << 255;
    QTest::newRow("trash icon, mask too small") << "Tra" << true << 1.0 << "small" << 255;
    QTest::newRow("unreadable mask") << "PicM" << true << 1.0 << "unreadable" << 255;
}

void TestPageRendering::masks()
{
    QFETCH(QString, identifier);
    QFETCH(bool, maskStatus);
    QFETCH(double, zoom);
    QFETCH(QString, mask);
    QFETCH(int, alphaAtRight);
    PageFixture f(zoom);
    f.view.setMaskStatus(maskStatus);
    QImage maskImage(4, 2, QImage::Format_RGB32);
    maskImage.fill(Qt::white);
    for (int y = 0; y < 2; ++y) {
        maskImage.setPixel(0, y, qRgb(0, 0, 0));
        maskImage.setPixel(1, y, qRgb(0, 0, 0));
    }
    if (mask == "small")
        maskImage = maskImage.copy(0, 0, 2, 2); // black, and nothing over the right half
    QByteArray maskPath = f.picture("m.bmp", maskImage);
    if (mask == "unreadable") {
        QFile file(f.dir.filePath("Bitmaps/bad.bmp"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a picture");
        maskPath = "Bitmaps:bad.bmp";
    }
    f.set(identifier, 0, pictureRecord(*ElementKinds::find(identifier), 0, 0, f.picture("p.bmp", halves()), maskPath));

    f.editor().PageAction();
    const QImage image = shown(pageList(f.editor(), identifier).value(0));
    QCOMPARE(image.size(), QSize(4, 2) * zoom);
    QCOMPARE(qAlpha(image.pixel(0, 0)), 255);
    QCOMPARE(QColor(image.pixel(0, 0)).rgb(), Red);
    QCOMPARE(qAlpha(image.pixel(image.width() - 1, image.height() - 1)), alphaAtRight);
    QVERIFY(f.prompts.messages.isEmpty()); // masks are never reported
}

void TestPageRendering::maskShades_data()
{
    QTest::addColumn<bool>("palette"); // an 8-bit mask with a colour table, else RGB32
    QTest::addColumn<int>("grey");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<int>("maskHeight"); // rows the mask covers of the picture's 2

    QTest::newRow("black, opaque") << false << 0 << 1 << 2;
    QTest::newRow("white, transparent") << false << 255 << 1 << 2;
    QTest::newRow("grey, half at 200 %") << false << 128 << 2 << 2;
    QTest::newRow("palette grey at 200 %") << true << 64 << 2 << 2;
    QTest::newRow("palette white") << true << 255 << 1 << 2;
    QTest::newRow("short mask leaves the bottom opaque") << false << 255 << 2 << 1;
}

// Every shade of a mask becomes the alpha of the premultiplied result, whether the mask
// is a palette or an RGB picture, at any zoom; rows below a short mask stay opaque.
void TestPageRendering::maskShades()
{
    QFETCH(bool, palette);
    QFETCH(int, grey);
    QFETCH(int, zoom);
    QFETCH(int, maskHeight);
    const QRgb colour = qRgb(200, 100, 50);
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(colour);
    QImage mask(2, maskHeight, QImage::Format_RGB32);
    mask.fill(qRgb(grey, grey, grey));
    if (palette)
        mask = mask.convertToFormat(QImage::Format_Indexed8);
    QCOMPARE(mask.format(), palette ? QImage::Format_Indexed8 : QImage::Format_RGB32);

    const QSize size = picture.size() * zoom;
    const QImage result = ElementPicture::masked(picture, mask, size, size);
    QCOMPARE(result.size(), size);
    const int alpha = 255 - qGray(grey, grey, grey);
    for (int y = 0; y < size.height(); ++y) {
        const bool covered = y / zoom < maskHeight;
        const QRgb expected = qPremultiply(qRgba(200, 100, 50, covered ? alpha : 255));
        for (int x = 0; x < size.width(); ++x)
            QCOMPARE(reinterpret_cast<const QRgb *>(result.constScanLine(y))[x], expected);
    }
}

void TestPageRendering::labels_data()
{
    QTest::addColumn<QByteArray>("align");
    QTest::addColumn<QByteArray>("bold");
    QTest::addColumn<QByteArray>("fontSize");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<bool>("isBold");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<QString>("text");

    QTest::newRow("left, plain") << QByteArray("1") << QByteArray("0") << QByteArray("12") << 1.0 << QByteArray("0")
                                 << int(Qt::AlignLeft) << false << 12 << "Hello";
    QTest::newRow("centred, bold, 150 %") << QByteArray("2") << QByteArray("1") << QByteArray("11") << 1.5
                                          << QByteArray("0") << int(Qt::AlignHCenter) << true << 17 << "Hello";
    QTest::newRow("right, 200 %, status") << QByteArray("3") << QByteArray("0") << QByteArray("10") << 2.0
                                          << QByteArray("2") << int(Qt::AlignRight) << false << 20 << "Status";
    QTest::newRow("align 0 is left") << QByteArray("0") << QByteArray("2") << QByteArray("9") << 1.0
                                     << QByteArray("3") << int(Qt::AlignLeft) << false << 9 << "5432 kb";
    QTest::newRow("font size 0") << QByteArray("1") << QByteArray("1") << QByteArray("0") << 1.0 << QByteArray("9")
                                 << int(Qt::AlignLeft) << true << 1 << "";
}

void TestPageRendering::labels()
{
    QFETCH(QByteArray, align);
    QFETCH(QByteArray, bold);
    QFETCH(QByteArray, fontSize);
    QFETCH(double, zoom);
    QFETCH(QByteArray, type);
    QFETCH(int, alignment);
    QFETCH(bool, isBold);
    QFETCH(int, pixelSize);
    QFETCH(QString, text);
    PageFixture f(zoom);
    f.set("Lab", 0, labelRecord(align, bold, fontSize, type));
    f.set("Lab", 1, labelRecord("2", "1", "8"));
    f.set("Lab", 2, {"1", "1", "1", "1", "", "8"}); // no font name: no label

    f.editor().PageAction();
    QCOMPARE(f.editor().Label1().size(), 2);
    const MyStaticText *label = f.editor().Label1()[0];
    QCOMPARE(label->slot(), 0);
    QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), alignment);
    QCOMPARE(label->font().bold(), isBold);
    QCOMPARE(label->font().pixelSize(), pixelSize);
    QCOMPARE(label->font().family(), QApplication::font().family());
    QCOMPARE(label->textColor(), QColor(0x99, 0x93, 0xf3));
    QCOMPARE(label->text(), text);
    const QRect expected(qRound(10 * zoom), f.editor().CanvasBorderTop + qRound(20 * zoom), qRound(60 * zoom),
                         qRound(20 * zoom));
    QCOMPARE(label->geometry(), expected);
    QVERIFY(f.editor().Label1()[1]->font().bold());
    // A screen reader names it as the editor does and reads what it shows.
    QAccessibleInterface *node = QAccessible::queryAccessibleInterface(f.editor().Label1()[0]);
    QCOMPARE(node->role(), QAccessible::StaticText);
    QCOMPARE(node->text(QAccessible::Name), QStringLiteral("Lab 0"));
    QCOMPARE(node->text(QAccessible::Description), text);
}

void TestPageRendering::todayColours_data()
{
    QTest::addColumn<QRgb>("source");
    QTest::addColumn<QRgb>("expected");
    // The skin's colours: text is the highlight key and the highlight is the selected-text
    // key, so a text pixel runs through all three rules.
    QTest::newRow("text runs through every rule") << ElementPicture::TextKey << qRgb(0, 255, 0);
    QTest::newRow("highlight becomes selected, then replaced") << ElementPicture::HighlightKey << qRgb(0, 255, 0);
    QTest::newRow("selected text") << ElementPicture::SelectedTextKey << qRgb(0, 255, 0);
    QTest::newRow("white becomes transparent") << qRgb(255, 255, 255) << QRgb(0);
    QTest::newRow("other colours stay") << qRgb(1, 2, 3) << qRgb(1, 2, 3);
}

void TestPageRendering::todayColours()
{
    QFETCH(QRgb, source);
    QFETCH(QRgb, expected);
    QImage top(1, 1, QImage::Format_RGB32);
    top.fill(source);
    QImage bottom(1, 1, QImage::Format_RGB32);
    bottom.fill(ElementPicture::SelectedTextKey);
    const ElementPicture::TodayColors colors{QColor(0x33, 0x88, 0xcc), QColor(0, 255, 0), QColor(0xe2, 0x13, 0x13)};

    const QImage view = ElementPicture::todayView(top, bottom, 3, 1.0, colors, 320);
    QCOMPARE(view.size(), QSize(1, 3));
    QCOMPARE(view.pixel(0, 0), expected);
    QCOMPARE(view.pixel(0, 1), QRgb(0)); // between the two pictures: white, so transparent
    QCOMPARE(view.pixel(0, 2), qRgb(0, 255, 0));
}

void TestPageRendering::todayPlacement_data()
{
    QTest::addColumn<QByteArray>("y");
    QTest::addColumn<QByteArray>("height");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("100 high at 200 %") << QByteArray("10") << QByteArray("100") << 2.0 << QRect(0, 50 + 20, 416, 200);
    QTest::newRow("fraction dropped at 150 %") << QByteArray("3") << QByteArray("33") << 1.5
                                               << QRect(0, 38 + 4, 312, 49);
    QTest::newRow("higher than the screen") << QByteArray("0") << QByteArray("100000") << 1.0
                                            << QRect(0, 25, 208, 320);
    QTest::newRow("negative height") << QByteArray("0") << QByteArray("-40") << 1.0 << QRect(0, 25, 0, 0);
}

void TestPageRendering::todayPlacement()
{
    QFETCH(QByteArray, y);
    QFETCH(QByteArray, height);
    QFETCH(double, zoom);
    QFETCH(QRect, geometry);
    PageFixture f(zoom);
    f.set("To", 0, {y, height, "222222", "E21313", "3388CC", "50"});

    f.editor().PageAction();
    QCOMPARE(f.editor().CanvasTo().size(), 1);
    QCOMPARE(f.editor().CanvasTo()[0]->geometry(), geometry);
    QCOMPARE(f.editor().CanvasTo()[0]->picture().size(), geometry.size());
}

void TestPageRendering::sizesFromFilesAreClamped_data()
{
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<QList<QByteArray>>("record");
    QTest::addColumn<QSize>("size");
    QTest::newRow("label wider than the screen")
        << "Lab" << QList<QByteArray>{"0", "0", "99999999999", "-5", "Tahoma", "99999", "000000", "1", "0", "0", "x"}
        << QSize(416, 0);
    QTest::newRow("picture far wider than the screen")
        << "Pic" << QList<QByteArray>{"2147483647", "-2147483648", "Bitmaps:wide.bmp"} << QSize(416, 8);
}

void TestPageRendering::sizesFromFilesAreClamped()
{
    QFETCH(QString, identifier);
    QFETCH(QList<QByteArray>, record);
    QFETCH(QSize, size);
    PageFixture f(2.0);
    f.picture("wide.bmp", halves(3000, 4));
    f.set(identifier, 0, record);

    f.editor().PageAction();
    QWidget *control = identifier == "Lab" ? static_cast<QWidget *>(f.editor().Label1().value(0))
                                           : f.editor().Canvas3().value(0);
    QVERIFY(control);
    QCOMPARE(control->size(), size);
    if (identifier == "Lab")
        QCOMPARE(f.editor().Label1()[0]->font().pixelSize(), 640);
    else
        QCOMPARE(f.editor().Canvas3()[0]->picture().size(), size);
}

void TestPageRendering::missingImagesMessage_data()
{
    QTest::addColumn<QByteArray>("background");
    QTest::addColumn<QString>("listed");
    QTest::newRow("missing button and background") << QByteArray("Bitmaps:nobg.bmp")
                                                   << "Bitmaps:nobg.bmp\nBitmaps:gone.bmp\nBitmaps:text.bmp\n";
    QTest::newRow("damaged background") << QByteArray("Bitmaps:cut.bmp")
                                        << "Bitmaps:cut.bmp\nBitmaps:gone.bmp\nBitmaps:text.bmp\n";
}

// One message per rebuild, naming missing and unreadable files alike.
void TestPageRendering::missingImagesMessage()
{
    QFETCH(QByteArray, background);
    QFETCH(QString, listed);
    PageFixture f;
    const QByteArray good = f.picture("good.bmp", halves());
    f.picture("cut.bmp", halves(200, 200));
    QFile cut(f.dir.filePath("Bitmaps/cut.bmp"));
    QVERIFY(cut.resize(cut.size() / 2));
    QFile text(f.dir.filePath("Bitmaps/text.bmp"));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("BM but nothing else");
    text.close();
    f.skin().BackgroundProperties[0] = background;
    const ElementKind &button = ElementKinds::get(KindId::Bt);
    f.set("Bt", 0, pictureRecord(button, 0, 0, good));
    f.set("Bt", 1, pictureRecord(button, 0, 0, "Bitmaps:gone.bmp"));
    f.set("Bt", 2, pictureRecord(button, 0, 0, "Bitmaps:text.bmp"));
    f.set("Bt", 3, pictureRecord(button, 0, 0, good));

    f.editor().PageAction();
    QCOMPARE(f.editor().Canvas1().size(), 2);
    QCOMPARE(f.editor().Canvas1()[1]->slot(), 3);
    QVERIFY(f.editor().Background->picture().isNull());
    QCOMPARE(f.prompts.messages.size(), 1);
    QCOMPARE(f.prompts.lastMessage(), QStringLiteral("These images are missing:\n\n") + listed);
    QCOMPARE(f.prompts.messages[0].icon, Prompts::Icon::Caution);

    f.editor().PageAction();
    QCOMPARE(f.prompts.messages.size(), 2);
    QCOMPARE(f.prompts.lastMessage(), f.prompts.messages[0].text);
}

void TestPageRendering::stackingAndSelection()
{
    PageFixture f;
    const QByteArray p = f.picture("p.bmp", halves());
    f.skin().BackgroundProperties[0] = f.picture("bg.bmp", halves(208, 276));
    for (const ElementKind &kind : ElementKinds::all()) {
        if (kind.surface == Surface::Page && kind.form == ElementForm::Picture)
            f.set(kind.identifierText(), 0, pictureRecord(kind, 0, 0, p));
    }
    f.set("Lab", 0, labelRecord("1", "0", "10"));
    f.set("To", 0, {"0", "50", "222222", "E21313", "3388CC", "50"});
    MainWindow &e = f.editor();
    f.document.setActiveCanvasIndex(4);

    e.PageAction();
    QCOMPARE(f.document.ActiveCanvasIndex(), -1);
    QCOMPARE(e.Background->picture().size(), QSize(208, 276));
    const QObjectList children = e.phoneView()->children();
    const QList<QObject *> bottomToTop{e.Background, e.Canvas3()[0], e.Canvas4()[0], e.Canvas1()[0], e.Canvas2()[0],
                                       e.Canvas5()[0], e.Canvas6()[0], e.Canvas7()[0], e.Label1()[0], e.CanvasTo()[0]};
    for (int i = 1; i < bottomToTop.size(); ++i)
        QVERIFY2(children.indexOf(bottomToTop[i - 1]) < children.indexOf(bottomToTop[i]), qPrintable(QString::number(i)));
}

void TestPageRendering::skinWithoutPages()
{
    PageFixture f;
    f.skin().PageProperties.clear();
    f.document.setActiveSurface(Surface::Popup);
    f.editor().PageAction();
    QVERIFY(!f.editor().Background);
    QVERIFY(f.document.isPopupActive());
}

QTEST_MAIN(TestPageRendering)
#include "tst_pagerendering.moc"
