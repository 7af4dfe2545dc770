#pragma once
// Starting the system-information tool that the registry names, or telling the player
// that there is none.

class QWidget;

namespace pebblenix {

void StartSysInfo(QWidget* parent);

} // namespace pebblenix
