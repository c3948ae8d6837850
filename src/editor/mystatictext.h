#pragma once

#include <QLabel>
#include <QRectF>
#include <QString>

// A label element on the phone view: a static text in the system font at the label's
// size, colour, alignment and weight. It knows which label it shows (identifier "Lab"
// or "PLab" and its slot). Unlike a picture it moves and resizes itself under the
// mouse: where it is grabbed decides between moving and resizing at a corner. The
// editor window routes its mouse events here and writes the result into the model.
class MyStaticText : public QLabel
{
    Q_OBJECT

public:
    enum class Alignment { Left = 0, Centre = 1, Right = 2 };
    // Gesture modes.
    enum Modus { None = 0, Move = 1, TopLeft = 2, TopRight = 3, BottomLeft = 4, BottomRight = 5 };
    // The zones at the label's edges, in pixels.
    static constexpr int Handle = 4;

    MyStaticText(const QString &identifier, int slot, QWidget *parent);

    QString identifier() const { return m_identifier; }
    int slot() const { return m_slot; }
    QString shownText() const { return text(); }

    // pixelSize below 1 is raised to 1.
    void setTextStyle(int pixelSize, const QColor &color, Alignment alignment, bool bold);
    QColor textColor() const;

    // The mode of a point relative to a label of a size: Move inside, the corner's mode
    // at a corner, -1 on an edge between corners.
    static int zoneMode(QPoint at, QSize size);

    // Entering: the move cursor and the frame.
    void enterElement();
    // Hovering: the start of a possible gesture, the cursor of the zone, the frame.
    void moveMouse(QPoint local, QPoint global);
    // Pressing: the start of the gesture and its mode; on an edge between corners the
    // mode stays as it was (None after a release, so nothing happens).
    void downMouse(QPoint local, QPoint global);
    // Applies the gesture to the mouse at a screen position, within `area` (window
    // pixels): a move stops where the label would leave it, and a resized edge stops at
    // its border or where the label would get thinner than a pixel.
    void dragElement(QPoint global, const QRectF &area);
    void upMouse();

    bool checkBorderX(double left, const QRectF &area) const;
    bool checkBorderY(double top, const QRectF &area) const;

    // The selection frame with its four corner handles.
    void ZeichneRahmen();
    void LoescheRahmen();
    bool isFramed() const { return m_framed; }

    int m_intStartX = 0;
    int m_intStartY = 0;
    int m_intModus = None;
    int m_intStartLeft = 0;
    int m_intStartTop = 0;
    int m_intStartWidth = 0;
    int m_intStartHeight = 0;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void recordStart(QPoint global);
    void showZoneCursor(int mode);

    QString m_identifier;
    int m_slot;
    bool m_framed = false;
};
