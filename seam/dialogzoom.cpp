#include "seam/dialogzoom.h"

#include <QApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QLayout>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace pebblenix {

namespace {

constexpr char kZoom[] = "pebblenixZoom";
constexpr char kBase[] = "pebblenixZoomBase"; // a layout's margins and spacing at 100 %

int scaled(int length, int percent) {
    return length < 0 ? length : (length * percent + 50) / 100;
}

void zoomLayout(QLayout* layout, int percent) {
    auto* form = qobject_cast<QFormLayout*>(layout);
    auto* grid = qobject_cast<QGridLayout*>(layout);
    if (!layout->property(kBase).isValid()) {
        const QMargins m = layout->contentsMargins();
        const int h = form   ? form->horizontalSpacing()
                      : grid ? grid->horizontalSpacing()
                             : layout->spacing();
        const int v = form ? form->verticalSpacing() : grid ? grid->verticalSpacing() : h;
        layout->setProperty(kBase, QVariantList{m.left(), m.top(), m.right(), m.bottom(), h, v});
    }
    const QVariantList base = layout->property(kBase).toList();
    const auto at = [&](int i) { return scaled(base[i].toInt(), percent); };
    layout->setContentsMargins(at(0), at(1), at(2), at(3));
    if (form)
        form->setHorizontalSpacing(at(4)), form->setVerticalSpacing(at(5));
    else if (grid)
        grid->setHorizontalSpacing(at(4)), grid->setVerticalSpacing(at(5));
    else
        layout->setSpacing(at(4));
}

} // namespace

void zoomDialog(QWidget* dialog, int percent) {
    if (percent == zoomOf(dialog))
        return; // and one never zoomed stays exactly as made at 100 %
    dialog->setProperty(kZoom, percent);
    for (QLayout* layout : dialog->findChildren<QLayout*>())
        zoomLayout(layout, percent);
    // Last, so that a dialog sizing itself on the font's change finds the step set.
    dialog->setFont(percent == 100 ? QFont() : zoomedFont(QApplication::font(dialog), percent));
}

QFont zoomedFont(QFont font, int percent) {
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, scaled(font.pixelSize(), percent)));
    else
        font.setPointSizeF(font.pointSizeF() * percent / 100);
    return font;
}

int zoomOf(const QWidget* dialog) {
    const QVariant zoom = dialog->property(kZoom);
    return zoom.isValid() ? zoom.toInt() : 100;
}

QSize withinScreen(const QWidget* dialog, QSize size) {
    if (const QScreen* screen = dialog->screen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    return size;
}

void DialogZoom::setPercent(int percent) {
    percent_ = percent;
    std::erase_if(dialogs_, [](const QPointer<QWidget>& dialog) { return !dialog; });
    for (const QPointer<QWidget>& dialog : dialogs_)
        zoomDialog(dialog, percent);
}

void DialogZoom::follow(QWidget* dialog) {
    dialogs_.emplace_back(dialog);
    zoomDialog(dialog, percent_);
}

void DialogZoom::present(QWidget* dialog) {
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

} // namespace pebblenix
