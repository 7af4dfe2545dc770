#include "about/sysinfo.h"

#include "about/registryvalue.h"
#include "about/sysinfokeys.h"
#include "seam/uiseam.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QString>
#include <string>

namespace pebblenix {

namespace {

// The tool's path, or nothing when the registry names none that exists.
bool findTool(Registry& reg, std::string& path) {
    if (GetKeyValue(reg, kHKeyLocalMachine, kToolKey, kToolValue, path))
        return true;
    std::string folder;
    if (!GetKeyValue(reg, kHKeyLocalMachine, kLocationKey, kLocationValue, folder))
        return false;
    const std::string candidate = folder + std::string(kToolFile);
    if (!QFileInfo(QString::fromLocal8Bit(candidate)).isFile())
        return false;
    path = candidate;
    return true;
}

} // namespace

void StartSysInfo(Registry& reg, UiSeam& ui, QWidget* parent) {
    std::string path, arguments;
    if (findTool(reg, path)) {
        GetKeyValue(reg, kHKeyLocalMachine, kToolKey, kToolArguments, arguments);
        if (ui.startProgram(
                QString::fromLocal8Bit(path),
                QString::fromLocal8Bit(arguments).split(QLatin1Char(' '), Qt::SkipEmptyParts)))
            return;
    }
    ui.message(parent, QString::fromLatin1(kProgramTitle),
               //: A message box when the About box's System Info button finds no
               //: system-information tool to start (on Linux: no desktop's own tool is
               //: installed).
               QCoreApplication::translate("pebblenix::frmAbout",
                                           "System Information Is Unavailable At This Time"),
               MsgIcon::None, MsgButtons::Ok);
}

} // namespace pebblenix
