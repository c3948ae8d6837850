#include "drawer1.h"

#include "document/mapping.h"
#include "document/phonescreen.h"
#include "document/prompts.h"
#include "document/skindocument.h"
#include "document/skinedits.h"
#include "document/skinpaths.h"
#include "document/skinpicture.h"
#include "document/validation.h"
#include "widgets/layoutfont.h"
#include "widgets/namedcombobox.h"
#include "widgets/viewoptions.h"

#include <QCursor>
#include <QFileInfo>
#include <QListWidget>
#include <QPainter>
#include <QStyleOptionTabWidgetFrame>
#include <QStyledItemDelegate>
#include <QStylePainter>
#include <QTabBar>
#include <QToolButton>

#include <cmath>

namespace {

// The fixed layout is given at the drawer's smallest height.
constexpr int SmallestHeight = 280;
constexpr int TabTop = 4;
constexpr int TabWidth = 160;
constexpr int ShorterThanEditor = 40;
constexpr int ItemRowHeight = 18;
constexpr int ElementRowHeight = 22;
constexpr int ThumbnailHeight = 20;
// More rows than these show a vertical scroll bar.
constexpr int ItemRowsWithoutScrollBar = 10;
constexpr int ElementRowsWithoutScrollBar = 9;

enum Tab { SkinTab = 0, ElementsTab = 1 };
enum Choice { PagesChosen = 0, PopupsChosen = 1 };

const QString AddPage = QStringLiteral("Add Page");
const QString AddPopup = QStringLiteral("Add Popup");

// The frame of a tab panel under the tab bar.
class TabPane : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionTabWidgetFrame frame;
        frame.initFrom(this);
        frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
        frame.shape = QTabBar::RoundedNorth;
        painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
    }
};

// Rows of one height, whatever the font.
class RowHeightDelegate : public QStyledItemDelegate
{
public:
    RowHeightDelegate(int height, QObject *parent)
        : QStyledItemDelegate(parent)
        , m_height(height)
    {
    }
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(), m_height);
    }

private:
    int m_height;
};

QListWidget *makeList(int rowHeight, const QString &accessibleName, QWidget *parent)
{
    auto *list = new QListWidget(parent);
    list->setAccessibleName(accessibleName);
    list->setItemDelegate(new RowHeightDelegate(rowHeight, list));
    list->setUniformItemSizes(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Rows fill the list to its edge: ten page rows of 18 pixels fit its 180 exactly.
    list->setFrameShape(QFrame::NoFrame);
    list->setTextElideMode(Qt::ElideRight);
    return list;
}

QToolButton *makeButton(const QString &name, const QString &icon, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setIcon(QIcon(icon));
    button->setToolTip(name);
    button->setAccessibleName(name);
    button->setEnabled(false);
    return button;
}

// Beyond a number of rows the scroll bar stays, so that the list does not jump as rows
// come and go; below it one shows only when the rows do not fit, so that no row is
// ever out of reach.
void showScrollBarAbove(QListWidget *list, int rowsWithout)
{
    list->setVerticalScrollBarPolicy(list->count() > rowsWithout ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
}

// The row text of a picture: the file's own name without ".bmp" when it can be read,
// otherwise the reference as stored.
QString pictureRowText(const QString &hostPath, const QByteArray &stored, bool readable)
{
    if (!readable)
        return QString::fromLatin1(stored);
    QString name = QFileInfo(hostPath).fileName();
    const int extension = int(name.indexOf(QLatin1String(".bmp"), 0, Qt::CaseInsensitive));
    if (extension >= 0)
        name.remove(extension, 4);
    return name;
}

} // namespace

Drawer1::Drawer1(SkinDocument &document, ViewOptions &view, Prompts &prompts, QWidget *parent)
    : QDockWidget(parent)
    , m_document(document)
    , m_prompts(prompts)
{
    setObjectName(QStringLiteral("Drawer1"));
    setWindowTitle(QStringLiteral("Navigator"));
    // Attached to the editor for good: no title bar to drag it away or close it by.
    setFeatures(QDockWidget::NoDockWidgetFeatures);
    setTitleBarWidget(new QWidget(this));
    auto *content = new QWidget(this);
    content->setFont(layoutFont(12));
    setWidget(content);

    TabSkin = new QTabBar(content);
    TabSkin->addTab(QStringLiteral("Skin"));
    TabSkin->addTab(QStringLiteral("Elements"));
    TabSkin->setExpanding(true);
    TabSkin->setEnabled(false);
    auto *pane = new TabPane(content);
    pane->setObjectName(QStringLiteral("TabPane"));
    m_skinPanel = new QWidget(pane);
    m_elementsPanel = new QWidget(pane);

    PopupMenuItems = new NamedComboBox(QStringLiteral("Pages or Popups"), m_skinPanel);
    PopupMenuItems->addItems({QStringLiteral("Pages"), QStringLiteral("Popups")});
    PopupMenuItems->setEnabled(false);
    TableItems = makeList(ItemRowHeight, QStringLiteral("Pages"), m_skinPanel);
    PopupElements = new NamedComboBox(QStringLiteral("Element Kind"), m_elementsPanel);
    PopupElements->addItems(ElementKinds::drawerCaptions());
    TableElements = makeList(ElementRowHeight, QStringLiteral("Elements"), m_elementsPanel);
    TableElements->setIconSize(QSize(TabWidth, ThumbnailHeight));

    AddButton = makeButton(QStringLiteral("Add"), QStringLiteral(":/images/Add.png"), content);
    RemoveButton = makeButton(QStringLiteral("Remove"), QStringLiteral(":/images/Remove.png"), content);
    PrefButton = makeButton(QStringLiteral("Properties"), QStringLiteral(":/images/Action.png"), content);

    setHeight(heightForZoom(view.ZoomFaktor()));
    showTab(SkinTab);

    connect(TabSkin, &QTabBar::currentChanged, this, [this] { TabSkin_Change(); });
    connect(PopupMenuItems, qOverload<int>(&QComboBox::currentIndexChanged), this, [this] { PopupMenuItems_Change(); });
    connect(TableItems, &QListWidget::itemSelectionChanged, this, [this] { TableItems_Change(); });
    connect(PopupElements, qOverload<int>(&QComboBox::currentIndexChanged), this, [this] { PopupElements_Change(); });
    connect(TableElements, &QListWidget::itemSelectionChanged, this, [this] { TableElements_Change(); });
    connect(TableElements, &QListWidget::itemDoubleClicked, this, [this] { TableElements_DoubleClick(); });
    connect(AddButton, &QToolButton::clicked, this, [this] { AddButton_Action(); });
    connect(RemoveButton, &QToolButton::clicked, this, [this] { RemoveButton_Action(); });
    connect(PrefButton, &QToolButton::clicked, this, [this] { PrefButton_Action(); });

    connect(&m_document, &SkinDocument::selectionChanged, this, &Drawer1::followSelection);
    connect(&m_document, &SkinDocument::activePageChanged, this, &Drawer1::followActivePage);
    connect(&m_document, &SkinDocument::popupModeChanged, this, &Drawer1::followPopupMode);
    // What is shown changed: a paste or a removal may have changed the elements listed.
    connect(&m_document, &SkinDocument::rebuildRequested, this, [this] {
        if (TabSkin->currentIndex() == ElementsTab) {
            filterElements();
            followSelection();
        }
    });
    connect(&view, &ViewOptions::zoomChanged, this, [this](double zoom) { setHeight(heightForZoom(zoom)); });
}

int Drawer1::heightForZoom(double zoom)
{
    return int(std::lround(PhoneScreen::Height * zoom)) - ShorterThanEditor;
}

QSize Drawer1::thumbnailSize(QSize picture)
{
    if (picture.height() <= ThumbnailHeight)
        return picture;
    // A whole percentage, truncated before it is applied.
    const int percent = int(double(ThumbnailHeight) / (double(picture.height()) / 100.0));
    const int width = int(double(picture.width()) / 100.0 * percent);
    if (width <= 0)
        return {};
    return QSize(width, ThumbnailHeight);
}

void Drawer1::setHeight(int height)
{
    setFixedSize(Width, height);
    // Also while hidden, when the resize event waits for the drawer to be shown.
    placeControls();
}

void Drawer1::resizeEvent(QResizeEvent *event)
{
    QDockWidget::resizeEvent(event);
    placeControls();
}

// The places of the fixed layout; the tab panel and the lists grow with the drawer,
// the buttons stay at its bottom.
void Drawer1::placeControls()
{
    const int grown = height() - SmallestHeight;
    const int tabBarHeight = TabSkin->sizeHint().height();
    TabSkin->setGeometry(0, TabTop, TabWidth, tabBarHeight);
    // The panel's frame runs on under the tab bar's lower edge.
    const int paneTop = TabTop + tabBarHeight - 1;
    QWidget *pane = m_skinPanel->parentWidget();
    pane->setGeometry(0, paneTop, TabWidth, TabTop + 246 + grown - paneTop);
    for (QWidget *panel : {m_skinPanel, m_elementsPanel})
        panel->setGeometry(pane->rect());
    // Given in the drawer's coordinates, placed in the panel's.
    const auto onPanel = [&](QWidget *control, int x, int y, int width, int height) {
        control->setGeometry(x, qMax(2, y - paneTop), width, height);
    };
    onPanel(PopupMenuItems, 5, 36, 150, 20);
    onPanel(PopupElements, 5, 36, 150, 20);
    onPanel(TableItems, 5, 63, 150, 180 + grown);
    onPanel(TableElements, 5, 63, 150, 180 + grown);
    AddButton->setGeometry(0, 255 + grown, 30, 22);
    RemoveButton->setGeometry(29, 255 + grown, 23, 22);
    PrefButton->setGeometry(57, 255 + grown, 26, 22);
}

bool Drawer1::isPopupsChosen() const
{
    return PopupMenuItems->currentIndex() == PopupsChosen;
}

Surface Drawer1::chosenSurface() const
{
    return isPopupsChosen() ? Surface::Popup : Surface::Page;
}

const ElementKind *Drawer1::filterKind() const
{
    return ElementKinds::atDrawerFilter(chosenSurface(), PopupElements->currentIndex());
}

void Drawer1::showTab(int tab)
{
    m_skinPanel->setVisible(tab == SkinTab);
    m_elementsPanel->setVisible(tab == ElementsTab);
}

void Drawer1::selectRow(QListWidget *list, int row)
{
    const QSignalBlocker blocker(list);
    list->clearSelection();
    if (row >= 0 && row < list->count()) {
        list->setCurrentRow(row);
        list->item(row)->setSelected(true);
    }
}

int Drawer1::slotOfRow(int row) const
{
    const QListWidgetItem *item = TableElements->item(row);
    return item ? item->data(Qt::UserRole).toInt() : -1;
}

int Drawer1::rowOfSlot(int slot) const
{
    for (int row = 0; row < TableElements->count(); ++row) {
        if (slotOfRow(row) == slot)
            return row;
    }
    return -1;
}

// --- filling

QStringList Drawer1::itemTexts(bool popups) const
{
    const Skin &skin = m_document.skin();
    const Surface surface = popups ? Surface::Popup : Surface::Page;
    const QList<PageRow> &rows = skin.rows(surface);
    const QList<bool> &missing = skin.loadingErrors(surface);
    QStringList texts;
    for (int i = 0; i < rows.size(); ++i) {
        // A popup without a name goes by its file.
        const QByteArray &name = popups && rows.at(i).Name.isEmpty() ? rows.at(i).File : rows.at(i).Name;
        texts << QString::fromLatin1(name) + (missing.value(i) ? QStringLiteral(" !!!") : QString());
    }
    return texts;
}

bool Drawer1::fillTableItems(const QString &kind)
{
    const bool pages = kind.compare(QLatin1String("Pages"), Qt::CaseInsensitive) == 0;
    const bool popups = kind.compare(QLatin1String("PopUp"), Qt::CaseInsensitive) == 0;
    {
        const QSignalBlocker blocker(TableItems);
        TableItems->clear();
        if (pages || popups)
            TableItems->addItems(itemTexts(popups));
        TableItems->setAccessibleName(popups ? QStringLiteral("Popups") : QStringLiteral("Pages"));
    }
    showScrollBarAbove(TableItems, ItemRowsWithoutScrollBar);
    if (TableItems->count() > 0)
        selectActiveItem(popups);
    TableItems_Change();
    return true;
}

bool Drawer1::fillTableItems(Surface surface)
{
    return fillTableItems(surface == Surface::Page ? QStringLiteral("Pages") : QStringLiteral("PopUp"));
}

void Drawer1::selectActiveItem(bool popups)
{
    const int active = popups ? m_document.ActivePopup() : m_document.ActivePage();
    selectRow(TableItems, active >= 0 && active < TableItems->count() ? active : 0);
}

bool Drawer1::filterElements()
{
    {
        const QSignalBlocker blocker(TableElements);
        TableElements->clear();
    }
    if (const ElementKind *kind = filterKind()) {
        switch (kind->form) {
        case ElementForm::Label:
            listLabelElements(*kind);
            break;
        case ElementForm::Today:
            listTodayElements(*kind);
            break;
        default:
            listElements(*kind);
            break;
        }
    }
    showScrollBarAbove(TableElements, ElementRowsWithoutScrollBar);
    setButtons();
    return true;
}

namespace {

// Calls add(slot, value) for every slot of the active page or popup whose listed column
// is set; false when the table has no plane at all.
template<typename Add>
bool forEachListed(const SkinDocument &document, const ElementKind &kind, Add add)
{
    const ElementTable &table = document.skin().table(kind);
    if (table.planeCount() == 0)
        return false;
    const int plane = document.getActivePage();
    for (int slot = 0; slot < table.slotCount(); ++slot) {
        const QByteArray listed = table.value(plane, slot, kind.listedWhenSet);
        if (!listed.isEmpty())
            add(slot, listed);
    }
    return true;
}

QListWidgetItem *addRow(QListWidget *list, const QString &text, int slot)
{
    auto *item = new QListWidgetItem(text, list);
    item->setData(Qt::UserRole, slot);
    return item;
}

} // namespace

bool Drawer1::listElements(const ElementKind &kind)
{
    const QString folder = m_document.skin().AbsolutPathToSkin;
    return forEachListed(m_document, kind, [&](int slot, const QByteArray &picture) {
        const QString path = SkinPaths::hostPath(folder, picture);
        QImage image;
        const bool readable = QFileInfo(path).isFile() && SkinPicture::read(path, image).ok();
        QListWidgetItem *item = addRow(TableElements, pictureRowText(path, picture, readable), slot);
        const QSize size = readable ? thumbnailSize(image.size()) : QSize();
        if (!size.isEmpty())
            item->setIcon(QPixmap::fromImage(image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    });
}

bool Drawer1::listLabelElements(const ElementKind &kind)
{
    const ElementTable &table = m_document.skin().table(kind);
    const int plane = m_document.getActivePage();
    return forEachListed(m_document, kind, [&](int slot, const QByteArray &) {
        const QByteArray text = Mapping::mappLabel(table.value(plane, slot, LabelColumn::LabelType),
                                                   table.value(plane, slot, LabelColumn::LabelText));
        addRow(TableElements, QString::fromLatin1(text), slot);
    });
}

bool Drawer1::listTodayElements(const ElementKind &kind)
{
    return forEachListed(m_document, kind, [&](int slot, const QByteArray &) {
        addRow(TableElements, QStringLiteral("Today ") + QString::number(slot), slot);
    });
}

bool Drawer1::setButtons()
{
    bool enabled = false;
    if (TabSkin->currentIndex() == ElementsTab)
        enabled = TableElements->count() > 0 && !TableElements->selectedItems().isEmpty();
    else if (isPopupsChosen())
        enabled = m_document.skin().popupCounter() >= 0;
    else
        enabled = m_document.skin().pageCounter() >= 0;
    RemoveButton->setEnabled(enabled);
    PrefButton->setEnabled(enabled);
    return true;
}

bool Drawer1::setGUI()
{
    PopupMenuItems->setEnabled(true);
    AddButton->setEnabled(true);
    TabSkin->setEnabled(true);
    return true;
}

void Drawer1::showSkin()
{
    {
        const QSignalBlocker tabs(TabSkin);
        TabSkin->setCurrentIndex(SkinTab);
    }
    showTab(SkinTab);
    const Skin &skin = m_document.skin();
    const bool popupsOnly = skin.pageCounter() < 0 && skin.popupCounter() >= 0;
    {
        const QSignalBlocker choice(PopupMenuItems);
        PopupMenuItems->setCurrentIndex(popupsOnly ? PopupsChosen : PagesChosen);
    }
    m_document.setPopupMode(popupsOnly);
    m_document.setActiveSurface(chosenSurface());
    fillTableItems(popupsOnly ? Surface::Popup : Surface::Page);
    setGUI();
    setButtons();
}

void Drawer1::refreshItems()
{
    const QStringList texts = itemTexts(isPopupsChosen());
    if (texts.size() != TableItems->count())
        return;
    for (int row = 0; row < texts.size(); ++row)
        TableItems->item(row)->setText(texts.at(row));
}

// --- handlers

void Drawer1::TabSkin_Change()
{
    const int tab = TabSkin->currentIndex();
    showTab(tab);
    if (tab == ElementsTab)
        filterElements();
    setButtons();
}

void Drawer1::PopupMenuItems_Change()
{
    if (!m_document.isSkinLoaded())
        return;
    const bool popups = isPopupsChosen();
    // Leaving popups takes the popup off the editor.
    m_document.setPopupMode(popups);
    m_document.setActiveSurface(chosenSurface());
    fillTableItems(chosenSurface());
}

void Drawer1::TableItems_Change()
{
    const QList<QListWidgetItem *> selected = TableItems->selectedItems();
    if (selected.isEmpty()) {
        // The selection cannot be cleared: the active page or popup stays chosen.
        if (TableItems->count() > 0) {
            selectActiveItem(isPopupsChosen());
            TableItems_Change();
            return;
        }
    } else {
        const int row = TableItems->row(selected.first());
        const Surface surface = chosenSurface();
        m_document.setActivePage(row, surface);
        m_document.requestRebuild(surface);
    }
    setButtons();
}

void Drawer1::PopupElements_Change()
{
    filterElements();
}

void Drawer1::TableElements_Change()
{
    const QList<QListWidgetItem *> selected = TableElements->selectedItems();
    const ElementKind *kind = filterKind();
    if (!selected.isEmpty() && kind && !m_following) {
        // The row's own slot, which is the row number only while no slot is half empty.
        m_following = true;
        m_document.setSelection(kind->identifierText(), slotOfRow(TableElements->row(selected.first())));
        m_document.initializeElementArr();
        m_following = false;
    }
    setButtons();
}

void Drawer1::TableElements_DoubleClick()
{
    if (TabSkin->currentIndex() == ElementsTab && !TableElements->selectedItems().isEmpty())
        openElementDialog(false);
}

void Drawer1::PrefButton_Action()
{
    if (TabSkin->currentIndex() == ElementsTab) {
        TableElements_DoubleClick();
        return;
    }
    // An existing page or popup: its dialog's Cancel must not take it back.
    if (isPopupsChosen())
        m_document.setNewPopup(false);
    else
        m_document.setNewPage(false);
    openPlaneDialog(chosenSurface());
}

void Drawer1::AddButton_Action()
{
    QStringList rows;
    if (TabSkin->currentIndex() == SkinTab) {
        rows << AddPage << AddPopup;
    } else {
        const Surface surface = chosenSurface();
        const int active = m_document.getActivePage();
        // Elements need a page or popup to hold them.
        if (active >= 0 && active < m_document.skin().rows(surface).size()) {
            for (int position = 0; const ElementKind *kind = ElementKinds::atDrawerFilter(surface, position);
                 ++position) {
                if (kind->perPage > 0 && SkinEdits::elementCount(m_document.skin(), *kind, active) >= kind->perPage)
                    continue;
                rows << QString::fromLatin1(kind->addCaption);
            }
        }
    }
    if (rows.isEmpty())
        return;
    const int chosen = m_prompts.chooseFromMenu(rows, QCursor::pos());
    if (chosen >= 0 && chosen < rows.size())
        ContextualMenuAdd_Action(rows.at(chosen));
}

void Drawer1::ContextualMenuAdd_Action(const QString &item)
{
    if (item.compare(AddPage, Qt::CaseInsensitive) == 0) {
        addPlane(Surface::Page);
        return;
    }
    if (item.compare(AddPopup, Qt::CaseInsensitive) == 0) {
        addPlane(Surface::Popup);
        return;
    }
    for (int position = 0; const ElementKind *kind = ElementKinds::atDrawerFilter(chosenSurface(), position);
         ++position) {
        if (item.compare(QLatin1String(kind->addCaption), Qt::CaseInsensitive) == 0) {
            addElement(*kind);
            return;
        }
    }
}

void Drawer1::addPlane(Surface surface)
{
    const int choice = surface == Surface::Page ? PagesChosen : PopupsChosen;
    if (PopupMenuItems->currentIndex() != choice)
        PopupMenuItems->setCurrentIndex(choice); // its handler lists them and shows the active one
    m_document.addPlane(surface);
    openPlaneDialog(surface);
    // What the dialog's OK does: the list shows the new one, which the editor shows.
    fillTableItems(surface);
}

void Drawer1::addElement(const ElementKind &kind)
{
    if (!m_document.selectNewElement(kind)) {
        const Result room = SkinEdits::checkRoom(m_document.skin(), kind, m_document.getActivePage());
        Validation::ErrorMessage(room.heading(), room.text(), m_prompts);
        return;
    }
    openElementDialog(true);
}

void Drawer1::RemoveButton_Action()
{
    QString question;
    if (TabSkin->currentIndex() == ElementsTab)
        question = QStringLiteral("This will delete the Element! Sure?");
    else if (isPopupsChosen())
        question = QStringLiteral("This will delete the Popup! Sure?");
    else
        question = QStringLiteral("This will delete the Page! Sure?");
    if (!m_prompts.confirm(QStringLiteral("Attention\n\n") + question))
        return;

    if (TabSkin->currentIndex() == SkinTab) {
        removePlane(chosenSurface());
        return;
    }
    const Surface surface = chosenSurface();
    m_document.removeSelectedElement(surface);
    // Rebuilt whatever was removed, as the element list is.
    m_document.requestRebuild(surface);
    filterElements();
}

void Drawer1::removePlane(Surface surface)
{
    const QStringList lostButtons = m_document.removeActivePlane(surface);
    const bool pages = surface == Surface::Page;
    fillTableItems(surface);
    // With nothing left to choose, nothing of the removed one may stay on screen.
    if (m_document.skin().rows(surface).isEmpty())
        m_document.requestRebuild(surface);
    if (!lostButtons.isEmpty()) {
        Validation::ErrorMessage(
            pages ? QStringLiteral("These buttons showed the removed page:")
                  : QStringLiteral("These buttons showed the removed popup:"),
            lostButtons.join(QLatin1Char('\n')) + QStringLiteral("\n\nThey now show the one that took its number."),
            m_prompts);
    }
}

void Drawer1::openPlaneDialog(Surface)
{
}

void Drawer1::openElementDialog(bool adding)
{
    // Until the element dialogs exist, an add is cancelled at once: no half-chosen kind
    // or slot is left behind for the next Properties.
    if (adding)
        m_document.setSelection(QString(), -1);
}

// --- following the document

void Drawer1::followSelection()
{
    if (m_following)
        return;
    m_following = true;
    const ElementKind *kind = ElementKinds::find(m_document.ActiveElement());
    const int slot = m_document.ActiveCanvasIndex();
    if (!kind || slot < 0) {
        selectRow(TableElements, -1);
    } else if (kind->form == ElementForm::Location) {
        TabSkin->setCurrentIndex(SkinTab);
    } else if (kind->surface == chosenSurface()) {
        const bool tabChanges = TabSkin->currentIndex() != ElementsTab;
        const bool filterChanges = PopupElements->currentIndex() != kind->drawerFilter;
        {
            // Their handlers would each list the elements afresh: once is enough.
            const QSignalBlocker tabs(TabSkin);
            const QSignalBlocker filter(PopupElements);
            TabSkin->setCurrentIndex(ElementsTab);
            PopupElements->setCurrentIndex(kind->drawerFilter);
        }
        showTab(ElementsTab);
        if (tabChanges || filterChanges || rowOfSlot(slot) < 0)
            filterElements();
        selectRow(TableElements, rowOfSlot(slot));
    }
    setButtons();
    m_following = false;
}

void Drawer1::followActivePage(Surface surface, int index)
{
    if (surface == chosenSurface() && index >= 0 && index < TableItems->count())
        selectRow(TableItems, index);
}

void Drawer1::followPopupMode(bool popupMode)
{
    const QSignalBlocker blocker(PopupMenuItems);
    PopupMenuItems->setCurrentIndex(popupMode ? PopupsChosen : PagesChosen);
}
