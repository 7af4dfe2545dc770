// The program around the board: start-up with and without a file, a stored colour that
// cannot be used, closing, New, a colour change, the About box, and Open, Save, Save As.

#include "about/frmabout.h"
#include "app/module1.h"
#include "files/settings.h"
#include "seam/filedialog.h"
#include "tests/uisupport.h"

#include <QLabel>
#include <QPushButton>
#include <QSettings>
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

} // namespace

class TestLifecycle : public QObject {
    Q_OBJECT
    PrivateFolders folders;
    QTemporaryDir dir;
    TestServices made;
    FakeUi& fake = made.fake;
    frmgame* start(const QByteArrayList& arguments = {}) {
        return Module1::FromCommandLine(made.services, arguments);
    }

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

    void startWithAFileNamedOnTheCommandLine() {
        const QString path = dir.filePath("my games/half way.pnx");
        writeAll(path, formatGameFile(firstJumpPosition()));
        // a path with blanks arrives split into words and is joined back as it was
        frmgame* w = start(QFile::encodeName(path).split(' '));
        QVERIFY(shownPosition(*w) == firstJumpPosition() && w->PebblenixFile() == path);
        // quotes are part of the path, whose folder then does not exist: nothing happens
        w = start({QFile::encodeName("\"" + path + "\"")});
        QVERIFY(fake.messages.empty() && w->PebblenixFile().isEmpty());
    }

    void storedColours_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("colid"); // 0: the start fails
        QTest::newRow("none stored") << "" << 101;
        QTest::newRow("purple") << "107" << 107;
        QTest::newRow("half to even") << "108.5" << 108;
        QTest::newRow("abc") << "abc" << 0;
        QTest::newRow("50, no picture") << "50" << 0;
        QTest::newRow("a folder in its place") << "folder" << 101;
    }
    void storedColours() {
        QFETCH(QString, stored);
        QFETCH(int, colid);
        const QString leftOver = undoFile(*start());
        cleanup(); // the window's closing deletes its undo file; one is left over after it
        writeAll(leftOver, "left over");
        if (stored == "folder") // can be neither used nor removed: must not stop every start
            QDir().mkpath(ColourSetting::filePath());
        else if (!stored.isEmpty())
            QSettings(ColourSetting::filePath(), QSettings::IniFormat)
                .setValue("Color/Marble", stored);
        frmgame* w = start(colid ? QByteArrayList()
                                 : QByteArrayList{QFile::encodeName(dir.filePath("x.pnx"))});
        QDir().rmdir(ColourSetting::filePath());
        if (colid) {
            QVERIFY(w->isVisible() && !w->Timer1->isActive());
            QVERIFY(undoFile(*w) == leftOver && !QFile::exists(leftOver)); // nothing to undo
            QCOMPARE(int(w->colid), colid);
            QCOMPARE(fake.messages.size(), std::size_t(stored == "folder"));
            return;
        }
        QVERIFY(!w && liveWindows().isEmpty());
        QCOMPARE(fake.messages.size(), std::size_t(1)); // the file is never opened
        QCOMPARE(fake.last().text, QStringLiteral("Unknown error has occured."));
        QCOMPARE(fake.endedWith, std::vector<int>{1});
        QCOMPARE(start()->colid, quint8(101)); // the next start is dark blue
    }

    void closingAsksAndAlwaysDropsTheUndoFile() {
        frmgame* w = start();
        jump(*w);
        fake.answers = {MsgAnswer::No};
        w->mnuexit_Click();
        QCOMPARE(fake.last().text, QStringLiteral("Bored So Early?"));
        QCOMPARE(liveWindows(), QList<frmgame*>{w});
        QVERIFY(!QFile::exists(undoFile(*w)));
        w->close(); // Yes
        QVERIFY(liveWindows().isEmpty());
    }

    void newGameAndANewColour() {
        frmgame* w = start();
        jump(*w);
        w->pic_Click(31); // a selected marble and a running clock
        fake.answers = {MsgAnswer::No};
        w->mnunew_Click();
        QCOMPARE(fake.last().text, QStringLiteral("Start A New Game?"));
        QVERIFY(liveWindows() == QList<frmgame*>{w} && w->Timer1->isActive());
        for (int i = 0; i < 3; ++i)
            liveWindows().constFirst()->mnunew_Click();
        QCOMPARE(fake.messages.size(), std::size_t(4)); // never "Bored So Early?"
        frmgame* fresh = liveWindows().constFirst();
        QCOMPARE(shownMarbles(*fresh), startPosition());
        QVERIFY(!fresh->Timer1->isActive() && !picked(*fresh));
        QVERIFY(!QFile::exists(undoFile(*fresh)));
        fresh->menuItem("mnu102")->trigger();
        QCOMPARE(liveWindows().size(), 1);
        QCOMPARE(liveWindows().first()->pic[10]->Picture().pixelColor(16, 15), QColor(255, 0, 0));
        QCOMPARE(ColourSetting::read(), QStringLiteral("102"));
    }

    void theAboutBox() {
        start()->menuItem("mnu102")->trigger(); // red marbles
        liveWindows().constFirst()->mnuabout_Click();
        frmAbout* about = made.services.about;
        QCOMPARE(about->windowTitle(), QStringLiteral("About Pebblenix"));
        QCOMPARE(about->lblTitle->text(), QStringLiteral("Pebblenix(" PEBBLENIX_VERSION ")"));
        const QImage icon = about->picIcon->pixmap().toImage(); // dark blue whatever the colour
        QCOMPARE(icon.pixelColor(icon.width() / 2, icon.height() / 2), QColor(0, 0, 128));
        liveWindows().constFirst()->mnunew_Click();
        liveWindows().constFirst()->mnuabout_Click(); // the same box, brought forward
        QCOMPARE(made.services.about, about);
        liveWindows().constFirst()->close();
        // an ownerless window that quits on close keeps the program running while it is open
        QVERIFY(about->isVisible() && !about->parentWidget());
        QVERIFY(about->testAttribute(Qt::WA_QuitOnClose));
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) { // with the focus on OK
            frmAbout::present(made.services.about, *made.registry, fake)->cmdOK->setFocus();
            QTest::keyClick(made.services.about, key);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!made.services.about);
        }
    }

    void saveAsksOnceOpenRemembersTheName() {
        frmgame* w = start();
        w->mnusave_Click(); // cancelled
        QVERIFY(fake.dialogs.size() == 1 && fake.dialogs[0].save);
        QCOMPARE(fake.dialogs[0].dialog.Filter, QStringLiteral("Pebblenix Files (*.pnx)"));
        const QString plain = dir.filePath("no-extension");
        writeAll(plain, QByteArray(400, 'z'));
        fake.fileNames = {plain};
        w->mnusave_Click(); // replaces the file without a question
        QCOMPARE(readAll(plain), formatGameFile(newGamePosition()));
        jump(*w);
        w->mnusave_Click(); // no dialog now
        QCOMPARE(fake.dialogs.size(), std::size_t(2));
        QCOMPARE(readAll(plain).count("-1"), 18); // 10 and 17 emptied, 24 filled
        fake.saveAs(*w, plain);
        fake.open(*w, plain); // the dialog remembers the last name
        QCOMPARE(fake.dialogs.back().dialog.FileName, plain);
        QVERIFY(fake.messages.empty());
    }

    void systemWideInstallsStartInTheDocumentsFolder() {
        const std::pair<const char*, const char*> rows[] = {{"/usr/games", "/d"},
                                                            {"/opt/pebblenix/bin", "/d"},
                                                            {"/home/p/build", "/home/p/build"},
                                                            {"/usrlocal", "/usrlocal"}};
        for (const auto& [program, starts] : rows)
            QCOMPARE(initialDialogFolder(program, "/d"), QString::fromLatin1(starts));
    }
};

QTEST_MAIN(TestLifecycle)
#include "test_lifecycle.moc"
