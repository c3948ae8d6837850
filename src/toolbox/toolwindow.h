#pragma once

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

    QComboBox *PopupZoom = nullptr; // "100 %", "150 %", "200 %"
    QLabel *xcoord = nullptr;       // the selected element's position in skin pixels
    QLabel *StaticText1 = nullptr;  // "/"
    QLabel *ycoord = nullptr;
    QCheckBox *CheckBoxMask = nullptr;

    // Places the toolbox 40 pixels right of the editor window, 50 below its top.
    void placeBesideEditor();

    // Shows the editor at the zoom chosen in PopupZoom and rebuilds what it shows.
    void PopupZoom_Change();
    // Redraws the editor with or without the masks, as CheckBoxMask says.
    void CheckBoxMask_Action();

    static double zoomForPosition(int position);
    // The navigator drawer is as high as the editor window less 40: 280, 440, 600.
    static int drawerHeightForZoom(double zoom);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Rebuilds the page, and after it the popup that was shown, so that the model's
    // active page and popup flags end as they were.
    void rebuildEditor(bool popupShown);
    void resizeEditor(double zoom);

    App &m_app;
};
