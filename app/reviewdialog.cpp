#include "app/reviewdialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace pebblenix {

ReviewDialog::ReviewDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmreview"));
    setWindowTitle(tr("Review Game"));
    setAttribute(Qt::WA_DeleteOnClose);

    summary = new QLabel(this);
    summary->setWordWrap(true);
    summary->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);

    list = new QTreeWidget(this);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setHeaderLabels({tr("No."), tr("Jump"), tr("Marbles left"), tr("Centre finish")});
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list->header()->setStretchLastSection(true);
    summary->setBuddy(list);

    auto* buttons = new QDialogButtonBox(this);
    goBack = buttons->addButton(tr("&Go Back to Before This Jump"), QDialogButtonBox::ActionRole);
    closeButton = buttons->addButton(QDialogButtonBox::Close);
    goBack->setDefault(true); // Enter on a row takes the board back to it
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
    connect(goBack, &QPushButton::clicked, this, [this] {
        if (QTreeWidgetItem* row = list->currentItem())
            emit goBackRequested(static_cast<std::size_t>(list->indexOfTopLevelItem(row)));
    });
    connect(list, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* row) { goBack->setEnabled(row != nullptr); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(list, 1);
    layout->addWidget(buttons);
    resize(380, 420);
}

void ReviewDialog::showReview(const Review& review) {
    const QString keeper =
        review.keeper ? tr("%1 would have kept it.").arg(moveName(*review.keeper)) : QString();
    list->clear();
    for (std::size_t i = 0; i < review.jumps.size(); ++i) {
        const JudgedJump& j = review.jumps[i];
        const bool lost = review.losing == i;
        QString finish = j.finishPossible ? tr("possible") : tr("not possible");
        if (lost)
            finish = tr("lost by this jump");
        auto* row = new QTreeWidgetItem(list, {QString::number(i + 1), moveName(j.move),
                                               QString::number(j.marblesLeft), finish});
        row->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
        row->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        if (lost) {
            QFont bold = row->font(0);
            bold.setBold(true);
            for (int c = 0; c < list->columnCount(); ++c) {
                row->setFont(c, bold);
                row->setBackground(c, QColor(255, 214, 214));
                row->setForeground(c, QColor(128, 0, 0));
                row->setToolTip(c, keeper);
            }
            // A screen reader hears the verdict with the jump, not only a colour.
            row->setData(1, Qt::AccessibleTextRole,
                         tr("%1, the jump that lost the centre finish. %2")
                             .arg(moveName(j.move), keeper)
                             .trimmed());
        }
    }

    if (review.jumps.empty())
        summary->setText(tr("No jumps have been made since this position was set."));
    else if (!review.startFinishable)
        summary->setText(tr("This game started from a position that cannot finish with the "
                            "last marble in the centre."));
    else if (review.losing) {
        const JudgedJump& lost = review.jumps[*review.losing];
        const QString text = tr("Jump %1, %2, lost the centre finish.")
                                 .arg(*review.losing + 1)
                                 .arg(moveName(lost.move));
        summary->setText(keeper.isEmpty() ? text : text + QLatin1Char(' ') + keeper);
    } else
        summary->setText(tr("You can still finish with the last marble in the centre."));

    const int select =
        review.losing ? static_cast<int>(*review.losing) : list->topLevelItemCount() - 1;
    list->setCurrentItem(list->topLevelItem(select));
    goBack->setEnabled(list->currentItem() != nullptr);
}

} // namespace pebblenix
