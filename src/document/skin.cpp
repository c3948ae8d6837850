#include "skin.h"

#include "skinpaths.h"

#include <QFileInfo>

namespace {

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

const ElementTable *Skin::tableForElement(const QString &identifier) const
{
    const ElementKind *kind = ElementKinds::find(identifier);
    return kind ? &table(*kind) : nullptr;
}

ElementTable *Skin::tableForElement(const QString &identifier)
{
    return const_cast<ElementTable *>(std::as_const(*this).tableForElement(identifier));
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
