// The program around the board: start-up, the load failure path, New, closing, colour
// changes and the Open, Save and Save As commands.

#include "about/frmabout.h"
#include "app/colorsetting.h"
#include "app/frmgame.h"
#include "app/module1.h"
#include "files/gamefile.h"
#include "tests/testsupport.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

using namespace pebblenix;
using namespace pebblenix::test;

namespace {

QList<frmgame*> liveWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QList<frmgame*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* g = qobject_cast<frmgame*>(w); g && g->isVisible())
            found << g;
    return found;
}

void closeAll() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* g = qobject_cast<frmgame*>(w))
            g->gb_showboredbox = false;
        w->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Stored the way QSettings would store it, as a hand-edited or older file may be.
void storeRawColour(const QString& text) {
    QSettings s(ColourSetting::filePath(), QSettings::IniFormat);
    s.setValue("Color/Marble", text);
}

} // namespace

class TestLifecycle : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString undoFile() const { return undoFilePath(QDir::tempPath()); }

private slots:
    void init() { ColourSetting::clearAll(); }
    void cleanup() { closeAll(); }

    void startWithoutAFile() {
        FakeUi fake;
        writeAll(undoFile(), "left over");
        frmgame* w = Module1::Main({});
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->colid, quint8(101));
        QCOMPARE(w->lbltime->text(), QStringLiteral("120"));
        QVERIFY(!QFile::exists(undoFile())); // nothing to undo in a new window
        QVERIFY(fake.messages.empty());
    }

    void startWithAFileNamedOnTheCommandLine() {
        FakeUi fake;
        QDir(dir.path()).mkdir("my games");
        const QString path = dir.filePath("my games/half way.pnx");
        QByteArray bytes = newGameFile();
        bytes.replace("120\r\n32", "055\r\n31");
        writeAll(path, bytes);
        // a path with blanks arrives split into words and is joined back as it was
        frmgame* w = Module1::Main(path.split(' '));
        QVERIFY(w);
        QCOMPARE(w->lbltime->text(), QStringLiteral("055"));
        QCOMPARE(w->Marbles_On_Board, quint8(31));
        QCOMPARE(w->PebblenixFile, path);
        w->mnusave_Click(); // Save writes back to that file without asking
        QVERIFY(fake.dialogs.empty());
        QCOMPARE(readAll(path), bytes);
    }

    void aBadFileOnTheCommandLineKeepsTheNewGame() {
        FakeUi fake;
        const QString path = dir.filePath("notes.txt");
        writeAll(path, "shopping list\n");
        frmgame* w = Module1::Main({path});
        QVERIFY(w && w->isVisible());
        QCOMPARE(fake.messages.size(), std::size_t(1));
        QVERIFY(fake.last().text.startsWith("You have provided an invalid file format"));
        QCOMPARE(w->board(), startPosition());
        QVERIFY(fake.endedWith.empty());
    }

    // Quotes are kept as part of the path, whose folder then does not exist: nothing happens.
    void aQuotedPathIsTakenAsItStands() {
        FakeUi fake;
        writeAll(dir.filePath("q.pnx"), newGameFile());
        frmgame* w = Module1::Main({"\"" + dir.filePath("q.pnx") + "\""});
        QVERIFY(w);
        QVERIFY(fake.messages.empty());
        QVERIFY(w->PebblenixFile.isEmpty());
    }

    void storedColours_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("colid"); // 0: the start fails
        QTest::newRow("purple") << "107" << 107;
        QTest::newRow("half to even") << "108.5" << 108;
        QTest::newRow("abc") << "abc" << 0;
        QTest::newRow("300") << "300" << 0;
        QTest::newRow("-1") << "-1" << 0;
        QTest::newRow("50, no picture") << "50" << 0;
    }
    void storedColours() {
        QFETCH(QString, stored);
        QFETCH(int, colid);
        FakeUi fake;
        storeRawColour(stored);
        frmgame* w = Module1::Main({dir.filePath("never-opened.pnx")});
        if (colid) {
            QVERIFY(w);
            QCOMPARE(int(w->colid), colid);
            return;
        }
        QVERIFY(!w);
        QVERIFY(liveWindows().isEmpty());
        QCOMPARE(fake.messages.size(), std::size_t(1)); // the file is never opened
        QCOMPARE(fake.last().text, QStringLiteral("Unknown error has occured."));
        QCOMPARE(fake.last().title, QStringLiteral("Pebblenix"));
        QCOMPARE(fake.last().icon, MsgIcon::Critical);
        QCOMPARE(fake.endedWith, std::vector<int>{1});
        frmgame* next = Module1::Main({}); // the setting is gone: dark blue
        QVERIFY(next);
        QCOMPARE(next->colid, quint8(101));
    }

    void closingAsksAndAlwaysDropsTheUndoFile() {
        FakeUi fake;
        frmgame* w = Module1::Main({});
        w->pic_Click(10);
        w->pic_Click(24);
        QVERIFY(QFile::exists(undoFile()));
        fake.answers = {MsgAnswer::No};
        w->mnuexit_Click();
        QCOMPARE(fake.last().text, QStringLiteral("Bored So Early?"));
        QCOMPARE(fake.last().buttons, MsgButtons::YesNo);
        QCOMPARE(fake.last().icon, MsgIcon::Question);
        QCOMPARE(liveWindows().size(), 1);
        QCOMPARE(w->Marbles_On_Board, quint8(31));
        QVERIFY(!QFile::exists(undoFile()));
        w->mnuundo_Click(); // nothing to undo now
        QCOMPARE(w->Marbles_On_Board, quint8(31));
        fake.answers = {MsgAnswer::Yes};
        w->close();
        QVERIFY(liveWindows().isEmpty());
    }

    void newGame() {
        FakeUi fake;
        frmgame* w = Module1::Main({});
        w->pic_Click(10);
        w->pic_Click(24);
        w->pic_Click(31); // a selected marble and a running clock
        fake.answers = {MsgAnswer::No};
        w->mnunew_Click();
        QCOMPARE(fake.last().text, QStringLiteral("Start A New Game?"));
        QCOMPARE(liveWindows(), QList<frmgame*>{w});
        QVERIFY(w->pic[31]->isFlat() && w->Timer1->isActive());
        QVERIFY(QFile::exists(undoFile()));

        fake.clear();
        for (int i = 0; i < 3; ++i)
            liveWindows().constFirst()->mnunew_Click();
        const auto windows = liveWindows();
        QCOMPARE(windows.size(), 1);
        frmgame* fresh = windows.first();
        QCOMPARE(fake.messages.size(), std::size_t(3)); // never "Bored So Early?"
        QCOMPARE(fresh->board(), startPosition());
        QCOMPARE(fresh->lbltime->text(), QStringLiteral("120"));
        QVERIFY(!fresh->Timer1->isActive());
        QCOMPARE(fresh->gb_ctr % 2, 0);
        QVERIFY(fresh->gb_showsave && fresh->PebblenixFile.isEmpty());
        QVERIFY(!QFile::exists(undoFile()));
    }

    void choosingAColour() {
        FakeUi fake;
        Module1::Main({});
        liveWindows().constFirst()->mnuColour.at(102)->trigger();
        auto windows = liveWindows();
        QCOMPARE(windows.size(), 1);
        QCOMPARE(windows.first()->colid, quint8(102));
        QCOMPARE(ColourSetting::read(), QStringLiteral("102"));
        QVERIFY(fake.messages.empty());
        QCOMPARE(windows.first()->pic[10]->Picture().pixelColor(16, 15), QColor(255, 0, 0));
        windows.first()->mnuColour.at(102)->trigger(); // the same colour: a new game too
        QCOMPARE(liveWindows().size(), 1);
        QVERIFY(liveWindows().first() != windows.first());
    }

    void aColourThatCannotBeStoredKeepsTheGame() {
        FakeUi fake;
        frmgame* w = Module1::Main({});
        w->pic_Click(10);
        w->pic_Click(24);
        const QString folder = QFileInfo(ColourSetting::filePath()).absolutePath();
        QDir(folder).removeRecursively();
        writeAll(folder, "a file where the folder should be");
        w->mnuColour.at(104)->trigger();
        QFile::remove(folder);
        QCOMPARE(liveWindows(), QList<frmgame*>{w});
        QCOMPARE(w->Marbles_On_Board, quint8(31));
        QCOMPARE(fake.messages.size(), std::size_t(1));
        QCOMPARE(fake.last().icon, MsgIcon::Critical);
        QVERIFY(fake.last().text.contains("colour could not be saved"));
    }

    void theAboutBoxOutlivesTheMainWindow() {
        FakeUi fake;
        frmgame* w = Module1::Main({});
        w->mnuabout_Click();
        frmAbout* about = frmAbout::shared();
        QVERIFY(about && about->isVisible());
        w->mnunew_Click();
        QCOMPARE(frmAbout::shared(), about);
        QVERIFY(about->isVisible());
        liveWindows().constFirst()->mnuabout_Click(); // again: the same box, brought forward
        QCOMPARE(frmAbout::shared(), about);
        liveWindows().constFirst()->close();
        QVERIFY(liveWindows().isEmpty());
        // an ownerless window that quits on close keeps the program running while it is open
        QVERIFY(about->isVisible() && !about->parentWidget());
        QVERIFY(about->testAttribute(Qt::WA_QuitOnClose));
        about->cmdOK_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!frmAbout::shared());
    }

    void saveAsksOnceThenWritesTheSameFile() {
        FakeUi fake;
        frmgame* w = Module1::Main({});
        w->mnusave_Click(); // cancelled
        QCOMPARE(fake.dialogs.size(), std::size_t(1));
        QVERIFY(fake.dialogs[0].save);
        QCOMPARE(fake.dialogs[0].filter, QStringLiteral("Pebblenix Files|*.pnx"));
        QCOMPARE(fake.dialogs[0].initialFolder, QCoreApplication::applicationDirPath());
        QVERIFY(w->gb_showsave);
        const QString plain = dir.filePath("no-extension");
        fake.fileNames = {plain};
        w->mnusave_Click();
        QCOMPARE(fake.dialogs.size(), std::size_t(2));
        QCOMPARE(readAll(plain), newGameFile());
        QVERIFY(!QFile::exists(plain + ".pnx"));
        w->pic_Click(10);
        w->pic_Click(24);
        w->mnusave_Click(); // no dialog now
        QCOMPARE(fake.dialogs.size(), std::size_t(2));
        QCOMPARE(readAll(plain).count("-1"), 18); // 10 and 17 emptied, 24 filled
        QVERIFY(fake.messages.empty());
    }

    void saveAsReplacesAndOpenRemembersTheName() {
        FakeUi fake;
        frmgame* w = Module1::Main({});
        const QString existing = dir.filePath("existing.pnx");
        writeAll(existing, QByteArray(400, 'z'));
        fake.fileNames = {existing};
        w->mnusaveas_Click();
        QCOMPARE(readAll(existing), newGameFile()); // replaced without a question
        QVERIFY(fake.messages.empty());
        QCOMPARE(w->PebblenixFile, existing);

        w->pic_Click(10);
        w->pic_Click(24);
        fake.fileNames = {existing};
        w->mnuopen_Click(); // replaces the game in progress without asking
        QCOMPARE(fake.dialogs.back().save, false);
        QCOMPARE(fake.dialogs.back().fileName, existing); // the dialog remembers its name
        QCOMPARE(w->board(), startPosition());
        fake.clear();
        w->mnuopen_Click(); // cancelled: nothing changes
        QCOMPARE(w->PebblenixFile, existing);
    }

    void aFailedOpenKeepsTheCurrentFile() {
        FakeUi fake;
        frmgame* w = Module1::Main({});
        const QString notes = dir.filePath("notes.txt");
        writeAll(notes, "precious notes, not a game");
        fake.fileNames = {notes, dir.filePath("typed-but-missing.pnx")};
        w->mnuopen_Click();
        w->mnuopen_Click();
        QCOMPARE(fake.messages.size(), std::size_t(2));
        QVERIFY(fake.messages[1].text.contains("does not exist"));
        QVERIFY(w->PebblenixFile.isEmpty());
        QVERIFY(w->gb_showsave);
        fake.fileNames = {dir.filePath("fresh.pnx")};
        w->mnusave_Click(); // asks for a name; the notes are never overwritten
        QCOMPARE(readAll(notes), QByteArray("precious notes, not a game"));
        QCOMPARE(w->PebblenixFile, dir.filePath("fresh.pnx"));
    }

    void aFailedSaveKeepsTheNameAndSaysWhy_data() {
        QTest::addColumn<QString>("target");
        QTest::newRow("missing folder") << "missing/x.pnx";
        QTest::newRow("folder in the way") << "a-folder";
    }
    void aFailedSaveKeepsTheNameAndSaysWhy() {
        QFETCH(QString, target);
        FakeUi fake;
        QDir(dir.path()).mkpath("a-folder");
        frmgame* w = Module1::Main({});
        const QString good = dir.filePath("good.pnx");
        fake.fileNames = {good};
        w->mnusaveas_Click();
        fake.fileNames = {dir.filePath(target)};
        w->mnusaveas_Click();
        QCOMPARE(fake.messages.size(), std::size_t(1));
        QCOMPARE(fake.last().icon, MsgIcon::Critical);
        QVERIFY(fake.last().text.startsWith("The game could not be saved."));
        QVERIFY(fake.last().text.contains(dir.filePath(target)));
        QCOMPARE(w->PebblenixFile, good);
        QVERIFY(!w->gb_showsave);
    }

    void systemWideInstallsStartInTheDocumentsFolder() {
        QCOMPARE(initialDialogFolder("/usr/games", "/home/p/Documents"),
                 QStringLiteral("/home/p/Documents"));
        QCOMPARE(initialDialogFolder("/opt/pebblenix/bin", "/home/p/Documents"),
                 QStringLiteral("/home/p/Documents"));
        QCOMPARE(initialDialogFolder("/home/p/pebblenix/build", "/home/p/Documents"),
                 QStringLiteral("/home/p/pebblenix/build"));
        QCOMPARE(initialDialogFolder("/usrlocal-lookalike", "/d"),
                 QStringLiteral("/usrlocal-lookalike"));
    }
};

PEBBLENIX_TEST_MAIN(TestLifecycle)
#include "test_lifecycle.moc"
