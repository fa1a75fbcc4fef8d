#pragma once

#include <QString>
#include <QStringList>

// The file-type filter of the source browser: its fixed entries and the filter each stands for.
namespace BrowserFilter {

// The entries of the filter list, in order.
[[nodiscard]] const QStringList& entries();
// The filter given to the file list for an entry's text: the three header entries stand for combined filters,
// every other entry for itself; no entry (an empty text) gives the empty filter, which shows all files.
[[nodiscard]] QString filterFor(const QString& entryText);
// The name patterns of a filter: split at ";", empty pieces dropped, blanks around a pattern ignored, and each
// pattern once. An empty filter, "*" or "*.*" gives no patterns, meaning all files.
[[nodiscard]] QStringList patterns(const QString& filter);

} // namespace BrowserFilter
