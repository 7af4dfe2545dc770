#include "about/sysinfo.h"

#include "about/registryvalue.h"
#include "app/uiseam.h"

#include <QFileInfo>
#include <QString>
#include <string>

namespace pebblenix {

namespace {

const std::string kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kToolValue = "PATH";
const std::string kLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string kLocationValue = "MSINFO";
const std::string kToolFile = "\\MSINFO32.EXE";

// The tool's path, or nothing when the registry names none that exists.
bool findTool(std::string& path) {
    if (GetKeyValue(kHKeyLocalMachine, kToolKey, kToolValue, path))
        return true;
    std::string folder;
    if (!GetKeyValue(kHKeyLocalMachine, kLocationKey, kLocationValue, folder))
        return false;
    const std::string candidate = folder + kToolFile;
    if (!QFileInfo(QString::fromLocal8Bit(candidate)).isFile())
        return false;
    path = candidate;
    return true;
}

} // namespace

void StartSysInfo(QWidget* parent) {
    std::string path;
    if (findTool(path) && ui().startProgram(QString::fromLocal8Bit(path)))
        return;
    ui().message(parent, QString::fromLatin1(kProgramTitle),
                 QStringLiteral("System Information Is Unavailable At This Time"), MsgIcon::None,
                 MsgButtons::Ok);
}

} // namespace pebblenix
