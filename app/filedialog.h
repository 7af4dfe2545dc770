#pragma once
// Where the game-file dialog first opens.

#include <QString>

namespace pebblenix {

// The program's own folder, unless the program is installed system-wide, where no player
// keeps games; then the user's documents folder.
QString initialDialogFolder(const QString& programFolder, const QString& documentsFolder);

} // namespace pebblenix
