#pragma once

#include "elementkinds.h"
#include "result.h"
#include "skin.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

// The editing session around the open skin: which page or popup is active, which
// element is selected and the working copy of its record, the flags of dialogs opened
// for something just added, and whether there are unsaved changes. The windows are
// given the document and listen to what it announces.
class SkinDocument : public QObject
{
    Q_OBJECT

public:
    explicit SkinDocument(QObject *parent = nullptr);

    // The skin as the files hold it. Whoever changes it through here announces the change
    // with markSkinModified and, where it shows, requestRebuild.
    Skin &skin() { return m_skin; }
    const Skin &skin() const { return m_skin; }

    // Makes `skin` the open skin with a fresh session: nothing active or selected, pages
    // worked on, nothing modified. Announces skinReplaced.
    void installSkin(Skin skin);
    // A skin has been read or created; stays true for the rest of the run.
    bool isSkinLoaded() const { return m_skinLoaded; }

    // --- the active page and popup
    // kind "page" or "popup", letter case ignored; any other kind changes nothing.
    void setActivePage(int index, const QString &kind);
    void setActivePage(int index, Surface surface);
    int ActivePage() const { return m_activePage; }
    int ActivePopup() const { return m_activePopup; }
    // The plane every element operation uses: the active popup while a popup is shown
    // on top, otherwise the active page.
    int getActivePage() const;
    // What the editor showed last: the page, or a popup over it. The rebuilds set it.
    bool isPageActive() const { return m_shown == Shown::Page; }
    bool isPopupActive() const { return m_shown == Shown::Popup; }
    void setActiveSurface(Surface surface);
    // Whether popups rather than pages are worked on.
    bool isPopupMode() const { return m_popupMode; }
    void setPopupMode(bool popupMode);

    // --- the selected element and its working copy
    const QString &ActiveElement() const { return m_activeElement; }
    int ActiveCanvasIndex() const { return m_activeCanvasIndex; } // -1: nothing selected
    void setActiveElement(const QString &identifier) { setSelection(identifier, m_activeCanvasIndex); }
    void setActiveCanvasIndex(int slot) { setSelection(m_activeElement, slot); }
    // Both at once, announced once.
    void setSelection(const QString &identifier, int slot);
    // Copies the selected element's record, on the active page or popup, into
    // ElementArr; an identifier that names no kind gives an empty record.
    void initializeElementArr();
    const QList<QByteArray> &ElementArr() const { return m_elementArr; }
    void setElementArr(const QList<QByteArray> &record) { m_elementArr = record; }
    // Empty when the column is beyond the working copy.
    QByteArray getElement(int column) const;
    // A column beyond the working copy is ignored.
    void setElementValue(int column, const QByteArray &value);
    // Writes ElementArr, empty entries included, back into the selected element's table
    // and marks the skin modified.
    void setElement();

    // --- dialogs opened for something just made: their Cancel takes it back
    bool newSkin() const { return m_newSkin; }
    void setNewSkin(bool on) { m_newSkin = on; }
    bool newPage() const { return m_newPage; }
    void setNewPage(bool on) { m_newPage = on; }
    bool newPopup() const { return m_newPopup; }
    void setNewPopup(bool on) { m_newPopup = on; }

    // --- adding and removing
    // Adds an empty page or popup at the end and makes it the active one; it counts as
    // new (newPage, newPopup) until its dialog is done. Returns its index.
    int addPlane(Surface surface);
    // Removes the active page or popup; page or popup 0 becomes the active one. Returns
    // the buttons that showed the removed one, one line each, for the user.
    QStringList removeActivePlane(Surface surface);
    // Selects the first free slot of a kind on the active page or popup, its empty record
    // in the working copy, for an element about to be added. False when every slot of
    // the kind holds an element; nothing changes then.
    bool selectNewElement(const ElementKind &kind);
    // Removes the selected element when it is an element of `surface`; the elements after
    // it move down and nothing stays selected. False when nothing was removed.
    bool removeSelectedElement(Surface surface);

    // --- unsaved changes
    bool isSkinModified() const { return m_modified; }
    void markSkinModified() { setModified(true); }
    // Writes the skin into its folder. The skin counts as saved only when everything
    // was written.
    Result write();

    // Asks whoever shows the skin to rebuild the page, or the active popup over it.
    void requestRebuild(Surface surface) { emit rebuildRequested(surface); }

signals:
    // Another skin is open; everything shown of the previous one is stale.
    void skinReplaced();
    void modifiedChanged(bool modified);
    void activePageChanged(Surface surface, int index);
    // ActiveElement or ActiveCanvasIndex changed.
    void selectionChanged();
    void popupModeChanged(bool popupMode);
    void rebuildRequested(Surface surface);

private:
    enum class Shown { Nothing, Page, Popup };

    void setModified(bool modified);

    Skin m_skin;
    bool m_skinLoaded = false;
    int m_activePage = -1;
    int m_activePopup = -1;
    Shown m_shown = Shown::Nothing;
    bool m_popupMode = false;
    QString m_activeElement;
    int m_activeCanvasIndex = -1;
    QList<QByteArray> m_elementArr;
    bool m_newSkin = false;
    bool m_newPage = false;
    bool m_newPopup = false;
    bool m_modified = false;
};
