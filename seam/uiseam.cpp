#include "seam/uiseam.h"

#include "seam/filedialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QStyle>
#include <QWidget>
#include <optional>

namespace pebblenix {

namespace {

QMessageBox::Icon boxIcon(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

std::optional<QStyle::StandardPixmap> standardPixmap(QMessageBox::Icon icon) {
    switch (icon) {
    case QMessageBox::Question:
        return QStyle::SP_MessageBoxQuestion;
    case QMessageBox::Critical:
        return QStyle::SP_MessageBoxCritical;
    case QMessageBox::Warning:
        return QStyle::SP_MessageBoxWarning;
    case QMessageBox::Information:
        return QStyle::SP_MessageBoxInformation;
    case QMessageBox::NoIcon:
        break;
    }
    return std::nullopt;
}

class RealUi final : public UiSeam {
public:
    MsgAnswer message(QWidget* parent, const QString& title, const QString& text, MsgIcon icon,
                      MsgButtons buttons) override {
        QString shown = text;
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QMessageBox box(boxIcon(icon), title, shown, QMessageBox::NoButton, parent);
        zoom(box);
        if (buttons == MsgButtons::YesNo) {
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
        } else {
            box.setStandardButtons(QMessageBox::Ok);
        }
        const int answer = box.exec();
        if (buttons == MsgButtons::Ok)
            return MsgAnswer::Ok;
        return answer == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
    }

    QString fileDialog(QWidget* parent, const FileDialog& request, bool save) override {
        QFileDialog dialog(parent);
        dialog.setNameFilter(request.Filter);
        dialog.setDirectory(request.InitDir);
        if (!request.FileName.isEmpty())
            dialog.selectFile(request.FileName);
        dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        // Open does not insist on an existing file, and Save asks nothing before replacing.
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        if (dialog.exec() != QDialog::Accepted)
            return QString();
        return dialog.selectedFiles().value(0);
    }

    bool startProgram(const QString& path, const QStringList& arguments) override {
        return !path.isEmpty() && QProcess::startDetached(path, arguments);
    }

    // The box at the window's zoom step, its icon drawn afresh at the step's size.
    void zoom(QMessageBox& box) {
        const int percent = dialogZoom.percent();
        zoomDialog(&box, percent);
        auto* icon = box.findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label"));
        const auto pixmap = standardPixmap(box.icon());
        if (percent == 100 || !icon || !pixmap)
            return;
        const int size = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
        icon->setPixmap(box.style()
                            ->standardIcon(*pixmap, nullptr, &box)
                            .pixmap(QSize(size, size) * percent / 100, box.devicePixelRatio()));
    }

    void endProgram(int exitCode) override {
        for (QWidget* w : QApplication::topLevelWidgets())
            w->hide();
        QCoreApplication::exit(exitCode);
    }
};

} // namespace

std::unique_ptr<UiSeam> makeRealUi() {
    return std::make_unique<RealUi>();
}

void UiSeam::tellFailure(QWidget* parent, const QString& text) {
    message(parent, QString::fromLatin1(kProgramTitle), text, MsgIcon::Critical, MsgButtons::Ok);
}

void UiSeam::tellInformation(QWidget* parent, const QString& text) {
    message(parent, QString::fromLatin1(kProgramTitle), text, MsgIcon::Information, MsgButtons::Ok);
}

} // namespace pebblenix
