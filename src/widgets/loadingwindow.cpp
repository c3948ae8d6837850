#include "loadingwindow.h"

#include "layoutfont.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>

LoadingWindow::LoadingWindow(QWidget *parent)
    : QDialog(parent)
    , m_loadText(new QLabel(QStringLiteral("Text:"), this))
    , m_progressBar(new QProgressBar(this))
{
    setWindowTitle(QStringLiteral("Loading..."));
    setFixedSize(200, 85);
    setModal(false);

    m_loadText->setObjectName(QStringLiteral("LoadText"));
    m_loadText->setFont(layoutFont(12));
    m_loadText->setGeometry(20, 14, 215, 20);

    m_progressBar->setObjectName(QStringLiteral("ProgressBar1"));
    m_progressBar->setGeometry(20, 46, 160, 20);
    m_progressBar->setRange(0, 100);
    m_progressBar->setValue(0);
}

void LoadingWindow::showNow()
{
    show();
    raise();
    // Let the window system map the window; the reading that follows blocks the loop.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    repaint();
}

void LoadingWindow::setProgress(const QString &fileName, int percent)
{
    m_loadText->setText(fileName);
    m_progressBar->setValue(percent);
    repaint();
}
