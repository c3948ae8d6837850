#include "document/validation.h"
#include "scriptedprompts.h"

#include <QTest>

class TestValidation : public QObject
{
    Q_OBJECT

private slots:
    void getErrorMessage_data();
    void getErrorMessage();
    void ValidateErrorMessage_data();
    void ValidateErrorMessage();
    void ErrorMessage();
    void checkBackgroundDimensions_data();
    void checkBackgroundDimensions();
};

void TestValidation::getErrorMessage_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");

    QTest::newRow("first") << 1 << "X-Coordinate";
    QTest::newRow("labeltext") << 11 << "Labeltext";
    QTest::newRow("deselected mask") << 15 << "Deselected Mask";
    QTest::newRow("title") << 20 << "Title";
    QTest::newRow("comment sentence") << 21 << "Comment can only be 50 signs!";
    QTest::newRow("zero") << 0 << "";
    QTest::newRow("past the table") << 22 << "";
    QTest::newRow("negative") << -1 << "";
}

void TestValidation::getErrorMessage()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(Validation::getErrorMessage(code), text);
}

void TestValidation::ValidateErrorMessage_data()
{
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QList<int>>("codesAfter");

    const QString heading = QStringLiteral("These Values are missing or wrong:\n\n");
    QTest::newRow("two names, padded") << QList<int>{20, 18, 0, 0} << heading + "\nTitle\nAuthor"
                                       << QList<int>{-1, -1, 0, 0};
    QTest::newRow("order kept, gaps skipped") << QList<int>{0, 3, -1, 1} << heading + "\nWidth\nX-Coordinate"
                                              << QList<int>{0, -1, -1, -1};
    QTest::newRow("comment sentence") << QList<int>{21} << heading + "\nComment can only be 50 signs!"
                                      << QList<int>{-1};
    QTest::newRow("nothing collected") << QList<int>{0, 0} << heading << QList<int>{0, 0};
}

void TestValidation::ValidateErrorMessage()
{
    QFETCH(QList<int>, codes);
    QFETCH(QString, message);
    QFETCH(QList<int>, codesAfter);

    ScriptedPrompts prompts;
    Validation::ValidateErrorMessage(codes, prompts);
    QCOMPARE(prompts.messages.size(), 1);
    QCOMPARE(prompts.messages.first().text, message);
    QCOMPARE(prompts.messages.first().icon, Prompts::Icon::Caution);
    QCOMPARE(codes, codesAfter);
}

void TestValidation::ErrorMessage()
{
    ScriptedPrompts prompts;
    Validation::ErrorMessage(QStringLiteral("These images are missing:"), QStringLiteral("Bitmaps:a.bmp\n"), prompts);
    QCOMPARE(prompts.messages.size(), 1);
    QCOMPARE(prompts.messages.first().text, QStringLiteral("These images are missing:\n\nBitmaps:a.bmp\n"));
    QCOMPARE(prompts.messages.first().icon, Prompts::Icon::Caution);
}

void TestValidation::checkBackgroundDimensions_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QByteArray>("fullscreen");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<QString>("message"); // empty: none shown

    const auto exactMessage = [](int w, int h, int limit) {
        return QStringLiteral("Wrong Picture size!\n\nWidth must be 208 is: %1\nHeight must be: %2 is: %3")
            .arg(w)
            .arg(limit)
            .arg(h);
    };
    const auto maxMessage = [](int w, int h, int limit) {
        return QStringLiteral("Wrong Picture size!\n\nWidth can max 208 is: %1\nHeight can max: %2 is: %3")
            .arg(w)
            .arg(limit)
            .arg(h);
    };

    QTest::newRow("exact, full screen") << 208 << 301 << "exact" << QByteArray("1") << true << "";
    QTest::newRow("exact, full screen, too low") << 208 << 276 << "exact" << QByteArray("1") << false
                                                 << exactMessage(208, 276, 301);
    QTest::newRow("exact, normal") << 208 << 276 << "exact" << QByteArray("0") << true << "";
    QTest::newRow("exact, complete screen") << 208 << 320 << "exact" << QByteArray("2") << true << "";
    QTest::newRow("exact, empty mode") << 208 << 276 << "exact" << QByteArray() << true << "";
    QTest::newRow("exact, unknown mode") << 208 << 301 << "exact" << QByteArray("9") << false
                                         << exactMessage(208, 301, 276);
    QTest::newRow("exact, too narrow") << 207 << 276 << "exact" << QByteArray("0") << false
                                       << exactMessage(207, 276, 276);
    QTest::newRow("exact, letter case ignored") << 208 << 320 << "EXACT" << QByteArray("2") << true << "";

    QTest::newRow("max, too wide") << 300 << 10 << "max" << QByteArray("0") << false << maxMessage(300, 10, 276);
    QTest::newRow("max, as high as the page") << 100 << 276 << "max" << QByteArray("0") << true << "";
    QTest::newRow("max, one pixel too high") << 100 << 277 << "max" << QByteArray("0") << false
                                             << maxMessage(100, 277, 276);
    QTest::newRow("max, full screen") << 208 << 301 << "max" << QByteArray("1") << true << "";
    QTest::newRow("max, no page area") << 208 << 320 << "Max" << QByteArray() << true << "";
    QTest::newRow("max, higher than the screen") << 1 << 321 << "max" << QByteArray() << false
                                                 << maxMessage(1, 321, 320);

    QTest::newRow("other mode") << 208 << 276 << "exactly" << QByteArray("0") << false << "";
}

void TestValidation::checkBackgroundDimensions()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QString, mode);
    QFETCH(QByteArray, fullscreen);
    QFETCH(bool, fits);
    QFETCH(QString, message);

    ScriptedPrompts prompts;
    QCOMPARE(Validation::checkBackgroundDimensions(width, height, mode, fullscreen, prompts), fits);
    QCOMPARE(prompts.lastMessage(), message);
    QCOMPARE(prompts.messages.size(), message.isEmpty() ? 0 : 1);
}

QTEST_GUILESS_MAIN(TestValidation)
#include "tst_validation.moc"
