// A helper for the fault tests: saves two game positions in turn, over and over, to the
// file it is given, until it is killed.

#include "files/gamefile.h"

#include <QCoreApplication>

using namespace pebblenix;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    Position a, b;
    a.marbles = startPosition();
    a.clock = QStringLiteral("120");
    a.countText = QStringLiteral("32");
    b = a;
    b.marbles[10] = b.marbles[17] = false;
    b.marbles[24] = true;
    b.clock = QStringLiteral("TimeOut!!");
    b.countText = QStringLiteral("31");
    const QString path = QString::fromLocal8Bit(argv[1]);
    for (unsigned long n = 0;; ++n)
        writeGameFile(path, n % 2 ? b : a);
}
