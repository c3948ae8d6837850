#pragma once

#include "elementtable.h"
#include "recordformat.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>

class Skin;

// Where an element lives: on a page or on a popup.
enum class Surface { Page, Popup };

// "page" or "popup", as messages and the document's callers name a surface.
QString surfaceWord(Surface surface);
// The surface a word names, "page" or "popup", letter case ignored; none for any other.
std::optional<Surface> surfaceNamed(QStringView word);

// The shape of a record, which decides how the editor shows it and how it is listed.
enum class ElementForm {
    Picture,  // a picture at X, Y, perhaps with a mask
    Label,    // a text in a rectangle
    Today,    // the today view: full width, only Y and a height
    Location, // the popup's own rectangle
    Behaviour // the popup's closing rules: nothing to show or select
};

// The kinds, in the order of the drawer's filter: the page kinds, the popup kinds, then
// the popup's own two records.
enum class KindId { Pic, PicM, Bt, BtM, Lab, To, ToI, Tra, Lok, PPic, PPicM, PBt, PBtM, PLab, PBac, PopupBehaviour };
constexpr int KindCount = int(KindId::PopupBehaviour) + 1;

// Everything that tells one kind of element from another. Code that treats the kinds
// alike (reading, writing, the editor's rebuilds, the drawer) takes it from here, so a
// new kind is one more row.
struct ElementKind
{
    KindId id;
    const char *identifier; // "Bt", "PLab" ...; empty for the popup behaviour, which nobody selects
    Surface surface;
    ElementForm form;
    ElementTable Skin::*table;
    const RecordFormat *format;
    int writtenWhenSet;        // the writer writes a record when this column is set
    int listedWhenSet;         // the drawer lists an element when this column is set; -1: never listed
    int drawerFilter;          // position in the drawer's kind filter; -1: not there
    const char *drawerCaption; // the caption of that position
    const char *addCaption;    // the drawer's add menu row; nullptr: not added there
    int perPage;               // how many the add menu allows on one page or popup; 0: as many as fit
    int fileOrder;             // position among the records of a page or popup file
    int slotsAfterReading;
    int slotsAfterAdding;      // a page or popup added in the editor

    // The record's own columns (-1 where it has none).
    int keyColumn() const { return format->keyColumn; } // a slot holds an element when it is set
    int xColumn() const { return format->xColumn; }     // none: the element spans the screen's width
    int yColumn() const { return format->yColumn; }
    int pictureColumn() const { return format->pictureColumn; }
    int maskColumn() const { return format->maskColumn; }
    int commandColumn() const { return format->commandColumn; }
    int argumentColumn() const { return format->argumentColumn; }

    int index() const { return int(id); }
    QString identifierText() const { return QString::fromLatin1(identifier); }
    // The element is placed relative to its popup's location.
    bool isInsidePopup() const { return surface == Surface::Popup && form != ElementForm::Location; }
};

namespace ElementKinds {

constexpr int DefaultSlots = 20;
constexpr int PopupRowSlots = 2; // LOCATION and POPUP_BEHAVIOUR rows per popup

const std::array<ElementKind, KindCount> &all();
const ElementKind &get(KindId id);
// Letter case ignored; nullptr for any text that names no kind, the empty one included.
const ElementKind *find(QStringView identifier);

// The records of a page or popup file in the order they are written.
const QList<const ElementKind *> &inFileOrder(Surface surface);
// The kind at a position of the drawer's filter; nullptr for a position the surface
// has no kind at.
const ElementKind *atDrawerFilter(Surface surface, int position);
// The drawer's filter captions, in order.
QStringList drawerCaptions();

// Position of an element kind in the drawer's filter for kind "Page" or "Popup"
// (letter case ignored); -1 when the identifier is not a kind of that surface or is
// not in the filter; 0 for any other kind.
int getIndexForElement(const QString &identifier, const QString &kind);

}
