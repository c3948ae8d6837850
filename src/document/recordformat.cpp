#include "recordformat.h"

namespace RecordFormats {

// Raw columns are written as they are; the quoted ones that name pictures are paths.
const RecordFormat &button()
{
    static const RecordFormat f{"BUTTON", ButtonColumn::Count, {0, 1, 2}, {ButtonColumn::Bitmap, ButtonColumn::Pressed}};
    return f;
}

const RecordFormat &buttonMasked()
{
    static const RecordFormat f{"BUTTON_MASKED",
                                ButtonMaskColumn::Count,
                                {0, 1, 2},
                                {ButtonMaskColumn::Bitmap, ButtonMaskColumn::BitmapMask, ButtonMaskColumn::Pressed,
                                 ButtonMaskColumn::PressedMask}};
    return f;
}

const RecordFormat &picture()
{
    static const RecordFormat f{"PICTURE", PictureColumn::Count, {0, 1}, {PictureColumn::Bitmap}};
    return f;
}

static RecordFormat maskedPictureShape(const char *keyword)
{
    return RecordFormat{keyword,
                        PictureMaskColumn::Count,
                        {0, 1},
                        {PictureMaskColumn::Bitmap, PictureMaskColumn::BitmapMask}};
}

const RecordFormat &pictureMasked()
{
    static const RecordFormat f = maskedPictureShape("PICTURE_MASKED");
    return f;
}

const RecordFormat &lockIcon()
{
    static const RecordFormat f = maskedPictureShape("LOCKICON");
    return f;
}

const RecordFormat &trashIcon()
{
    static const RecordFormat f = maskedPictureShape("TRASHICON");
    return f;
}

const RecordFormat &todayIndicator()
{
    static const RecordFormat f{"TODAYINDICATOR",
                                TodayIndicatorColumn::Count,
                                {0, 1, 8},
                                {2, 3, 4, 5, 6, 7}};
    return f;
}

const RecordFormat &today()
{
    static const RecordFormat f{"TODAY", TodayColumn::Count, {0, 1, 5}, {}};
    return f;
}

const RecordFormat &label()
{
    static const RecordFormat f{"LABEL", LabelColumn::Count, {0, 1, 2, 3, 5, 7, 8, 9}, {}};
    return f;
}

const RecordFormat &location()
{
    static const RecordFormat f{"LOCATION", LocationColumn::Count, {0, 1, 2, 3}, {}};
    return f;
}

const RecordFormat &popupBehaviour()
{
    static const RecordFormat f{"POPUP_BEHAVIOUR", BehaviourColumn::Count, {0, 1, 2, 3}, {}};
    return f;
}

}
