#include "carbondeclares.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QVariantAnimation>
#include <QWidget>

#include <cmath>

namespace CarbonDeclares {

namespace {

// Share of the change in width (height) that the left (top) edge absorbs; the right
// (bottom) edge takes the rest. Indexed by anchor.
struct EdgeShares
{
    double left;
    double top;
};
constexpr EdgeShares anchorShares[] = {
    {0.0, 0.0}, // top-left corner
    {1.0, 0.0}, // top-right corner
    {0.0, 1.0}, // bottom-left corner
    {1.0, 1.0}, // bottom-right corner
    {0.5, 0.0}, // middle of the top edge
    {0.0, 0.5}, // middle of the left edge
    {0.5, 1.0}, // middle of the bottom edge
    {1.0, 0.5}, // middle of the right edge
};
constexpr int anchorCount = int(sizeof(anchorShares) / sizeof(anchorShares[0]));

int truncated(double value)
{
    return int(std::trunc(value));
}

bool isFixedSize(const QWidget *window)
{
    return window->minimumSize() == window->maximumSize();
}

void applyGeometry(QWidget *window, const QRect &geometry)
{
    // A fixed-size window ignores resize(); its fixed size has to move with it.
    if (isFixedSize(window))
        window->setFixedSize(geometry.size());
    window->setGeometry(geometry);
}

// Slides the window to its new geometry and returns only when it is there, so that
// whoever resized it sees the final geometry.
void animateGeometry(QWidget *window, const QRect &from, const QRect &to)
{
    QVariantAnimation animation;
    animation.setDuration(150);
    animation.setStartValue(from);
    animation.setEndValue(to);
    QObject::connect(&animation, &QVariantAnimation::valueChanged, window,
                     [window](const QVariant &value) { applyGeometry(window, value.toRect()); });
    QEventLoop loop;
    QObject::connect(&animation, &QVariantAnimation::finished, &loop, &QEventLoop::quit);
    animation.start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

bool canAnimate(const QWidget *window)
{
    return window->isVisible() && QGuiApplication::platformName() != QLatin1String("offscreen");
}

} // namespace

void SetWindowModified(QWidget *window, bool modified)
{
    if (window)
        window->setWindowModified(modified);
}

ResizedGeometry resizedGeometry(const QRect &frame, const QRect &content, const QSize &newContentSize, int anchor)
{
    if (anchor < 0 || anchor >= anchorCount)
        return {frame, content.topLeft()};

    const EdgeShares shares = anchorShares[anchor];
    const double growX = newContentSize.width() - content.width();
    const double growY = newContentSize.height() - content.height();
    const double leftShift = shares.left * growX;
    const double topShift = shares.top * growY;
    const double rightShift = (1.0 - shares.left) * growX;
    const double bottomShift = (1.0 - shares.top) * growY;

    const int left = truncated(frame.x() - leftShift);
    const int top = truncated(frame.y() - topShift);
    const int right = truncated(frame.x() + frame.width() + rightShift);
    const int bottom = truncated(frame.y() + frame.height() + bottomShift);
    return {QRect(left, top, right - left, bottom - top),
            QPoint(truncated(content.x() - leftShift), truncated(content.y() - topShift))};
}

void SmoothResize(QWidget *window, int width, int height, int anchor)
{
    if (!window)
        return;
    const QSize newSize(width, height);
    const ResizedGeometry target = resizedGeometry(window->frameGeometry(), window->geometry(), newSize, anchor);
    const QRect end(target.contentTopLeft, newSize);
    if (canAnimate(window))
        animateGeometry(window, window->geometry(), end);
    applyGeometry(window, end);
    window->update();
}

}
