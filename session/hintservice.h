#pragma once
// The hint engine, made once for the program and handed to whoever needs it. Nothing is read
// before the first hint; then the table of solutions is read and checked on a worker
// thread, so the window never waits.

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

    // The table is read from `path` when the engine is first wanted.
    explicit HintService(const QString& path, QObject* parent = nullptr);
    ~HintService() override;

    // Calls `ready` on the user-interface thread once the engine is ready, or with the
    // reason it cannot be; not at all if `context` is gone by then.
    void whenReady(QObject* context, Ready ready);
    bool isReady() const { return state_ == State::Ready || state_ == State::Failed; }
    // The engine once the table is loaded; nothing before or when it cannot be.
    const HintEngine* engine() const { return engine_.get(); }

    using MovesReady = std::function<void(const FewestMoves* moves, const QString& error)>;
    // The same for the fewest moves, whose table is read on a worker thread after the
    // table of solutions, which it needs: only when first wanted, as it adds 12 MB.
    void whenMovesReady(QObject* context, MovesReady ready);
    const FewestMoves* moves() const { return moves_.get(); }

private:
    enum class State { Idle, Loading, Ready, Failed };
    void finished(std::shared_ptr<SolutionFile> file, const QString& error);
    void readMoves();
    void movesFinished(std::shared_ptr<MoveFile> file, const QString& error);

    QString path_;
    State state_ = State::Idle;
    QPointer<QThread> worker_;
    std::shared_ptr<SolutionFile> file_;
    std::unique_ptr<HintEngine> engine_;
    QString error_;
    std::vector<std::pair<QPointer<QObject>, Ready>> waiting_;
    State movesState_ = State::Idle;
    QPointer<QThread> movesWorker_;
    std::shared_ptr<MoveFile> moveFile_;
    std::unique_ptr<FewestMoves> moves_;
    QString movesError_;
    std::vector<std::pair<QPointer<QObject>, MovesReady>> movesWaiting_;
};

} // namespace pebblenix
