#include "app.h"

#include "editor/mainwindow.h"
#include "toolbox/toolwindow.h"
#include "widgets/carbondeclares.h"
#include "document/validation.h"
#include "document/zoom.h"

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
void App::initializeElementArr()
{
    m_skin.initializeElementArr(m_mainWindow->ActiveElement, m_mainWindow->ActiveCanvasIndex);
}
void App::setElement(ElementTable &table)
{
    m_skin.setElement(table, m_mainWindow->ActiveCanvasIndex);
    markSkinModified();
}
void App::markSkinModified()
{
    m_skin.isSkinModified = true;
    CarbonDeclares::SetWindowModified(m_mainWindow, true);
}
double App::zoomFactor() const { return m_toolWindow->ZoomFaktor; }
int App::getRoundZoomValue(const QByteArray &value, const QByteArray &offset) const
{
    return Zoom::getRoundZoomValue(value, offset, zoomFactor());
}
QByteArray App::setRoundZoomValue(int windowPixels, const QByteArray &offset) const
{
    return Zoom::setRoundZoomValue(windowPixels, offset, zoomFactor());
}
void App::ErrorMessage(const QString &heading, const QString &text)
{
    Validation::ErrorMessage(heading, text, *m_prompts);
}
void App::ValidateErrorMessage(QList<int> &codes)
{
    Validation::ValidateErrorMessage(codes, *m_prompts);
}
bool App::checkBackgroundDimensions(int width, int height, const QString &mode)
{
    return Validation::checkBackgroundDimensions(width, height, mode,
                                                 m_skin.FullscreenProperties.value(m_skin.getActivePage()), *m_prompts);
}
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
