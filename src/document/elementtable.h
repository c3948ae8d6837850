#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

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
    struct Cell
    {
        qsizetype offset = 0; // into m_text
        qsizetype size = 0;   // 0: empty
    };

    bool contains(int plane, int slot, int column) const;
    size_t cellIndex(int plane, int slot, int column) const;
    bool slotHoldsData(int slot) const;
    void relayout(int planes, int slotCount);
    void compact();

    int m_columnCount = 0;
    int m_slotCount = 0;
    int m_planeCount = 0;
    std::vector<Cell> m_cells; // plane-major, then slot, then column
    std::string m_text;        // the values of the cells, back to back
    qsizetype m_unused = 0;    // bytes of m_text that no cell points to any more
};
