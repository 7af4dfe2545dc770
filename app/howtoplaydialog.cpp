#include "app/howtoplaydialog.h"

#include "app/boardcell.h"
#include "drawing/marblepictures.h"
#include "drawing/twips.h"
#include "files/settings.h"
#include "seam/dialogzoom.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

namespace pebblenix {

namespace {

// The player's marble as the board shows it at the zoom step.
QImage playersMarble(int zoom, qreal ratio) {
    const int colour = parseColourSetting(ColourSetting::read()).value_or(kDefaultColour);
    const QImage picture = marblePicture(colour, ratio, zoom);
    return picture.isNull() ? marblePicture(kDefaultColour, ratio, zoom) : picture;
}

// A hole as the board shows it at the zoom step: `picture`'s marble or none, picked up or
// not, with a mark or a frame.
QImage holePicture(const QImage& picture, int zoom, qreal ratio, bool marble, bool picked,
                   JumpMark mark, bool chosen) {
    BoardCell cell(kCentre, nullptr);
    cell.setZoom(zoom);
    cell.resize(px(375, zoom), px(375, zoom));
    cell.setState(marble ? picture : QImage(), marble, picked, picked);
    cell.setJumpMark(mark);
    cell.setChosen(chosen);
    QImage image(cell.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(cell.palette().color(QPalette::Window));
    cell.render(&image);
    return image;
}

QString paragraph(const QString& text) {
    return QStringLiteral("<p>%1</p>").arg(text.toHtmlEscaped());
}

QString heading(const QString& text) {
    return QStringLiteral("<h3>%1</h3>").arg(text.toHtmlEscaped());
}

} // namespace

HowToPlayDialog::HowToPlayDialog() {
    setObjectName(QStringLiteral("frmhowtoplay"));
    //: The title of Help > How to Play.
    setWindowTitle(tr("How to Play"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    text = new QTextBrowser(this);
    text->setOpenLinks(false);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons->button(QDialogButtonBox::Close), &QPushButton::clicked, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text, 1);
    layout->addWidget(buttons);
    fill();
}

void HowToPlayDialog::present(QPointer<HowToPlayDialog>& open, DialogZoom& zoom) {
    if (!open)
        open = zoom.made(new HowToPlayDialog);
    DialogZoom::present(open);
}

void HowToPlayDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::FontChange) // a new zoom step
        fill();
}

void HowToPlayDialog::fill() {
    const int zoom = zoomOf(this);
    const qreal ratio = devicePixelRatioF();
    const int side = px(375, zoom);
    const QImage players = playersMarble(zoom, ratio); // read once for every picture
    QTextDocument* document = text->document();
    const auto picture = [&](const char* name, bool marble, bool picked, JumpMark mark,
                             bool chosen = false) {
        document->addResource(QTextDocument::ImageResource, QUrl(QString::fromLatin1(name)),
                              holePicture(players, zoom, ratio, marble, picked, mark, chosen));
        return QStringLiteral("<img src=\"%1\" width=\"%2\" height=\"%2\">")
            .arg(QString::fromLatin1(name))
            .arg(side);
    };
    const auto row = [](const QString& image, const QString& text) {
        return QStringLiteral("<tr><td>%1</td><td valign=\"middle\">%2</td></tr>")
            .arg(image, text.toHtmlEscaped());
    };

    QString html;
    //: A heading in How to Play.
    html += heading(tr("The game"));
    //: How to Play, on the rules. Each paragraph is translated whole; the menu names in
    //: these paragraphs are the menus' own, as translated.
    html += paragraph(tr("Pebblenix is peg solitaire on a board of 33 holes in the shape of a "
                         "cross. A new game has a marble in every hole but the centre one."));
    html += paragraph(tr("A marble jumps over a marble beside it, in its row or its column, "
                         "into the empty hole just beyond, and the marble it jumped over is "
                         "taken off the board. Marbles never jump diagonally."));
    html += paragraph(tr("The game is over when no jump is left. The fewer marbles are left, "
                         "the better: one marble left in the centre hole wins the game."));
    //: "TimeOut!!" is what the clock shows, the same in every language.
    html += paragraph(tr("The clock counts down 120 seconds from your first click on the "
                         "board. It only tells you how fast you are: when it shows "
                         "TimeOut!!, you can play on."));

    //: A heading in How to Play.
    html += heading(tr("Moving a marble"));
    html += paragraph(tr("With the mouse, click a marble to pick it up, then click the empty "
                         "hole two holes away where it should land. A click anywhere else "
                         "puts it down again. You can also drag a marble onto the hole it "
                         "jumps to."));
    //: Shift and the arrow keys jump a marble; the arrow keys alone move the box.
    html += paragraph(tr("With the keyboard, the arrow keys move a dashed box from hole to "
                         "hole, and Space or Enter acts as a click on the hole in the box. "
                         "Shift and an arrow key jump the marble in the box two holes that "
                         "way at once, and the box goes with it: Shift+Down on d2 jumps it "
                         "over d3 to d4. A screen reader says what each jump did."));
    html += paragraph(tr("The holes are named by their column, a to g from the left, and their "
                         "row, 1 to 7 from the top, so d4 is the centre; hints and lists name "
                         "a jump by its two holes, as in d2 -> d4. View \u25B8 Show "
                         "Coordinates shows the letters and numbers beside the board."));

    //: A heading in How to Play.
    html += heading(tr("The marks on the board"));
    html += paragraph(tr("With View \u25B8 Show Jumps on, the marble you pick up has a ring "
                         "round it, and each hole it can jump to is marked:"));
    html += QStringLiteral("<table cellspacing=\"6\">");
    html += row(picture("pebblenix:picked", true, true, JumpMark::None),
                tr("The picked-up marble, ringed."));
    html += row(picture("pebblenix:keeps", false, false, JumpMark::KeepsFinish),
                //: What Show Jumps' ring with a tick means.
                tr("A ring with a tick: after this jump the last marble can still finish in "
                   "the centre."));
    html += row(picture("pebblenix:loses", false, false, JumpMark::LosesFinish),
                //: What Show Jumps' cross means.
                tr("A cross: this jump loses the finish in the centre."));
    html += row(picture("pebblenix:legal", false, false, JumpMark::Legal),
                //: What Show Jumps' small dot means.
                tr("A small dot: the marble can jump here, but whether that keeps the finish "
                   "is not known yet, while the table of solutions loads or when it cannot "
                   "be read."));
    html += row(picture("pebblenix:chosen", false, false, JumpMark::None, true),
                //: The frame round the two holes of a jump chosen in a list.
                tr("A framed hole: one of the two holes of the jump chosen in Review Game "
                   "or Winning Line."));
    html += QStringLiteral("</table>");

    //: A heading in How to Play.
    html += heading(tr("Help when you want it"));
    html += paragraph(tr("Every help the game gives is exact: it knows for every position "
                         "whether the last marble can still finish in the centre. A game "
                         "finished after a hint, a rewind, Review Game, Winning Line or Show "
                         "Jumps' marks counts as played with help."));
    html += paragraph(tr("Game \u25B8 Hint (Ctrl+H) picks up a marble whose jump keeps the "
                         "centre finish and blinks the hole it should jump to, or says that "
                         "no such finish is left."));
    html += paragraph(tr("Game \u25B8 Review Game lists your jumps and shows the one after "
                         "which the centre finish was lost, with a jump that would have kept "
                         "it. Go Back to Before This Jump takes the board back to the chosen "
                         "row."));
    html += paragraph(tr("Game \u25B8 Rewind to Last Winnable Position (Ctrl+R) takes the board "
                         "back to just before the jump that lost the centre finish. Undo "
                         "(Ctrl+Z) takes back the last jump, or the rewind."));
    html += paragraph(tr("Game \u25B8 Winning Line (Ctrl+L) lists the jumps that take the "
                         "board in front of you to one marble in the centre; Play Next Jump "
                         "makes the first of them. Its Fewest Moves choice shows a line with "
                         "the fewest moves, a run of jumps by one marble counting as one "
                         "move."));
    html += paragraph(tr("View \u25B8 Show Moves shows the moves you have made and the fewest "
                         "moves that can still finish in the centre."));
    html += paragraph(tr("Game \u25B8 Tell Me When It Ends says when no jump is left and how "
                         "many marbles remain, and stops the clock at the end of every "
                         "game."));

    //: A heading in How to Play.
    html += heading(tr("Records"));
    html += paragraph(tr("Game \u25B8 Records shows the games you have played, those "
                         "finished in the centre, your best finish and your fastest centre "
                         "finish. The bests of games played with help are kept apart from "
                         "the others."));

    //: A heading in How to Play.
    html += heading(tr("Problems"));
    html += paragraph(tr("Game \u25B8 Problems offers positions to bring down to one marble "
                         "in the centre, from easy to very hard. Game \u25B8 Set Up Position "
                         "lets you place the marbles yourself, and Game \u25B8 Today's "
                         "Problem is a new problem every day, the same for every player. The "
                         "same exact help works on all of them."));

    const int scroll = text->verticalScrollBar()->value();
    text->setHtml(html);
    text->verticalScrollBar()->setValue(scroll);
    // About seventy characters a line and thirty lines, at the step's font.
    resize(withinScreen(
        this, QSize(fontMetrics().averageCharWidth() * 72, fontMetrics().lineSpacing() * 32)));
}

} // namespace pebblenix
