// Draws every picture and cursor that Morvanta ships as a resource.
//
//   morvanta_drawresources <output folder>
//
// writes images/, cursors/ and icons/ below the output folder (normally
// src/resources). Everything is drawn with QPainter, each size on its own
// pixel grid, so that nothing is a scaled copy of something else.

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>
#include <QtMath>

#include <cstdio>

namespace {

const QString kFontFamily = QStringLiteral("DejaVu Sans");

// The editor replaces these exact colours of the today view with the skin's.
const QRgb kTodayText = qRgb(34, 34, 34);
const QRgb kTodaySelectedText = qRgb(226, 19, 19);
const QRgb kTodayHighlight = qRgb(51, 136, 204);
const QRgb kTodayTransparent = qRgb(255, 255, 255);

QImage transparentImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QFont uiFont(qreal pixelSize, QFont::Weight weight = QFont::Normal)
{
    QFont font(kFontFamily);
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setWeight(weight);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// ---------------------------------------------------------------------------
// Phone frame: status bar, neutral page backdrop, soft-key bar.

class PhoneFrame
{
public:
    explicit PhoneFrame(qreal scale) : m_scale(scale) {}

    QImage draw() const
    {
        const int width = px(208);
        const int height = px(320);
        const int statusBottom = px(25);
        const int softKeyTop = statusBottom + px(276);

        QImage image(width, height, QImage::Format_RGB32);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        drawBackdrop(painter, QRect(0, statusBottom, width, softKeyTop - statusBottom));
        drawStatusBar(painter, QRect(0, 0, width, statusBottom));
        drawSoftKeyBar(painter, QRect(0, softKeyTop, width, height - softKeyTop));
        return image;
    }

private:
    int px(qreal skinPixels) const { return qRound(skinPixels * m_scale); }

    static void fillBar(QPainter &painter, const QRect &bar)
    {
        QLinearGradient gradient(bar.topLeft(), bar.bottomLeft());
        gradient.setColorAt(0, QColor(0x2a, 0x30, 0x38));
        gradient.setColorAt(1, QColor(0x17, 0x1b, 0x20));
        painter.fillRect(bar, gradient);
    }

    void drawBackdrop(QPainter &painter, const QRect &area) const
    {
        QLinearGradient gradient(area.topLeft(), area.bottomLeft());
        gradient.setColorAt(0, QColor(0xee, 0xf1, 0xf5));
        gradient.setColorAt(1, QColor(0xdb, 0xe0, 0xe7));
        painter.fillRect(area, gradient);

        // A fine dot grid, so that an empty page reads as a canvas.
        const int step = px(8);
        const int dot = qMax(1, px(1));
        const QColor dotColor(0x9a, 0xa4, 0xb1, 70);
        for (int y = area.top() + step / 2; y < area.bottom(); y += step)
            for (int x = step / 2; x < area.width(); x += step)
                painter.fillRect(QRect(x, y, dot, dot), dotColor);
    }

    void drawStatusBar(QPainter &painter, const QRect &bar) const
    {
        fillBar(painter, bar);
        painter.fillRect(QRect(0, bar.bottom(), bar.width(), qMax(1, px(1))), QColor(0x0d, 0x10, 0x13));

        const QColor ink(0xf4, 0xf6, 0xf8);
        const QColor dim(0xf4, 0xf6, 0xf8, 80);
        const int baseline = bar.top() + px(17);

        // Signal strength: four rising bars, the last one weak.
        const qreal barWidth = 3 * m_scale;
        for (int i = 0; i < 4; ++i) {
            const qreal h = (4 + 3 * i) * m_scale;
            const QRectF r(px(7 + 4.5 * i), baseline - h, barWidth, h);
            painter.setPen(Qt::NoPen);
            painter.setBrush(i < 3 ? ink : dim);
            painter.drawRoundedRect(r, 0.6 * m_scale, 0.6 * m_scale);
        }

        // Battery, three quarters full.
        const QRectF body(px(177), baseline - px(10), px(20), px(10));
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(ink, qMax(1.0, m_scale)));
        const qreal inset = qMax(1.0, m_scale) / 2;
        painter.drawRoundedRect(body.adjusted(inset, inset, -inset, -inset), 2 * m_scale, 2 * m_scale);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawRoundedRect(QRectF(body.right(), body.top() + px(3), px(2), px(4)), 0.8 * m_scale,
                                0.8 * m_scale);
        const qreal gap = 2 * m_scale;
        painter.drawRect(QRectF(body.left() + gap, body.top() + gap, (body.width() - 2 * gap) * 0.75,
                                body.height() - 2 * gap));

        painter.setPen(ink);
        painter.setFont(uiFont(12 * m_scale, QFont::DemiBold));
        painter.drawText(QRect(0, bar.top(), bar.width(), baseline - bar.top() + px(3)),
                         Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("12:30"));
    }

    void drawSoftKeyBar(QPainter &painter, const QRect &bar) const
    {
        fillBar(painter, bar);
        painter.fillRect(QRect(0, bar.top(), bar.width(), qMax(1, px(1))), QColor(0x0d, 0x10, 0x13));

        painter.setPen(QColor(0xf4, 0xf6, 0xf8));
        painter.setFont(uiFont(11 * m_scale, QFont::DemiBold));
        const QRect textArea = bar.adjusted(px(8), px(1), -px(8), 0);
        painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Menu"));
        painter.drawText(textArea, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Back"));

        // A small centre mark between the two soft keys.
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xf4, 0xf6, 0xf8, 110));
        const QRectF mark(bar.width() / 2.0 - 9 * m_scale, bar.center().y() + 0.5 - 1.5 * m_scale,
                          18 * m_scale, 3 * m_scale);
        painter.drawRoundedRect(mark, 1.5 * m_scale, 1.5 * m_scale);
    }

    qreal m_scale;
};

// ---------------------------------------------------------------------------
// Today view: pixel-exact, only the four key colours.

class TodayCanvas
{
public:
    TodayCanvas(int width, int height) : m_image(width, height, QImage::Format_RGB32)
    {
        m_image.fill(kTodayTransparent);
    }

    void fill(const QRect &rect, QRgb color)
    {
        QPainter painter(&m_image);
        painter.fillRect(rect, QColor(color));
    }

    // Text is drawn without antialiasing and then snapped to one colour, so
    // that no in-between shade survives.
    void text(const QRect &box, int flags, const QString &text, QRgb color, int pixelSize, bool bold = false)
    {
        QImage mask = transparentImage(m_image.width(), m_image.height());
        {
            QPainter painter(&mask);
            QFont font = uiFont(pixelSize, bold ? QFont::Bold : QFont::Normal);
            font.setStyleStrategy(QFont::NoAntialias);
            painter.setFont(font);
            painter.setPen(Qt::black);
            painter.drawText(box, flags, text);
        }
        for (int y = 0; y < mask.height(); ++y) {
            const QRgb *from = reinterpret_cast<const QRgb *>(mask.constScanLine(y));
            QRgb *to = reinterpret_cast<QRgb *>(m_image.scanLine(y));
            for (int x = 0; x < mask.width(); ++x)
                if (qAlpha(from[x]) >= 128)
                    to[x] = color;
        }
    }

    const QImage &image() const { return m_image; }

private:
    QImage m_image;
};

QImage drawTodayTop()
{
    TodayCanvas canvas(208, 60);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter;
    canvas.text(QRect(10, 0, 140, 14), flags, QStringLiteral("Wednesday, 14 May"), kTodayText, 11, true);
    canvas.text(QRect(146, 0, 52, 14), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Today"), kTodayText,
                10);
    canvas.fill(QRect(10, 15, 188, 1), kTodayText);

    struct Row { const char *time; const char *title; };
    const Row rows[] = {{"09:00", "Team meeting"}, {"12:30", "Lunch with Ana"}, {"16:00", "Dentist"}};
    const int selectedRow = 1;
    int top = 18;
    for (int i = 0; i < 3; ++i, top += 14) {
        const bool selected = i == selectedRow;
        if (selected)
            canvas.fill(QRect(6, top, 196, 13), kTodayHighlight);
        const QRgb ink = selected ? kTodaySelectedText : kTodayText;
        canvas.fill(QRect(11, top + 4, 4, 4), ink); // agenda bullet
        canvas.text(QRect(19, top, 40, 13), flags, QString::fromLatin1(rows[i].time), ink, 10, true);
        canvas.text(QRect(55, top, 143, 13), flags, QString::fromLatin1(rows[i].title), ink, 10);
    }
    return canvas.image();
}

QImage drawTodayBottom()
{
    TodayCanvas canvas(208, 16);
    canvas.fill(QRect(10, 1, 188, 1), kTodayText);
    const int flags = Qt::AlignVCenter;
    canvas.text(QRect(10, 3, 96, 13), flags | Qt::AlignLeft, QStringLiteral("2 tasks"), kTodayText, 10);
    canvas.text(QRect(102, 3, 96, 13), flags | Qt::AlignRight, QStringLiteral("1 new message"), kTodayText, 10);
    return canvas.image();
}

// ---------------------------------------------------------------------------
// Drawer button icons.

const QColor kIconInk(0x3b, 0x41, 0x49);

// A square icon drawn in the icon ink on a 16-unit grid, whatever its pixel size.
template<typename Draw>
QImage drawIcon(int size, Draw draw)
{
    const qreal unit = size / 16.0;
    QImage image = transparentImage(size, size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kIconInk);
    draw(painter, unit);
    return image;
}

QImage drawAddIcon(int size)
{
    return drawIcon(size, [](QPainter &painter, qreal unit) {
        painter.drawRoundedRect(QRectF(7 * unit, 3 * unit, 2 * unit, 10 * unit), unit, unit);
        painter.drawRoundedRect(QRectF(3 * unit, 7 * unit, 10 * unit, 2 * unit), unit, unit);
    });
}

QImage drawRemoveIcon(int size)
{
    return drawIcon(size, [](QPainter &painter, qreal unit) {
        painter.drawRoundedRect(QRectF(3 * unit, 7 * unit, 10 * unit, 2 * unit), unit, unit);
    });
}

QPainterPath gearPath(QPointF centre, qreal outer, qreal root, qreal hole, int teeth)
{
    QPainterPath path;
    const qreal step = 2 * M_PI / teeth;
    for (int i = 0; i < teeth; ++i) {
        const qreal a = i * step - M_PI / 2;
        // Each tooth: flat top over 40 % of the step, flanks sloping to the root.
        const qreal angles[] = {a - 0.30 * step, a - 0.18 * step, a + 0.18 * step, a + 0.30 * step};
        const qreal radii[] = {root, outer, outer, root};
        for (int k = 0; k < 4; ++k) {
            const QPointF p = centre + QPointF(qCos(angles[k]) * radii[k], qSin(angles[k]) * radii[k]);
            if (i == 0 && k == 0)
                path.moveTo(p);
            else
                path.lineTo(p);
        }
    }
    path.closeSubpath();
    path.addEllipse(centre, hole, hole);
    path.setFillRule(Qt::OddEvenFill);
    return path;
}

QImage drawActionIcon(int size)
{
    return drawIcon(size, [](QPainter &painter, qreal unit) {
        painter.drawPath(gearPath(QPointF(8 * unit, 8 * unit), 6.6 * unit, 4.9 * unit, 2.0 * unit, 8));
    });
}

// ---------------------------------------------------------------------------
// Application icon and product logo: a phone whose screen is being laid out.

QImage drawAppIcon(int size)
{
    const qreal s = size / 256.0;
    QImage image = transparentImage(size, size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);

    const QRectF tile(8 * s, 8 * s, 240 * s, 240 * s);
    QLinearGradient back(tile.topLeft(), tile.bottomRight());
    back.setColorAt(0, QColor(0x6a, 0x5a, 0xe0));
    back.setColorAt(1, QColor(0x1c, 0xb5, 0xa3));
    painter.setBrush(back);
    painter.drawRoundedRect(tile, 54 * s, 54 * s);

    // Soft light from the top.
    QLinearGradient gloss(tile.topLeft(), QPointF(tile.left(), tile.center().y()));
    gloss.setColorAt(0, QColor(255, 255, 255, 50));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setBrush(gloss);
    painter.drawRoundedRect(tile, 54 * s, 54 * s);

    // Phone body with a shadow under it.
    const QRectF phone(70 * s, 36 * s, 116 * s, 184 * s);
    for (int i = 4; i >= 1; --i) {
        painter.setBrush(QColor(10, 20, 40, 16));
        painter.drawRoundedRect(phone.translated(0, 6 * s).adjusted(-i * 2 * s, -i * s, i * 2 * s, i * 2 * s),
                                (20 + i * 2) * s, (20 + i * 2) * s);
    }
    painter.setBrush(QColor(0xfb, 0xfc, 0xfe));
    painter.drawRoundedRect(phone, 20 * s, 20 * s);

    const QRectF screen = phone.adjusted(10 * s, 20 * s, -10 * s, -26 * s);
    QLinearGradient screenFill(screen.topLeft(), screen.bottomLeft());
    screenFill.setColorAt(0, QColor(0x26, 0x2b, 0x45));
    screenFill.setColorAt(1, QColor(0x1a, 0x1e, 0x30));
    painter.setBrush(screenFill);
    painter.drawRoundedRect(screen, 6 * s, 6 * s);

    // Status line and a 2 x 2 grid of app tiles on the screen.
    painter.setBrush(QColor(255, 255, 255, 90));
    painter.drawRoundedRect(QRectF(screen.left() + 10 * s, screen.top() + 9 * s, 40 * s, 6 * s), 3 * s, 3 * s);
    const QColor tileColors[] = {QColor(0xff, 0x7a, 0x59), QColor(0xff, 0xc1, 0x45), QColor(0x4c, 0xc9, 0xf0),
                                 QColor(0x7b, 0xd8, 0x8f)};
    const qreal cell = 34 * s;
    const qreal gap = 10 * s;
    const qreal gridLeft = screen.center().x() - cell - gap / 2;
    const qreal gridTop = screen.top() + 28 * s;
    for (int i = 0; i < 4; ++i) {
        painter.setBrush(tileColors[i]);
        painter.drawRoundedRect(QRectF(gridLeft + (i % 2) * (cell + gap), gridTop + (i / 2) * (cell + gap), cell,
                                       cell),
                                9 * s, 9 * s);
    }
    painter.setBrush(QColor(255, 255, 255, 60));
    painter.drawRoundedRect(QRectF(screen.left() + 10 * s, screen.bottom() - 18 * s, screen.width() - 20 * s,
                                   8 * s),
                            4 * s, 4 * s);

    // Home key.
    painter.setBrush(QColor(0xd5, 0xda, 0xe3));
    painter.drawRoundedRect(QRectF(phone.center().x() - 14 * s, phone.bottom() - 17 * s, 28 * s, 8 * s), 4 * s,
                            4 * s);

    // A pencil across the lower right corner: the editor at work.
    painter.save();
    painter.translate(196 * s, 190 * s);
    painter.rotate(-45);
    const qreal half = 13 * s;
    painter.setBrush(QColor(10, 20, 40, 45));
    painter.drawRoundedRect(QRectF(-62 * s, -half + 5 * s, 110 * s, 2 * half), 4 * s, 4 * s);
    painter.setBrush(QColor(0xff, 0x8f, 0xa3)); // eraser
    painter.drawRoundedRect(QRectF(28 * s, -half, 22 * s, 2 * half), 5 * s, 5 * s);
    painter.setBrush(QColor(0xc9, 0xcf, 0xd8)); // ferrule
    painter.drawRect(QRectF(20 * s, -half, 12 * s, 2 * half));
    QLinearGradient body(QPointF(0, -half), QPointF(0, half));
    body.setColorAt(0, QColor(0xff, 0xd1, 0x66));
    body.setColorAt(1, QColor(0xf5, 0xa6, 0x23));
    painter.setBrush(body);
    painter.drawRect(QRectF(-40 * s, -half, 60 * s, 2 * half));
    QPainterPath wood;
    wood.moveTo(-40 * s, -half);
    wood.lineTo(-64 * s, 0);
    wood.lineTo(-40 * s, half);
    wood.closeSubpath();
    painter.setBrush(QColor(0xf3, 0xd9, 0xb1));
    painter.drawPath(wood);
    QPainterPath lead;
    lead.moveTo(-56 * s, -half / 3);
    lead.lineTo(-64 * s, 0);
    lead.lineTo(-56 * s, half / 3);
    lead.closeSubpath();
    painter.setBrush(QColor(0x33, 0x36, 0x3d));
    painter.drawPath(lead);
    painter.restore();
    return image;
}

// The maker's mark: three overlapping discs, no lettering; where two overlap
// their colours mix, as if printed on top of each other.
QImage drawMakerMark()
{
    QImage image = transparentImage(52, 34);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QColor colors[] = {QColor(0xff, 0x6b, 0x5b), QColor(0xff, 0xb7, 0x3d), QColor(0x2b, 0xb3, 0xa6)};
    QPainterPath discs[3];
    for (int i = 0; i < 3; ++i) {
        discs[i].addEllipse(QPointF(14.0 + 12 * i, 17.0), 12.0, 12.0);
        painter.setBrush(colors[i]);
        painter.drawPath(discs[i]);
    }
    const QColor overlaps[] = {QColor(0xf0, 0x55, 0x2e), QColor(0x6f, 0x9c, 0x4a)};
    for (int i = 0; i < 2; ++i) {
        painter.setBrush(overlaps[i]);
        painter.drawPath(discs[i].intersected(discs[i + 1]));
    }
    return image;
}

// The About window shows an opaque picture plus a separate mask (black
// opaque, white transparent), so a drawing with alpha is split into both.
// Edge pixels keep their own colour rather than a white fringe.
void splitIntoPictureAndMask(const QImage &drawing, QImage *picture, QImage *mask)
{
    const QImage straight = drawing.convertToFormat(QImage::Format_ARGB32);
    *picture = QImage(straight.size(), QImage::Format_RGB32);
    *mask = QImage(straight.size(), QImage::Format_RGB32);
    for (int y = 0; y < straight.height(); ++y) {
        for (int x = 0; x < straight.width(); ++x) {
            const QRgb pixel = straight.pixel(x, y);
            const int alpha = qAlpha(pixel);
            const int grey = 255 - alpha;
            picture->setPixel(x, y, alpha == 0 ? qRgb(255, 255, 255) : qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel)));
            mask->setPixel(x, y, qRgb(grey, grey, grey));
        }
    }
}

// ---------------------------------------------------------------------------
// Cursors: 32 x 32, hot spot at (16, 16), white with a black outline.

// A double arrow along the x axis, centred on the origin. Straight edges lie on
// half pixels so that, centred on a pixel centre, the outline stays crisp.
QPainterPath doubleArrow(qreal reach)
{
    const qreal shaft = 2.0;
    const qreal head = 6.0;
    const qreal neck = reach - 6.0;
    QPainterPath path;
    path.moveTo(-reach, 0);
    path.lineTo(-neck, -head);
    path.lineTo(-neck, -shaft);
    path.lineTo(neck, -shaft);
    path.lineTo(neck, -head);
    path.lineTo(reach, 0);
    path.lineTo(neck, head);
    path.lineTo(neck, shaft);
    path.lineTo(-neck, shaft);
    path.lineTo(-neck, head);
    path.closeSubpath();
    return path;
}

QImage drawCursor(const QPainterPath &shape)
{
    QImage image = transparentImage(32, 32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(16.5, 16.5);
    painter.setPen(QPen(QColor(0, 0, 0, 70), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawPath(shape.translated(1, 1)); // soft shadow
    painter.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::white);
    painter.drawPath(shape);
    return image;
}

// Four arrows around a cross-shaped shaft, as one outline.
QImage drawMoveCursor()
{
    const qreal reach = 13.0;
    const qreal neck = 8.0;
    const qreal head = 5.0;
    const qreal shaft = 2.0;
    // One quarter, from the right tip round to the bottom arm; turned four times.
    const QPointF quarter[] = {{reach, 0}, {neck, head}, {neck, shaft}, {shaft, shaft}, {shaft, neck}, {head, neck}};
    QPainterPath path;
    for (int turn = 0; turn < 4; ++turn) {
        QTransform rotation;
        rotation.rotate(90 * turn);
        for (const QPointF &point : quarter) {
            const QPointF p = rotation.map(point);
            if (path.elementCount() == 0)
                path.moveTo(p);
            else
                path.lineTo(p);
        }
    }
    path.closeSubpath();
    return drawCursor(path);
}

QImage drawDiagonalCursor(qreal degrees)
{
    QTransform turn;
    turn.rotate(degrees);
    return drawCursor(turn.map(doubleArrow(13)));
}

// ---------------------------------------------------------------------------

bool save(const QImage &image, const QDir &root, const QString &relativePath)
{
    const QString path = root.filePath(relativePath);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));

    QImage productLogo, productLogoMask, makerLogo, makerLogoMask;
    splitIntoPictureAndMask(drawAppIcon(64), &productLogo, &productLogoMask);
    splitIntoPictureAndMask(drawMakerMark(), &makerLogo, &makerLogoMask);

    const struct { QImage image; const char *path; } outputs[] = {
        {PhoneFrame(1.0).draw(), "images/symbianbackground.png"},
        {PhoneFrame(1.5).draw(), "images/symbianbackground150.png"},
        {PhoneFrame(2.0).draw(), "images/symbianbackground200.png"},
        {drawTodayTop(), "images/todayviewoben.png"},
        {drawTodayBottom(), "images/todayviewunten.png"},
        {drawAddIcon(16), "images/Add.png"},
        {drawAddIcon(32), "images/Add@2x.png"},
        {drawRemoveIcon(16), "images/Remove.png"},
        {drawRemoveIcon(32), "images/Remove@2x.png"},
        {drawActionIcon(16), "images/Action.png"},
        {drawActionIcon(32), "images/Action@2x.png"},
        {productLogo, "images/productlogo.png"},
        {productLogoMask, "images/productlogomask.png"},
        {makerLogo, "images/makerlogo.png"},
        {makerLogoMask, "images/makerlogomask.png"},
        {drawMoveCursor(), "cursors/move.png"},
        {drawDiagonalCursor(45), "cursors/resizeleft.png"},
        {drawDiagonalCursor(-45), "cursors/resizeright.png"},
        {drawAppIcon(256), "icons/morvanta.png"},
        {drawAppIcon(64), "icons/morvanta64.png"},
    };
    bool ok = true;
    for (const auto &output : outputs)
        ok = save(output.image, root, QString::fromLatin1(output.path)) && ok;
    return ok ? 0 : 1;
}
