// Draws the BMP pictures of the demo skin.
//
//   morvanta_drawdemo <skin folder>
//
// writes every picture into <skin folder>/Bitmaps. The page and popup files
// that place them are written by hand; the positions they use are noted
// beside each picture below. Masks are black where the picture shows and
// white where it is transparent, with grey on antialiased edges.

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QtMath>

#include <cstdio>
#include <functional>

namespace {

const int kScreenWidth = 208;

const QColor kAccent(0x5b, 0x6b, 0xd5);
const QColor kCardLight(0xf7, 0xf8, 0xfb);
const QColor kCardDark(0x1f, 0x24, 0x40);
const QColor kInkDark(0x2b, 0x30, 0x3a);

QImage transparentImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QFont uiFont(int pixelSize, QFont::Weight weight = QFont::Normal)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

// ---------------------------------------------------------------------------
// Line glyphs on a 24 x 24 grid, drawn with a 2-unit round pen.

enum class Glyph {
    Phone, Message, Contact, Calendar, Apps, Star, Globe, Clock, Lock, Trash, Mail, Check, Mic, Photo,
    Keypad, Calculator, Chip, Bluetooth, Infrared, Cable, Home, Close, Sun
};

void drawGlyph(QPainter &painter, Glyph glyph, const QRectF &box, const QColor &color)
{
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(box.width() / 24.0, box.height() / 24.0);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPen pen(color, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    auto solid = [&] { painter.setPen(Qt::NoPen); painter.setBrush(color); };

    switch (glyph) {
    case Glyph::Phone: {
        QPainterPath handset;
        handset.moveTo(6, 4);
        handset.lineTo(9, 4);
        handset.lineTo(11, 9);
        handset.lineTo(8.5, 10.5);
        handset.cubicTo(9.5, 13, 11, 14.5, 13.5, 15.5);
        handset.lineTo(15, 13);
        handset.lineTo(20, 15);
        handset.lineTo(20, 18);
        handset.quadTo(20, 20, 18, 20);
        handset.cubicTo(10, 19.5, 4.5, 14, 4, 6);
        handset.quadTo(4, 4, 6, 4);
        solid();
        painter.drawPath(handset);
        break;
    }
    case Glyph::Message: {
        QPainterPath bubble;
        bubble.addRoundedRect(QRectF(3.5, 4.5, 17, 12), 3, 3);
        QPainterPath tail;
        tail.moveTo(7, 16);
        tail.lineTo(7, 20.5);
        tail.lineTo(12, 16);
        painter.drawPath(bubble.united(tail));
        solid();
        for (int i = 0; i < 3; ++i)
            painter.drawEllipse(QPointF(8 + 4 * i, 10.5), 1.2, 1.2);
        break;
    }
    case Glyph::Contact:
        painter.drawEllipse(QPointF(12, 8.5), 4, 4);
        painter.drawArc(QRectF(4.5, 14, 15, 14), 0, 180 * 16);
        break;
    case Glyph::Calendar:
        painter.drawRoundedRect(QRectF(4, 5.5, 16, 14.5), 2.5, 2.5);
        painter.drawLine(QPointF(4, 10), QPointF(20, 10));
        painter.drawLine(QPointF(8.5, 3.5), QPointF(8.5, 7));
        painter.drawLine(QPointF(15.5, 3.5), QPointF(15.5, 7));
        solid();
        painter.drawRect(QRectF(13.5, 13.5, 3.5, 3.5));
        break;
    case Glyph::Apps:
        solid();
        for (int i = 0; i < 9; ++i)
            painter.drawRoundedRect(QRectF(4.5 + (i % 3) * 5.5, 4.5 + (i / 3) * 5.5, 4, 4), 1, 1);
        break;
    case Glyph::Star: {
        QPolygonF star;
        for (int i = 0; i < 10; ++i) {
            const qreal r = i % 2 ? 4.0 : 9.0;
            const qreal a = -M_PI / 2 + i * M_PI / 5;
            star << QPointF(12 + r * qCos(a), 12.8 + r * qSin(a));
        }
        solid();
        painter.drawPolygon(star);
        break;
    }
    case Glyph::Globe:
        painter.drawEllipse(QPointF(12, 12), 8.5, 8.5);
        painter.drawEllipse(QPointF(12, 12), 3.8, 8.5);
        painter.drawLine(QPointF(3.5, 12), QPointF(20.5, 12));
        break;
    case Glyph::Clock:
        painter.drawEllipse(QPointF(12, 12), 8.5, 8.5);
        painter.drawPolyline(QPolygonF({QPointF(12, 7), QPointF(12, 12), QPointF(15.5, 14)}));
        break;
    case Glyph::Lock:
        painter.drawArc(QRectF(7.5, 3.5, 9, 10), 0, 180 * 16);
        painter.drawLine(QPointF(7.5, 8.5), QPointF(7.5, 11));
        painter.drawLine(QPointF(16.5, 8.5), QPointF(16.5, 11));
        solid();
        painter.drawRoundedRect(QRectF(5, 11, 14, 10), 2, 2);
        break;
    case Glyph::Trash:
        painter.drawLine(QPointF(4, 6.5), QPointF(20, 6.5));
        painter.drawPolyline(QPolygonF({QPointF(9.5, 6), QPointF(10, 3.5), QPointF(14, 3.5), QPointF(14.5, 6)}));
        painter.drawPolygon(QPolygonF({QPointF(6, 7), QPointF(7.3, 20.5), QPointF(16.7, 20.5), QPointF(18, 7)}));
        painter.drawLine(QPointF(10.3, 10), QPointF(10.5, 17));
        painter.drawLine(QPointF(13.7, 10), QPointF(13.5, 17));
        break;
    case Glyph::Mail:
        painter.drawRoundedRect(QRectF(3.5, 6, 17, 12.5), 2, 2);
        painter.drawPolyline(QPolygonF({QPointF(4.5, 7.5), QPointF(12, 13), QPointF(19.5, 7.5)}));
        break;
    case Glyph::Check:
        painter.drawRoundedRect(QRectF(4, 4, 16, 16), 3.5, 3.5);
        painter.drawPolyline(QPolygonF({QPointF(8, 12.5), QPointF(11, 15.5), QPointF(16.5, 9)}));
        break;
    case Glyph::Mic:
        painter.drawRoundedRect(QRectF(9, 3.5, 6, 11), 3, 3);
        painter.drawArc(QRectF(5.5, 6, 13, 12.5), 180 * 16, 180 * 16);
        painter.drawLine(QPointF(12, 18.5), QPointF(12, 21));
        break;
    case Glyph::Photo:
        painter.drawRoundedRect(QRectF(3.5, 5, 17, 14), 2.5, 2.5);
        painter.drawPolyline(QPolygonF({QPointF(5, 17), QPointF(10, 11.5), QPointF(13.5, 15),
                                        QPointF(15.5, 13), QPointF(19, 16.5)}));
        solid();
        painter.drawEllipse(QPointF(15.5, 9.3), 1.7, 1.7);
        break;
    case Glyph::Keypad:
        solid();
        for (int i = 0; i < 12; ++i)
            painter.drawEllipse(QPointF(7 + (i % 3) * 5, 4.5 + (i / 3) * 5), 1.7, 1.7);
        break;
    case Glyph::Calculator:
        painter.drawRoundedRect(QRectF(5, 3.5, 14, 17), 2.5, 2.5);
        painter.drawLine(QPointF(8.5, 8), QPointF(15.5, 8));
        solid();
        for (int i = 0; i < 6; ++i)
            painter.drawEllipse(QPointF(9 + (i % 3) * 3, 12.5 + (i / 3) * 4), 1.1, 1.1);
        break;
    case Glyph::Chip:
        painter.drawRoundedRect(QRectF(6.5, 6.5, 11, 11), 2, 2);
        for (int i = 0; i < 3; ++i) {
            const qreal p = 9 + 3 * i;
            painter.drawLine(QPointF(p, 3), QPointF(p, 5));
            painter.drawLine(QPointF(p, 19), QPointF(p, 21));
            painter.drawLine(QPointF(3, p), QPointF(5, p));
            painter.drawLine(QPointF(19, p), QPointF(21, p));
        }
        break;
    case Glyph::Bluetooth:
        painter.drawPolyline(QPolygonF({QPointF(7, 8), QPointF(16.5, 16.5), QPointF(12, 21), QPointF(12, 3),
                                        QPointF(16.5, 7.5), QPointF(7, 16)}));
        break;
    case Glyph::Infrared:
        solid();
        painter.drawEllipse(QPointF(6, 18), 2, 2);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        for (int i = 1; i <= 3; ++i) {
            const qreal r = 4.5 * i;
            painter.drawArc(QRectF(6 - r, 18 - r, 2 * r, 2 * r), 0, 90 * 16);
        }
        break;
    case Glyph::Cable:
        painter.drawRoundedRect(QRectF(7, 8, 10, 7), 1.5, 1.5);
        painter.drawLine(QPointF(10, 4), QPointF(10, 8));
        painter.drawLine(QPointF(14, 4), QPointF(14, 8));
        painter.drawPolyline(QPolygonF({QPointF(12, 15), QPointF(12, 18), QPointF(9, 21)}));
        break;
    case Glyph::Home:
        painter.drawPolyline(QPolygonF({QPointF(3.5, 11.5), QPointF(12, 4), QPointF(20.5, 11.5)}));
        painter.drawPolyline(QPolygonF({QPointF(6, 10), QPointF(6, 20), QPointF(18, 20), QPointF(18, 10)}));
        painter.drawLine(QPointF(12, 20), QPointF(12, 15));
        break;
    case Glyph::Close:
        painter.drawLine(QPointF(7, 7), QPointF(17, 17));
        painter.drawLine(QPointF(17, 7), QPointF(7, 17));
        break;
    case Glyph::Sun:
        painter.drawEllipse(QPointF(12, 12), 4, 4);
        for (int i = 0; i < 8; ++i) {
            const qreal a = i * M_PI / 4;
            painter.drawLine(QPointF(12 + 7 * qCos(a), 12 + 7 * qSin(a)), QPointF(12 + 9 * qCos(a), 12 + 9 * qSin(a)));
        }
        break;
    }
    painter.restore();
}

// ---------------------------------------------------------------------------
// Wallpapers. Every page background is drawn at exactly its page-area size.

QImage duskWallpaper(int width, int height, QPointF glowA, QPointF glowB)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0.0, QColor(0x18, 0x1f, 0x4a));
    sky.setColorAt(0.55, QColor(0x3b, 0x2d, 0x72));
    sky.setColorAt(1.0, QColor(0x9a, 0x4a, 0x7e));
    painter.fillRect(image.rect(), sky);

    auto glow = [&](QPointF centre, qreal radius, QColor color) {
        QRadialGradient gradient(centre, radius);
        gradient.setColorAt(0, color);
        color.setAlpha(0);
        gradient.setColorAt(1, color);
        painter.fillRect(image.rect(), gradient);
    };
    glow(glowA, width * 0.9, QColor(0x4c, 0xc9, 0xf0, 70));
    glow(glowB, width * 0.8, QColor(0xff, 0x8a, 0x6b, 90));

    // Two soft ribbons of light across the picture.
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 2; ++i) {
        QPainterPath ribbon;
        const qreal y = height * (0.58 + 0.12 * i);
        ribbon.moveTo(-10, y);
        ribbon.cubicTo(width * 0.35, y - 70 + 30 * i, width * 0.65, y + 40, width + 10, y - 30);
        ribbon.lineTo(width + 10, y - 10);
        ribbon.cubicTo(width * 0.65, y + 60, width * 0.35, y - 50 + 30 * i, -10, y + 24);
        ribbon.closeSubpath();
        painter.setBrush(QColor(255, 255, 255, 14 + 6 * i));
        painter.drawPath(ribbon);
    }
    return image;
}

QImage nightWallpaper(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0.0, QColor(0x07, 0x0b, 0x1e));
    sky.setColorAt(0.7, QColor(0x1a, 0x22, 0x52));
    sky.setColorAt(1.0, QColor(0x3a, 0x2d, 0x6e));
    painter.fillRect(image.rect(), sky);

    QRandomGenerator random(20240514); // fixed seed: the same stars every run
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 70; ++i) {
        const QPointF at(random.bounded(width), random.bounded(height * 2 / 3));
        const qreal size = 0.4 + random.bounded(0.9);
        painter.setBrush(QColor(255, 255, 255, 90 + random.bounded(150)));
        painter.drawEllipse(at, size, size);
    }

    // Hills in two layers at the foot of the screen.
    const QColor hills[] = {QColor(0x2a, 0x24, 0x5c), QColor(0x14, 0x14, 0x33)};
    for (int layer = 0; layer < 2; ++layer) {
        QPainterPath path;
        const qreal base = height - 70 + 28 * layer;
        path.moveTo(0, base);
        path.cubicTo(width * 0.3, base - 36 + 10 * layer, width * 0.55, base + 20, width, base - 24 + 20 * layer);
        path.lineTo(width, height);
        path.lineTo(0, height);
        path.closeSubpath();
        painter.setBrush(hills[layer]);
        painter.drawPath(path);
    }
    return image;
}

// Frosted glass: the wallpaper under the shape, lightened, fully opaque inside
// the shape. Drawing the backdrop into the picture keeps the look the same
// whether a mask is honoured as a cut-out or as a soft alpha.
QImage frosted(const QImage &wallpaper, const QRect &area, const QPainterPath &shape, int whiteAlpha)
{
    QImage glass = transparentImage(area.width(), area.height());
    QPainter painter(&glass);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPath(shape);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.drawImage(0, 0, wallpaper.copy(area));
    painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    painter.fillRect(glass.rect(), QColor(255, 255, 255, whiteAlpha));
    return glass;
}

QPainterPath roundedShape(const QSize &size, qreal radius)
{
    QPainterPath shape;
    shape.addRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), radius, radius);
    return shape;
}

QPainterPath discShape(int size)
{
    QPainterPath shape;
    shape.addEllipse(QRectF(0.5, 0.5, size - 1, size - 1));
    return shape;
}

QImage frostedPanel(const QImage &wallpaper, const QRect &area, qreal radius)
{
    const QPainterPath shape = roundedShape(area.size(), radius);
    QImage panel = frosted(wallpaper, area, shape, 38);
    QPainter painter(&panel);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 255, 255, 70), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shape);
    return panel;
}

// ---------------------------------------------------------------------------
// Output: pictures as 24-bit BMP, masks as 8-bit grey BMP.

class BitmapFolder
{
public:
    explicit BitmapFolder(const QString &path) : m_dir(path) { m_ok = QDir().mkpath(path); }

    void picture(const QString &name, const QImage &image)
    {
        write(name, image.convertToFormat(QImage::Format_RGB32));
    }

    // Splits a drawing with alpha into <name>.bmp and <name>_mask.bmp. Edge
    // pixels keep their own colour; fully transparent ones become black.
    void masked(const QString &name, const QImage &drawing)
    {
        const QImage straight = drawing.convertToFormat(QImage::Format_ARGB32);
        QImage picture(straight.size(), QImage::Format_RGB32);
        QImage mask(straight.size(), QImage::Format_Indexed8);
        QVector<QRgb> greys;
        for (int g = 0; g < 256; ++g)
            greys << qRgb(g, g, g);
        mask.setColorTable(greys);
        for (int y = 0; y < straight.height(); ++y) {
            for (int x = 0; x < straight.width(); ++x) {
                const QRgb pixel = straight.pixel(x, y);
                picture.setPixel(x, y, qAlpha(pixel) == 0 ? qRgb(0, 0, 0) : (pixel | 0xff000000u));
                mask.setPixel(x, y, uint(255 - qAlpha(pixel)));
            }
        }
        write(name, picture);
        write(name + QStringLiteral("_mask"), mask);
    }

    bool ok() const { return m_ok; }

private:
    void write(const QString &name, const QImage &image)
    {
        if (image.width() > kScreenWidth) {
            std::fprintf(stderr, "%s is wider than the screen\n", qPrintable(name));
            m_ok = false;
        }
        const QString path = m_dir.filePath(name + QStringLiteral(".bmp"));
        if (!image.save(path, "BMP")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            m_ok = false;
        }
    }

    QDir m_dir;
    bool m_ok = false;
};

using Paint = std::function<void(QPainter &)>;

QImage paintedImage(int width, int height, const Paint &paint)
{
    QImage image = transparentImage(width, height);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paint(painter);
    return image;
}

QImage opaqueImage(int width, int height, const QColor &background, const Paint &paint)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paint(painter);
    return image;
}

QLinearGradient tileGradient(const QRectF &rect, const QColor &color)
{
    QLinearGradient gradient(rect.topLeft(), rect.bottomRight());
    gradient.setColorAt(0, color.lighter(118));
    gradient.setColorAt(1, color.darker(112));
    return gradient;
}

// A rounded app icon with a white glyph; pressed, it darkens and sinks a pixel.
QImage appIcon(int size, const QColor &color, Glyph glyph, bool pressed)
{
    return paintedImage(size, size, [&](QPainter &p) {
        const QRectF tile(0.5, 0.5, size - 1, size - 1);
        p.setPen(Qt::NoPen);
        p.setBrush(tileGradient(tile, pressed ? color.darker(130) : color));
        p.drawRoundedRect(tile, size * 0.26, size * 0.26);
        const qreal inset = size * 0.22;
        drawGlyph(p, glyph, tile.adjusted(inset, inset + (pressed ? 1 : 0), -inset, -inset + (pressed ? 1 : 0)),
                  Qt::white);
    });
}

// A round button: a disc with a glyph, or only the glyph on a faint disc.
QImage roundButton(int size, const QColor &disc, const QColor &ink, Glyph glyph)
{
    return paintedImage(size, size, [&](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(disc);
        p.drawEllipse(QRectF(0.5, 0.5, size - 1, size - 1));
        const qreal inset = size * 0.25;
        drawGlyph(p, glyph, QRectF(inset, inset, size - 2 * inset, size - 2 * inset), ink);
    });
}

QImage glyphOnly(int size, const QColor &ink, Glyph glyph, int inset = 0)
{
    return paintedImage(size, size, [&](QPainter &p) {
        drawGlyph(p, glyph, QRectF(inset, inset, size - 2 * inset, size - 2 * inset), ink);
    });
}

// A round glass button over the wallpaper at the given place.
QImage glassButton(const QImage &wallpaper, const QRect &area, int whiteAlpha, Glyph glyph)
{
    QImage image = frosted(wallpaper, area, discShape(area.width()), whiteAlpha);
    QPainter painter(&image);
    const qreal inset = area.width() * 0.25;
    drawGlyph(painter, glyph, QRectF(inset, inset, area.width() - 2 * inset, area.width() - 2 * inset), Qt::white);
    return image;
}

// ---------------------------------------------------------------------------
// The pictures of each page and popup.

void drawHome(BitmapFolder &out)
{
    // Normal mode: the page area is 208 x 276.
    const QImage wallpaper = duskWallpaper(208, 276, QPointF(30, 40), QPointF(190, 250));
    out.picture(QStringLiteral("home_bg"), wallpaper);
    out.masked(QStringLiteral("lock"), glyphOnly(16, Qt::white, Glyph::Lock));                  // 8,6
    out.masked(QStringLiteral("today_panel"), frostedPanel(wallpaper, QRect(6, 62, 196, 86), 10)); // 6,62
    out.masked(QStringLiteral("dock"), frostedPanel(wallpaper, QRect(6, 234, 196, 38), 12));      // 6,234

    // The apps row: 36 x 36 icons at y 178.
    const struct { const char *name; QColor color; Glyph glyph; } apps[] = {
        {"app_phone", QColor(0x34, 0xc7, 0x59), Glyph::Phone},
        {"app_messages", QColor(0x2f, 0x9b, 0xf0), Glyph::Message},
        {"app_contacts", QColor(0xff, 0x9f, 0x1c), Glyph::Contact},
        {"app_calendar", QColor(0xef, 0x47, 0x6f), Glyph::Calendar},
    };
    for (const auto &app : apps) {
        const QString name = QString::fromLatin1(app.name);
        out.masked(name, appIcon(36, app.color, app.glyph, false));
        out.masked(name + QStringLiteral("_pressed"), appIcon(36, app.color, app.glyph, true));
    }

    // Dock buttons: white glyphs on the frosted dock, 30 x 30 at y 238.
    const struct { const char *name; Glyph glyph; } dock[] = {
        {"dock_apps", Glyph::Apps}, {"dock_shortcuts", Glyph::Star}, {"dock_web", Glyph::Globe},
        {"dock_clock", Glyph::Clock}, {"dock_settings", Glyph::Sun},
    };
    for (int i = 0; i < 5; ++i) {
        const QString name = QString::fromLatin1(dock[i].name);
        const QRect area(13 + 38 * i, 238, 30, 30);
        out.masked(name, glyphOnly(30, Qt::white, dock[i].glyph, 7));
        out.masked(name + QStringLiteral("_pressed"), glassButton(wallpaper, area, 110, dock[i].glyph));
    }

    // Today indicators: three 40 x 18 tabs over the today view, at y 152.
    const struct { const char *name; Glyph glyph; } tabs[] = {
        {"tab_day", Glyph::Calendar}, {"tab_tasks", Glyph::Check}, {"tab_messages", Glyph::Mail},
    };
    for (int i = 0; i < 3; ++i) {
        const QRect area(38 + 44 * i, 152, 40, 18);
        const QPainterPath pill = roundedShape(area.size(), 8.5);
        auto tab = [&](QImage face, const QColor &ink, const QColor &border) {
            QPainter p(&face);
            p.setRenderHint(QPainter::Antialiasing);
            if (border.alpha()) {
                p.setPen(QPen(border, 1));
                p.setBrush(Qt::NoBrush);
                p.drawPath(pill);
            }
            drawGlyph(p, tabs[i].glyph, QRectF(13, 2, 14, 14), ink);
            return face;
        };
        auto solidFace = [&](const QColor &fill) {
            return paintedImage(40, 18, [&](QPainter &p) {
                p.setPen(Qt::NoPen);
                p.setBrush(fill);
                p.drawPath(pill);
            });
        };
        const QString name = QString::fromLatin1(tabs[i].name);
        out.masked(name + QStringLiteral("_on"), tab(solidFace(Qt::white), kAccent, Qt::transparent));
        out.masked(name + QStringLiteral("_off"),
                   tab(frosted(wallpaper, area, pill, 40), Qt::white, QColor(255, 255, 255, 90)));
        out.masked(name + QStringLiteral("_pressed"), tab(solidFace(kAccent), Qt::white, Qt::transparent));
    }
}

void drawShortcuts(BitmapFolder &out)
{
    // Full-screen mode: the page area is 208 x 301.
    const QImage wallpaper = duskWallpaper(208, 301, QPointF(180, 30), QPointF(20, 280));
    out.picture(QStringLiteral("shortcuts_bg"), wallpaper);

    // A 3 x 3 grid of 64 x 60 tiles from (4, 40), 4 pixels apart, caption inside.
    const struct { const char *name; const char *caption; QColor color; Glyph glyph; } tiles[] = {
        {"tile_sms", "SMS", QColor(0x2f, 0x9b, 0xf0), Glyph::Message},
        {"tile_email", "Email", QColor(0x5b, 0x6b, 0xd5), Glyph::Mail},
        {"tile_mms", "MMS", QColor(0x9b, 0x5d, 0xe5), Glyph::Photo},
        {"tile_todo", "To-do", QColor(0x34, 0xc7, 0x59), Glyph::Check},
        {"tile_event", "Event", QColor(0xef, 0x47, 0x6f), Glyph::Calendar},
        {"tile_voice", "Voice", QColor(0xff, 0x9f, 0x1c), Glyph::Mic},
        {"tile_dial", "Speed dial", QColor(0x14, 0xb8, 0xa6), Glyph::Keypad},
        {"tile_calc", "Calculator", QColor(0x64, 0x74, 0x8b), Glyph::Calculator},
        {"tile_memory", "Clean up", QColor(0xf1, 0x5b, 0x3c), Glyph::Chip},
    };
    for (int i = 0; i < 9; ++i) {
        const QRect area(4 + (i % 3) * 68, 40 + (i / 3) * 64, 64, 60);
        const QImage under = wallpaper.copy(area);
        for (bool pressed : {false, true}) {
            const QImage tile = opaqueImage(64, 60, Qt::black, [&](QPainter &p) {
                p.drawImage(0, 0, under);
                const QRectF face(0.5, 0.5, 63, 59);
                p.setPen(Qt::NoPen);
                p.setBrush(tileGradient(face, pressed ? tiles[i].color.darker(135) : tiles[i].color));
                p.drawRoundedRect(face, 10, 10);
                drawGlyph(p, tiles[i].glyph, QRectF(21, 9, 22, 22), Qt::white);
                p.setPen(Qt::white);
                p.setFont(uiFont(10, QFont::DemiBold));
                p.drawText(QRectF(0, 36, 64, 18), Qt::AlignCenter, QString::fromLatin1(tiles[i].caption));
            });
            out.picture(QString::fromLatin1(tiles[i].name) + (pressed ? QStringLiteral("_pressed") : QString()),
                        tile);
        }
    }

    // The footer strip under the grid, 208 x 65 at (0, 236).
    out.picture(QStringLiteral("footer"), opaqueImage(208, 65, Qt::black, [&](QPainter &p) {
        p.drawImage(0, 0, wallpaper.copy(0, 236, 208, 65));
        p.fillRect(QRect(0, 0, 208, 65), QColor(10, 12, 30, 90));
        p.fillRect(QRect(0, 0, 208, 1), QColor(255, 255, 255, 50));
    }));
    out.masked(QStringLiteral("home"), roundButton(36, QColor(255, 255, 255, 235), kAccent, Glyph::Home));
    out.masked(QStringLiteral("home_pressed"), roundButton(36, kAccent, Qt::white, Glyph::Home));
    out.masked(QStringLiteral("trash"), glyphOnly(20, Qt::white, Glyph::Trash)); // 176,252
}

void drawClock(BitmapFolder &out)
{
    // Complete-screen mode: the page area is the whole 208 x 320 screen.
    const QImage wallpaper = nightWallpaper(208, 320);
    out.picture(QStringLiteral("clock_bg"), wallpaper);
    out.masked(QStringLiteral("moon"), paintedImage(40, 40, [](QPainter &p) { // 150,26
        QRadialGradient halo(QPointF(20, 20), 20);
        halo.setColorAt(0.6, QColor(0xff, 0xe9, 0xb0, 90));
        halo.setColorAt(1.0, QColor(0xff, 0xe9, 0xb0, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(halo);
        p.drawEllipse(QRectF(0, 0, 40, 40));
        QPainterPath moon;
        moon.addEllipse(QPointF(20, 20), 11, 11);
        QPainterPath bite;
        bite.addEllipse(QPointF(26, 15), 9.5, 9.5);
        p.setBrush(QColor(0xff, 0xe9, 0xb0));
        p.drawPath(moon.subtracted(bite));
    }));
    // Two round buttons of 40 x 40 at (52, 262) and (116, 262).
    out.masked(QStringLiteral("round_lock"), glassButton(wallpaper, QRect(52, 262, 40, 40), 40, Glyph::Lock));
    out.masked(QStringLiteral("round_lock_pressed"), roundButton(40, kAccent, Qt::white, Glyph::Lock));
    out.masked(QStringLiteral("round_home"), glassButton(wallpaper, QRect(116, 262, 40, 40), 40, Glyph::Home));
    out.masked(QStringLiteral("round_home_pressed"), roundButton(40, kAccent, Qt::white, Glyph::Home));
}

void drawAppsMenu(BitmapFolder &out)
{
    // A light card of 168 x 204 with a coloured header of 30.
    out.picture(QStringLiteral("menu_bg"), opaqueImage(168, 204, kCardLight, [](QPainter &p) {
        QLinearGradient header(0, 0, 168, 0);
        header.setColorAt(0, kAccent);
        header.setColorAt(1, QColor(0x7a, 0x5b, 0xd5));
        p.fillRect(QRect(0, 0, 168, 30), header);
        p.setPen(QColor(0xd5, 0xd9, 0xe3));
        p.setBrush(Qt::NoBrush);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.drawRect(QRect(0, 0, 167, 203));
    }));
    out.masked(QStringLiteral("menu_icon"), glyphOnly(16, Qt::white, Glyph::Apps)); // 144,7

    // Menu rows of 152 x 28 from (8, 36), 30 apart.
    const struct { const char *name; const char *caption; QColor color; Glyph glyph; } rows[] = {
        {"row_contacts", "Contacts", QColor(0xff, 0x9f, 0x1c), Glyph::Contact},
        {"row_messages", "Messages", QColor(0x2f, 0x9b, 0xf0), Glyph::Message},
        {"row_calc", "Calculator", QColor(0x64, 0x74, 0x8b), Glyph::Calculator},
        {"row_web", "Web", QColor(0x14, 0xb8, 0xa6), Glyph::Globe},
        {"row_closeall", "Close all apps", QColor(0xef, 0x47, 0x6f), Glyph::Close},
    };
    for (const auto &row : rows) {
        for (bool pressed : {false, true}) {
            const QImage image = opaqueImage(152, 28, kCardLight, [&](QPainter &p) {
                if (pressed) {
                    p.setPen(Qt::NoPen);
                    p.setBrush(QColor(0xe3, 0xe7, 0xfb));
                    p.drawRoundedRect(QRectF(0, 0, 152, 28), 6, 6);
                }
                const QRectF icon(4, 4, 20, 20);
                p.setPen(Qt::NoPen);
                p.setBrush(tileGradient(icon, row.color));
                p.drawRoundedRect(icon, 5, 5);
                drawGlyph(p, row.glyph, icon.adjusted(4, 4, -4, -4), Qt::white);
                p.setPen(pressed ? kAccent : kInkDark);
                p.setFont(uiFont(11, pressed ? QFont::DemiBold : QFont::Normal));
                p.drawText(QRectF(32, 0, 116, 28), Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(row.caption));
            });
            out.picture(QString::fromLatin1(row.name) + (pressed ? QStringLiteral("_pressed") : QString()), image);
        }
    }
    out.picture(QStringLiteral("menu_hint"), opaqueImage(152, 12, kCardLight, [](QPainter &p) { // 8,188
        p.setPen(QColor(0x8a, 0x93, 0xa6));
        p.setFont(uiFont(9));
        p.drawText(QRectF(0, 0, 152, 12), Qt::AlignCenter, QStringLiteral("Tap outside to close"));
    }));
}

void drawQuickSettings(BitmapFolder &out)
{
    // A dark card of 192 x 126.
    out.picture(QStringLiteral("quick_bg"), opaqueImage(192, 126, kCardDark, [](QPainter &p) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QColor(0x3a, 0x41, 0x6b));
        p.drawRect(QRect(0, 0, 191, 125));
    }));
    out.picture(QStringLiteral("quick_divider"), opaqueImage(168, 1, QColor(0x3a, 0x41, 0x6b), [](QPainter &) {
    })); // 12,86

    // Four round toggles of 36 x 36 at y 30, 46 apart from x 15.
    const struct { const char *name; Glyph glyph; } toggles[] = {
        {"toggle_bluetooth", Glyph::Bluetooth}, {"toggle_infrared", Glyph::Infrared},
        {"toggle_cable", Glyph::Cable}, {"toggle_memory", Glyph::Chip},
    };
    for (const auto &toggle : toggles) {
        const QString name = QString::fromLatin1(toggle.name);
        out.masked(name, roundButton(36, QColor(0x34, 0x3b, 0x66), Qt::white, toggle.glyph));
        out.masked(name + QStringLiteral("_pressed"), roundButton(36, kAccent, Qt::white, toggle.glyph));
    }
    out.masked(QStringLiteral("chip_small"), glyphOnly(16, QColor(0xae, 0xb6, 0xd6), Glyph::Chip)); // 12,95
    for (bool pressed : {false, true}) {
        const QImage close = opaqueImage(20, 20, kCardDark, [&](QPainter &p) { // 166,6
            if (pressed) {
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(0x34, 0x3b, 0x66));
                p.drawEllipse(QRectF(0, 0, 20, 20));
            }
            drawGlyph(p, Glyph::Close, QRectF(3, 3, 14, 14), QColor(0xae, 0xb6, 0xd6));
        });
        out.picture(pressed ? QStringLiteral("close_pressed") : QStringLiteral("close"), close);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <skin folder>\n", argv[0]);
        return 2;
    }
    BitmapFolder out(QDir(QString::fromLocal8Bit(argv[1])).filePath(QStringLiteral("Bitmaps")));
    drawHome(out);
    drawShortcuts(out);
    drawClock(out);
    drawAppsMenu(out);
    drawQuickSettings(out);
    return out.ok() ? 0 : 1;
}
