#include "app/jumplistdialog.h"

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
    list->setHeaderLabels(headers);
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

} // namespace pebblenix
