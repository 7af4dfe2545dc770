#include "app/challengecommands.h"

#include "app/boardwidget.h"
#include "app/enginewait.h"
#include "app/frmgame.h"
#include "app/problemsdialog.h"
#include "app/services.h"
#include "app/setupdialog.h"
#include "app/windowzoom.h"
#include "files/recordsfile.h"
#include "game/dailyproblem.h"
#include "game/difficulty.h"
#include "seam/dialogzoom.h"
#include "seam/uiseam.h"
#include "session/hintservice.h"

#include <QApplication>
#include <QDir>
#include <QThread>

namespace pebblenix {

ChallengeCommands::ChallengeCommands(frmgame* window, Services& services)
    : QObject(window), window_(window), services_(services) {
    setObjectName(QStringLiteral("challenges"));
    connect(&window->session(), &GameSession::boardChanged, this, &ChallengeCommands::showTitle);
}

ChallengeCommands::~ChallengeCommands() {
    if (today_)
        today_->wait();
}

void ChallengeCommands::play(const Position& position, const Challenge& challenge) {
    if (!window_->session().game().jumps().empty() && !window_->confirmNewGame())
        return;
    if (frmgame* fresh = window_->replaceWindow())
        fresh->session().start(position, challenge);
}

void ChallengeCommands::showTitle() {
    const Challenge* playing = window_->session().challenge();
    const QString program = QString::fromLatin1(kProgramTitle);
    if (!playing || playing->title.isEmpty()) {
        window_->setWindowTitle(program);
        return;
    }
    //: The main window's title while a problem is played: %1 is what is played ("Cross",
    //: "Today's Problem (Hard)"), %2 the program's name.
    window_->setWindowTitle(tr("%1 - %2").arg(playing->title, program));
}

void ChallengeCommands::mnuproblems_Click() {
    if (!problems_) {
        const Challenge* playing = window_->session().challenge();
        problems_ = services_.ui.dialogZoom.made(new ProblemsDialog(
            window_, findProblemFolder(QCoreApplication::applicationDirPath()),
            services_.records.read(),
            playing && playing->kind == Challenge::Kind::Problem ? playing->problem : QString()));
        connect(&services_.records, &RecordsFile::changed, problems_, &ProblemsDialog::showRecords);
        connect(problems_, &ProblemsDialog::playRequested, this, [this](ProblemRow row) {
            play(*row.position,
                 {Challenge::Kind::Problem, row.id, QDate(), problemName(row.entry.name)});
        });
    }
    DialogZoom::present(problems_);
}

void ChallengeCommands::mnutoday_Click() {
    const QDate today = QDate::currentDate();
    const auto start = [this](const QDate& day, const DailyProblem& problem) {
        //: The main window's title names it so while it is played. %1 is its grade, such
        //: as "Hard".
        const QString title = tr("Today's Problem (%1)").arg(gradeName(gradeOf(problem.chance)));
        play(problem.position, {Challenge::Kind::Daily, QString(), day, title});
    };
    withHintEngine(services_.engine, services_.ui, window_,
                   [this, today, start](const HintEngine& engine) {
                       if (services_.lastDay && services_.lastDay->first == today) {
                           start(today, services_.lastDay->second);
                           return;
                       }
                       if (today_)
                           return; // being made: it starts when it is ready
                       // Off the window's thread: a Sunday's takes up to 1.5 s.
                       QApplication::setOverrideCursor(Qt::BusyCursor);
                       QThread* worker = today_ = QThread::create([this, today, start, &engine] {
                           const DailyProblem problem = dailyProblem(today, engine);
                           QMetaObject::invokeMethod(
                               this,
                               [this, today, start, problem] {
                                   services_.lastDay = {today, problem};
                                   start(today, problem);
                               },
                               Qt::QueuedConnection);
                       });
                       // Whatever becomes of the window by then, the cursor comes back.
                       connect(worker, &QThread::finished, qApp,
                               [] { QApplication::restoreOverrideCursor(); });
                       connect(worker, &QThread::finished, worker, &QObject::deleteLater);
                       worker->start();
                   });
}

void ChallengeCommands::mnusetup_Click() {
    withHintEngine(services_.engine, services_.ui, window_, [this](const HintEngine& engine) {
        if (!setUp_) {
            setUp_ = services_.ui.dialogZoom.made(
                new SetUpDialog(window_, window_->session().game().marbles(),
                                window_->Frame1->marble(), window_->Frame1->zoom(), engine));
            connect(setUp_, &SetUpDialog::playRequested, this, [this](const Marbles& board) {
                play(startingPosition(board), {Challenge::Kind::SetUp, QString(), QDate(), {}});
            });
            connect(setUp_, &SetUpDialog::saveRequested, this, &ChallengeCommands::saveBoard);
            // Its board follows the window's, which is laid out at the new step by then.
            connect(window_->findChild<WindowZoom*>(), &WindowZoom::changed, setUp_, [this] {
                setUp_->setZoom(window_->Frame1->zoom(), window_->Frame1->marble());
            });
            services_.engine.whenMovesReady( // not called once the dialog is gone
                setUp_, [dialog = setUp_.data()](const FewestMoves* moves, const QString&) {
                    dialog->setMoves(moves);
                });
        }
        DialogZoom::present(setUp_);
    });
}

void ChallengeCommands::saveBoard(const Marbles& board) {
    const QString name = window_->CDiabox.ShowSave(services_.ui, setUp_);
    if (name.isEmpty())
        return; // the dialog was cancelled
    if (const auto failure = writeGameFile(name, startingPosition(board)))
        //: %1 is the game file's path, %2 why it could not be written.
        services_.ui.tellFailure(setUp_, tr("The position could not be saved.\r\n%1: %2.")
                                             .arg(QDir::toNativeSeparators(name), *failure));
}

} // namespace pebblenix
