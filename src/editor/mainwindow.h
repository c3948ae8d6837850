#pragma once

#include "document/elementkinds.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QMainWindow>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QRectF>
#include <QString>

#include <array>
#include <optional>

class ElementCanvas;
class MyStaticText;
class QKeyEvent;
class QMouseEvent;
class PhoneView;
class Prompts;
class Skin;
class SkinDocument;
class ViewOptions;

// The editor window: the active page or popup at phone size times the zoom, inside a
// picture of the phone. Every element is a child control of the phone view, rebuilt
// from the document by PageAction and PopupAction.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow(SkinDocument &document, ViewOptions &view, Prompts &prompts, QWidget *parent = nullptr);
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

    // The selected element's canvas; the document holds which element it is.
    QPointer<ElementCanvas> ActiveCanvasObject;
    // Offset from the grabbed element's top-left corner to the mouse, in window pixels.
    int PicMouseDiffX = 0;
    int PicMouseDiffY = 0;

    // Selects an element: a red-outlined copy (ActiveCanvas) takes the canvas's place,
    // the document's working copy holds its record and positionChanged tells where it
    // is. `mouse` is the press position in phone-view coordinates. A contextual click
    // offers "Copy" and then puts the element back, since its release goes to the menu.
    bool initializeCanvas(int index, ElementCanvas *canvas, const QString &identifier, QPoint mouse,
                          bool contextual);
    // Puts the element where the selection copy is and writes its position to the model.
    bool deinitializeCanvas();

    // --- dragging
    // Moves the selection copy to the mouse (phone-view coordinates), each axis only
    // where the element stays inside the page area or its popup.
    bool dragCanvas(QPoint mouse);
    bool checkCanvasBorderX(int left) const;
    bool checkCanvasBorderY(int top) const;
    // The hover outline of an element control, and erasing every outline.
    void ZeichneRahmen(QWidget *control);
    void LoescheRahmen();

    // --- the editor's own clipboard and its menu
    bool isCopyValue = false;
    QString CopyElement;
    QList<QByteArray> CopyArr;
    // Opens the contextual menu with one entry at a phone-view position and carries
    // out the chosen entry there.
    void openContextualMenu1(const QString &entry, QPoint at);
    // "Copy" the selected element, or "Paste" the copy at a phone-view position.
    void ContextualMenu1_Action(const QString &entry, QPoint at);
    // No selection, no missing pictures.
    void initializeVariables();

    // The page area in window pixels; the left edge is 0.
    int CanvasBorderTop = 0;
    int CanvasBorderBottom = 0; // exclusive
    int CanvasBorderRight = 0;  // exclusive

    // Model paths of the pictures the current rebuild could not show, one per line.
    QString missingImages;

    // The controls of the page and popup on screen, one list per element kind; a
    // control's index is its place in the list, and it knows its model slot.
    const QList<ElementCanvas *> &canvases(KindId kind) const { return m_canvases[size_t(kind)]; }
    const QList<MyStaticText *> &labels(KindId kind) const { return m_labels[size_t(kind)]; }
    // The same lists under the names the program's design gives them.
    const QList<ElementCanvas *> &Canvas1() const { return canvases(KindId::Bt); }
    const QList<ElementCanvas *> &Canvas2() const { return canvases(KindId::BtM); }
    const QList<ElementCanvas *> &Canvas3() const { return canvases(KindId::Pic); }
    const QList<ElementCanvas *> &Canvas4() const { return canvases(KindId::PicM); }
    const QList<ElementCanvas *> &Canvas5() const { return canvases(KindId::Lok); }
    const QList<ElementCanvas *> &Canvas6() const { return canvases(KindId::Tra); }
    const QList<ElementCanvas *> &Canvas7() const { return canvases(KindId::ToI); }
    const QList<ElementCanvas *> &CanvasTo() const { return canvases(KindId::To); }
    const QList<MyStaticText *> &Label1() const { return labels(KindId::Lab); }
    const QList<ElementCanvas *> &CanvasPBt() const { return canvases(KindId::PBt); }
    const QList<ElementCanvas *> &CanvasPMBt() const { return canvases(KindId::PBtM); }
    const QList<ElementCanvas *> &CanvasPPic() const { return canvases(KindId::PPic); }
    const QList<ElementCanvas *> &CanvasPMPic() const { return canvases(KindId::PPicM); }
    const QList<MyStaticText *> &LabelPopup() const { return labels(KindId::PLab); }
    ElementCanvas *Background = nullptr;
    ElementCanvas *PopupBackground = nullptr; // "PBac"
    ElementCanvas *ActiveCanvas = nullptr;    // the selection copy

    // Number of controls the last rebuild made for an element kind; 0 for other texts.
    int getElementCounter(const QString &identifier) const;

    static QColor string2color(const QByteArray &text);
    static QByteArray color2string(const QColor &color);

    // The widget that shows the phone: its size is 208 x 320 times the zoom.
    QWidget *phoneView() const;
    // The window's size when the phone view is shown at a zoom factor.
    QSize windowSizeForZoom(double zoom) const;

    // "Morvanta", or the open skin's title.
    void updateWindowTitle();

signals:
    // The selected element's position in skin pixels, as the toolbox shows it.
    void positionChanged(const QString &x, const QString &y);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // While an element is selected the keys do nothing.
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // --- mouse handling
    bool canvasEvent(ElementCanvas *canvas, QEvent *event);
    bool labelEvent(MyStaticText *label, QEvent *event);
    bool phoneViewEvent(QEvent *event);
    // Whether an element of a kind reacts to the mouse now: page elements not while
    // popups are worked on.
    bool acts(const ElementKind &kind) const;
    bool canvasMouseDown(ElementCanvas *canvas, QMouseEvent *event);
    bool labelMouseDown(MyStaticText *label, QMouseEvent *event);
    void finishLabelGesture();
    bool windowMouseDown(QMouseEvent *event);
    // Ends a drag: the element at its last place, the model written.
    void finishDrag();
    // Puts the grabbed element back without writing, when its release went elsewhere.
    void putBackSelection();
    void showLabelPosition(const MyStaticText *label);
    void writeLabel(MyStaticText *label);
    // What a label may not leave: the page area, or its popup.
    QRectF labelArea() const;
    // The page area, or the whole phone when no page is shown.
    QRect pageArea() const;
    // A page or a popup is shown to take a paste.
    bool canPaste() const;
    const ElementKind *pasteKind() const;
    void paste(QPoint at);
    void showPosition(const ElementKind &kind, QPoint windowPos);
    // A window position as a kind's X and Y in skin pixels, as the files hold them.
    struct SkinPosition
    {
        QByteArray x;
        QByteArray y;
    };
    SkinPosition skinPosition(const ElementKind &kind, QPoint windowPos) const;
    // Puts a window position into the working copy's X and Y.
    void setElementPosition(const ElementKind &kind, QPoint windowPos);
    // The rectangle, in window pixels, that the selected element is dragged within;
    // none while it has nothing to stay in.
    std::optional<QRectF> dragArea(const ElementKind &kind) const;
    // Where a kind's elements go: page elements relative to the page area, popup
    // elements to the popup's location.
    struct Placement
    {
        QByteArray offsetX; // skin pixels added to X before zooming
        int top;            // window pixels added to the zoomed Y
    };

    // A zoom change: the controls go, the window takes its new size and frame, and
    // what was shown is rebuilt at the new scale.
    void applyZoom(double zoom);
    // Rebuilds the page, and after it the popup that was shown, so that the document's
    // active page and popup end as they were.
    void rebuildShown(bool popupShown);
    void rebuild(Surface surface);
    // No page: an empty phone under whatever popup is shown.
    void clearPage();
    void setPhoneViewZoom(double zoom);

    Placement pagePlacement() const;
    Placement popupPlacement() const;
    bool loadPictures(const ElementKind &kind, const Placement &placement);
    bool loadLabels(const ElementKind &kind, const Placement &placement);
    // A skin picture by its model path; a missing or unreadable one is listed in
    // missingImages and comes back null. An empty path is no picture and no report.
    QImage readPicture(const QByteArray &modelPath);
    // The mask of a masked element; null when it cannot be read (the element is then opaque).
    QImage readMask(const QByteArray &modelPath) const;
    void reportMissingImages();
    void hideSelectionCanvas();
    void raisePopupControls();
    void discardKinds(Surface surface);
    void discard(QWidget *control);
    template <typename Control>
    void discardAll(QList<Control *> &controls);

    static int placed(qint64 windowPixels);
    Skin &skin() const;
    // Skin pixels to window pixels at the zoom, rounded half away from zero.
    int zoomed(const QByteArray &value, const QByteArray &offset = {}) const;
    int zoomed(int skinPixels) const;
    double zoom() const;
    QSize phoneSize() const;
    // X and Y of the active popup's location, skin pixels.
    QPoint popupLocation() const;
    // What an element's position is relative to, in skin pixels: its popup's location,
    // or the page area's top-left corner.
    QPoint skinOffset(const ElementKind &kind) const;
    const QImage &todayTop();
    const QImage &todayBottom();

    SkinDocument &m_document;
    ViewOptions &m_view;
    Prompts &m_prompts;
    bool m_dragging = false; // a canvas is grabbed and follows the mouse
    QPointer<MyStaticText> m_labelGesture; // a label is grabbed
    QPointer<QWidget> m_outlined;
    PhoneView *m_phoneView = nullptr;
    std::array<QList<ElementCanvas *>, KindCount> m_canvases;
    std::array<QList<MyStaticText *>, KindCount> m_labels;
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
