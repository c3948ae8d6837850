#include "skin.h"

#include "skinpaths.h"

#include <QFileInfo>


namespace {

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

void Skin::setMainSkinFile(const QString &path)
{
    AbsolutPathToSkin = SkinPaths::skinFolderOf(path);
    MainSkinFile = QFileInfo(path).fileName();
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

const ElementTable *Skin::tableForElement(const QString &identifier) const
{
    const ElementKind *kind = ElementKinds::find(identifier);
    return kind ? &table(*kind) : nullptr;
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

void Skin::sizeTables(Surface surface)
{
    const bool pages = surface == Surface::Page;
    const int planes = int(pages ? PageProperties.size() : PopUpProperties.size());
    if (pages) {
        resizeList(FullscreenProperties, planes);
        resizeList(BackgroundProperties, planes);
        resizeList(PageLoadingError, planes);
    } else {
        resizeList(PopupBackgroundProperties, planes);
        resizeList(PopupLoadingError, planes);
    }
    for (const ElementKind *kind : ElementKinds::inFileOrder(surface))
        table(*kind).resize(planes, kind->slotsAfterReading);
}
