#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

// "Loading...": the name of the file being read and how far reading has got. Shown
// without waiting while the skin is read on the same thread, so every update repaints
// the window at once.
class LoadingWindow : public QDialog
{
    Q_OBJECT

public:
    explicit LoadingWindow(QWidget *parent = nullptr);

    // Shows the window and paints it before the caller goes on reading.
    void showNow();
    void setProgress(const QString &fileName, int percent);

    QLabel *LoadText() const { return m_loadText; }
    QProgressBar *ProgressBar1() const { return m_progressBar; }

private:
    QLabel *m_loadText;
    QProgressBar *m_progressBar;
};
