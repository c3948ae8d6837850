#pragma once

#include <QByteArray>
#include <QList>

// Column names of every record kind, in file order.
struct ButtonColumn { enum : int { X, Y, Command, Argument, Bitmap, Pressed, Count }; };
struct ButtonMaskColumn { enum : int { X, Y, Command, Argument, Bitmap, BitmapMask, Pressed, PressedMask, Count }; };
struct PictureColumn { enum : int { X, Y, Bitmap, Count }; };
// PICTURE_MASKED, LOCKICON and TRASHICON share this shape.
struct PictureMaskColumn { enum : int { X, Y, Bitmap, BitmapMask, Count }; };
struct TodayIndicatorColumn {
    enum : int { X, Y, Selected, SelectedMask, Deselected, DeselectedMask, Pressed, PressedMask, IndicatorType, Count };
};
struct TodayColumn { enum : int { Y, Height, TextColor, SelectedTextColor, HighlightColor, HighlightOpacity, Count }; };
struct LabelColumn {
    enum : int { X, Y, Width, Height, FontName, FontSize, Color, Align, Bold, LabelType, LabelText, Count };
};
struct LocationColumn { enum : int { X, Y, Width, Height, Count }; };
struct BehaviourColumn { enum : int { AnyCommand, FocusLost, OtherPopups, Indicator, Count }; };
struct PageColumn { enum : int { Number, File, Name, Count }; };

// How one record kind looks in a page or popup file, and which of its columns mean the
// same in every record that has them (-1 where it has none).
struct RecordFormat
{
    QByteArray keyword;
    int columnCount = 0;
    QList<int> rawColumns;  // written unquoted
    QList<int> pathColumns; // quoted, and "/" in the file is ":" in the model
    int keyColumn = -1;     // a slot holds a record when this column is set
    int xColumn = -1;       // none: the record spans the screen's width
    int yColumn = -1;
    int pictureColumn = -1;
    int maskColumn = -1;
    int commandColumn = -1;
    int argumentColumn = -1;

    bool isRaw(int column) const { return rawColumns.contains(column); }
    bool isPath(int column) const { return pathColumns.contains(column); }
};

namespace RecordFormats {
const RecordFormat &button();
const RecordFormat &buttonMasked();
const RecordFormat &picture();
const RecordFormat &pictureMasked();
const RecordFormat &lockIcon();
const RecordFormat &trashIcon();
const RecordFormat &todayIndicator();
const RecordFormat &today();
const RecordFormat &label();
const RecordFormat &location();
const RecordFormat &popupBehaviour();
}
