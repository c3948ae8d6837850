// MainWindow: the contextual menu, copying an element and pasting a copy of it.

#include "mainwindow.h"

#include "document/prompts.h"
#include "document/skindocument.h"
#include "document/skinedits.h"
#include "document/validation.h"
#include "elementcanvas.h"
#include "phoneview.h"
#include "widgets/viewoptions.h"

namespace {

// The kind a copy becomes on the other side: a page's button is a popup's button.
const ElementKind *counterpart(const ElementKind &kind, Surface surface)
{
    if (kind.surface == surface)
        return &kind;
    return ElementKinds::atDrawerFilter(surface, kind.drawerFilter);
}

} // namespace

void MainWindow::openContextualMenu1(const QString &entry, QPoint at)
{
    const int chosen = m_prompts.chooseFromMenu({entry}, m_phoneView->mapToGlobal(at));
    if (chosen == 0)
        ContextualMenu1_Action(entry, at);
}

void MainWindow::ContextualMenu1_Action(const QString &entry, QPoint at)
{
    if (entry == QLatin1String("Copy")) {
        isCopyValue = true;
        CopyElement = m_document.ActiveElement();
        CopyArr = m_document.ElementArr();
    } else if (entry == QLatin1String("Paste")) {
        paste(at);
    }
}

bool MainWindow::canPaste() const
{
    if (!isCopyValue)
        return false;
    // Something to paste into: the popup when popups are worked on, else a page.
    return m_document.isPopupMode() ? PopupBackground != nullptr : (Background != nullptr && CanvasBorderRight > 0);
}

const ElementKind *MainWindow::pasteKind() const
{
    const ElementKind *copied = ElementKinds::find(CopyElement);
    if (!copied)
        return nullptr;
    const Surface surface = m_document.isPopupMode() ? Surface::Popup : Surface::Page;
    const ElementKind *kind = counterpart(*copied, surface);
    // A page holds one today view, trash icon and lock icon at most; a popup none.
    if (!kind || (kind->perPage > 0 && SkinEdits::elementCount(skin(), *kind, m_document.getActivePage()) >= kind->perPage))
        return nullptr;
    return kind;
}

// The copy becomes a new element of its kind on the page or popup shown, its top-left
// corner at the mouse; everything else is the copied element's.
void MainWindow::paste(QPoint at)
{
    const ElementKind *kind = pasteKind();
    if (!canPaste() || !kind)
        return;
    CopyElement = kind->identifierText();
    const int slot = SkinEdits::firstFreeSlot(skin(), *kind, m_document.getActivePage());
    if (slot < 0) {
        const Result room = SkinEdits::checkRoom(skin(), *kind, m_document.getActivePage());
        Validation::ErrorMessage(room.heading(), room.text(), m_prompts);
        return;
    }
    m_document.setSelection(CopyElement, slot);
    m_document.setElementArr(CopyArr);
    setElementPosition(*kind, at);
    m_document.setElement();
    m_document.requestRebuild(kind->surface);
}
