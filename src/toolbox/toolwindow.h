#pragma once

// NOTE for the toolbox's implementer: App relies on the public members declared here.

#include <QWidget>

class App;
class QComboBox;
class QCheckBox;
class QLabel;

// The floating "Toolbox": zoom, mask display and the selected element's position.
class ToolWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ToolWindow(App &app, QWidget *parent = nullptr);

    double ZoomFaktor = 1.0;
    bool MaskStatus = true;

    // Places the toolbox 40 pixels right of the editor window, 50 below its top.
    void placeBesideEditor();

private:
    App &m_app;
};
