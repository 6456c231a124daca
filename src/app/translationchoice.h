#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

// The language the game speaks: the first of the player's languages that it
// has a translation for, unless English (the language of its own texts) or
// the plain C locale comes first.
namespace translationchoice {

// Where the game's compiled translations are kept in its resources, as
// <Prefix>/tallyfold_<language>.qm.
inline const QString ResourceFolder = QStringLiteral(":/i18n");

// uiLanguages: the player's languages, most wanted first, as
// QLocale::uiLanguages() gives them ("de-DE", "fr", "en_GB", "C").
// offered: the languages the game has a translation for ("de", "fr", "pt_BR":
// a language, or a language of one country). A language asked for takes its
// own country's translation, else the language's, else another country's
// ("pt-PT" takes "pt_BR").
// Returns the language to load ("de", "pt_BR"), or an empty text for English.
QString choose(const QStringList &uiLanguages, const QStringList &offered);

// The conventions (decimal point...) the game writes numbers by when it speaks
// `language` ("de"; empty for English): those of the system's country where
// the system is of that language ("de-CH" for a Swiss player of the German
// translation), the language's usual ones otherwise; English always writes
// them as in the United States. No group separators.
QLocale numberLocale(const QString &language, const QLocale &system);

// The languages the game's resources hold a translation for, sorted.
QStringList offeredLanguages();

// Loads the translation chosen for QLocale::system() into app, with Qt's own
// texts in the same language where the system has them (qtbase_<language>.qm
// in Qt's translations folder), and makes numberLocale() of the language the
// default locale. Returns the language loaded, or an empty text when the game
// stays in English.
QString install(QCoreApplication &app);

// What install() does for a game that speaks English: loads the singulars of
// the texts with a count ("1 second left"; the sources have only "%n seconds
// left") and sets the default locale. Deleting the translator takes them out.
void installEnglish(QCoreApplication &app);

// Loads the translation for `language` ("de") into app as install() does,
// whatever the system's locale, with its default locale: for whatever
// measures the game in each of its languages within one run. Deleting the translators (app's
// QTranslator children) takes the language out again. False when the game carries no translation
// for it.
bool installLanguage(QCoreApplication &app, const QString &language);

} // namespace translationchoice
