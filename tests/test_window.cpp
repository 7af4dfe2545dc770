// The window as the player sees and uses it: what the board shows after each click, the
// messages at the end, Undo, Hint, Rewind and Review, the keyboard, dragging a marble, the
// View menu and what a screen reader is told.

#include "about/frmabout.h"
#include "app/howtoplaydialog.h"
#include "app/problemsdialog.h"
#include "app/recordsdialog.h"
#include "app/reviewdialog.h"
#include "app/setupdialog.h"
#include "app/winninglinedialog.h"
#include "drawing/marblepictures.h"
#include "files/settings.h"
#include "game/winningline.h"
#include "session/hintservice.h"
#include "tests/uisupport.h"

#include <QAccessible>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QTreeWidget>
#include <QWindow>
#include <cmath>
#include <functional>

using namespace pebblenix;
using namespace pebblenix::test;

namespace {

// What the cell shows, as the eye sees it and as a screen reader is told.
QString looks(frmgame& w, int cell) {
    BoardCell* c = w.pic[static_cast<std::size_t>(cell)];
    const bool navy = c->grab().toImage().pixelColor(12, 12) == QColor(0, 0, 128);
    return (navy ? "navy " : "") +
           QAccessible::queryAccessibleInterface(c)->text(QAccessible::Description);
}

QString accessibleName(QObject* o) {
    return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name);
}

void press(Qt::Key key, int times = 1) {
    for (int n = 0; n < times; ++n)
        QTest::keyClick(QApplication::focusWidget(), key);
}

// Where the pointer is over a cell's centre, in the window.
QPoint centreOf(frmgame& w, int cell) {
    BoardCell* c = w.pic[static_cast<std::size_t>(cell)];
    return c->mapTo(&w, c->rect().center());
}

// Presses the mouse on a marble and moves it to `to` through the window, as the system
// would; the drag is then in progress.
void dragTo(frmgame& w, int from, QPoint to) {
    QTest::mousePress(w.windowHandle(), Qt::LeftButton, {}, centreOf(w, from));
    QTest::mouseMove(w.windowHandle(), centreOf(w, from) + QPoint(6, 6));
    QTest::mouseMove(w.windowHandle(), to);
}

// What a step shows: the window's size, and marbles that at 100 % have no pixel blended
// between their colours and the cell's.
void checkZoom(frmgame& w, int zoom) {
    QCOMPARE(zoomOf(w), zoom);
    QCOMPARE(w.size(), clientSize(zoom) + QSize(0, w.menuBar()->sizeHint().height()));
    const QImage cell = w.pic[10]->grab().toImage();
    const QColor background = cell.pixelColor(cell.width() / 2, 2);
    int disc = 0; // 192 pixels at 100 %, growing with the square of the zoom
    for (int y = 2; y < cell.height() - 2; ++y)
        for (int x = 2; x < cell.width() - 2; ++x) {
            const QColor c = cell.pixelColor(x, y);
            QVERIFY(zoom != 100 || c == QColor(0, 0, 128) || c == Qt::white || c == background);
            disc += c != background;
        }
    QVERIFY(disc * 100000 >= 192 * zoom * zoom * 9);
    QCOMPARE(w.menuItem("mnuzoomin")->isEnabled(), zoom < 200); // 250 % does not fit the screen
    QCOMPARE(w.menuItem("mnuzoomout")->isEnabled(), zoom > 100);
}

// A hole as its cell draws it at 100 %: a marble of picture `colour` or none (0), picked up
// (and ringed, as with Show Jumps) or not, with a mark.
QImage holeImage(int colour, bool picked, bool ringed, JumpMark mark) {
    BoardCell cell(kCentre, nullptr);
    cell.resize(25, 25);
    cell.setState(colour ? marblePicture(colour) : QImage(), colour != 0, picked, ringed);
    cell.setJumpMark(mark);
    return cell.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The pixels where two pictures of a hole differ: what a mark adds.
using Mask = std::vector<QPoint>;
Mask difference(const QImage& a, const QImage& b) {
    Mask mask;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                mask.emplace_back(x, y);
    return mask;
}

// How much of two masks is the same: shared pixels over all their pixels.
double overlap(const Mask& a, const Mask& b) {
    const auto shared = std::count_if(
        a.begin(), a.end(), [&](QPoint p) { return std::find(b.begin(), b.end(), p) != b.end(); });
    return double(shared) / double(a.size() + b.size() - shared);
}

// The radius of the largest disc of one colour inside a mark: a filled disc is as wide as
// the mark, a line is thin.
int solidRadius(const QImage& drawn, const Mask& mask) {
    int widest = 0;
    for (QPoint p : mask) {
        const auto solid = [&](int r) {
            for (int dy = -r; dy <= r; ++dy)
                for (int dx = -r; dx <= r; ++dx)
                    if (dx * dx + dy * dy <= r * r &&
                        (std::find(mask.begin(), mask.end(), p + QPoint(dx, dy)) == mask.end() ||
                         drawn.pixel(p + QPoint(dx, dy)) != drawn.pixel(p)))
                        return false;
            return true;
        };
        for (int r = widest + 1; solid(r); ++r)
            widest = r;
    }
    return widest;
}

// Relative luminance, after a person's view of the colour: 0 as it is (and as a grey
// picture keeps it), 1 without red cones, 2 without green ones (Vienot, Brettel and
// Mollon's matrices on linear RGB).
double luminance(QColor c, int vision) {
    const auto linear = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    double r = linear(c.redF()), g = linear(c.greenF()), b = linear(c.blueF());
    if (vision) {
        const double k = vision == 1 ? 0.11238 : 0.29275;
        const double mixed = k * r + (1 - k) * g;
        b += (vision == 1 ? 0.00401 : -0.02234) * (r - g);
        r = g = mixed;
    }
    return 0.2126 * r + 0.7152 * g + 0.0722 * b;
}

double contrast(QColor a, QColor b, int vision) {
    const double la = luminance(a, vision), lb = luminance(b, vision);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The cells of the board that show a chosen jump's frame.
QList<int> chosenHoles(const frmgame& w) {
    QList<int> holes;
    for (int i = 0; i < kCells; ++i)
        if (w.pic[std::size_t(i)]->isChosen())
            holes << i;
    return holes;
}

// Each menu shortcut, or a real mouse click (no keys), after a first jump, and what shows
// that it reached its command.
struct Shortcut {
    const char* keys;
    std::function<bool(frmgame&, FakeUi&)> reached;
};
const Shortcut kShortcuts[] = {
    {"Ctrl+N", [](frmgame&, FakeUi& f) { return f.saw("Start A New Game?"); }},
    {"Ctrl+O", [](frmgame&, FakeUi& f) { return f.dialogs.size() == 1 && !f.dialogs[0].save; }},
    {"Ctrl+S", [](frmgame&, FakeUi& f) { return f.dialogs.size() == 1 && f.dialogs[0].save; }},
    {"Ctrl+Z", [](frmgame& w, FakeUi&) { return shownCount(w) == 32; }},
    {"Ctrl+H", [](frmgame& w, FakeUi&) { return picked(w).has_value(); }},
    {"Ctrl+R",
     [](frmgame&, FakeUi& f) {
         return f.saw("You can still finish with the last marble in the centre.");
     }},
    {"Ctrl+L", [](frmgame& w, FakeUi&) { return w.findChild<WinningLineDialog*>(); }},
    {"Ctrl++", [](frmgame& w, FakeUi&) { return zoomOf(w) == 125; }},
    {"Ctrl+=", [](frmgame& w, FakeUi&) { return zoomOf(w) == 125; }},
    {"Ctrl++, Ctrl+-", [](frmgame& w, FakeUi&) { return zoomOf(w) == 100; }},
    {"Ctrl++, Ctrl+0", [](frmgame& w, FakeUi&) { return zoomOf(w) == 100; }},
    {"F1", [](frmgame&, FakeUi&) { return topLevel<HowToPlayDialog>(); }},
    {"", [](frmgame& w, FakeUi&) { return picked(w) == 31; }}};

} // namespace

class TestWindow : public QObject {
    Q_OBJECT
    PrivateFolders folders;
    QTemporaryDir dir;
    std::unique_ptr<TestServices> made; // afresh for each test, which then runs alone
    std::unique_ptr<frmgame> w;

private slots:
    void init() {
        made = std::make_unique<TestServices>();
        w = activeWindow(made->services);
    }
    void cleanup() {
        w.reset();
        made.reset();
        ColourSetting::clearAll();
        while (QWidget* help = topLevel<HowToPlayDialog>())
            delete help;
    }

    // A jump and its Undo, as the eye and a screen reader see them.
    void aJumpAndItsUndo() {
        for (int i = 0; i < kCells; ++i)
            QCOMPARE(w->pic[static_cast<std::size_t>(i)]->isVisible(), isHole(i));
        QCOMPARE(accessibleName(w->pic[10]), QStringLiteral("d2"));
        QCOMPARE(looks(*w, 24), QStringLiteral("empty"));
        w->mnuundo_Click(); // nothing to undo yet
        for (int i = 0; i < 20; ++i)
            w->Timer1_Timer();
        w->pic_Click(10);
        QVERIFY(w->pic[10]->isFlat() && w->Timer1->isActive());
        QCOMPARE(looks(*w, 10), QStringLiteral("navy selected marble"));
        w->pic_Click(24);
        QVERIFY(!w->pic[10]->isFlat());
        for (const auto& [cell, shows] :
             {std::pair{10, "empty"}, {17, "empty"}, {24, "navy marble"}})
            QCOMPARE(looks(*w, cell), QString::fromLatin1(shows));
        QCOMPARE(accessibleName(w->lblmarbles_On_hand), QStringLiteral("Marbles On Board: 31"));
        QCOMPARE(readAll(undoFile(*w)), formatGameFile(newGamePosition()).replace("120", "100"));
        w->Timer1_Timer();
        QCOMPARE(accessibleName(w->lbltime), QStringLiteral("Time on Hand: 099"));
        QTest::keyClick(w.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(shownMarbles(*w), startPosition());
        QCOMPARE(w->lbltime->text(), QStringLiteral("100"));
        QCOMPARE(w->lblmarbles_On_hand->text(), QStringLiteral("32"));
        QVERIFY(w->gb_showsave() && w->PebblenixFile().isEmpty() && made->fake.messages.empty());
    }

    // The count line, not the board, decides the end; it stops at 0.
    void theEndOfTheGame_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("text"); // empty: no message
        QTest::addColumn<int>("from");     // jumping right, by two
        const QString offCentre =
            "Well played !! try to get the last marble\r\n in  the center square";
        QTest::newRow("won") << gameFileWith({22, 23}) << "You won The Game " << 22;
        QTest::newRow("off centre") << gameFileWith({2, 3}) << offCentre << 2;
        QTest::newRow("the count decides")
            << gameFileWith({2, 3, 46}, "120", "2") << offCentre << 2;
        QTest::newRow("floor at zero") << gameFileWith({2, 3}, "120", "0") << QString() << 2;
    }
    void theEndOfTheGame() {
        QFETCH(QByteArray, file);
        QFETCH(QString, text);
        QFETCH(int, from);
        writeAll(dir.filePath("end.pnx"), file);
        QVERIFY(w->OpenPebblenixFile(dir.filePath("end.pnx")));
        const int count = file.mid(file.lastIndexOf('\n') + 1).toInt();
        for (int round : {1, 2}) { // Undo, and the same jump tells again
            w->pic_Click(from);
            w->pic_Click(from + 2);
            QCOMPARE(made->fake.messages.size(), std::size_t(text.isEmpty() ? 0 : round));
            QVERIFY(!w->pic[std::size_t(from)]->isFlat());
            QCOMPARE(shownCount(*w), std::max(0, count - 1));
            w->mnuundo_Click();
        }
        if (text.isEmpty())
            return;
        QCOMPARE(made->fake.last().title, QStringLiteral("Congratulations"));
        QCOMPARE(made->fake.last().text, text);
        QCOMPARE(made->fake.last().icon,
                 text.startsWith("You won") ? MsgIcon::Exclamation : MsgIcon::Information);
    }

    // The table loads in the background while the board goes on taking clicks; a hint
    // selects a marble and blinks the hole it should jump to.
    void aHint() {
        QVERIFY(!made->engine.isReady());
        std::unique_ptr<frmgame>(frmgame::create(made->services))
            ->mnuhint_Click(); // gone before the table
        w->mnuhint_Click();
        w->pic_Click(30);
        QTRY_VERIFY_WITH_TIMEOUT(made->engine.isReady(), 20000);
        QVERIFY(!QApplication::overrideCursor()); // the busy cursor gone with the wait
        const auto from = picked(*w);
        QVERIFY(from && from != 30 && w->pic[std::size_t(*from)]->isFlat());
        int marked = -1;
        for (int i = 0; i < kCells; ++i)
            marked = w->pic[std::size_t(i)]->isMarked() ? i : marked;
        QVERIFY(jumpedCell(*from, marked));
        w->pic_Click(marked);
        QCOMPARE(shownCount(*w), 31);
        writeAll(dir.filePath("lost.pnx"), gameFileWith({2, 3, 46}));
        QVERIFY(w->OpenPebblenixFile(dir.filePath("lost.pnx")));
        w->mnuhint_Click();
        QCOMPARE(made->fake.last().text,
                 QStringLiteral("No finish with the last marble in the centre "
                                "is possible from here."));
        QVERIFY(!picked(*w));
    }

    // Ctrl+R and Review Game, on a game whose fifth jump lost the centre finish and whose
    // second move made it take a move more.
    void rewindAndReview() {
        made->fake.saveAs(*w, dir.filePath("mine.pnx"));
        playLosingLine(*w, 6);
        w->menuItem("mnureview")->trigger();
        ReviewDialog* review = shownDialog<ReviewDialog>(*w);
        QVERIFY(review);
        QCOMPARE(review->list->topLevelItemCount(), 6);
        QCOMPARE(review->list->currentItem()->text(1), QStringLiteral("d4 -> b4"));
        QVERIFY(review->summary->text().startsWith("Jump 5, d4\u00A0-\u2060>\u00A0b4, lost"));
        // and, once the moves are judged, the first move that made the finish take more
        const QString costly = "From here 17 moves were enough; after this move 18.";
        QTRY_VERIFY_WITH_TIMEOUT(review->summary->text().endsWith(
                                     "Move 2, d3\u00A0-\u2060>\u00A0d5, made the finish take more "
                                     "moves than needed: f" +
                                     costly.mid(1)),
                                 20000);
        QCOMPARE(review->list->topLevelItem(1)->toolTip(3), costly);
        QVERIFY(review->list->topLevelItem(0)->toolTip(3).isEmpty());

        QTest::keyClick(w.get(), Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(w->lblmarbles_On_hand->text(), QStringLiteral("28"));
        QCOMPARE(review->list->topLevelItemCount(), 4); // the dialog follows the board
        QCOMPARE(w->PebblenixFile(), dir.filePath("mine.pnx"));
        QVERIFY(!w->gb_showsave());
        QTest::keyClick(w.get(), Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(made->fake.last().text,
                 QStringLiteral("You can still finish with the last marble in the centre."));
        QTest::keyClick(w.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(review->list->topLevelItemCount(), 6);
        review->list->setCurrentItem(review->list->topLevelItem(0)); // by keyboard: Enter
        QTest::keyClick(review->list, Qt::Key_Return);
        QCOMPARE(shownMarbles(*w), startPosition());
        QCOMPARE(review->list->topLevelItemCount(), 0);
        QCOMPARE(made->fake.messages.size(), std::size_t(1));
    }

    void playingByKeyboard() {
        QVERIFY(!w->pic[kCentre]->showsFocusMark()); // no mark until the keyboard is used
        press(Qt::Key_Up, 3);
        QVERIFY(w->pic[3]->hasFocus() && w->pic[3]->showsFocusMark());
        press(Qt::Key_Left, 2); // b1 and a1 are off the board: stay on c1
        QVERIFY(w->pic[2]->hasFocus());
        press(Qt::Key_Right);
        press(Qt::Key_Down);
        press(Qt::Key_Space); // d2
        QVERIFY(w->pic[10]->isFlat());
        press(Qt::Key_Down, 2);
        press(Qt::Key_Return); // d4
        QCOMPARE(shownCount(*w), 31);
    }

    // A stored step larger than the 1000 x 700 screen holds shows at the largest that fits,
    // 200 %; the keys go down and up again, the texts growing with the window, and the step
    // is stored in place, beside the colour, for the next window.
    void zoomSteps() {
        writeAll(ColourSetting::filePath(), "[Color]\nMarble=101\n\n[View]\nZoom=300\n");
        w = activeWindow(made->services);
        checkZoom(*w, 200);
        QList<int> actual; // the texts' sizes at 100 %
        const std::pair<Qt::Key, int> steps[] = {{Qt::Key_0, 100},     {Qt::Key_Plus, 125},
                                                 {Qt::Key_Equal, 150}, {Qt::Key_Plus, 200},
                                                 {Qt::Key_Plus, 200},  {Qt::Key_Minus, 150}};
        for (const auto& [key, zoom] : steps) {
            QTest::keyClick(w.get(), key, Qt::ControlModifier);
            checkZoom(*w, zoom);
            QList<int> sizes;
            for (const QLabel* label : w->findChildren<QLabel*>())
                if (label->isVisible())
                    sizes << label->font().pixelSize();
            actual = actual.isEmpty() ? sizes : actual;
            for (qsizetype i = 0; i < actual.size(); ++i)
                QVERIFY(sizes[i] * 100 >= actual[i] * (zoom - 10));
        }
        QCOMPARE(readAll(ColourSetting::filePath()),
                 QByteArray("[Color]\nMarble=101\n\n[View]\nZoom=150\n"));
        QCOMPARE(zoomOf(*std::unique_ptr<frmgame>(frmgame::create(made->services))), 150);
        QVERIFY(made->fake.messages.empty());
    }

    // Real mouse events: a marble pressed on d2 and moved to where the row says, then
    // released or given up with Escape.
    void dragAMarble_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to"); // -1: over the count, off the board
        QTest::addColumn<bool>("escape");
        QTest::addColumn<QString>("d4"); // what d2 and d4 are then
        QTest::newRow("to the hole it jumps to") << 10 << 24 << false << "empty, marble";
        QTest::newRow("to a marble") << 10 << 31 << false << "marble, empty";
        QTest::newRow("to a hole out of reach") << 3 << 24 << false << "marble, empty";
        QTest::newRow("off the board") << 10 << -1 << false << "marble, empty";
        QTest::newRow("given up with Escape") << 10 << 24 << true << "marble, empty";
        QTest::newRow("back where it was: a click")
            << 10 << 10 << false << "selected marble, empty";
    }
    void dragAMarble() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(bool, escape);
        QFETCH(QString, d4);
        const QPoint at =
            to < 0 ? w->lblmarbles_On_hand->mapTo(w.get(), QPoint(5, 5))
                   : centreOf(*w, to) + QPoint(1, -1) * (to == from ? 3 : 14); // near is enough
        dragTo(*w, from, at);
        QVERIFY(w->pic[std::size_t(from)]->isFlat() &&
                w->findChild<QLabel*>("picDragged")->isVisible());
        QVERIFY(w->findChild<QLabel*>("picDragged")
                    ->geometry()
                    .contains(w->centralWidget()->mapFrom(w.get(), at)));
        if (escape)
            press(Qt::Key_Escape);
        QTest::mouseRelease(w->windowHandle(), Qt::LeftButton, {}, at);
        QVERIFY(!w->findChild<QLabel*>("picDragged")->isVisible());
        QCOMPARE(looks(*w, from).remove("navy ") + ", " + looks(*w, 24).remove("navy "), d4);
        const bool jumped = d4.startsWith("empty");
        QCOMPARE(shownCount(*w), jumped ? 31 : 32);
        QCOMPARE(w->Timer1->isActive(), jumped || to == from);
        QCOMPARE(QFile::exists(undoFile(*w)), jumped);
        QVERIFY(made->fake.messages.empty());
    }

    // After d6-d4, d3-d5, b4-d4 and c6-c4 the marble on d4 can jump to d6, keeping the
    // centre finish, and to b4, losing it; the marks differ in shape, and follow Undo.
    void showJumps_data() {
        QTest::addColumn<QString>("pick");
        for (const char* pick : {"click", "keyboard", "drag", "off"})
            QTest::newRow(pick) << pick;
    }
    void showJumps() {
        QFETCH(QString, pick);
        playLosingLine(*w, 4);
        if (pick != "off")
            w->menuItem("mnushowjumps")->trigger();
        else // the table loaded all the same: off, Show Jumps shows nothing even with it
            made->engine.whenReady(w.get(), [](const HintEngine*, const QString&) {});
        QTRY_VERIFY_WITH_TIMEOUT(made->engine.engine(), 20000);
        if (pick == "drag")
            dragTo(*w, 24, centreOf(*w, 25));
        else if (pick == "keyboard")
            press(Qt::Key_Space); // the focus starts on d4
        else
            w->pic_Click(24);
        const bool on = pick != "off";
        QCOMPARE(looks(*w, 38),
                 QString(on ? "empty, a jump here keeps the centre finish" : "empty"));
        QCOMPARE(looks(*w, 22),
                 QString(on ? "empty, a jump here loses the centre finish" : "empty"));
        const QImage d4 = w->pic[24]->grab().toImage(); // ringed: black above the disc
        QCOMPARE(d4.pixelColor(12, 12 - 10) == Qt::black, on && pick != "drag");
        if (pick == "drag") { // put back: no marble is picked up
            press(Qt::Key_Escape);
            QTest::mouseRelease(w->windowHandle(), Qt::LeftButton, {}, centreOf(*w, 25));
        } else
            QTest::keyClick(w.get(), Qt::Key_Z, Qt::ControlModifier); // c6-c4 taken back
        QCOMPARE(looks(*w, 22), QStringLiteral("empty"));
        QCOMPARE(looks(*w, 38).startsWith("empty, a jump"), on && pick != "drag");
        QCOMPARE(ViewSetting::read().showJumps, on);
    }

    // View > Show Moves: a line below the window with the moves made, a chain of jumps by
    // one marble counting once, and the fewest that finish; Undo gives back a jump, its
    // chain free to go on. Off, the window is as drawn; the choice is remembered.
    void showMoves_data() {
        QTest::addColumn<QString>("script"); // jumps "from>to" by two clicks, and "undo"
        QTest::addColumn<QString>("shown");
        const QString chain = "10>24 31>17 22>24 24>10";
        QTest::newRow("no jump yet") << ""
                                     << "Moves: 0, Fewest to finish: 18";
        QTest::newRow("a jump") << "10>24"
                                << "Moves: 1, Fewest to finish: 17";
        QTest::newRow("a chain counts once") << chain << "Moves: 3, Fewest to finish: 16";
        QTest::newRow("a break in the chain") << chain + " 37>23"
                                              << "Moves: 4, Fewest to finish: 15";
        QTest::newRow("Undo in a chain") << chain + " undo"
                                         << "Moves: 3, Fewest to finish: 16";
        QTest::newRow("the chain goes on after Undo") << chain + " undo 24>10"
                                                      << "Moves: 3, Fewest to finish: 16";
        QTest::newRow("Undo of a move's one jump") << "10>24 31>17 undo"
                                                   << "Moves: 1, Fewest to finish: 17";
        QTest::newRow("lost") << "38>24 17>31 22>24 37>23 24>22"
                              << "Moves: 5, No centre finish left";
    }
    void showMoves() {
        QFETCH(QString, script);
        QFETCH(QString, shown);
        const auto line = w->findChildren<QLabel*>(QRegularExpression("lblmoves|lblfewest"));
        QCOMPARE(line.size(), 2);
        QVERIFY(line[0]->isHidden() && line[1]->isHidden());
        w->menuItem("mnushowmoves")->trigger();
        QCOMPARE(w->centralWidget()->size(), clientSize(100, true));
        QTRY_VERIFY_WITH_TIMEOUT(!line[1]->text().isEmpty(), 20000);
        for (const QString& step : script.split(' ', Qt::SkipEmptyParts))
            if (step == "undo")
                w->mnuundo_Click();
            else
                jump(*w, step.section('>', 0, 0).toInt(), step.section('>', 1).toInt());
        QCOMPARE(line[0]->text() + ", " + line[1]->text(), shown);
        QVERIFY(ViewSetting::read().showMoves);
        w->menuItem("mnushowmoves")->trigger();
        QVERIFY(line[0]->isHidden() && !ViewSetting::read().showMoves);
        QCOMPARE(w->size(), clientSize(100) + QSize(0, w->menuBar()->sizeHint().height()));
    }

    // A colour chosen after jumps asks first; with none made since the board was set, as
    // by a game file, it does not.
    void aColourDuringAGame_data() {
        QTest::addColumn<QString>("done");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("asked");
        QTest::newRow("d2 picked up and put down") << "d2" << true << false;
        QTest::newRow("a jump, No") << "d2-d4" << false << true;
        QTest::newRow("a jump, Yes") << "d2-d4" << true << true;
        QTest::newRow("a game opened") << "a game" << true << false;
    }
    void aColourDuringAGame() {
        QFETCH(QString, done);
        QFETCH(bool, yes);
        QFETCH(bool, asked);
        writeAll(dir.filePath("game.pnx"), formatGameFile(firstJumpPosition()));
        if (done == "a game")
            made->fake.open(*w, dir.filePath("game.pnx"));
        else
            jump(*w, 10, done == "d2" ? 10 : 24);
        made->fake.answers = {yes ? MsgAnswer::Yes : MsgAnswer::No};
        w->menuItem("mnu102")->trigger();
        QCOMPARE(made->fake.messages.size(), std::size_t(asked)); // "Start A New Game?"
        QCOMPARE(ColourSetting::read(), QString::fromLatin1(yes ? "102" : "101"));
        QCOMPARE(w->isVisible(), !yes);
        if (!yes) {
            QCOMPARE(shownCount(*w), 31);
            return;
        }
        (void)w.release(); // closed: it deletes itself, and the new window is ours to close
        w.reset(topLevel<frmgame>());
    }

    // Show Jumps' three marks and the picked-up marble's ring as their cells draw them: each
    // mark a shape of its own, none a disc that could pass for a marble, and each with a
    // good share of its pixels in contrast with the marble's colour and the board, as anyone
    // sees them and as a person without red or green cones does.
    void marksByShape_data() {
        QTest::addColumn<int>("colour");
        for (int colour = 101; colour <= 112; ++colour)
            QTest::addRow("%d", colour) << colour;
    }
    void marksByShape() {
        QFETCH(int, colour);
        const QImage hole = holeImage(0, false, false, JumpMark::None);
        const QColor board = hole.pixelColor(12, 12);
        const QColor marble = marblePicture(colour).pixelColor(16, 16);
        const struct {
            const char* name;
            QImage drawn, without;
        } marks[] = {{"keeps", holeImage(0, false, false, JumpMark::KeepsFinish), hole},
                     {"loses", holeImage(0, false, false, JumpMark::LosesFinish), hole},
                     {"legal", holeImage(0, false, false, JumpMark::Legal), hole},
                     {"ring", holeImage(colour, true, true, JumpMark::None),
                      holeImage(colour, true, false, JumpMark::None)}};
        std::vector<Mask> lines; // of each mark, what stands out on the board: its shape
        for (const auto& [name, drawn, without] : marks) {
            const Mask mask = difference(drawn, without);
            QVERIFY2(mask.size() >= 12, name);
            QVERIFY2(solidRadius(drawn, mask) <= 2, name); // a marble is a disc 15 across
            Mask& line = lines.emplace_back();
            std::copy_if(mask.begin(), mask.end(), std::back_inserter(line),
                         [&](QPoint p) { return contrast(drawn.pixelColor(p), board, 0) >= 3; });
            for (std::size_t j = 0; j + 1 < lines.size(); ++j)
                QVERIFY2(overlap(line, lines[j]) < 0.5, name);
            for (int vision : {0, 1, 2})
                for (QColor against : {marble, board}) {
                    const auto standsOut = std::count_if(mask.begin(), mask.end(), [&](QPoint p) {
                        return contrast(drawn.pixelColor(p), against, vision) >= 3;
                    });
                    QVERIFY2(standsOut >= 0.3 * double(mask.size()),
                             qPrintable(QString("%1 against %2, vision %3")
                                            .arg(name, against.name())
                                            .arg(vision)));
                }
        }
    }

    // View > Show Coordinates, remembered: the window grows by a band holding a-g above the
    // columns and 1-7 left of the rows. A row chosen in Review Game or Winning Line frames its
    // jump's two holes until another is chosen or the dialog closes.
    void coordinatesAndAChosenJump() {
        w->menuItem("mnushowcoordinates")->trigger();
        w = activeWindow(made->services);
        QCOMPARE(w->centralWidget()->size(), clientSize(100, false, true));
        for (int i = 0; i < kSide; ++i) {
            const QLabel* letter =
                w->findChild<QLabel*>(QString("coordinate_%1").arg(QChar('a' + i)));
            const QLabel* number = w->findChild<QLabel*>(QString("coordinate_%1").arg(i + 1));
            QVERIFY(letter && letter->isVisible() && number && number->isVisible());
            const QRect column =
                w->pic[std::size_t(3 * kSide + i)]->geometry().translated(w->Frame1->pos());
            const QRect row =
                w->pic[std::size_t(i * kSide + 3)]->geometry().translated(w->Frame1->pos());
            QVERIFY(std::abs(letter->geometry().center().x() - column.center().x()) <= 1);
            QVERIFY(letter->geometry().bottom() < w->Frame1->y());
            QVERIFY(std::abs(number->geometry().center().y() - row.center().y()) <= 1);
            QVERIFY(number->geometry().right() < w->Frame1->x());
        }
        playLosingLine(*w, 6);
        w->mnureview_Click();
        ReviewDialog* review = shownDialog<ReviewDialog>(*w);
        QVERIFY(review);
        QCOMPARE(chosenHoles(*w), QList<int>({22, 24})); // d4 -> b4, the losing jump
        review->list->setCurrentItem(review->list->topLevelItem(0));
        QCOMPARE(chosenHoles(*w), QList<int>({24, 38})); // d6 -> d4
        review->close();
        QTRY_COMPARE(chosenHoles(*w), QList<int>());
        w->mnurewind_Click(); // back to before d4 -> b4: the line's first jump is marked
        w->mnuwinningline_Click();
        QVERIFY(shownDialog<WinningLineDialog>(*w));
        const Jump next = winningLine(shownMarbles(*w), *made->engine.engine())->front();
        QCOMPARE(chosenHoles(*w),
                 QList<int>({std::min(next.from, next.to), std::max(next.from, next.to)}));
    }

    // At 200 % each dialog and message box has twice the font, and grows with it; Review
    // Game stands beside the board, and keeps the row chosen as Winning Line does; the board
    // set up has the window's.
    void dialogsFollowTheZoom_data() {
        QTest::addColumn<QString>("dialog");
        for (const char* dialog : {"About", "Review Game", "Winning Line", "Records", "Problems",
                                   "How to Play", "Set Up Position", "message box"})
            QTest::newRow(dialog) << dialog;
    }
    void dialogsFollowTheZoom() {
        QFETCH(QString, dialog);
        QWidget* opened = nullptr;
        QTreeWidget* rows = nullptr; // of Review Game or Winning Line, the third one chosen
        if (dialog == "About")
            w->mnuabout_Click(), opened = made->services.about;
        else if (dialog == "Records")
            w->mnurecords_Click(), opened = w->findChild<RecordsDialog*>();
        else if (dialog == "How to Play")
            w->menuItem("mnuhowtoplay")->trigger(), opened = made->services.howToPlay;
        else if (dialog == "Problems")
            w->menuItem("mnuproblems")->trigger(), opened = w->findChild<ProblemsDialog*>();
        else if (dialog == "Set Up Position") {
            w->menuItem("mnusetup")->trigger();
            QTRY_VERIFY_WITH_TIMEOUT(opened = w->findChild<SetUpDialog*>(), 20000);
        } else if (dialog != "message box") {
            w->move(0, 0);         // room beside it
            playLosingLine(*w, 4); // a finish still possible
            (dialog == "Review Game" ? w->mnureview_Click() : w->mnuwinningline_Click());
            QVERIFY(opened = shownDialog<JumpListDialog>(*w));
            QVERIFY(opened->x() > w->frameGeometry().right());
            QTRY_VERIFY_WITH_TIMEOUT(made->engine.fewestMoves() || dialog != "Review Game", 20000);
            rows = static_cast<JumpListDialog*>(opened)->list;
            rows->setCurrentItem(rows->topLevelItem(2));
        }
        const std::unique_ptr<UiSeam> real = makeRealUi();
        const auto box = [&](int percent) { // the real box at a step: its font and size
            real->dialogZoom.setPercent(percent);
            std::pair<int, QSize> seen;
            QTimer::singleShot(0, [&seen] {
                QWidget* shown = QApplication::activeModalWidget();
                seen = {QFontInfo(shown->font()).pixelSize(), shown->size()};
                shown->close();
            });
            real->tellInformation(nullptr,
                                  "You can still finish with the last marble in the centre.");
            return seen;
        };
        const auto look = [&] {
            return opened ? std::pair(QFontInfo(opened->font()).pixelSize(), opened->size())
                          : box(zoomOf(*w));
        };
        const auto margin = [&] { return opened->layout()->contentsMargins().left(); };
        const int margins = opened && opened->layout() ? margin() : 0;
        const auto [font, size] = look();
        for (int step = 0; step < 3; ++step)
            w->mnuzoomin_Click();
        QCOMPARE(zoomOf(*w), 200);
        QTest::qWait(20); // the layouts take the new sizes
        const auto [zoomedFont, zoomedSize] = look();
        QVERIFY2(std::abs(zoomedFont - 2 * font) <= 1, qPrintable(QString::number(zoomedFont)));
        QVERIFY(zoomedSize.width() > 1.25 * size.width() && zoomedSize.height() > size.height());
        QVERIFY(!margins || margin() == 2 * margins); // the space between grows too
        QVERIFY(!rows || rows->currentIndex().row() == 2);
        if (auto* setUp = qobject_cast<SetUpDialog*>(opened))
            QVERIFY(setUp->boardView->size() == w->Frame1->size() &&
                    setUp->boardView->marble() == w->Frame1->marble());
        made->fake.answers = {MsgAnswer::No};
        w->mnunew_Click(); // a box through the seam is told the step
        QCOMPARE(made->fake.last().zoom, 200);
        delete made->services.about;
    }

    // Shift and an arrow key jump the focused marble two holes, the focus going with it, and
    // a screen reader is told what happened.
    void twoKeyJumps_data() {
        QTest::addColumn<QList<int>>("walk"); // arrow keys from d4 to the marble
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("focus");
        QTest::addColumn<QString>("heard");
        const QList<int> up2{Qt::Key_Up, Qt::Key_Up};
        QTest::newRow("d2 down")
            << up2 << int(Qt::Key_Down) << 31 << 24
            << "marble. The marble on d2 jumped over d3 to d4. 31 marbles left.";
        QTest::newRow("d6 up") << QList<int>{Qt::Key_Down, Qt::Key_Down} << int(Qt::Key_Up) << 31
                               << 24
                               << "marble. The marble on d6 jumped over d5 to d4. 31 marbles left.";
        QTest::newRow("into a marble") << QList<int>{Qt::Key_Up} << int(Qt::Key_Left) << 32 << 17
                                       << "marble. The marble on d3 cannot jump that way.";
        QTest::newRow("off the board")
            << QList<int>{Qt::Key_Up, Qt::Key_Up, Qt::Key_Up} << int(Qt::Key_Up) << 32 << 3
            << "marble. The marble on d1 cannot jump that way.";
        QTest::newRow("an empty hole") << QList<int>() << int(Qt::Key_Up) << 32 << 24
                                       << "empty. There is no marble on d4 to jump.";
    }
    void twoKeyJumps() {
        QFETCH(QList<int>, walk);
        QFETCH(int, key);
        QFETCH(int, count);
        QFETCH(int, focus);
        QFETCH(QString, heard);
        for (int step : walk)
            press(Qt::Key(step));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::ShiftModifier);
        QCOMPARE(shownCount(*w), count);
        QCOMPARE(QApplication::focusWidget(), w->pic[std::size_t(focus)]);
        QCOMPARE(QAccessible::queryAccessibleInterface(w->pic[std::size_t(focus)])
                     ->text(QAccessible::Description),
                 heard);
        QVERIFY(made->fake.messages.empty());
    }

    // Tell Me When It Ends, remembered: a jump that leaves no jump says how many marbles
    // remain, through the seam, and the clock stops.
    void tellMeWhenItEnds() {
        w->menuItem("mnutellwhenends")->trigger();
        w.reset(frmgame::create(made->services));
        writeAll(dir.filePath("dead end.pnx"), gameFileWith({2, 3, 46}));
        QVERIFY(w->OpenPebblenixFile(dir.filePath("dead end.pnx")));
        jump(*w, 38, 24); // no marble there: the clock starts all the same
        QVERIFY(w->Timer1->isActive());
        jump(*w, 2, 4);
        QVERIFY(made->fake.saw("No jump is left: 2 marbles remain."));
        QCOMPARE(made->fake.last().icon, MsgIcon::Information);
        QVERIFY(!w->Timer1->isActive());
    }

    void theShortcutsAndAClick_data() {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(kShortcuts)); ++i)
            QTest::newRow(*kShortcuts[i].keys ? kShortcuts[i].keys : "a mouse click") << i;
    }
    void theShortcutsAndAClick() {
        QFETCH(int, row);
        jump(*w);
        made->fake.answers = {MsgAnswer::No}; // to "Start A New Game?"
        if (const QKeySequence keys(QString::fromLatin1(kShortcuts[row].keys)); !keys.isEmpty())
            QTest::keySequence(w.get(), keys);
        else
            QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {}, centreOf(*w, 31));
        QTRY_VERIFY_WITH_TIMEOUT(kShortcuts[row].reached(*w, made->fake), 20000);
    }
};

int main(int argc, char** argv) {
    PrivateFolders folders;
    useScreenOf(1000, 700);
    QApplication app(argc, argv);
    TestWindow tc;
    return QTest::qExec(&tc, argc, argv);
}
#include "test_window.moc"
