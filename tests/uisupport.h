#pragma once
// Shared by the window tests: a scripted stand-in for message boxes, file dialogs,
// starting programs and ending the program.

#include "about/registry.h"
#include "app/frmgame.h"
#include "app/services.h"
#include "app/windowlayout.h"
#include "files/recordsfile.h"
#include "files/solutionfile.h"
#include "seam/uiseam.h"
#include "session/hintservice.h"
#include "tests/support.h"

#include <QApplication>
#include <QLabel>
#include <QStringList>
#include <deque>
#include <vector>

namespace pebblenix::test {

struct ShownMessage {
    QString title;
    QString text;
    MsgIcon icon;
    MsgButtons buttons;
    int zoom; // the main window's step that reached the seam
};

struct ShownDialog {
    FileDialog dialog;
    bool save;
};

class FakeUi final : public UiSeam {
public:
    std::vector<ShownMessage> messages;
    std::deque<MsgAnswer> answers; // for Yes/No boxes; Yes when none is scripted
    std::vector<ShownDialog> dialogs;
    std::deque<QString> fileNames; // what the dialog returns; cancel when none is scripted
    QStringList started;           // each program's path, then its arguments after spaces
    bool startSucceeds = true;
    std::vector<int> endedWith;

    MsgAnswer message(QWidget*, const QString& title, const QString& text, MsgIcon icon,
                      MsgButtons buttons) override {
        messages.push_back({title, text, icon, buttons, dialogZoom.percent()});
        return buttons == MsgButtons::Ok ? MsgAnswer::Ok : next(answers, MsgAnswer::Yes);
    }
    QString fileDialog(QWidget*, const FileDialog& dialog, bool save) override {
        dialogs.push_back({dialog, save});
        return next(fileNames, QString());
    }
    bool startProgram(const QString& path, const QStringList& arguments) override {
        started << (QStringList{path} + arguments).join(' ');
        return startSucceeds && !path.isEmpty();
    }
    void endProgram(int exitCode) override { endedWith.push_back(exitCode); }

    const ShownMessage& last() const { return messages.back(); }
    bool saw(const QString& text) const { return !messages.empty() && last().text == text; }
    void clear() { messages.clear(), dialogs.clear(), started.clear(), endedWith.clear(); }

    // The player picks `path` in the Open or Save As dialog.
    void open(frmgame& w, const QString& path) { fileNames = {path}, w.mnuopen_Click(); }
    void saveAs(frmgame& w, const QString& path) { fileNames = {path}, w.mnusaveas_Click(); }

private:
    template <class T> static T next(std::deque<T>& scripted, const T& otherwise) {
        if (scripted.empty())
            return otherwise;
        const T first = scripted.front();
        scripted.pop_front();
        return first;
    }
};

// What a window is given, made afresh for each test: the fake seam, the platform's
// registry (its tool key names a desktop tool on PATH), a hint engine that has read nothing
// yet and the records file.
struct TestServices {
    FakeUi fake;
    std::unique_ptr<Registry> registry = makePlatformRegistry();
    HintService engine{findSolutionFile(QCoreApplication::applicationDirPath()),
                       findMoveFile(QCoreApplication::applicationDirPath())};
    RecordsFile records{RecordsFile::defaultPath()};
    Services services{fake, *registry, engine, records};
};

// Makes the offscreen platform's one screen `width` x `height` pixels, so that the room the
// zoom steps have is known. Called before the application starts.
inline void useScreenOf(int width, int height) {
    static QTemporaryDir dir;
    const QString config = dir.filePath("screen.json");
    writeAll(config, QString::asprintf(R"({"screens": [{"name": "test", "x": 0, "y": 0,
             "width": %d, "height": %d, "logicalDpi": 96, "logicalBaseDpi": 96}]})",
                                       width, height)
                         .toUtf8());
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
}

// What the window shows of the game, read off its controls as the player sees them: the
// marbles, the picked-up marble (its cell flat), the count, and the position with its clock.
inline Marbles shownMarbles(const frmgame& w) {
    Marbles m{};
    for (int i = 0; i < kCells; ++i)
        m[std::size_t(i)] = w.pic[std::size_t(i)]->hasMarble();
    return m;
}
inline std::optional<int> picked(const frmgame& w) {
    for (int i = 0; i < kCells; ++i)
        if (w.pic[std::size_t(i)]->isFlat() && w.pic[std::size_t(i)]->hasMarble())
            return i;
    return std::nullopt;
}
inline int shownCount(const frmgame& w) {
    return w.lblmarbles_On_hand->text().toInt();
}
inline Position shownPosition(const frmgame& w) {
    return {shownMarbles(w), w.lbltime->text(), w.lblmarbles_On_hand->text(),
            quint8(shownCount(w))};
}
inline QString undoFile(const frmgame& w) {
    return undoFilePath(w.tempdir());
}
// The zoom in percent, from the size of the window's client area.
inline int zoomOf(const frmgame& w) {
    return qRound(w.centralWidget()->width() * 100.0 / kClientWidth);
}

// A new window, shown and active, as the player finds it at start.
inline std::unique_ptr<frmgame> activeWindow(Services& services) {
    std::unique_ptr<frmgame> w(frmgame::create(services));
    w->show();
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w.get()))
        qWarning("the window did not become active");
    return w;
}

// The window of that kind that stands on its own and is shown, other than `besides`;
// nothing when there is none.
template <class Window> Window* topLevel(const QWidget* besides = nullptr) {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<Window*>(top);
            found && found != besides && found->isVisible())
            return found;
    return nullptr;
}

// The dialog of that kind that `owner` shows, once shown: it may wait for the tables to load.
// Nothing when it is not shown within 20 seconds.
template <class Dialog> Dialog* shownDialog(const QWidget& owner) {
    const auto shown = [&owner]() -> Dialog* {
        Dialog* found = owner.findChild<Dialog*>();
        return found && found->isVisible() ? found : nullptr;
    };
    return QTest::qWaitFor([&] { return shown() != nullptr; }, 20000) ? shown() : nullptr;
}

// The first `jumps` jumps of kLosesAtFive, each by two clicks.
inline void playLosingLine(frmgame& w, std::size_t jumps) {
    for (std::size_t i = 0; i < jumps; ++i) {
        w.pic_Click(kLosesAtFive[i].from);
        w.pic_Click(kLosesAtFive[i].to);
    }
}

// Two clicks: the marble at `from` jumps to `to`.
inline void jump(frmgame& w, int from = 10, int to = 24) {
    w.pic_Click(from);
    w.pic_Click(to);
}

} // namespace pebblenix::test
