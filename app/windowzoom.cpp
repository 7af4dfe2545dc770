#include "app/windowzoom.h"

#include "app/boardwidget.h"
#include "app/mainmenu.h"
#include "drawing/marblepictures.h"
#include "files/settings.h"
#include "seam/dialogzoom.h"
#include "view/zoom.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>

namespace pebblenix {

WindowZoom::WindowZoom(QMainWindow* window, const WindowControls& controls, MainMenu& menu,
                       DialogZoom& dialogs)
    : QObject(window), window_(window), controls_(controls), menu_(menu), dialogs_(dialogs) {}

bool WindowZoom::start(int colour, int zoom) {
    colour_ = colour;
    chosen_ = zoom;
    zoom_ = std::min(zoom, largest());
    marble_ = drawMarble();
    dialogs_.setPercent(zoom_);
    return !marble_.isNull();
}

QImage WindowZoom::drawMarble() const {
    return marblePicture(colour_, window_->devicePixelRatioF(), zoom_);
}

void WindowZoom::layOut() {
    layOutWindow(window_->centralWidget(), controls_, zoom_, coordinates_);
    controls_.Frame1->setZoom(zoom_, marble_);
    fixSize();
}

// A fixed size tells the window manager the window keeps one size; a resize that slips
// through is put back.
void WindowZoom::fixSize() {
    const QSize client = window_->centralWidget()->minimumSize();
    const QSize fixed(client.width(), client.height() + window_->menuBar()->sizeHint().height());
    if (window_->minimumSize() != fixed || window_->maximumSize() != fixed)
        window_->setFixedSize(fixed);
    if (window_->size() != fixed)
        window_->resize(fixed);
}

int WindowZoom::largest() const {
    const QScreen* where = window_->screen();
    if (!where)
        return kZoomSteps.front();
    // The window manager's frame, once the window has one.
    const QSize frame = window_->frameGeometry().size() - window_->geometry().size();
    const int menu = window_->menuBar()->sizeHint().height();
    const bool moves = showsMovesLine(controls_);
    return largestZoom(where->availableGeometry().size(), [&](int step) {
        return clientSize(step, moves, coordinates_) + QSize(0, menu) + frame;
    });
}

void WindowZoom::setZoom(int percent) {
    percent = std::min(percent, largest());
    if (percent == zoom_)
        return;
    chosen_ = percent;
    apply(percent);
    emit stored(ViewSetting::writeZoom(zoom_));
}

void WindowZoom::apply(int percent) {
    zoom_ = percent;
    marble_ = drawMarble();
    dialogs_.setPercent(zoom_);
    layOut();
    emit changed();
    updateActions();
    // A window grown past the screen's edge comes back inside it.
    if (const QScreen* where = window_->screen(); where && window_->isVisible())
        window_->move(window_->pos() +
                      pullInside(window_->frameGeometry(), where->availableGeometry()));
}

void WindowZoom::refit() {
    apply(std::min(chosen_, largest()));
}

void WindowZoom::setCoordinates(bool on) {
    coordinates_ = on;
    if (!marble_.isNull())
        refit();
}

void WindowZoom::updateActions() {
    menu_.item(QStringLiteral("mnuzoomin"))
        ->setEnabled(pebblenix::zoomIn(zoom_, largest()) != zoom_);
    menu_.item(QStringLiteral("mnuzoomout"))->setEnabled(pebblenix::zoomOut(zoom_) != zoom_);
    menu_.item(QStringLiteral("mnuactualsize"))->setEnabled(zoom_ != kZoomSteps.front());
}

void WindowZoom::zoomIn() {
    setZoom(pebblenix::zoomIn(zoom_, largest()));
}

void WindowZoom::zoomOut() {
    setZoom(pebblenix::zoomOut(zoom_));
}

void WindowZoom::actualSize() {
    setZoom(kZoomSteps.front());
}

void WindowZoom::screenChanged() {
    marble_ = drawMarble();
    controls_.Frame1->setZoom(zoom_, marble_);
    emit changed();
    updateActions();
}

} // namespace pebblenix
