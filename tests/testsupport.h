#pragma once
// Shared by the tests: a private temporary and configuration folder for each test
// program, and a scripted stand-in for message boxes, file dialogs and ending the program.

#include "app/uiseam.h"
#include "files/gamefile.h"

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QString>
#include <QStringList>
#include <QTest>
#include <deque>
#include <vector>

namespace pebblenix::test {

// Points TMPDIR, XDG_CONFIG_HOME and HOME at a fresh folder of this test program's own,
// so that no test touches the user's files. Returns that folder.
QString usePrivateFolders();

struct ShownMessage {
    QString title;
    QString text;
    MsgIcon icon;
    MsgButtons buttons;
};

class FakeUi final : public UiSeam {
public:
    FakeUi() { setUi(this); }
    ~FakeUi() override { setUi(nullptr); }

    std::vector<ShownMessage> messages;
    std::deque<MsgAnswer> answers; // for Yes/No boxes; Yes when none is scripted
    std::vector<FileDialogRequest> dialogs;
    std::deque<QString> fileNames; // what the dialog returns; cancel when none is scripted
    QStringList started;
    bool startSucceeds = true;
    std::vector<int> endedWith;

    MsgAnswer message(QWidget*, const QString& title, const QString& text, MsgIcon icon,
                      MsgButtons buttons) override;
    QString fileDialog(QWidget*, const FileDialogRequest& request) override;
    bool startProgram(const QString& path) override;
    void endProgram(int exitCode) override { endedWith.push_back(exitCode); }

    const ShownMessage& last() const { return messages.back(); }
    void clear() { messages.clear(), dialogs.clear(), started.clear(), endedWith.clear(); }
};

// Lowers the file-size limit while it lives, so that writes fail with EFBIG (a full disk)
// even for root; SIGXFSZ is ignored so that the write reports the failure instead.
class FileSizeLimit {
public:
    explicit FileSizeLimit(quint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    quint64 old_ = 0;
};

// A new game as a position: 32 marbles, the clock at "120".
Position newGamePosition();
// A new game after the jump d2 to d4, with the clock out of time.
Position firstJumpPosition();
// The bytes of a new game's file.
QByteArray newGameFile();
// A game file with marbles in the given cells; the count line says how many unless given.
QByteArray gameFileWith(std::initializer_list<int> marbles, const QByteArray& clock = "120",
                        const QByteArray& count = QByteArray());

QByteArray readAll(const QString& path);
void writeAll(const QString& path, const QByteArray& bytes);

// Runs the test object; the private folders are removed when every test passed and kept
// for a look when one failed.
int runTests(QObject* tests, const QString& privateRoot, int argc, char** argv);

} // namespace pebblenix::test

#define PEBBLENIX_TEST_MAIN(TestClass)                                                             \
    int main(int argc, char** argv) {                                                              \
        const QString root = pebblenix::test::usePrivateFolders();                                 \
        QApplication app(argc, argv);                                                              \
        TestClass tc;                                                                              \
        return pebblenix::test::runTests(&tc, root, argc, argv);                                   \
    }
