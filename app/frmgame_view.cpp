// The View menu: the zoom steps, which scale the whole window, and Show Jumps, which marks
// the holes the picked-up marble can jump to.

#include "app/frmgame.h"

#include "drawing/marblepictures.h"
#include "files/settings.h"
#include "game/bitboard.h"
#include "session/hintservice.h"

#include <QAction>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace pebblenix {

int frmgame::pictureScale() const {
    return std::max(1, static_cast<int>(std::ceil(devicePixelRatioF())));
}

int frmgame::largestZoom() const {
    const QScreen* where = screen();
    if (!where)
        return kZoomSteps.front();
    const QSize room = where->availableGeometry().size();
    // The window manager's frame, once the window has one.
    const QSize frame = frameGeometry().size() - geometry().size();
    const int menu = menuBar()->sizeHint().height();
    int largest = kZoomSteps.front();
    for (int step : kZoomSteps) {
        const QSize need = clientSize(step) + QSize(0, menu) + frame;
        if (need.width() <= room.width() && need.height() <= room.height())
            largest = step;
    }
    return largest;
}

void frmgame::setZoom(int percent) {
    percent = std::min(percent, largestZoom());
    if (percent == zoom_)
        return;
    endDrag(); // a marble dragged at the old size starts again at the new one
    zoom_ = percent;
    marble_ = marblePicture(colid, pictureScale(), zoom_);
    layOut();
    refresh();
    updateZoomActions();
    // A window grown past the screen's edge comes back inside it.
    if (const QScreen* where = screen(); where && isVisible()) {
        const QRect room = where->availableGeometry();
        const QRect frame = frameGeometry();
        move(pos() +
             QPoint(
                 std::max(room.left() - frame.left(), std::min(0, room.right() - frame.right())),
                 std::max(room.top() - frame.top(), std::min(0, room.bottom() - frame.bottom()))));
    }
    storeView(ViewSetting::writeZoom(zoom_));
}

void frmgame::updateZoomActions() {
    mnuzoomin->setEnabled(zoom_ < largestZoom());
    mnuzoomout->setEnabled(zoom_ > kZoomSteps.front());
    mnuactualsize->setEnabled(zoom_ != kZoomSteps.front());
}

void frmgame::mnuzoomin_Click() {
    const auto next = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), zoom_);
    if (next != kZoomSteps.end() && *next <= largestZoom()) // never a step down
        setZoom(*next);
}

void frmgame::screenChanged() {
    marble_ = marblePicture(colid, pictureScale(), zoom_);
    refresh();
    updateZoomActions();
}

void frmgame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (const QWindow* handle = windowHandle())
        connect(handle, &QWindow::screenChanged, this, &frmgame::screenChanged,
                Qt::UniqueConnection);
}

void frmgame::mnuzoomout_Click() {
    const auto here = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), zoom_);
    if (here != kZoomSteps.begin())
        setZoom(*std::prev(here));
}

void frmgame::mnuactualsize_Click() {
    setZoom(kZoomSteps.front());
}

void frmgame::mnushowjumps_Click() {
    wantVerdicts();
    refresh();
    storeView(ViewSetting::writeShowJumps(mnushowjumps->isChecked()));
}

void frmgame::storeView(const std::optional<QString>& failure) {
    if (failure)
        //: After a change in the View menu (the zoom, Show Jumps). %1 says which file could
        //: not be written and why.
        tellFailure(this, tr("The View menu's setting could not be saved, so the next game "
                             "opens with the one stored before.\r\n%1.")
                              .arg(*failure));
}

// The table is loaded in the background, as for the first hint; the marks gain their
// verdicts when it is ready, and without it they go on showing the legal holes.
void frmgame::wantVerdicts() {
    HintService& service = HintService::instance();
    if (mnushowjumps->isChecked() && !service.isReady())
        service.whenReady(this, [this](const HintEngine*, const QString&) { refresh(); });
}

std::array<JumpMark, kCells> frmgame::jumpMarks(std::optional<int> picked) const {
    std::array<JumpMark, kCells> marks{};
    if (!mnushowjumps->isChecked() || !picked)
        return marks;
    const HintEngine* engine = HintService::instance().engine();
    const Bits board = toBits(game.marbles());
    for (int to : jumpTargets(game.marbles(), *picked)) {
        JumpMark& mark = marks[static_cast<std::size_t>(to)];
        if (!engine)
            mark = JumpMark::Legal;
        else if (engine->canFinishInCentre(afterJump(board, Jump(*picked, to))))
            mark = JumpMark::KeepsFinish;
        else
            mark = JumpMark::LosesFinish;
    }
    return marks;
}

} // namespace pebblenix
