#include "about/frmabout.h"

#include "about/sysinfo.h"
#include "drawing/fonts.h"
#include "drawing/marblepictures.h"
#include "drawing/twips.h"
#include "seam/uiseam.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>

namespace pebblenix {

namespace {

QLabel* makeLabel(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

} // namespace

frmAbout::frmAbout(Registry& reg, UiSeam& ui) : reg_(reg), ui_(ui) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("frmAbout"));
    //: A placeholder title the About box has while it is built; "About Pebblenix" replaces
    //: it before the box is shown.
    setWindowTitle(tr("About MyApp"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowIcon(applicationIcon());

    picIcon = makeLabel(this, QStringLiteral("picIcon"));

    //: The About box's button that closes it.
    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    //: The About box's button that starts the system's information tool.
    cmdSysInfo = new QPushButton(tr("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    Label2 = makeLabel(this, QStringLiteral("Label2"));
    //: The About box's label before the authors' name.
    Label2->setText(tr("Author"));

    Label1 = makeLabel(this, QStringLiteral("Label1"));
    //: The About box's authors' name, in a box of its own beside "Author".
    Label1->setText(tr("The Pebblenix developers"));
    Label1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setAutoFillBackground(true);
    QPalette shade = Label1->palette();
    shade.setColor(QPalette::Window, palette().color(QPalette::Inactive, QPalette::Midlight));
    Label1->setPalette(shade);

    lblDescription = makeLabel(this, QStringLiteral("lblDescription"));
    lblDescription->setWordWrap(true);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette black = lblDescription->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    lblDescription->setPalette(black);

    lblTitle = makeLabel(this, QStringLiteral("lblTitle"));
    lblTitle->setPalette(black);

    // Only the buttons take the focus; OK has it when the box opens.
    setTabOrder(cmdOK, cmdSysInfo);
    layOut();
}

// Every control where it was drawn at the zoom step, with its font fitted to its text; a
// text that does not fit gets room.
void frmAbout::layOut() {
    const int zoom = zoomOf(this);
    const auto place = [zoom](QWidget* control, int left, int top, int width, int height) {
        control->setGeometry(px(left, zoom), px(top, zoom), px(width, zoom), px(height, zoom));
    };
    const auto points = [zoom](double size) { return size * zoom / 100; };
    place(picIcon, 120, 240, 540, 540);
    place(cmdOK, 3165, 4035, 1260, 345);
    place(cmdSysInfo, 4740, 4035, 1245, 345);
    for (QPushButton* button : {cmdOK, cmdSysInfo}) // a translated caption may be longer
        fitFont(button, zoomedFont(QApplication::font(button), zoom), {button->text()}, false);
    place(Label2, 1080, 840, 855, 255);
    fitFont(Label2, layoutFont(FontKind::SansSerif, points(9.75), true), {Label2->text()}, false);
    place(Label1, 2040, 720, 2775, 375);
    // The face it was drawn for is narrower than the one that stands in for it: even the
    // English name needs 80 % of its size, so only the 8-point floor holds here.
    fitFont(Label1, layoutFont(FontKind::ComicSans, points(11.25), true), {Label1->text()}, false,
            QString(), kEightPointPixels);
    place(lblDescription, 1080, 1245, 4485, 2610);
    place(lblTitle, 1050, 240, 1185, 345);
    if (!lblTitle->text().isEmpty()) { // loaded
        // The marble at 100 % stays the pixel art, sharp on a screen of ratio 2 as well.
        picIcon->setPixmap(
            QPixmap::fromImage(zoom == 100 ? marblePicture(kAppIconId, 2)
                                           : marblePicture(kAppIconId, devicePixelRatioF(), zoom)));
        lblTitle->setFont(layoutFont(FontKind::ArialBlack, points(12), false));
        lblTitle->adjustSize(); // the title label sizes itself to its text
        fitFont(lblDescription, font(), {lblDescription->text()}, true);
    }
    makeRoom();
}

void frmAbout::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::FontChange) // a new zoom step
        layOut();
}

frmAbout* frmAbout::present(QPointer<frmAbout>& open, Registry& reg, UiSeam& ui) {
    if (!open) {
        open = ui.dialogZoom.made(new frmAbout(reg, ui));
        open->Form_Load();
    }
    DialogZoom::present(open);
    return open.data();
}

QString frmAbout::titleText() {
    return QStringLiteral("Pebblenix(" PEBBLENIX_VERSION ")");
}

QString frmAbout::descriptionText() {
    const QStringList lines = {
        //: The About box's distribution notice, one paragraph; it wraps in the box.
        tr("Pebblenix is free to copy and give away, as long as it travels whole "
           "and unchanged, with this notice, and nobody is charged for it."),
        QString(),
        //: In the About box, above the developers' postal address (kept in English).
        tr("Write to the Pebblenix developers at:"),
        QStringLiteral("1 Example Row, Suite 100"),
        QStringLiteral("Exampleton EX 00000"),
        QStringLiteral("Exampleland"),
        //: In the About box; keep the number as it is.
        tr("Phone: +1 555 0100"),
        //: In the About box; keep the address as it is.
        tr("E-mail: pebblenix@example.org"),
        //: In the About box; keep the address as it is.
        tr("Homepage: https://pebblenix.example.org"),
    };
    return lines.join(QStringLiteral("\r\n"));
}

void frmAbout::Form_Load() {
    //: The About box's title.
    setWindowTitle(tr("About Pebblenix"));
    lblTitle->setText(titleText());
    QString description = descriptionText();
    lblDescription->setText(description.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    layOut();
}

// A text that does not fit at the readable floor gets room: a label or a button grows to
// its text, and the box grows wider with it; the description takes the new width, then
// more, then more height. The buttons stay in the bottom right corner. English fits as
// laid out, so there nothing moves.
void frmAbout::makeRoom() {
    const int clientWidth = px(kClientWidth * 15, zoomOf(this));
    const int clientHeight = px(kClientHeight * 15, zoomOf(this));
    const auto end = [](const QWidget* w) { return w->x() + w->width(); };
    const int margin = clientWidth - end(cmdSysInfo); // right of the buttons
    const int gap = cmdSysInfo->x() - end(cmdOK);     // between them
    const int nameMargin = clientWidth - end(Label1);
    const int descriptionWidth = lblDescription->width();
    // Taller too, for a script whose lines are higher than the layout's (Chinese).
    const auto grow = [](QWidget* control, int width) {
        if (!textFits(control, control->property("text").toString(), false))
            control->resize(std::max(control->width(), width),
                            std::max(control->height(), control->sizeHint().height()));
    };
    grow(Label2, Label2->sizeHint().width());
    Label1->move(std::max(Label1->x(), end(Label2) + 7), Label1->y());
    grow(Label1, Label1->sizeHint().width() + 2 * Label1->fontMetrics().averageCharWidth());
    grow(cmdOK, cmdOK->sizeHint().width());
    grow(cmdSysInfo, cmdSysInfo->sizeHint().width());
    int wider = std::max(
        {0, end(Label1) + nameMargin - clientWidth,
         lblDescription->x() + cmdOK->width() + gap + cmdSysInfo->width() + margin - clientWidth});

    lblDescription->resize(descriptionWidth + wider, lblDescription->height());
    while (!textFits(lblDescription, lblDescription->text(), true) &&
           lblDescription->width() < descriptionWidth * 3 / 2) {
        lblDescription->resize(lblDescription->width() + 8, lblDescription->height());
        wider = lblDescription->width() - descriptionWidth;
    }
    const int taller = std::max(0, lblDescription->heightForWidth(lblDescription->width()) -
                                       lblDescription->height());
    lblDescription->resize(lblDescription->width(), lblDescription->height() + taller);

    setFixedSize(clientWidth + wider, clientHeight + taller);
    cmdSysInfo->move(width() - margin - cmdSysInfo->width(), cmdSysInfo->y() + taller);
    cmdOK->move(cmdSysInfo->x() - gap - cmdOK->width(), cmdOK->y() + taller);
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
    StartSysInfo(reg_, ui_, this);
}

} // namespace pebblenix
