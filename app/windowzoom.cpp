#include "app/windowzoom.h"

#include "app/boardwidget.h"
#include "app/mainmenu.h"
#include "drawing/marblepictures.h"
#include "files/settings.h"
#include "view/zoom.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace pebblenix {

WindowZoom::WindowZoom(QMainWindow* window, const WindowControls& controls, MainMenu& menu)
    : QObject(window), window_(window), controls_(controls), menu_(menu) {}

bool WindowZoom::start(int colour, int zoom) {
    colour_ = colour;
    chosen_ = zoom;
    zoom_ = std::min(zoom, largest());
    marble_ = marblePicture(colour_, pictureScale(), zoom_);
    return !marble_.isNull();
}

void WindowZoom::layOut() {
    layOutWindow(window_->centralWidget(), controls_, zoom_);
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

int WindowZoom::pictureScale() const {
    return std::max(1, static_cast<int>(std::ceil(window_->devicePixelRatioF())));
}

int WindowZoom::largest() const {
    const QScreen* where = window_->screen();
    if (!where)
        return kZoomSteps.front();
    // The window manager's frame, once the window has one.
    const QSize frame = window_->frameGeometry().size() - window_->geometry().size();
    const int menu = window_->menuBar()->sizeHint().height();
    const bool moves = showsMovesLine(controls_);
    return largestZoom(where->availableGeometry().size(),
                       [&](int step) { return clientSize(step, moves) + QSize(0, menu) + frame; });
}

void WindowZoom::setZoom(int percent) {
    percent = std::min(percent, largest());
    if (percent == zoom_)
        return;
    zoom_ = chosen_ = percent;
    marble_ = marblePicture(colour_, pictureScale(), zoom_);
    layOut();
    emit changed();
    updateActions();
    pullInside();
    emit stored(ViewSetting::writeZoom(zoom_));
}

void WindowZoom::pullInside() {
    if (const QScreen* where = window_->screen(); where && window_->isVisible())
        window_->move(window_->pos() +
                      pebblenix::pullInside(window_->frameGeometry(), where->availableGeometry()));
}

void WindowZoom::refit() {
    if (const int fits = std::min(chosen_, largest()); fits != zoom_) {
        zoom_ = fits;
        marble_ = marblePicture(colour_, pictureScale(), zoom_);
    }
    layOut();
    emit changed();
    updateActions();
    pullInside();
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
    marble_ = marblePicture(colour_, pictureScale(), zoom_);
    controls_.Frame1->setZoom(zoom_, marble_);
    emit changed();
    updateActions();
}

} // namespace pebblenix
