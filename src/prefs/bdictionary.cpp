#include "bdictionary.h"

#include <QCryptographicHash>
#include <QStringDecoder>
#include <QtEndian>

#include <cstring>
#include <limits>
#include <optional>

namespace BDictionary {

namespace {

constexpr quint32 Utf16Encoding = 0x0100;
constexpr quint32 Utf16BigEndianEncoding = 0x10000100;
constexpr quint32 Utf16LittleEndianEncoding = 0x14000100;

const char DateFormat[] = "yyyy-MM-dd HH:mm:ss";
constexpr int DateLength = 19;

void appendU16(QByteArray &out, quint16 value)
{
    const quint16 bigEndian = qToBigEndian(value);
    out.append(reinterpret_cast<const char *>(&bigEndian), sizeof bigEndian);
}

void appendU32(QByteArray &out, quint32 value)
{
    const quint32 bigEndian = qToBigEndian(value);
    out.append(reinterpret_cast<const char *>(&bigEndian), sizeof bigEndian);
}

QByteArray typed(TypeCode code, QByteArrayView payload = {})
{
    QByteArray out;
    out.reserve(2 + payload.size());
    appendU16(out, code);
    out.append(payload);
    return out;
}

// Callers check that the bytes are there.
quint16 readU16(QByteArrayView bytes, qsizetype at)
{
    return qFromBigEndian<quint16>(bytes.data() + at);
}

quint32 readU32(QByteArrayView bytes, qsizetype at)
{
    return qFromBigEndian<quint32>(bytes.data() + at);
}

// The bytes after the type code.
QByteArrayView payload(QByteArrayView block)
{
    return block.size() > 2 ? block.sliced(2) : QByteArrayView();
}

bool isSignedIntegerType(QMetaType type)
{
    return type == QMetaType::fromType<int>() || type == QMetaType::fromType<short>()
        || type == QMetaType::fromType<signed char>() || type == QMetaType::fromType<long>()
        || type == QMetaType::fromType<qlonglong>();
}

bool isUnsignedIntegerType(QMetaType type)
{
    return type == QMetaType::fromType<uint>() || type == QMetaType::fromType<ushort>()
        || type == QMetaType::fromType<uchar>() || type == QMetaType::fromType<ulong>()
        || type == QMetaType::fromType<qulonglong>();
}

// The value of an integer of any width, when it fits the format's 32 bits.
std::optional<qint32> integerInRange(const QVariant &value)
{
    constexpr qint32 Min = std::numeric_limits<qint32>::min();
    constexpr qint32 Max = std::numeric_limits<qint32>::max();
    bool ok = false;
    if (isUnsignedIntegerType(value.metaType())) {
        const qulonglong number = value.toULongLong(&ok);
        return ok && number <= qulonglong(Max) ? std::optional<qint32>(qint32(number)) : std::nullopt;
    }
    const qlonglong number = value.toLongLong(&ok);
    return ok && number >= Min && number <= Max ? std::optional<qint32>(qint32(number)) : std::nullopt;
}

QVariant readValue(QByteArrayView block, int depth);

Dictionary readDictionary(QByteArrayView block, int depth)
{
    Dictionary result;
    const qsizetype size = block.size();
    if (size < 6 || depth > MaxNesting)
        return result;
    // The first key follows the table directly, so its offset tells the table's size:
    // pairs of 4-byte offsets from byte 2 on.
    const quint32 firstKey = readU32(block, 2);
    if (firstKey < 10 || firstKey > size || (firstKey - 2) % 8 != 0)
        return result;
    const qsizetype itemCount = (firstKey - 2) / 4;

    qsizetype previousEnd = firstKey;
    for (qsizetype item = 0; item + 1 < itemCount; item += 2) {
        const qsizetype keyStart = readU32(block, 2 + 4 * item);
        const qsizetype valueStart = readU32(block, 2 + 4 * (item + 1));
        const qsizetype valueEnd = item + 2 < itemCount ? qsizetype(readU32(block, 2 + 4 * (item + 2))) : size;
        // Every item holds at least its type code and lies after the previous one.
        if (keyStart < previousEnd || valueStart < keyStart + 2 || valueEnd < valueStart + 2 || valueEnd > size)
            break;
        previousEnd = valueEnd;

        const QVariant key = readValue(block.sliced(keyStart, valueStart - keyStart), depth + 1);
        QString keyText;
        if (key.metaType() == QMetaType::fromType<QString>())
            keyText = key.toString();
        else if (key.metaType() == QMetaType::fromType<Text>())
            keyText = key.value<Text>().toString();
        else
            continue; // the store only knows text keys
        result.insert(keyText, readValue(block.sliced(valueStart, valueEnd - valueStart), depth + 1));
    }
    return result;
}

QVariant readValue(QByteArrayView block, int depth)
{
    if (block.size() < 2)
        return {};
    const qsizetype size = block.size();
    switch (readU16(block, 0)) {
    case IntegerType: return size >= 6 ? QVariant(ToInteger(block)) : QVariant();
    case DoubleType: return size >= 10 ? QVariant(ToDouble(block)) : QVariant();
    case DatetimeType: {
        const QDateTime date = ToDatetime(block);
        return date.isValid() ? QVariant(date) : QVariant();
    }
    case StringType: return size >= 6 ? ToString(block) : QVariant();
    case BooleanType: return size >= 3 ? QVariant(ToBoolean(block)) : QVariant();
    case ColorType: return size >= 5 ? QVariant(ToColor(block)) : QVariant();
    case NilType: return {};
    case MemoryBlockType: return ToMemoryBlock(block);
    case DictionaryType: return QVariant::fromValue(readDictionary(block, depth));
    case FolderItemType: return ToFolderItem(block);
    default: return block.toByteArray();
    }
}

// Lets callers read any stored text with QVariant::toString().
void registerTextConversion()
{
    static const bool registered = QMetaType::registerConverter<Text, QString>(&Text::toString);
    Q_UNUSED(registered);
}

QByteArray md5(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Md5);
}

} // namespace

QString Text::toString() const
{
    switch (encoding) {
    case Utf8Encoding: return QString::fromUtf8(bytes);
    case Utf16Encoding:
    case Utf16BigEndianEncoding: return QStringDecoder(QStringConverter::Utf16BE).decode(bytes);
    case Utf16LittleEndianEncoding: return QStringDecoder(QStringConverter::Utf16LE).decode(bytes);
    default: return QString::fromLatin1(bytes);
    }
}

QVariant Dictionary::value(const QString &key) const
{
    const auto found = m_index.constFind(foldedKey(key));
    return found == m_index.cend() ? QVariant() : m_entries.at(*found).value;
}

void Dictionary::insert(const QString &key, const QVariant &value)
{
    const QString folded = foldedKey(key);
    const auto found = m_index.constFind(folded);
    if (found != m_index.cend()) {
        m_entries[*found].value = value;
        return;
    }
    m_index.insert(folded, m_entries.size());
    m_entries.append({key, value});
}

bool Dictionary::remove(const QString &key)
{
    const auto found = m_index.constFind(foldedKey(key));
    if (found == m_index.cend())
        return false;
    m_entries.removeAt(*found);
    m_index.clear();
    for (qsizetype i = 0; i < m_entries.size(); ++i)
        m_index.insert(foldedKey(m_entries.at(i).key), i);
    return true;
}

QByteArray Convert(const Dictionary &dictionary)
{
    return DictionaryData(dictionary);
}

Dictionary Convert(const QByteArray &block)
{
    return ToDictionary(block);
}

QByteArray VariantData(const QVariant &value)
{
    const QMetaType type = value.metaType();
    if (!value.isValid() || type == QMetaType::fromType<std::nullptr_t>())
        return NilData();
    if (type == QMetaType::fromType<bool>())
        return BooleanData(value.toBool());
    if (isSignedIntegerType(type) || isUnsignedIntegerType(type)) {
        const std::optional<qint32> number = integerInRange(value);
        return number ? IntegerData(*number) : QByteArray();
    }
    if (type == QMetaType::fromType<double>() || type == QMetaType::fromType<float>())
        return DoubleData(value.toDouble());
    if (type == QMetaType::fromType<QDateTime>())
        return DatetimeData(value.toDateTime());
    if (type == QMetaType::fromType<QString>())
        return StringData(value.toString());
    if (type == QMetaType::fromType<Text>())
        return StringData(value.value<Text>());
    if (type == QMetaType::fromType<QColor>())
        return ColorData(value.value<QColor>());
    if (type == QMetaType::fromType<QByteArray>())
        return MemoryBlockData(value.toByteArray());
    if (type == QMetaType::fromType<Dictionary>())
        return DictionaryData(value.value<Dictionary>());
    if (type == QMetaType::fromType<QUrl>())
        return FolderItemData(value.toUrl());
    return {};
}

QVariant ToVariant(QByteArrayView block)
{
    return readValue(block, 0);
}

QByteArray IntegerData(qint32 value)
{
    QByteArray out = typed(IntegerType);
    appendU32(out, quint32(value));
    return out;
}

qint32 ToInteger(QByteArrayView block)
{
    return block.size() >= 6 ? qint32(readU32(block, 2)) : 0;
}

QByteArray DoubleData(double value)
{
    quint64 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    QByteArray out = typed(DoubleType);
    appendU32(out, quint32(bits >> 32));
    appendU32(out, quint32(bits));
    return out;
}

double ToDouble(QByteArrayView block)
{
    if (block.size() < 10)
        return 0;
    const quint64 bits = quint64(readU32(block, 2)) << 32 | readU32(block, 6);
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

QByteArray DatetimeData(const QDateTime &value)
{
    return typed(DatetimeType, value.toString(QLatin1String(DateFormat)).toLatin1().leftJustified(DateLength, ' ', true));
}

QDateTime ToDatetime(QByteArrayView block)
{
    if (block.size() < 2 + DateLength)
        return {};
    return QDateTime::fromString(QString::fromLatin1(block.sliced(2, DateLength)), QLatin1String(DateFormat));
}

QByteArray StringData(const QString &value)
{
    return StringData(Text{value.toUtf8(), Utf8Encoding});
}

QByteArray StringData(const Text &value)
{
    QByteArray out = typed(StringType);
    appendU32(out, value.encoding);
    out.append(value.bytes);
    return out;
}

QVariant ToString(QByteArrayView block)
{
    if (block.size() < 6)
        return QString();
    const Text text{block.sliced(6).toByteArray(), readU32(block, 2)};
    if (text.encoding == Utf8Encoding) {
        // Only a faithful decoding becomes a QString; anything else keeps its bytes.
        QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        const QString decoded = decoder.decode(text.bytes);
        if (!decoder.hasError())
            return decoded;
    }
    registerTextConversion();
    return QVariant::fromValue(text);
}

QByteArray BooleanData(bool value)
{
    const char byte = value ? 1 : 0;
    return typed(BooleanType, QByteArrayView(&byte, 1));
}

bool ToBoolean(QByteArrayView block)
{
    return block.size() >= 3 && block.at(2) != 0;
}

QByteArray ColorData(const QColor &value)
{
    const QColor rgb = value.toRgb();
    const char bytes[3] = {char(rgb.red()), char(rgb.green()), char(rgb.blue())};
    return typed(ColorType, QByteArrayView(bytes, 3));
}

QColor ToColor(QByteArrayView block)
{
    if (block.size() < 5)
        return {};
    return QColor(quint8(block.at(2)), quint8(block.at(3)), quint8(block.at(4)));
}

QByteArray NilData()
{
    return typed(NilType);
}

QVariant ToNil(QByteArrayView)
{
    return {};
}

QByteArray MemoryBlockData(const QByteArray &value)
{
    return typed(MemoryBlockType, value);
}

QByteArray ToMemoryBlock(QByteArrayView block)
{
    return payload(block).toByteArray();
}

QByteArray DictionaryData(const Dictionary &value)
{
    QList<QByteArray> items;
    items.reserve(2 * value.size());
    for (const Dictionary::Entry &entry : value.entries()) {
        QByteArray data = VariantData(entry.value);
        if (data.isEmpty())
            continue; // a kind without a type code
        items.append(StringData(entry.key));
        items.append(std::move(data));
    }

    QByteArray table = typed(DictionaryType);
    quint32 offset = quint32(2 + 4 * items.size());
    for (const QByteArray &item : items) {
        appendU32(table, offset);
        offset += quint32(item.size());
    }
    items.prepend(table);
    return JoinMemoryBlocks(items);
}

Dictionary ToDictionary(QByteArrayView block)
{
    if (block.size() < 2 || readU16(block, 0) != DictionaryType)
        return {};
    return readDictionary(block, 0);
}

QByteArray FolderItemData(const QUrl &value)
{
    return typed(FolderItemType, value.toEncoded());
}

QVariant ToFolderItem(QByteArrayView block)
{
    if (block.size() < 3)
        return {};
    return QUrl::fromEncoded(payload(block).toByteArray());
}

QByteArray JoinMemoryBlocks(const QList<QByteArray> &blocks)
{
    qsizetype total = 0;
    for (const QByteArray &block : blocks)
        total += block.size();
    QByteArray out;
    out.reserve(total);
    for (const QByteArray &block : blocks)
        out.append(block);
    return out;
}

namespace {

enum class Direction { Encipher, Decipher };

QByteArray applyKey(QByteArray block, const QByteArray &keyText, Direction direction)
{
    if (block.isEmpty())
        return block;
    const QByteArray key = EncryptionKey(keyText);
    for (qsizetype i = 0; i < block.size(); ++i) {
        const quint8 k = quint8(key.at(i % key.size()));
        const bool add = (k % 2 == 1) == (direction == Direction::Encipher);
        block[i] = char(add ? quint8(block.at(i)) + k : quint8(block.at(i)) - k);
    }
    return block;
}

} // namespace

QByteArray Encrypt(QByteArray block, const QByteArray &keyText)
{
    return applyKey(std::move(block), keyText, Direction::Encipher);
}

QByteArray Decrypt(QByteArray block, const QByteArray &keyText)
{
    return applyKey(std::move(block), keyText, Direction::Decipher);
}

QByteArray EncryptionKey(const QByteArray &keyText)
{
    constexpr int KeyLength = 64;
    if (keyText.size() >= KeyLength)
        return keyText;
    // Any fixed rule serves here: no enciphered data is exchanged with other programs.
    const QByteArray originalLength = QByteArray::number(keyText.size());
    QByteArray text = keyText;
    if (text.size() < 12)
        text += "quillwork";
    QByteArray key;
    for (int round = 1; round <= KeyLength / 16; ++round)
        key += md5(text + "amber" + originalLength + QByteArray::number(round * 7) + "flint");
    return key;
}

}
