#include "mainwindow.h"

#include <QCloseEvent>

MainWindow::MainWindow(App &app)
    : m_app(app)
{
    setWindowTitle(QStringLiteral("Morvanta[*]"));
}

MainWindow::~MainWindow() = default;

bool MainWindow::PageAction() { return true; }
bool MainWindow::PopupAction() { return true; }
bool MainWindow::deleteAllPageElements() { return true; }
bool MainWindow::deleteAllPopupElements(bool) { return true; }
void MainWindow::clearAll() {}
int MainWindow::getElementCounter(const QString &) const { return 0; }
void MainWindow::setPhoneFrame(double) {}
QWidget *MainWindow::phoneView() const { return centralWidget(); }
void MainWindow::closeEvent(QCloseEvent *event) { event->accept(); }
