// MainWindow: pointing at, grabbing, dragging and releasing the elements on the phone.

#include "mainwindow.h"

#include "document/numbertext.h"
#include "document/recordformat.h"
#include "document/skindocument.h"
#include "editorcursors.h"
#include "elementcanvas.h"
#include "mystatictext.h"
#include "phoneview.h"
#include "widgets/viewoptions.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace {

// The secondary button, or the primary one with the control key.
bool isContextual(const QMouseEvent *event)
{
    return event->button() == Qt::RightButton
        || (event->button() == Qt::LeftButton && event->modifiers().testFlag(Qt::ControlModifier));
}

bool isMouseEvent(QEvent::Type type)
{
    switch (type) {
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        return true;
    default:
        return false;
    }
}

} // namespace

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (!isMouseEvent(event->type()))
        return QMainWindow::eventFilter(watched, event);
    if (watched == m_phoneView)
        return phoneViewEvent(event);
    if (auto *canvas = qobject_cast<ElementCanvas *>(watched))
        return canvasEvent(canvas, event);
    if (auto *label = qobject_cast<MyStaticText *>(watched))
        return labelEvent(label, event);
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::acts(const ElementKind &kind) const
{
    return kind.surface == Surface::Popup || !m_document.isPopupMode();
}

// --- element canvases

bool MainWindow::canvasEvent(ElementCanvas *canvas, QEvent *event)
{
    const ElementKind *kind = ElementKinds::find(canvas->identifier());
    if (!kind || !acts(*kind))
        return false; // not taken: the window sees the click
    switch (event->type()) {
    case QEvent::Enter:
        canvas->setCursor(EditorCursors::move());
        ZeichneRahmen(canvas);
        return false;
    case QEvent::Leave:
        LoescheRahmen();
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return canvasMouseDown(canvas, static_cast<QMouseEvent *>(event));
    default:
        return false;
    }
}

bool MainWindow::canvasMouseDown(ElementCanvas *canvas, QMouseEvent *event)
{
    finishDrag(); // a release that never came
    const QPoint mouse = canvas->mapTo(m_phoneView, event->position().toPoint());
    const bool contextual = isContextual(event);
    if (canvas == PopupBackground) {
        if (contextual) {
            if (canPaste() && pasteKind())
                openContextualMenu1(QStringLiteral("Paste"), mouse);
            return true;
        }
        // The popup's elements go while it is dragged; its release rebuilds them.
        deleteAllPopupElements(false);
    }
    initializeCanvas(canvas->slot(), canvas, canvas->identifier(), mouse, contextual);
    if (contextual)
        return true;
    m_dragging = true;
    // The grabbed canvas hides behind its selection copy, which would lose Qt's own
    // grab of the mouse: the phone view takes the drag and the release instead.
    m_phoneView->grabMouse();
    return true;
}

bool MainWindow::dragCanvas(QPoint mouse)
{
    const ElementKind *kind = ElementKinds::find(m_document.ActiveElement());
    if (!ActiveCanvas || !kind)
        return false;
    QPoint place = ActiveCanvas->pos();
    const int left = mouse.x() - PicMouseDiffX;
    if (checkCanvasBorderX(left))
        place.setX(left);
    const int top = mouse.y() - PicMouseDiffY;
    if (checkCanvasBorderY(top))
        place.setY(top);
    if (place != ActiveCanvas->pos()) {
        ActiveCanvas->move(place);
        showPosition(*kind, place);
    }
    return true;
}

void MainWindow::showPosition(const ElementKind &kind, QPoint windowPos)
{
    const SkinPosition position = skinPosition(kind, windowPos);
    emit positionChanged(QString::fromLatin1(position.x), QString::fromLatin1(position.y));
}

MainWindow::SkinPosition MainWindow::skinPosition(const ElementKind &kind, QPoint windowPos) const
{
    const QPoint offset = skinOffset(kind);
    return {m_view.setRoundZoomValue(windowPos.x(), QByteArray::number(offset.x())),
            m_view.setRoundZoomValue(windowPos.y() - CanvasBorderTop, QByteArray::number(offset.y()))};
}

void MainWindow::setElementPosition(const ElementKind &kind, QPoint windowPos)
{
    const SkinPosition position = skinPosition(kind, windowPos);
    m_document.setElementValue(kind.xColumn(), position.x);
    m_document.setElementValue(kind.yColumn(), position.y);
}

QRect MainWindow::pageArea() const
{
    if (CanvasBorderRight <= 0)
        return m_phoneView->rect();
    return QRect(0, CanvasBorderTop, CanvasBorderRight, CanvasBorderBottom - CanvasBorderTop);
}

namespace {

// The size a selected element is kept inside by: its picture for page elements and the
// popup itself, which may differ from the popup's size at 100 %; the control for
// elements of a popup.
QSize draggedSize(const ElementCanvas *canvas, bool insidePopup)
{
    if (!canvas)
        return {};
    if (!insidePopup && !canvas->picture().isNull())
        return canvas->picture().size();
    return canvas->size();
}

// Whether a span from `start`, `length` long, lies within the area's span; with
// `clearOfLast` it must also leave the area's last pixel free.
bool fitsWithin(double start, int length, double areaStart, double areaLength, bool clearOfLast)
{
    const double end = start + length;
    const double areaEnd = areaStart + areaLength;
    return start >= areaStart && (clearOfLast ? end < areaEnd : end <= areaEnd);
}

} // namespace

std::optional<QRectF> MainWindow::dragArea(const ElementKind &kind) const
{
    if (!kind.isInsidePopup())
        return QRectF(pageArea());
    if (!PopupBackground)
        return std::nullopt;
    const QPoint at = popupLocation();
    return QRectF(at.x() * zoom(), CanvasBorderTop + at.y() * zoom(), PopupBackground->width(),
                  PopupBackground->height());
}

bool MainWindow::checkCanvasBorderX(int left) const
{
    const ElementKind *kind = ElementKinds::find(m_document.ActiveElement());
    const std::optional<QRectF> area = kind ? dragArea(*kind) : std::nullopt;
    if (!area)
        return false;
    const int w = draggedSize(ActiveCanvasObject, kind->isInsidePopup()).width();
    // Page elements never cover the page area's last column; the popup and its elements may.
    return fitsWithin(left, w, area->left(), area->width(), kind->surface == Surface::Page);
}

bool MainWindow::checkCanvasBorderY(int top) const
{
    const ElementKind *kind = ElementKinds::find(m_document.ActiveElement());
    const std::optional<QRectF> area = kind ? dragArea(*kind) : std::nullopt;
    if (!area)
        return false;
    const int h = draggedSize(ActiveCanvasObject, kind->isInsidePopup()).height();
    return fitsWithin(top, h, area->top(), area->height(), false);
}

void MainWindow::finishDrag()
{
    finishLabelGesture();
    if (!m_dragging)
        return;
    m_dragging = false;
    m_phoneView->releaseMouse();
    const bool popupItself = m_document.ActiveElement() == ElementKinds::get(KindId::PBac).identifierText();
    deinitializeCanvas();
    // The popup's elements come back at its new place.
    if (popupItself)
        PopupAction();
}

void MainWindow::putBackSelection()
{
    if (ActiveCanvasObject) {
        ActiveCanvasObject->setEnabled(true);
        ActiveCanvasObject->show();
    }
    discard(ActiveCanvas);
    ActiveCanvas = nullptr;
}

void MainWindow::ZeichneRahmen(QWidget *control)
{
    LoescheRahmen();
    if (auto *canvas = qobject_cast<ElementCanvas *>(control))
        canvas->setOutlined(true);
    else if (auto *label = qobject_cast<MyStaticText *>(control))
        label->ZeichneRahmen();
    m_outlined = control;
}

void MainWindow::LoescheRahmen()
{
    if (auto *canvas = qobject_cast<ElementCanvas *>(m_outlined.data()))
        canvas->setOutlined(false);
    else if (auto *label = qobject_cast<MyStaticText *>(m_outlined.data()))
        label->LoescheRahmen();
    m_outlined = nullptr;
}

// --- labels

bool MainWindow::labelEvent(MyStaticText *label, QEvent *event)
{
    const ElementKind *kind = ElementKinds::find(label->identifier());
    if (!kind || !acts(*kind))
        return false;
    switch (event->type()) {
    case QEvent::Enter:
        label->enterElement();
        ZeichneRahmen(label);
        return false;
    case QEvent::Leave:
        LoescheRahmen();
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return labelMouseDown(label, static_cast<QMouseEvent *>(event));
    case QEvent::MouseMove: {
        auto *move = static_cast<QMouseEvent *>(event);
        if (m_labelGesture == label && move->buttons().testFlag(Qt::LeftButton)) {
            label->dragElement(move->globalPosition().toPoint(), labelArea());
            if (label->m_intModus == MyStaticText::Move)
                showLabelPosition(label);
        } else if (move->buttons() == Qt::NoButton) {
            label->moveMouse(move->position().toPoint(), move->globalPosition().toPoint());
            ZeichneRahmen(label);
        }
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (m_labelGesture == label)
            finishLabelGesture();
        return true;
    default:
        return false;
    }
}

bool MainWindow::labelMouseDown(MyStaticText *label, QMouseEvent *event)
{
    finishDrag();
    label->downMouse(event->position().toPoint(), event->globalPosition().toPoint());
    m_document.setSelection(label->identifier(), label->slot());
    m_document.initializeElementArr();
    showLabelPosition(label);
    if (isContextual(event)) {
        // The menu takes the release: no gesture, nothing written.
        label->upMouse();
        openContextualMenu1(QStringLiteral("Copy"), label->mapTo(m_phoneView, event->position().toPoint()));
        return true;
    }
    m_labelGesture = label;
    return true;
}

void MainWindow::finishLabelGesture()
{
    MyStaticText *label = m_labelGesture;
    if (!label)
        return;
    m_labelGesture = nullptr;
    label->upMouse();
    writeLabel(label);
}

void MainWindow::showLabelPosition(const MyStaticText *label)
{
    if (const ElementKind *kind = ElementKinds::find(label->identifier()))
        showPosition(*kind, label->pos());
}

QRectF MainWindow::labelArea() const
{
    const ElementKind *kind = ElementKinds::find(m_document.ActiveElement());
    if (!kind || !kind->isInsidePopup())
        return QRectF(pageArea());
    // The popup's own rectangle, not its background control.
    const ElementTable &location = skin().PopupLocationProperties;
    const int plane = m_document.getActivePage();
    const double z = zoom();
    const QPoint at = popupLocation();
    return QRectF(at.x() * z, CanvasBorderTop + at.y() * z,
                  NumberText::val(location.value(plane, 0, LocationColumn::Width)) * z,
                  NumberText::val(location.value(plane, 0, LocationColumn::Height)) * z);
}

void MainWindow::writeLabel(MyStaticText *label)
{
    const ElementKind *kind = ElementKinds::find(label->identifier());
    if (!kind)
        return;
    setElementPosition(*kind, label->pos());
    m_document.setElementValue(LabelColumn::Width, m_view.setRoundZoomValue(label->width()));
    m_document.setElementValue(LabelColumn::Height, m_view.setRoundZoomValue(label->height()));
    m_document.setElement();
}

// --- the window

bool MainWindow::phoneViewEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
        if (m_dragging)
            dragCanvas(static_cast<QMouseEvent *>(event)->position().toPoint());
        return m_dragging;
    case QEvent::MouseButtonRelease:
        if (!m_dragging)
            return false;
        finishDrag();
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return windowMouseDown(static_cast<QMouseEvent *>(event));
    default:
        return false;
    }
}

bool MainWindow::windowMouseDown(QMouseEvent *event)
{
    finishDrag();
    if (isContextual(event) && canPaste() && pasteKind())
        openContextualMenu1(QStringLiteral("Paste"), event->position().toPoint());
    return false; // the window never takes the click
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    if (m_document.ActiveCanvasIndex() != -1) {
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
        // A drag whose release went to another window ends where it stands.
        finishDrag();
        m_phoneView->unsetCursor();
    }
    QMainWindow::changeEvent(event);
}
