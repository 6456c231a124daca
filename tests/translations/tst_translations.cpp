// The translation files as translators hand them back: every message of the
// sources present and translated, none left over from texts the game no
// longer has, and each translation keeping its message's placeholders (%1,
// %n) and its one keyboard accelerator (&), without which the game would
// show a wrong number or lose a key.

#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Message
{
    QString context;
    QString source;
    bool numerus = false;
    QString type;             // "", "unfinished", "obsolete" or "vanished"
    QStringList translations; // one, or one per plural form
};

struct TsFile
{
    QString language;
    QList<Message> messages;
    QString error;
};

TsFile readTs(const QString &path)
{
    TsFile ts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ts.error = file.errorString();
        return ts;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == QLatin1String("TS")) {
                ts.language = xml.attributes().value(QLatin1String("language")).toString();
            } else if (name == QLatin1String("name") && message.source.isNull()) {
                context = xml.readElementText();
            } else if (name == QLatin1String("message")) {
                message = Message{context,
                                  QString(),
                                  xml.attributes().value(QLatin1String("numerus")) ==
                                      QLatin1String("yes"),
                                  {},
                                  {}};
            } else if (name == QLatin1String("source")) {
                message.source = xml.readElementText();
            } else if (name == QLatin1String("translation")) {
                message.type = xml.attributes().value(QLatin1String("type")).toString();
                if (!message.numerus)
                    message.translations << xml.readElementText();
            } else if (name == QLatin1String("numerusform")) {
                message.translations << xml.readElementText();
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            ts.messages << message;
            message = Message{};
        }
    }
    if (xml.hasError())
        ts.error = xml.errorString();
    return ts;
}

const QStringList Languages{QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es"),
                            QStringLiteral("it"), QStringLiteral("nl"), QStringLiteral("pt_BR"),
                            QStringLiteral("pl")};

// How many forms a text with a count takes in each language, as lrelease
// counts them: Polish tells 1, 2-4 (22-24...) and 5-21 (25...) apart.
int pluralForms(const QString &language)
{
    return language == QLatin1String("pl") ? 3 : 2;
}

QString tsPath(const QString &language)
{
    return QStringLiteral(TALLYFOLD_TS_DIR "/tallyfold_%1.ts").arg(language);
}

// The placeholders a text fills in, sorted: %1 to %99, %n and %Ln.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%(L?n|L?[0-9]{1,2})"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

// Keyboard accelerators: an & before anything but another & ("&&" shows a
// plain &).
int accelerators(const QString &text)
{
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('&')) {
            ++i;
            continue;
        }
        if (i + 1 < text.size())
            ++count;
    }
    return count;
}

// What is wrong with one translation of source; empty when nothing is.
QString mismatch(const QString &source, const QString &translation, bool numerus)
{
    QStringList wanted = placeholders(source);
    QStringList given = placeholders(translation);
    if (numerus) {
        // A plural form may leave the count out ("un" for one), never add one.
        wanted.removeAll(QStringLiteral("%n"));
        given.removeAll(QStringLiteral("%n"));
    }
    if (wanted != given) {
        return QStringLiteral("placeholders %1 instead of %2")
            .arg(given.join(QLatin1Char(' ')), wanted.join(QLatin1Char(' ')));
    }
    if (accelerators(source) != accelerators(translation)) {
        return QStringLiteral("%1 accelerators instead of %2")
            .arg(accelerators(translation))
            .arg(accelerators(source));
    }
    return {};
}

bool finished(const Message &message)
{
    return message.type.isEmpty() && !message.translations.isEmpty() &&
           std::none_of(message.translations.begin(), message.translations.end(),
                        [](const QString &t) { return t.isEmpty(); });
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void mismatchIsFound_data();
    void mismatchIsFound();
    void filesReadAndNameTheirLanguage_data();
    void filesReadAndNameTheirLanguage();
    void filesHoldTheSameMessages();
    void finishedMessagesKeepPlaceholders_data();
    void finishedMessagesKeepPlaceholders();
    void everyCountHasEachPluralForm_data();
    void everyCountHasEachPluralForm();
    void everyMessageIsCurrentAndFinished_data();
    void everyMessageIsCurrentAndFinished();
};

// The comparison itself, on made-up translations.
void TestTranslations::mismatchIsFound_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("translation");
    QTest::addColumn<bool>("numerus");
    QTest::addColumn<bool>("wrong");
    const auto row = [](const char *name, const char *source, const char *translation, bool numerus,
                        bool wrong) {
        QTest::newRow(name) << QString::fromUtf8(source) << QString::fromUtf8(translation)
                            << numerus << wrong;
    };
    row("same placeholders", "Clock: %1 seconds left", "Uhr: noch %1 Sekunden", false, false);
    row("placeholders reordered", "%1 of %2", "%2 : %1", false, false);
    row("placeholder lost", "Version %1.%2.%3", "Version %1.%2", false, true);
    row("placeholder renumbered", "Result %1", "Résultat %2", false, true);
    row("placeholder added", "Target", "Ziel %1", false, true);
    row("count kept", "%n answers found.", "%n Antworten gefunden.", true, false);
    row("plural form without the count", "%n points", "un point", true, false);
    row("count where there is none", "Games scored: %1", "Spiele: %n", false, true);
    row("accelerator kept", "&Undo", "&Deshacer", false, false);
    row("accelerator moved", "Stat&istics", "Estad&ísticas", false, false);
    row("accelerator lost", "E&xit", "Salir", false, true);
    row("accelerator doubled", "&Reset", "&Zu&rücksetzen", false, true);
    row("a plain ampersand", "A && B", "A && B", false, false);
    row("a plain ampersand is no accelerator", "&Copy", "A && B", false, true);
}

void TestTranslations::mismatchIsFound()
{
    QFETCH(QString, source);
    QFETCH(QString, translation);
    QFETCH(bool, numerus);
    QFETCH(bool, wrong);
    QCOMPARE(!mismatch(source, translation, numerus).isEmpty(), wrong);
}

void TestTranslations::filesReadAndNameTheirLanguage_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : Languages)
        QTest::newRow(qPrintable(language)) << language;
}

void TestTranslations::filesReadAndNameTheirLanguage()
{
    QFETCH(QString, language);
    const TsFile ts = readTs(tsPath(language));
    QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
    QVERIFY(!ts.messages.isEmpty());
    QVERIFY2(ts.language == language || ts.language.startsWith(language + QLatin1Char('_')),
             qPrintable(ts.language));
}

// Every language is offered the same texts to translate.
void TestTranslations::filesHoldTheSameMessages()
{
    QMap<QString, QStringList> keys;
    for (const QString &language : Languages) {
        for (const Message &m : readTs(tsPath(language)).messages) {
            if (m.type != QLatin1String("obsolete") && m.type != QLatin1String("vanished"))
                keys[language] << m.context + QLatin1Char('|') + m.source;
        }
        keys[language].sort();
    }
    for (const QString &language : Languages)
        QVERIFY2(keys.value(language) == keys.value(QStringLiteral("de")), qPrintable(language));
}

void TestTranslations::finishedMessagesKeepPlaceholders_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : Languages)
        QTest::newRow(qPrintable(language)) << language;
}

// Unfinished messages are the translators' work in progress; a finished one
// is shown to players and must fit its message.
void TestTranslations::finishedMessagesKeepPlaceholders()
{
    QFETCH(QString, language);
    QStringList wrong;
    for (const Message &m : readTs(tsPath(language)).messages) {
        if (!finished(m))
            continue;
        for (const QString &translation : m.translations) {
            const QString problem = mismatch(m.source, translation, m.numerus);
            if (!problem.isEmpty())
                wrong << QStringLiteral("%1: %2 -> %3: %4")
                             .arg(m.context, m.source, translation, problem);
        }
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

void TestTranslations::everyMessageIsCurrentAndFinished_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : Languages)
        QTest::newRow(qPrintable(language)) << language;
}

// Fails until the translators are done: an unfinished message shows English
// in the middle of the language, and an obsolete or vanished one is a text the
// sources no longer have (the .ts file was not refreshed by
// update_translations, or was not cleaned after it).
void TestTranslations::everyMessageIsCurrentAndFinished()
{
    QFETCH(QString, language);
    QStringList wrong;
    for (const Message &m : readTs(tsPath(language)).messages) {
        if (m.type == QLatin1String("obsolete") || m.type == QLatin1String("vanished"))
            wrong << QStringLiteral("no longer in the sources: %1: %2").arg(m.context, m.source);
        else if (!finished(m))
            wrong << QStringLiteral("not translated: %1: %2").arg(m.context, m.source);
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(QStringLiteral("%1 messages:\n").arg(wrong.size()) +
                                         wrong.join(QLatin1Char('\n'))));
}

void TestTranslations::everyCountHasEachPluralForm_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : Languages)
        QTest::newRow(qPrintable(language)) << language;
}

// A form left out is no empty form, which the checks above would find:
// lrelease compiles the forms there are, and a count that needs the missing
// one is shown wrongly.
void TestTranslations::everyCountHasEachPluralForm()
{
    QFETCH(QString, language);
    QStringList wrong;
    for (const Message &m : readTs(tsPath(language)).messages) {
        if (m.numerus && m.translations.size() != pluralForms(language))
            wrong << QStringLiteral("%1: %2 has %3 forms")
                         .arg(m.context, m.source)
                         .arg(m.translations.size());
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
