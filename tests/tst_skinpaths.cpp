#include "document/skinpaths.h"

#include <QtTest>

// A skin folder beside an "outside" folder, with links that lead out of the skin and
// back into it.
class TestSkinPaths : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void hostPath_data();
    void hostPath();
    void checkWritableFile_data();
    void checkWritableFile();
    void staysInside_data();
    void staysInside();

private:
    // Not QTemporaryDir::filePath(), which would clean away the ".." of a row.
    QString path(const QString &relative) const { return m_root.path() + QLatin1Char('/') + relative; }

    QTemporaryDir m_root;
};

void TestSkinPaths::initTestCase()
{
    QVERIFY(m_root.isValid());
    QDir root(m_root.path());
    QVERIFY(root.mkpath(QStringLiteral("skin/Bitmaps")));
    QVERIFY(root.mkpath(QStringLiteral("skinX")));
    QVERIFY(root.mkpath(QStringLiteral("outside")));
    QFile page(path(QStringLiteral("skin/page")));
    QVERIFY(page.open(QIODevice::WriteOnly));
    QVERIFY(QFile::link(path(QStringLiteral("outside")), path(QStringLiteral("skin/linkout"))));
    QVERIFY(QFile::link(path(QStringLiteral("outside/not_yet")), path(QStringLiteral("skin/dangling"))));
    QVERIFY(QFile::link(QStringLiteral("Bitmaps"), path(QStringLiteral("skin/linkin"))));
    QVERIFY(QFile::link(path(QStringLiteral("skin/loop")), path(QStringLiteral("skin/loop"))));
    QVERIFY(QFile::link(path(QStringLiteral("skin")), path(QStringLiteral("skinlink"))));
}

void TestSkinPaths::hostPath_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QByteArray>("modelPath");
    QTest::addColumn<QString>("expected");
    QTest::newRow("colon becomes slash") << "/s/" << QByteArray("Bitmaps:a.bmp") << "/s/Bitmaps/a.bmp";
    QTest::newRow("folder without slash") << "/s" << QByteArray("page_1") << "/s/page_1";
    QTest::newRow("bytes decoded as file names") << "/s/" << QByteArray("caf\xc3\xa9") << QString::fromUtf8("/s/café");
}

void TestSkinPaths::hostPath()
{
    QFETCH(QString, folder);
    QFETCH(QByteArray, modelPath);
    QFETCH(QString, expected);
    QCOMPARE(SkinPaths::hostPath(folder, modelPath), expected);
}

void TestSkinPaths::checkWritableFile_data()
{
    QTest::addColumn<QByteArray>("modelPath");
    QTest::addColumn<QString>("reason"); // a part of the reason; empty when safe
    QTest::newRow("existing file") << QByteArray("page") << QString();
    QTest::newRow("new file") << QByteArray("page_7") << QString();
    QTest::newRow("through a link that stays inside") << QByteArray("linkin:new.bmp") << QString();
    QTest::newRow("dot component") << QByteArray(".:page") << QString();
    QTest::newRow("empty") << QByteArray() << "empty";
    QTest::newRow("absolute") << QByteArray(":etc:passwd") << "absolute";
    QTest::newRow("climbs out") << QByteArray("..:outside:x") << "\"..\"";
    QTest::newRow("climbs out and back") << QByteArray("Bitmaps:..:..:skin:page") << "\"..\"";
    QTest::newRow("folder") << QByteArray("Bitmaps") << "folder";
    QTest::newRow("folder with separator") << QByteArray("Bitmaps:") << "folder";
    QTest::newRow("the skin folder itself") << QByteArray(".") << "folder";
    QTest::newRow("link to a folder outside") << QByteArray("linkout:victim") << "outside";
    QTest::newRow("dangling link to outside") << QByteArray("dangling") << "outside";
    QTest::newRow("link loop") << QByteArray("loop") << "outside";
}

void TestSkinPaths::checkWritableFile()
{
    QFETCH(QByteArray, modelPath);
    QFETCH(QString, reason);
    const Result found = SkinPaths::checkWritableFile(path(QStringLiteral("skin/")), modelPath);
    QCOMPARE(found.ok(), reason.isEmpty());
    QVERIFY2(found.text().contains(reason), qPrintable(found.text()));
}

void TestSkinPaths::staysInside_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("inside");
    QTest::newRow("file in folder") << "skin" << "skin/page" << true;
    QTest::newRow("not yet existing file") << "skin" << "skin/new/deeper" << true;
    QTest::newRow("folder itself") << "skin" << "skin" << false;
    QTest::newRow("sibling sharing the name's start") << "skin" << "skinX/file" << false;
    QTest::newRow("folder named through a link") << "skinlink" << "skin/page" << true;
    QTest::newRow("dot-dot after a link leaves from the target") << "skin" << "skin/linkout/../page" << false;
    QTest::newRow("dot-dot inside") << "skin" << "skin/Bitmaps/../page" << true;
}

void TestSkinPaths::staysInside()
{
    QFETCH(QString, folder);
    QFETCH(QString, file);
    QFETCH(bool, inside);
    QCOMPARE(SkinPaths::staysInside(path(folder), path(file)), inside);
}

QTEST_GUILESS_MAIN(TestSkinPaths)
#include "tst_skinpaths.moc"
