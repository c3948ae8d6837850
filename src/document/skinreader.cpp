#include "skinreader.h"

#include "skinpaths.h"

#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

const char NotASkin[] = "Not a valid Velmora Skin!";

// TITLE, AUTHOR and COMMENT together must give at least this many values.
constexpr int MinimumSkinValues = 3;
constexpr int Unlimited = -1;

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArrayView trimmed(QByteArrayView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

bool sameKeyword(QByteArrayView text, QByteArrayView keyword)
{
    return text.size() == keyword.size() && qstrnicmp(text.data(), keyword.data(), keyword.size()) == 0;
}

bool beginsWithKeyword(QByteArrayView line, QByteArrayView keyword)
{
    return line.size() >= keyword.size() && sameKeyword(line.first(keyword.size()), keyword);
}

// Calls `handle` with every line; a carriage return, a line feed or both end a line.
// The next of each line end is searched with memchr and kept until it is passed, so
// that the bytes are not looked at one by one.
template<typename Handler>
void forEachLine(const QByteArray &bytes, Handler handle)
{
    const char *data = bytes.constData();
    const qsizetype size = bytes.size();
    const auto next = [&](char c, qsizetype from) {
        const void *found = std::memchr(data + from, c, size_t(size - from));
        return found ? static_cast<const char *>(found) - data : size;
    };
    qsizetype nextCr = -1;
    qsizetype nextLf = -1;
    qsizetype begin = 0;
    while (begin < size) {
        if (nextCr < begin)
            nextCr = next('\r', begin);
        if (nextLf < begin)
            nextLf = next('\n', begin);
        qsizetype end = std::min(nextCr, nextLf);
        handle(QByteArrayView(data + begin, end - begin));
        if (end + 1 < size && data[end] == '\r' && data[end + 1] == '\n')
            ++end;
        begin = end + 1;
    }
}

// One value as the file holds it, with every double quote removed and then blanks
// trimmed. Quotes are dropped from the ends together with the blanks, since removing
// them first would have made those blanks the ends. The result views `piece`, or
// `scratch` when quotes had to be taken out of the middle. `hasQuote` says whether
// the piece holds any double quote at all.
QByteArrayView cleanValue(QByteArrayView piece, bool hasQuote, QByteArray &scratch)
{
    if (!hasQuote)
        return trimmed(piece);
    const auto isEdge = [](char c) { return isBlank(c) || c == '"'; };
    qsizetype begin = 0;
    qsizetype end = piece.size();
    while (begin < end && isEdge(piece[begin]))
        ++begin;
    while (end > begin && isEdge(piece[end - 1]))
        --end;
    const QByteArrayView inner = piece.sliced(begin, end - begin);
    if (!inner.contains('"'))
        return inner;
    scratch.resize(inner.size());
    qsizetype kept = 0;
    for (const char c : inner) {
        if (c != '"')
            scratch[kept++] = c;
    }
    scratch.resize(kept);
    return scratch;
}

// Calls `take(index, value)` for the values of a line: split at "," into at most
// `maxValues` values (the last one keeps the rest, so that a quoted text with a comma
// in the last column survives), each cleaned as above. This is the inner loop of
// reading a skin, hence memchr rather than a look at every byte.
template<typename Taker>
void forEachValue(QByteArrayView text, int maxValues, Taker take)
{
    QByteArray scratch;
    const char *data = text.data();
    const char *const end = data + text.size();
    const auto hasQuote = [](const char *from, const char *to) {
        return std::memchr(from, '"', size_t(to - from)) != nullptr;
    };
    int index = 0;
    while (maxValues == Unlimited || index < maxValues - 1) {
        const char *comma = static_cast<const char *>(std::memchr(data, ',', size_t(end - data)));
        if (!comma)
            break;
        take(index++, cleanValue(QByteArrayView(data, comma), hasQuote(data, comma), scratch));
        data = comma + 1;
    }
    take(index, cleanValue(QByteArrayView(data, end), hasQuote(data, end), scratch));
}

QList<QByteArray> splitValues(QByteArrayView text, int maxValues)
{
    QList<QByteArray> values;
    forEachValue(text, maxValues, [&](int, QByteArrayView value) { values.append(value.toByteArray()); });
    return values;
}

QByteArray singleValue(QByteArrayView text)
{
    QByteArray scratch;
    return cleanValue(text, text.contains('"'), scratch).toByteArray();
}

bool isSlash(char c)
{
    return c == '/' || c == '\\';
}

// Only paths take ":" between folders; other values keep their slashes. The result
// lives in `scratch`.
QByteArrayView toModelPath(QByteArrayView value, QByteArray &scratch)
{
    scratch.resize(value.size());
    char *out = scratch.data();
    for (const char c : value)
        *out++ = isSlash(c) ? ':' : c;
    return scratch;
}

QByteArray toModelPath(QByteArrayView value)
{
    QByteArray scratch;
    return toModelPath(value, scratch).toByteArray();
}

// The values after a keyword of the main skin file; the first "=" goes wherever it is.
QList<QByteArray> mainSkinValues(QByteArrayView line, QByteArrayView keyword, int maxValues)
{
    QByteArray rest = line.sliced(keyword.size()).toByteArray();
    const qsizetype equals = rest.indexOf('=');
    if (equals >= 0)
        rest.remove(equals, 1);
    return splitValues(rest, maxValues);
}

// Reads the main skin file's lines into `skin`; returns the number of TITLE, AUTHOR
// and COMMENT values, which tells a skin from any other file.
int readMainSkinLines(Skin &skin, const QByteArray &bytes)
{
    int identityValues = 0;
    forEachLine(bytes, [&](QByteArrayView line) {
        line = trimmed(line);
        const auto valuesAfter = [&](QByteArrayView keyword, int maxValues) {
            return mainSkinValues(line, keyword, maxValues);
        };
        const auto readIdentity = [&](QByteArrayView keyword, QByteArray &target) {
            const QList<QByteArray> values = valuesAfter(keyword, Unlimited);
            target = values.last();
            identityValues += int(values.size());
        };
        const auto readPageRow = [&](QByteArrayView keyword, QList<PageRow> &rows) {
            const QList<QByteArray> values = valuesAfter(keyword, PageColumn::Count);
            PageRow row;
            row.Number = values.value(PageColumn::Number);
            row.File = toModelPath(values.value(PageColumn::File));
            row.Name = values.value(PageColumn::Name);
            rows.append(row);
        };

        if (beginsWithKeyword(line, "TITLE")) {
            readIdentity("TITLE", skin.SkinTitle);
        } else if (beginsWithKeyword(line, "AUTHOR")) {
            readIdentity("AUTHOR", skin.SkinAuthor);
        } else if (beginsWithKeyword(line, "COMMENT")) {
            readIdentity("COMMENT", skin.SkinComment);
        } else if (beginsWithKeyword(line, "UICOLORS")) {
            const QList<QByteArray> values = valuesAfter("UICOLORS", Skin::UIColorCount);
            for (int k = 0; k < values.size(); ++k)
                skin.SkinUIColors[k] = values.at(k);
            skin.isSkinUIColors = true;
        } else if (beginsWithKeyword(line, "PAGE")) {
            readPageRow("PAGE", skin.PageProperties);
        } else if (beginsWithKeyword(line, "POPUP")) {
            readPageRow("POPUP", skin.PopUpProperties);
        }
    });
    return identityValues;
}

// Reads one page or popup file into plane `plane` of the given tables. The n-th line
// of a record keyword fills slot n; tables grow past their usual slot count rather
// than lose a line.
void readPlaneLines(Skin &skin, int plane, const QByteArray &bytes, const QList<Skin::TableBinding> &tables,
                    QByteArray *fullscreen, QByteArray &background)
{
    struct Target
    {
        QByteArrayView keyword;
        int columnCount;
        quint64 pathColumns; // bit k: column k is a path
        ElementTable *table;
        int lastSlot;
    };
    std::vector<Target> targets;
    targets.reserve(size_t(tables.size()));
    for (const Skin::TableBinding &binding : tables) {
        const RecordFormat &format = binding.format();
        quint64 pathColumns = 0;
        for (const int column : format.pathColumns)
            pathColumns |= quint64(1) << column;
        targets.push_back({format.keyword, format.columnCount, pathColumns, &(skin.*(binding.table)), -1});
    }
    QByteArray pathScratch;
    forEachLine(bytes, [&](QByteArrayView line) {
        const qsizetype equals = line.indexOf('=');
        if (equals < 0)
            return;
        const QByteArrayView keyword = trimmed(line.first(equals));
        const QByteArrayView text = line.sliced(equals + 1);
        if (fullscreen && sameKeyword(keyword, "FULLSCREEN")) {
            *fullscreen = singleValue(text);
            return;
        }
        if (sameKeyword(keyword, "BACKGROUND")) {
            background = toModelPath(singleValue(text));
            return;
        }
        for (Target &target : targets) {
            if (!sameKeyword(keyword, target.keyword))
                continue;
            const int slot = ++target.lastSlot;
            forEachValue(text, target.columnCount, [&](int column, QByteArrayView value) {
                const bool isPath = (target.pathColumns >> column) & 1;
                target.table->setValue(plane, slot, column, isPath ? toModelPath(value, pathScratch) : value);
            });
            return;
        }
    });
}

// The bytes of a page or popup file; false when it is missing or is no regular file
// (a folder, or a device that could never be read to its end).
bool readSkinPart(const Skin &skin, const QByteArray &modelPath, QByteArray &bytes)
{
    const QString path = SkinPaths::hostPath(skin.AbsolutPathToSkin, modelPath);
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.readAll();
    return true;
}

} // namespace

int SkinReader::progressPercent(int index, int lastIndex)
{
    if (lastIndex <= 0)
        return 0;
    return int(qint64(100) * index / lastIndex);
}

SkinReader::Result SkinReader::readMainSkinFile(const QString &mainSkinFilePath, const Progress &progress)
{
    Result result;
    const QFileInfo info(mainSkinFilePath);
    if (progress)
        progress(info.fileName(), 0);

    QFile file(mainSkinFilePath);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        result.error = QStringLiteral("The skin file \"%1\" could not be opened: %2")
                           .arg(QDir::toNativeSeparators(info.absoluteFilePath()),
                                info.isDir() ? QStringLiteral("it is a folder.") : file.errorString());
        return result;
    }
    const QByteArray bytes = file.readAll();
    file.close();

    Skin skin;
    skin.AbsolutPathToSkin = info.absolutePath() + QLatin1Char('/');
    skin.MainSkinFile = info.fileName();
    if (readMainSkinLines(skin, bytes) < MinimumSkinValues) {
        result.error = QString::fromLatin1(NotASkin);
        return result;
    }
    readPageFiles(skin, progress);
    readPopupFiles(skin, progress);
    skin.SkinLoaded = true;
    result.skin = std::move(skin);
    result.ok = true;
    return result;
}

void SkinReader::readPageFiles(Skin &skin, const Progress &progress)
{
    skin.sizePageTables();
    const int last = skin.pageCounter();
    for (int page = 0; page <= last; ++page) {
        const QByteArray &file = skin.PageProperties.at(page).File;
        if (progress)
            progress(QString::fromLatin1(file), progressPercent(page, last));
        QByteArray bytes;
        if (!readSkinPart(skin, file, bytes)) {
            skin.PageLoadingError[page] = true;
            continue;
        }
        readPlaneLines(skin, page, bytes, Skin::pageTables(), &skin.FullscreenProperties[page],
                       skin.BackgroundProperties[page]);
    }
}

void SkinReader::readPopupFiles(Skin &skin, const Progress &progress)
{
    skin.sizePopupTables();
    const int last = skin.popupCounter();
    for (int popup = 0; popup <= last; ++popup) {
        const QByteArray &file = skin.PopUpProperties.at(popup).File;
        if (progress)
            progress(QString::fromLatin1(file), progressPercent(popup, last));
        QByteArray bytes;
        if (!readSkinPart(skin, file, bytes)) {
            skin.PopupLoadingError[popup] = true;
            continue;
        }
        readPlaneLines(skin, popup, bytes, Skin::popupTables(), nullptr, skin.PopupBackgroundProperties[popup]);
    }
}
