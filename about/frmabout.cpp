#include "about/frmabout.h"

#include "about/sysinfo.h"
#include "resources/fonts.h"
#include "resources/marblepictures.h"
#include "resources/twips.h"

#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>

namespace pebblenix {

namespace {

QPointer<frmAbout> instance;

QLabel* makeLabel(QWidget* parent, const QString& name, int left, int top, int width, int height) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(px(left), px(top), px(width), px(height));
    return label;
}

} // namespace

frmAbout::frmAbout() {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About MyApp"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowIcon(applicationIcon());
    setFixedSize(kClientWidth, kClientHeight);

    picIcon = makeLabel(this, QStringLiteral("picIcon"), 120, 240, 540, 540);

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(px(3165), px(4035), px(1260), px(345));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    cmdSysInfo = new QPushButton(tr("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo->setGeometry(px(4740), px(4035), px(1245), px(345));
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    for (QPushButton* button : {cmdOK, cmdSysInfo}) // a translated caption may be longer
        fitFont(button, button->font(), {button->text()}, false);

    Label2 = makeLabel(this, QStringLiteral("Label2"), 1080, 840, 855, 255);
    Label2->setText(tr("Author"));
    fitFont(Label2, layoutFont(FontKind::SansSerif, 9.75, true), {Label2->text()}, false);

    Label1 = makeLabel(this, QStringLiteral("Label1"), 2040, 720, 2775, 375);
    Label1->setText(tr("The Pebblenix developers"));
    Label1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setAutoFillBackground(true);
    QPalette shade = Label1->palette();
    shade.setColor(QPalette::Window, palette().color(QPalette::Inactive, QPalette::Midlight));
    Label1->setPalette(shade);
    fitFont(Label1, layoutFont(FontKind::ComicSans, 11.25, true), {Label1->text()}, false);

    lblDescription = makeLabel(this, QStringLiteral("lblDescription"), 1080, 1245, 4485, 2610);
    lblDescription->setWordWrap(true);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette black = lblDescription->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    lblDescription->setPalette(black);

    lblTitle = makeLabel(this, QStringLiteral("lblTitle"), 1050, 240, 1185, 345);
    lblTitle->setPalette(black);

    // Only the buttons take the focus; OK has it when the box opens.
    setTabOrder(cmdOK, cmdSysInfo);
}

frmAbout* frmAbout::shared() {
    return instance.data();
}

frmAbout* frmAbout::showShared() {
    if (!instance) {
        instance = new frmAbout();
        instance->Form_Load();
    }
    instance->show();
    instance->raise();
    instance->activateWindow();
    return instance.data();
}

QString frmAbout::titleText() {
    return QStringLiteral("Pebblenix(" PEBBLENIX_VERSION ")");
}

QString frmAbout::descriptionText() {
    const QStringList lines = {
        tr("Pebblenix is free to copy and give away, as long as it travels whole "
           "and unchanged, with this notice, and nobody is charged for it."),
        QString(),
        tr("Write to the Pebblenix developers at:"),
        QStringLiteral("1 Example Row, Suite 100"),
        QStringLiteral("Exampleton EX 00000"),
        QStringLiteral("Exampleland"),
        tr("Phone: +1 555 0100"),
        tr("E-mail: pebblenix@example.org"),
        tr("Homepage: https://pebblenix.example.org"),
    };
    return lines.join(QStringLiteral("\r\n"));
}

void frmAbout::Form_Load() {
    picIcon->setPixmap(QPixmap::fromImage(marblePicture(kAppIconId, 2)));
    setWindowTitle(tr("About Pebblenix"));
    const QString title = titleText();
    lblTitle->setText(title);
    lblTitle->setFont(layoutFont(FontKind::ArialBlack, 12, false));
    lblTitle->adjustSize(); // the title label sizes itself to its text
    QString description = descriptionText();
    lblDescription->setText(description.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    fitFont(lblDescription, font(), {lblDescription->text()}, true);
}

void frmAbout::cmdOK_Click() {
    close();
}

// Esc, OK and the close button all close and unload the box through close(), which also
// lets the program end when this was its last window.
void frmAbout::reject() {
    close();
}

void frmAbout::closeEvent(QCloseEvent* event) {
    event->accept();
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo(this);
}

} // namespace pebblenix
