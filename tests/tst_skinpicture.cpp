#include "document/skinpicture.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <functional>

namespace {

QImage sampleImage(QImage::Format format = QImage::Format_RGB32)
{
    QImage image(5, 3, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(40 * x, 80 * y, 200));
    }
    return image.convertToFormat(format);
}

QByteArray encoded(const QImage &image, const char *format = "BMP")
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QByteArray withUInt32(QByteArray bytes, int at, quint32 value)
{
    qToLittleEndian(value, bytes.data() + at);
    return bytes;
}

// An 8-bit run-length BMP, 4 x 2, whose second row of runs is cut off.
QByteArray truncatedRle8()
{
    QByteArray info(40, '\0');
    qToLittleEndian<quint32>(40, info.data());
    qToLittleEndian<qint32>(4, info.data() + 4);
    qToLittleEndian<qint32>(2, info.data() + 8);
    qToLittleEndian<quint16>(1, info.data() + 12);
    qToLittleEndian<quint16>(8, info.data() + 14);
    qToLittleEndian<quint32>(1, info.data() + 16);
    qToLittleEndian<quint32>(2, info.data() + 32); // colours used
    QByteArray palette;
    palette.append("\0\0\0\0", 4);           // 0: black
    palette.append("\xff\xff\xff\0", 4);     // 1: white
    const QByteArray runs("\x04\x01\x00\x00", 4); // bottom row: four white pixels, end of line
    QByteArray file("BM");
    file.append(QByteArray(12, '\0'));
    file.append(info).append(palette).append(runs);
    qToLittleEndian<quint32>(quint32(file.size()), file.data() + 2);
    qToLittleEndian<quint32>(14 + 40 + 8, file.data() + 10);
    return file;
}

} // namespace

class TestSkinPicture : public QObject
{
    Q_OBJECT

private slots:
    void readsOrRefuses_data();
    void readsOrRefuses();
    void missingFileIsRefused();
    void fixtures_data();
    void fixtures();
};

void TestSkinPicture::readsOrRefuses_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("readable");

    const QByteArray good = encoded(sampleImage());
    const quint32 pixelOffset = qFromLittleEndian<quint32>(good.constData() + 10);
    QTest::newRow("24-bit") << good << true;
    QTest::newRow("8-bit palette") << encoded(sampleImage(QImage::Format_Indexed8)) << true;
    QTest::newRow("top-down rows") << withUInt32(good, 22, quint32(-3)) << true;
    QTest::newRow("pixel data cut short") << good.left(good.size() - 4) << false;
    QTest::newRow("pixel offset past the end") << withUInt32(good, 10, quint32(good.size() + 8)) << false;
    QTest::newRow("pixel offset inside the header") << withUInt32(good, 10, 20) << false;
    QTest::newRow("wider than any screen") << withUInt32(good, 18, 5000) << false;
    QTest::newRow("height claiming gigabytes") << withUInt32(good, 22, 1u << 30) << false;
    QTest::newRow("zero width") << withUInt32(good, 18, 0) << false;
    QTest::newRow("unknown info header") << withUInt32(good, 14, 20) << false;
    QTest::newRow("unknown compression") << withUInt32(good, 30, 9) << false;
    QTest::newRow("header only") << good.left(int(pixelOffset)) << false;
    QTest::newRow("PNG named .bmp") << encoded(sampleImage(), "PNG") << false;
    QTest::newRow("text") << QByteArray("PAGE=0,\"home\"\n") << false;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("run-length rows cut short") << truncatedRle8() << true;
}

void TestSkinPicture::readsOrRefuses()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, readable);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("picture.bmp"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    QImage image;
    const Result result = SkinPicture::read(path, image);
    QCOMPARE(result.ok(), readable);
    QCOMPARE(image.isNull(), !readable);
    if (!readable) {
        QVERIFY2(result.text().contains(path), qPrintable(result.text()));
        return;
    }
    QVERIFY(image.width() <= SkinPicture::MaxSide);
    if (QTest::currentDataTag() == QByteArrayLiteral("run-length rows cut short")) {
        // What the runs did not reach is black, never left-over memory.
        QCOMPARE(image.pixel(0, 1), qRgb(255, 255, 255));
        QCOMPARE(image.pixel(0, 0), qRgb(0, 0, 0));
        return;
    }
    const QImage expected = sampleImage();
    QCOMPARE(image.size(), expected.size());
    const bool topDown = QTest::currentDataTag() == QByteArrayLiteral("top-down rows");
    const int row = topDown ? expected.height() - 1 : 0;
    QCOMPARE(image.pixel(4, 0) & 0xffffff, expected.pixel(4, row) & 0xffffff);
}

void TestSkinPicture::missingFileIsRefused()
{
    QImage image;
    const Result result = SkinPicture::read(QStringLiteral("/nonexistent/picture.bmp"), image);
    QVERIFY(!result.ok());
    QVERIFY(image.isNull());
    QVERIFY(result.text().contains(QLatin1String("cannot be opened")));
}

// Pictures written by a common image tool in every BMP flavour it produces, each good
// one next to the PNG it must decode to; a BMP without a PNG must be refused.
void TestSkinPicture::fixtures_data()
{
    QTest::addColumn<QString>("bmpPath");
    QTest::addColumn<QString>("expectedPath");
    const QString folder = QFINDTESTDATA("data/bmp");
    if (folder.isEmpty()) {
        QTest::newRow("no fixtures") << QString() << QString();
        return;
    }
    QDirIterator it(folder, {QStringLiteral("*.bmp")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString bmp = it.next();
        const QString png = bmp.left(bmp.size() - 4) + QStringLiteral(".expected.png");
        QTest::newRow(qPrintable(QDir(folder).relativeFilePath(bmp))) << bmp << (QFile::exists(png) ? png : QString());
    }
}

void TestSkinPicture::fixtures()
{
    QFETCH(QString, bmpPath);
    QFETCH(QString, expectedPath);
    if (bmpPath.isEmpty())
        QSKIP("no BMP fixtures");
    QImage image;
    const Result result = SkinPicture::read(bmpPath, image);
    if (expectedPath.isEmpty()) {
        QVERIFY2(!result.ok(), "a damaged picture was decoded");
        return;
    }
    QVERIFY2(result.ok(), qPrintable(result.text()));
    const QImage expected = QImage(expectedPath).convertToFormat(QImage::Format_ARGB32);
    const QImage actual = image.convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(actual.size(), expected.size());
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            if (actual.pixel(x, y) != expected.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2 differs").arg(x).arg(y)));
        }
    }
}

QTEST_GUILESS_MAIN(TestSkinPicture)
#include "tst_skinpicture.moc"
