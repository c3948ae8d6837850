#include "document/colortext.h"
#include "document/mapping.h"
#include "document/numbertext.h"
#include "document/zoom.h"

#include <QTest>

#include <limits>

// The small conversion tables of the skin model: command codes, label texts, numbers
// in text, zoom arithmetic and the colour text form.
class TestMapping : public QObject
{
    Q_OBJECT

private slots:
    void mappCommand_data();
    void mappCommand();
    void everyPositionMapsBack();
    void mappLabel_data();
    void mappLabel();
    void val_data();
    void val();
    void getRoundZoomValue_data();
    void getRoundZoomValue();
    void setRoundZoomValue_data();
    void setRoundZoomValue();
    void zoomRoundTripsEveryScreenPixel();
    void string2color_data();
    void string2color();
    void color2string();
};

void TestMapping::mappCommand_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("toPosition");
    QTest::addColumn<int>("result");

    QTest::newRow("show popup to position") << 110 << true << 4;
    QTest::newRow("position to show popup") << 4 << false << 110;
    QTest::newRow("unknown code") << 105 << true << -1;
    QTest::newRow("last position") << 35 << false << 414;
    QTest::newRow("first position") << 0 << false << 101;
    QTest::newRow("last code") << 414 << true << 35;
    QTest::newRow("position past the list") << 36 << false << -1;
    QTest::newRow("negative position") << -1 << false << -1;
    QTest::newRow("smallest int position") << std::numeric_limits<int>::min() << false << -1;
    QTest::newRow("largest int position") << std::numeric_limits<int>::max() << false << -1;
}

void TestMapping::mappCommand()
{
    QFETCH(int, value);
    QFETCH(bool, toPosition);
    QFETCH(int, result);
    QCOMPARE(Mapping::mappCommand(value, toPosition), result);
}

void TestMapping::everyPositionMapsBack()
{
    // A code listed twice would send the element dialog to the wrong caption.
    for (int position = 0; position < Mapping::CommandCount; ++position)
        QCOMPARE(Mapping::mappCommand(Mapping::mappCommand(position, false), true), position);
    QCOMPARE(Mapping::commandCaption(4), QStringLiteral("Show popup"));
    QCOMPARE(Mapping::commandCaption(28), QStringLiteral("Switch from complete screen to full screen"));
    QVERIFY(Mapping::commandCaption(36).isEmpty());
}

void TestMapping::mappLabel_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QTime>("now");
    QTest::addColumn<QByteArray>("shown");

    const QTime morning(9, 5, 59);
    QTest::newRow("custom text") << QByteArray("0") << QByteArray("Hello") << morning << QByteArray("Hello");
    QTest::newRow("custom text, empty") << QByteArray("0") << QByteArray() << morning << QByteArray();
    QTest::newRow("time, two digits each") << QByteArray("1") << QByteArray("x") << morning << QByteArray("09:05");
    QTest::newRow("time, evening") << QByteArray("1") << QByteArray() << QTime(23, 59) << QByteArray("23:59");
    QTest::newRow("status") << QByteArray("2") << QByteArray("x") << morning << QByteArray("Status");
    QTest::newRow("free memory") << QByteArray("3") << QByteArray("x") << morning << QByteArray("5432 kb");
    QTest::newRow("free C") << QByteArray("4") << QByteArray("x") << morning << QByteArray("12345 kb");
    QTest::newRow("free D as free C") << QByteArray("5") << QByteArray("x") << morning << QByteArray("12345 kb");
    QTest::newRow("date") << QByteArray("6") << QByteArray("x") << morning << QByteArray("Date");
    QTest::newRow("unknown type") << QByteArray("7") << QByteArray("x") << morning << QByteArray();
    QTest::newRow("empty type") << QByteArray() << QByteArray("x") << morning << QByteArray();
    QTest::newRow("type compared as text") << QByteArray("02") << QByteArray("x") << morning << QByteArray();
}

void TestMapping::mappLabel()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, text);
    QFETCH(QTime, now);
    QFETCH(QByteArray, shown);
    QCOMPARE(Mapping::mappLabel(type, text, now), shown);
}

void TestMapping::val_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("value");

    constexpr int Max = std::numeric_limits<int>::max();
    constexpr int Min = std::numeric_limits<int>::min();
    QTest::newRow("number") << QByteArray("25") << 25;
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("no number") << QByteArray("abc") << 0;
    QTest::newRow("leading number only") << QByteArray("12px") << 12;
    QTest::newRow("negative") << QByteArray("-7") << -7;
    QTest::newRow("leading blank") << QByteArray(" 42") << 42;
    QTest::newRow("largest int") << QByteArray("2147483647") << Max;
    QTest::newRow("smallest int") << QByteArray("-2147483648") << Min;
    QTest::newRow("one past the largest") << QByteArray("2147483648") << Max;
    QTest::newRow("far too large") << QByteArray("99999999999999999999999") << Max;
    QTest::newRow("far too small") << QByteArray("-99999999999999999999999") << Min;
}

void TestMapping::val()
{
    QFETCH(QByteArray, text);
    QFETCH(int, value);
    QCOMPARE(NumberText::val(text), value);
}

void TestMapping::getRoundZoomValue_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("offset");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<int>("windowPixels");

    QTest::newRow("half rounds up") << QByteArray("25") << QByteArray() << 1.5 << 38;
    QTest::newRow("negative half rounds down") << QByteArray("-25") << QByteArray() << 1.5 << -38;
    QTest::newRow("100 %") << QByteArray("25") << QByteArray() << 1.0 << 25;
    QTest::newRow("200 %") << QByteArray("25") << QByteArray() << 2.0 << 50;
    QTest::newRow("with offset") << QByteArray("10") << QByteArray("5") << 1.5 << 23;
    QTest::newRow("no number") << QByteArray("x") << QByteArray() << 2.0 << 0;
    QTest::newRow("saturates") << QByteArray("2147483647") << QByteArray("2147483647") << 2.0
                               << std::numeric_limits<int>::max();
}

void TestMapping::getRoundZoomValue()
{
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, offset);
    QFETCH(double, zoom);
    QFETCH(int, windowPixels);
    QCOMPARE(Zoom::getRoundZoomValue(value, offset, zoom), windowPixels);
}

void TestMapping::setRoundZoomValue_data()
{
    QTest::addColumn<int>("windowPixels");
    QTest::addColumn<QByteArray>("offset");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QByteArray>("value");

    QTest::newRow("150 %") << 38 << QByteArray() << 1.5 << QByteArray("25");
    QTest::newRow("150 %, between") << 37 << QByteArray() << 1.5 << QByteArray("25");
    QTest::newRow("half rounds up") << 75 << QByteArray() << 2.0 << QByteArray("38");
    QTest::newRow("negative half rounds down") << -75 << QByteArray() << 2.0 << QByteArray("-38");
    QTest::newRow("with offset") << 50 << QByteArray("5") << 2.0 << QByteArray("20");
}

void TestMapping::setRoundZoomValue()
{
    QFETCH(int, windowPixels);
    QFETCH(QByteArray, offset);
    QFETCH(double, zoom);
    QFETCH(QByteArray, value);
    QCOMPARE(Zoom::setRoundZoomValue(windowPixels, offset, zoom), value);
}

void TestMapping::zoomRoundTripsEveryScreenPixel()
{
    // Dropping an element where it was must not move it.
    for (double zoom : {1.0, 1.5, 2.0}) {
        for (int pixel = -320; pixel <= 320; ++pixel) {
            const QByteArray text = QByteArray::number(pixel);
            QCOMPARE(Zoom::setRoundZoomValue(Zoom::getRoundZoomValue(text, {}, zoom), {}, zoom), text);
        }
    }
}

void TestMapping::string2color_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QColor>("color");

    QTest::newRow("upper case") << QByteArray("9993F3") << QColor(0x99, 0x93, 0xF3);
    QTest::newRow("lower case") << QByteArray("0aff10") << QColor(0x0A, 0xFF, 0x10);
    QTest::newRow("empty") << QByteArray() << QColor(0, 0, 0);
    QTest::newRow("not hex") << QByteArray("GGHHII") << QColor(0, 0, 0);
    QTest::newRow("too short") << QByteArray("12") << QColor(0x12, 0, 0);
}

void TestMapping::string2color()
{
    QFETCH(QByteArray, text);
    QFETCH(QColor, color);
    QCOMPARE(ColorText::string2color(text), color);
}

void TestMapping::color2string()
{
    QCOMPARE(ColorText::color2string(QColor(0x0A, 0xB0, 0x0C)), QByteArray("0AB00C"));
    QCOMPARE(ColorText::color2string(QColor(0, 0, 0)), QByteArray("000000"));
    QCOMPARE(ColorText::color2string(ColorText::string2color("9993f3")), QByteArray("9993F3"));
}

QTEST_GUILESS_MAIN(TestMapping)
#include "tst_mapping.moc"
