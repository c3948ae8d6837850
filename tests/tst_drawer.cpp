#include "editor/elementcanvas.h"
#include "editorfixture.h"
#include "navigator/drawer1.h"
#include "widgets/namedcombobox.h"

#include <QListWidget>
#include <QScrollBar>
#include <QTabBar>
#include <QToolButton>
#include <QtTest>

namespace {

// The editor with the drawer attached, on a skin of pages "Page 0" … and popups
// "Popup 0" … in a temporary folder.
struct DrawerFixture : EditorFixture
{
    Drawer1 *drawer = nullptr;

    explicit DrawerFixture(int pages = 3, int popups = 2)
        : EditorFixture(EditorFixture::NoSkin())
    {
        QDir(dir.path()).mkpath(QStringLiteral("Bitmaps"));
        drawer = new Drawer1(document, view, prompts, window.get());
        window->addDockWidget(Qt::RightDockWidgetArea, drawer);
        open(pages, popups);
    }

    void open(int pages, int popups, const QList<bool> &pagesMissing = {})
    {
        Skin s;
        s.AbsolutPathToSkin = dir.path() + QLatin1Char('/');
        for (int i = 0; i < pages; ++i)
            s.PageProperties << PageRow{QByteArray::number(i), "page_" + QByteArray::number(i),
                                        "Page " + QByteArray::number(i)};
        for (int i = 0; i < popups; ++i)
            s.PopUpProperties << PageRow{QByteArray::number(i), "popup_" + QByteArray::number(i),
                                         "Popup " + QByteArray::number(i)};
        s.sizePageTables();
        s.sizePopupTables();
        for (int i = 0; i < pages; ++i)
            s.FullscreenProperties[i] = "0";
        for (int i = 0; i < pagesMissing.size() && i < pages; ++i)
            s.PageLoadingError[i] = pagesMissing.at(i);
        for (int i = 0; i < popups; ++i)
            s.PopupLocationProperties.setRecord(i, 0, {"10", "20", "100", "50"});
        document.installSkin(s);
        drawer->showSkin();
    }

    QStringList rows(const QListWidget *list) const
    {
        QStringList texts;
        for (int row = 0; row < list->count(); ++row)
            texts << list->item(row)->text();
        return texts;
    }
    QStringList itemRows() const { return rows(drawer->TableItems); }
    QStringList elementRows() const { return rows(drawer->TableElements); }
    int selectedRow(const QListWidget *list) const
    {
        const QList<QListWidgetItem *> selected = list->selectedItems();
        return selected.isEmpty() ? -1 : list->row(selected.first());
    }
    bool buttonsEnabled() const
    {
        return drawer->RemoveButton->isEnabled() && drawer->PrefButton->isEnabled();
    }
    // The Elements tab with a filter of the chosen pages or popups.
    void showElements(int filter)
    {
        drawer->TabSkin->setCurrentIndex(1);
        drawer->PopupElements->setCurrentIndex(filter);
    }
};

} // namespace

class TestDrawer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void controls_data();
    void controls();
    void heightFollowsTheZoom_data();
    void heightFollowsTheZoom();
    void pageList();
    void scrollBars_data();
    void scrollBars();
    void choosingShowsInTheEditor();
    void popupsOnlySkinListsPopups();
    void noPopupsChosen();
    void selectionCannotBeCleared();
    void thumbnailSize_data();
    void thumbnailSize();
    void elementRows();
    void rowsKeepTheirSlots();
    void pageOnlyFiltersListNothingForPopups();
    void followsTheEditorsSelection();
    void addMenu_data();
    void addMenu();
    void addPage_data();
    void addPage();
    void addingAnElementLeavesNothingBehind();
    void addingToAFullKindIsRefused();
    void removeAsks_data();
    void removeAsks();
    void removePage();
    void removeTheOnlyPage();
    void removeElement();
    void removingAPageNamesItsButtons();
};

void TestDrawer::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry"); // in the drawer's coordinates
    QTest::addColumn<QString>("accessibleName");
    QTest::newRow("PopupMenuItems") << "PopupMenuItems" << QRect(5, 36, 150, 20) << "Pages or Popups";
    QTest::newRow("TableItems") << "TableItems" << QRect(5, 63, 150, 180) << "Pages";
    QTest::newRow("AddButton") << "AddButton" << QRect(0, 255, 30, 22) << "Add";
    QTest::newRow("RemoveButton") << "RemoveButton" << QRect(29, 255, 23, 22) << "Remove";
    QTest::newRow("PrefButton") << "PrefButton" << QRect(57, 255, 26, 22) << "Properties";
}

void TestDrawer::controls()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, accessibleName);
    DrawerFixture f;
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    Drawer1 &d = *f.drawer;
    QCOMPARE(d.size(), QSize(165, 280));
    QCOMPARE(d.TabSkin->count(), 2);
    QCOMPARE(d.TabSkin->tabText(0), QStringLiteral("Skin"));
    QCOMPARE(d.TabSkin->tabText(1), QStringLiteral("Elements"));
    QCOMPARE(d.PopupElements->count(), 9);
    QCOMPARE(d.PopupElements->itemText(8), QStringLiteral("Lockicon"));

    const QMap<QString, QWidget *> controls{{"PopupMenuItems", d.PopupMenuItems}, {"TableItems", d.TableItems},
                                            {"AddButton", d.AddButton}, {"RemoveButton", d.RemoveButton},
                                            {"PrefButton", d.PrefButton}};
    QWidget *control = controls.value(name);
    QCOMPARE(QRect(control->mapTo(&d, QPoint(0, 0)), control->size()), geometry);
    QCOMPARE(control->accessibleName(), accessibleName);
    if (auto *button = qobject_cast<QToolButton *>(control)) {
        QCOMPARE(button->toolTip(), accessibleName);
        QVERIFY(!button->icon().isNull());
    }
}

void TestDrawer::heightFollowsTheZoom_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<int>("height");
    QTest::newRow("150 %") << 1.5 << 440;
    QTest::newRow("200 %") << 2.0 << 600;
    QTest::newRow("200 % and back") << 1.0 << 280;
}

// Taller, the lists grow and the buttons stay at the bottom.
void TestDrawer::heightFollowsTheZoom()
{
    QFETCH(double, zoom);
    QFETCH(int, height);
    DrawerFixture f;
    f.view.setZoomFaktor(2.0);
    f.view.setZoomFaktor(zoom);
    Drawer1 &d = *f.drawer;
    QCOMPARE(d.size(), QSize(165, height));
    QCOMPARE(d.TableItems->height(), height - 100);
    QCOMPARE(d.AddButton->mapTo(&d, QPoint(0, 0)).y(), height - 25);
}

void TestDrawer::pageList()
{
    DrawerFixture f;
    f.open(3, 2, {false, true, false});
    QCOMPARE(f.itemRows(), (QStringList{"Page 0", "Page 1 !!!", "Page 2"}));
    QCOMPARE(f.selectedRow(f.drawer->TableItems), 0);
    QVERIFY(f.drawer->PopupMenuItems->isEnabled());
    QVERIFY(f.drawer->AddButton->isEnabled());
    QVERIFY(f.buttonsEnabled());

    // A popup without a name goes by its file.
    f.skin().PopUpProperties[1].Name.clear();
    f.drawer->PopupMenuItems->setCurrentIndex(1);
    QCOMPARE(f.itemRows(), (QStringList{"Popup 0", "popup_1"}));
    QCOMPARE(f.drawer->TableItems->accessibleName(), QStringLiteral("Popups"));

    // Saving clears the marks; the selection stays.
    f.drawer->PopupMenuItems->setCurrentIndex(0);
    f.drawer->TableItems->setCurrentRow(2);
    f.skin().PageLoadingError = {false, false, false};
    f.drawer->refreshItems();
    QCOMPARE(f.itemRows(), (QStringList{"Page 0", "Page 1", "Page 2"}));
    QCOMPARE(f.selectedRow(f.drawer->TableItems), 2);
}

void TestDrawer::scrollBars_data()
{
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("elements");
    QTest::addColumn<bool>("pageBar");
    QTest::addColumn<bool>("elementBar");
    QTest::newRow("ten and eight") << 10 << 8 << false << false;
    QTest::newRow("eleven and ten") << 11 << 10 << true << true;
    // Nine rows of 22 pixels do not fit the list's 180: they get the bar all the same.
    QTest::newRow("nine elements") << 1 << 9 << false << true;
}

void TestDrawer::scrollBars()
{
    QFETCH(int, pages);
    QFETCH(int, elements);
    QFETCH(bool, pageBar);
    QFETCH(bool, elementBar);
    DrawerFixture f(pages, 0);
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    QCOMPARE(f.drawer->TableItems->verticalScrollBar()->isVisible(), pageBar);
    for (int slot = 0; slot < elements; ++slot)
        f.skin().LabelProperties.setRecord(0, slot, {"0", "0", "10", "10", "F", "9", "000000", "1", "0", "0", "t"});
    f.showElements(4);
    QCOMPARE(f.drawer->TableElements->count(), elements);
    QTRY_COMPARE(f.drawer->TableElements->verticalScrollBar()->isVisible(), elementBar);
}

// Choosing a page or a popup shows it; the popup goes when pages are chosen again.
void TestDrawer::choosingShowsInTheEditor()
{
    DrawerFixture f;
    f.skin().FullscreenProperties[2] = "2";
    f.drawer->TableItems->setCurrentRow(2);
    QCOMPARE(f.document.ActivePage(), 2);
    QCOMPARE(f.editor().CanvasBorderTop, 0); // page 2 is full screen
    QVERIFY(f.document.isPageActive());

    f.drawer->PopupMenuItems->setCurrentIndex(1);
    QVERIFY(f.document.isPopupMode());
    QCOMPARE(f.selectedRow(f.drawer->TableItems), 0);
    QVERIFY(f.editor().PopupBackground);
    QVERIFY(f.editor().Background); // over the page shown last
    f.drawer->TableItems->setCurrentRow(1);
    QCOMPARE(f.document.ActivePopup(), 1);
    QVERIFY(f.document.isPopupActive());

    f.drawer->PopupMenuItems->setCurrentIndex(0);
    QVERIFY(!f.editor().PopupBackground);
    QCOMPARE(f.selectedRow(f.drawer->TableItems), 2);
    QVERIFY(f.document.isPageActive());
}

void TestDrawer::popupsOnlySkinListsPopups()
{
    DrawerFixture f(0, 2);
    QCOMPARE(f.drawer->PopupMenuItems->currentIndex(), 1);
    QVERIFY(f.document.isPopupMode());
    QCOMPARE(f.itemRows(), (QStringList{"Popup 0", "Popup 1"}));
    QVERIFY(f.editor().PopupBackground);
}

// A skin without popups with "Popups" chosen: nothing listed, nothing to act on.
void TestDrawer::noPopupsChosen()
{
    DrawerFixture f(2, 0);
    f.drawer->PopupMenuItems->setCurrentIndex(1);
    QVERIFY(f.itemRows().isEmpty());
    QCOMPARE(f.selectedRow(f.drawer->TableItems), -1);
    QVERIFY(!f.drawer->RemoveButton->isEnabled());
    QVERIFY(!f.drawer->PrefButton->isEnabled());
}

// A click below the last row keeps the active page chosen.
void TestDrawer::selectionCannotBeCleared()
{
    DrawerFixture f;
    f.drawer->TableItems->setCurrentRow(1);
    f.drawer->TableItems->clearSelection();
    QCOMPARE(f.selectedRow(f.drawer->TableItems), 1);
    QCOMPARE(f.document.ActivePage(), 1);
}

void TestDrawer::thumbnailSize_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("thumbnail");
    QTest::newRow("50 x 200") << QSize(50, 200) << QSize(5, 20);
    QTest::newRow("50 x 20 as it is") << QSize(50, 20) << QSize(50, 20);
    QTest::newRow("300 high is 6 %, not 6.67") << QSize(300, 300) << QSize(18, 20);
    QTest::newRow("over 2000 high: none") << QSize(100, 2500) << QSize();
}

void TestDrawer::thumbnailSize()
{
    QFETCH(QSize, picture);
    QFETCH(QSize, thumbnail);
    QCOMPARE(Drawer1::thumbnailSize(picture), thumbnail);
}

// Pictures by their file's name with a thumbnail, or by the stored reference when the
// file is missing; labels by their text; today views by their slot.
void TestDrawer::elementRows()
{
    DrawerFixture f;
    QImage tall(50, 200, QImage::Format_RGB32);
    tall.fill(Qt::red);
    const QByteArray logo = f.picture(QStringLiteral("logo.BMP"), tall);
    f.skin().PictureProperties.setRecord(0, 0, {"0", "0", logo});
    f.skin().PictureProperties.setRecord(0, 1, {"0", "0", "Bitmaps:gone.BMP"});
    f.skin().LabelProperties.setRecord(0, 0, {"0", "0", "10", "10", "F", "9", "000000", "1", "0", "2", ""});
    f.skin().TodayProperties.setRecord(0, 0, {"10", "50", "222222", "E21313", "3388CC", "40"});

    f.showElements(0);
    QCOMPARE(f.elementRows(), (QStringList{"logo", "Bitmaps:gone.BMP"}));
    QCOMPARE(f.drawer->TableElements->item(0)->icon().availableSizes().value(0), QSize(5, 20));
    QVERIFY(f.drawer->TableElements->item(1)->icon().isNull());
    QVERIFY(!f.buttonsEnabled()); // nothing chosen yet

    f.drawer->PopupElements->setCurrentIndex(4);
    QCOMPARE(f.elementRows(), QStringList{"Status"});
    f.drawer->PopupElements->setCurrentIndex(5);
    QCOMPARE(f.elementRows(), QStringList{"Today 0"});
}

// A slot listed by a column other than its key: the row keeps the slot, and choosing
// it selects that slot, not the row's number.
void TestDrawer::rowsKeepTheirSlots()
{
    DrawerFixture f;
    // Slot 0 has a width but no font: listed, not an element the editor shows.
    f.skin().LabelProperties.setRecord(0, 1, {"0", "0", "", "10", "F", "9", "000000", "1", "0", "0", "one"});
    f.skin().LabelProperties.setRecord(0, 2, {"0", "0", "20", "10", "F", "9", "000000", "1", "0", "0", "two"});
    f.showElements(4);
    QCOMPARE(f.elementRows(), QStringList{"two"});
    QCOMPARE(f.drawer->slotOfRow(0), 2);

    f.drawer->TableElements->setCurrentRow(0);
    QCOMPARE(f.document.ActiveElement(), QStringLiteral("Lab"));
    QCOMPARE(f.document.ActiveCanvasIndex(), 2);
    QCOMPARE(f.document.getElement(LabelColumn::LabelText), QByteArray("two"));
    QVERIFY(f.buttonsEnabled());
}

void TestDrawer::pageOnlyFiltersListNothingForPopups()
{
    DrawerFixture f;
    f.skin().TodayProperties.setRecord(0, 0, {"10", "50", "222222", "E21313", "3388CC", "40"});
    f.drawer->PopupMenuItems->setCurrentIndex(1);
    for (int filter = 5; filter <= 8; ++filter) {
        f.showElements(filter);
        QVERIFY(f.elementRows().isEmpty());
        QVERIFY(!f.buttonsEnabled());
    }
}

// A click on an element in the editor moves the drawer to it; the popup itself goes
// to the Skin tab; a page rebuild leaves nothing chosen and nothing to act on.
void TestDrawer::followsTheEditorsSelection()
{
    DrawerFixture f;
    const QByteArray picture = f.picture(QStringLiteral("b.bmp"), 4, 4);
    f.skin().ButtonProperties.setRecord(0, 0, {"1", "1", "101", "", picture, ""});
    f.skin().ButtonProperties.setRecord(0, 1, {"9", "9", "101", "", picture, ""});
    MainWindow &e = f.editor();
    e.PageAction();

    QVERIFY(e.initializeCanvas(1, e.Canvas1().value(1), "Bt", QPoint(10, 35), false));
    QCOMPARE(f.drawer->TabSkin->currentIndex(), 1);
    QCOMPARE(f.drawer->PopupElements->currentIndex(), 2);
    QCOMPARE(f.elementRows(), (QStringList{"b", "b"}));
    QCOMPARE(f.selectedRow(f.drawer->TableElements), 1);
    QVERIFY(f.buttonsEnabled());

    e.PageAction();
    QCOMPARE(f.document.ActiveCanvasIndex(), -1);
    QCOMPARE(f.selectedRow(f.drawer->TableElements), -1);
    QVERIFY(!f.buttonsEnabled());

    f.drawer->PopupMenuItems->setCurrentIndex(1);
    QVERIFY(e.PopupBackground);
    QVERIFY(e.initializeCanvas(0, e.PopupBackground, "PBac", QPoint(15, 50), false));
    QCOMPARE(f.drawer->TabSkin->currentIndex(), 0);
}

void TestDrawer::addMenu_data()
{
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("tab");
    QTest::addColumn<bool>("popups");
    QTest::addColumn<QString>("onPage"); // "", or kinds already on the active page
    QTest::addColumn<QStringList>("rows"); // none: no menu at all
    const QStringList always{"Add Picture", "Add MaskPicture", "Add Button", "Add MaskButton", "Add Label"};
    QTest::newRow("skin tab") << 3 << 0 << false << "" << QStringList{"Add Page", "Add Popup"};
    QTest::newRow("skin tab of a skin without pages") << 0 << 0 << false << "" << QStringList{"Add Page", "Add Popup"};
    QTest::newRow("empty page")
        << 3 << 1 << false << ""
        << always + QStringList{"Add Today", "Add Todayindicator", "Add Trashicon", "Add Lockicon"};
    QTest::newRow("one of each on the page")
        << 3 << 1 << false << "To ToI Tra Lok" << always + QStringList{"Add Todayindicator"};
    QTest::newRow("popups") << 3 << 1 << true << "" << always;
    QTest::newRow("no page to hold an element") << 0 << 1 << false << "" << QStringList();
}

void TestDrawer::addMenu()
{
    QFETCH(int, pages);
    QFETCH(int, tab);
    QFETCH(bool, popups);
    QFETCH(QString, onPage);
    QFETCH(QStringList, rows);
    DrawerFixture f(pages, 2);
    if (pages == 0)
        f.drawer->PopupMenuItems->setCurrentIndex(0); // pages chosen, none there
    for (const QString &identifier : onPage.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        QList<QByteArray> record(ElementKinds::find(identifier)->format->columnCount, "1");
        f.skin().tableForElement(identifier)->setRecord(0, 0, record);
    }
    if (popups)
        f.drawer->PopupMenuItems->setCurrentIndex(1);
    f.drawer->TabSkin->setCurrentIndex(tab);

    f.drawer->AddButton_Action(); // the scripted menu is dismissed
    QCOMPARE(f.prompts.menus.size(), rows.isEmpty() ? 0 : 1);
    if (!rows.isEmpty())
        QCOMPARE(f.prompts.menus.first(), rows);
}

void TestDrawer::addPage_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<bool>("popupsChosenFirst");
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("a page") << "Add Page" << false << 3 << QByteArray("page_3");
    QTest::newRow("a page while popups are chosen") << "Add Page" << true << 3 << QByteArray("page_3");
    QTest::newRow("a popup") << "Add Popup" << false << 2 << QByteArray("popup_2");
}

// The new one is active, listed, chosen and shown; the skin is modified.
void TestDrawer::addPage()
{
    QFETCH(QString, row);
    QFETCH(bool, popupsChosenFirst);
    QFETCH(int, index);
    QFETCH(QByteArray, file);
    DrawerFixture f;
    if (popupsChosenFirst)
        f.drawer->PopupMenuItems->setCurrentIndex(1);
    const bool page = row == QLatin1String("Add Page");

    f.prompts.menuAnswers.enqueue(page ? 0 : 1);
    f.drawer->AddButton_Action();
    QCOMPARE(f.drawer->PopupMenuItems->currentIndex(), page ? 0 : 1);
    const QList<PageRow> &rows = page ? f.skin().PageProperties : f.skin().PopUpProperties;
    QCOMPARE(rows.size(), index + 1);
    QCOMPARE(rows.last(), (PageRow{QByteArray::number(index), file, {}}));
    QCOMPARE(page ? f.document.ActivePage() : f.document.ActivePopup(), index);
    QCOMPARE(f.itemRows().size(), index + 1);
    QCOMPARE(f.selectedRow(f.drawer->TableItems), index);
    QVERIFY(page ? f.document.newPage() : f.document.newPopup());
    QVERIFY(f.document.isSkinModified());
    QVERIFY(f.window->isWindowModified());
}

// Until the element dialogs exist an add is cancelled at once: nothing is written, and
// no half-chosen kind or slot is left for Properties.
void TestDrawer::addingAnElementLeavesNothingBehind()
{
    DrawerFixture f;
    f.showElements(2);
    f.prompts.menuAnswers.enqueue(2); // "Add Button"
    f.drawer->AddButton_Action();
    QCOMPARE(f.prompts.menus.value(0).value(2), QStringLiteral("Add Button"));
    QVERIFY(!f.skin().ButtonProperties.isUsed(0, 0, ButtonColumn::Bitmap));
    QVERIFY(f.document.ActiveElement().isEmpty());
    QCOMPARE(f.document.ActiveCanvasIndex(), -1);
    QVERIFY(!f.buttonsEnabled());
}

void TestDrawer::addingToAFullKindIsRefused()
{
    DrawerFixture f;
    for (int slot = 0; slot < ElementKinds::DefaultSlots; ++slot)
        f.skin().ButtonProperties.setRecord(0, slot, {"0", "0", "101", "", "Bitmaps:b.bmp", ""});
    f.showElements(2);
    f.drawer->ContextualMenuAdd_Action(QStringLiteral("add button"));
    QCOMPARE(f.prompts.messages.size(), 1);
    QVERIFY(f.prompts.lastMessage().startsWith(QLatin1String("No room for another element:")));
    QCOMPARE(f.skin().ButtonProperties.slotCount(), ElementKinds::DefaultSlots);
    QCOMPARE(f.document.ActiveCanvasIndex(), -1);
    QVERIFY(!f.document.isSkinModified());
}

void TestDrawer::removeAsks_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<bool>("popups");
    QTest::addColumn<QString>("question");
    QTest::newRow("page") << 0 << false << "Attention\n\nThis will delete the Page! Sure?";
    QTest::newRow("popup") << 0 << true << "Attention\n\nThis will delete the Popup! Sure?";
    QTest::newRow("element") << 1 << false << "Attention\n\nThis will delete the Element! Sure?";
}

// Cancel changes nothing.
void TestDrawer::removeAsks()
{
    QFETCH(int, tab);
    QFETCH(bool, popups);
    QFETCH(QString, question);
    DrawerFixture f;
    f.skin().PictureProperties.setRecord(0, 0, {"0", "0", "Bitmaps:p.bmp"});
    if (popups)
        f.drawer->PopupMenuItems->setCurrentIndex(1);
    f.showElements(0);
    f.drawer->TableElements->setCurrentRow(0);
    f.drawer->TabSkin->setCurrentIndex(tab);

    f.drawer->RemoveButton_Action(); // answered Cancel
    QCOMPARE(f.prompts.questions, QStringList{question});
    QCOMPARE(f.skin().PageProperties.size(), 3);
    QCOMPARE(f.skin().PopUpProperties.size(), 2);
    QVERIFY(f.skin().PictureProperties.isUsed(0, 0, PictureColumn::Bitmap));
    QVERIFY(!f.document.isSkinModified());
}

// Removing page 1 of three: page 0 is shown, the old page 2 is listed as page 1.
void TestDrawer::removePage()
{
    DrawerFixture f;
    f.drawer->TableItems->setCurrentRow(1);
    f.prompts.confirmAnswers.enqueue(true);
    f.drawer->RemoveButton_Action();
    QCOMPARE(f.itemRows(), (QStringList{"Page 0", "Page 2"}));
    QCOMPARE(f.selectedRow(f.drawer->TableItems), 0);
    QCOMPARE(f.document.ActivePage(), 0);
    QCOMPARE(f.skin().DeleteFiles, QList<QByteArray>{"page_1"});
    QVERIFY(f.window->isWindowModified());
}

// Nothing of the removed page stays on screen, and nothing is left to act on.
void TestDrawer::removeTheOnlyPage()
{
    DrawerFixture f(1, 1);
    f.skin().PictureProperties.setRecord(0, 0, {"0", "0", f.picture(QStringLiteral("p.bmp"), 4, 4)});
    f.editor().PageAction();
    QVERIFY(f.editor().Background);
    f.prompts.confirmAnswers.enqueue(true);
    f.drawer->RemoveButton_Action();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(f.skin().pageCounter(), -1);
    QVERIFY(f.itemRows().isEmpty());
    QVERIFY(!f.buttonsEnabled());
    QVERIFY(!f.editor().Background);
    QVERIFY(f.editor().phoneView()->findChildren<ElementCanvas *>().isEmpty());
}

// Removing the third of five pictures: the list and the editor show the other four.
void TestDrawer::removeElement()
{
    DrawerFixture f;
    for (int slot = 0; slot < 5; ++slot)
        f.skin().PictureProperties.setRecord(0, slot, {QByteArray::number(slot * 10), "0",
                                                       f.picture(QStringLiteral("p%1.bmp").arg(slot), 4, 4)});
    f.editor().PageAction();
    f.showElements(0);
    f.drawer->TableElements->setCurrentRow(2);
    f.prompts.confirmAnswers.enqueue(true);
    f.drawer->RemoveButton_Action();
    QCOMPARE(f.elementRows(), (QStringList{"p0", "p1", "p3", "p4"}));
    QCOMPARE(f.editor().Canvas3().size(), 4);
    QCOMPARE(f.skin().PictureProperties.value(0, 2, PictureColumn::X), QByteArray("30"));
    QVERIFY(!f.skin().PictureProperties.isUsed(0, 4, PictureColumn::Bitmap));
    QVERIFY(!f.buttonsEnabled());
    QVERIFY(f.document.isSkinModified());
}

void TestDrawer::removingAPageNamesItsButtons()
{
    DrawerFixture f;
    f.skin().ButtonProperties.setRecord(0, 0, {"0", "0", "101", "2", f.picture(QStringLiteral("b.bmp"), 4, 4), ""});
    f.drawer->TableItems->setCurrentRow(1);
    f.prompts.confirmAnswers.enqueue(true);
    f.drawer->RemoveButton_Action();
    QCOMPARE(f.prompts.messages.size(), 1);
    QVERIFY2(f.prompts.lastMessage().contains(QLatin1String("page \"Page 0\": Bt 0")), qPrintable(f.prompts.lastMessage()));
}

QTEST_MAIN(TestDrawer)
#include "tst_drawer.moc"
