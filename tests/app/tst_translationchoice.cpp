// Which language the game speaks: the player's languages in order against the
// translations the game carries, and English (no translator) otherwise.

#include "gamepresentation.h"
#include "translationchoice.h"

#include <QCoreApplication>
#include <QTest>

class TestTranslationChoice : public QObject
{
    Q_OBJECT

private slots:
    void choose_data();
    void choose();
    void everyTranslationIsCarried();
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
    row("unknown, then offered", {QStringLiteral("it-IT"), QStringLiteral("es-ES")}, "es");
    row("unknown only", {QStringLiteral("it-IT"), QStringLiteral("pt-BR")}, "");
    row("empty entry skipped", {QString(), QStringLiteral("de")}, "de");
    row("not a prefix match", {QStringLiteral("des")}, "");
}

void TestTranslationChoice::choose()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, expected);
    const QStringList offered{QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr")};
    QCOMPARE(translationchoice::choose(uiLanguages, offered), expected);
}

// The compiled translations are in the resources the game links, one per
// .ts file of the build.
void TestTranslationChoice::everyTranslationIsCarried()
{
    QCOMPARE(translationchoice::offeredLanguages(),
             (QStringList{QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr")}));
    QCOMPARE(
        translationchoice::choose({QStringLiteral("de-CH")}, translationchoice::offeredLanguages()),
        QStringLiteral("de"));
}

// tests/run-isolated sets the C locale, so the start-up loads nothing and
// every caption keeps the English the tests compare with.
void TestTranslationChoice::theTestSandboxStaysEnglish()
{
    QCOMPARE(translationchoice::install(*QCoreApplication::instance()), QString());
    QCOMPARE(GameCaptions::ShowAnswers.text(), QStringLiteral("Show Answer(s)"));
    QCOMPARE(QString(GameCaptions::Start), QStringLiteral("START"));
}

QTEST_GUILESS_MAIN(TestTranslationChoice)
#include "tst_translationchoice.moc"
