#pragma once

#include "elementkinds.h"
#include "elementtable.h"
#include "recordformat.h"

#include <QByteArray>
#include <QList>
#include <QString>

// One row of PageProperties or PopUpProperties.
struct PageRow
{
    QByteArray Number;
    QByteArray File; // model path of the page or popup file
    QByteArray Name;
    bool operator==(const PageRow &other) const
    {
        return Number == other.Number && File == other.File && Name == other.Name;
    }
};

// A skin as its files hold it. A plain value: reading a skin builds a fresh one, so
// nothing of the previous skin can leak into the next. The editing session around it
// (what is active, selected, modified) is the SkinDocument's.
class Skin
{
public:
    static constexpr int UIColorCount = 6;

    // Names of the SkinUIColors entries.
    enum UIColor { MenuBackground, MenuForeground, MenuSelection, MenuSelectedText, MenuDialogBackground, MenuButton };

    Skin();

    // --- the skin's own values
    QByteArray SkinTitle;
    QByteArray SkinAuthor;
    QByteArray SkinComment;
    bool isSkinUIColors = false;
    QList<QByteArray> SkinUIColors; // always UIColorCount entries

    QString AbsolutPathToSkin; // host path of the skin folder, ending with "/"
    QString MainSkinFile;      // file name of the main skin file in that folder

    QList<PageRow> PageProperties;
    QList<PageRow> PopUpProperties;
    QList<QByteArray> DeleteFiles; // model paths to delete at the next save
    QList<bool> PageLoadingError;
    QList<bool> PopupLoadingError;

    // One entry per page (popup).
    QList<QByteArray> FullscreenProperties;
    QList<QByteArray> BackgroundProperties;
    QList<QByteArray> PopupBackgroundProperties;

    ElementTable ButtonProperties{ButtonColumn::Count};
    ElementTable ButtonMaskProperties{ButtonMaskColumn::Count};
    ElementTable PictureProperties{PictureColumn::Count};
    ElementTable PictureMaskProperties{PictureMaskColumn::Count};
    ElementTable LockIconProperties{PictureMaskColumn::Count};
    ElementTable TrashProperties{PictureMaskColumn::Count};
    ElementTable TodayIndicatorProperties{TodayIndicatorColumn::Count};
    ElementTable LabelProperties{LabelColumn::Count};
    ElementTable TodayProperties{TodayColumn::Count};
    ElementTable PopupLocationProperties{LocationColumn::Count};
    ElementTable PopupBehaviourProperties{BehaviourColumn::Count};
    ElementTable PopupButtonProperties{ButtonColumn::Count};
    ElementTable PopupButtonMaskProperties{ButtonMaskColumn::Count};
    ElementTable PopupPictureProperties{PictureColumn::Count};
    ElementTable PopupPictureMaskProperties{PictureMaskColumn::Count};
    ElementTable PopupLabelProperties{LabelColumn::Count};

    // Places the skin at a main skin file: sets AbsolutPathToSkin and MainSkinFile.
    void setMainSkinFile(const QString &path);

    // The lists of pages or of popups: their rows, which files could not be read, and
    // their backgrounds.
    QList<PageRow> &rows(Surface surface) { return surface == Surface::Page ? PageProperties : PopUpProperties; }
    const QList<PageRow> &rows(Surface surface) const
    {
        return surface == Surface::Page ? PageProperties : PopUpProperties;
    }
    QList<bool> &loadingErrors(Surface surface)
    {
        return surface == Surface::Page ? PageLoadingError : PopupLoadingError;
    }
    const QList<bool> &loadingErrors(Surface surface) const
    {
        return surface == Surface::Page ? PageLoadingError : PopupLoadingError;
    }
    QList<QByteArray> &backgrounds(Surface surface)
    {
        return surface == Surface::Page ? BackgroundProperties : PopupBackgroundProperties;
    }

    int pageCounter() const { return int(PageProperties.size()) - 1; }
    int popupCounter() const { return int(PopUpProperties.size()) - 1; }

    // The table an element identifier ("Bt", "PLab", "PBac" ...) names; nullptr for none.
    ElementTable *tableForElement(const QString &identifier);
    const ElementTable *tableForElement(const QString &identifier) const;
    ElementTable &table(const ElementKind &kind) { return this->*kind.table; }
    const ElementTable &table(const ElementKind &kind) const { return this->*kind.table; }

    // Sizes FullscreenProperties, BackgroundProperties, PageLoadingError and every page
    // table to the page rows (and likewise for popups), never dropping an element.
    void sizePageTables() { sizeTables(Surface::Page); }
    void sizePopupTables() { sizeTables(Surface::Popup); }

private:
    void sizeTables(Surface surface);
};
