#pragma once
// The player's language: the program's translations and Qt's own (for standard buttons and
// dialogs), chosen from the system's language list. English is the source language and
// needs no file, so an English or C locale shows the texts exactly as written.

#include <QString>

class QCoreApplication;

namespace pebblenix {

// Where the translations are looked for: beside the program (a build tree), then in
// ../share/pebblenix/translations (an installed copy).
QString findTranslationsFolder(const QString& programFolder);

// Installs the translations for the first language of the system's list that has them,
// stopping at English. Returns that language's name ("de", "pt_BR"), or empty for English.
QString installTranslations(QCoreApplication& app, const QString& folder);

} // namespace pebblenix
