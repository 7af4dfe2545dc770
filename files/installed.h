#pragma once
// Where the program finds what it installs beside itself: the tables, the problems and the
// translations. A build runs them from its own folder, an installed program from
// ../share/pebblenix; a variable, where one is named, points anywhere else.

#include <QString>

namespace pebblenix {

enum class InstalledKind { File, Folder };

// `variable` (if given and set), else `name` beside the program when it is there as that
// kind, else `name` in ../share/pebblenix from the program's folder.
QString findInstalled(const QString& programFolder, const char* variable, const QString& name,
                      InstalledKind kind);

} // namespace pebblenix
