#include "app/services.h"

#include "about/registry.h"
#include "files/recordsfile.h"
#include "files/solutionfile.h"
#include "seam/uiseam.h"
#include "session/hintservice.h"

#include <QApplication>

namespace pebblenix {

Services::Services(UiSeam& ui, Registry& registry, HintService& engine, RecordsFile& records)
    : ui(ui), registry(registry), engine(engine), records(records) {
    QObject::connect(&records, &RecordsFile::problem, &records, [&ui](const QString& text) {
        ui.message(QApplication::activeWindow(), QString::fromLatin1(kProgramTitle), text,
                   MsgIcon::Exclamation, MsgButtons::Ok);
    });
}

ProgramServices::ProgramServices()
    : ui_(makeRealUi()), registry_(makePlatformRegistry()),
      engine_(
          std::make_unique<HintService>(findSolutionFile(QCoreApplication::applicationDirPath()),
                                        findMoveFile(QCoreApplication::applicationDirPath()))),
      // Kept with the program, so that a game still waiting for another copy's lock is
      // written when its window has long been replaced.
      records_(std::make_unique<RecordsFile>(RecordsFile::defaultPath())),
      services_(std::make_unique<Services>(*ui_, *registry_, *engine_, *records_)) {}

ProgramServices::~ProgramServices() = default;

} // namespace pebblenix
