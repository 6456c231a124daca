#include "translationchoice.h"

#include "uilanguages.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

namespace translationchoice {

namespace {

const QString FilePrefix = QStringLiteral("tallyfold_");
const QString FileSuffix = QStringLiteral(".qm");
// The English file holds only the singulars of the texts with a count.
const QString English = QStringLiteral("en");

// "de-DE", "de_DE.UTF-8" and "DE" all name the language "de"; the first two
// also its country, "DE" ("zh-Hant-TW" names a script there, and no country).
struct Asked
{
    QString language;
    QString country;
};

Asked parse(const QString &uiLanguage)
{
    QString name = uiLanguage.trimmed();
    // An encoding or modifier ends a POSIX name: "de_DE.UTF-8", "sr_RS@latin".
    const qsizetype suffix = name.indexOf(QRegularExpression(QStringLiteral("[.@]")));
    if (suffix >= 0)
        name.truncate(suffix);
    const QStringList parts = name.split(QRegularExpression(QStringLiteral("[-_]")));
    const QString second = parts.value(1);
    return {parts.value(0).toLower(), second.size() == 2 ? second.toUpper() : QString()};
}

} // namespace

QString choose(const QStringList &uiLanguages, const QStringList &offered)
{
    for (const QString &uiLanguage : uiLanguages) {
        const Asked asked = parse(uiLanguage);
        if (asked.language.isEmpty())
            continue;
        // The game's own texts are English: a player who puts English (or
        // asks for no language at all) before another gets them as they are.
        if (asked.language == QLatin1String("en") || asked.language == QLatin1String("c") ||
            asked.language == QLatin1String("posix"))
            return {};
        // The translation for the player's own country ("pt_BR" for
        // "pt-BR"), then the language's general one, then one made for
        // another country of the language: a player from Portugal reads the
        // Brazilian translation far better than English.
        const QString countryOwn = asked.language + QLatin1Char('_') + asked.country;
        if (!asked.country.isEmpty() && offered.contains(countryOwn))
            return countryOwn;
        if (offered.contains(asked.language))
            return asked.language;
        for (const QString &translation : offered) {
            if (translation.startsWith(asked.language + QLatin1Char('_')))
                return translation;
        }
    }
    return {};
}

QLocale numberLocale(const QString &language, const QLocale &system)
{
    // Made from the language's own data, never the system locale itself: on
    // Linux that takes its language from LANGUAGE but writes numbers by
    // LC_NUMERIC, which may be of another language or the plain C locale.
    // Counts are written without group separators, as they always were.
    QLocale locale(QLocale::English, QLocale::UnitedStates);
    if (!language.isEmpty()) {
        // A translation for one country ("pt_BR") writes as that country
        // does, unless the system is of another country of its language.
        const QLocale own(language);
        locale =
            system.language() == own.language() ? QLocale(own.language(), system.territory()) : own;
    }
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

QStringList offeredLanguages()
{
    QStringList languages;
    const QStringList files =
        QDir(ResourceFolder).entryList({FilePrefix + QLatin1Char('*') + FileSuffix}, QDir::Files);
    for (const QString &file : files) {
        const QString language =
            file.mid(FilePrefix.size(), file.size() - FilePrefix.size() - FileSuffix.size());
        if (language != English)
            languages << language;
    }
    languages.sort();
    return languages;
}

QString install(QCoreApplication &app)
{
    const QString language = choose(platform::uiLanguages(), offeredLanguages());
    if (language.isEmpty() || !installLanguage(app, language)) {
        installEnglish(app);
        return {};
    }
    return language;
}

void installEnglish(QCoreApplication &app)
{
    auto *plurals = new QTranslator(&app);
    if (plurals->load(FilePrefix + English + FileSuffix, ResourceFolder))
        QCoreApplication::installTranslator(plurals);
    else
        delete plurals;
    // An English game writes its numbers the English way, whatever other
    // language the system's own conventions are of.
    QLocale::setDefault(numberLocale(QString(), QLocale::system()));
}

bool installLanguage(QCoreApplication &app, const QString &language)
{
    auto *game = new QTranslator(&app);
    if (!game->load(FilePrefix + language + FileSuffix, ResourceFolder)) {
        delete game;
        return false;
    }
    QCoreApplication::installTranslator(game);
    // The numbers in the game's texts follow the language they are read in.
    QLocale::setDefault(numberLocale(language, QLocale::system()));
    // Qt's own texts (its dialogs' buttons, the text boxes' menus) in the
    // same language: the system's, or those a program with Qt linked in
    // carries in its resources (translations/CMakeLists.txt).
    auto *qt = new QTranslator(&app);
    const QString qtFile = QStringLiteral("qtbase_") + language;
    if (qt->load(qtFile, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        qt->load(qtFile, ResourceFolder + QStringLiteral("/qt")))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return true;
}

} // namespace translationchoice
