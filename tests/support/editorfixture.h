#pragma once

#include "app/app.h"
#include "editor/mainwindow.h"
#include "scriptedprompts.h"
#include "toolbox/toolwindow.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <memory>

// A fresh application whose skin has one page and, unless told otherwise, one popup,
// in a temporary skin folder with a "Bitmaps" subfolder. Dialogs are answered by
// `prompts`.
struct EditorFixture
{
    QTemporaryDir dir;
    ScriptedPrompts *prompts = nullptr;
    std::unique_ptr<App> app;

    explicit EditorFixture(double zoom = 1.0, const QByteArray &fullscreen = "0", bool withPopup = true)
    {
        auto scripted = std::make_unique<ScriptedPrompts>();
        prompts = scripted.get();
        app = std::make_unique<App>(std::move(scripted));
        QDir(dir.path()).mkpath(QStringLiteral("Bitmaps"));
        Skin &s = skin();
        s.AbsolutPathToSkin = dir.path() + QLatin1Char('/');
        s.PageProperties = {{"0", "page_0", "Home"}};
        if (withPopup)
            s.PopUpProperties = {{"0", "popup_0", "Menu"}};
        s.sizePageTables();
        s.sizePopupTables();
        s.FullscreenProperties[0] = fullscreen;
        s.ActivePage = 0;
        s.ActivePopup = withPopup ? 0 : -1;
        s.SkinLoaded = true;
        toolbox().ZoomFaktor = zoom;
    }

    Skin &skin() { return app->skin(); }
    MainWindow &editor() { return *app->mainWindow(); }
    ToolWindow &toolbox() { return *app->toolWindow(); }

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
        skin().tableForElement(identifier)->setRecord(skin().getActivePage(), slot, record);
    }

    // The popup drawn over the page, as choosing it in the editor does.
    void showPopup()
    {
        app->setPopupMode(true);
        editor().PageAction();
        editor().PopupAction();
    }
};
