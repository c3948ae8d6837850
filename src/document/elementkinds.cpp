#include "elementkinds.h"

#include "skin.h"

#include <algorithm>

namespace ElementKinds {

namespace {

constexpr int None = -1;
constexpr Surface Page = Surface::Page;
constexpr Surface Popup = Surface::Popup;

std::array<ElementKind, KindCount> makeKinds()
{
    using F = ElementForm;
    using K = KindId;
    const int Slots = DefaultSlots;
    const int Rows = PopupRowSlots;
    // Columns: id, identifier, surface, form, table, format,
    //          key, written when, listed when, x, y, picture, mask,
    //          drawer filter and caption, file order, slots after reading.
    // Labels are listed by their width and popup buttons written by their command; the
    // rest use their key column for both.
    return {{
        {K::Pic, "Pic", Page, F::Picture, &Skin::PictureProperties, &RecordFormats::picture(),
         PictureColumn::Bitmap, PictureColumn::Bitmap, PictureColumn::Bitmap, 0, 1,
         PictureColumn::Bitmap, None, 0, "Pictures", 3, Slots},
        {K::PicM, "PicM", Page, F::Picture, &Skin::PictureMaskProperties, &RecordFormats::pictureMasked(),
         PictureMaskColumn::Bitmap, PictureMaskColumn::Bitmap, PictureMaskColumn::Bitmap, 0, 1,
         PictureMaskColumn::Bitmap, PictureMaskColumn::BitmapMask, 1, "Mask Pictures", 2, Slots},
        {K::Bt, "Bt", Page, F::Picture, &Skin::ButtonProperties, &RecordFormats::button(),
         ButtonColumn::Bitmap, ButtonColumn::Bitmap, ButtonColumn::Bitmap, 0, 1,
         ButtonColumn::Bitmap, None, 2, "Button", 1, Slots},
        {K::BtM, "BtM", Page, F::Picture, &Skin::ButtonMaskProperties, &RecordFormats::buttonMasked(),
         ButtonMaskColumn::Bitmap, ButtonMaskColumn::Bitmap, ButtonMaskColumn::Bitmap, 0, 1,
         ButtonMaskColumn::Bitmap, ButtonMaskColumn::BitmapMask, 3, "Mask Button", 0, Slots},
        {K::Lab, "Lab", Page, F::Label, &Skin::LabelProperties, &RecordFormats::label(),
         LabelColumn::FontName, LabelColumn::FontName, LabelColumn::Width, 0, 1,
         None, None, 4, "Label", 8, Slots},
        {K::To, "To", Page, F::Today, &Skin::TodayProperties, &RecordFormats::today(),
         TodayColumn::TextColor, TodayColumn::TextColor, TodayColumn::TextColor, None, TodayColumn::Y,
         None, None, 5, "Today", 6, Slots},
        {K::ToI, "ToI", Page, F::Picture, &Skin::TodayIndicatorProperties, &RecordFormats::todayIndicator(),
         TodayIndicatorColumn::Selected, TodayIndicatorColumn::Selected, TodayIndicatorColumn::Selected, 0, 1,
         TodayIndicatorColumn::Selected, TodayIndicatorColumn::SelectedMask, 6, "Today Indicator", 7, Slots},
        {K::Tra, "Tra", Page, F::Picture, &Skin::TrashProperties, &RecordFormats::trashIcon(),
         PictureMaskColumn::Bitmap, PictureMaskColumn::Bitmap, PictureMaskColumn::Bitmap, 0, 1,
         PictureMaskColumn::Bitmap, PictureMaskColumn::BitmapMask, 7, "Trashicon", 5, Slots},
        {K::Lok, "Lok", Page, F::Picture, &Skin::LockIconProperties, &RecordFormats::lockIcon(),
         PictureMaskColumn::Bitmap, PictureMaskColumn::Bitmap, PictureMaskColumn::Bitmap, 0, 1,
         PictureMaskColumn::Bitmap, PictureMaskColumn::BitmapMask, 8, "Lockicon", 4, Slots},
        {K::PPic, "PPic", Popup, F::Picture, &Skin::PopupPictureProperties, &RecordFormats::picture(),
         PictureColumn::Bitmap, PictureColumn::Bitmap, PictureColumn::Bitmap, 0, 1,
         PictureColumn::Bitmap, None, 0, "Pictures", 5, Slots},
        {K::PPicM, "PPicM", Popup, F::Picture, &Skin::PopupPictureMaskProperties, &RecordFormats::pictureMasked(),
         PictureMaskColumn::Bitmap, PictureMaskColumn::Bitmap, PictureMaskColumn::Bitmap, 0, 1,
         PictureMaskColumn::Bitmap, PictureMaskColumn::BitmapMask, 1, "Mask Pictures", 4, Slots},
        {K::PBt, "PBt", Popup, F::Picture, &Skin::PopupButtonProperties, &RecordFormats::button(),
         ButtonColumn::Bitmap, ButtonColumn::Command, ButtonColumn::Bitmap, 0, 1,
         ButtonColumn::Bitmap, None, 2, "Button", 3, Slots},
        {K::PBtM, "PBtM", Popup, F::Picture, &Skin::PopupButtonMaskProperties, &RecordFormats::buttonMasked(),
         ButtonMaskColumn::Bitmap, ButtonMaskColumn::Bitmap, ButtonMaskColumn::Bitmap, 0, 1,
         ButtonMaskColumn::Bitmap, ButtonMaskColumn::BitmapMask, 3, "Mask Button", 2, Slots},
        {K::PLab, "PLab", Popup, F::Label, &Skin::PopupLabelProperties, &RecordFormats::label(),
         LabelColumn::FontName, LabelColumn::FontName, LabelColumn::Width, 0, 1,
         None, None, 4, "Label", 6, Slots},
        {K::PBac, "PBac", Popup, F::Location, &Skin::PopupLocationProperties, &RecordFormats::location(),
         LocationColumn::Width, LocationColumn::Width, None, LocationColumn::X, LocationColumn::Y,
         None, None, None, nullptr, 0, Rows},
        {K::PopupBehaviour, "", Popup, F::Behaviour, &Skin::PopupBehaviourProperties, &RecordFormats::popupBehaviour(),
         BehaviourColumn::OtherPopups, BehaviourColumn::OtherPopups, None, None, None,
         None, None, None, nullptr, 1, Rows},
    }};
}

QList<const ElementKind *> sortedByFileOrder(Surface surface)
{
    QList<const ElementKind *> kinds;
    for (const ElementKind &kind : all()) {
        if (kind.surface == surface)
            kinds.append(&kind);
    }
    std::sort(kinds.begin(), kinds.end(),
              [](const ElementKind *a, const ElementKind *b) { return a->fileOrder < b->fileOrder; });
    return kinds;
}

bool sameText(QStringView a, const char *b)
{
    return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

} // namespace

const std::array<ElementKind, KindCount> &all()
{
    static const std::array<ElementKind, KindCount> kinds = makeKinds();
    return kinds;
}

const ElementKind &get(KindId id)
{
    return all()[size_t(id)];
}

const ElementKind *find(QStringView identifier)
{
    if (identifier.isEmpty())
        return nullptr;
    for (const ElementKind &kind : all()) {
        if (sameText(identifier, kind.identifier))
            return &kind;
    }
    return nullptr;
}

const QList<const ElementKind *> &inFileOrder(Surface surface)
{
    static const QList<const ElementKind *> pageKinds = sortedByFileOrder(Surface::Page);
    static const QList<const ElementKind *> popupKinds = sortedByFileOrder(Surface::Popup);
    return surface == Surface::Page ? pageKinds : popupKinds;
}

int getIndexForElement(const QString &identifier, const QString &kind)
{
    Surface surface;
    if (sameText(kind, "Page"))
        surface = Surface::Page;
    else if (sameText(kind, "Popup"))
        surface = Surface::Popup;
    else
        return 0;
    const ElementKind *found = find(identifier);
    return found && found->surface == surface ? found->drawerFilter : -1;
}

}
