#include "app/jumplistdialog.h"

#include "session/gamesession.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace pebblenix {

JumpListDialog::JumpListDialog(QWidget* parent, const QString& title, const QStringList& headers,
                               const QString& actionText)
    : QDialog(parent) {
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);

    summary = new QLabel(this);
    summary->setWordWrap(true);
    summary->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);

    list = new QTreeWidget(this);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setHeaderLabels(QStringList{
                              //: The columns of Review Game and Winning Line: the jump's
                              //: number (1, 2, ...),
                              tr("No."),
                              //: the jump ("d2 -> d4": column letter and row number of the
                              //: two holes),
                              tr("Jump"),
                              //: and the marbles left on the board after it.
                              tr("Marbles left"),
                          } +
                          headers);
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    summary->setBuddy(list);

    auto* buttons = new QDialogButtonBox(this);
    action = buttons->addButton(actionText, QDialogButtonBox::ActionRole);
    closeButton = buttons->addButton(QDialogButtonBox::Close);
    action->setDefault(true);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(list, 1);
    layout->addWidget(buttons);
}

void JumpListDialog::present() {
    show();
    raise();
    activateWindow();
}

void JumpListDialog::follow(GameSession& session, const HintEngine& engine) {
    session_ = &session;
    engine_ = &engine;
    connect(&session, &GameSession::boardChanged, this, &JumpListDialog::showAgain);
    showAgain();
}

void JumpListDialog::showAgain() {
    if (session_)
        showFrom(*session_, *engine_);
}

} // namespace pebblenix
