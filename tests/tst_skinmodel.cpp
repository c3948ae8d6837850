#include "document/skin.h"

#include <QtTest>

class TestSkinModel : public QObject
{
    Q_OBJECT

private slots:
    void getIndexForElement_data();
    void getIndexForElement();
    void kindsTableHoldsTogether();
    void tableGrowsAndNeverDropsData_data();
    void tableGrowsAndNeverDropsData();
    void sizingKeepsGrownSlots();
    void editsKeepEveryOtherValue_data();
    void editsKeepEveryOtherValue();
    void slotsGrownOneByOne_data();
    void slotsGrownOneByOne();
};

void TestSkinModel::getIndexForElement_data()
{
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("expected");
    QTest::newRow("first page kind") << "Pic" << "Page" << 0;
    QTest::newRow("last page kind") << "Lok" << "Page" << 8;
    QTest::newRow("popup label") << "PLab" << "Popup" << 4;
    QTest::newRow("letter case ignored") << "btm" << "PAGE" << 3;
    QTest::newRow("page kind on popups") << "Bt" << "Popup" << -1;
    QTest::newRow("popup background is listed nowhere") << "PBac" << "Popup" << -1;
    QTest::newRow("any other kind") << "Bt" << "Skin" << 0;
}

void TestSkinModel::getIndexForElement()
{
    QFETCH(QString, identifier);
    QFETCH(QString, kind);
    QFETCH(int, expected);
    QCOMPARE(ElementKinds::getIndexForElement(identifier, kind), expected);
}

// The rows are where their ids say, found by their identifiers, name columns inside
// their records, and number each surface's filter and file order without gaps.
void TestSkinModel::kindsTableHoldsTogether()
{
    const Skin skin;
    QMap<Surface, QList<int>> filters;
    QMap<Surface, QList<int>> fileOrders;
    for (const ElementKind &kind : ElementKinds::all()) {
        QCOMPARE(&ElementKinds::get(kind.id), &kind);
        if (*kind.identifier)
            QCOMPARE(ElementKinds::find(kind.identifierText().toUpper()), &kind);
        const int columns = kind.format->columnCount;
        QCOMPARE(skin.table(kind).columnCount(), columns);
        for (int column : {kind.keyColumn(), kind.writtenWhenSet, kind.listedWhenSet, kind.xColumn(), kind.yColumn(),
                           kind.pictureColumn(), kind.maskColumn(), kind.commandColumn(), kind.argumentColumn()})
            QVERIFY2(column >= -1 && column < columns, kind.identifier);
        QVERIFY2(kind.keyColumn() >= 0 && kind.slotsAfterReading > 0 && kind.slotsAfterAdding > 0, kind.identifier);
        QCOMPARE(kind.drawerFilter >= 0, kind.drawerCaption != nullptr);
        QCOMPARE(kind.drawerFilter >= 0, kind.addCaption != nullptr);
        if (kind.drawerFilter >= 0)
            QCOMPARE(ElementKinds::atDrawerFilter(kind.surface, kind.drawerFilter), &kind);
        if (kind.drawerFilter >= 0)
            filters[kind.surface] << kind.drawerFilter;
        fileOrders[kind.surface] << kind.fileOrder;
    }
    QCOMPARE(ElementKinds::find(QString()), nullptr);
    QCOMPARE(ElementKinds::find(QStringLiteral("Nope")), nullptr);
    for (QMap<Surface, QList<int>> *numbers : {&filters, &fileOrders}) {
        for (QList<int> &list : *numbers) {
            std::sort(list.begin(), list.end());
            for (int i = 0; i < list.size(); ++i)
                QCOMPARE(list.at(i), i);
        }
    }
    QCOMPARE(filters[Surface::Page].size(), 9);
    QCOMPARE(filters[Surface::Popup].size(), 5);
    QCOMPARE(ElementKinds::drawerCaptions().size(), 9);
    QCOMPARE(ElementKinds::atDrawerFilter(Surface::Popup, 5), nullptr);
}

void TestSkinModel::tableGrowsAndNeverDropsData_data()
{
    QTest::addColumn<int>("dataPlane");
    QTest::addColumn<int>("dataSlot");
    QTest::addColumn<int>("newPlanes");
    QTest::addColumn<int>("expectedSlots");
    QTest::addColumn<bool>("dataKept");
    // The table starts with 3 planes of 20 slots, gets one value, then is resized to
    // newPlanes planes of at least 2 slots.
    QTest::newRow("slot past the end grows every plane") << 2 << 24 << 3 << 25 << true;
    QTest::newRow("shrinking slots keeps a used one") << 0 << 19 << 3 << 20 << true;
    QTest::newRow("adding planes keeps grown slots") << 1 << 30 << 5 << 31 << true;
    QTest::newRow("a removed plane frees its slots") << 2 << 24 << 2 << 2 << false;
}

void TestSkinModel::tableGrowsAndNeverDropsData()
{
    QFETCH(int, dataPlane);
    QFETCH(int, dataSlot);
    QFETCH(int, newPlanes);
    QFETCH(int, expectedSlots);
    QFETCH(bool, dataKept);
    ElementTable table(PictureColumn::Count);
    table.resize(3, 20);
    table.setValue(dataPlane, dataSlot, PictureColumn::Bitmap, "Bitmaps:x.bmp");
    QVERIFY(table.slotCount() >= dataSlot + 1);

    table.resize(newPlanes, 2);
    QCOMPARE(table.planeCount(), newPlanes);
    QCOMPARE(table.slotCount(), expectedSlots);
    QCOMPARE(table.isUsed(dataPlane, dataSlot, PictureColumn::Bitmap), dataKept);
    for (int plane = 0; plane < newPlanes; ++plane)
        QCOMPARE(table.record(plane, table.slotCount() - 1).size(), PictureColumn::Count);
}

// Adding a page later sizes the tables again; a page read with more than 20 elements
// of a kind must keep all of them, and so must an ordinary insert.
void TestSkinModel::sizingKeepsGrownSlots()
{
    Skin skin;
    skin.PageProperties.resize(1);
    skin.PopUpProperties.resize(1);
    skin.sizePageTables();
    skin.sizePopupTables();
    skin.ButtonProperties.setValue(0, 21, ButtonColumn::Bitmap, "Bitmaps:b.bmp");
    skin.PopupLocationProperties.setValue(0, 2, LocationColumn::Width, "9");

    skin.PageProperties.append(PageRow{"1", "page_1", "New"});
    skin.PopUpProperties.append(PageRow{"1", "popup_1", "New"});
    skin.sizePageTables();
    skin.sizePopupTables();
    QCOMPARE(skin.ButtonProperties.planeCount(), 2);
    QCOMPARE(skin.ButtonProperties.value(0, 21, ButtonColumn::Bitmap), QByteArray("Bitmaps:b.bmp"));
    QCOMPARE(skin.PopupLocationProperties.value(0, 2, LocationColumn::Width), QByteArray("9"));
    QCOMPARE(skin.PageLoadingError.size(), 2);

    skin.ButtonProperties.insertPlane(0);
    QCOMPARE(skin.ButtonProperties.value(1, 21, ButtonColumn::Bitmap), QByteArray("Bitmaps:b.bmp"));
    QCOMPARE(skin.ButtonProperties.record(0, 21), QList<QByteArray>(ButtonColumn::Count));
}

void TestSkinModel::editsKeepEveryOtherValue_data()
{
    QTest::addColumn<QString>("edit");
    QTest::newRow("shorter values") << "shorter";
    QTest::newRow("longer values, many times") << "longer";
    QTest::newRow("emptied values") << "empty";
    QTest::newRow("plane inserted in front") << "insert";
    QTest::newRow("middle plane removed") << "remove";
}

// Three planes of distinct values; one edit; every value not edited must read back
// unchanged, whatever the table does with its storage meanwhile.
void TestSkinModel::editsKeepEveryOtherValue()
{
    QFETCH(QString, edit);
    const auto original = [](int plane, int slot, int column) {
        return "p" + QByteArray::number(plane) + "s" + QByteArray::number(slot) + "c" + QByteArray::number(column);
    };
    ElementTable table(LabelColumn::Count);
    table.resize(3, 20);
    for (int plane = 0; plane < 3; ++plane)
        for (int slot = 0; slot < 20; ++slot)
            for (int column = 0; column < LabelColumn::Count; ++column)
                table.setValue(plane, slot, column, original(plane, slot, column));

    QByteArray edited;
    if (edit == QLatin1String("shorter"))
        edited = "x";
    else if (edit == QLatin1String("longer"))
        edited = QByteArray(300, 'y');
    const bool editsValues = edit == QLatin1String("shorter") || edit == QLatin1String("longer")
        || edit == QLatin1String("empty");
    for (int round = 0; editsValues && round < 50; ++round) // enough to make the table tidy up
        table.setValue(1, 3, LabelColumn::LabelText,
                       edit == QLatin1String("empty") ? QByteArray() : edited + QByteArray::number(round));
    if (edit == QLatin1String("insert"))
        table.insertPlane(0);
    if (edit == QLatin1String("remove"))
        table.removePlane(1);

    const auto originalPlane = [&](int plane) {
        if (edit == QLatin1String("insert"))
            return plane - 1;
        if (edit == QLatin1String("remove"))
            return plane < 1 ? plane : plane + 1;
        return plane;
    };
    for (int plane = 0; plane < table.planeCount(); ++plane) {
        for (int slot = 0; slot < 20; ++slot) {
            for (int column = 0; column < LabelColumn::Count; ++column) {
                const int from = originalPlane(plane);
                QByteArray expected = from < 0 ? QByteArray() : original(from, slot, column);
                if (editsValues && plane == 1 && slot == 3 && column == LabelColumn::LabelText)
                    expected = edit == QLatin1String("empty") ? QByteArray() : edited + "49";
                QCOMPARE(table.value(plane, slot, column), expected);
            }
        }
    }
}

void TestSkinModel::slotsGrownOneByOne_data()
{
    QTest::addColumn<QString>("then");
    QTest::newRow("nothing else") << "";
    QTest::newRow("plane inserted in front") << "insert";
    QTest::newRow("first plane removed") << "remove";
    QTest::newRow("planes added") << "add";
}

// Reading a page with many elements of a kind grows its table one slot at a time; the
// table keeps room for more, and every value must stay where it was put, also through
// later changes of the planes.
void TestSkinModel::slotsGrownOneByOne()
{
    QFETCH(QString, then);
    constexpr int Slots = 40; // leaves the table room for more
    const auto text = [](int plane, int slot) { return "p" + QByteArray::number(plane) + "s" + QByteArray::number(slot); };
    ElementTable table(PictureColumn::Count);
    table.resize(2, ElementKinds::DefaultSlots);
    for (int slot = 0; slot < Slots; ++slot) {
        for (int plane = 0; plane < 2; ++plane)
            table.setValue(plane, slot, PictureColumn::Bitmap, text(plane, slot));
    }
    int shift = 0; // original plane p is now plane p + shift
    if (then == QLatin1String("insert")) {
        table.insertPlane(0);
        shift = 1;
    } else if (then == QLatin1String("remove")) {
        table.removePlane(0);
        shift = -1;
    } else if (then == QLatin1String("add")) {
        table.resize(4, ElementKinds::DefaultSlots);
    }

    QCOMPARE(table.slotCount(), Slots);
    for (int plane = 0; plane < table.planeCount(); ++plane) {
        const int original = plane - shift;
        for (int slot = 0; slot < Slots; ++slot) {
            const QByteArray expected = original >= 0 && original < 2 ? text(original, slot) : QByteArray();
            QCOMPARE(table.value(plane, slot, PictureColumn::Bitmap), expected);
            QCOMPARE(table.value(plane, slot, PictureColumn::X), QByteArray());
        }
    }
}

QTEST_GUILESS_MAIN(TestSkinModel)
#include "tst_skinmodel.moc"
