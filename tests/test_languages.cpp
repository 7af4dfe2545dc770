// Every language: complete, true to each text's placeholders and line breaks, in step
// with the code, and fitting the fixed window. German chosen by the system: menus in
// German, the clock and the game files untouched by it.

#include "about/frmabout.h"
#include "files/translations.h"
#include "resources/fonts.h"
#include "tests/uisupport.h"

#include <QDirIterator>
#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QTranslator>
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
    for (const auto& m : QRegularExpression(R"(%\d|\r\n|\(\*\.pnx\))").globalMatch(text))
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

// Every text of the main window and the About box inside its control, and the menu bar
// on one line.
QStringList whatDoesNotFit() {
    FakeUi fake;
    QStringList cut;
    std::unique_ptr<frmgame> w(frmgame::create());
    frmAbout* about = frmAbout::showShared();
    for (QWidget* top : std::initializer_list<QWidget*>{w.get(), about})
        for (QWidget* control : top->findChildren<QWidget*>()) { // labels, edits, buttons
            const QString text = control->property("text").toString();
            if (!text.isEmpty() && !textFits(control, text, control->property("wordWrap").toBool()))
                cut << text;
        }
    const QList<QAction*> menus = w->menuBar()->actions();
    if (w->menuBar()->actionGeometry(menus.last()).top() !=
        w->menuBar()->actionGeometry(menus.first()).top())
        cut << QStringLiteral("the menu bar");
    about->close();
    return cut;
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

    // Every text of the code translated in each language, and English ("en") as it is;
    // the translations as the build made them, which leaves out unfinished ones.
    void everyLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << "en";
        QDirIterator ts(QStringLiteral(PEBBLENIX_SOURCE_DIR "/translations"), {"*.ts"});
        while (ts.hasNext()) {
            const QString name = QFileInfo(ts.next()).completeBaseName().mid(10);
            QTest::newRow(qPrintable(name)) << name;
        }
    }
    void everyLanguage() {
        QFETCH(QString, language);
        if (language != "en") {
            auto* qm = new QTranslator(qApp);
            QVERIFY(qm->load("pebblenix_" + language, QStringLiteral(PEBBLENIX_TRANSLATIONS_DIR)));
            QCoreApplication::installTranslator(qm);
            for (const auto& [context, source] : inTheCode) {
                const QString text = qm->translate(qPrintable(context), qPrintable(source));
                QVERIFY2(!text.isEmpty(), qPrintable("not translated: " + context + ": " + source));
                QCOMPARE(kept(text), kept(source));
            }
        }
        const QStringList cut = whatDoesNotFit();
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(" | ")));
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
    qputenv("LANG", "C.UTF-8"); // not a C locale, which would keep English
    qunsetenv("LC_ALL"), qunsetenv("LC_MESSAGES");
    QApplication app(argc, argv);
    TestLanguages tc;
    return QTest::qExec(&tc, argc, argv);
}
#include "test_languages.moc"
