#include "skindocument.h"

#include "skinedits.h"
#include "skinwriter.h"

SkinDocument::SkinDocument(QObject *parent)
    : QObject(parent)
{
}

void SkinDocument::installSkin(Skin skin)
{
    m_skin = std::move(skin);
    m_skinLoaded = true;
    m_activePage = -1;
    m_activePopup = -1;
    m_shown = Shown::Nothing;
    m_elementArr.clear();
    setSelection(QString(), -1);
    m_newSkin = m_newPage = m_newPopup = false;
    setPopupMode(false);
    emit skinReplaced();
    setModified(false);
}

void SkinDocument::setActivePage(int index, const QString &kind)
{
    if (const std::optional<Surface> surface = surfaceNamed(kind))
        setActivePage(index, *surface);
}

void SkinDocument::setActivePage(int index, Surface surface)
{
    int &active = surface == Surface::Page ? m_activePage : m_activePopup;
    if (active == index)
        return;
    active = index;
    emit activePageChanged(surface, index);
}

int SkinDocument::getActivePage() const
{
    return isPopupActive() ? m_activePopup : m_activePage;
}

void SkinDocument::setActiveSurface(Surface surface)
{
    m_shown = surface == Surface::Page ? Shown::Page : Shown::Popup;
}

void SkinDocument::setPopupMode(bool popupMode)
{
    if (m_popupMode == popupMode)
        return;
    m_popupMode = popupMode;
    emit popupModeChanged(popupMode);
}

void SkinDocument::setSelection(const QString &identifier, int slot)
{
    if (m_activeElement == identifier && m_activeCanvasIndex == slot)
        return;
    m_activeElement = identifier;
    m_activeCanvasIndex = slot;
    emit selectionChanged();
}

void SkinDocument::initializeElementArr()
{
    const ElementTable *table = m_skin.tableForElement(m_activeElement);
    m_elementArr = table ? table->record(getActivePage(), m_activeCanvasIndex) : QList<QByteArray>();
}

QByteArray SkinDocument::getElement(int column) const
{
    return m_elementArr.value(column);
}

void SkinDocument::setElementValue(int column, const QByteArray &value)
{
    if (column >= 0 && column < m_elementArr.size())
        m_elementArr[column] = value;
}

void SkinDocument::setElement()
{
    ElementTable *table = m_skin.tableForElement(m_activeElement);
    if (!table)
        return;
    const int plane = getActivePage();
    for (int column = 0; column < m_elementArr.size(); ++column)
        table->setValue(plane, m_activeCanvasIndex, column, m_elementArr.at(column));
    markSkinModified();
}

int SkinDocument::addPlane(Surface surface)
{
    const int index = SkinEdits::addPlane(m_skin, surface);
    if (surface == Surface::Page)
        m_newPage = true;
    else
        m_newPopup = true;
    setActivePage(index, surface);
    markSkinModified();
    return index;
}

QStringList SkinDocument::removeActivePlane(Surface surface)
{
    const int active = surface == Surface::Page ? m_activePage : m_activePopup;
    if (active < 0 || active >= m_skin.rows(surface).size())
        return {};
    const QStringList lostButtons = SkinEdits::removePlane(m_skin, surface, active);
    setActivePage(0, surface);
    markSkinModified();
    return lostButtons;
}

bool SkinDocument::selectNewElement(const ElementKind &kind)
{
    const int slot = SkinEdits::firstFreeSlot(m_skin, kind, getActivePage());
    if (slot < 0)
        return false;
    setSelection(kind.identifierText(), slot);
    initializeElementArr();
    return true;
}

bool SkinDocument::removeSelectedElement(Surface surface)
{
    const ElementKind *kind = ElementKinds::find(m_activeElement);
    if (!kind || kind->surface != surface || kind->drawerFilter < 0 || m_activeCanvasIndex < 0)
        return false;
    SkinEdits::removeOnlyOneElement(m_skin.table(*kind), getActivePage(), m_activeCanvasIndex);
    setActiveCanvasIndex(-1);
    markSkinModified();
    return true;
}

Result SkinDocument::write()
{
    const Result result = SkinWriter::write(m_skin);
    if (result.ok())
        setModified(false);
    return result;
}

void SkinDocument::setModified(bool modified)
{
    if (m_modified == modified)
        return;
    m_modified = modified;
    emit modifiedChanged(modified);
}
