#include "elementtable.h"

#include <algorithm>

ElementTable::ElementTable(int columnCount)
    : m_columnCount(std::max(0, columnCount))
{
}

void ElementTable::resize(int planes, int minimumSlots)
{
    // Planes go first, so that data of removed planes keeps no slot alive.
    m_planes.resize(size_t(std::max(0, planes)));
    int keptSlots = std::max(0, minimumSlots);
    for (int slot = m_slotCount - 1; slot >= keptSlots; --slot) {
        if (slotHoldsData(slot)) {
            keptSlots = slot + 1;
            break;
        }
    }
    m_slotCount = keptSlots;
    for (auto &plane : m_planes)
        plane.resize(size_t(m_slotCount) * size_t(m_columnCount));
}

void ElementTable::clear()
{
    m_planes.clear();
    m_slotCount = 0;
}

void ElementTable::insertPlane(int plane)
{
    plane = std::clamp(plane, 0, planeCount());
    m_planes.insert(m_planes.begin() + plane, std::vector<QByteArray>(size_t(m_slotCount) * size_t(m_columnCount)));
}

void ElementTable::removePlane(int plane)
{
    if (plane >= 0 && plane < planeCount())
        m_planes.erase(m_planes.begin() + plane);
}

bool ElementTable::contains(int plane, int slot, int column) const
{
    return plane >= 0 && plane < planeCount() && slot >= 0 && slot < m_slotCount && column >= 0
        && column < m_columnCount;
}

QByteArray ElementTable::value(int plane, int slot, int column) const
{
    if (!contains(plane, slot, column))
        return {};
    return m_planes[size_t(plane)][size_t(slot) * size_t(m_columnCount) + size_t(column)];
}

void ElementTable::setValue(int plane, int slot, int column, const QByteArray &value)
{
    if (plane < 0 || plane >= planeCount() || slot < 0 || column < 0 || column >= m_columnCount)
        return;
    if (slot >= m_slotCount)
        resize(planeCount(), slot + 1);
    m_planes[size_t(plane)][size_t(slot) * size_t(m_columnCount) + size_t(column)] = value;
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
        setValue(plane, slot, column, column < record.size() ? record.at(column) : QByteArray());
}

bool ElementTable::isUsed(int plane, int slot, int keyColumn) const
{
    return !value(plane, slot, keyColumn).isEmpty();
}

bool ElementTable::slotHoldsData(int slot) const
{
    const size_t begin = size_t(slot) * size_t(m_columnCount);
    for (const auto &plane : m_planes) {
        const size_t end = std::min(plane.size(), begin + size_t(m_columnCount)); // new planes are still empty
        for (size_t i = begin; i < end; ++i) {
            if (!plane[i].isEmpty())
                return true;
        }
    }
    return false;
}
