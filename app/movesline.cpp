#include "app/movesline.h"

#include "app/mainmenu.h"
#include "app/windowzoom.h"
#include "files/settings.h"
#include "game/board.h"
#include "session/gamesession.h"
#include "session/hintservice.h"

#include <QCoreApplication>
#include <QLabel>

namespace pebblenix {

namespace {
const QString kItem = QStringLiteral("mnushowmoves");

// "Moves: 12"; "Fewest to finish: 14", or that no centre finish is left.
QString movesText(int moves) {
    //: View > Show Moves, below the board: the moves made, where a move is one marble's
    //: chain of jumps. About 12 characters.
    return QCoreApplication::translate("Moves", "Moves: %n", nullptr, moves);
}

QString fewestText(std::optional<int> fewest) {
    if (!fewest)
        //: View > Show Moves, below the board, right of the moves made: the last marble can no
        //: longer finish in the centre. About 24 characters.
        return QCoreApplication::translate("Moves", "No centre finish left");
    //: View > Show Moves, below the board, right of the moves made: the fewest moves that
    //: still end with the last marble in the centre. About 24 characters.
    return QCoreApplication::translate("Moves", "Fewest to finish: %n", nullptr, *fewest);
}

} // namespace

QStringList movesLineTexts(int label) {
    QStringList texts;
    if (label == 1)
        texts << fewestText(std::nullopt);
    for (int n = 0; n < kCells; ++n) // a game has fewer jumps than holes
        texts << (label == 0 ? movesText(n) : fewestText(n));
    return texts;
}

MovesLine::MovesLine(GameSession& session, const WindowControls& controls, MainMenu& menu,
                     WindowZoom& zoom, bool on)
    : QObject(&zoom), session_(session), labels_(controls.lblmoves), menu_(menu), zoom_(zoom) {
    connect(&session, &GameSession::boardChanged, this, &MovesLine::update);
    menu_.setChecked(kItem, on);
    setShown(on);
}

std::optional<QString> MovesLine::toggled() {
    const bool on = menu_.isChecked(kItem);
    setShown(on);
    zoom_.refit();
    return ViewSetting::writeShowMoves(on);
}

void MovesLine::setShown(bool on) {
    for (QLabel* label : labels_)
        label->setVisible(on);
    update();
}

void MovesLine::update() {
    if (labels_[0]->isHidden())
        return;
    labels_[0]->setText(movesText(session_.moves()));
    HintService& service = session_.engine();
    if (const FewestMoves* engine = service.fewestMoves()) {
        labels_[1]->setText(fewestText(session_.fewestMoves(*engine)));
        return;
    }
    labels_[1]->clear(); // until the table is read, or for good when it cannot be
    if (!service.movesReady() && !waiting_) {
        waiting_ = true;
        service.whenMovesReady(this, [this](const FewestMoves* engine, const QString&) {
            waiting_ = false;
            if (engine)
                update();
        });
    }
}

} // namespace pebblenix
