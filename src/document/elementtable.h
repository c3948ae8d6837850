#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <limits>
#include <string>
#include <vector>

// One element table of the skin: planes (one per page or popup) of slots (one per
// element of this kind) of columns (the fields of its record). All planes share the
// slot count; values are the bytes exactly as read from the skin files.
//
// The values are kept back to back in one buffer per table: a large skin then costs a
// few allocations instead of one per value, which keeps reading fast.
class ElementTable
{
public:
    explicit ElementTable(int columnCount = 0);

    int columnCount() const { return m_columnCount; }
    int planeCount() const { return m_planeCount; }
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
    void setValue(int plane, int slot, int column, QByteArrayView value);

    QList<QByteArray> record(int plane, int slot) const;
    void setRecord(int plane, int slot, const QList<QByteArray> &record);

    // A slot holds an element when its key column is not empty.
    bool isUsed(int plane, int slot, int keyColumn) const;

private:
    // The cells are most of a large skin's memory, and touching fresh memory is a good
    // part of what reading one costs, so a cell takes 32-bit positions: a table then
    // holds at most 4 GiB of values, far beyond any skin.
    struct Cell
    {
        quint32 offset = 0; // into m_text
        quint32 size = 0;   // 0: empty
    };

    bool contains(int plane, int slot, int column) const;
    size_t cellIndex(int plane, int slot, int column) const
    {
        return (size_t(plane) * size_t(m_slotRoom) + size_t(slot)) * size_t(m_columnCount) + size_t(column);
    }
    bool slotHoldsData(int slot) const;
    void relayout(int planes, int slotCount);
    bool hasRoomFor(qsizetype bytes) const
    {
        return bytes <= qsizetype(std::numeric_limits<quint32>::max()) - qsizetype(m_text.size());
    }
    void compact();

    int m_columnCount = 0;
    int m_slotCount = 0;
    int m_slotRoom = 0; // slots each plane has cells for, at least m_slotCount
    int m_planeCount = 0;
    std::vector<Cell> m_cells; // plane-major, then slot, then column
    std::string m_text;        // the values of the cells, back to back
    qsizetype m_unused = 0;    // bytes of m_text that no cell points to any more
};
