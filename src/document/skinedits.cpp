#include "skinedits.h"

#include "mapping.h"
#include "numbertext.h"

#include <QDir>
#include <QSet>

namespace SkinEdits {

namespace {

// The lists with one entry per page or popup besides the rows and the tables.
QList<QList<QByteArray> *> textEntries(Skin &skin, Surface surface)
{
    if (surface == Surface::Page)
        return {&skin.FullscreenProperties, &skin.backgrounds(surface)};
    return {&skin.backgrounds(surface)};
}

QSet<QString> folderEntries(const QString &folder)
{
    QSet<QString> names;
    if (folder.isEmpty())
        return names;
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
    for (const QString &entry : entries)
        names.insert(entry.toLower());
    return names;
}

bool isNumber(const QByteArray &text)
{
    if (text.isEmpty())
        return false;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

QString describe(const Skin &skin, const ElementKind &kind, int plane, int slot)
{
    const PageRow row = skin.rows(kind.surface).value(plane);
    const QString name = QString::fromLatin1(row.Name.isEmpty() ? row.File : row.Name);
    return QStringLiteral("%1 \"%2\": %3 %4").arg(surfaceWord(kind.surface), name, kind.identifierText()).arg(slot);
}

// Buttons show a page or popup by its number from 1; after plane `removed` went, the
// later ones are one lower. Returns the buttons that showed the removed one.
QStringList renumberButtons(Skin &skin, Surface surface, int removed)
{
    const int command = surface == Surface::Page ? Mapping::SelectPageCommand : Mapping::ShowPopupCommand;
    const int removedNumber = removed + 1;
    QStringList lost;
    for (const ElementKind &kind : ElementKinds::all()) {
        if (kind.commandColumn() < 0)
            continue;
        ElementTable &table = skin.table(kind);
        for (int plane = 0; plane < table.planeCount(); ++plane) {
            for (int slot = 0; slot < table.slotCount(); ++slot) {
                if (NumberText::val(table.value(plane, slot, kind.commandColumn())) != command)
                    continue;
                const QByteArray argument = table.value(plane, slot, kind.argumentColumn());
                if (!isNumber(argument))
                    continue;
                const int number = NumberText::val(argument);
                if (number == removedNumber)
                    lost << describe(skin, kind, plane, slot);
                else if (number > removedNumber)
                    table.setValue(plane, slot, kind.argumentColumn(), QByteArray::number(number - 1));
            }
        }
    }
    return lost;
}

} // namespace

QByteArray freeFileName(const Skin &skin, Surface surface, int from)
{
    const QByteArray prefix = surface == Surface::Page ? "page_" : "popup_";
    QSet<QString> taken = folderEntries(skin.AbsolutPathToSkin);
    for (const QList<PageRow> *rows : {&skin.PageProperties, &skin.PopUpProperties}) {
        for (const PageRow &row : *rows)
            taken.insert(QString::fromLatin1(row.File).toLower());
    }
    for (int number = qMax(0, from);; ++number) {
        const QByteArray name = prefix + QByteArray::number(number);
        if (!taken.contains(QString::fromLatin1(name).toLower()))
            return name;
    }
}

int addPlane(Skin &skin, Surface surface)
{
    QList<PageRow> &rows = skin.rows(surface);
    const int index = int(rows.size());
    rows.append(PageRow{QByteArray::number(index), freeFileName(skin, surface, index), {}});
    for (QList<QByteArray> *entries : textEntries(skin, surface))
        entries->resize(index + 1);
    skin.loadingErrors(surface).resize(index + 1);
    for (const ElementKind *kind : ElementKinds::inFileOrder(surface))
        skin.table(*kind).resize(index + 1, kind->slotsAfterAdding);
    return index;
}

QStringList removePlane(Skin &skin, Surface surface, int index)
{
    QList<PageRow> &rows = skin.rows(surface);
    if (index < 0 || index >= rows.size())
        return {};
    skin.DeleteFiles << rows.at(index).File;
    removeSkinElement(rows, index);
    for (QList<QByteArray> *entries : textEntries(skin, surface)) {
        if (index < entries->size())
            entries->removeAt(index);
    }
    QList<bool> &errors = skin.loadingErrors(surface);
    if (index < errors.size())
        errors.removeAt(index);
    for (const ElementKind *kind : ElementKinds::inFileOrder(surface))
        removeElement(skin.table(*kind), index);
    return renumberButtons(skin, surface, index);
}

void removeSkinElement(QList<PageRow> &rows, int active)
{
    if (active < 0 || active >= rows.size())
        return;
    for (int i = active; i + 1 < rows.size(); ++i) {
        rows[i].File = rows.at(i + 1).File;
        rows[i].Name = rows.at(i + 1).Name;
        rows[i].Number = QByteArray::number(i);
    }
    rows.removeLast();
}

void removeElement(ElementTable &table, int active)
{
    table.removePlane(active);
}

void removeOnlyOneElement(ElementTable &table, int active, int slot)
{
    if (active < 0 || active >= table.planeCount() || slot < 0 || slot >= table.slotCount())
        return;
    for (int i = slot; i + 1 < table.slotCount(); ++i)
        table.setRecord(active, i, table.record(active, i + 1));
    table.setRecord(active, table.slotCount() - 1, {});
}

int elementCount(const Skin &skin, const ElementKind &kind, int plane)
{
    const ElementTable &table = skin.table(kind);
    int count = 0;
    for (int slot = 0; slot < table.slotCount(); ++slot)
        count += table.isUsed(plane, slot, kind.keyColumn()) ? 1 : 0;
    return count;
}

Result checkRoom(const Skin &skin, const ElementKind &kind, int plane)
{
    if (firstFreeSlot(skin, kind, plane) >= 0)
        return {};
    return Result::failure(QStringLiteral("No room for another element:"),
                           QStringLiteral("This %1 holds all the %2 elements of the kind \"%3\" it can. Remove one "
                                          "first.")
                               .arg(surfaceWord(kind.surface))
                               .arg(skin.table(kind).slotCount())
                               .arg(QLatin1String(kind.drawerCaption)));
}

int firstFreeSlot(const Skin &skin, const ElementKind &kind, int plane)
{
    const ElementTable &table = skin.table(kind);
    if (plane < 0 || plane >= table.planeCount())
        return -1;
    for (int slot = 0; slot < table.slotCount(); ++slot) {
        if (!table.isUsed(plane, slot, kind.keyColumn()))
            return slot;
    }
    return -1;
}

}
