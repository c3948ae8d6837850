#pragma once

#include "document/skindocument.h"
#include "editor/mainwindow.h"
#include "scriptedprompts.h"
#include "widgets/viewoptions.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <memory>

// An editor window on a fresh document whose skin has one page and, unless told
// otherwise, one popup, in a temporary skin folder with a "Bitmaps" subfolder. Dialogs
// are answered by `prompts`.
struct EditorFixture
{
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    SkinDocument document;
    ViewOptions view;
    std::unique_ptr<MainWindow> window;

    // No skin read or created yet, as at the program's start.
    struct NoSkin
    {
    };
    explicit EditorFixture(NoSkin)
        : window(std::make_unique<MainWindow>(document, view, prompts))
    {
    }

    explicit EditorFixture(double zoom = 1.0, const QByteArray &fullscreen = "0", bool withPopup = true)
    {
        QDir(dir.path()).mkpath(QStringLiteral("Bitmaps"));
        Skin s;
        s.AbsolutPathToSkin = dir.path() + QLatin1Char('/');
        s.PageProperties = {{"0", "page_0", "Home"}};
        if (withPopup)
            s.PopUpProperties = {{"0", "popup_0", "Menu"}};
        s.sizePageTables();
        s.sizePopupTables();
        s.FullscreenProperties[0] = fullscreen;
        document.installSkin(std::move(s));
        document.setActivePage(0, QStringLiteral("page"));
        if (withPopup)
            document.setActivePage(0, QStringLiteral("popup"));
        view.setZoomFaktor(zoom);
        window = std::make_unique<MainWindow>(document, view, prompts);
    }

    Skin &skin() { return document.skin(); }
    MainWindow &editor() { return *window; }

    // Saves a picture into Bitmaps and returns its model path.
    QByteArray picture(const QString &name, const QImage &image)
    {
        image.save(dir.filePath(QStringLiteral("Bitmaps/") + name), "BMP");
        return "Bitmaps:" + name.toLatin1();
    }
    QByteArray picture(const QString &name, int width, int height, const QColor &colour = Qt::red)
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(colour);
        return picture(name, image);
    }

    // Puts a record into the active page or popup.
    void set(const QString &identifier, int slot, const QList<QByteArray> &record)
    {
        skin().tableForElement(identifier)->setRecord(document.getActivePage(), slot, record);
    }

    // The popup drawn over the page, as choosing it in the editor does.
    void showPopup()
    {
        document.setPopupMode(true);
        editor().PageAction();
        editor().PopupAction();
    }
};
