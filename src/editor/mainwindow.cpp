#include "mainwindow.h"

#include "app/app.h"
#include "document/colortext.h"
#include "document/recordformat.h"
#include "document/numbertext.h"
#include "document/zoom.h"
#include "elementcanvas.h"
#include "mystatictext.h"
#include "phoneview.h"
#include "toolbox/toolwindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLayout>

namespace {

bool isIdentifier(const QString &text, const char *identifier)
{
    return text.compare(QLatin1String(identifier), Qt::CaseInsensitive) == 0;
}

void setColumn(QList<QByteArray> &record, int column, const QByteArray &value)
{
    if (column < record.size())
        record[column] = value;
}

} // namespace

MainWindow::MainWindow(App &app)
    : m_app(app)
    , m_phoneView(new PhoneView(this))
{
    setWindowTitle(QStringLiteral("Morvanta[*]"));
    setCentralWidget(m_phoneView);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

MainWindow::~MainWindow() = default;

Skin &MainWindow::skin() const
{
    return m_app.skin();
}

double MainWindow::zoom() const
{
    // The toolbox is made after the editor window; until then the zoom is 100 %.
    return m_app.toolWindow() ? m_app.zoomFactor() : 1.0;
}

int MainWindow::zoomed(const QByteArray &value, const QByteArray &offset) const
{
    return Zoom::getRoundZoomValue(value, offset, zoom());
}

int MainWindow::zoomed(int skinPixels) const
{
    return zoomed(QByteArray::number(skinPixels));
}

QSize MainWindow::phoneSize() const
{
    return PhoneView::sizeForZoom(zoom());
}

QWidget *MainWindow::phoneView() const
{
    return m_phoneView;
}

void MainWindow::setPhoneFrame(double zoomFactor)
{
    m_phoneView->setFrameZoom(zoomFactor);
}

QSize MainWindow::windowSizeForZoom(double zoomFactor) const
{
    const QSize chrome = layout()->totalSizeHint() - m_phoneView->size();
    return PhoneView::sizeForZoom(zoomFactor) + chrome;
}

void MainWindow::unlockSize()
{
    layout()->setSizeConstraint(QLayout::SetNoConstraint);
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

void MainWindow::setPhoneViewZoom(double zoomFactor)
{
    m_phoneView->setSizeForZoom(zoomFactor);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_app.saveChangesDialog())
        event->ignore();
    else
        event->accept();
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
    const struct
    {
        const char *identifier;
        qsizetype count;
    } counters[] = {
        {"Bt", Canvas1.size()},     {"BtM", Canvas2.size()},    {"Pic", Canvas3.size()},
        {"PicM", Canvas4.size()},   {"Lok", Canvas5.size()},    {"Tra", Canvas6.size()},
        {"ToI", Canvas7.size()},    {"To", CanvasTo.size()},    {"Lab", Label1.size()},
        {"PBt", CanvasPBt.size()},  {"PBtM", CanvasPMBt.size()}, {"PPic", CanvasPPic.size()},
        {"PPicM", CanvasPMPic.size()}, {"PLab", LabelPopup.size()},
    };
    for (const auto &counter : counters) {
        if (isIdentifier(identifier, counter.identifier))
            return int(counter.count);
    }
    return 0;
}

QPoint MainWindow::popupLocation() const
{
    const ElementTable &location = skin().PopupLocationProperties;
    const int plane = skin().getActivePage();
    return QPoint(NumberText::val(location.value(plane, 0, LocationColumn::X)),
                  NumberText::val(location.value(plane, 0, LocationColumn::Y)));
}

void MainWindow::initializeVariables()
{
    ActiveCanvasIndex = -1;
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
    deleteAllPageElements();
    discard(ActiveCanvas);
    ActiveCanvas = nullptr;
    ActiveCanvasObject = nullptr;
    ActiveElement.clear();
    PicMouseDiffX = PicMouseDiffY = 0;
    // No page area: nothing can be placed or dragged until a page is shown.
    CanvasBorderTop = CanvasBorderBottom = CanvasBorderRight = 0;
    initializeVariables();
    m_phoneView->update();
}

bool MainWindow::initializeCanvas(int index, ElementCanvas *canvas, const QString &identifier, QPoint mouse,
                                  bool contextual)
{
    // The contextual "Copy" menu belongs to copy and paste, which is not built yet.
    Q_UNUSED(contextual)
    if (!canvas)
        return false;
    ActiveCanvasIndex = index;
    ActiveCanvasObject = canvas;
    ActiveElement = identifier;
    m_app.initializeElementArr();

    const bool isToday = isIdentifier(identifier, "To");
    const bool isPopupBackground = isIdentifier(identifier, "PBac");
    const int x = isToday ? 0 : NumberText::val(skin().getElement(0));
    const int y = NumberText::val(skin().getElement(isToday ? 0 : 1));

    discard(ActiveCanvas);
    ActiveCanvas = new ElementCanvas(QString(), index, m_phoneView);
    ActiveCanvas->setAttribute(Qt::WA_TransparentForMouseEvents);
    ActiveCanvas->setPicture(canvas->picture());
    ActiveCanvas->setGeometry(canvas->geometry());
    ActiveCanvas->setOutlined(true);
    ActiveCanvas->setEnabled(true);
    ActiveCanvas->show();
    canvas->setEnabled(false);
    canvas->hide();

    const double z = zoom();
    const bool popupElement = m_app.isPopupMode() && !isPopupBackground;
    const QPoint popup = popupElement ? popupLocation() : QPoint();
    PicMouseDiffX = int(mouse.x() - (popup.x() + x) * z);
    PicMouseDiffY = int(mouse.y() - ((popup.y() + y) * z + CanvasBorderTop));

    ToolWindow *toolbox = m_app.toolWindow();
    const int top = ActiveCanvas->y() - CanvasBorderTop;
    if (popupElement) {
        toolbox->xcoord->setText(QString::fromLatin1(
            m_app.setRoundZoomValue(ActiveCanvas->x(), QByteArray::number(popup.x()))));
        toolbox->ycoord->setText(QString::fromLatin1(m_app.setRoundZoomValue(top, QByteArray::number(popup.y()))));
    } else {
        toolbox->xcoord->setText(QString::number(x));
        toolbox->ycoord->setText(QString::fromLatin1(m_app.setRoundZoomValue(top)));
    }
    return true;
}

bool MainWindow::deinitializeCanvas()
{
    if (!ActiveCanvas)
        return true;
    const QPoint position = ActiveCanvas->pos();
    if (ActiveCanvasObject) {
        ActiveCanvasObject->move(position);
        ActiveCanvasObject->setEnabled(true);
        ActiveCanvasObject->show();
    }
    hideSelectionCanvas();

    const bool isPopupBackground = isIdentifier(ActiveElement, "PBac");
    const bool popupElement = m_app.isPopupMode() && !isPopupBackground;
    const QPoint popup = popupElement ? popupLocation() : QPoint();
    const QByteArray left = m_app.setRoundZoomValue(position.x(), QByteArray::number(popup.x()));
    const QByteArray top = m_app.setRoundZoomValue(position.y() - CanvasBorderTop, QByteArray::number(popup.y()));
    QList<QByteArray> &record = skin().ElementArr;
    if (!m_app.isPopupMode() && isIdentifier(ActiveElement, "To")) {
        setColumn(record, 0, top);
    } else {
        setColumn(record, 0, left);
        setColumn(record, 1, top);
    }

    discard(ActiveCanvas);
    ActiveCanvas = nullptr;

    // Labels write themselves back when their own gesture ends.
    const bool isLabel = isIdentifier(ActiveElement, "Lab") || isIdentifier(ActiveElement, "PLab");
    if (ElementTable *table = skin().tableForElement(ActiveElement); table && !isLabel)
        m_app.setElement(*table);
    return true;
}
