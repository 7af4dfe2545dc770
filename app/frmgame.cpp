#include "app/frmgame.h"

#include "about/frmabout.h"
#include "app/challengecommands.h"
#include "app/enginewait.h"
#include "app/mainmenu.h"
#include "app/movesline.h"
#include "app/recordsdialog.h"
#include "app/reviewdialog.h"
#include "app/services.h"
#include "app/windowextras.h"
#include "app/windowlayout.h"
#include "app/windowzoom.h"
#include "app/winninglinedialog.h"
#include "drawing/marblepictures.h"
#include "game/bitboard.h"
#include "game/verdicts.h"
#include "seam/uiseam.h"
#include "session/hintservice.h"
#include "view/jumpmarks.h"
#include "view/zoom.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QWindow>

namespace pebblenix {

const QString kTitle = QString::fromLatin1(kProgramTitle); // a const's name stays in this file

frmgame::frmgame(Services& services)
    : services_(services), session_(services.engine, services.records) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("frmgame"));
    setWindowTitle(kTitle);
    // A title bar with the window menu and a close button, but no minimise or maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowIcon(applicationIcon());
    setCentralWidget(new QWidget(this));
    const WindowControls controls = buildWindowControls(centralWidget());
    Text1 = controls.Text1;
    Frame1 = controls.Frame1;
    pic = Frame1->cells();
    Label1 = controls.Label1;
    lblmarbles_On_hand = controls.lblmarbles_On_hand;
    lbltime = controls.lbltime;
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &frmgame::Timer1_Timer);
    //: The file type in the Open and Save dialogs; keep "(*.pnx)" as it is.
    CDiabox.Filter = tr("Pebblenix Files (*.pnx)");

    connect(Frame1, &BoardWidget::clicked, this, &frmgame::pic_Click);
    connect(Frame1, &BoardWidget::dragChanged, this, &frmgame::refresh);
    connect(Frame1, &BoardWidget::dropped, this, [this](int from, int to) {
        if (canJump(session_.game().marbles(), from, to))
            playJump({from, to});
    });
    connect(&session_, &GameSession::changed, this, &frmgame::refresh);
    // The end-of-game message stands over the board with the jumped-from cell still
    // looking selected; the cell turns back when the message is closed.
    connect(&session_, &GameSession::gameEnded, this, [this](Outcome outcome) {
        pic[static_cast<std::size_t>(session_.game().jumps().back().from)]->setFlat(true);
        CheckEndGame(outcome);
        refresh();
    });
    pic[kCentre]->setFocus(Qt::ActiveWindowFocusReason); // arrow keys start from the centre

    new ChallengeCommands(this, services_); // Problems, Today's Problem, Set Up Position
    extras_ = new WindowExtras(this, services, session_, Frame1);
    menu_ = new MainMenu(this); // runs the slot named after an item: mnunew_Click
    connect(menu_, &MainMenu::colourChosen, this, &frmgame::SaveMarbleColor);
    zoom_ = new WindowZoom(this, controls, *menu_, services.ui.dialogZoom);
    extras_->attach(*menu_, *zoom_, stored_);
    connect(zoom_, &WindowZoom::changed, this, &frmgame::refresh);
    connect(zoom_, &WindowZoom::stored, this, &frmgame::storeView);
    connect(extras_, &WindowExtras::viewStored, this, &frmgame::storeView);
    moves_ = new MovesLine(session_, controls, *menu_, *zoom_, stored_.showMoves);
    // The screen and the window's frame may have changed since the last look.
    connect(menu_, &MainMenu::viewAboutToShow, zoom_, &WindowZoom::updateActions);
}

frmgame* frmgame::create(Services& services) {
    auto* window = new frmgame(services);
    if (!window->Form_Load()) {
        delete window;
        return nullptr;
    }
    // A new window stands centred on the screen, never where the window it replaces stood,
    // and with its title and menu bars on the screen however small that is.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window->move(centredIn(window->size(), screen->availableGeometry()));
    return window;
}

bool frmgame::Form_Load() {
    CDiabox.InitDir =
        initialDialogFolder(QCoreApplication::applicationDirPath(),
                            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    // A stored colour that is no number from 0 to 255, or has no picture, cannot be used. A
    // zoom the screen has no room for shows at the largest step that fits; the stored one
    // stays for a larger screen.
    const auto colour = parseColourSetting(ColourSetting::read());
    colid = colour.value_or(0);
    if (!zoom_->start(colour ? colid : 0, stored_.zoom)) {
        // The failure path forgets the colour, so that the next start is dark blue. One that
        // cannot be forgotten would stop every start: say which file is wrong and go on now.
        const auto stuck = ColourSetting::clearAll();
        if (!stuck) {
            loadFailurePath();
            return false;
        }
        //: %1 names the settings file and why it cannot be removed.
        services_.ui.tellFailure(nullptr, tr("The stored marble colour cannot be used or "
                                             "removed, so the game starts in dark blue.\r\n%1.")
                                              .arg(*stuck));
        colid = kDefaultColour;
        zoom_->start(colid, stored_.zoom);
    }
    zoom_->layOut();
    zoom_->updateActions();
    menu_->setChecked(QStringLiteral("mnushowjumps"), stored_.showJumps);
    wantVerdicts();
    ResetGame();
    session_.useOwnUndoFolder();
    DelTempFile(); // a leftover of an earlier window: a new window has nothing to undo
    return true;
}

void frmgame::loadFailurePath() {
    // Forgetting the settings lets the next start succeed with the default colour.
    ColourSetting::clearAll();
    //: Shown when the stored marble colour cannot be used; the game then ends. The
    //: English misspelling is kept as written on purpose.
    services_.ui.tellFailure(nullptr, tr("Unknown error has occured."));
    DelTempFile();
    services_.ui.endProgram(1);
}

void frmgame::closeEvent(QCloseEvent* event) {
    int Cancel = 0;
    Form_Unload(Cancel);
    if (Cancel) {
        event->ignore();
        return;
    }
    Timer1->stop();
    event->accept();
}

void frmgame::Form_Unload(int& Cancel) {
    //: Asked with Yes and No before the game window closes: Yes closes it.
    if (gb_showboredbox &&
        services_.ui.message(this, kTitle, tr("Bored So Early?"), MsgIcon::Question,
                             MsgButtons::YesNo) == MsgAnswer::No)
        Cancel = 1;
    DelTempFile();
}

frmgame* frmgame::replaceWindow() {
    frmgame* fresh = create(services_);
    if (!fresh)
        return nullptr; // its loading failed and has ended the program
    fresh->show();
    // The dialogs that follow the board follow it to the new window, where they stood.
    const auto carry = [this, fresh](auto dialog, void (frmgame::*open)()) {
        if (!(this->*dialog) || !(this->*dialog)->isVisible())
            return;
        (fresh->*open)();
        if (fresh->*dialog)
            (fresh->*dialog)->move((this->*dialog)->pos());
    };
    carry(&frmgame::frmreview, &frmgame::mnureview_Click);
    carry(&frmgame::frmwinningline, &frmgame::mnuwinningline_Click);
    carry(&frmgame::frmrecords, &frmgame::mnurecords_Click);
    gb_showboredbox = false;
    close();
    return fresh;
}

bool frmgame::confirmNewGame() {
    //: Asked with Yes and No by Game > New, and by a colour chosen during a game.
    return services_.ui.message(this, kTitle, tr("Start A New Game?"), MsgIcon::Question,
                                MsgButtons::YesNo) == MsgAnswer::Yes;
}

void frmgame::mnunew_Click() {
    if (confirmNewGame())
        replaceWindow();
}

void frmgame::mnuexit_Click() {
    close();
}

void frmgame::SaveMarbleColor(quint8 col) {
    // A new colour starts a new game: one in progress is not thrown away without asking.
    if (!session_.game().jumps().empty() && !confirmNewGame())
        return;
    if (const auto failure = ColourSetting::write(col)) {
        //: %1 names the settings file and why it cannot be written.
        services_.ui.tellFailure(this, tr("The marble colour could not be saved, so the game "
                                          "goes on in the colour it has.\r\n%1.")
                                           .arg(*failure));
        return;
    }
    replaceWindow();
}

void frmgame::mnuabout_Click() {
    frmAbout::present(services_.about, services_.registry, services_.ui);
}

QAction* frmgame::menuItem(const QString& name) {
    return menu_->item(name);
}

void frmgame::ResetGame() {
    gb_showboredbox = true;
    session_.newGame();
    Frame1->showHoles();
}

void frmgame::refresh() {
    const Game& game = session_.game();
    // A dragged marble is picked up: its Show Jumps marks show as for a click.
    const auto picked = Frame1->dragged() ? Frame1->dragged() : game.selection();
    const JumpMarks marks =
        jumpMarks(game.marbles(), showJumps() ? picked : std::nullopt, services_.engine.engine());
    if (showsVerdict(marks)) // marks that tell which jumps keep the finish help as a hint does
        session_.markAssisted();
    Frame1->showBoard(game.marbles(), game.selection(), marks, showJumps());
    lblmarbles_On_hand->setText(game.countText());
    lbltime->setText(game.clock());
    if (game.clockRunning() != Timer1->isActive()) // Tell Me When It Ends stops it
        game.clockRunning() ? Timer1->start() : Timer1->stop();
}

// A click starts the clock and picks up or puts down a marble; the click on an empty hole
// that the picked-up marble can jump to is the jump, which MakeMove makes.
void frmgame::pic_Click(int Index) {
    const auto source = session_.game().selection();
    if (source && !session_.game().hasMarble(Index) && ValidMove(*source, Index)) {
        MakeMove(*source, Index);
        return;
    }
    report(session_.click(Index));
}

bool frmgame::ValidMove(std::int16_t tempfrom, std::int16_t tempto) const {
    return pebblenix::ValidMove(session_.game().marbles(), tempfrom, tempto);
}

// The session writes the undo file first, and ends the game when it should.
void frmgame::MakeMove(std::int16_t tempfrom, std::int16_t tempto) {
    report(session_.jump(tempfrom, tempto));
}

// A jump made for the player takes the one path every jump takes.
void frmgame::playJump(const Jump& jump) {
    Frame1->stopBlinking();
    MakeMove(static_cast<std::int16_t>(jump.from), static_cast<std::int16_t>(jump.to));
}

void frmgame::report(const Result& result) {
    if (result.outcome == Outcome::Refused)
        services_.ui.tellFailure(this, result.reason);
}

void frmgame::CheckEndGame(Outcome outcome) {
    if (outcome == Outcome::Won)
        //: The title of the two messages at the end of a game.
        services_.ui.message(this, tr("Congratulations"),
                             //: The last marble stands in the centre. The capitals and the
                             //: space at the end are kept as written on purpose.
                             tr("You won The Game "), MsgIcon::Exclamation, MsgButtons::Ok);
    else if (outcome == Outcome::LastMarbleOffCentre)
        services_.ui.message(
            this, tr("Congratulations"),
            //: One marble is left, but not in the centre. The line break, the double
            //: space and the spelling are kept as written on purpose.
            tr("Well played !! try to get the last marble\r\n in  the center square"),
            MsgIcon::Information, MsgButtons::Ok);
}

void frmgame::Timer1_Timer() {
    session_.tick();
}

void frmgame::DelTempFile() {
    session_.deleteUndoFile();
}

std::optional<QString> frmgame::SavePebblenixFile(const QString& fname) {
    return session_.save(fname); // and it becomes the game's file
}

// The game in progress is worth more than a mistaken file: say what is wrong and leave
// everything as it was.
bool frmgame::OpenPebblenixFile(const QString& fname) {
    const ReadResult read = session_.open(fname);
    if (read.status == ReadStatus::Invalid)
        services_.ui.tellFailure(this, invalidFileMessage(fname, read.problem));
    return read.position.has_value();
}

void frmgame::mnuopen_Click() {
    const QString name = CDiabox.ShowOpen(services_.ui, this);
    if (!name.isEmpty())
        OpenPebblenixFile(name);
}

void frmgame::saveTo(const QString& name) {
    if (name.isEmpty())
        return; // the dialog was cancelled
    if (const auto failure = SavePebblenixFile(name))
        //: %1 is the game file's path, %2 why it could not be written.
        services_.ui.tellFailure(this, tr("The game could not be saved.\r\n%1: %2.")
                                           .arg(QDir::toNativeSeparators(name), *failure));
}

void frmgame::mnusave_Click() {
    saveTo(gb_showsave() ? CDiabox.ShowSave(services_.ui, this) : PebblenixFile());
}

void frmgame::mnusaveas_Click() {
    saveTo(CDiabox.ShowSave(services_.ui, this));
}

void frmgame::mnuundo_Click() {
    const ReadResult read = session_.undo();
    if (read.status == ReadStatus::Invalid)
        services_.ui.tellFailure(this, invalidFileMessage(session_.undoFile(), read.problem));
}

void frmgame::mnuhint_Click() {
    withHintEngine(services_.engine, services_.ui, this, [this](const HintEngine& engine) {
        session_.markAssisted();
        const auto jump = engine.hint(toBits(session_.game().marbles()));
        if (!jump) {
            services_.ui.tellInformation(this, QCoreApplication::translate("Game", kNoFinishText));
            return;
        }
        session_.select(jump->from); // as a click would, without starting the clock
        Frame1->blink(jump->to);
    });
}

void frmgame::mnurewind_Click() {
    withHintEngine(services_.engine, services_.ui, this, [this](const HintEngine& engine) {
        const Review review = session_.review(engine); // even "it can still be won" helps
        if (review.losing) {
            rewindTo(*review.losing);
            return;
        }
        //: Game > Rewind: no jump lost the centre finish, because there never was one.
        const QString never =
            tr("This game started from a position that cannot finish with "
               "the last marble in the centre, so there is nothing to rewind to.");
        services_.ui.tellInformation(
            this,
            review.startFinishable ? QCoreApplication::translate("Game", kStillFinishText) : never);
    });
}

void frmgame::rewindTo(std::size_t jump) {
    const Result result = session_.rewind(jump);
    Frame1->stopBlinking(); // a hint shown for the position left behind is void
    report(result);
}

void frmgame::mnureview_Click() {
    withHintEngine(services_.engine, services_.ui, this, [this](const HintEngine& engine) {
        if (!frmreview) {
            frmreview = extras_->made(new ReviewDialog(this), engine);
            connect(frmreview, &ReviewDialog::goBackRequested, this, &frmgame::rewindTo);
        }
        DialogZoom::present(frmreview);
    });
}

void frmgame::mnuwinningline_Click() {
    withHintEngine(services_.engine, services_.ui, this, [this](const HintEngine& engine) {
        if (!frmwinningline) {
            frmwinningline = extras_->made(new WinningLineDialog(this, services_.ui), engine);
            connect(frmwinningline, &WinningLineDialog::playRequested, this, &frmgame::playJump);
        }
        DialogZoom::present(frmwinningline);
    });
}

void frmgame::mnurecords_Click() {
    RecordsDialog::present(frmrecords, this, services_.ui, services_.records);
}

void frmgame::Form_Resize() {
    zoom_->fixSize();
}

void frmgame::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!isMinimized() && !isMaximized() && !isFullScreen())
        Form_Resize();
}

void frmgame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (const QWindow* handle = windowHandle())
        connect(handle, &QWindow::screenChanged, zoom_, &WindowZoom::screenChanged,
                Qt::UniqueConnection);
}

void frmgame::mnuzoomin_Click() {
    zoom_->zoomIn();
}
void frmgame::mnuzoomout_Click() {
    zoom_->zoomOut();
}
void frmgame::mnuactualsize_Click() {
    zoom_->actualSize();
}
void frmgame::mnushowmoves_Click() {
    storeView(moves_->toggled());
}

bool frmgame::showJumps() const {
    return menu_->isChecked(QStringLiteral("mnushowjumps"));
}

void frmgame::mnushowjumps_Click() {
    wantVerdicts();
    refresh();
    storeView(ViewSetting::writeShowJumps(showJumps()));
}

void frmgame::storeView(const std::optional<QString>& failure) {
    if (failure)
        //: After a change in the View menu (the zoom, Show Jumps, Show Coordinates). %1 says
        //: which file could not be written and why.
        services_.ui.tellFailure(this, tr("The View menu's setting could not be saved, so the "
                                          "next game opens with the one stored before.\r\n%1.")
                                           .arg(*failure));
}

// The table is loaded in the background, as for the first hint; the marks gain their
// verdicts when it is ready, and without it they go on showing the legal holes.
void frmgame::wantVerdicts() {
    HintService& service = services_.engine;
    if (showJumps() && !service.isReady())
        service.whenReady(this, [this](const HintEngine*, const QString&) { refresh(); });
}

} // namespace pebblenix
