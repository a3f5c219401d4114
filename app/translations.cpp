#include "app/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

const QString CataloguePrefix = QStringLiteral("tapmeter_");
const QString CatalogueFolder = QStringLiteral(":/i18n");

} // namespace

QStringList shippedLanguages() {
    QStringList languages;
    for (const QString& file : QDir(CatalogueFolder).entryList({CataloguePrefix + QStringLiteral("*.qm")}))
        languages << file.mid(CataloguePrefix.size()).chopped(3);
    return languages;
}

QString chosenLanguage(const QStringList& uiLanguages) {
    const QStringList shipped = shippedLanguages();
    for (QString wanted : uiLanguages) {
        wanted.replace(QLatin1Char('-'), QLatin1Char('_'));
        QString language = wanted.section(QLatin1Char('_'), 0, 0);
        if (language == QLatin1String("en"))
            return QString();
        if (shipped.contains(wanted))
            return wanted;
        if (shipped.contains(language))
            return language;
        // A Portuguese desktop reads Brazilian Portuguese sooner than English.
        for (const QString& candidate : shipped) {
            if (candidate.startsWith(language + QLatin1Char('_')))
                return candidate;
        }
    }
    return QString();
}

bool installTranslations(const QString& language) {
    auto* program = new QTranslator(QCoreApplication::instance());
    if (language.isEmpty() || !program->load(CataloguePrefix + language, CatalogueFolder)) {
        delete program;
        QLocale::setDefault(QLocale(QLocale::English));
        return false;
    }
    QCoreApplication::installTranslator(program);
    // The program's locale names the language of the windows, in which the
    // About window looks for its texts. Numbers, dates and times follow the
    // system's locale, which the program asks for by name.
    QLocale::setDefault(QLocale(language));
    // Without Qt's catalogue (qt6-translations-l10n) its dialog buttons stay
    // English; the program's own texts are translated all the same.
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return true;
}

void installDesktopLanguage() {
    installTranslations(chosenLanguage(QLocale::system().uiLanguages()));
}
