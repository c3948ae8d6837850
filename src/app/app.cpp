#include "app.h"

#include "helppages.h"
#include "morvantaversion.h"
#include "qtprompts.h"

#include "document/skinreader.h"
#include "document/validation.h"
#include "editor/mainwindow.h"
#include "navigator/drawer1.h"
#include "prefs/recentfiles.h"
#include "toolbox/toolwindow.h"
#include "widgets/aboutwindow.h"
#include "widgets/loadingwindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>

namespace {

std::unique_ptr<Prompts> realDialogsUnlessGiven(std::unique_ptr<Prompts> prompts)
{
    if (prompts)
        return prompts;
    return std::make_unique<QtPrompts>();
}

} // namespace

App::App(std::unique_ptr<Prompts> prompts, QObject *parent)
    : QObject(parent)
    , m_prompts(realDialogsUnlessGiven(std::move(prompts)))
{
    Q_INIT_RESOURCE(morvanta);
    Q_INIT_RESOURCE(help);
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/morvanta64.png"));
    icon.addFile(QStringLiteral(":/icons/morvanta.png"));
    QApplication::setWindowIcon(icon);

    m_mainWindow = new MainWindow(m_document, m_view, *m_prompts);
    m_mainWindow->installEventFilter(this);
    m_drawer = new Drawer1(m_document, m_view, *m_prompts, m_mainWindow);
    m_mainWindow->addDockWidget(Qt::RightDockWidgetArea, m_drawer);
    m_toolWindow = new ToolWindow(m_view);
    // Closing the editor window ends the run; the toolbox goes with it.
    m_toolWindow->setAttribute(Qt::WA_QuitOnClose, false);
    m_toolWindow->followWindow(m_mainWindow);
    connect(m_mainWindow, &MainWindow::positionChanged, m_toolWindow, &ToolWindow::showPosition);
    buildMenus();
    EnableMenuItems();
    connect(qApp, &QCoreApplication::aboutToQuit, this, &App::Close);
}

App::~App()
{
    delete m_toolWindow;
    delete m_mainWindow;
}

void App::Open()
{
    buildRecentMenu();
    EnableMenuItems();
    m_mainWindow->show();
    m_toolWindow->placeBesideWindow();
    m_toolWindow->show();
}

void App::Close()
{
    // At the very end there is no one left to tell; a store that cannot be written
    // costs only the recent list.
    m_prefs.Save();
}

// --- reading and writing

bool App::readMainSkinFile(const QString &path)
{
    const QString file = path.isEmpty() ? m_prompts->chooseFileToOpen(QStringLiteral("Open...")) : path;
    if (file.isEmpty())
        return true;

    if (!m_loadingWindow)
        m_loadingWindow = new LoadingWindow(m_mainWindow);
    m_loadingWindow->setProgress(QFileInfo(file).fileName(), 0);
    m_loadingWindow->showNow();
    Skin read;
    const Result result = SkinReader::readMainSkinFile(
        file, read, [this](const QString &fileName, int percent) { m_loadingWindow->setProgress(fileName, percent); });
    m_loadingWindow->hide();

    if (!result.ok()) {
        // The skin that was open stays open, so Save can never write an empty skin.
        m_prompts->showMessage(result.heading() + QStringLiteral("\n\n") + result.text(), Prompts::Icon::Plain);
        return false;
    }
    installSkin(std::move(read));
    HandleRecentFiles();
    return true;
}

void App::installSkin(Skin &&skin)
{
    m_document.installSkin(std::move(skin));
    m_drawer->showSkin();
    EnableMenuItems();
}

void App::HandleRecentFiles()
{
    const Skin &skin = m_document.skin();
    // A store that cannot be written costs only the list of the next run; the run's
    // own menu is right either way, so this is not worth a message at every opening.
    RecentFiles(m_prefs).add(skin.MainSkinFile, skin.AbsolutPathToSkin + skin.MainSkinFile);
    buildRecentMenu();
}

void App::buildRecentMenu()
{
    QMenu *recent = m_menus.value(QStringLiteral("AblageOpenRecentMenu"));
    recent->clear();
    for (const RecentFiles::Entry &entry : RecentFiles(m_prefs).entries()) {
        QAction *item = recent->addAction(entry.caption());
        item->setObjectName(QStringLiteral("MenuRecent%1").arg(entry.index));
        connect(item, &QAction::triggered, this, [this, index = entry.index] { MenuRecent_Action(index); });
    }
}

void App::MenuRecent_Action(int index)
{
    if (saveChangesDialog())
        return;
    const QString path = RecentFiles(m_prefs).path(index);
    if (!QFileInfo(path).isFile()) {
        m_prompts->showMessage(QStringLiteral("Attention:\n\nFile does not exists!"), Prompts::Icon::Plain);
        return;
    }
    readMainSkinFile(path);
}

bool App::write()
{
    if (!m_document.isSkinLoaded())
        return false;
    const Result result = m_document.write();
    // What was written is no longer missing.
    m_drawer->refreshItems();
    if (!result.ok())
        report(result);
    EnableMenuItems();
    return result.ok();
}

void App::report(const Result &result)
{
    Validation::ErrorMessage(result.heading(), result.text(), *m_prompts);
}

bool App::saveChangesDialog()
{
    if (!m_document.isSkinModified())
        return false;
    const Prompts::SaveChoice choice =
        m_prompts->askToSave(QStringLiteral("Do you want to save changes to this document before closing?"),
                             QStringLiteral("If you don't save, your changes will be lost. "));
    switch (choice) {
    case Prompts::SaveChoice::Save:
        // Changes that could not be written must not be thrown away by the caller.
        return !write();
    case Prompts::SaveChoice::DontSave:
        return false;
    case Prompts::SaveChoice::Cancel:
        break;
    }
    return true;
}

// --- menus

QMenu *App::addMenu(const QString &name, const QString &caption)
{
    QMenu *menu = m_mainWindow->menuBar()->addMenu(caption);
    menu->setObjectName(name);
    // Enabling is worked out each time a menu opens, as well as after every change.
    connect(menu, &QMenu::aboutToShow, this, &App::EnableMenuItems);
    m_menus.insert(name, menu);
    return menu;
}

QAction *App::addMenuItem(QMenu *menu, const QString &name, const QString &caption, const QKeySequence &shortcut)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    m_actions.insert(name, action);
    return action;
}

void App::buildMenus()
{
    // At 100 % the window is only as wide as the phone's screen; tighter items keep all
    // four menus in view instead of behind an overflow button.
    m_mainWindow->menuBar()->setStyleSheet(QStringLiteral("QMenuBar { spacing: 1px; } QMenuBar::item { padding: 2px 4px; }"));
    QMenu *file = addMenu(QStringLiteral("AblageMenu"), QStringLiteral("&Ablage"));
    connect(addMenuItem(file, QStringLiteral("MenuNew"), QStringLiteral("New Skin"), QKeySequence::New),
            &QAction::triggered, this, &App::MenuNew_Action);
    connect(addMenuItem(file, QStringLiteral("MenuOpen"), QStringLiteral("Open..."), QKeySequence::Open),
            &QAction::triggered, this, &App::MenuOpen_Action);
    QMenu *recent = file->addMenu(QStringLiteral("Open Recent"));
    recent->setObjectName(QStringLiteral("AblageOpenRecentMenu"));
    m_menus.insert(recent->objectName(), recent);
    recent->menuAction()->setObjectName(QStringLiteral("AblageOpenRecent"));
    m_actions.insert(QStringLiteral("AblageOpenRecent"), recent->menuAction());
    connect(addMenuItem(file, QStringLiteral("MenuSave"), QStringLiteral("Save"), QKeySequence::Save),
            &QAction::triggered, this, &App::MenuSave_Action);
    QAction *quitItem = addMenuItem(file, QStringLiteral("AblageBeen"), QStringLiteral("Quit"), QKeySequence::Quit);
    quitItem->setMenuRole(QAction::QuitRole);
    connect(quitItem, &QAction::triggered, this, &App::quit);

    // The edit items are there and enabled, but the editor does its editing itself.
    QMenu *edit = addMenu(QStringLiteral("BearbeitenMenu"), QStringLiteral("&Bearbeiten"));
    addMenuItem(edit, QStringLiteral("BearbeitenWiderrufen"), QStringLiteral("Rückgängig"), QKeySequence::Undo);
    edit->addSeparator();
    addMenuItem(edit, QStringLiteral("BearbeitenAusschneiden"), QStringLiteral("Ausschneiden"), QKeySequence::Cut);
    addMenuItem(edit, QStringLiteral("BearbeitenKopieren"), QStringLiteral("Kopieren"), QKeySequence::Copy);
    addMenuItem(edit, QStringLiteral("BearbeitenEinsetzen"), QStringLiteral("Einfügen"), QKeySequence::Paste);
    addMenuItem(edit, QStringLiteral("BearbeitenLöschen"), QStringLiteral("Löschen"));

    QMenu *skinMenu = addMenu(QStringLiteral("SkinMenu"), QStringLiteral("Skin"));
    connect(addMenuItem(skinMenu, QStringLiteral("MenuSkinEigenschaften"), QStringLiteral("Properties")),
            &QAction::triggered, this, &App::MenuSkinEigenschaften_Action);
    addMenuItem(skinMenu, QStringLiteral("SkinBuild"), QStringLiteral("Build..."));
    addMenuItem(skinMenu, QStringLiteral("SkinBeamtoHandy"), QStringLiteral("Beam to Handy..."));

    QMenu *help = addMenu(QStringLiteral("HelpMenu"), QStringLiteral("Help"));
    connect(addMenuItem(help, QStringLiteral("MenuHelp"), QStringLiteral("Morvanta Help"), QKeySequence::HelpContents),
            &QAction::triggered, this, &App::MenuHelp_Action);
    connect(addMenuItem(help, QStringLiteral("MenuFAQ"), QStringLiteral("FAQ")), &QAction::triggered, this,
            &App::MenuFAQ_Action);
    help->addSeparator();
    QAction *about = addMenuItem(help, QStringLiteral("MenuAbout"), QStringLiteral("About Morvanta"));
    about->setMenuRole(QAction::AboutRole);
    connect(about, &QAction::triggered, this, &App::MenuAbout_Action);
}

void App::EnableMenuItems()
{
    const bool skinOpen = m_document.isSkinLoaded();
    for (QAction *action : std::as_const(m_actions))
        action->setEnabled(true);
    m_actions.value(QStringLiteral("AblageOpenRecent"))->setEnabled(hasRecentFiles());
    m_actions.value(QStringLiteral("MenuSave"))->setEnabled(skinOpen);
    m_actions.value(QStringLiteral("MenuSkinEigenschaften"))->setEnabled(skinOpen);
    // Morvanta does not talk to the phone.
    m_actions.value(QStringLiteral("SkinBuild"))->setEnabled(false);
    m_actions.value(QStringLiteral("SkinBeamtoHandy"))->setEnabled(false);
}

bool App::hasRecentFiles()
{
    return RecentFiles(m_prefs).hasEntries();
}

QAction *App::menuAction(const QString &name) const
{
    return m_actions.value(name);
}

QMenu *App::menu(const QString &name) const
{
    return m_menus.value(name);
}

void App::MenuNew_Action()
{
    if (saveChangesDialog())
        return;
    const QString file = m_prompts->chooseFileToSave(QStringLiteral("New Skin"));
    if (file.isEmpty())
        return;

    Skin fresh;
    fresh.setMainSkinFile(file);
    installSkin(std::move(fresh));

    m_document.setNewSkin(true);
    openSkinPropertiesDialog();
    m_document.setNewSkin(false);

    m_document.requestRebuild(Surface::Page);
    m_mainWindow->updateWindowTitle();
}

void App::MenuOpen_Action()
{
    if (saveChangesDialog())
        return;
    readMainSkinFile();
}

void App::MenuSave_Action()
{
    write();
}

void App::MenuSkinEigenschaften_Action()
{
    openSkinPropertiesDialog();
    EnableMenuItems();
}

void App::openSkinPropertiesDialog()
{
}

void App::openHelpPage(const QString &page)
{
    if (!HelpPages::open(page))
        report(Result::failure(QStringLiteral("The page could not be opened:"), page));
}

void App::MenuHelp_Action()
{
    openHelpPage(QStringLiteral("help.html"));
}

void App::MenuFAQ_Action()
{
    openHelpPage(QStringLiteral("faq.html"));
}

void App::MenuAbout_Action()
{
    if (!m_aboutWindow) {
        m_aboutWindow = new AboutWindow(versionText(), m_mainWindow);
        connect(m_aboutWindow, &AboutWindow::homePageRequested, this,
                [this] { openHelpPage(QStringLiteral("home.html")); });
    }
    m_aboutWindow->show();
    m_aboutWindow->raise();
    m_aboutWindow->activateWindow();
}

bool App::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_mainWindow && event->type() == QEvent::Close && saveChangesDialog()) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void App::quit()
{
    // The editor window asks about unsaved changes; Cancel keeps it, and the run, going.
    if (m_mainWindow->close())
        QCoreApplication::quit();
}

QString App::versionText()
{
    return QStringLiteral("Version ") + QLatin1String(MorvantaVersion::Text);
}
