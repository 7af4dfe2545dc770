#pragma once
// Help > How to Play: the rules, the ways to move, what each mark on the board means, the
// help the game gives, the records and the problems, in a window that scrolls and follows
// the zoom step. Its pictures are drawn by the board's own cells.

#include <QDialog>
#include <QPointer>

class QTextBrowser;

namespace pebblenix {

class DialogZoom;

class HowToPlayDialog : public QDialog {
    Q_OBJECT
public:
    HowToPlayDialog();

    // Shows the one held in `open`, making it first when there is none. It has no owner
    // window, so a new game leaves it open, and it does not keep the program running.
    static void present(QPointer<HowToPlayDialog>& open, DialogZoom& zoom);

    QTextBrowser* text = nullptr;

protected:
    void changeEvent(QEvent* event) override;

private:
    // The text at the font's size, its pictures drawn for the zoom step.
    void fill();
};

} // namespace pebblenix
