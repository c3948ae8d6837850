#pragma once

#include <QCursor>

// The editor's own mouse cursors, with their hot spot in the middle.
namespace EditorCursors {

// Over an element that can be moved.
const QCursor &move();
// Over the top-left and bottom-right corners of a label.
const QCursor &resizeLeft();
// Over its top-right and bottom-left corners.
const QCursor &resizeRight();

}
