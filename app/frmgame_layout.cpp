// The main window's controls and menus, placed as the layout was drawn in twips
// (15 twips to a pixel at 100 %), and the View menu's zoom, which scales all of it.

#include "app/accessibility.h"
#include "app/frmgame.h"
#include "drawing/fonts.h"
#include "drawing/marblepictures.h"
#include "drawing/twips.h"

#include <QAction>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QResizeEvent>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace pebblenix {

namespace {

// A caption, when given, is what a screen reader says before the label's text; it is set
// before the text because a label's accessible interface is made when its text is first set.
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text,
                  const QString& caption = QString()) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    if (!caption.isEmpty())
        setAccessibleCaption(label, caption);
    label->setText(text);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// The colour items in the order the menu shows them, with their captions.
struct ColourItem {
    int id;
    const char* caption;
};
constexpr ColourItem kColourItems[] = {
    //: The first of twelve marble colours in Game > Marble Color. The letter after & is its
    //: access key: each colour needs its own, typed without AltGr.
    {110, QT_TRANSLATE_NOOP("pebblenix::frmgame", "&White")},
    {106, QT_TRANSLATE_NOOP("pebblenix::frmgame", "&Blue")},
    {101, QT_TRANSLATE_NOOP("pebblenix::frmgame", "&Dark Blue")},
    {108, QT_TRANSLATE_NOOP("pebblenix::frmgame", "&Sky Blue")},
    {104, QT_TRANSLATE_NOOP("pebblenix::frmgame", "&Green")},
    {111, QT_TRANSLATE_NOOP("pebblenix::frmgame", "&Military Green")},
    {103, QT_TRANSLATE_NOOP("pebblenix::frmgame", "&Yellow")},
    {105, QT_TRANSLATE_NOOP("pebblenix::frmgame", "&Pink")},
    {102, QT_TRANSLATE_NOOP("pebblenix::frmgame", "&Red")},
    {107, QT_TRANSLATE_NOOP("pebblenix::frmgame", "Purp&le")},
    {109, QT_TRANSLATE_NOOP("pebblenix::frmgame", "Br&own")},
    {112, QT_TRANSLATE_NOOP("pebblenix::frmgame", "Blac&k")}};

// The captions of the clock and the count share one size: the largest at which each fits
// its control, not below the readable floor. One that does not fit even there wraps at
// words onto the lines its room allows (the height down to the value below it).
void fitCaptions(const QFont& font, std::initializer_list<std::pair<QLabel*, int>> captions) {
    int size = font.pixelSize();
    for (const auto& [label, room] : captions) {
        fitFont(label, font, {label->text()}, label->wordWrap());
        size = std::min(size, label->font().pixelSize());
    }
    for (const auto& [label, room] : captions) {
        QFont shared = label->font(); // keeps the fallback families a text may need
        shared.setPixelSize(size);
        label->setFont(shared);
        if (!textFits(label, label->text(), label->wordWrap())) {
            label->setWordWrap(true);
            label->resize(label->width(), std::min(room, label->heightForWidth(label->width())));
        }
    }
}

} // namespace

frmgame::frmgame() {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("frmgame"));
    setWindowTitle(QString::fromLatin1(kProgramTitle));
    // A title bar with the window menu and a close button, but no minimise or maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowIcon(applicationIcon());
    buildControls();
    buildMenus();
}

void frmgame::buildControls() {
    installAccessibility();
    setCentralWidget(new QWidget(this));
    QWidget* client = centralWidget();

    Text1 = new QLineEdit(client);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setText(QStringLiteral("Pebblenix developers \u2022 pebblenix@example.org \u2022 "
                                  "pebblenix.example.org"));
    Text1->setReadOnly(true);
    Text1->setFrame(false);
    Text1->setCursorPosition(0);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    //: The file type in the Open and Save dialogs; keep "(*.pnx)" as it is.
    CDiabox.Filter = tr("Pebblenix Files (*.pnx)");
    connect(Timer1, &QTimer::timeout, this, &frmgame::Timer1_Timer);

    Frame1 = new QGroupBox(client);
    Frame1->setObjectName(QStringLiteral("Frame1"));

    for (int i = 0; i < kCells; ++i) {
        auto* cell = new BoardCell(i, Frame1);
        cell->setObjectName(QStringLiteral("pic%1").arg(i));
        connect(cell, &BoardCell::clicked, this, &frmgame::pic_Click);
        connect(cell, &BoardCell::moveFocus, this, &frmgame::moveBoardFocus);
        connect(cell, &BoardCell::dragged, this, &frmgame::marbleDragged);
        connect(cell, &BoardCell::dropped, this, &frmgame::marbleDropped);
        connect(cell, &BoardCell::dragCancelled, this, &frmgame::endDrag);
        pic[static_cast<std::size_t>(i)] = cell;
    }

    //: The caption above the marble count in the main window: two lines of about ten
    //: characters, three at most.
    const QString marblesCaption = tr("Marbles On Board");
    //: The caption above the countdown clock in the main window: one line of about
    //: thirteen characters, two at most.
    const QString timeCaption = tr("Time on Hand");
    Label1[1] = makeLabel(client, QStringLiteral("Label1_1"), marblesCaption);
    Label1[1]->setWordWrap(true);
    lblmarbles_On_hand = makeLabel(client, QStringLiteral("lblmarbles_On_hand"),
                                   QStringLiteral("32"), marblesCaption);
    Label1[0] = makeLabel(client, QStringLiteral("Label1_0"), timeCaption);
    lbltime = makeLabel(client, QStringLiteral("lbltime"), QStringLiteral("120"), timeCaption);

    pic[kCentre]->setFocus(Qt::ActiveWindowFocusReason); // arrow keys start from the centre
}

QSize frmgame::clientSize(int zoom) {
    return {px(kClientWidth * 15, zoom), px(kClientHeight * 15, zoom)};
}

// Every length in twips and every font size is multiplied by the zoom, so that the window
// at 100 % is exactly the window as drawn and at each step the same window, larger.
void frmgame::layOut() {
    const auto place = [this](QWidget* control, int left, int top, int width, int height) {
        control->setGeometry(px(left, zoom_), px(top, zoom_), px(width, zoom_), px(height, zoom_));
    };
    const auto font = [this](FontKind kind, double points) {
        return layoutFont(kind, points * zoom_ / 100, true);
    };
    centralWidget()->setFixedSize(clientSize(zoom_));

    place(Text1, 120, 3960, 5535, 285);
    // The contact line is the same in every language and takes the size that fits it on
    // its one line.
    fitFont(Text1, font(FontKind::Serif, 8.25), {Text1->text()}, false, QString(), kAnySize);

    place(Frame1, 240, 120, 3735, 3735);
    for (int i = 0; i < kCells; ++i) {
        BoardCell* cell = pic[static_cast<std::size_t>(i)];
        place(cell, 240 + 480 * (i % kSide), 240 + 480 * (i / kSide), 375, 375);
        cell->setZoom(zoom_);
    }

    const QFont captionFont = font(FontKind::SansSerif, 9.75);
    const QFont numberFont = font(FontKind::Garamond, 12);

    place(Label1[1], 4200, 1800, 1095, 495);
    place(lblmarbles_On_hand, 4920, 2520, 375, 255);
    // The count and the clock show what a game file holds, read as Latin-1, the same in
    // every language.
    fitFont(lblmarbles_On_hand, numberFont, {QStringLiteral("255")}, false, latin1Printable(),
            kAnySize);
    place(Label1[0], 4080, 720, 1575, 255);
    place(lbltime, 4200, 1200, 1335, 255);
    fitFont(lbltime, numberFont, {QStringLiteral("TimeOut!!")}, false, latin1Printable(), kAnySize);

    Label1[0]->setWordWrap(false); // it may have needed two lines at another zoom
    fitCaptions(captionFont,
                {{Label1[0], px(1200 - 720, zoom_)}, {Label1[1], px(2520 - 1800, zoom_)}});

    Form_Resize();
}

// Arrow keys walk over the holes; a step that would land off the board jumps the corner
// to the next hole in that direction, or stays put at the edge.
void frmgame::moveBoardFocus(int index, int dx, int dy) {
    int x = index % kSide, y = index / kSide;
    for (;;) {
        x += dx;
        y += dy;
        if (x < 0 || x >= kSide || y < 0 || y >= kSide)
            return;
        const int next = y * kSide + x;
        if (isHole(next)) {
            pic[static_cast<std::size_t>(next)]->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void frmgame::buildMenus() {
    //: The first menu of the menu bar. The letter after & is the access key (Alt and that
    //: letter): the menu bar's keys and each menu's keys must differ from one another and
    //: be typed without AltGr.
    QMenu* game = menuBar()->addMenu(tr("&Game"));
    game->setObjectName(QStringLiteral("mnugame"));
    const auto item = [this](QMenu* menu, const QString& name, const QString& caption,
                             const QKeySequence& key, void (frmgame::*handler)()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    mnunew = item(game, QStringLiteral("mnunew"), tr("&New"), QKeySequence(Qt::CTRL | Qt::Key_N),
                  &frmgame::mnunew_Click);
    mnuopen = item(game, QStringLiteral("mnuopen"), tr("&Open"), QKeySequence(Qt::CTRL | Qt::Key_O),
                   &frmgame::mnuopen_Click);
    mnusave = item(game, QStringLiteral("mnusave"), tr("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S),
                   &frmgame::mnusave_Click);
    mnusaveas = item(game, QStringLiteral("mnusaveas"), tr("Save &As"), QKeySequence(),
                     &frmgame::mnusaveas_Click);
    mnuundo = item(game, QStringLiteral("mnuundo"), tr("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z),
                   &frmgame::mnuundo_Click);
    mnuhint = item(game, QStringLiteral("mnuhint"), tr("&Hint"), QKeySequence(Qt::CTRL | Qt::Key_H),
                   &frmgame::mnuhint_Click);
    //: Takes the board back to just before the jump after which the last marble could no
    //: longer finish in the centre.
    mnurewind = item(game, QStringLiteral("mnurewind"), tr("&Rewind to Last Winnable Position"),
                     QKeySequence(Qt::CTRL | Qt::Key_R), &frmgame::mnurewind_Click);
    //: Opens a list of the game's jumps that shows which one lost the centre finish.
    mnureview = item(game, QStringLiteral("mnureview"), tr("Re&view Game\u2026"), QKeySequence(),
                     &frmgame::mnureview_Click);
    mnuwinningline = item(game, QStringLiteral("mnuwinningline"), tr("Winning &Line\u2026"),
                          QKeySequence(Qt::CTRL | Qt::Key_L), &frmgame::mnuwinningline_Click);
    mnurecords = item(game, QStringLiteral("mnurecords"), tr("R&ecords\u2026"), QKeySequence(),
                      &frmgame::mnurecords_Click);

    //: A submenu of Game: the twelve marble colours.
    QMenu* colours = game->addMenu(tr("Marble &Color"));
    colours->setObjectName(QStringLiteral("mnucolor"));
    for (const ColourItem& c : kColourItems) {
        QAction* action = colours->addAction(tr(c.caption));
        action->setObjectName(QStringLiteral("mnu%1").arg(c.id));
        const auto id = static_cast<quint8>(c.id);
        connect(action, &QAction::triggered, this, [this, id] { SaveMarbleColor(id); });
        mnuColour[c.id] = action;
    }

    mnuexit =
        item(game, QStringLiteral("mnuexit"), tr("E&xit"), QKeySequence(), &frmgame::mnuexit_Click);

    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("mnuview"));
    mnuzoomin = item(view, QStringLiteral("mnuzoomin"), tr("Zoom &In"), QKeySequence(),
                     &frmgame::mnuzoomin_Click);
    mnuzoomin->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    mnuzoomout = item(view, QStringLiteral("mnuzoomout"), tr("Zoom &Out"),
                      QKeySequence(Qt::CTRL | Qt::Key_Minus), &frmgame::mnuzoomout_Click);
    mnuactualsize = item(view, QStringLiteral("mnuactualsize"), tr("&Actual Size"),
                         QKeySequence(Qt::CTRL | Qt::Key_0), &frmgame::mnuactualsize_Click);
    view->addSeparator();
    mnushowjumps = item(view, QStringLiteral("mnushowjumps"), tr("Show &Jumps"), QKeySequence(),
                        &frmgame::mnushowjumps_Click);
    mnushowjumps->setCheckable(true);
    //: Shown as the tip of the View menu's Show Jumps item.
    mnushowjumps->setStatusTip(tr("Marks the holes the picked-up marble can jump to: a filled "
                                  "ring where the jump keeps a finish with the last marble in "
                                  "the centre possible, a hollow ring where it loses it, and a "
                                  "small dot while the game cannot tell."));
    mnushowjumps->setToolTip(mnushowjumps->statusTip());
    view->setToolTipsVisible(true); // the window has no status bar to show the tip in
    // The screen and the window's frame may have changed since the last look.
    connect(view, &QMenu::aboutToShow, this, &frmgame::updateZoomActions);

    //: The last menu of the menu bar; its access key must differ from Game's and View's.
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    mnuabout = item(help, QStringLiteral("mnuabout"), tr("&About Pebblenix"), QKeySequence(),
                    &frmgame::mnuabout_Click);
}

// The window keeps one size at each zoom step; a fixed size tells the window manager so,
// and a resize that slips through is put back.
void frmgame::Form_Resize() {
    const QSize client = centralWidget()->minimumSize();
    const QSize fixed(client.width(), client.height() + menuBar()->sizeHint().height());
    if (minimumSize() != fixed || maximumSize() != fixed)
        setFixedSize(fixed);
    if (size() != fixed)
        resize(fixed);
}

void frmgame::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!isMinimized() && !isMaximized() && !isFullScreen())
        Form_Resize();
}

} // namespace pebblenix
