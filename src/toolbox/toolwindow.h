#pragma once

#include <QPoint>
#include <QPointer>
#include <QWidget>

class QComboBox;
class QCheckBox;
class QLabel;
class ViewOptions;

// The floating "Toolbox": zoom, mask display and the selected element's position. It
// stays beside the window it follows, and open for as long as that window is.
class ToolWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ToolWindow(ViewOptions &view, QWidget *parent = nullptr);

    QComboBox *PopupZoom = nullptr; // "100 %", "150 %", "200 %"
    QLabel *xcoord = nullptr;       // the selected element's position in skin pixels
    QLabel *StaticText1 = nullptr;  // "/"
    QLabel *ycoord = nullptr;
    QCheckBox *CheckBoxMask = nullptr;

    // The window the toolbox stands beside: when it moves, the toolbox moves by as much.
    void followWindow(QWidget *window);
    // Places the toolbox 40 pixels right of the followed window, 50 below its top.
    void placeBesideWindow();

    // Sets the zoom chosen in PopupZoom; the toolbox steps aside while the editor
    // takes its new size, and comes back beside it.
    void PopupZoom_Change();
    // Sets the mask display as CheckBoxMask says.
    void CheckBoxMask_Action();

    // Shows a position the editor announces.
    void showPosition(const QString &x, const QString &y);

    static double zoomForPosition(int position);
    static int positionForZoom(double zoom);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // The toolbox holds the zoom and the masks; closing it alone would take them away.
    void closeEvent(QCloseEvent *event) override;

private:
    // The zoom list and the check box as the view options have them.
    void showViewOptions();

    ViewOptions &m_view;
    QPointer<QWidget> m_followed;
    QPoint m_followedAt; // where the followed window was last seen
};
