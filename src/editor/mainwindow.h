#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QMainWindow>
#include <QPoint>
#include <QPointer>
#include <QString>

class App;
class ElementCanvas;
class ElementTable;
class MyStaticText;
class PhoneView;
class Skin;

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

    // The steps of a page rebuild, bottom to top.
    bool LoadBackground();
    bool LoadAllPictures();
    bool LoadAllMaskPictures();
    bool LoadAllButtons();
    bool LoadAllMaskButtons();
    bool LoadAllLockIcons();
    bool LoadAllTrashIcons();
    bool LoadAllTodayIndicators();
    bool LoadLabels();
    bool LoadToday();

    // The steps of a popup rebuild, bottom to top.
    bool LoadPopupBackground();
    bool LoadAllPopupPictures();
    bool LoadAllPopupMaskPictures();
    bool LoadAllPopupButtons();
    bool LoadAllPopupMaskButtons();
    bool LoadAllPopupLabels();

    // The selection.
    QString ActiveElement;
    int ActiveCanvasIndex = -1;
    QPointer<ElementCanvas> ActiveCanvasObject;
    // Offset from the grabbed element's top-left corner to the mouse, in window pixels.
    int PicMouseDiffX = 0;
    int PicMouseDiffY = 0;

    // Selects an element: a red-outlined copy (ActiveCanvas) takes the canvas's place,
    // ElementArr holds its record and the toolbox shows its position. `mouse` is the
    // press position in phone-view coordinates.
    bool initializeCanvas(int index, ElementCanvas *canvas, const QString &identifier, QPoint mouse,
                          bool contextual);
    // Puts the element where the selection copy is and writes its position to the model.
    bool deinitializeCanvas();
    // No selection, no missing pictures.
    void initializeVariables();

    // The page area in window pixels; the left edge is 0.
    int CanvasBorderTop = 0;
    int CanvasBorderBottom = 0; // exclusive
    int CanvasBorderRight = 0;  // exclusive

    // Model paths of the pictures the current rebuild could not show, one per line.
    QString missingImages;

    // The controls of the page and popup on screen, one list per element kind; a list
    // entry's index is its place in the list, its canvas knows the model slot.
    QList<ElementCanvas *> Canvas1;     // "Bt"
    QList<ElementCanvas *> Canvas2;     // "BtM"
    QList<ElementCanvas *> Canvas3;     // "Pic"
    QList<ElementCanvas *> Canvas4;     // "PicM"
    QList<ElementCanvas *> Canvas5;     // "Lok"
    QList<ElementCanvas *> Canvas6;     // "Tra"
    QList<ElementCanvas *> Canvas7;     // "ToI"
    QList<ElementCanvas *> CanvasTo;    // "To"
    QList<MyStaticText *> Label1;       // "Lab"
    ElementCanvas *Background = nullptr;
    ElementCanvas *PopupBackground = nullptr; // "PBac"
    QList<ElementCanvas *> CanvasPBt;   // "PBt"
    QList<ElementCanvas *> CanvasPMBt;  // "PBtM"
    QList<ElementCanvas *> CanvasPPic;  // "PPic"
    QList<ElementCanvas *> CanvasPMPic; // "PPicM"
    QList<MyStaticText *> LabelPopup;   // "PLab"
    ElementCanvas *ActiveCanvas = nullptr; // the selection copy

    // Number of controls the last rebuild made for an element kind; 0 for other texts.
    int getElementCounter(const QString &identifier) const;

    static QColor string2color(const QByteArray &text);
    static QByteArray color2string(const QColor &color);

    // The phone frame for a zoom factor (1, 1.5, 2) behind the view; resizes nothing.
    void setPhoneFrame(double zoom);
    // The widget that shows the phone: its size is 208 x 320 times the zoom.
    QWidget *phoneView() const;

    // The window's size when the phone view is shown at a zoom factor.
    QSize windowSizeForZoom(double zoom) const;
    // Lets the window be resized (by an animation) until setPhoneViewZoom fixes it again.
    void unlockSize();
    // Sizes the phone view for a zoom factor and fixes the window around it.
    void setPhoneViewZoom(double zoom);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // One kind of picture element: its table, the columns it draws and its control list.
    struct PictureKind
    {
        const char *identifier;
        ElementTable Skin::*table;
        int pictureColumn;
        int maskColumn; // -1 for kinds without a mask
        QList<ElementCanvas *> MainWindow::*list;
    };
    // Where a kind's elements go: page elements relative to the page area, popup
    // elements to the popup's location.
    struct Placement
    {
        QByteArray offsetX; // skin pixels added to X before zooming
        int top;            // window pixels added to the zoomed Y
    };

    Placement popupPlacement() const;
    bool loadPictures(const PictureKind &kind, const Placement &placement);
    bool loadLabels(ElementTable Skin::*table, QList<MyStaticText *> MainWindow::*list, const QString &identifier,
                    const Placement &placement);
    // A skin picture by its model path; a missing or unreadable one is listed in
    // missingImages and comes back null. An empty path is no picture and no report.
    QImage readPicture(const QByteArray &modelPath);
    // The mask of a masked element; null when it cannot be read (the element is then opaque).
    QImage readMask(const QByteArray &modelPath) const;
    void reportMissingImages();
    void hideSelectionCanvas();
    void raisePopupControls();
    void discard(QWidget *control);
    template <typename Control>
    void discardAll(QList<Control *> &controls);

    static int placed(qint64 windowPixels);
    Skin &skin() const;
    // Skin pixels to window pixels at the toolbox's zoom, rounded half away from zero.
    int zoomed(const QByteArray &value, const QByteArray &offset = {}) const;
    int zoomed(int skinPixels) const;
    double zoom() const;
    QSize phoneSize() const;
    QPoint popupLocation() const; // X and Y of the active popup's location, skin pixels
    const QImage &todayTop();
    const QImage &todayBottom();

    App &m_app;
    PhoneView *m_phoneView = nullptr;
    QImage m_todayTop;
    QImage m_todayBottom;
};

template <typename Control>
void MainWindow::discardAll(QList<Control *> &controls)
{
    for (Control *control : std::as_const(controls))
        discard(control);
    controls.clear();
}
