#pragma once
// The player's language: the program's translations and Qt's own (for standard buttons and
// dialogs), chosen from the system's language settings. English is the source language
// and needs no file, so English or a C locale shows the texts exactly as written.

#include <QString>
#include <QStringList>
#include <functional>

class QCoreApplication;

namespace pebblenix {

// The list of our translations' SHA-256 sums that the build writes beside them, one
// "sum  file name" a line as sha256sum prints it. A translation that does not match it is
// not given to Qt, whose reader can crash on a damaged file.
inline constexpr char kTranslationSums[] = "translations.sha256";

// Where the translations are looked for: beside the program (a build tree), then in
// ../share/pebblenix/translations (an installed copy).
QString findTranslationsFolder(const QString& programFolder);

// The language to show, chosen as gettext chooses. The locale for messages is the first
// of LC_ALL, LC_MESSAGES and LANG that is set; C or POSIX (or none set) means English,
// whatever LANGUAGE says. Otherwise the entries of LANGUAGE (a list such as "fr:de"), then
// the locale, are tried in turn: the first that is English or that we ship wins, and codes
// we do not ship are skipped. "de_AT" finds "de", and "pt" finds "pt_BR". Returns a code
// of `shipped`, or empty for English.
// `variable` gives the value of a variable by name, empty when it is not set.
QString chooseLanguage(const std::function<QString(const char*)>& variable,
                       const QStringList& shipped);

// Installs the translations of the language chosen from the system's settings, and Qt's
// own for it. A translation that fails its check gives English and one line on standard
// error. Returns the language's code ("de", "pt_BR"), or empty for English.
QString installTranslations(QCoreApplication& app, const QString& folder);

} // namespace pebblenix
