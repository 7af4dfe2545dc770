#include "session/hintservice.h"

#include <QThread>

namespace pebblenix {

HintService::HintService(const QString& path, const QString& movesPath, QObject* parent)
    : QObject(parent), path_(path), movesPath_(movesPath) {}

// A table still loading when the program ends is waited for, not torn from under it.
HintService::~HintService() {
    if (movesWorker_)
        movesWorker_->wait();
    if (worker_)
        worker_->wait();
}

void HintService::whenReady(QObject* context, Ready ready) {
    if (isReady()) {
        ready(engine_.get(), error_);
        return;
    }
    waiting_.emplace_back(context, std::move(ready));
    if (state_ == State::Loading)
        return;
    state_ = State::Loading;
    QThread* worker = worker_ = QThread::create([this, path = path_] {
        QString error;
        std::shared_ptr<SolutionFile> file = SolutionFile::open(path, error);
        // Back on the user-interface thread with the result.
        QMetaObject::invokeMethod(
            this, [this, file, error] { finished(file, error); }, Qt::QueuedConnection);
    });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    worker->start();
}

void HintService::finished(std::shared_ptr<SolutionFile> file, const QString& error) {
    file_ = std::move(file);
    error_ = error;
    if (file_)
        engine_ = std::make_unique<HintEngine>(file_->table());
    state_ = file_ ? State::Ready : State::Failed;
    auto waiting = std::move(waiting_);
    waiting_.clear();
    for (auto& [context, ready] : waiting)
        if (context)
            ready(engine_.get(), error_);
}

void HintService::whenMovesReady(QObject* context, MovesReady ready) {
    if (movesReady()) {
        ready(fewest_.get(), movesError_);
        return;
    }
    movesWaiting_.emplace_back(context, std::move(ready));
    if (moves_ == State::Loading)
        return;
    moves_ = State::Loading;
    // The table of solutions first: the table of fewest moves is checked against it.
    whenReady(this, [this](const HintEngine* engine, const QString& error) {
        if (!engine) {
            movesFinished(nullptr, error);
            return;
        }
        QThread* worker = movesWorker_ = QThread::create([this, path = movesPath_,
                                                          &hints = file_->table()] {
            QString error;
            std::shared_ptr<MoveFile> file = MoveFile::open(path, hints, error);
            QMetaObject::invokeMethod(
                this, [this, file, error] { movesFinished(file, error); }, Qt::QueuedConnection);
        });
        connect(worker, &QThread::finished, worker, &QObject::deleteLater);
        worker->start();
    });
}

void HintService::movesFinished(std::shared_ptr<MoveFile> file, const QString& error) {
    movesFile_ = std::move(file);
    movesError_ = error;
    if (movesFile_)
        fewest_ = std::make_unique<FewestMoves>(file_->table(), movesFile_->table());
    moves_ = movesFile_ ? State::Ready : State::Failed;
    auto waiting = std::move(movesWaiting_);
    movesWaiting_.clear();
    for (auto& [context, ready] : waiting)
        if (context)
            ready(fewest_.get(), movesError_);
}

} // namespace pebblenix
