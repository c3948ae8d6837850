#include "elementkinds.h"

#include "skin.h"

#include <QStringList>

#include <algorithm>

namespace {

bool sameText(QStringView a, const char *b)
{
    return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

} // namespace

QString surfaceWord(Surface surface)
{
    return surface == Surface::Page ? QStringLiteral("page") : QStringLiteral("popup");
}

std::optional<Surface> surfaceNamed(QStringView word)
{
    if (sameText(word, "page"))
        return Surface::Page;
    if (sameText(word, "popup"))
        return Surface::Popup;
    return std::nullopt;
}

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
    // Each row: id, identifier, surface, form, table, record format;
    //           the column the writer tests, the column the drawer lists by;
    //           drawer filter, its caption, the add menu's row, how many per page;
    //           file order, slots after reading, slots after adding a page or popup.
    // Labels are listed by their width and popup buttons written by their command; the
    // rest use their key column for both. A page holds one today view, trash and lock
    // icon, which is why adding a page gives their tables only two slots.
    return {{
        {K::Pic, "Pic", Page, F::Picture, &Skin::PictureProperties, &RecordFormats::picture(),
         PictureColumn::Bitmap, PictureColumn::Bitmap,
         0, "Pictures", "Add Picture", 0, 3, Slots, Slots},
        {K::PicM, "PicM", Page, F::Picture, &Skin::PictureMaskProperties, &RecordFormats::pictureMasked(),
         PictureMaskColumn::Bitmap, PictureMaskColumn::Bitmap,
         1, "Mask Pictures", "Add MaskPicture", 0, 2, Slots, Slots},
        {K::Bt, "Bt", Page, F::Picture, &Skin::ButtonProperties, &RecordFormats::button(),
         ButtonColumn::Bitmap, ButtonColumn::Bitmap,
         2, "Button", "Add Button", 0, 1, Slots, Slots},
        {K::BtM, "BtM", Page, F::Picture, &Skin::ButtonMaskProperties, &RecordFormats::buttonMasked(),
         ButtonMaskColumn::Bitmap, ButtonMaskColumn::Bitmap,
         3, "Mask Button", "Add MaskButton", 0, 0, Slots, Slots},
        {K::Lab, "Lab", Page, F::Label, &Skin::LabelProperties, &RecordFormats::label(),
         LabelColumn::FontName, LabelColumn::Width,
         4, "Label", "Add Label", 0, 8, Slots, Slots},
        {K::To, "To", Page, F::Today, &Skin::TodayProperties, &RecordFormats::today(),
         TodayColumn::TextColor, TodayColumn::TextColor,
         5, "Today", "Add Today", 1, 6, Slots, Rows},
        {K::ToI, "ToI", Page, F::Picture, &Skin::TodayIndicatorProperties, &RecordFormats::todayIndicator(),
         TodayIndicatorColumn::Selected, TodayIndicatorColumn::Selected,
         6, "Today Indicator", "Add Todayindicator", 0, 7, Slots, Slots},
        {K::Tra, "Tra", Page, F::Picture, &Skin::TrashProperties, &RecordFormats::trashIcon(),
         PictureMaskColumn::Bitmap, PictureMaskColumn::Bitmap,
         7, "Trashicon", "Add Trashicon", 1, 5, Slots, Rows},
        {K::Lok, "Lok", Page, F::Picture, &Skin::LockIconProperties, &RecordFormats::lockIcon(),
         PictureMaskColumn::Bitmap, PictureMaskColumn::Bitmap,
         8, "Lockicon", "Add Lockicon", 1, 4, Slots, Rows},
        {K::PPic, "PPic", Popup, F::Picture, &Skin::PopupPictureProperties, &RecordFormats::picture(),
         PictureColumn::Bitmap, PictureColumn::Bitmap,
         0, "Pictures", "Add Picture", 0, 5, Slots, Slots},
        {K::PPicM, "PPicM", Popup, F::Picture, &Skin::PopupPictureMaskProperties, &RecordFormats::pictureMasked(),
         PictureMaskColumn::Bitmap, PictureMaskColumn::Bitmap,
         1, "Mask Pictures", "Add MaskPicture", 0, 4, Slots, Slots},
        {K::PBt, "PBt", Popup, F::Picture, &Skin::PopupButtonProperties, &RecordFormats::button(),
         ButtonColumn::Command, ButtonColumn::Bitmap,
         2, "Button", "Add Button", 0, 3, Slots, Slots},
        {K::PBtM, "PBtM", Popup, F::Picture, &Skin::PopupButtonMaskProperties, &RecordFormats::buttonMasked(),
         ButtonMaskColumn::Bitmap, ButtonMaskColumn::Bitmap,
         3, "Mask Button", "Add MaskButton", 0, 2, Slots, Slots},
        {K::PLab, "PLab", Popup, F::Label, &Skin::PopupLabelProperties, &RecordFormats::label(),
         LabelColumn::FontName, LabelColumn::Width,
         4, "Label", "Add Label", 0, 6, Slots, Slots},
        {K::PBac, "PBac", Popup, F::Location, &Skin::PopupLocationProperties, &RecordFormats::location(),
         LocationColumn::Width, None,
         None, nullptr, nullptr, 0, 0, Rows, Rows},
        {K::PopupBehaviour, "", Popup, F::Behaviour, &Skin::PopupBehaviourProperties, &RecordFormats::popupBehaviour(),
         BehaviourColumn::OtherPopups, None,
         None, nullptr, nullptr, 0, 1, Rows, Rows},
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

const ElementKind *atDrawerFilter(Surface surface, int position)
{
    for (const ElementKind &kind : all()) {
        if (kind.surface == surface && kind.drawerFilter >= 0 && kind.drawerFilter == position)
            return &kind;
    }
    return nullptr;
}

QStringList drawerCaptions()
{
    QStringList captions;
    for (int position = 0;; ++position) {
        const ElementKind *kind = atDrawerFilter(Surface::Page, position);
        if (!kind)
            return captions;
        captions << QString::fromLatin1(kind->drawerCaption);
    }
}

int getIndexForElement(const QString &identifier, const QString &kind)
{
    const std::optional<Surface> surface = surfaceNamed(kind);
    if (!surface)
        return 0;
    const ElementKind *found = find(identifier);
    return found && found->surface == *surface ? found->drawerFilter : -1;
}

}
