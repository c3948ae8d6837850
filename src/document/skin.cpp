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
    const int planes = int(rows(surface).size());
    if (surface == Surface::Page)
        resizeList(FullscreenProperties, planes);
    resizeList(backgrounds(surface), planes);
    resizeList(loadingErrors(surface), planes);
    for (const ElementKind *kind : ElementKinds::inFileOrder(surface))
        table(*kind).resize(planes, kind->slotsAfterReading);
}
