#pragma once

#include <QString>
#include <QUrl>

// The help, FAQ and home pages ship inside the program. A browser cannot read Qt
// resources, so at first use in a run the pages are copied into the cache folder and
// opened from there.
namespace HelpPages {

// The file URL of a page ("help.html") after copying the pages out; empty on failure.
QUrl install(const QString &page);
// Opens the page in the user's browser; false when it could not be copied or opened.
bool open(const QString &page);

}
