#pragma once

// The benchmarks' page: every kind of element at every slot, each with pictures of its
// own, in a folder of their own.

#include "document/skindocument.h"
#include "editor/mainwindow.h"
#include "scriptedprompts.h"
#include "widgets/viewoptions.h"

#include <QCursor>
#include <QDir>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>

namespace BenchPage {

inline QImage pattern(int width, int height, bool mask)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, mask ? ((x / 8 + y / 8) % 2 ? 0xffffffff : 0xff000000) : qRgb(x * 4, y * 4, 128));
    }
    return image;
}

// Fills every page table of the skin to its 20 slots, each element with its own files.
inline QStringList buildMaximalPage(SkinDocument &document, const QString &folder)
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

// The editor window, shown, with the maximal page in the document. Make it after the
// QApplication.
struct Editor
{
    Editor()
    {
        document.installSkin(Skin());
        files = buildMaximalPage(document, folder.path());
        window.show();
        // Away from the window, so that showing and hiding controls finds nothing under
        // the mouse, wherever the platform put the window.
        QCursor::setPos(window.frameGeometry().bottomRight() + QPoint(300, 300));
    }

    QTemporaryDir folder;
    SkinDocument document;
    ViewOptions view;
    ScriptedPrompts prompts;
    MainWindow window{document, view, prompts};
    QStringList files; // every picture of the page
};

}
