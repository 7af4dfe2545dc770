#include "app/windowlayout.h"

#include "app/accessibility.h"
#include "app/boardwidget.h"
#include "app/movesline.h"
#include "drawing/fonts.h"
#include "drawing/twips.h"
#include "game/board.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <utility>

namespace pebblenix {

namespace {

QString translated(const char* text) {
    return QCoreApplication::translate("pebblenix::frmgame", text);
}

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

// The band the coordinates take above and left of the board, in twips.
constexpr int kCoordinateBand = 240;

// The letters above the columns and the numbers left of the rows, centred on the holes'
// squares (480 twips apart, 240 inside the frame), just outside the frame.
void placeCoordinates(const WindowControls& c, int zoom, bool shown) {
    const QFont font = layoutFont(FontKind::SansSerif, 8.25 * zoom / 100, true);
    const int frame = 240 + kCoordinateBand, first = 240 + 375 / 2 - 240;
    for (int i = 0; i < 2 * kSide; ++i) {
        QLabel* label = c.coordinates[std::size_t(i)];
        label->setVisible(shown);
        if (!shown)
            continue; // a font of a new size costs start-up time
        const int along = frame + first + 480 * (i % kSide);
        if (i < kSide) { // a letter, above its column
            label->setGeometry(px(along, zoom), px(60, zoom), px(480, zoom), px(240, zoom));
            label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        } else { // a number, left of its row
            label->setGeometry(px(120, zoom), px(along - 120, zoom), px(300, zoom), px(480, zoom));
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
        fitFont(label, font, {label->text()}, false, QString(), kAnySize);
    }
}

} // namespace

namespace {
// The line of moves: its labels' top and the height it adds to the window, in twips.
constexpr int kMovesTop = kClientHeight * 15;
constexpr int kMovesLine = 345;
} // namespace

QSize clientSize(int zoom, bool movesLine, bool coordinates) {
    const int band = coordinates ? kCoordinateBand : 0;
    return {px(kClientWidth * 15 + band, zoom),
            px(kClientHeight * 15 + band + (movesLine ? kMovesLine : 0), zoom)};
}

bool showsMovesLine(const WindowControls& controls) {
    return !controls.lblmoves[0]->isHidden();
}

WindowControls buildWindowControls(QWidget* client) {
    installAccessibility();
    WindowControls c;
    c.Text1 = new QLineEdit(client);
    c.Text1->setObjectName(QStringLiteral("Text1"));
    c.Text1->setText(QStringLiteral("Pebblenix developers \u2022 pebblenix@example.org \u2022 "
                                    "pebblenix.example.org"));
    c.Text1->setReadOnly(true);
    c.Text1->setFrame(false);
    c.Text1->setCursorPosition(0);

    c.Frame1 = new BoardWidget(client);

    //: The caption above the marble count in the main window: two lines of about ten
    //: characters, three at most.
    const QString marblesCaption =
        translated(QT_TRANSLATE_NOOP("pebblenix::frmgame", "Marbles On Board"));
    //: The caption above the countdown clock in the main window: one line of about
    //: thirteen characters, two at most.
    const QString timeCaption = translated(QT_TRANSLATE_NOOP("pebblenix::frmgame", "Time on Hand"));
    c.Label1[1] = makeLabel(client, QStringLiteral("Label1_1"), marblesCaption);
    c.Label1[1]->setWordWrap(true);
    c.lblmarbles_On_hand = makeLabel(client, QStringLiteral("lblmarbles_On_hand"),
                                     QStringLiteral("32"), marblesCaption);
    c.Label1[0] = makeLabel(client, QStringLiteral("Label1_0"), timeCaption);
    c.lbltime = makeLabel(client, QStringLiteral("lbltime"), QStringLiteral("120"), timeCaption);
    c.lblmoves = {makeLabel(client, QStringLiteral("lblmoves"), QString()),
                  makeLabel(client, QStringLiteral("lblfewest"), QString())};
    c.lblmoves[1]->setAlignment(Qt::AlignRight | Qt::AlignTop);
    for (QLabel* label : c.lblmoves)
        label->hide();
    for (int i = 0; i < 2 * kSide; ++i) { // the notation every text uses: d4 is the centre
        const QChar name = i < kSide ? QChar('a' + i) : QChar('1' + i - kSide);
        c.coordinates[std::size_t(i)] =
            makeLabel(client, QStringLiteral("coordinate_") + name, QString(name));
        c.coordinates[std::size_t(i)]->hide();
    }
    return c;
}

void layOutWindow(QWidget* client, const WindowControls& c, int zoom, bool coordinates) {
    const int band = coordinates ? kCoordinateBand : 0; // everything moves right and down
    const auto place = [zoom, band](QWidget* control, int left, int top, int width, int height) {
        control->setGeometry(px(left + band, zoom), px(top + band, zoom), px(width, zoom),
                             px(height, zoom));
    };
    const auto font = [zoom](FontKind kind, double points) {
        return layoutFont(kind, points * zoom / 100, true);
    };
    client->setFixedSize(clientSize(zoom, showsMovesLine(c), coordinates));

    place(c.Text1, 120 - band, 3960, 5535 + band, 285);
    // The contact line is the same in every language and takes the size that fits it on
    // its one line.
    fitFont(c.Text1, font(FontKind::Serif, 8.25), {c.Text1->text()}, false, QString(), kAnySize);

    place(c.Frame1, 240, 120, kBoardTwips, kBoardTwips);

    const QFont captionFont = font(FontKind::SansSerif, 9.75);
    const QFont numberFont = font(FontKind::Garamond, 12);

    place(c.Label1[1], 4200, 1800, 1095, 495);
    place(c.lblmarbles_On_hand, 4920, 2520, 375, 255);
    // The count and the clock show what a game file holds, read as Latin-1, the same in
    // every language.
    fitFont(c.lblmarbles_On_hand, numberFont, {QStringLiteral("255")}, false, latin1Printable(),
            kAnySize);
    place(c.Label1[0], 4080, 720, 1575, 255);
    place(c.lbltime, 4200, 1200, 1335, 255);
    fitFont(c.lbltime, numberFont, {QStringLiteral("TimeOut!!")}, false, latin1Printable(),
            kAnySize);

    c.Label1[0]->setWordWrap(false); // it may have needed two lines at another zoom
    fitCaptions(captionFont,
                {{c.Label1[0], px(1200 - 720, zoom)}, {c.Label1[1], px(2520 - 1800, zoom)}});

    // Under the contact line's left and right ends, each fitted to the longest it shows; not
    // while hidden, since a font of a new size costs start-up time.
    if (showsMovesLine(c)) {
        place(c.lblmoves[0], 120 - band, kMovesTop, 2160, 300);
        place(c.lblmoves[1], 2280, kMovesTop, 3375, 300);
        for (int label : {0, 1})
            fitFont(c.lblmoves[std::size_t(label)], captionFont, movesLineTexts(label), false);
    }
    placeCoordinates(c, zoom, coordinates);
}

} // namespace pebblenix
