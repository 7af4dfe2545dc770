#pragma once
// What a main window is given when it is made, rather than reaching for it: the seam that
// boxes and dialogs go through, the registry, the hint engine, the records, and the one
// About box and How to Play. They live as long as the program (or a test), across replaced windows.

#include "game/dailyproblem.h"

#include <QDate>
#include <QPointer>
#include <memory>
#include <optional>
#include <utility>

namespace pebblenix {

class frmAbout;
class HintService;
class HowToPlayDialog;
class RecordsFile;
class Registry;
class UiSeam;

struct Services {
    // Tells the records' problems through `ui`, over the window in front.
    Services(UiSeam& ui, Registry& registry, HintService& engine, RecordsFile& records);

    UiSeam& ui;
    Registry& registry;
    HintService& engine;
    RecordsFile& records;
    QPointer<frmAbout> about; // while it is open
    QPointer<HowToPlayDialog> howToPlay;
    // The last day's problem made, kept across windows: the same date always gives the same
    // one, and a Sunday's takes up to a second and a half.
    std::optional<std::pair<QDate, DailyProblem>> lastDay;
};

// The program's own: the real seam, the platform's registry, the table of solutions beside
// the program or installed with it, and the player's records file.
class ProgramServices {
public:
    ProgramServices();
    ~ProgramServices();
    Services& services() { return *services_; }

private:
    std::unique_ptr<UiSeam> ui_;
    std::unique_ptr<Registry> registry_;
    std::unique_ptr<HintService> engine_;
    std::unique_ptr<RecordsFile> records_;
    std::unique_ptr<Services> services_;
};

} // namespace pebblenix
