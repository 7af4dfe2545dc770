// Every language: complete, true to each text's placeholders and line breaks, in step
// with the code, fitting every window and message box, with access keys a keyboard types.
// German chosen by the system: menus in German, the clock and the game files untouched by it.

#include "about/frmabout.h"
#include "app/reviewdialog.h"
#include "files/translations.h"
#include "resources/fonts.h"
#include "tests/uisupport.h"

#include <QAbstractButton>
#include <QDirIterator>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTextLayout>
#include <QTranslator>
#include <QTreeWidget>
#include <QXmlStreamReader>
#include <map>

using namespace pebblenix;
using namespace pebblenix::test;

namespace {

using Key = std::pair<QString, QString>; // context and source text

// The texts a .ts file holds. A private-use mark stands in for CR, kept there as
// <byte value="xd"/>, which the XML reader would fold into LF.
std::vector<Key> readTs(const QString& path) {
    QString ts = QString::fromUtf8(readAll(path));
    QXmlStreamReader xml(ts.replace(QStringLiteral("<byte value=\"xd\"/>"), QChar(0xE000)));
    std::vector<Key> keys;
    QString context;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.isStartElement() && xml.name() == u"source")
            keys.emplace_back(context, xml.readElementText().replace(QChar(0xE000), u'\r'));
    return keys;
}

// What a translation must keep of its source: the placeholders, the line breaks and the
// file pattern of the dialog's filter.
QStringList kept(const QString& text) {
    QStringList marks;
    for (const auto& m : QRegularExpression(R"(%\d|%n|\r\n|\(\*\.pnx\))").globalMatch(text))
        marks << m.captured();
    marks.sort();
    return marks;
}

void dropTranslators() {
    for (QTranslator* t : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
}

// English ("en") and every language the build ships.
QStringList languages() {
    QStringList all{"en"};
    QDirIterator qm(QStringLiteral(PEBBLENIX_TRANSLATIONS_DIR), {"pebblenix_*.qm"});
    while (qm.hasNext())
        all << QFileInfo(qm.next()).completeBaseName().mid(10);
    return all;
}

// The game's translations as the build made them (which leaves out unfinished ones), and
// Qt's own for its standard buttons.
void install(const QString& language) {
    if (language == "en")
        return;
    auto* qm = new QTranslator(qApp);
    QVERIFY(qm->load("pebblenix_" + language, QStringLiteral(PEBBLENIX_TRANSLATIONS_DIR)));
    QCoreApplication::installTranslator(qm);
    auto* qt = new QTranslator(qApp);
    if (qt->load("qtbase_" + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
}

// The same in every language, fitted as they always were: game-file data and the contact line.
const QStringList kData = {"Text1", "lbltime", "lblmarbles_On_hand"};

// Every visible text of a window that is elided, clipped by its control or the window, or
// set below 8 points.
QStringList faultsIn(QWidget* top) {
    QStringList faults;
    for (QWidget* control : top->findChildren<QWidget*>()) {
        const QString text = control->property("text").toString();
        if (text.isEmpty() || !control->isVisibleTo(top))
            continue;
        const QString name = control->objectName() + " \"" + text + "\"";
        if (!textFits(control, text, control->property("wordWrap").toBool()))
            faults << name + " is cut";
        if (!top->rect().contains(QRect(control->mapTo(top, QPoint()), control->size())))
            faults << name + " is outside the window";
        if (QFontInfo(control->font()).pixelSize() < kEightPointPixels &&
            !kData.contains(control->objectName()))
            faults << name + " is too small";
    }
    return faults;
}

// A label's text wrapped at every width from `narrowest` up to its own may break a line
// inside a jump ("d1 ->" above "d3").
bool breaksAJump(const QLabel* label, int narrowest) {
    static const QRegularExpression jump(R"([a-g][1-7]\W+[a-g][1-7])");
    const QString text = label->text();
    for (int width = narrowest; width <= label->contentsRect().width(); ++width) {
        QTextLayout layout(text, label->font());
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            for (const auto& m : jump.globalMatch(text))
                if (line.textStart() > m.capturedStart() && line.textStart() < m.capturedEnd())
                    return true;
        }
        layout.endLayout();
    }
    return false;
}

// The main window: every text fits, the two captions match, and the menu bar is one line.
QStringList mainWindowFaults() {
    FakeUi fake;
    std::unique_ptr<frmgame> w(frmgame::create());
    w->show();
    QStringList faults = faultsIn(w.get());
    if (w->Label1[0]->font() != w->Label1[1]->font())
        faults << "the captions differ in size";
    const QList<QAction*> menus = w->menuBar()->actions();
    if (w->menuBar()->actionGeometry(menus.last()).top() !=
        w->menuBar()->actionGeometry(menus.first()).top())
        faults << QStringLiteral("the menu bar");
    return faults;
}

QStringList aboutBoxFaults(const QString& language) {
    frmAbout* about = frmAbout::showShared();
    QStringList faults = faultsIn(about);
    if (language == "en" && about->size() != QSize(412, 304))
        faults << "the English About box changed size";
    about->close();
    return faults;
}

// Review Game after a game whose fifth jump lost the centre finish.
QStringList reviewFaults(const QString& language) {
    FakeUi fake;
    std::unique_ptr<frmgame> w(frmgame::create());
    for (int cell : {38, 24, 17, 31, 22, 24, 37, 23, 24, 22, 9, 23})
        w->pic_Click(cell);
    w->mnureview_Click();
    if (!QTest::qWaitFor([&] { return w->frmreview && w->frmreview->isVisible(); }, 20000))
        return {"Review Game did not open"};
    ReviewDialog* review = w->frmreview;
    QStringList faults = faultsIn(review);
    if (language == "en" && review->size() != QSize(380, 420))
        faults << "the English Review Game changed size";
    if (breaksAJump(review->summary, 100))
        faults << "the summary breaks a jump";
    const QHeaderView* header = review->list->header();
    for (int c = 0; c < review->list->columnCount(); ++c) {
        if (header->sectionSizeHint(c) > header->sectionSize(c))
            faults << "the header " + review->list->headerItem()->text(c) + " is cut";
        for (int r = 0; r < review->list->topLevelItemCount(); ++r) {
            const QModelIndex cell = review->list->model()->index(r, c);
            if (review->list->sizeHintForIndex(cell).width() > header->sectionSize(c))
                faults << cell.data().toString() + " is cut";
        }
    }
    return faults;
}

// Each text of the code as a message box, with a file name, a reason, a jump or a count for
// its placeholders.
QStringList messageFaults(const std::vector<Key>& texts) {
    QStringList faults;
    for (const auto& [context, source] : texts) {
        const bool counted = source.contains("%n");
        QString text = QCoreApplication::translate(qPrintable(context), qPrintable(source), nullptr,
                                                   counted ? 3 : -1);
        for (const QString& value :
             QStringList{"/home/player/Documents/Pebblenix/my-best-game-so-far.pnx",
                         QCoreApplication::translate("Files", "it is a folder, not a file"),
                         QStringLiteral("d1 -> d3")})
            if (text.contains(QRegularExpression("%\\d")))
                text = text.arg(value);
        std::unique_ptr<QDialog> box =
            messageBox(nullptr, "Pebblenix", text, MsgIcon::Critical, MsgButtons::YesNo);
        box->show();
        faults << faultsIn(box.get());
    }
    return faults;
}

// The access key of each item of a menu or a dialog, lower case; nothing for an item
// without one.
QString accessKey(const QString& text) {
    const QRegularExpressionMatch key = QRegularExpression("&([^&])").match(text);
    return key.hasMatch() ? key.captured(1).toLower() : QString();
}

// Letters each language's usual keyboard types without AltGr, besides A-Z and 0-9.
QString ownLetters(const QString& language) {
    static const std::map<QString, QString> letters = {
        {"de", "äöüß"},
        {"fr", "éèçàù"},
        {"es", "ñç"},
        {"it", "àèéìòù"},
        {"pt_BR", "ç"},
        {"cs", "ěščřžýáíéúů"},
        {"sv", "åäö"},
        {"ru", "абвгдеёжзийклмнопрстуфхцчшщъыьэюя"},
        {"uk", "абвгґдеєжзиіїйклмнопрстуфхцчшщьюя"},
    };
    const auto it = letters.find(language);
    return it == letters.end() ? QString() : it->second;
}

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    std::vector<Key> inTheCode;

private slots:
    void init() { dropTranslators(); }

    void initTestCase() {
        // The texts the code has now, as `make translations` would find them.
        const QString fresh = dir.filePath("fresh.ts");
        QProcess lupdate;
        lupdate.start(QStringLiteral(PEBBLENIX_LUPDATE),
                      {"@" PEBBLENIX_TRANSLATED_SOURCES, "-I", PEBBLENIX_SOURCE_DIR, "-locations",
                       "none", "-ts", fresh});
        QVERIFY(lupdate.waitForFinished(60000) && lupdate.exitCode() == 0);
        inTheCode = readTs(fresh);
        QVERIFY(inTheCode.size() > 90);
    }

    // Every text of the code translated in each language; the translations as the build
    // made them, which leaves out unfinished ones.
    void everyLanguage_data() {
        QTest::addColumn<QString>("language");
        QDirIterator ts(QStringLiteral(PEBBLENIX_SOURCE_DIR "/translations"), {"*.ts"});
        while (ts.hasNext()) {
            const QString name = QFileInfo(ts.next()).completeBaseName().mid(10);
            QTest::newRow(qPrintable(name)) << name;
        }
    }
    void everyLanguage() {
        QFETCH(QString, language);
        QTranslator qm;
        QVERIFY(qm.load("pebblenix_" + language, QStringLiteral(PEBBLENIX_TRANSLATIONS_DIR)));
        for (const auto& [context, source] : inTheCode) {
            const QString text = qm.translate(qPrintable(context), qPrintable(source));
            QVERIFY2(!text.isEmpty(), qPrintable("not translated: " + context + ": " + source));
            QCOMPARE(kept(text), kept(source));
        }
    }

    // Every window and every message box laid out in every language the build ships:
    // nothing cut short, nothing below 8 points, English as it was drawn.
    void everythingFits_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("window");
        for (const QString& language : languages())
            for (const char* window : {"main", "about", "review", "messages"})
                QTest::addRow("%s %s", qPrintable(language), window) << language << window;
    }
    void everythingFits() {
        QFETCH(QString, language);
        QFETCH(QString, window);
        install(language);
        const QStringList faults = window == "main"     ? mainWindowFaults()
                                   : window == "about"  ? aboutBoxFaults(language)
                                   : window == "review" ? reviewFaults(language)
                                                        : messageFaults(inTheCode);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(" | ")));
    }

    // Within the menu bar, each menu and each dialog, every access key is another key,
    // one the language's usual keyboard types without AltGr.
    void accessKeys_data() {
        QTest::addColumn<QString>("language");
        for (const QString& language : languages())
            QTest::newRow(qPrintable(language)) << language;
    }
    void accessKeys() {
        QFETCH(QString, language);
        install(language);
        FakeUi fake;
        std::unique_ptr<frmgame> w(frmgame::create());
        std::vector<QStringList> groups{{}};
        std::vector<QMenu*> menus;
        for (QAction* title : w->menuBar()->actions())
            groups.front() << title->text(), menus.push_back(title->menu());
        for (std::size_t m = 0; m < menus.size(); ++m) { // grows with the submenus
            groups.emplace_back();
            for (QAction* item : menus[m]->actions()) {
                groups.back() << item->text();
                if (item->menu())
                    menus.push_back(item->menu());
            }
        }
        ReviewDialog review(nullptr);
        for (QDialog* dialog : std::initializer_list<QDialog*>{frmAbout::showShared(), &review}) {
            groups.emplace_back();
            for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
                groups.back() << button->text();
        }
        frmAbout::shared()->close();
        const QString typed = "abcdefghijklmnopqrstuvwxyz0123456789" + ownLetters(language);
        QStringList faults;
        for (const QStringList& group : groups) {
            QString taken;
            for (const QString& text : group) {
                const QString key = accessKey(text);
                if (key.isEmpty())
                    continue;
                if (taken.contains(key))
                    faults << text + " repeats a key";
                if (!typed.contains(key))
                    faults << text + " needs AltGr";
                taken += key;
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(" | ")));
    }

    // A translation in a script the layout's font lacks is drawn with fallback fonts.
    void aScriptTheFontLacks() {
        QLabel label;
        label.resize(200, 40);
        for (const auto& [text, merged] : {std::pair{"Marbles", false}, {"\u76E4\u4E0A", true}}) {
            fitFont(&label, layoutFont(FontKind::SansSerif, 9.75, true), {QString(text)}, false);
            QCOMPARE(!(label.font().styleStrategy() & QFont::NoFontMerging), merged);
        }
    }

    // main() below started this program with LANGUAGE=de.
    void germanFromTheSystem() {
        QCOMPARE(installTranslations(*qApp, QStringLiteral(PEBBLENIX_TRANSLATIONS_DIR)),
                 QStringLiteral("de"));
        FakeUi fake;
        std::unique_ptr<frmgame> w(frmgame::create());
        QCOMPARE(w->mnunew->text(), QStringLiteral("&Neu"));
        QCOMPARE(w->menuBar()->actions().first()->text(), QStringLiteral("&Spiel"));
        QCOMPARE(w->CDiabox.Filter, QStringLiteral("Pebblenix-Dateien (*.pnx)"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                 QStringLiteral("Abbrechen")); // Qt's own buttons too
        jump(*w);
        for (int t = 0; t < 125; ++t)
            w->Timer1_Timer();
        fake.saveAs(*w, dir.filePath("deutsch.pnx")); // the clock's TimeOut!! as it stands
        QCOMPARE(readAll(dir.filePath("deutsch.pnx")), formatGameFile(firstJumpPosition()));
        QVERIFY(fake.messages.empty());
    }
};

int main(int argc, char** argv) {
    PrivateFolders folders;
    qputenv("LANGUAGE", "de");
    QApplication app(argc, argv);
    TestLanguages tc;
    return QTest::qExec(&tc, argc, argv);
}
#include "test_languages.moc"
