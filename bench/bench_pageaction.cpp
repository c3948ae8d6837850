// Rebuilds a page that holds every kind of element at every slot, and prints the time
// beside its floor: decoding the same BMP files with QImage alone.

#include "document/skindocument.h"
#include "editor/mainwindow.h"
#include "scriptedprompts.h"
#include "widgets/viewoptions.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Runs = 30;

QImage pattern(int width, int height, bool mask)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, mask ? ((x / 8 + y / 8) % 2 ? 0xffffffff : 0xff000000) : qRgb(x * 4, y * 4, 128));
    }
    return image;
}

// Fills every page table of the skin to its 20 slots, each element with its own files.
QStringList buildMaximalPage(SkinDocument &document, const QString &folder)
{
    Skin &skin = document.skin();
    QDir(folder).mkpath(QStringLiteral("Bitmaps"));
    QStringList files;
    const auto save = [&](const QString &name, const QImage &image) {
        image.save(folder + QStringLiteral("/Bitmaps/") + name, "BMP");
        files << folder + QStringLiteral("/Bitmaps/") + name;
        return "Bitmaps:" + name.toLatin1();
    };
    skin.AbsolutPathToSkin = folder + QLatin1Char('/');
    skin.PageProperties = {{"0", "page_0", "Home"}};
    skin.sizePageTables();
    skin.FullscreenProperties[0] = "0";
    skin.BackgroundProperties[0] = save(QStringLiteral("background.bmp"), pattern(208, 276, false));
    document.setActivePage(0, QStringLiteral("page"));

    for (const ElementKind &kind : ElementKinds::all()) {
        if (kind.surface != Surface::Page || kind.pictureColumn() < 0)
            continue;
        ElementTable &table = skin.table(kind);
        for (int slot = 0; slot < ElementKinds::DefaultSlots; ++slot) {
            QList<QByteArray> record(table.columnCount());
            record[kind.xColumn()] = QByteArray::number(slot * 7 % 144);
            record[kind.yColumn()] = QByteArray::number(slot * 11 % 212);
            const QString name = QStringLiteral("%1_%2").arg(kind.identifierText()).arg(slot);
            record[kind.pictureColumn()] = save(name + QStringLiteral(".bmp"), pattern(64, 64, false));
            if (kind.maskColumn() >= 0)
                record[kind.maskColumn()] = save(name + QStringLiteral("_mask.bmp"), pattern(64, 64, true));
            table.setRecord(0, slot, record);
        }
    }
    for (int slot = 0; slot < ElementKinds::DefaultSlots; ++slot) {
        skin.LabelProperties.setRecord(0, slot, {QByteArray::number(slot * 5), QByteArray::number(slot * 12), "120",
                                                 "14", "Tahoma", "11", "FFFFFF", "1", "1", "0", "Label"});
    }
    skin.TodayProperties.setRecord(0, 0, {"40", "120", "222222", "E21313", "3388CC", "50"});
    return files;
}

double medianMs(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

double decodeFloorMs(const QStringList &files)
{
    std::vector<double> samples;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        for (const QString &file : files) {
            const QImage image(file, "BMP");
            Q_UNUSED(image)
        }
        samples.push_back(timer.nsecsElapsed() / 1e6);
    }
    return medianMs(samples);
}

double pageActionMs(MainWindow &editor)
{
    std::vector<double> samples;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        editor.PageAction();
        // The previous page's controls and the one repaint, as the event loop would do them.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        samples.push_back(timer.nsecsElapsed() / 1e6);
    }
    return medianMs(samples);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir folder;
    SkinDocument document;
    document.installSkin(Skin());
    ViewOptions view;
    ScriptedPrompts prompts;
    MainWindow editor(document, view, prompts);
    const QStringList files = buildMaximalPage(document, folder.path());
    editor.show();
    // Away from the window, so that showing and hiding controls finds nothing under the
    // mouse, wherever the platform put the window.
    QCursor::setPos(editor.frameGeometry().bottomRight() + QPoint(300, 300));

    const double floor = decodeFloorMs(files);
    std::printf("PageAction on a page of 140 pictures (100 with masks), 20 labels, a today view; median of %d runs\n",
                Runs);
    std::printf("%-6s %12s %12s %8s\n", "zoom", "PageAction", "decode only", "ratio");
    for (double zoom : {1.0, 2.0}) {
        view.setZoomFaktor(zoom);
        const double ms = pageActionMs(editor);
        std::printf("%4.0f %% %9.2f ms %9.2f ms %8.2f\n", zoom * 100, ms, floor, ms / floor);
    }
    return 0;
}
