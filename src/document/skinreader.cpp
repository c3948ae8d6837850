#include "skinreader.h"

#include "skinpaths.h"

#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QFileInfo>

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
template<typename Handler>
void forEachLine(const QByteArray &bytes, Handler handle)
{
    const char *data = bytes.constData();
    const qsizetype size = bytes.size();
    qsizetype begin = 0;
    while (begin < size) {
        qsizetype end = begin;
        while (end < size && data[end] != '\r' && data[end] != '\n')
            ++end;
        handle(QByteArrayView(data + begin, end - begin));
        if (end + 1 < size && data[end] == '\r' && data[end + 1] == '\n')
            ++end;
        begin = end + 1;
    }
}

// The values of a line: every double quote removed, split at "," into at most
// `maxValues` values (the last one keeps the rest, so that a quoted text with a comma
// in the last column survives), blanks trimmed from each. With `dropFirstEquals` the
// first "=" of the text is removed as well.
QList<QByteArray> splitValues(QByteArrayView text, int maxValues, bool dropFirstEquals = false)
{
    QList<QByteArray> values;
    QByteArray current;
    current.reserve(text.size());
    for (const char c : text) {
        if (c == '"')
            continue;
        if (c == '=' && dropFirstEquals) {
            dropFirstEquals = false;
            continue;
        }
        if (c == ',' && (maxValues == Unlimited || values.size() < maxValues - 1)) {
            values.append(trimmed(current).toByteArray());
            current.clear();
            continue;
        }
        current.append(c);
    }
    values.append(trimmed(current).toByteArray());
    return values;
}

// Only paths take ":" between folders; other values keep their slashes.
QByteArray toModelPath(QByteArray value)
{
    for (char &c : value) {
        if (c == '/' || c == '\\')
            c = ':';
    }
    return value;
}

// Reads the main skin file's lines into `skin`; returns the number of TITLE, AUTHOR
// and COMMENT values, which tells a skin from any other file.
int readMainSkinLines(Skin &skin, const QByteArray &bytes)
{
    int identityValues = 0;
    forEachLine(bytes, [&](QByteArrayView line) {
        line = trimmed(line);
        const auto valuesAfter = [&](QByteArrayView keyword, int maxValues) {
            return splitValues(line.sliced(keyword.size()), maxValues, true);
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
    QList<int> lastSlot(tables.size(), -1);
    forEachLine(bytes, [&](QByteArrayView line) {
        const qsizetype equals = line.indexOf('=');
        if (equals < 0)
            return;
        const QByteArrayView keyword = trimmed(line.first(equals));
        const QByteArrayView text = line.sliced(equals + 1);
        if (fullscreen && sameKeyword(keyword, "FULLSCREEN")) {
            *fullscreen = splitValues(text, 1).constFirst();
            return;
        }
        if (sameKeyword(keyword, "BACKGROUND")) {
            background = toModelPath(splitValues(text, 1).constFirst());
            return;
        }
        for (int t = 0; t < tables.size(); ++t) {
            const RecordFormat &format = tables.at(t).format();
            if (!sameKeyword(keyword, format.keyword))
                continue;
            ElementTable &table = skin.*(tables.at(t).table);
            const int slot = ++lastSlot[t];
            const QList<QByteArray> values = splitValues(text, format.columnCount);
            for (int column = 0; column < values.size(); ++column) {
                const QByteArray &value = values.at(column);
                table.setValue(plane, slot, column, format.isPath(column) ? toModelPath(value) : value);
            }
            return;
        }
    });
}

// The bytes of a page or popup file; false when it is missing or is no file the skin
// may name (a folder, a device, or something outside the skin folder).
bool readSkinPart(const Skin &skin, const QByteArray &modelPath, QByteArray &bytes)
{
    if (!SkinPaths::unsafeFileReason(skin.AbsolutPathToSkin, modelPath).isEmpty())
        return false;
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
