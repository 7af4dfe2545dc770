// Start-up: from launch to a window on the screen, for the game and for a bare window
// with the same menu bar and 49 labels. Each run is its own process; bench/startup.sh
// alternates the two and reports the medians.
// Usage: pebblenix-startup game|bare

#include "app/frmgame.h"
#include "app/services.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <QWindow>
#include <cstring>
#include <optional>

namespace {

// Ends the program once the window's first expose has been painted.
class QuitOnExpose : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Expose)
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        return false;
    }
};

QMainWindow* bareWindow() {
    auto* w = new QMainWindow;
    w->setWindowTitle(QStringLiteral("Pebblenix"));
    QMenu* game = w->menuBar()->addMenu(QStringLiteral("&Game"));
    for (const char* item : {"&New", "&Open", "&Save", "Save &As", "&Undo", "&Hint",
                             "&Rewind to Last Winnable Position", "Re&view Game..."})
        game->addAction(QString::fromLatin1(item));
    QMenu* colours = game->addMenu(QStringLiteral("Marble &Color"));
    for (int i = 0; i < 12; ++i)
        colours->addAction(QStringLiteral("Colour %1").arg(i));
    game->addAction(QStringLiteral("E&xit"));
    QMenu* view = w->menuBar()->addMenu(QStringLiteral("&View"));
    for (const char* item : {"Zoom &In", "Zoom &Out", "&Actual Size", "Show &Jumps"})
        view->addAction(QString::fromLatin1(item));
    w->menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
    auto* client = new QWidget(w);
    client->setFixedSize(389, 289);
    for (int i = 0; i < 49; ++i)
        (new QLabel(QStringLiteral("%1").arg(i), client))
            ->setGeometry(16 + 32 * (i % 7), 16 + 32 * (i / 7), 25, 25);
    w->setCentralWidget(client);
    return w;
}

} // namespace

int main(int argc, char** argv) {
    const bool game = argc > 1 && std::strcmp(argv[1], "game") == 0;
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QuitOnExpose quit;
    std::optional<pebblenix::ProgramServices> services;
    if (game)
        services.emplace();
    QWidget* window = game ? static_cast<QWidget*>(pebblenix::frmgame::create(services->services()))
                           : bareWindow();
    if (!window)
        return 1;
    window->winId(); // the native window exists from here on
    window->windowHandle()->installEventFilter(&quit);
    window->show();
    return QApplication::exec();
}
