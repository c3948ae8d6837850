#include "widgets/carbondeclares.h"

#include <QtTest>
#include <QWidget>

using CarbonDeclares::resizedGeometry;

class TestCarbonDeclares : public QObject
{
    Q_OBJECT

private slots:
    void resizedGeometryKeepsTheAnchor_data();
    void resizedGeometryKeepsTheAnchor();
    void smoothResizeLeavesTheWindowAtItsTarget_data();
    void smoothResizeLeavesTheWindowAtItsTarget();
    void setWindowModifiedMarksTheTitle();
};

void TestCarbonDeclares::resizedGeometryKeepsTheAnchor_data()
{
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QRect>("content");
    QTest::addColumn<QSize>("newSize");
    QTest::addColumn<int>("anchor");
    QTest::addColumn<QRect>("expectedFrame");
    QTest::addColumn<QPoint>("expectedContent");

    // A frame wider and taller than its content, so that mixing the two shows.
    // Edges: left 100, top 50, right 318, bottom 405. Growth: 104 wide, 160 high.
    const QRect frame(100, 50, 218, 355);
    const QRect content(105, 80, 208, 320);
    const QSize larger(312, 480);
    QTest::newRow("0 top-left") << frame << content << larger << 0 << QRect(100, 50, 322, 515) << QPoint(105, 80);
    QTest::newRow("1 top-right") << frame << content << larger << 1 << QRect(-4, 50, 322, 515) << QPoint(1, 80);
    QTest::newRow("2 bottom-left") << frame << content << larger << 2 << QRect(100, -110, 322, 515)
                                   << QPoint(105, -80);
    QTest::newRow("3 bottom-right") << frame << content << larger << 3 << QRect(-4, -110, 322, 515)
                                    << QPoint(1, -80);
    QTest::newRow("4 middle of top") << frame << content << larger << 4 << QRect(48, 50, 322, 515)
                                     << QPoint(53, 80);
    QTest::newRow("5 middle of left") << frame << content << larger << 5 << QRect(100, -30, 322, 515)
                                      << QPoint(105, 0);
    QTest::newRow("6 middle of bottom") << frame << content << larger << 6 << QRect(48, -110, 322, 515)
                                        << QPoint(53, -80);
    QTest::newRow("7 middle of right") << frame << content << larger << 7 << QRect(-4, -30, 322, 515)
                                       << QPoint(1, 0);

    // Half pixels are truncated toward zero, on each edge separately.
    const QRect narrow(100, 0, 208, 320);
    QTest::newRow("4 odd growth") << narrow << narrow << QSize(213, 320) << 4 << QRect(97, 0, 213, 320)
                                  << QPoint(97, 0);
    QTest::newRow("7 odd shrink") << narrow << narrow << QSize(208, 315) << 7 << QRect(100, 2, 208, 315)
                                  << QPoint(100, 2);
    const QRect aboveOrigin(0, -1, 208, 320);
    QTest::newRow("5 toward zero below the origin") << aboveOrigin << aboveOrigin << QSize(208, 325) << 5
                                                    << QRect(0, -3, 208, 324) << QPoint(0, -3);

    QTest::newRow("unknown anchor 8") << frame << content << larger << 8 << frame << content.topLeft();
    QTest::newRow("unknown anchor -1") << frame << content << larger << -1 << frame << content.topLeft();
}

void TestCarbonDeclares::resizedGeometryKeepsTheAnchor()
{
    QFETCH(QRect, frame);
    QFETCH(QRect, content);
    QFETCH(QSize, newSize);
    QFETCH(int, anchor);
    QFETCH(QRect, expectedFrame);
    QFETCH(QPoint, expectedContent);

    const CarbonDeclares::ResizedGeometry result = resizedGeometry(frame, content, newSize, anchor);
    QCOMPARE(result.frame, expectedFrame);
    QCOMPARE(result.contentTopLeft, expectedContent);
}

void TestCarbonDeclares::smoothResizeLeavesTheWindowAtItsTarget_data()
{
    QTest::addColumn<bool>("fixedSize");
    QTest::addColumn<int>("anchor");
    QTest::addColumn<QRect>("expected");

    QTest::newRow("resizable, top-left") << false << 0 << QRect(400, 300, 312, 480);
    QTest::newRow("resizable, bottom-right") << false << 3 << QRect(296, 140, 312, 480);
    QTest::newRow("fixed size, top-left") << true << 0 << QRect(400, 300, 312, 480);
    QTest::newRow("fixed size, middle of top") << true << 4 << QRect(348, 300, 312, 480);
}

void TestCarbonDeclares::smoothResizeLeavesTheWindowAtItsTarget()
{
    QFETCH(bool, fixedSize);
    QFETCH(int, anchor);
    QFETCH(QRect, expected);

    QWidget window;
    window.setGeometry(400, 300, 208, 320);
    if (fixedSize)
        window.setFixedSize(208, 320);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    CarbonDeclares::SmoothResize(&window, 312, 480, anchor);

    QCOMPARE(window.geometry(), expected);
    if (fixedSize) {
        QCOMPARE(window.minimumSize(), expected.size());
        QCOMPARE(window.maximumSize(), expected.size());
    }
}

void TestCarbonDeclares::setWindowModifiedMarksTheTitle()
{
    QWidget window;
    window.setWindowTitle(QStringLiteral("Demo[*]"));

    CarbonDeclares::SetWindowModified(&window, true);
    QVERIFY(window.isWindowModified());
    CarbonDeclares::SetWindowModified(&window, false);
    QVERIFY(!window.isWindowModified());
    CarbonDeclares::SetWindowModified(nullptr, true); // no window, nothing to mark
}

QTEST_MAIN(TestCarbonDeclares)
#include "tst_carbondeclares.moc"
