#include "prefs/recentfiles.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// Skins "s0" … in folders of their own: skin n is "<folder n>/<file n>".
QString pathOf(const QString &name, int folder)
{
    return QStringLiteral("/skins/%1/%2").arg(folder).arg(name);
}

QStringList captions(const RecentFiles &recent)
{
    QStringList shown;
    for (const RecentFiles::Entry &entry : recent.entries())
        shown << entry.caption();
    return shown;
}

} // namespace

class TestRecentFiles : public QObject
{
    Q_OBJECT

private slots:
    void opening_data();
    void opening();
    void equalNamesShowTheirPaths();
    void damagedEntriesArePassedOver();
    void theListSurvivesARestart();
};

void TestRecentFiles::opening_data()
{
    QTest::addColumn<int>("listed");       // skins a0 … listed before, a0 most recent
    QTest::addColumn<QString>("opened");   // a listed one or a new one
    QTest::addColumn<QStringList>("after");
    QTest::newRow("the first skin") << 0 << "new" << QStringList{"new"};
    QTest::newRow("entry 2 moves to the top") << 5 << "a2" << QStringList{"a2", "a0", "a1", "a3", "a4"};
    QTest::newRow("the top one stays") << 3 << "a0" << QStringList{"a0", "a1", "a2"};
    QTest::newRow("a sixth skin drops the oldest") << 5 << "new" << QStringList{"new", "a0", "a1", "a2", "a3"};
}

void TestRecentFiles::opening()
{
    QFETCH(int, listed);
    QFETCH(QString, opened);
    QFETCH(QStringList, after);
    QTemporaryDir dir;
    BPrefs prefs(dir.filePath(QStringLiteral("prefs")));
    RecentFiles recent(prefs);
    for (int n = listed - 1; n >= 0; --n) {
        const QString name = QStringLiteral("a%1").arg(n);
        QVERIFY(recent.add(name, pathOf(name, n)).ok());
    }
    QCOMPARE(recent.hasEntries(), listed > 0);

    const int folder = opened == QLatin1String("new") ? 99 : opened.mid(1).toInt();
    QVERIFY(recent.add(opened, pathOf(opened, folder)).ok());
    QCOMPARE(captions(recent), after);
    QVERIFY(recent.hasEntries());
    QCOMPARE(recent.path(0), pathOf(opened, folder));
}

// Two skins whose main files share a name are told apart by their paths; a third one
// with a name of its own keeps its name.
void TestRecentFiles::equalNamesShowTheirPaths()
{
    QTemporaryDir dir;
    BPrefs prefs(dir.filePath(QStringLiteral("prefs")));
    RecentFiles recent(prefs);
    QVERIFY(recent.add(QStringLiteral("skin.txt"), QStringLiteral("/a/skin.txt")).ok());
    QVERIFY(recent.add(QStringLiteral("other.txt"), QStringLiteral("/b/other.txt")).ok());
    QVERIFY(recent.add(QStringLiteral("SKIN.txt"), QStringLiteral("/c/SKIN.txt")).ok());
    QCOMPARE(captions(recent), (QStringList{"/c/SKIN.txt", "other.txt", "/a/skin.txt"}));
    QCOMPARE(prefs.Value(QStringLiteral("recent_2_counter")).toInt(), 1);
}

// A store from elsewhere or an older program may hold anything under these keys.
void TestRecentFiles::damagedEntriesArePassedOver()
{
    QTemporaryDir dir;
    BPrefs prefs(dir.filePath(QStringLiteral("prefs")));
    prefs.setValue(QStringLiteral("recent_0"), 42);
    prefs.setValue(QStringLiteral("recent_0_path"), QStringLiteral("/x/a"));
    prefs.setValue(QStringLiteral("recent_1"), QStringLiteral("b"));
    prefs.setValue(QStringLiteral("recent_2"), QStringLiteral("c"));
    prefs.setValue(QStringLiteral("recent_2_path"), QStringLiteral("/x/c"));
    prefs.setValue(QStringLiteral("recent_2_counter"), QStringLiteral("three"));
    prefs.setValue(QStringLiteral("recent_3"), QVariant::fromValue(BDictionary::Text{"d\xe9", 0}));
    prefs.setValue(QStringLiteral("recent_3_path"), QStringLiteral("/x/d"));
    RecentFiles recent(prefs);

    const QList<RecentFiles::Entry> entries = recent.entries();
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries.at(0).index, 2);
    QCOMPARE(entries.at(0).counter, 0);
    QCOMPARE(prefs.Value(QStringLiteral("recent_2_counter")), QVariant(0));
    QCOMPARE(entries.at(1).fileName, QStringLiteral("d\u00e9"));

    QVERIFY(recent.add(QStringLiteral("e"), QStringLiteral("/x/e")).ok());
    QCOMPARE(captions(recent), (QStringList{"e", "c", "d\u00e9"}));
}

void TestRecentFiles::theListSurvivesARestart()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("prefs"));
    {
        BPrefs prefs(file);
        RecentFiles recent(prefs);
        QVERIFY(recent.add(QStringLiteral("a"), QStringLiteral("/x/a")).ok());
        QVERIFY(recent.add(QStringLiteral("b"), QStringLiteral("/x/b")).ok());
    }
    BPrefs prefs(file);
    QCOMPARE(captions(RecentFiles(prefs)), (QStringList{"b", "a"}));
}

QTEST_GUILESS_MAIN(TestRecentFiles)
#include "tst_recentfiles.moc"
