#pragma once

#include "bprefs.h"
#include "document/result.h"

#include <QList>
#include <QString>

// The skins opened last, most recent first, as the preferences store keeps them:
// "recent_<n>" (the main skin file's name), "recent_<n>_path" (its absolute path) and
// "recent_<n>_counter" (0 unless another listed entry has the same file name) for n
// from 0 to 4.
class RecentFiles
{
public:
    static constexpr int MaxEntries = 5;

    struct Entry
    {
        int index = 0; // n of its keys
        QString fileName;
        QString path;
        int counter = 0;
        // What the menu shows: the file name, or the path when another entry has that name.
        QString caption() const { return counter > 0 ? path : fileName; }
    };

    explicit RecentFiles(BPrefs &prefs);

    // The entries whose keys exist and hold text (a missing counter counts as 0 and is
    // stored so); anything else in the store is passed over.
    QList<Entry> entries() const;
    // Whether "Open Recent" has anything to offer: the store has "recent_0".
    bool hasEntries() const;
    // The path of entry n; empty when there is none.
    QString path(int index) const;

    // Puts a skin at the top of the list, drops its earlier place and what falls beyond
    // five entries, stores the list and saves the store.
    Result add(const QString &fileName, const QString &path);

private:
    BPrefs &m_prefs;
};
