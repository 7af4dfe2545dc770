// The program: the main window with its About box, started as the command line asks.

#include "about/frmabout.h"
#include "app/frmgame.h"
#include "app/module1.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(pebblenix::kProgramTitle));
    QApplication::setApplicationVersion(QStringLiteral(PEBBLENIX_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.pebblenix.Pebblenix"));
    pebblenix::frmgame::showAboutBox = [] { pebblenix::frmAbout::showShared(); };
    if (!pebblenix::Module1::Main(QApplication::arguments().mid(1)))
        return 1;
    return QApplication::exec();
}
