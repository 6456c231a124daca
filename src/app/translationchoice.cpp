#include "translationchoice.h"

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

// "de-DE", "de_DE.UTF-8" and "DE" all name the language "de".
QString languageOf(const QString &uiLanguage)
{
    QString language = uiLanguage.trimmed();
    const qsizetype end = language.indexOf(QRegularExpression(QStringLiteral("[-_.@]")));
    if (end >= 0)
        language.truncate(end);
    return language.toLower();
}

} // namespace

QString choose(const QStringList &uiLanguages, const QStringList &offered)
{
    for (const QString &uiLanguage : uiLanguages) {
        const QString language = languageOf(uiLanguage);
        if (language.isEmpty())
            continue;
        // The game's own texts are English: a player who puts English (or
        // asks for no language at all) before another gets them as they are.
        if (language == QLatin1String("en") || language == QLatin1String("c") ||
            language == QLatin1String("posix"))
            return {};
        if (offered.contains(language))
            return language;
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
        const QLocale::Language wanted = QLocale(language).language();
        locale =
            system.language() == wanted ? QLocale(wanted, system.territory()) : QLocale(wanted);
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
    const QString language = choose(QLocale::system().uiLanguages(), offeredLanguages());
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
    // same language, when the system carries them.
    auto *qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return true;
}

} // namespace translationchoice
