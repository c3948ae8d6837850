#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QColor>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QUrl>
#include <QVariant>

// Typed values as a self-describing big-endian byte block and back, and a simple
// byte cipher keyed by a text. Every block starts with a 2-byte type code.
//
// Value kinds and their QVariant form:
//   integer (2)       int, or any integer type whose value fits in 32 bits
//   double (5)        double or float
//   date (7)          QDateTime, to the second, local time
//   text (8)          QString (stored as UTF-8), or BDictionary::Text read from a
//                     file in another encoding (written back byte for byte)
//   boolean (11)      bool
//   colour (16)       QColor (red, green, blue)
//   nil (51)          an invalid QVariant or a null pointer
//   byte block (71)   QByteArray
//   dictionary (91)   BDictionary::Dictionary
//   file location (381) QUrl
// Any other kind has no type code: VariantData refuses it (an empty block) and a
// dictionary leaves such entries out.
//
// Reading never trusts the bytes: a block that is too short for its kind gives nil,
// and a dictionary whose table points outside its block, backwards or into itself is
// read only up to the first bad offset.
namespace BDictionary {

enum TypeCode : quint16 {
    IntegerType = 2,
    DoubleType = 5,
    DatetimeType = 7,
    StringType = 8,
    BooleanType = 11,
    ColorType = 16,
    NilType = 51,
    MemoryBlockType = 71,
    DictionaryType = 91,
    FolderItemType = 381,
};

constexpr quint32 Utf8Encoding = 0x08000100;

// Nested dictionaries deeper than this read as empty dictionaries.
constexpr int MaxNesting = 32;

// A text in an encoding other than UTF-8 (or not valid UTF-8), kept as its bytes so
// that it is written back unchanged. toString() decodes UTF-8 and UTF-16 and reads
// anything else as Latin-1; QVariant::toString() on it does the same.
struct Text
{
    QByteArray bytes;
    quint32 encoding = 0;

    QString toString() const;
    friend bool operator==(const Text &a, const Text &b)
    {
        return a.encoding == b.encoding && a.bytes == b.bytes;
    }
};

// Keys and values in insertion order; keys compare without regard to letter case.
class Dictionary
{
public:
    struct Entry
    {
        QString key;
        QVariant value;
        friend bool operator==(const Entry &a, const Entry &b) { return a.key == b.key && a.value == b.value; }
    };

    bool contains(const QString &key) const { return m_index.contains(foldedKey(key)); }
    // Invalid when the key is missing.
    QVariant value(const QString &key) const;
    // Replaces the value of an existing key in place (keeping its spelling) or appends.
    void insert(const QString &key, const QVariant &value);
    // False when the key was not there.
    bool remove(const QString &key);

    qsizetype size() const { return m_entries.size(); }
    bool isEmpty() const { return m_entries.isEmpty(); }
    const QList<Entry> &entries() const { return m_entries; }

    // Same entries in the same order, keys spelled alike.
    friend bool operator==(const Dictionary &a, const Dictionary &b) { return a.m_entries == b.m_entries; }

private:
    static QString foldedKey(const QString &key) { return key.toCaseFolded(); }

    QList<Entry> m_entries;
    QHash<QString, qsizetype> m_index; // folded key -> position in m_entries
};

// A dictionary as a type-91 block (an empty one is the type code alone), and back.
// A block that is not a dictionary gives an empty one.
QByteArray Convert(const Dictionary &dictionary);
Dictionary Convert(const QByteArray &block);

// One value each way; an empty block for a value of no supported kind. Unknown type
// codes read as the whole block, type code included, as a byte block.
QByteArray VariantData(const QVariant &value);
QVariant ToVariant(QByteArrayView block);

// The per-kind writers, and readers of a block of that kind (the type code is not
// checked; a block too short for the kind gives its empty value).
QByteArray IntegerData(qint32 value);
qint32 ToInteger(QByteArrayView block);
QByteArray DoubleData(double value);
double ToDouble(QByteArrayView block);
QByteArray DatetimeData(const QDateTime &value);
QDateTime ToDatetime(QByteArrayView block);
QByteArray StringData(const QString &value);
QByteArray StringData(const Text &value);
QVariant ToString(QByteArrayView block); // QString for valid UTF-8, else Text
QByteArray BooleanData(bool value);
bool ToBoolean(QByteArrayView block);
QByteArray ColorData(const QColor &value);
QColor ToColor(QByteArrayView block);
QByteArray NilData();
QVariant ToNil(QByteArrayView block);
QByteArray MemoryBlockData(const QByteArray &value);
QByteArray ToMemoryBlock(QByteArrayView block);
QByteArray DictionaryData(const Dictionary &value);
Dictionary ToDictionary(QByteArrayView block);
QByteArray FolderItemData(const QUrl &value);
QVariant ToFolderItem(QByteArrayView block); // QUrl, or nil for fewer than 3 bytes

QByteArray JoinMemoryBlocks(const QList<QByteArray> &blocks);

// Each data byte moves up or down by the key byte at the same position (the key
// repeating): odd key bytes add on enciphering, even ones subtract; Decrypt undoes it.
QByteArray Encrypt(QByteArray block, const QByteArray &keyText);
QByteArray Decrypt(QByteArray block, const QByteArray &keyText);
// A key text of 64 bytes or more as it is; a shorter one spread to 64 bytes by MD5.
QByteArray EncryptionKey(const QByteArray &keyText);

}

Q_DECLARE_METATYPE(BDictionary::Text)
Q_DECLARE_METATYPE(BDictionary::Dictionary)
