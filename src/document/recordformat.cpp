#include "recordformat.h"

namespace RecordFormats {

namespace {

// The shapes that several keywords share.
RecordFormat pictureShape(const char *keyword, bool masked)
{
    RecordFormat f{keyword, masked ? int(PictureMaskColumn::Count) : int(PictureColumn::Count), {0, 1}, {PictureColumn::Bitmap}};
    f.keyColumn = f.pictureColumn = PictureColumn::Bitmap;
    f.xColumn = 0;
    f.yColumn = 1;
    if (masked) {
        f.pathColumns << PictureMaskColumn::BitmapMask;
        f.maskColumn = PictureMaskColumn::BitmapMask;
    }
    return f;
}

RecordFormat buttonShape(bool masked)
{
    RecordFormat f{masked ? "BUTTON_MASKED" : "BUTTON", masked ? int(ButtonMaskColumn::Count) : int(ButtonColumn::Count),
                   {0, 1, 2}, {}};
    if (masked) {
        f.pathColumns = {ButtonMaskColumn::Bitmap, ButtonMaskColumn::BitmapMask, ButtonMaskColumn::Pressed,
                         ButtonMaskColumn::PressedMask};
        f.maskColumn = ButtonMaskColumn::BitmapMask;
    } else {
        f.pathColumns = {ButtonColumn::Bitmap, ButtonColumn::Pressed};
    }
    f.keyColumn = f.pictureColumn = ButtonColumn::Bitmap;
    f.xColumn = ButtonColumn::X;
    f.yColumn = ButtonColumn::Y;
    f.commandColumn = ButtonColumn::Command;
    f.argumentColumn = ButtonColumn::Argument;
    return f;
}

// Records without a picture: every value but the quoted texts is raw.
RecordFormat plainShape(const char *keyword, int columnCount, const QList<int> &rawColumns, int keyColumn)
{
    RecordFormat f{keyword, columnCount, rawColumns, {}};
    f.keyColumn = keyColumn;
    return f;
}

} // namespace

// Raw columns are written as they are; the quoted ones that name pictures are paths.
const RecordFormat &button()
{
    static const RecordFormat f = buttonShape(false);
    return f;
}

const RecordFormat &buttonMasked()
{
    static const RecordFormat f = buttonShape(true);
    return f;
}

const RecordFormat &picture()
{
    static const RecordFormat f = pictureShape("PICTURE", false);
    return f;
}

const RecordFormat &pictureMasked()
{
    static const RecordFormat f = pictureShape("PICTURE_MASKED", true);
    return f;
}

const RecordFormat &lockIcon()
{
    static const RecordFormat f = pictureShape("LOCKICON", true);
    return f;
}

const RecordFormat &trashIcon()
{
    static const RecordFormat f = pictureShape("TRASHICON", true);
    return f;
}

const RecordFormat &todayIndicator()
{
    static const RecordFormat f = [] {
        RecordFormat indicator{"TODAYINDICATOR", TodayIndicatorColumn::Count, {0, 1, 8}, {2, 3, 4, 5, 6, 7}};
        indicator.keyColumn = indicator.pictureColumn = TodayIndicatorColumn::Selected;
        indicator.maskColumn = TodayIndicatorColumn::SelectedMask;
        indicator.xColumn = TodayIndicatorColumn::X;
        indicator.yColumn = TodayIndicatorColumn::Y;
        return indicator;
    }();
    return f;
}

const RecordFormat &today()
{
    static const RecordFormat f = [] {
        RecordFormat view = plainShape("TODAY", TodayColumn::Count, {0, 1, 5}, TodayColumn::TextColor);
        view.yColumn = TodayColumn::Y;
        return view;
    }();
    return f;
}

const RecordFormat &label()
{
    static const RecordFormat f = [] {
        RecordFormat text = plainShape("LABEL", LabelColumn::Count, {0, 1, 2, 3, 5, 7, 8, 9}, LabelColumn::FontName);
        text.xColumn = LabelColumn::X;
        text.yColumn = LabelColumn::Y;
        return text;
    }();
    return f;
}

const RecordFormat &location()
{
    static const RecordFormat f = [] {
        RecordFormat area = plainShape("LOCATION", LocationColumn::Count, {0, 1, 2, 3}, LocationColumn::Width);
        area.xColumn = LocationColumn::X;
        area.yColumn = LocationColumn::Y;
        return area;
    }();
    return f;
}

const RecordFormat &popupBehaviour()
{
    static const RecordFormat f =
        plainShape("POPUP_BEHAVIOUR", BehaviourColumn::Count, {0, 1, 2, 3}, BehaviourColumn::OtherPopups);
    return f;
}

}
