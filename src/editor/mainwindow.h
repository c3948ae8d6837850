#pragma once

// NOTE for the editor's implementer: App relies on exactly the public members declared
// here; add what the editor needs, keep these.

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QString>

class App;

// The editor window: the active page or popup at phone size times the zoom, inside a
// picture of the phone. Every element is a child control of the phone view, rebuilt
// from the model by PageAction and PopupAction.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(App &app);
    ~MainWindow() override;

    // Full rebuilds from the model.
    bool PageAction();
    bool PopupAction();
    bool deleteAllPageElements();
    bool deleteAllPopupElements(bool withBackground);
    // Removes every control of the previous skin, selection included: an empty phone.
    void clearAll();

    // The selection.
    QString ActiveElement;
    int ActiveCanvasIndex = -1;

    int getElementCounter(const QString &identifier) const;

    // The phone frame for a zoom factor (1, 1.5, 2) behind the view; resizes nothing.
    void setPhoneFrame(double zoom);
    // The widget that shows the phone: its size is 208 x 320 times the zoom.
    QWidget *phoneView() const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    App &m_app;
};
