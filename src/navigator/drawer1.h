#pragma once

#include "document/elementkinds.h"

#include <QDockWidget>
#include <QImage>
#include <QSize>

class NamedComboBox;
class Prompts;
class QListWidget;
class QTabBar;
class QToolButton;
class SkinDocument;
class ViewOptions;

// The drawer beside the editor: the skin's pages or popups on its "Skin" tab, the
// elements of one kind on the page or popup shown on its "Elements" tab, and buttons to
// add, remove and edit them. It keeps nothing of its own: every list is filled from the
// document, choices go into the document, and it follows what the document selects.
class Drawer1 : public QDockWidget
{
    Q_OBJECT

public:
    static constexpr int Width = 165;

    Drawer1(SkinDocument &document, ViewOptions &view, Prompts &prompts, QWidget *parent = nullptr);

    QTabBar *TabSkin = nullptr;              // "Skin" (0), "Elements" (1)
    NamedComboBox *PopupMenuItems = nullptr; // "Pages" (0), "Popups" (1)
    QListWidget *TableItems = nullptr;       // one row per page or popup
    NamedComboBox *PopupElements = nullptr;  // the element kinds
    QListWidget *TableElements = nullptr;    // one row per element of the chosen kind
    QToolButton *AddButton = nullptr;
    QToolButton *RemoveButton = nullptr;
    QToolButton *PrefButton = nullptr;

    // Lists the pages ("Pages") or popups ("PopUp"), letter case ignored, and selects the
    // active one, which shows it; any other kind leaves the list empty.
    bool fillTableItems(const QString &kind);
    bool fillTableItems(Surface surface);
    // Lists the elements of the chosen kind on the active page or popup.
    bool filterElements();
    bool listElements(const ElementKind &kind);
    bool listLabelElements(const ElementKind &kind);
    bool listTodayElements(const ElementKind &kind);
    bool setButtons();
    // A skin is open: the lists and buttons may be used.
    bool setGUI();
    // Shows a skin just read or made: its pages, or its popups when it has no page.
    void showSkin();
    // The page or popup rows' texts afresh, the selection kept: after a save the
    // missing-file marks go.
    void refreshItems();

    // The handlers of the controls, also called where the program changes them.
    void TabSkin_Change();
    void PopupMenuItems_Change();
    void TableItems_Change();
    void PopupElements_Change();
    void TableElements_Change();
    void TableElements_DoubleClick();
    void PrefButton_Action();
    void AddButton_Action();
    void ContextualMenuAdd_Action(const QString &item);
    void RemoveButton_Action();

    // The slot the row of TableElements lists; -1 for no such row.
    int slotOfRow(int row) const;

    // As high as the editor window less 40: 280, 440 or 600.
    static int heightForZoom(double zoom);
    // A picture W x H is shown W x H up to 20 high; higher ones 20 high at a whole
    // percentage. A picture over 2000 high gets an empty size: it has no thumbnail.
    static QSize thumbnailSize(QSize picture);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    // The rows of TableItems for "Pages" or popups.
    QStringList itemTexts(bool popups) const;
    bool isPopupsChosen() const;
    Surface chosenSurface() const;
    // The kind the element filter shows for the chosen pages or popups; nullptr for none.
    const ElementKind *filterKind() const;
    void showTab(int tab);
    void setHeight(int height);
    void placeControls();
    // Selects a row without the list's own notification; the caller runs the handler.
    static void selectRow(QListWidget *list, int row);
    // Selects the active page's or popup's row, the first when that is not listed.
    void selectActiveItem(bool popups);
    // The row of TableElements that lists a slot; -1 for none.
    int rowOfSlot(int slot) const;
    // Moves the lists to the element the document selected, or clears the element list's
    // selection when nothing is selected.
    void followSelection();
    void followActivePage(Surface surface, int index);
    void followPopupMode(bool popupMode);
    void addElement(const ElementKind &kind);
    void addPlane(Surface surface);
    void removePlane(Surface surface);
    // The property dialogs come next; until then they are hooks that change nothing.
    void openPlaneDialog(Surface surface);
    void openElementDialog(bool adding);

    SkinDocument &m_document;
    Prompts &m_prompts;
    QWidget *m_skinPanel = nullptr;
    QWidget *m_elementsPanel = nullptr;
    bool m_following = false; // while moving the lists to the document's selection
};
