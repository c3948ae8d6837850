#include "app.h"

#include "editor/mainwindow.h"
#include "toolbox/toolwindow.h"

// Placeholder until the shell is written: enough to link.
App::App(std::unique_ptr<Prompts> prompts, QObject *parent)
    : QObject(parent)
    , m_prompts(std::move(prompts))
{
    m_mainWindow = new MainWindow(*this);
    m_toolWindow = new ToolWindow(*this);
}

App::~App()
{
    delete m_toolWindow;
    delete m_mainWindow;
}

void App::Open() { m_mainWindow->show(); }
void App::initializeElementArr() {}
void App::setElement(ElementTable &table) { m_skin.setElement(table, m_mainWindow->ActiveCanvasIndex); }
void App::markSkinModified() { m_skin.isSkinModified = true; }
double App::zoomFactor() const { return m_toolWindow->ZoomFaktor; }
int App::getRoundZoomValue(const QByteArray &, const QByteArray &) const { return 0; }
QByteArray App::setRoundZoomValue(int, const QByteArray &) const { return {}; }
void App::ErrorMessage(const QString &, const QString &) {}
void App::ValidateErrorMessage(QList<int> &) {}
bool App::checkBackgroundDimensions(int, int, const QString &) { return false; }
void App::showPage(int) {}
void App::showPopup(int) {}
bool App::readMainSkinFile(const QString &) { return false; }
bool App::write() { return false; }
bool App::saveChangesDialog() { return false; }
void App::EnableMenuItems() {}
QAction *App::menuAction(const QString &) const { return nullptr; }
QMenu *App::menu(const QString &) const { return nullptr; }
void App::MenuNew_Action() {}
void App::MenuOpen_Action() {}
void App::MenuSave_Action() {}
void App::MenuSkinEigenschaften_Action() {}
void App::MenuHelp_Action() {}
void App::MenuFAQ_Action() {}
void App::MenuAbout_Action() {}
void App::quit() {}
QString App::versionText() { return {}; }
void App::buildMenus() {}
void App::installSkin(Skin &&skin) { m_skin = std::move(skin); }
void App::showFirstPageOrPopup() {}
