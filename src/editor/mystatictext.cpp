#include "mystatictext.h"

#include "editorcursors.h"
#include "elementaccessible.h"
#include "widgets/accessiblefactory.h"

#include <QApplication>
#include <QPainter>

#include <optional>
#include <utility>

MyStaticText::MyStaticText(const QString &identifier, int slot, QWidget *parent)
    : QLabel(parent)
    , m_identifier(identifier)
    , m_slot(slot)
{
    setWordWrap(true);
    // Hovering shows which zone the mouse is over.
    setMouseTracking(true);
    registerAccessibleInterface<MyStaticText, ElementAccessible<MyStaticText, QAccessible::StaticText>>();
}

void MyStaticText::setTextStyle(int pixelSize, const QColor &color, Alignment alignment, bool bold)
{
    QFont labelFont(QApplication::font().family());
    labelFont.setPixelSize(qMax(1, pixelSize));
    labelFont.setBold(bold);
    setFont(labelFont);

    QPalette labelPalette = palette();
    labelPalette.setColor(QPalette::WindowText, color);
    setPalette(labelPalette);

    Qt::Alignment horizontal = Qt::AlignLeft;
    if (alignment == Alignment::Centre)
        horizontal = Qt::AlignHCenter;
    else if (alignment == Alignment::Right)
        horizontal = Qt::AlignRight;
    setAlignment(horizontal | Qt::AlignTop);
}

QColor MyStaticText::textColor() const
{
    return palette().color(QPalette::WindowText);
}

int MyStaticText::zoneMode(QPoint at, QSize size)
{
    const int x = at.x();
    const int y = at.y();
    const int w = size.width();
    const int h = size.height();
    if (x > Handle && x < w - Handle && y > Handle && y < h - Handle)
        return Move;
    if (x <= Handle && y <= Handle)
        return TopLeft;
    if (x >= w - Handle && y <= Handle)
        return TopRight;
    if (x <= Handle && y >= h - Handle)
        return BottomLeft;
    if (x >= w - Handle && y >= h - Handle)
        return BottomRight;
    return -1;
}

void MyStaticText::showZoneCursor(int mode)
{
    switch (mode) {
    case Move:
        setCursor(EditorCursors::move());
        break;
    case TopLeft:
    case BottomRight:
        setCursor(EditorCursors::resizeLeft());
        break;
    case TopRight:
    case BottomLeft:
        setCursor(EditorCursors::resizeRight());
        break;
    default:
        break; // between corners the cursor stays
    }
}

void MyStaticText::recordStart(QPoint global)
{
    m_intStartX = global.x();
    m_intStartY = global.y();
    m_intStartLeft = x();
    m_intStartTop = y();
    m_intStartWidth = width();
    m_intStartHeight = height();
}

void MyStaticText::enterElement()
{
    setCursor(EditorCursors::move());
    ZeichneRahmen();
}

void MyStaticText::moveMouse(QPoint local, QPoint global)
{
    recordStart(global);
    showZoneCursor(zoneMode(local, size()));
    ZeichneRahmen();
}

void MyStaticText::downMouse(QPoint local, QPoint global)
{
    recordStart(global);
    const int mode = zoneMode(local, size());
    if (mode >= 0)
        m_intModus = mode;
}

bool MyStaticText::checkBorderX(double left, const QRectF &area) const
{
    return area.left() <= left && left + width() <= area.right();
}

bool MyStaticText::checkBorderY(double top, const QRectF &area) const
{
    return area.top() <= top && top + height() <= area.bottom();
}

namespace {

// One axis of a resize: the grabbed edge (the start edge, or the end edge) of a span
// moves by `delta` while it stays inside [areaStart, areaEnd] and leaves the span at
// least a pixel long; the other edge stays. The new start and length, or none.
std::optional<std::pair<int, int>> resizedSpan(int start, int length, int delta, bool startEdge, double areaStart,
                                               double areaEnd)
{
    int newStart = start;
    int newEnd = start + length;
    if (startEdge)
        newStart += delta;
    else
        newEnd += delta;
    const bool inside = startEdge ? newStart >= areaStart : newEnd <= areaEnd;
    if (!inside || newEnd - newStart < 1)
        return std::nullopt;
    return std::pair{newStart, newEnd - newStart};
}

} // namespace

void MyStaticText::dragElement(QPoint global, const QRectF &area)
{
    const int dx = global.x() - m_intStartX;
    const int dy = global.y() - m_intStartY;
    QRect box = geometry();
    if (m_intModus == Move) {
        if (checkBorderX(m_intStartLeft + dx, area))
            box.moveLeft(m_intStartLeft + dx);
        if (checkBorderY(m_intStartTop + dy, area))
            box.moveTop(m_intStartTop + dy);
    } else if (m_intModus != None) {
        const bool leftEdge = m_intModus == TopLeft || m_intModus == BottomLeft;
        const bool topEdge = m_intModus == TopLeft || m_intModus == TopRight;
        if (const auto span = resizedSpan(m_intStartLeft, m_intStartWidth, dx, leftEdge, area.left(), area.right())) {
            box.setLeft(span->first);
            box.setWidth(span->second);
        }
        if (const auto span = resizedSpan(m_intStartTop, m_intStartHeight, dy, topEdge, area.top(), area.bottom())) {
            box.setTop(span->first);
            box.setHeight(span->second);
        }
    }
    if (box != geometry())
        setGeometry(box);
    ZeichneRahmen();
}

void MyStaticText::upMouse()
{
    ZeichneRahmen();
    m_intModus = None;
}

void MyStaticText::ZeichneRahmen()
{
    if (m_framed)
        return;
    m_framed = true;
    update();
}

void MyStaticText::LoescheRahmen()
{
    if (!m_framed)
        return;
    m_framed = false;
    update();
}

void MyStaticText::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!m_framed)
        return;
    QPainter painter(this);
    const int w = width();
    const int h = height();
    painter.setPen(QColor(255, 0, 0));
    painter.drawRect(0, 0, w - 1, h - 1);
    const QPoint corners[] = {{0, 0}, {w - Handle, 0}, {0, h - Handle}, {w - Handle, h - Handle}};
    for (const QPoint &corner : corners) {
        painter.fillRect(corner.x(), corner.y(), Handle, Handle, Qt::white);
        painter.fillRect(corner.x() + 1, corner.y() + 1, 2, 2, Qt::black);
    }
}
