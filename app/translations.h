#pragma once

#include <QString>
#include <QStringList>

// The windows speak English, the language of their texts in the code, and
// each language of a catalogue built into the program (":/i18n/tapmeter_de.qm"
// and so on); Qt's own texts come from Qt's catalogues of the same language.

// The languages of the built-in catalogues, as they are named: "de", "pt_BR".
QStringList shippedLanguages();

// The first of the desktop's languages, best first as QLocale::uiLanguages()
// gives them ("de-DE", "pl", "en-US"), that the windows speak: a shipped
// language, or an empty text for English, also when none is spoken.
QString chosenLanguage(const QStringList& uiLanguages);

// Installs into the running application the program's catalogue of the
// language and Qt's own, and makes the language the program's locale
// (QLocale()), by which the About window finds its texts. Returns false,
// leaving English, when the program has no catalogue of that language.
bool installTranslations(const QString& language);

// Speaks the desktop's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
void installDesktopLanguage();
