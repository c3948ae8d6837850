#pragma once

#include "document/prompts.h"
#include "document/result.h"
#include "document/skindocument.h"
#include "prefs/bprefs.h"
#include "widgets/viewoptions.h"

#include <QHash>
#include <QKeySequence>
#include <QObject>

#include <memory>

class QAction;
class QMenu;
class Drawer1;
class MainWindow;
class ToolWindow;
class LoadingWindow;
class AboutWindow;

// The program's one application object: owns the document, the view options, the
// editor window, the toolbox and the menus, connects the windows' signals and carries
// out the menu commands. Create it after the QApplication; tests create a fresh one
// with scripted Prompts for every case.
class App : public QObject
{
    Q_OBJECT

public:
    // With no prompts the real dialogs are used.
    explicit App(std::unique_ptr<Prompts> prompts = nullptr, QObject *parent = nullptr);
    ~App() override;

    // Builds the menus, shows the editor window and places the toolbox beside it.
    void Open();
    // At the end of the run: saves the preferences store.
    void Close();

    SkinDocument &document() { return m_document; }
    ViewOptions &viewOptions() { return m_view; }
    MainWindow *mainWindow() const { return m_mainWindow; }
    Drawer1 *drawer() const { return m_drawer; }
    ToolWindow *toolWindow() const { return m_toolWindow; }
    Prompts &prompts() const { return *m_prompts; }
    // The preferences store of this run, saved by Close.
    BPrefs &prefs() { return m_prefs; }

    // --- reading and writing
    // With no path the user picks the file; cancelling changes nothing and is true.
    // A refused file leaves the open skin as it was and returns false.
    bool readMainSkinFile(const QString &path = {});
    // True when everything was written; otherwise the user has been told what was not.
    bool write();
    // True when the user cancelled, or when saving failed, so nothing unsaved is lost.
    bool saveChangesDialog();

    // --- menus
    void EnableMenuItems();
    QAction *menuAction(const QString &name) const; // by item name: "MenuSave", "MenuOpen" ...
    QMenu *menu(const QString &name) const;           // "AblageMenu", "BearbeitenMenu", "SkinMenu", "HelpMenu"

    void MenuNew_Action();
    void MenuOpen_Action();
    // Opens entry n of "Open Recent", asking to save first.
    void MenuRecent_Action(int index);
    void MenuSave_Action();
    void MenuSkinEigenschaften_Action();
    void MenuHelp_Action();
    void MenuFAQ_Action();
    void MenuAbout_Action();
    // Closes the editor window (asking first) and quits.
    void quit();

    AboutWindow *aboutWindow() const { return m_aboutWindow; }
    LoadingWindow *loadingWindow() const { return m_loadingWindow; }

    static QString versionText();

protected:
    // Closing the editor window asks to save first.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    QMenu *addMenu(const QString &name, const QString &caption);
    QAction *addMenuItem(QMenu *menu, const QString &name, const QString &caption,
                         const QKeySequence &shortcut = {});
    void installSkin(Skin &&skin);
    // A caution message with the result's heading and text.
    void report(const Result &result);
    bool hasRecentFiles();
    // Puts the skin just read at the top of "Open Recent" and stores the list.
    void HandleRecentFiles();
    // The "Open Recent" items from the stored list.
    void buildRecentMenu();
    void openHelpPage(const QString &page);
    // The skin properties dialog is not written yet: New Skin and Properties call this.
    void openSkinPropertiesDialog();

    SkinDocument m_document;
    ViewOptions m_view;
    std::unique_ptr<Prompts> m_prompts;
    BPrefs m_prefs;
    MainWindow *m_mainWindow = nullptr;
    Drawer1 *m_drawer = nullptr;
    ToolWindow *m_toolWindow = nullptr;
    LoadingWindow *m_loadingWindow = nullptr;
    AboutWindow *m_aboutWindow = nullptr;
    QHash<QString, QMenu *> m_menus;
    QHash<QString, QAction *> m_actions;
};
