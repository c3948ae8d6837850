#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Two small window helpers: the unsaved-changes mark and an animated resize that keeps
// one corner or edge of the window in place.
namespace CarbonDeclares {

void SetWindowModified(QWidget *window, bool modified);

// Anchors: 0 top-left, 1 top-right, 2 bottom-left, 3 bottom-right, 4 middle of top,
// 5 middle of left, 6 middle of bottom, 7 middle of right; others change nothing.
void SmoothResize(QWidget *window, int width, int height, int anchor);

// Where SmoothResize puts a window: its outer frame and the top-left corner of its
// content. Every half pixel is truncated toward zero.
struct ResizedGeometry
{
    QRect frame;
    QPoint contentTopLeft;
};
ResizedGeometry resizedGeometry(const QRect &frame, const QRect &content, const QSize &newContentSize, int anchor);

}
