// Every language: complete, true to each text's placeholders and line breaks, in step
// with the code, fitting every window and message box, with access keys a keyboard types.
// German chosen by the system: menus in German, the clock and the game files untouched by it.

#include "about/frmabout.h"
#include "app/howtoplaydialog.h"
#include "app/movesline.h"
#include "app/problemsdialog.h"
#include "app/recordsdialog.h"
#include "app/reviewdialog.h"
#include "app/setupdialog.h"
#include "app/winninglinedialog.h"
#include "drawing/fonts.h"
#include "drawing/marblepictures.h"
#include "startup/translations.h"
#include "tests/uisupport.h"

#include <QAbstractButton>
#include <QDirIterator>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QTextLayout>
#include <QTimer>
#include <QTranslator>
#include <QTreeWidget>
#include <QXmlStreamReader>
#include <map>
#include <unistd.h>

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

// English ("en") and every language of translations/.
QStringList languages() {
    QStringList all{"en"};
    QDirIterator ts(QStringLiteral(PEBBLENIX_SOURCE_DIR "/translations"), {"*.ts"});
    while (ts.hasNext())
        all << QFileInfo(ts.next()).completeBaseName().mid(10);
    return all;
}

// The same in every language, fitted at any size: game-file data and the contact line.
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

// A label's text wrapped at any width from 100 pixels up to its own breaks a line inside a
// jump ("d1 ->" above "d3").
bool breaksAJump(const QLabel* label) {
    static const QRegularExpression jump(R"([a-g][1-7]\W+[a-g][1-7])");
    for (int width = 100; width <= label->contentsRect().width(); ++width) {
        QTextLayout layout(label->text(), label->font());
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            for (const auto& m : jump.globalMatch(label->text()))
                if (line.textStart() > m.capturedStart() && line.textStart() < m.capturedEnd())
                    return true;
        }
        layout.endLayout();
    }
    return false;
}

QStringList columnFaults(const QTreeWidget* list);

// Review Game after a game whose fifth jump lost the centre finish.
QStringList reviewFaults(frmgame& w, bool english) {
    playLosingLine(w, 6);
    w.mnureview_Click();
    if (!shownDialog<ReviewDialog>(w))
        return {"Review Game did not open"};
    // with the move that made the finish take a move more, once the moves are judged
    if (!QTest::qWaitFor(
            [&] { return w.findChild<ReviewDialog*>()->summary->text().contains("d5"); }, 20000))
        return {"the moves were not judged"};
    QCoreApplication::sendPostedEvents(); // laid out for the longer summary
    QTreeWidget* list = w.findChild<ReviewDialog*>()->list;
    QStringList faults = faultsIn(w.findChild<ReviewDialog*>());
    if (english && w.findChild<ReviewDialog*>()->size() != QSize(380, 420))
        faults << "the English Review Game changed size";
    if (breaksAJump(w.findChild<ReviewDialog*>()->summary))
        faults << "the summary breaks a jump";
    return faults + columnFaults(list);
}

// Every cell of a list as wide as its contents.
QStringList columnFaults(const QTreeWidget* list) {
    QStringList faults;
    for (int r = 0; r < list->topLevelItemCount(); ++r)
        for (int c = 0; c < list->columnCount(); ++c)
            if (list->sizeHintForIndex(list->model()->index(r, c)).width() >
                list->header()->sectionSize(c))
                faults << list->topLevelItem(r)->text(c) + " is cut";
    return faults;
}

// Winning Line with a whole line of jumps, Records with every row filled in, and How to
// Play.
QStringList dialogFaults(UiSeam& ui) {
    WinningLineDialog line(nullptr, ui);
    line.showLine(std::vector<Jump>(31, Jump(38, 24)), 32, true);
    RecordsDialog records(nullptr, ui);
    Records r{123456, 789, {}, {}, {}, {}, {}};
    r.best = {BestFinish{12, false, QDate(2026, 12, 24)}, BestFinish{1, true, QDate(2026, 9, 30)}};
    r.fastest = {FastestFinish{101, QDate(2026, 11, 28)}, FastestFinish{42, QDate(2026, 5, 17)}};
    r.fewestMoves = {MovesFinish{31, QDate(2026, 10, 31)}, MovesFinish{18, QDate(2026, 1, 31)}};
    r.problems["plus"] = {ProblemFinish{6, QDate(2026, 12, 24)}, ProblemFinish{6, QDate()}};
    r.daily = {123, QDate(2026, 12, 24), 456};
    records.showRecords(r, QDate(2026, 12, 24));
    // Problems with a problem solved in both ways chosen; the editor with its longest verdict.
    ProblemsDialog problems(nullptr, qEnvironmentVariable("PEBBLENIX_PROBLEMS"), r, "plus");
    Marbles onePerColour{};
    onePerColour[24] = onePerColour[31] = true;
    SetUpDialog setUp(nullptr, onePerColour, marblePicture(101), 100, tableEngine());
    HowToPlayDialog help;
    QStringList faults;
    for (QDialog* dialog :
         std::initializer_list<QDialog*>{&line, &records, &problems, &setUp, &help}) {
        dialog->show();
        faults << faultsIn(dialog);
    }
    return faults + columnFaults(line.list) + columnFaults(problems.list); // as on the screen
}

// Each text of the code as the real message box shows it, with a file name, a reason or a
// jump for its placeholders and 3 for a count; the box is looked at, then closed.
QStringList messageFaults(const std::vector<Key>& texts) {
    QStringList faults;
    const std::unique_ptr<UiSeam> real = makeRealUi();
    for (const auto& [context, source] : texts) {
        QString text = QCoreApplication::translate(qPrintable(context), qPrintable(source), nullptr,
                                                   source.contains("%n") ? 3 : -1);
        for (const char* value : {"/home/player/Documents/Pebblenix/my-best-game-so-far.pnx",
                                  "it is a folder, not a file", "d1 -> d3"})
            if (text.contains(QRegularExpression("%\\d")))
                text = text.arg(value);
        QTimer::singleShot(0, [&faults] {
            QWidget* box = QApplication::activeModalWidget();
            faults << faultsIn(box);
            box->close();
        });
        real->message(nullptr, "Pebblenix", text, MsgIcon::Critical, MsgButtons::YesNo);
    }
    return faults;
}

// Access keys that repeat one of the menu bar, a menu or a dialog, or that the language's
// usual keyboard types only with AltGr: it types A-Z, 0-9 and these.
QStringList accessKeyFaults(frmgame& w, TestServices& made, const QString& language) {
    static const std::map<QString, QString> ownKeys = {{"de", "äöüß"},
                                                       {"fr", "éèçàù"},
                                                       {"es", "ñç"},
                                                       {"it", "àèéìòù"},
                                                       {"pt_BR", "ç"},
                                                       {"cs", "ěščřžýáíéúů"},
                                                       {"sv", "åäö"},
                                                       {"ru", "абвгдеёжзийклмнопрстуфхцчшщъыьэюя"},
                                                       {"uk", "абвгґдеєжзиіїйклмнопрстуфхцчшщьюя"}};
    const auto own = ownKeys.find(language);
    const QString typed =
        "abcdefghijklmnopqrstuvwxyz0123456789" + (own == ownKeys.end() ? QString() : own->second);
    std::vector<QList<QAction*>> menus{w.menuBar()->actions()};
    for (std::size_t m = 0; m < menus.size(); ++m) // grows with the menus and submenus
        for (QAction* item : menus[m])
            if (item->menu()) {
                emit item->menu()->aboutToShow(); // its items are made when it first opens
                menus.push_back(item->menu()->actions());
            }
    std::vector<QStringList> groups;
    for (const QList<QAction*>& menu : menus) {
        groups.emplace_back();
        for (QAction* item : menu)
            groups.back() << item->text();
    }
    ReviewDialog review(nullptr);
    WinningLineDialog line(nullptr, made.fake);
    RecordsDialog records(nullptr, made.fake);
    ProblemsDialog problems(nullptr, qEnvironmentVariable("PEBBLENIX_PROBLEMS"), Records{});
    SetUpDialog setUp(nullptr, Marbles{}, marblePicture(101), 100, tableEngine());
    frmAbout about(*made.registry, made.fake);
    about.Form_Load();
    for (QDialog* dialog :
         std::initializer_list<QDialog*>{&about, &review, &line, &records, &problems, &setUp}) {
        groups.emplace_back();
        for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
            groups.back() << button->text();
    }
    QStringList faults;
    for (const QStringList& group : groups) {
        QString taken;
        for (const QString& text : group)
            if (const auto key = QRegularExpression("&([^&])").match(text); key.hasMatch()) {
                const QString letter = key.captured(1).toLower();
                if (taken.contains(letter))
                    faults << text + " repeats a key";
                if (!typed.contains(letter))
                    faults << text + " needs AltGr";
                taken += letter;
            }
    }
    return faults;
}

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    std::vector<Key> inTheCode;

private slots:
    void init() { qDeleteAll(qApp->findChildren<QTranslator*>()); } // each leaves the app

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

    // In English and every language, with the translations as the build made them (which
    // leaves out unfinished ones) and Qt's own for its standard buttons: every text of the
    // code translated, keeping its placeholders and line breaks; every window and every
    // message box laid out with nothing cut short or below 8 points, English as it was
    // drawn; access keys a keyboard types.
    void inEveryLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("check");
        for (const QString& language : languages())
            for (const char* check :
                 {"texts", "main", "moves", "about", "review", "dialogs", "messages", "keys"})
                QTest::addRow("%s %s", qPrintable(language), check) << language << check;
    }
    void inEveryLanguage() {
        QFETCH(QString, language);
        QFETCH(QString, check);
        auto* qm = new QTranslator(qApp);
        if (language != "en") {
            QVERIFY(qm->load("pebblenix_" + language, QStringLiteral(PEBBLENIX_TRANSLATIONS_DIR)));
            QCoreApplication::installTranslator(qm);
            auto* qt = new QTranslator(qApp);
            if (qt->load("qtbase_" + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
                QCoreApplication::installTranslator(qt);
        }
        TestServices made;
        std::unique_ptr<frmgame> w(frmgame::create(made.services));
        QStringList faults;
        if (check == "texts" && language != "en")
            for (const auto& [context, source] : inTheCode) {
                const QString text = qm->translate(qPrintable(context), qPrintable(source));
                if (text.isEmpty() || kept(text) != kept(source))
                    faults << (text.isEmpty() ? "not translated: " : "changed marks: ") + source;
            }
        if (check == "main") { // and the captions match, the menu bar on one line
            const QList<QAction*> menus = w->menuBar()->actions();
            faults = faultsIn(w.get());
            if (w->Label1[0]->font() != w->Label1[1]->font() ||
                w->menuBar()->actionGeometry(menus.last()).top() !=
                    w->menuBar()->actionGeometry(menus.first()).top())
                faults << "the captions differ or the menu bar takes two lines";
        }
        if (check == "moves") { // View > Show Moves' line, with every text it may show
            w->menuItem("mnushowmoves")->trigger();
            for (int label : {0, 1})
                for (const QString& text : movesLineTexts(label))
                    if (!textFits(w->findChild<QLabel*>(label ? "lblfewest" : "lblmoves"), text,
                                  false))
                        faults << text + " is cut";
            w->menuItem("mnushowmoves")->trigger(); // off again for the windows after
        }
        if (check == "about") {
            frmAbout about(*made.registry, made.fake);
            about.Form_Load();
            about.show();
            faults = faultsIn(&about);
            if (language == "en" && about.size() != QSize(412, 304))
                faults << "the English About box changed size";
        }
        if (check == "review")
            faults = reviewFaults(*w, language == "en");
        if (check == "dialogs")
            faults = dialogFaults(made.fake);
        if (check == "messages")
            faults = messageFaults(inTheCode);
        if (check == "keys")
            faults = accessKeyFaults(*w, made, language);
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

    // The language as gettext chooses it: a C locale keeps English, and the first entry
    // of LANGUAGE that is English or shipped wins.
    void choosingTheLanguage_data() {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("chosen");
        const char* rows[][2] = {{"LANGUAGE=de LC_ALL=C", ""},
                                 {"LANGUAGE=de LANG=POSIX", ""},
                                 {"LANGUAGE=de", ""}, // no locale is the C locale
                                 {"LANGUAGE=de LANG=C.UTF-8", "de"},
                                 {"LANGUAGE=xx:de LANG=C.UTF-8", "de"},
                                 {"LANGUAGE=en_GB:fr LANG=fr_FR.UTF-8", ""},
                                 {"LANGUAGE=pt_PT:nl LANG=C.UTF-8", "nl"},
                                 {"LANGUAGE=pt LANG=C.UTF-8", "pt_BR"},
                                 {"LANG=de_AT.UTF-8@euro", "de"},
                                 {"LC_MESSAGES=fr_FR.UTF-8 LANG=de_DE.UTF-8", "fr"},
                                 {"LC_ALL=nl_NL LC_MESSAGES=C", "nl"},
                                 {"LANGUAGE=xx LANG=sv_SE.UTF-8", ""}};
        for (const auto& [settings, chosen] : rows)
            QTest::newRow(settings) << settings << chosen;
    }
    void choosingTheLanguage() {
        QFETCH(QString, settings);
        QFETCH(QString, chosen);
        QMap<QString, QString> set;
        for (const QString& setting : settings.split(' '))
            set[setting.section('=', 0, 0)] = setting.section('=', 1);
        const auto variable = [&](const char* name) { return set.value(name); };
        QCOMPARE(chooseLanguage(variable, {"de", "fr", "nl", "pt_BR"}), chosen);
    }

    // Our translation is checked against the sums the build wrote beside it: a damaged one
    // gives English and one line on standard error, never Qt's reader on a damaged file.
    void aDamagedTranslation_data() {
        QTest::addColumn<QString>("damage");
        for (const char* damage : {"none", "a byte changed", "cut short", "no sums"})
            QTest::newRow(damage) << damage;
    }
    void aDamagedTranslation() {
        QFETCH(QString, damage);
        QTemporaryDir copy;
        for (const char* name : {"pebblenix_de.qm", kTranslationSums})
            QFile::copy(QStringLiteral(PEBBLENIX_TRANSLATIONS_DIR "/") + name, copy.filePath(name));
        QByteArray qm = readAll(copy.filePath("pebblenix_de.qm"));
        if (damage == "a byte changed")
            qm[qm.size() / 2] = char(qm[qm.size() / 2] ^ 0x20); // inside a translated text
        QFile::remove(copy.filePath(damage == "no sums" ? kTranslationSums : "pebblenix_de.qm"));
        writeAll(copy.filePath("pebblenix_de.qm"), damage == "cut short" ? qm.left(2000) : qm);
        QTemporaryFile said;
        QVERIFY(said.open());
        const int err = dup(2);
        dup2(said.handle(), 2);
        const QString language = installTranslations(*qApp, copy.path());
        dup2(err, 2), close(err);
        const bool damaged = damage != "none";
        QCOMPARE(language, damaged ? "" : "de");
        QCOMPARE(QCoreApplication::translate("pebblenix::frmgame", "&New"),
                 damaged ? "&New" : "&Neu");
        QCOMPARE(readAll(said.fileName()).count('\n'), qsizetype(damaged)); // one line
    }

    // main() below started this program with LANGUAGE=de.
    void germanFromTheSystem() {
        QCOMPARE(installTranslations(*qApp, QStringLiteral(PEBBLENIX_TRANSLATIONS_DIR)),
                 QStringLiteral("de"));
        TestServices made;
        std::unique_ptr<frmgame> w(frmgame::create(made.services));
        QCOMPARE(w->menuItem("mnunew")->text(), QStringLiteral("&Neu"));
        QCOMPARE(w->menuBar()->actions().first()->text(), QStringLiteral("&Spiel"));
        QCOMPARE(w->CDiabox.Filter, QStringLiteral("Pebblenix-Dateien (*.pnx)"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                 QStringLiteral("Abbrechen")); // Qt's own buttons too
        jump(*w);
        for (int t = 0; t < 125; ++t)
            w->Timer1_Timer();
        made.fake.saveAs(*w, dir.filePath("deutsch.pnx")); // the clock's TimeOut!! as it stands
        QCOMPARE(readAll(dir.filePath("deutsch.pnx")), formatGameFile(firstJumpPosition()));
        QVERIFY(made.fake.messages.empty());
    }
};

int main(int argc, char** argv) {
    PrivateFolders folders;
    qputenv("LANGUAGE", "de");
    qputenv("LANG", "C.UTF-8"); // not a C locale, which would keep English
    qunsetenv("LC_ALL"), qunsetenv("LC_MESSAGES");
    QApplication app(argc, argv);
    TestLanguages tc;
    return QTest::qExec(&tc, argc, argv);
}
#include "test_languages.moc"
