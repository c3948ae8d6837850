#pragma once

#include <QByteArray>
#include <QList>

#include <vector>

// One element table of the skin: planes (one per page or popup) of slots (one per
// element of this kind) of columns (the fields of its record). All planes share the
// slot count; values are the bytes exactly as read from the skin files.
class ElementTable
{
public:
    explicit ElementTable(int columnCount = 0);

    int columnCount() const { return m_columnCount; }
    int planeCount() const { return int(m_planes.size()); }
    int slotCount() const { return m_slotCount; }

    // Sets the number of planes and makes every plane at least `minimumSlots` long.
    // Slots beyond that are kept while any plane holds data in them, so that
    // no resize ever drops an element.
    void resize(int planes, int minimumSlots);
    // Removes every plane; the column count stays.
    void clear();
    void insertPlane(int plane);
    void removePlane(int plane);

    // Empty for a position outside the table.
    QByteArray value(int plane, int slot, int column) const;
    // Grows every plane when `slot` lies beyond the last slot; a plane or column
    // outside the table is ignored.
    void setValue(int plane, int slot, int column, const QByteArray &value);

    QList<QByteArray> record(int plane, int slot) const;
    void setRecord(int plane, int slot, const QList<QByteArray> &record);

    // A slot holds an element when its key column is not empty.
    bool isUsed(int plane, int slot, int keyColumn) const;

private:
    bool contains(int plane, int slot, int column) const;
    bool slotHoldsData(int slot) const;

    int m_columnCount = 0;
    int m_slotCount = 0;
    // Each plane is slot-major: slot * m_columnCount + column.
    std::vector<std::vector<QByteArray>> m_planes;
};
