#include "recentfiles.h"

#include <algorithm>
#include <optional>

namespace {

QString key(int index, const char *suffix = "")
{
    return QStringLiteral("recent_%1%2").arg(index).arg(QLatin1String(suffix));
}

// A text value; nullopt for a missing key or a value of another kind.
std::optional<QString> text(const BPrefs &prefs, const QString &key)
{
    const QVariant value = prefs.Value(key);
    if (value.typeId() == QMetaType::QString)
        return value.toString();
    if (value.metaType() == QMetaType::fromType<BDictionary::Text>())
        return value.value<BDictionary::Text>().toString();
    return std::nullopt;
}

} // namespace

RecentFiles::RecentFiles(BPrefs &prefs)
    : m_prefs(prefs)
{
}

QList<RecentFiles::Entry> RecentFiles::entries() const
{
    QList<Entry> listed;
    for (int n = 0; n < MaxEntries; ++n) {
        const std::optional<QString> fileName = text(m_prefs, key(n));
        const std::optional<QString> path = text(m_prefs, key(n, "_path"));
        if (!fileName || !path)
            continue;
        const QVariant counter = m_prefs.Value(key(n, "_counter"));
        if (counter.typeId() != QMetaType::Int)
            m_prefs.setValue(key(n, "_counter"), 0);
        listed << Entry{n, *fileName, *path, counter.typeId() == QMetaType::Int ? counter.toInt() : 0};
    }
    return listed;
}

bool RecentFiles::hasEntries() const
{
    return m_prefs.HasKey(key(0));
}

QString RecentFiles::path(int index) const
{
    return text(m_prefs, key(index, "_path")).value_or(QString());
}

Result RecentFiles::add(const QString &fileName, const QString &path)
{
    QList<Entry> list{Entry{0, fileName, path, 0}};
    for (const Entry &entry : entries()) {
        const bool listed = std::any_of(list.cbegin(), list.cend(), [&](const Entry &e) {
            return e.path.compare(entry.path, Qt::CaseInsensitive) == 0;
        });
        if (!listed)
            list << entry;
    }
    // Counted over the whole list, a sixth entry included, as the menu has always done.
    for (Entry &entry : list) {
        entry.counter = int(std::count_if(list.cbegin(), list.cend(), [&](const Entry &e) {
                            return e.fileName.compare(entry.fileName, Qt::CaseInsensitive) == 0;
                        }))
            - 1;
    }
    for (int n = 0; n < MaxEntries; ++n) {
        if (n < list.size()) {
            m_prefs.setValue(key(n), list.at(n).fileName);
            m_prefs.setValue(key(n, "_path"), list.at(n).path);
            m_prefs.setValue(key(n, "_counter"), list.at(n).counter);
        } else {
            // Only a damaged store has keys here: they would list a skin twice.
            for (const char *suffix : {"", "_path", "_counter"})
                m_prefs.Remove(key(n, suffix));
        }
    }
    return m_prefs.Save();
}
