#include "game/game.h"

#include "game/clock.h"
#include "game/movecount.h"

#include <algorithm>

namespace pebblenix {

Position newGamePosition() {
    return startingPosition(startPosition());
}

namespace {
bool anyJumpLeft(const Marbles& m) {
    return std::any_of(allJumps().begin(), allJumps().end(),
                       [&m](const Jump& j) { return canJump(m, j.from, j.to); });
}

void applyJump(Marbles& m, const Jump& j) {
    m[static_cast<std::size_t>(j.from)] = false;
    m[static_cast<std::size_t>(j.over)] = false;
    m[static_cast<std::size_t>(j.to)] = true;
}
} // namespace

Game::Game() : position_(newGamePosition()), first_(position_.marbles) {}

Result Game::click(int cell, const BeforeJump& beforeJump) {
    clockRunning_ = !clockStopped_;
    if (selection_)
        return jump(*selection_, cell, beforeJump);
    select(cell);
    return {selection_ ? Outcome::Selected : Outcome::Nothing, {}};
}

bool Game::saveForUndo(const BeforeJump& beforeJump, Result& refused) {
    if (beforeJump) {
        if (const auto failure = beforeJump(position_)) {
            refused = {Outcome::Refused, *failure};
            return false;
        }
    }
    saved_ = Saved{position_.marbles, first_, jumps_, fromStart_, assisted_};
    return true;
}

Result Game::jump(int from, int to, const BeforeJump& beforeJump) {
    selection_.reset();
    // A selection may predate an Open or an Undo that emptied its cell; a jump from an
    // empty cell would make a marble out of nothing.
    if (!canJump(position_.marbles, from, to))
        return {Outcome::Deselected, {}};
    Result refused;
    if (!saveForUndo(beforeJump, refused))
        return refused;
    auto& m = position_.marbles;
    applyJump(m, Jump(from, to));
    if (position_.count > 0) // a hand-made file may count fewer marbles than it holds
        --position_.count;
    position_.countText = QString::number(position_.count);
    jumps_.emplace_back(from, to);
    Result result{Outcome::Jumped, {}};
    if (position_.count == 1)
        result.outcome = m[kCentre] ? Outcome::Won : Outcome::LastMarbleOffCentre;
    if (!ended_ && (position_.count == 1 || !anyJumpLeft(m))) {
        // The records take the marbles on the board, whatever a hand-made count line says.
        const int left = marblesOn(m);
        ended_ = true;
        const bool centre = left == 1 && m[kCentre];
        result.finished =
            Finish{left, centre, secondsUsed(position_.clock), assisted_,
                   centre && fromStart_ ? std::optional(moveCount(jumps_)) : std::nullopt};
    }
    return result;
}

Result Game::rewind(std::size_t jump, const BeforeJump& beforeJump) {
    if (jump >= jumps_.size())
        return {};
    Result refused;
    if (!saveForUndo(beforeJump, refused))
        return refused;
    Marbles m = first_;
    for (std::size_t i = 0; i < jump; ++i)
        applyJump(m, jumps_[i]);
    position_.marbles = m;
    const auto undone = static_cast<int>(jumps_.size() - jump);
    position_.count = static_cast<quint8>(std::min(255, position_.count + undone));
    position_.countText = QString::number(position_.count);
    jumps_.resize(jump);
    selection_.reset();
    assisted_ = true;
    ended_ = clockStopped_ = false;
    return {Outcome::Rewound, {}};
}

void Game::select(int cell) {
    if (isHole(cell) && hasMarble(cell))
        selection_ = cell;
}

bool Game::deadEnd() const {
    return marblesOn(position_.marbles) > 1 && !anyJumpLeft(position_.marbles);
}

void Game::stopClock() {
    clockRunning_ = false;
    clockStopped_ = true;
}

void Game::tick() {
    position_.clock = QString::fromStdString(clockTick(position_.clock.toStdString()));
}

void Game::setPosition(const Position& position) {
    position_ = position;
    first_ = position.marbles;
    jumps_.clear();
    fromStart_ = false;
    assisted_ = false;
    ended_ = clockStopped_ = false;
}

void Game::restore(const Position& position) {
    const Marbles before = position_.marbles;
    position_ = position;
    if (position.marbles == before)
        return; // the same position again: the list stands
    ended_ = clockStopped_ = false;
    if (saved_ && saved_->board == position.marbles) {
        first_ = saved_->first;
        jumps_ = saved_->jumps;
        fromStart_ = saved_->fromStart;
        assisted_ = assisted_ || saved_->assisted; // help taken before or since stays told
        return;
    }
    // Another copy of the game wrote the undo file: a position of its own.
    first_ = position.marbles;
    jumps_.clear();
    fromStart_ = false;
}

} // namespace pebblenix
