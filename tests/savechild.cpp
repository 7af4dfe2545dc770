// Another running copy of the game, for the tests of two copies at once:
//   savechild game PATH           saves two positions in turn, over and over, until killed;
//   savechild setting KEY N       sets the view's Zoom (through the steps, 300 last) or
//                                 ShowJumps (off and on, on last) N times, and fails when
//                                 it does not read back what it wrote;
//   savechild records PATH        records a game, then ends as the game does. What the player
//                                 is told goes to standard output, and its box stays open
//                                 until standard input has a line or ends.

#include "files/recordsfile.h"
#include "files/settings.h"
#include "tests/support.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

using namespace pebblenix;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 2 && args[0] == "game") {
        const Position a = newGamePosition(), b = test::firstJumpPosition();
        for (unsigned long n = 0;; ++n)
            writeGameFile(args[1], n % 2 ? b : a);
    }
    if (args.size() == 3 && args[0] == "setting") {
        const bool zoom = args[1] == "Zoom";
        for (int n = 0; n < args[2].toInt(); ++n) {
            const int value = zoom ? kZoomSteps[std::size_t(n) % 6] : n % 2;
            if (zoom ? ViewSetting::writeZoom(value) : ViewSetting::writeShowJumps(value))
                return 1;
            // The other copy changes only its own setting: this one stays as written.
            const ViewSetting now = ViewSetting::read();
            if ((zoom ? now.zoom : int(now.showJumps)) != value)
                return 3;
        }
        return 0;
    }
    if (args.size() != 2 || args[0] != "records")
        return 2;
    auto* file = new RecordsFile(args[1], &app);
    QObject::connect(file, &RecordsFile::problem, [](const QString& text) {
        std::puts(qPrintable(text)), std::fflush(stdout), std::getchar();
    });
    file->add({1, true, 30, false, std::nullopt}, QDate(2025, 3, 1));
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
