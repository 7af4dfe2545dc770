#include "app/module1.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pebblenix"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(PEBBLENIX_VERSION_MAJOR)
                                            .arg(PEBBLENIX_VERSION_MINOR)
                                            .arg(PEBBLENIX_VERSION_PATCH));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.pebblenix.Pebblenix"));
    if (!pebblenix::Module1::Main(QApplication::arguments().mid(1)))
        return 1;
    return QApplication::exec();
}
