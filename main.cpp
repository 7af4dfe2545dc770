// The program: the main window, started as the command line asks.

#include "app/module1.h"
#include "app/services.h"
#include "seam/uiseam.h"
#include "startup/standardstreams.h"
#include "startup/translations.h"

#include <QApplication>
#include <csignal>

int main(int argc, char** argv) {
    // Before the display connection or any file takes descriptor 0, 1 or 2.
    pebblenix::openStandardStreams();
    // Past a file-size limit a write must fail and be reported, not end the game.
    std::signal(SIGXFSZ, SIG_IGN);
    // The arguments are one game file's path: taken before the toolkit could read a name
    // such as "-style" or "-reverse" as an option of its own.
    QByteArrayList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QByteArray(argv[i]);
    int toolkitArgc = 1;
    QApplication app(toolkitArgc, argv);
    QApplication::setApplicationName(QString::fromLatin1(pebblenix::kProgramTitle));
    QApplication::setApplicationVersion(QStringLiteral(PEBBLENIX_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.pebblenix.Pebblenix"));
    pebblenix::installTranslations(
        app, pebblenix::findTranslationsFolder(QCoreApplication::applicationDirPath()));
    pebblenix::ProgramServices services;
    if (!pebblenix::Module1::FromCommandLine(services.services(), arguments))
        return 1;
    return QApplication::exec();
}
