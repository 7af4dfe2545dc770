#pragma once
// Starting the system-information tool that the registry names, or telling the player
// that there is none.

class QWidget;

namespace pebblenix {

class Registry;
class UiSeam;

// Looks the tool up in `reg`, and starts it or says there is none through `ui`.
void StartSysInfo(Registry& reg, UiSeam& ui, QWidget* parent);

} // namespace pebblenix
