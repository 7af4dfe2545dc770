// The program around the board: start-up with and without a file, a stored colour that
// cannot be used, closing, New, a colour change, the About box, and Open, Save, Save As.

#include "about/frmabout.h"
#include "app/filedialog.h"
#include "app/frmgame.h"
#include "app/module1.h"
#include "files/colorsetting.h"
#include "files/gamefile.h"
#include "tests/uisupport.h"

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

void jump(frmgame* w) {
    w->pic_Click(10);
    w->pic_Click(24);
}

} // namespace

class TestLifecycle : public QObject {
    Q_OBJECT
    PrivateFolders folders;
    QTemporaryDir dir;
    FakeUi fake;

private slots:
    void init() {
        ColourSetting::clearAll();
        fake.clear();
    }
    void cleanup() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* g = qobject_cast<frmgame*>(w))
                g->gb_showboredbox = false;
            w->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void startWithoutAFile() {
        frmgame* w = Module1::Main({});
        writeAll(w->TempFilePath(), "left over");
        w = Module1::Main({});
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->colid, quint8(101));
        QCOMPARE(w->lbltime->text(), QStringLiteral("120"));
        QVERIFY(!w->Timer1->isActive());
        QVERIFY(!QFile::exists(w->TempFilePath())); // nothing to undo in a new window
        QVERIFY(fake.messages.empty());
    }

    void startWithAFileNamedOnTheCommandLine() {
        QDir(dir.path()).mkdir("my games");
        const QString path = dir.filePath("my games/half way.pnx");
        const QByteArray bytes = formatGameFile(firstJumpPosition());
        writeAll(path, bytes);
        // a path with blanks arrives split into words and is joined back as it was
        frmgame* w = Module1::Main(path.split(' '));
        QCOMPARE(w->lbltime->text(), QStringLiteral("TimeOut!!"));
        QCOMPARE(w->Marbles_On_Board(), quint8(31));
        w->mnusave_Click(); // Save writes back to that file without asking
        QVERIFY(fake.dialogs.empty());
        QCOMPARE(readAll(path), bytes);
        // quotes are part of the path, whose folder then does not exist: nothing happens
        w = Module1::Main({"\"" + path + "\""});
        QVERIFY(fake.messages.empty() && w->PebblenixFile.isEmpty());
    }

    void storedColours_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("colid"); // 0: the start fails
        QTest::newRow("purple") << "107" << 107;
        QTest::newRow("half to even") << "108.5" << 108;
        QTest::newRow("abc") << "abc" << 0;
        QTest::newRow("300") << "300" << 0;
        QTest::newRow("50, no picture") << "50" << 0;
    }
    void storedColours() {
        QFETCH(QString, stored);
        QFETCH(int, colid);
        QSettings(ColourSetting::filePath(), QSettings::IniFormat).setValue("Color/Marble", stored);
        frmgame* w = Module1::Main({dir.filePath("never-opened.pnx")});
        if (colid) {
            QCOMPARE(int(w->colid), colid);
            return;
        }
        QVERIFY(!w && liveWindows().isEmpty());
        QCOMPARE(fake.messages.size(), std::size_t(1)); // the file is never opened
        QCOMPARE(fake.last().text, QStringLiteral("Unknown error has occured."));
        QCOMPARE(fake.last().icon, MsgIcon::Critical);
        QCOMPARE(fake.endedWith, std::vector<int>{1});
        QCOMPARE(Module1::Main({})->colid, quint8(101)); // the next start is dark blue
    }

    // A setting that can be neither used nor forgotten must not stop every start.
    void aSettingThatCannotBeRemoved() {
        QVERIFY(QDir().mkpath(ColourSetting::filePath()));
        frmgame* w = Module1::Main({});
        QVERIFY(w);
        QCOMPARE(w->colid, quint8(101));
        QCOMPARE(fake.messages.size(), std::size_t(1));
        QVERIFY(fake.last().text.contains(QDir::toNativeSeparators(ColourSetting::filePath())));
        QVERIFY(fake.endedWith.empty());
        QDir().rmdir(ColourSetting::filePath());
    }

    void closingAsksAndAlwaysDropsTheUndoFile() {
        frmgame* w = Module1::Main({});
        jump(w);
        fake.answers = {MsgAnswer::No};
        w->mnuexit_Click();
        QCOMPARE(fake.last().text, QStringLiteral("Bored So Early?"));
        QCOMPARE(fake.last().buttons, MsgButtons::YesNo);
        QCOMPARE(liveWindows(), QList<frmgame*>{w});
        QVERIFY(!QFile::exists(w->TempFilePath()));
        w->mnuundo_Click(); // nothing to undo now
        QCOMPARE(w->Marbles_On_Board(), quint8(31));
        w->close(); // Yes
        QVERIFY(liveWindows().isEmpty());
    }

    void newGame() {
        frmgame* w = Module1::Main({});
        jump(w);
        w->pic_Click(31); // a selected marble and a running clock
        fake.answers = {MsgAnswer::No};
        w->mnunew_Click();
        QCOMPARE(fake.last().text, QStringLiteral("Start A New Game?"));
        QCOMPARE(liveWindows(), QList<frmgame*>{w});
        QVERIFY(w->pic[31]->isFlat() && w->Timer1->isActive());
        fake.clear();
        for (int i = 0; i < 3; ++i)
            liveWindows().constFirst()->mnunew_Click();
        QCOMPARE(liveWindows().size(), 1);
        frmgame* fresh = liveWindows().constFirst();
        QCOMPARE(fake.messages.size(), std::size_t(3)); // never "Bored So Early?"
        QCOMPARE(fresh->game.marbles(), startPosition());
        QVERIFY(!fresh->Timer1->isActive() && !fresh->game.selection());
        QVERIFY(fresh->gb_showsave && fresh->PebblenixFile.isEmpty());
        QVERIFY(!QFile::exists(fresh->TempFilePath()));
    }

    void choosingAColourStartsAFreshWindowInIt() {
        frmgame* w = Module1::Main({});
        w->mnuColour.at(102)->trigger();
        const auto windows = liveWindows();
        QCOMPARE(windows.size(), 1);
        QVERIFY(windows.first() != w);
        QCOMPARE(windows.first()->pic[10]->Picture().pixelColor(16, 15), QColor(255, 0, 0));
        QCOMPARE(ColourSetting::read(), QStringLiteral("102"));
        QVERIFY(fake.messages.empty());
    }

    void theAboutBoxOutlivesTheMainWindow() {
        frmgame::showAboutBox = [] { frmAbout::showShared(); };
        frmgame* w = Module1::Main({});
        w->mnuabout_Click();
        frmAbout* about = frmAbout::shared();
        QVERIFY(about && about->isVisible());
        w->mnunew_Click();
        liveWindows().constFirst()->mnuabout_Click(); // the same box, brought forward
        QCOMPARE(frmAbout::shared(), about);
        liveWindows().constFirst()->close();
        // an ownerless window that quits on close keeps the program running while it is open
        QVERIFY(about->isVisible() && !about->parentWidget());
        QVERIFY(about->testAttribute(Qt::WA_QuitOnClose));
        QTest::keyClick(about, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!frmAbout::shared());
    }

    void saveAsksOnceThenWritesTheSameFile() {
        frmgame* w = Module1::Main({});
        w->mnusave_Click(); // cancelled
        QCOMPARE(fake.dialogs.size(), std::size_t(1));
        QVERIFY(fake.dialogs[0].save);
        QCOMPARE(fake.dialogs[0].dialog.Filter, QStringLiteral("Pebblenix Files (*.pnx)"));
        QCOMPARE(fake.dialogs[0].dialog.InitDir, QCoreApplication::applicationDirPath());
        const QString plain = dir.filePath("no-extension");
        fake.fileNames = {plain};
        w->mnusave_Click();
        QCOMPARE(readAll(plain), formatGameFile(newGamePosition()));
        jump(w);
        w->mnusave_Click(); // no dialog now
        QCOMPARE(fake.dialogs.size(), std::size_t(2));
        QCOMPARE(readAll(plain).count("-1"), 18); // 10 and 17 emptied, 24 filled
    }

    void saveAsReplacesAndOpenRemembersTheName() {
        frmgame* w = Module1::Main({});
        const QString existing = dir.filePath("existing.pnx");
        writeAll(existing, QByteArray(400, 'z'));
        fake.fileNames = {existing};
        w->mnusaveas_Click();
        QCOMPARE(readAll(existing), formatGameFile(newGamePosition())); // without a question
        jump(w);
        fake.fileNames = {existing};
        w->mnuopen_Click(); // replaces the game in progress without asking
        QVERIFY(!fake.dialogs.back().save);
        QCOMPARE(fake.dialogs.back().dialog.FileName, existing); // the dialog remembers it
        QCOMPARE(w->game.marbles(), startPosition());
        QVERIFY(fake.messages.empty());
    }

    void systemWideInstallsStartInTheDocumentsFolder_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("starts");
        QTest::newRow("/usr") << "/usr/games"
                              << "/d";
        QTest::newRow("/opt") << "/opt/pebblenix/bin"
                              << "/d";
        QTest::newRow("a build") << "/home/p/pebblenix/build"
                                 << "/home/p/pebblenix/build";
        QTest::newRow("look-alike") << "/usrlocal"
                                    << "/usrlocal";
    }
    void systemWideInstallsStartInTheDocumentsFolder() {
        QFETCH(QString, program);
        QFETCH(QString, starts);
        QCOMPARE(initialDialogFolder(program, "/d"), starts);
    }
};

QTEST_MAIN(TestLifecycle)
#include "test_lifecycle.moc"
