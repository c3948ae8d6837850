#include "prefs/bdictionary.h"

#include <QPoint>
#include <QTest>
#include <QtEndian>

using BDictionary::Dictionary;

namespace {

Dictionary dictionaryOf(std::initializer_list<std::pair<QString, QVariant>> entries)
{
    Dictionary dictionary;
    for (const auto &[key, value] : entries)
        dictionary.insert(key, value);
    return dictionary;
}

QByteArray be32(quint32 value)
{
    const quint32 bigEndian = qToBigEndian(value);
    return QByteArray(reinterpret_cast<const char *>(&bigEndian), 4);
}

// A dictionary block with a hand-made table, for blocks no writer would produce.
QByteArray dictionaryBlock(const QList<quint32> &offsets, const QByteArray &items)
{
    QByteArray block = QByteArray::fromHex("005B");
    for (quint32 offset : offsets)
        block += be32(offset);
    return block + items;
}

const QByteArray keyA = QByteArray::fromHex("00080800010061"); // text "a", 7 bytes
const QByteArray keyB = QByteArray::fromHex("00080800010062"); // text "b", 7 bytes
const QByteArray five = QByteArray::fromHex("000200000005");   // integer 5, 6 bytes

QByteArray nestedSample()
{
    Dictionary inner = dictionaryOf({{"x", 1}, {"y", QStringLiteral("why")}});
    return BDictionary::Convert(
        dictionaryOf({{"first", 7}, {"inner", QVariant::fromValue(inner)}, {"last", QByteArray("\x01\x02", 2)}}));
}

int nestingDepth(const Dictionary &dictionary)
{
    int depth = 0;
    for (const Dictionary::Entry &entry : dictionary.entries()) {
        if (entry.value.metaType() == QMetaType::fromType<Dictionary>())
            depth = qMax(depth, 1 + nestingDepth(entry.value.value<Dictionary>()));
    }
    return depth;
}

} // namespace

class TestBDictionary : public QObject
{
    Q_OBJECT

private slots:
    void oneEntryExample();
    void writesExactBytes_data();
    void writesExactBytes();
    void roundTripsEveryKind_data();
    void roundTripsEveryKind();
    void foreignTextsKeepTheirBytes_data();
    void foreignTextsKeepTheirBytes();
    void nestedDictionaryInTheMiddle();
    void refusesKindsWithoutTypeCode();
    void keysIgnoreLetterCase();
    void encipherRoundTrip_data();
    void encipherRoundTrip();
    void encipherRule();
    void encryptionKey();
    void hostileBlocks_data();
    void hostileBlocks();
    void everyTruncationAndByteChangeIsSafe();
    void deepNestingIsCut();
};

void TestBDictionary::oneEntryExample()
{
    const QByteArray expected = QByteArray::fromHex("005B0000000A0000001100080800010061000200000005");
    const Dictionary dictionary = dictionaryOf({{"a", 5}});
    QCOMPARE(BDictionary::Convert(dictionary), expected);
    QCOMPARE(expected.size(), 23);
    QCOMPARE(BDictionary::Convert(expected), dictionary);
}

void TestBDictionary::writesExactBytes_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("negative integer") << QVariant(-2) << QByteArray::fromHex("0002FFFFFFFE");
    QTest::newRow("double") << QVariant(1.5) << QByteArray::fromHex("00053FF8000000000000");
    QTest::newRow("date") << QVariant(QDateTime(QDate(2024, 2, 29), QTime(13, 5, 9)))
                          << QByteArray::fromHex("0007") + "2024-02-29 13:05:09";
    QTest::newRow("non-ASCII text counts bytes")
        << QVariant(QStringLiteral("Gr\u00fc\u00dfe \u2713"))
        << QByteArray::fromHex("000808000100") + QStringLiteral("Gr\u00fc\u00dfe \u2713").toUtf8();
    QTest::newRow("true") << QVariant(true) << QByteArray::fromHex("000B01");
    QTest::newRow("false") << QVariant(false) << QByteArray::fromHex("000B00");
    QTest::newRow("colour") << QVariant(QColor(0x99, 0x93, 0xF3)) << QByteArray::fromHex("00109993F3");
    QTest::newRow("nil") << QVariant() << QByteArray::fromHex("0033");
    QTest::newRow("byte block with zeros") << QVariant(QByteArray("\0\x7f\0", 3)) << QByteArray::fromHex("0047007F00");
    QTest::newRow("empty dictionary") << QVariant::fromValue(Dictionary()) << QByteArray::fromHex("005B");
    QTest::newRow("file location") << QVariant(QUrl(QStringLiteral("file:///a"))) << QByteArray::fromHex("017D")
            + "file:///a";
}

void TestBDictionary::writesExactBytes()
{
    QFETCH(QVariant, value);
    QFETCH(QByteArray, bytes);
    QCOMPARE(BDictionary::VariantData(value).toHex(), bytes.toHex());
}

void TestBDictionary::roundTripsEveryKind_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QVariant>("expected");

    const auto same = [](const char *name, const QVariant &value) { QTest::newRow(name) << value << value; };
    same("integer", 5);
    same("smallest integer", std::numeric_limits<qint32>::min());
    same("largest integer", std::numeric_limits<qint32>::max());
    same("double", -1234.0625);
    same("date", QDateTime(QDate(1999, 12, 31), QTime(23, 59, 58)));
    same("text", QStringLiteral("recent skin.txt"));
    same("empty text", QString(""));
    same("non-ASCII text", QStringLiteral("\u00c4rger \u65e5\u672c \U0001F600"));
    same("true", true);
    same("false", false);
    same("colour", QColor(1, 2, 3));
    same("nil", QVariant());
    same("byte block", QByteArray("\xff\0\x5b\x00", 4));
    same("empty byte block", QByteArray());
    same("file location", QUrl::fromLocalFile(QStringLiteral("/home/u/My Skin/main.txt")));
    same("Latin-1 text kept as bytes", QVariant::fromValue(BDictionary::Text{"Gr\xfc\xdf", 0x0201}));
    same("nested dictionary",
         QVariant::fromValue(dictionaryOf({{"n", 1}, {"inner", QVariant::fromValue(dictionaryOf({{"t", "x"}}))}})));
    QTest::newRow("64-bit integer in range") << QVariant(qlonglong(-7)) << QVariant(-7);
    QTest::newRow("unsigned in range") << QVariant(uint(7)) << QVariant(7);
    QTest::newRow("float") << QVariant(0.5f) << QVariant(0.5);
    QTest::newRow("null pointer") << QVariant::fromValue(nullptr) << QVariant();
}

void TestBDictionary::roundTripsEveryKind()
{
    QFETCH(QVariant, value);
    QFETCH(QVariant, expected);

    QCOMPARE(BDictionary::ToVariant(BDictionary::VariantData(value)), expected);
    // Inside a dictionary, as the last entry and followed by another one.
    const Dictionary alone = dictionaryOf({{"k", value}});
    const Dictionary followed = dictionaryOf({{"k", value}, {"after", 1}});
    QCOMPARE(BDictionary::Convert(BDictionary::Convert(alone)).value("k"), expected);
    const Dictionary back = BDictionary::Convert(BDictionary::Convert(followed));
    QCOMPARE(back.value("k"), expected);
    QCOMPARE(back.value("after"), QVariant(1));
}

void TestBDictionary::foreignTextsKeepTheirBytes_data()
{
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<QString>("text");

    QTest::newRow("Latin-1") << QByteArray::fromHex("000800000201") + "Gr\xfc\xdf" << QStringLiteral("Gr\u00fc\u00df");
    QTest::newRow("UTF-16") << QByteArray::fromHex("000800000100004100E9") << QStringLiteral("A\u00e9");
    QTest::newRow("broken UTF-8") << QByteArray::fromHex("000808000100") + "a\xff" << QStringLiteral("a\ufffd");
}

void TestBDictionary::foreignTextsKeepTheirBytes()
{
    QFETCH(QByteArray, block);
    QFETCH(QString, text);

    const QVariant value = BDictionary::ToVariant(block);
    QCOMPARE(value.toString(), text);
    QCOMPARE(BDictionary::VariantData(value).toHex(), block.toHex());
}

void TestBDictionary::nestedDictionaryInTheMiddle()
{
    const Dictionary deepest = dictionaryOf({{"z", true}});
    const Dictionary inner = dictionaryOf({{"a", 1}, {"deeper", QVariant::fromValue(deepest)}, {"b", "bee"}});
    const Dictionary outer = dictionaryOf({{"first", 1}, {"inner", QVariant::fromValue(inner)}, {"last", "end"}});

    const Dictionary back = BDictionary::Convert(BDictionary::Convert(outer));
    QCOMPARE(back, outer);
    QCOMPARE(back.value("inner").value<Dictionary>().value("deeper").value<Dictionary>().value("z"), QVariant(true));
}

void TestBDictionary::refusesKindsWithoutTypeCode()
{
    QVERIFY(BDictionary::VariantData(QPoint(1, 2)).isEmpty());
    QVERIFY(BDictionary::VariantData(qlonglong(1) << 40).isEmpty());
    QVERIFY(BDictionary::VariantData(qulonglong(1) << 31).isEmpty());

    const Dictionary mixed = dictionaryOf({{"point", QPoint(1, 2)}, {"kept", 3}});
    QCOMPARE(BDictionary::Convert(BDictionary::Convert(mixed)), dictionaryOf({{"kept", 3}}));
}

void TestBDictionary::keysIgnoreLetterCase()
{
    Dictionary dictionary = dictionaryOf({{"Recent_0", "one"}, {"other", 2}});
    QVERIFY(dictionary.contains("RECENT_0"));
    dictionary.insert("recent_0", "two");
    QCOMPARE(dictionary.size(), 2);
    QCOMPARE(dictionary.entries().first().key, QStringLiteral("Recent_0"));
    QCOMPARE(dictionary.value("rEcEnT_0"), QVariant("two"));

    QVERIFY(dictionary.remove("RECENT_0"));
    QVERIFY(!dictionary.remove("recent_0"));
    QCOMPARE(dictionary.value("Other"), QVariant(2));
    QVERIFY(!dictionary.value("recent_0").isValid());
}

void TestBDictionary::encipherRoundTrip_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::newRow("empty key") << QByteArray();
    QTest::newRow("short key") << QByteArray("abc");
    QTest::newRow("twelve bytes or more") << QByteArray("a longer key text");
    QTest::newRow("64 bytes") << QByteArray(64, '\x81');
    QTest::newRow("store key") << QByteArray(65, '\x02');
}

void TestBDictionary::encipherRoundTrip()
{
    QFETCH(QByteArray, key);
    QByteArray data;
    for (int i = 0; i < 300; ++i)
        data.append(char(i * 37));

    const QByteArray enciphered = BDictionary::Encrypt(data, key);
    QCOMPARE(enciphered.size(), data.size());
    QVERIFY(enciphered != data);
    QCOMPARE(BDictionary::Decrypt(enciphered, key), data);
    QCOMPARE(BDictionary::Encrypt(QByteArray(), key), QByteArray());
}

void TestBDictionary::encipherRule()
{
    // Odd key bytes add, even ones subtract, zero leaves the byte; the key repeats.
    QByteArray key(64, '\0');
    key[1] = 1;
    key[2] = 2;
    key[3] = char(255);
    QByteArray data = QByteArray::fromHex("0A0A0A01");
    data += QByteArray(60, '\x10') + QByteArray::fromHex("0A0A");

    QByteArray expected = QByteArray::fromHex("0A0B0800");
    expected += QByteArray(60, '\x10') + QByteArray::fromHex("0A0B");
    QCOMPARE(BDictionary::Encrypt(data, key).toHex(), expected.toHex());
}

void TestBDictionary::encryptionKey()
{
    const QByteArray longKey(70, 'k');
    QCOMPARE(BDictionary::EncryptionKey(longKey), longKey);
    QCOMPARE(BDictionary::EncryptionKey("abc").size(), 64);
    QCOMPARE(BDictionary::EncryptionKey("abc"), BDictionary::EncryptionKey("abc"));
    QVERIFY(BDictionary::EncryptionKey("abc") != BDictionary::EncryptionKey("abd"));
    QVERIFY(BDictionary::EncryptionKey("") != BDictionary::EncryptionKey(QByteArray(1, '\0')));
}

void TestBDictionary::hostileBlocks_data()
{
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<QStringList>("keys");

    const QStringList none;
    const QStringList justA{"a"};
    QTest::newRow("empty") << QByteArray() << none;
    QTest::newRow("one byte") << QByteArray("\0", 1) << none;
    QTest::newRow("not a dictionary") << five << none;
    QTest::newRow("table cut short") << QByteArray::fromHex("005B0000") << none;
    QTest::newRow("first offset into the type code") << dictionaryBlock({0, 10}, keyA + five) << none;
    QTest::newRow("first offset at the table itself") << dictionaryBlock({2, 10}, keyA + five) << none;
    QTest::newRow("first offset past the end") << dictionaryBlock({0xFFFFFFF0u, 0xFFFFFFF8u}, keyA + five) << none;
    QTest::newRow("negative first offset") << dictionaryBlock({0x80000000u, 18}, keyA + five) << none;
    QTest::newRow("odd table size") << dictionaryBlock({14, 22, 0}, keyA + five) << none;
    QTest::newRow("huge entry count") << dictionaryBlock({2 + 8 * 100000000u, 18}, keyA + five) << none;
    QTest::newRow("value offset past the end") << dictionaryBlock({10, 0x7FFFFFFF}, keyA + five) << none;
    QTest::newRow("value offset before its key") << dictionaryBlock({10, 9}, keyA + five) << none;
    QTest::newRow("value block of one byte") << dictionaryBlock({10, 22}, keyA + five) << none;
    QTest::newRow("second key inside the first value")
        << dictionaryBlock({18, 25, 20, 38}, keyA + five + keyB + five) << none;
    QTest::newRow("second key at the first key") << dictionaryBlock({18, 25, 18, 25}, keyA + five) << none;
    QTest::newRow("second value before its key")
        << dictionaryBlock({18, 25, 31, 30}, keyA + five + keyB + five) << justA;
    QTest::newRow("second value past the end")
        << dictionaryBlock({18, 25, 31, 0xFFFFFFFFu}, keyA + five + keyB + five) << justA;
    QTest::newRow("integer key is skipped")
        << dictionaryBlock({18, 24, 30, 37}, five + five + keyB + five) << QStringList{"b"};
    QTest::newRow("value too short for its kind reads as nil")
        << dictionaryBlock({10, 17}, keyA + QByteArray::fromHex("0002FF")) << justA;
    QTest::newRow("text key without its encoding is skipped")
        << dictionaryBlock({10, 13}, QByteArray::fromHex("000861") + five) << none;
}

void TestBDictionary::hostileBlocks()
{
    QFETCH(QByteArray, block);
    QFETCH(QStringList, keys);

    const Dictionary dictionary = BDictionary::Convert(block);
    QStringList read;
    for (const Dictionary::Entry &entry : dictionary.entries())
        read << entry.key;
    QCOMPARE(read, keys);
}

void TestBDictionary::everyTruncationAndByteChangeIsSafe()
{
    // Whatever a damaged file holds, reading stays inside the bytes (run under the
    // address sanitizer to see it) and yields at most the entries written.
    const QByteArray sample = nestedSample();
    for (qsizetype length = 0; length < sample.size(); ++length)
        QVERIFY(BDictionary::Convert(sample.left(length)).size() <= 3);
    for (qsizetype at = 0; at < sample.size(); ++at) {
        for (char replacement : {'\x00', '\x01', '\x5b', '\x7f', '\x80', '\xff'}) {
            QByteArray damaged = sample;
            damaged[at] = replacement;
            QVERIFY(BDictionary::Convert(damaged).size() <= 3);
        }
    }
}

void TestBDictionary::deepNestingIsCut()
{
    Dictionary dictionary = dictionaryOf({{"leaf", 1}});
    for (int level = 0; level < 2000; ++level)
        dictionary = dictionaryOf({{"d", QVariant::fromValue(dictionary)}});
    const QByteArray block = BDictionary::Convert(dictionary);

    const Dictionary back = BDictionary::Convert(block);
    QCOMPARE(back.size(), 1);
    QVERIFY(nestingDepth(back) <= BDictionary::MaxNesting + 1);
}

QTEST_GUILESS_MAIN(TestBDictionary)
#include "tst_bdictionary.moc"
