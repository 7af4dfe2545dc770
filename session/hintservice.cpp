#include "session/hintservice.h"

#include <QThread>

namespace pebblenix {

HintService::HintService(const QString& path, QObject* parent) : QObject(parent), path_(path) {}

// A table still loading when the program ends is waited for, not torn from under it.
HintService::~HintService() {
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

} // namespace pebblenix
