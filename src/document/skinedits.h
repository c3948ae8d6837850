#pragma once

#include "elementkinds.h"
#include "result.h"
#include "skin.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

// The changes that add and remove pages, popups and elements, keeping every table
// without gaps: pages and popups numbered 0, 1, 2 …, and the elements of a kind on a
// page or popup in slots 0, 1, 2 ….
namespace SkinEdits {

// Adds an empty page or popup at the end: its row (Number its index, File a free name),
// its entries and a plane in every table of its kind. Returns its index.
int addPlane(Skin &skin, Surface surface);

// "page_" or "popup_" and the lowest number from `from` up that no page or popup row
// names and no file in the skin folder has, letter case ignored.
QByteArray freeFileName(const Skin &skin, Surface surface, int from);

// Removes a page or popup: its file goes on DeleteFiles, the later ones move down, and
// buttons that show a later one by number follow it. Returns the buttons that showed
// the removed one, one line each, for the user.
QStringList removePlane(Skin &skin, Surface surface, int index);

// The steps of removing: the row `active` of PageProperties or PopUpProperties, the
// plane `active` of an element table, and one slot of a plane; later rows, planes or
// slots move down.
void removeSkinElement(QList<PageRow> &rows, int active);
void removeElement(ElementTable &table, int active);
void removeOnlyOneElement(ElementTable &table, int active, int slot);

// Elements of a kind on a page or popup; the first slot free for one more, -1 when
// every slot holds one.
int elementCount(const Skin &skin, const ElementKind &kind, int plane);
int firstFreeSlot(const Skin &skin, const ElementKind &kind, int plane);
// A failure, for the user, when every slot of the kind on the page or popup is taken.
Result checkRoom(const Skin &skin, const ElementKind &kind, int plane);

}
