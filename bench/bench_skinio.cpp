// Reads and saves a large skin and sets each time beside its floor: reading the same
// files' bytes, and writing the same bytes into as many files through SafeFileWriter.
// Prints the figures; what counts as fast enough is for the reader to judge.

#include "document/safefilewriter.h"
#include "document/skinpaths.h"
#include "document/skinreader.h"
#include "document/skinwriter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int Pages = 100;
constexpr int Popups = 100;
constexpr int Slots = 20;
constexpr int Runs = 5;

QByteArray number(int n)
{
    return QByteArray::number(n);
}

// Every column filled; paths look like the pictures of a real skin.
void fill(ElementTable &table, const RecordFormat &format, int plane, int slotCount)
{
    for (int slot = 0; slot < slotCount; ++slot) {
        for (int column = 0; column < format.columnCount; ++column) {
            QByteArray value = format.isRaw(column) ? number(slot + column)
                : format.isPath(column)             ? "Bitmaps:p" + number(plane) + "_" + number(slot) + ".bmp"
                                                    : "Text " + number(column);
            table.setValue(plane, slot, column, value);
        }
    }
}

Skin makeSkin(const QString &folder)
{
    Skin skin;
    skin.AbsolutPathToSkin = folder + QLatin1Char('/');
    skin.MainSkinFile = QStringLiteral("bench.skin");
    skin.SkinTitle = "Bench";
    skin.SkinAuthor = "Morvanta";
    skin.SkinComment = "Large skin";
    skin.isSkinUIColors = true;
    skin.SkinUIColors = {"000000", "FFFFFF", "FF0000", "00FF00", "0000FF", "808080"};
    for (int i = 0; i < Pages; ++i)
        skin.PageProperties.append(PageRow{number(i), "page_" + number(i), "Page " + number(i)});
    for (int i = 0; i < Popups; ++i)
        skin.PopUpProperties.append(PageRow{number(i), "popup_" + number(i), "Popup " + number(i)});
    skin.sizePageTables();
    skin.sizePopupTables();
    for (int page = 0; page < Pages; ++page) {
        skin.FullscreenProperties[page] = "1";
        skin.BackgroundProperties[page] = "Bitmaps:bg" + number(page) + ".bmp";
        for (const ElementKind *kind : ElementKinds::inFileOrder(Surface::Page))
            fill(skin.table(*kind), *kind->format, page, Slots);
    }
    for (int popup = 0; popup < Popups; ++popup) {
        skin.PopupBackgroundProperties[popup] = "Bitmaps:pop" + number(popup) + ".bmp";
        for (const ElementKind *kind : ElementKinds::inFileOrder(Surface::Popup)) {
            ElementTable &table = skin.table(*kind);
            fill(table, *kind->format, popup, std::min(Slots, table.slotCount()));
        }
    }
    return skin;
}

// The fastest of several runs, in milliseconds.
double fastest(const std::function<void()> &work)
{
    double best = 1e300;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

void report(const char *what, double measured, double floor)
{
    std::printf("%-6s %9.2f ms   floor %9.2f ms   ratio %5.2f\n", what, measured, floor, measured / floor);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    Skin skin = makeSkin(dir.path());
    if (!SkinWriter::write(skin).ok())
        return 1;

    QStringList paths{dir.filePath(skin.MainSkinFile)};
    for (const PageRow &row : skin.PageProperties + skin.PopUpProperties)
        paths << SkinPaths::hostPath(skin.AbsolutPathToSkin, row.File);
    qint64 totalBytes = 0;
    const double readFloor = fastest([&] {
        totalBytes = 0;
        for (const QString &path : paths) {
            QFile file(path);
            if (file.open(QIODevice::ReadOnly))
                totalBytes += file.readAll().size();
        }
    });
    // The skins read stay alive until the timing is done, so that freeing one is not
    // counted as reading the next.
    std::vector<Skin> reads;
    reads.reserve(Runs);
    bool readOk = true;
    const double readTime = fastest([&] {
        reads.emplace_back();
        readOk = SkinReader::readMainSkinFile(paths.first(), reads.back()).ok() && readOk;
    });
    if (!readOk)
        return 1;
    Skin &read = reads.front();

    QList<QByteArray> contents{SkinWriter::mainSkinFileBytes(read)};
    for (int page = 0; page < Pages; ++page)
        contents << SkinWriter::pageFileBytes(read, page);
    for (int popup = 0; popup < Popups; ++popup)
        contents << SkinWriter::popupFileBytes(read, popup);
    const double writeFloor = fastest([&] {
        for (int i = 0; i < paths.size(); ++i)
            SafeFileWriter::write(paths.at(i), contents.at(i));
    });
    bool saved = true;
    const double writeTime = fastest([&] { saved = SkinWriter::write(read).ok() && saved; });

    std::printf("%d files, %lld bytes, %d pages and %d popups of %d slots per element kind\n", int(paths.size()),
                totalBytes, Pages, Popups, Slots);
    report("read", readTime, readFloor);
    report("save", writeTime, writeFloor);
    return saved ? 0 : 1;
}
