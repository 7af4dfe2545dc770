// Makes the desktop icons at build time from the dark-blue marble: the disc cut out of its
// 32 x 32 picture, blown up pixel by pixel and then brought to each size, so the large
// icons stay sharp and the small ones stay round.
// Usage: pebblenix-icons OUTPUT-FOLDER ICON-NAME

#include "drawing/marblepictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER ICON-NAME\n", argv[0]);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    // The disc spans columns 9-23 and rows 8-23; an 18-pixel square around it keeps a margin.
    const QImage disc = pebblenix::marblePicture(pebblenix::kAppIconId).copy(7, 7, 18, 18);
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        const int factor = (size + disc.width() - 1) / disc.width();
        const QImage big =
            disc.scaled(disc.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const QImage icon = big.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(out).arg(size);
        if (!QDir().mkpath(folder) || !icon.save(folder + "/" + name + ".png")) {
            std::fprintf(stderr, "cannot write the %dx%d icon\n", size, size);
            return 1;
        }
    }
    return 0;
}
