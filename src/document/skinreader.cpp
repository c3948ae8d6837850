#include "skinreader.h"

#include "skinpaths.h"

#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>
#include <limits>
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
    // The editor writes keywords in upper case, so most match byte for byte, which is
    // the cheaper test.
    return text.size() == keyword.size()
        && (std::memcmp(text.data(), keyword.data(), size_t(keyword.size())) == 0
            || qstrnicmp(text.data(), keyword.data(), keyword.size()) == 0);
}

bool beginsWithKeyword(QByteArrayView line, QByteArrayView keyword)
{
    return line.size() >= keyword.size() && sameKeyword(line.first(keyword.size()), keyword);
}

// A stretch of a file's bytes that may be changed where it lies. Values are cleaned in
// place: cleaning never makes a value longer, so the bytes read serve as the buffer and
// no value is copied before the model stores it.
struct Span
{
    char *begin;
    char *end;

    explicit Span(char *from, char *to) : begin(from), end(to) { }
    explicit Span(QByteArray &bytes) : begin(bytes.data()), end(bytes.data() + bytes.size()) { }
    QByteArrayView view() const { return QByteArrayView(begin, end); }
};

// Calls `handle` with every line; a carriage return, a line feed or both end a line.
// The next of each line end is searched with memchr and kept until it is passed, so
// that the bytes are not looked at one by one.
template<typename Handler>
void forEachLine(QByteArray &bytes, Handler handle)
{
    char *const data = bytes.data();
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
        handle(Span(data + begin, data + end));
        if (end + 1 < size && data[end] == '\r' && data[end + 1] == '\n')
            ++end;
        begin = end + 1;
    }
}

bool isSlash(char c)
{
    return c == '/' || c == '\\';
}

// Bit k set: value k is a path.
using PathColumns = quint64;

bool isPathColumn(PathColumns pathColumns, int column)
{
    return column < std::numeric_limits<PathColumns>::digits && (pathColumns >> column) & 1;
}

// Calls `take(index, value)` for the values of a line: split at "," into at most
// `maxValues` values (the last one keeps the rest, so that a quoted text with a comma
// in the last column survives), each as the file holds it with every double quote
// removed and then blanks trimmed; in a path "/" and "\" become ":", which separates
// folders in the model. Quotes are dropped from the ends together with the blanks,
// since removing them first would have made those blanks the ends.
//
// This is the inner loop of reading a skin. Values are cleaned where they lie, and one
// look at every byte finds the comma that ends a value, counts its quotes and turns its
// slashes; only a value with a quote inside is looked at again.
template<typename Taker>
void forEachValue(Span text, int maxValues, PathColumns pathColumns, Taker take)
{
    char *piece = text.begin;
    for (int index = 0;; ++index) {
        const bool isLast = index == maxValues - 1;
        const bool isPath = isPathColumn(pathColumns, index);
        int quotes = 0;
        char *stop = piece;
        for (; stop != text.end && (isLast || *stop != ','); ++stop) {
            quotes += *stop == '"';
            if (isPath && isSlash(*stop))
                *stop = ':';
        }

        // From here `quotes` counts the quotes left between `begin` and `end`.
        const auto isEdge = [&](char c) { return isBlank(c) || (quotes > 0 && c == '"'); };
        char *begin = piece;
        char *end = stop;
        for (; begin < end && isEdge(*begin); ++begin)
            quotes -= *begin == '"';
        for (; end > begin && isEdge(end[-1]); --end)
            quotes -= end[-1] == '"';
        if (quotes > 0)
            end = std::remove(begin, end, '"');
        take(index, QByteArrayView(begin, end));

        if (stop == text.end)
            return;
        piece = stop + 1;
    }
}

// The value of a line that holds a single one.
QByteArray singleValue(Span text, bool isPath)
{
    QByteArray value;
    forEachValue(text, 1, isPath ? 1 : 0, [&](int, QByteArrayView cleaned) { value = cleaned.toByteArray(); });
    return value;
}

// The values after a keyword of the main skin file; the first "=" goes wherever it is.
QList<QByteArray> mainSkinValues(QByteArrayView line, QByteArrayView keyword, int maxValues,
                                 PathColumns pathColumns = 0)
{
    QByteArray rest = line.sliced(keyword.size()).toByteArray();
    const qsizetype equals = rest.indexOf('=');
    if (equals >= 0)
        rest.remove(equals, 1);
    QList<QByteArray> values;
    forEachValue(Span(rest), maxValues, pathColumns,
                 [&](int, QByteArrayView value) { values.append(value.toByteArray()); });
    return values;
}

// Reads the main skin file's lines into `skin`; returns the number of TITLE, AUTHOR
// and COMMENT values, which tells a skin from any other file.
int readMainSkinLines(Skin &skin, QByteArray &bytes)
{
    int identityValues = 0;
    forEachLine(bytes, [&](Span span) {
        const QByteArrayView line = trimmed(span.view());
        const auto readIdentity = [&](QByteArrayView keyword, QByteArray &target) {
            const QList<QByteArray> values = mainSkinValues(line, keyword, Unlimited);
            target = values.last();
            identityValues += int(values.size());
        };
        const auto readPageRow = [&](QByteArrayView keyword, QList<PageRow> &rows) {
            const QList<QByteArray> values =
                mainSkinValues(line, keyword, PageColumn::Count, PathColumns(1) << PageColumn::File);
            rows.append(PageRow{values.value(PageColumn::Number), values.value(PageColumn::File),
                                values.value(PageColumn::Name)});
        };

        if (beginsWithKeyword(line, "TITLE")) {
            readIdentity("TITLE", skin.SkinTitle);
        } else if (beginsWithKeyword(line, "AUTHOR")) {
            readIdentity("AUTHOR", skin.SkinAuthor);
        } else if (beginsWithKeyword(line, "COMMENT")) {
            readIdentity("COMMENT", skin.SkinComment);
        } else if (beginsWithKeyword(line, "UICOLORS")) {
            const QList<QByteArray> values = mainSkinValues(line, "UICOLORS", Skin::UIColorCount);
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

// Reads page or popup files into planes of the given element tables. The n-th line of a
// record keyword fills slot n; tables grow past their usual slot count rather than lose
// a line.
class PlaneReader
{
public:
    PlaneReader(Skin &skin, Surface surface)
    {
        const QList<const ElementKind *> &kinds = ElementKinds::inFileOrder(surface);
        m_targets.reserve(size_t(kinds.size()));
        for (const ElementKind *kind : kinds) {
            const RecordFormat &format = *kind->format;
            PathColumns pathColumns = 0;
            for (const int column : format.pathColumns)
                pathColumns |= PathColumns(1) << column;
            m_targets.push_back({format.keyword, format.columnCount, pathColumns, &skin.table(*kind), -1});
        }
    }

    // `bytes` are the file's and get changed while its values are cleaned.
    void read(int plane, QByteArray &bytes, QByteArray *fullscreen, QByteArray &background)
    {
        for (Target &target : m_targets)
            target.lastSlot = -1;
        forEachLine(bytes, [&](Span line) {
            const qsizetype equals = line.view().indexOf('=');
            if (equals < 0)
                return;
            const QByteArrayView keyword = trimmed(QByteArrayView(line.begin, equals));
            const Span text(line.begin + equals + 1, line.end);
            if (fullscreen && sameKeyword(keyword, "FULLSCREEN")) {
                *fullscreen = singleValue(text, false);
            } else if (sameKeyword(keyword, "BACKGROUND")) {
                background = singleValue(text, true);
            } else if (Target *target = targetFor(keyword)) {
                const int slot = ++target->lastSlot;
                forEachValue(text, target->columnCount, target->pathColumns, [&](int column, QByteArrayView value) {
                    target->table->setValue(plane, slot, column, value);
                });
            }
        });
    }

private:
    struct Target
    {
        QByteArrayView keyword;
        int columnCount;
        PathColumns pathColumns;
        ElementTable *table;
        int lastSlot;
    };

    // Records of one kind stand together in a file, so the kind of the previous record
    // is tried first.
    Target *targetFor(QByteArrayView keyword)
    {
        if (m_recent && sameKeyword(keyword, m_recent->keyword))
            return m_recent;
        for (Target &target : m_targets) {
            if (sameKeyword(keyword, target.keyword))
                return m_recent = &target;
        }
        return nullptr;
    }

    std::vector<Target> m_targets;
    Target *m_recent = nullptr;
};

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

Result refused(const QString &why)
{
    return Result::failure(QStringLiteral("Attention:"), why);
}

} // namespace

int SkinReader::progressPercent(int index, int lastIndex)
{
    if (lastIndex <= 0)
        return 0;
    return int(qint64(100) * index / lastIndex);
}

Result SkinReader::readMainSkinFile(const QString &mainSkinFilePath, Skin &skin, const Progress &progress)
{
    const QFileInfo info(mainSkinFilePath);
    if (progress)
        progress(info.fileName(), 0);

    QFile file(mainSkinFilePath);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        return refused(QStringLiteral("The skin file \"%1\" could not be opened: %2")
                           .arg(QDir::toNativeSeparators(info.absoluteFilePath()),
                                info.isDir() ? QStringLiteral("it is a folder.") : file.errorString()));
    }
    QByteArray bytes = file.readAll();
    file.close();

    Skin read;
    read.setMainSkinFile(mainSkinFilePath);
    if (readMainSkinLines(read, bytes) < MinimumSkinValues)
        return refused(QString::fromLatin1(NotASkin));
    readPageFiles(read, progress);
    readPopupFiles(read, progress);
    skin = std::move(read);
    return {};
}

void SkinReader::readPageFiles(Skin &skin, const Progress &progress)
{
    skin.sizePageTables();
    readPlaneFiles(skin, Surface::Page, progress);
}

void SkinReader::readPopupFiles(Skin &skin, const Progress &progress)
{
    skin.sizePopupTables();
    readPlaneFiles(skin, Surface::Popup, progress);
}

void SkinReader::readPlaneFiles(Skin &skin, Surface surface, const Progress &progress)
{
    const QList<PageRow> &rows = skin.rows(surface);
    QList<bool> &loadingErrors = skin.loadingErrors(surface);
    QList<QByteArray> &backgrounds = skin.backgrounds(surface);
    // Popups have no full-screen mode.
    QList<QByteArray> *fullscreen = surface == Surface::Page ? &skin.FullscreenProperties : nullptr;
    PlaneReader reader(skin, surface);
    const int last = int(rows.size()) - 1;
    for (int plane = 0; plane <= last; ++plane) {
        const QByteArray &file = rows.at(plane).File;
        if (progress)
            progress(QString::fromLatin1(file), progressPercent(plane, last));
        QByteArray bytes;
        if (!readSkinPart(skin, file, bytes)) {
            loadingErrors[plane] = true;
            continue;
        }
        reader.read(plane, bytes, fullscreen ? &(*fullscreen)[plane] : nullptr, backgrounds[plane]);
    }
}
