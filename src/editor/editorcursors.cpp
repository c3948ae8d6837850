#include "editorcursors.h"

#include <QPixmap>

namespace EditorCursors {

namespace {

QCursor fromResource(const QString &path)
{
    const QPixmap picture(path);
    return QCursor(picture, picture.width() / 2, picture.height() / 2);
}

} // namespace

const QCursor &move()
{
    static const QCursor cursor = fromResource(QStringLiteral(":/cursors/move.png"));
    return cursor;
}

const QCursor &resizeLeft()
{
    static const QCursor cursor = fromResource(QStringLiteral(":/cursors/resizeleft.png"));
    return cursor;
}

const QCursor &resizeRight()
{
    static const QCursor cursor = fromResource(QStringLiteral(":/cursors/resizeright.png"));
    return cursor;
}

}
