#include "elementtable.h"

#include <algorithm>
#include <cstring>

namespace {

// Below this the buffer is never worth compacting.
constexpr qsizetype CompactThreshold = 4096;

} // namespace

ElementTable::ElementTable(int columnCount)
    : m_columnCount(std::max(0, columnCount))
{
}

void ElementTable::resize(int planes, int minimumSlots)
{
    planes = std::max(0, planes);
    // Planes go first, so that data of removed planes keeps no slot alive.
    if (planes < m_planeCount)
        relayout(planes, m_slotCount);
    int keptSlots = std::max(0, minimumSlots);
    for (int slot = m_slotCount - 1; slot >= keptSlots; --slot) {
        if (slotHoldsData(slot)) {
            keptSlots = slot + 1;
            break;
        }
    }
    relayout(planes, keptSlots);
}

void ElementTable::relayout(int planes, int slotCount)
{
    if (planes == m_planeCount && slotCount == m_slotCount)
        return;
    const size_t columns = size_t(m_columnCount);
    if (slotCount < m_slotCount || slotCount > m_slotRoom) {
        // A plane that outgrows its room gets half as much again: a page read with many
        // elements of a kind grows the table one slot at a time, which would otherwise
        // move the whole table at every slot. A table sized or shrunk fits exactly.
        const int room = slotCount > m_slotRoom ? std::max(slotCount, m_slotRoom + m_slotRoom / 2) : slotCount;
        std::vector<Cell> cells(size_t(planes) * size_t(room) * columns);
        const int keptPlanes = std::min(planes, m_planeCount);
        const size_t keptSlotCells = size_t(std::min(slotCount, m_slotCount)) * columns;
        for (int plane = 0; plane < keptPlanes; ++plane) {
            const auto from = m_cells.begin() + ptrdiff_t(size_t(plane) * size_t(m_slotRoom) * columns);
            std::copy(from, from + ptrdiff_t(keptSlotCells),
                      cells.begin() + ptrdiff_t(size_t(plane) * size_t(room) * columns));
        }
        m_cells = std::move(cells);
        m_slotRoom = room;
    } else {
        // Planes added or dropped at the end, or slots taken from the room, keep every
        // other cell in place. Cells beyond the last slot are always empty.
        m_cells.resize(size_t(planes) * size_t(m_slotRoom) * columns);
    }
    m_planeCount = planes;
    m_slotCount = slotCount;
    compact(); // dropped cells leave unused text behind
}

void ElementTable::clear()
{
    m_cells.clear();
    m_text.clear();
    m_unused = 0;
    m_planeCount = 0;
    m_slotCount = 0;
    m_slotRoom = 0;
}

void ElementTable::insertPlane(int plane)
{
    plane = std::clamp(plane, 0, m_planeCount);
    const size_t planeCells = size_t(m_slotRoom) * size_t(m_columnCount);
    m_cells.insert(m_cells.begin() + ptrdiff_t(size_t(plane) * planeCells), planeCells, Cell());
    ++m_planeCount;
}

void ElementTable::removePlane(int plane)
{
    if (plane < 0 || plane >= m_planeCount)
        return;
    const size_t planeCells = size_t(m_slotRoom) * size_t(m_columnCount);
    const auto first = m_cells.begin() + ptrdiff_t(size_t(plane) * planeCells);
    for (auto cell = first; cell != first + ptrdiff_t(planeCells); ++cell)
        m_unused += cell->size;
    m_cells.erase(first, first + ptrdiff_t(planeCells));
    --m_planeCount;
}

bool ElementTable::contains(int plane, int slot, int column) const
{
    return plane >= 0 && plane < m_planeCount && slot >= 0 && slot < m_slotCount && column >= 0
        && column < m_columnCount;
}

QByteArray ElementTable::value(int plane, int slot, int column) const
{
    if (!contains(plane, slot, column))
        return {};
    const Cell &cell = m_cells[cellIndex(plane, slot, column)];
    return cell.size == 0 ? QByteArray() : QByteArray(m_text.data() + cell.offset, cell.size);
}

void ElementTable::setValue(int plane, int slot, int column, QByteArrayView value)
{
    if (plane < 0 || plane >= m_planeCount || slot < 0 || column < 0 || column >= m_columnCount)
        return;
    if (slot >= m_slotCount)
        resize(m_planeCount, slot + 1);
    Cell &cell = m_cells[cellIndex(plane, slot, column)];
    if (value.size() <= qsizetype(cell.size)) {
        if (!value.isEmpty())
            std::memcpy(m_text.data() + cell.offset, value.data(), size_t(value.size()));
        m_unused += cell.size - value.size();
        cell.size = quint32(value.size());
        return;
    }
    m_unused += cell.size;
    cell.size = 0; // its old bytes are unused from now on
    if (!hasRoomFor(value.size())) {
        compact();
        if (!hasRoomFor(value.size()))
            qBadAlloc(); // as Qt's own containers do beyond their largest size
    }
    cell.offset = quint32(m_text.size());
    cell.size = quint32(value.size());
    m_text.append(value.data(), size_t(value.size()));
    if (m_unused > CompactThreshold && m_unused > qsizetype(m_text.size()) / 2)
        compact();
}

void ElementTable::compact()
{
    if (m_unused == 0)
        return;
    std::string text;
    text.reserve(m_text.size() - size_t(m_unused));
    for (Cell &cell : m_cells) {
        if (cell.size == 0)
            continue;
        const auto offset = quint32(text.size());
        text.append(m_text.data() + cell.offset, size_t(cell.size));
        cell.offset = offset;
    }
    m_text = std::move(text);
    m_unused = 0;
}

QList<QByteArray> ElementTable::record(int plane, int slot) const
{
    QList<QByteArray> result;
    result.reserve(m_columnCount);
    for (int column = 0; column < m_columnCount; ++column)
        result.append(value(plane, slot, column));
    return result;
}

void ElementTable::setRecord(int plane, int slot, const QList<QByteArray> &record)
{
    for (int column = 0; column < m_columnCount; ++column)
        setValue(plane, slot, column, column < record.size() ? QByteArrayView(record.at(column)) : QByteArrayView());
}

bool ElementTable::isUsed(int plane, int slot, int keyColumn) const
{
    return contains(plane, slot, keyColumn) && m_cells[cellIndex(plane, slot, keyColumn)].size > 0;
}

bool ElementTable::slotHoldsData(int slot) const
{
    for (int plane = 0; plane < m_planeCount; ++plane) {
        for (int column = 0; column < m_columnCount; ++column) {
            if (m_cells[cellIndex(plane, slot, column)].size > 0)
                return true;
        }
    }
    return false;
}
