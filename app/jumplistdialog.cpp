#include "app/jumplistdialog.h"

#include "session/gamesession.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <utility>

namespace pebblenix {

namespace {
constexpr int kJumpRole = Qt::UserRole; // the row's jump, its two holes
} // namespace

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

    connect(list, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* row) {
        const QVariant jump = row ? row->data(1, kJumpRole) : QVariant();
        emit jumpChosen(jump.isValid() ? std::optional(Jump(jump.toPoint().x(), jump.toPoint().y()))
                                       : std::nullopt);
    });
}

JumpListDialog::~JumpListDialog() {
    disconnect(list, nullptr, this, nullptr);
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

void JumpListDialog::setJump(QTreeWidgetItem* row, const Jump& jump) {
    row->setData(1, kJumpRole, QPoint(jump.from, jump.to));
}

// A new zoom step: the dialog sized to its rows in the new font. The rows stay, and the one
// the player chose with them: the game is not judged again.
void JumpListDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        sizeToContents();
}

void JumpListDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!std::exchange(placed_, true) && parentWidget())
        placeBeside(parentWidget()->window());
}

void JumpListDialog::placeBeside(QWidget* window) {
    const QPoint beside = window->frameGeometry().topRight() + QPoint(8, 0);
    if (const QScreen* where = window->screen();
        where && where->availableGeometry().contains(QRect(beside, frameSize())))
        move(beside);
}

} // namespace pebblenix
