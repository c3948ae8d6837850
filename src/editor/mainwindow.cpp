#include "mainwindow.h"

#include "document/colortext.h"
#include "document/numbertext.h"
#include "document/recordformat.h"
#include "document/skindocument.h"
#include "elementcanvas.h"
#include "mystatictext.h"
#include "phoneview.h"
#include "widgets/carbondeclares.h"
#include "widgets/viewoptions.h"

#include <QLayout>

MainWindow::MainWindow(SkinDocument &document, ViewOptions &view, Prompts &prompts, QWidget *parent)
    : QMainWindow(parent)
    , m_document(document)
    , m_view(view)
    , m_prompts(prompts)
    , m_phoneView(new PhoneView(this))
{
    setCentralWidget(m_phoneView);
    m_phoneView->installEventFilter(this);
    m_phoneView->setFrameZoom(zoom());
    setPhoneViewZoom(zoom());
    updateWindowTitle();

    connect(&m_document, &SkinDocument::skinReplaced, this, [this] {
        clearAll();
        updateWindowTitle();
    });
    connect(&m_document, &SkinDocument::modifiedChanged, this,
            [this](bool modified) { CarbonDeclares::SetWindowModified(this, modified); });
    connect(&m_document, &SkinDocument::rebuildRequested, this, &MainWindow::rebuild);
    // Back to pages: the popup leaves the phone.
    connect(&m_document, &SkinDocument::popupModeChanged, this, [this](bool popupMode) {
        if (!popupMode)
            deleteAllPopupElements(true);
    });
    connect(&m_view, &ViewOptions::zoomChanged, this, &MainWindow::applyZoom);
    connect(&m_view, &ViewOptions::maskStatusChanged, this,
            [this] { rebuildShown(m_document.isPopupActive()); });
}

MainWindow::~MainWindow() = default;

Skin &MainWindow::skin() const
{
    return m_document.skin();
}

double MainWindow::zoom() const
{
    return m_view.ZoomFaktor();
}

int MainWindow::zoomed(const QByteArray &value, const QByteArray &offset) const
{
    return m_view.getRoundZoomValue(value, offset);
}

int MainWindow::zoomed(int skinPixels) const
{
    return m_view.getRoundZoomValue(skinPixels);
}

QSize MainWindow::phoneSize() const
{
    return PhoneView::sizeForZoom(zoom());
}

QWidget *MainWindow::phoneView() const
{
    return m_phoneView;
}

void MainWindow::updateWindowTitle()
{
    const QByteArray &title = skin().SkinTitle;
    setWindowTitle((title.isEmpty() ? QStringLiteral("Morvanta") : QString::fromLatin1(title)) + QStringLiteral("[*]"));
}

QSize MainWindow::windowSizeForZoom(double zoomFactor) const
{
    const QSize chrome = layout()->totalSizeHint() - m_phoneView->size();
    return PhoneView::sizeForZoom(zoomFactor) + chrome;
}

void MainWindow::setPhoneViewZoom(double zoomFactor)
{
    m_phoneView->setSizeForZoom(zoomFactor);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
}

void MainWindow::applyZoom(double zoomFactor)
{
    const bool popupShown = m_document.isPopupActive();
    if (popupShown)
        deleteAllPopupElements(true);
    deleteAllPageElements();

    const QSize target = windowSizeForZoom(zoomFactor);
    // The animation needs a window that may change its size; the new phone view fixes it again.
    layout()->setSizeConstraint(QLayout::SetNoConstraint);
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    CarbonDeclares::SmoothResize(this, target.width(), target.height(), 0);
    setPhoneViewZoom(zoomFactor);

    m_phoneView->setFrameZoom(zoomFactor);
    rebuildShown(popupShown);
}

void MainWindow::rebuildShown(bool popupShown)
{
    if (!m_document.isSkinLoaded())
        return;
    PageAction();
    if (popupShown)
        PopupAction();
}

void MainWindow::rebuild(Surface surface)
{
    // With nothing left to show, nothing of what was shown may stay.
    if (surface == Surface::Page) {
        if (skin().pageCounter() >= 0)
            PageAction();
        else
            clearPage();
    } else {
        if (skin().popupCounter() >= 0)
            PopupAction();
        else
            deleteAllPopupElements(true);
    }
}

void MainWindow::clearPage()
{
    deleteAllPageElements();
    hideSelectionCanvas();
    initializeVariables();
    // No page area: nothing can be placed or dragged until a page is shown.
    CanvasBorderTop = CanvasBorderBottom = CanvasBorderRight = 0;
}

QColor MainWindow::string2color(const QByteArray &text)
{
    return ColorText::string2color(text);
}

QByteArray MainWindow::color2string(const QColor &color)
{
    return ColorText::color2string(color);
}

int MainWindow::getElementCounter(const QString &identifier) const
{
    const ElementKind *kind = ElementKinds::find(identifier);
    if (!kind)
        return 0;
    return int(canvases(kind->id).size() + labels(kind->id).size());
}

QPoint MainWindow::popupLocation() const
{
    const ElementTable &location = skin().PopupLocationProperties;
    const int plane = m_document.getActivePage();
    return QPoint(NumberText::val(location.value(plane, 0, LocationColumn::X)),
                  NumberText::val(location.value(plane, 0, LocationColumn::Y)));
}

QPoint MainWindow::skinOffset(const ElementKind &kind) const
{
    return kind.isInsidePopup() ? popupLocation() : QPoint();
}

void MainWindow::initializeVariables()
{
    m_document.setActiveCanvasIndex(-1);
    missingImages.clear();
}

void MainWindow::discard(QWidget *control)
{
    if (!control)
        return;
    // Deferred: a control may be discarded from inside its own mouse handler.
    control->hide();
    control->deleteLater();
}

void MainWindow::discardKinds(Surface surface)
{
    for (const ElementKind &kind : ElementKinds::all()) {
        if (kind.surface != surface)
            continue;
        discardAll(m_canvases[size_t(kind.id)]);
        discardAll(m_labels[size_t(kind.id)]);
    }
}

void MainWindow::hideSelectionCanvas()
{
    if (ActiveCanvas) {
        ActiveCanvas->setEnabled(false);
        ActiveCanvas->hide();
    }
}

void MainWindow::clearAll()
{
    deleteAllPopupElements(true);
    clearPage();
    discard(ActiveCanvas);
    ActiveCanvas = nullptr;
    ActiveCanvasObject = nullptr;
    m_document.setSelection(QString(), -1);
    PicMouseDiffX = PicMouseDiffY = 0;
    m_phoneView->update();
}

bool MainWindow::initializeCanvas(int index, ElementCanvas *canvas, const QString &identifier, QPoint mouse,
                                  bool contextual)
{
    const ElementKind *kind = ElementKinds::find(identifier);
    if (!canvas || !kind)
        return false;
    m_document.setActiveCanvasIndex(index);
    m_document.setActiveElement(identifier);
    ActiveCanvasObject = canvas;
    m_document.initializeElementArr();

    // The today view spans the screen's width: it has no X.
    const int x = kind->xColumn() >= 0 ? NumberText::val(m_document.getElement(kind->xColumn())) : 0;
    const int y = NumberText::val(m_document.getElement(kind->yColumn()));

    discard(ActiveCanvas);
    // It stands for the selected element, under the element's own name.
    ActiveCanvas = new ElementCanvas(canvas->identifier(), index, m_phoneView);
    ActiveCanvas->setAttribute(Qt::WA_TransparentForMouseEvents);
    ActiveCanvas->setPicture(canvas->picture());
    ActiveCanvas->setGeometry(canvas->geometry());
    ActiveCanvas->setOutlined(true);
    ActiveCanvas->setEnabled(true);
    ActiveCanvas->show();
    canvas->setEnabled(false);
    canvas->hide();

    const double z = zoom();
    const QPoint offset = skinOffset(*kind);
    PicMouseDiffX = int(mouse.x() - (offset.x() + x) * z);
    PicMouseDiffY = int(mouse.y() - ((offset.y() + y) * z + CanvasBorderTop));

    const SkinPosition shown = skinPosition(*kind, ActiveCanvas->pos());
    // A page element shows its X as stored.
    const QByteArray shownX = kind->isInsidePopup() ? shown.x : QByteArray::number(x);
    emit positionChanged(QString::fromLatin1(shownX), QString::fromLatin1(shown.y));

    if (contextual && kind->form != ElementForm::Location) {
        openContextualMenu1(QStringLiteral("Copy"), mouse);
        // The menu took the release: the element goes back, and nothing is written.
        putBackSelection();
    }
    return true;
}

bool MainWindow::deinitializeCanvas()
{
    if (!ActiveCanvas)
        return true;
    const QPoint position = ActiveCanvas->pos();
    if (ActiveCanvasObject)
        ActiveCanvasObject->move(position);
    putBackSelection();

    const ElementKind *kind = ElementKinds::find(m_document.ActiveElement());
    if (!kind)
        return true;
    setElementPosition(*kind, position);
    // Labels write themselves back when their own gesture ends.
    if (kind->form != ElementForm::Label)
        m_document.setElement();
    return true;
}
