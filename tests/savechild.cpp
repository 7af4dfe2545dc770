// A helper for the fault tests: saves two game positions in turn, over and over, to the
// file it is given, until it is killed.

#include "tests/support.h"

#include <QCoreApplication>

using namespace pebblenix;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    const Position a = newGamePosition(), b = test::firstJumpPosition();
    const QString path = QString::fromLocal8Bit(argv[1]);
    for (unsigned long n = 0;; ++n)
        writeGameFile(path, n % 2 ? b : a);
}
