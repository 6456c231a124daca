// Which language the game speaks: the player's languages in order against the
// translations the game carries, and English (no translator) otherwise.

#include "gamepresentation.h"
#include "translationchoice.h"

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

class TestTranslationChoice : public QObject
{
    Q_OBJECT

private slots:
    void choose_data();
    void choose();
    void everyTranslationIsCarried();
    void numbersFollowTheLanguage_data();
    void numbersFollowTheLanguage();
    void theTestSandboxStaysEnglish();
};

void TestTranslationChoice::choose_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char *name, QStringList languages, const char *expected) {
        QTest::newRow(name) << languages << QString::fromLatin1(expected);
    };
    row("nothing asked", {}, "");
    row("German", {QStringLiteral("de-DE")}, "de");
    row("French of Canada", {QStringLiteral("fr-CA")}, "fr");
    row("Spanish, bare", {QStringLiteral("es")}, "es");
    row("POSIX spelling", {QStringLiteral("de_AT.UTF-8")}, "de");
    row("upper case", {QStringLiteral("ES-MX")}, "es");
    row("with a modifier", {QStringLiteral("fr@euro")}, "fr");
    row("English first wins", {QStringLiteral("en-GB"), QStringLiteral("de-DE")}, "");
    row("English later loses", {QStringLiteral("fr-FR"), QStringLiteral("en-US")}, "fr");
    row("C locale", {QStringLiteral("C")}, "");
    row("POSIX locale", {QStringLiteral("POSIX"), QStringLiteral("de")}, "");
    row("unknown, then offered", {QStringLiteral("sv-SE"), QStringLiteral("es-ES")}, "es");
    row("unknown only", {QStringLiteral("sv-SE"), QStringLiteral("ja-JP")}, "");
    row("Italian of Switzerland", {QStringLiteral("it-CH")}, "it");
    row("Dutch of Belgium", {QStringLiteral("nl-BE")}, "nl");
    row("Polish", {QStringLiteral("pl-PL")}, "pl");
    row("Brazilian Portuguese", {QStringLiteral("pt-BR")}, "pt_BR");
    row("Brazilian Portuguese, POSIX spelling", {QStringLiteral("pt_BR.UTF-8")}, "pt_BR");
    row("Portuguese, bare", {QStringLiteral("pt")}, "pt_BR");
    row("Portuguese of Portugal", {QStringLiteral("pt-PT")}, "pt_BR");
    row("Portuguese with a modifier", {QStringLiteral("pt_PT@euro")}, "pt_BR");
    row("a country's file is not a language", {QStringLiteral("br")}, "");
    row("a script is no country", {QStringLiteral("zh-Hant-TW"), QStringLiteral("nl")}, "nl");
    row("empty entry skipped", {QString(), QStringLiteral("de")}, "de");
    row("not a prefix match", {QStringLiteral("des")}, "");
}

void TestTranslationChoice::choose()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, expected);
    const QStringList offered{QStringLiteral("de"),   QStringLiteral("es"), QStringLiteral("fr"),
                              QStringLiteral("it"),   QStringLiteral("nl"), QStringLiteral("pl"),
                              QStringLiteral("pt_BR")};
    QCOMPARE(translationchoice::choose(uiLanguages, offered), expected);
}

// The compiled translations are in the resources the game links, one per
// .ts file of the build.
void TestTranslationChoice::everyTranslationIsCarried()
{
    QCOMPARE(translationchoice::offeredLanguages(),
             (QStringList{QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr"),
                          QStringLiteral("it"), QStringLiteral("nl"), QStringLiteral("pl"),
                          QStringLiteral("pt_BR")}));
    QCOMPARE(
        translationchoice::choose({QStringLiteral("de-CH")}, translationchoice::offeredLanguages()),
        QStringLiteral("de"));
}

void TestTranslationChoice::numbersFollowTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("expected"); // the locale's name, then 1234.5 written
    const auto row = [](const char *name, const char *language, const char *system,
                        const char *expected) {
        QTest::newRow(name) << QString::fromLatin1(language) << QString::fromLatin1(system)
                            << QString::fromLatin1(expected);
    };
    row("German on an English system", "de", "en_US", "de_DE 1234,5");
    row("German on a Swiss system", "de", "de_CH", "de_CH 1234.5");
    row("French on the C locale", "fr", "C", "fr_FR 1234,5");
    row("Spanish of Mexico", "es", "es_MX", "es_MX 1234.5");
    row("Brazilian Portuguese on an English system", "pt_BR", "en_US", "pt_BR 1234,5");
    row("Brazilian Portuguese in Portugal", "pt_BR", "pt_PT", "pt_PT 1234,5");
    row("Polish on the C locale", "pl", "C", "pl_PL 1234,5");
    row("Italian on an English system", "it", "en_GB", "it_IT 1234,5");
    row("Dutch of Belgium", "nl", "nl_BE", "nl_BE 1234,5");
    row("English on the C locale", "", "C", "en_US 1234.5");
    row("English on a South African system", "", "en_ZA", "en_US 1234.5");
    row("English on an Italian system", "", "it_IT", "en_US 1234.5");
}

void TestTranslationChoice::numbersFollowTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, system);
    QFETCH(QString, expected);
    const QLocale locale = translationchoice::numberLocale(language, QLocale(system));
    QCOMPARE(locale.name() + QLatin1Char(' ') + locale.toString(1234.5, 'f', 1), expected);
    if (language.isEmpty())
        return;
    // Loading a translation makes its conventions the default, and brings
    // Qt's own texts (its dialogs' buttons) in the language, from the
    // system's Qt translations (qt6-translations-l10n, which the build
    // installs): "qtbase_pt_BR", not "qtbase_pt", for Brazilian Portuguese.
    QVERIFY(translationchoice::installLanguage(*QCoreApplication::instance(), language));
    const QString written = QLocale().toString(1.5, 'f', 1);
    const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
    qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator *>());
    QLocale::setDefault(QLocale::c());
    QCOMPARE(written, QStringLiteral("1,5"));
    QVERIFY2(cancel != QStringLiteral("Cancel"), qPrintable(language));
}

// tests/run-isolated sets the C locale, so the start-up loads only English's
// singulars and every caption keeps the English the tests compare with.
void TestTranslationChoice::theTestSandboxStaysEnglish()
{
    QCOMPARE(translationchoice::install(*QCoreApplication::instance()), QString());
    QCOMPARE(GameCaptions::ShowAnswers.text(), QStringLiteral("Show Answer(s)"));
    QCOMPARE(QString(GameCaptions::Start), QStringLiteral("START"));
    // English has its singular, except in the status line the game has
    // always worded so.
    const auto counted = [](const char *context, const char *text, int n) {
        return QCoreApplication::translate(context, text, nullptr, n);
    };
    QCOMPARE(counted("GameFrm", "Clock: %n seconds left", 1),
             QStringLiteral("Clock: 1 second left"));
    QCOMPARE(counted("GameFrm", "Clock: %n seconds left", 0),
             QStringLiteral("Clock: 0 seconds left"));
    QCOMPARE(counted("GameStatus", "%n answers found.", 1), QStringLiteral("1 answers found."));
}

QTEST_GUILESS_MAIN(TestTranslationChoice)
#include "tst_translationchoice.moc"
