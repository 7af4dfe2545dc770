#pragma once
// Waiting for the hint engine in a window: a busy cursor while the table of solutions is
// read, the work done once it is ready, and the player told when it cannot be.

#include <functional>

class QWidget;

namespace pebblenix {

class HintEngine;
class HintService;
class UiSeam;

// Runs `use` with the engine once it is ready, unless `window` is gone by then.
void withHintEngine(HintService& service, UiSeam& ui, QWidget* window,
                    std::function<void(const HintEngine&)> use);

} // namespace pebblenix
