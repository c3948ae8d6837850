#include "skin.h"

#include <QStringList>

namespace {

const QStringList &pageIdentifiers()
{
    static const QStringList ids{QStringLiteral("Pic"), QStringLiteral("PicM"), QStringLiteral("Bt"),
                                 QStringLiteral("BtM"), QStringLiteral("Lab"),  QStringLiteral("To"),
                                 QStringLiteral("ToI"), QStringLiteral("Tra"),  QStringLiteral("Lok")};
    return ids;
}

const QStringList &popupIdentifiers()
{
    static const QStringList ids{QStringLiteral("PPic"), QStringLiteral("PPicM"), QStringLiteral("PBt"),
                                 QStringLiteral("PBtM"), QStringLiteral("PLab")};
    return ids;
}

bool sameText(const QString &a, const char *b)
{
    return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

template<typename T>
void resizeList(QList<T> &list, int size)
{
    list.resize(qMax(0, size));
}

} // namespace

Skin::Skin()
    : SkinUIColors(UIColorCount)
{
}

void Skin::setActivePage(int index, const QString &kind)
{
    if (sameText(kind, "page"))
        ActivePage = index;
    else if (sameText(kind, "popup"))
        ActivePopup = index;
}

int Skin::getActivePage() const
{
    if (isPageActive)
        return ActivePage;
    if (isPopupActive)
        return ActivePopup;
    return ActivePage;
}

int Skin::getIndexForElement(const QString &identifier, const QString &kind)
{
    const QStringList *list = nullptr;
    if (sameText(kind, "Page"))
        list = &pageIdentifiers();
    else if (sameText(kind, "Popup"))
        list = &popupIdentifiers();
    else
        return 0;
    for (int i = 0; i < list->size(); ++i) {
        if (list->at(i).compare(identifier, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

const ElementTable *Skin::tableForElement(const QString &identifier) const
{
    struct Entry
    {
        const char *id;
        ElementTable Skin::*table;
    };
    static const Entry entries[] = {
        {"Pic", &Skin::PictureProperties},
        {"PicM", &Skin::PictureMaskProperties},
        {"Bt", &Skin::ButtonProperties},
        {"BtM", &Skin::ButtonMaskProperties},
        {"Lab", &Skin::LabelProperties},
        {"To", &Skin::TodayProperties},
        {"ToI", &Skin::TodayIndicatorProperties},
        {"Tra", &Skin::TrashProperties},
        {"Lok", &Skin::LockIconProperties},
        {"PPic", &Skin::PopupPictureProperties},
        {"PPicM", &Skin::PopupPictureMaskProperties},
        {"PBt", &Skin::PopupButtonProperties},
        {"PBtM", &Skin::PopupButtonMaskProperties},
        {"PLab", &Skin::PopupLabelProperties},
        {"PBac", &Skin::PopupLocationProperties},
    };
    for (const Entry &entry : entries) {
        if (sameText(identifier, entry.id))
            return &(this->*entry.table);
    }
    return nullptr;
}

ElementTable *Skin::tableForElement(const QString &identifier)
{
    return const_cast<ElementTable *>(std::as_const(*this).tableForElement(identifier));
}

void Skin::initializeElementArr(const QString &activeElement, int activeCanvasIndex)
{
    const ElementTable *table = tableForElement(activeElement);
    ElementArr = table ? table->record(getActivePage(), activeCanvasIndex) : QList<QByteArray>();
}

QByteArray Skin::getElement(int column) const
{
    return column >= 0 && column < ElementArr.size() ? ElementArr.at(column) : QByteArray();
}

void Skin::setElement(ElementTable &table, int activeCanvasIndex)
{
    const int plane = getActivePage();
    for (int column = 0; column < ElementArr.size(); ++column)
        table.setValue(plane, activeCanvasIndex, column, ElementArr.at(column));
    isSkinModified = true;
}

void Skin::sizePageTables()
{
    const int pages = int(PageProperties.size());
    resizeList(FullscreenProperties, pages);
    resizeList(BackgroundProperties, pages);
    resizeList(PageLoadingError, pages);
    for (const TableBinding &binding : pageTables())
        (this->*binding.table).resize(pages, DefaultSlots);
}

void Skin::sizePopupTables()
{
    const int popups = int(PopUpProperties.size());
    resizeList(PopupBackgroundProperties, popups);
    resizeList(PopupLoadingError, popups);
    for (const TableBinding &binding : popupTables()) {
        const bool rowTable = binding.table == &Skin::PopupLocationProperties
            || binding.table == &Skin::PopupBehaviourProperties;
        (this->*binding.table).resize(popups, rowTable ? PopupRowSlots : DefaultSlots);
    }
}

const QList<Skin::TableBinding> &Skin::pageTables()
{
    static const QList<TableBinding> tables{
        {&Skin::ButtonMaskProperties, &RecordFormats::buttonMasked, ButtonMaskColumn::Bitmap},
        {&Skin::ButtonProperties, &RecordFormats::button, ButtonColumn::Bitmap},
        {&Skin::PictureMaskProperties, &RecordFormats::pictureMasked, PictureMaskColumn::Bitmap},
        {&Skin::PictureProperties, &RecordFormats::picture, PictureColumn::Bitmap},
        {&Skin::LockIconProperties, &RecordFormats::lockIcon, PictureMaskColumn::Bitmap},
        {&Skin::TrashProperties, &RecordFormats::trashIcon, PictureMaskColumn::Bitmap},
        {&Skin::TodayProperties, &RecordFormats::today, TodayColumn::TextColor},
        {&Skin::TodayIndicatorProperties, &RecordFormats::todayIndicator, TodayIndicatorColumn::Selected},
        {&Skin::LabelProperties, &RecordFormats::label, LabelColumn::FontName},
    };
    return tables;
}

const QList<Skin::TableBinding> &Skin::popupTables()
{
    // On popups a button is written when its command is set.
    static const QList<TableBinding> tables{
        {&Skin::PopupLocationProperties, &RecordFormats::location, LocationColumn::Width},
        {&Skin::PopupBehaviourProperties, &RecordFormats::popupBehaviour, BehaviourColumn::OtherPopups},
        {&Skin::PopupButtonMaskProperties, &RecordFormats::buttonMasked, ButtonMaskColumn::Bitmap},
        {&Skin::PopupButtonProperties, &RecordFormats::button, ButtonColumn::Command},
        {&Skin::PopupPictureMaskProperties, &RecordFormats::pictureMasked, PictureMaskColumn::Bitmap},
        {&Skin::PopupPictureProperties, &RecordFormats::picture, PictureColumn::Bitmap},
        {&Skin::PopupLabelProperties, &RecordFormats::label, LabelColumn::FontName},
    };
    return tables;
}
