#pragma once
// The hint engine, made once for the program and handed to whoever needs it. Nothing is read
// before the first hint; then the table of solutions is read and checked on a worker
// thread, so the window never waits. The table of fewest moves, which needs the table of
// solutions, is read the same way, after it, only when fewest moves are first wanted.

#include "files/solutionfile.h"
#include "game/fewestmoves.h"
#include "game/hint.h"

#include <QObject>
#include <QPointer>
#include <QThread>
#include <functional>
#include <memory>
#include <vector>

namespace pebblenix {

class HintService : public QObject {
    Q_OBJECT
public:
    using Ready = std::function<void(const HintEngine* engine, const QString& error)>;
    using MovesReady = std::function<void(const FewestMoves* engine, const QString& error)>;

    // The tables are read from `path` and `movesPath` when first wanted.
    explicit HintService(const QString& path, const QString& movesPath = QString(),
                         QObject* parent = nullptr);
    ~HintService() override;

    // Calls `ready` on the user-interface thread once the engine is ready, or with the
    // reason it cannot be; not at all if `context` is gone by then.
    void whenReady(QObject* context, Ready ready);
    bool isReady() const { return state_ == State::Ready || state_ == State::Failed; }
    // The engine once the table is loaded; nothing before or when it cannot be.
    const HintEngine* engine() const { return engine_.get(); }

    // The same for the engine of fewest moves.
    void whenMovesReady(QObject* context, MovesReady ready);
    bool movesReady() const { return moves_ == State::Ready || moves_ == State::Failed; }
    const FewestMoves* fewestMoves() const { return fewest_.get(); }
    const QString& movesError() const { return movesError_; }

private:
    enum class State { Idle, Loading, Ready, Failed };
    void finished(std::shared_ptr<SolutionFile> file, const QString& error);
    void movesFinished(std::shared_ptr<MoveFile> file, const QString& error);

    QString path_;
    QString movesPath_;
    State state_ = State::Idle;
    State moves_ = State::Idle;
    QPointer<QThread> worker_;
    QPointer<QThread> movesWorker_;
    // Each after what it refers to, so that it goes first.
    std::shared_ptr<SolutionFile> file_;
    std::unique_ptr<HintEngine> engine_;
    std::shared_ptr<MoveFile> movesFile_;
    std::unique_ptr<FewestMoves> fewest_;
    QString error_;
    QString movesError_;
    std::vector<std::pair<QPointer<QObject>, Ready>> waiting_;
    std::vector<std::pair<QPointer<QObject>, MovesReady>> movesWaiting_;
};

} // namespace pebblenix
