// The settings part of the start-up: first run, later runs, and the reading
// rule of every stored value, against a real store in a private folder.

#include "globalbas.h"
#include "regbas.h"
#include "settingssandbox.h"
#include "settingsstore.h"

#include <QFile>
#include <QTest>

#include <optional>

namespace {
const QString Key = GLOBALbas::SettingsKeyPath;

void storeDword(const QString &name, qint32 value)
{
    REGbas::StoreSetting(REGbas::HkeyCurrentUser, Key, name, value, REGbas::RegDword);
}
} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstRunCreatesEmptyKeyAndUsesBuiltInValues();
    void laterRunWithoutValuesFallsBackToReadDefaults();
    void storedValuesAreRead();
    void readingRules_data();
    void readingRules();
    void textValuesAreReadAsNumbers_data();
    void textValuesAreReadAsNumbers();
    void showSeconds_data();
    void showSeconds();

private:
    std::optional<SettingsSandbox> m_settings;
};

void TestStartup::init()
{
    m_settings.emplace(SettingsSandbox::Values::Reset);
}

void TestStartup::cleanup()
{
    m_settings.reset();
}

void TestStartup::firstRunCreatesEmptyKeyAndUsesBuiltInValues()
{
    const GameSettings first = GLOBALbas::LoadSettings();
    QCOMPARE(first.timerInterval, qint16(1000));
    QCOMPARE(first.timeAllowed, qint16(30));
    QCOMPARE(first.lowestTarget, qint16(101));
    QCOMPARE(first.highestTarget, qint16(999));
    QVERIFY(!first.noSounds);
    QVERIFY(!first.completeSearch);
    QVERIFY(!GLOBALbas::FetchShowSeconds());

    // The key now exists (a missing one reads as -1), and nothing was
    // written into it.
    QCOMPARE(REGbas::FetchSetting(REGbas::HkeyCurrentUser, Key, QString()), 2);
    for (const char *name : {"TimeAllowed", "NoSounds", "LowestTarget", "HighestTarget",
                             "TimerInterval", "ShowSeconds"})
        QCOMPARE(REGbas::FetchSetting(REGbas::HkeyCurrentUser, Key, name), 2);
}

void TestStartup::laterRunWithoutValuesFallsBackToReadDefaults()
{
    GLOBALbas::LoadSettings(); // first run
    GLOBALbas::ResetProcessValues();
    const GameSettings second = GLOBALbas::LoadSettings(); // the key exists, still empty
    QCOMPARE(second.timerInterval, qint16(950));
    QCOMPARE(second.timeAllowed, qint16(30));
    QCOMPARE(second.lowestTarget, qint16(101));
    QCOMPARE(second.highestTarget, qint16(999));
    QVERIFY(!second.noSounds);
}

void TestStartup::storedValuesAreRead()
{
    REGbas::CreateSettingsKey(REGbas::HkeyCurrentUser, Key);
    storeDword("TimeAllowed", 6);
    storeDword("NoSounds", 1);
    storeDword("LowestTarget", 200);
    storeDword("HighestTarget", 300);
    storeDword("TimerInterval", 1200);
    const GameSettings read = GLOBALbas::LoadSettings();
    QCOMPARE(read.timeAllowed, qint16(60));
    QVERIFY(read.noSounds);
    QCOMPARE(read.lowestTarget, qint16(200));
    QCOMPARE(read.highestTarget, qint16(300));
    QCOMPARE(read.timerInterval, qint16(1200));
}

void TestStartup::readingRules_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qint32>("stored");
    QTest::addColumn<int>("timeAllowed");
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("highest");
    QTest::addColumn<int>("interval");

    QTest::newRow("time position 0") << "TimeAllowed" << 0 << 30 << 101 << 999 << 950;
    QTest::newRow("time position 2") << "TimeAllowed" << 2 << 40 << 101 << 999 << 950;
    QTest::newRow("time position 3") << "TimeAllowed" << 3 << 45 << 101 << 999 << 950;
    // Positions the list does not have would give a clock of no length.
    QTest::newRow("time position 7") << "TimeAllowed" << 7 << 30 << 101 << 999 << 950;
    QTest::newRow("time position -1") << "TimeAllowed" << -1 << 30 << 101 << 999 << 950;
    QTest::newRow("time position -6") << "TimeAllowed" << -6 << 30 << 101 << 999 << 950;
    QTest::newRow("time position huge") << "TimeAllowed" << 100000 << 30 << 101 << 999 << 950;
    QTest::newRow("lowest 0") << "LowestTarget" << 0 << 30 << 101 << 999 << 950;
    QTest::newRow("lowest 500") << "LowestTarget" << 500 << 30 << 500 << 999 << 950;
    QTest::newRow("lowest beyond 16 bits") << "LowestTarget" << 40000 << 30 << 101 << 999 << 950;
    QTest::newRow("highest 0") << "HighestTarget" << 0 << 30 << 101 << 999 << 950;
    QTest::newRow("highest below lowest") << "HighestTarget" << 100 << 30 << 101 << 999 << 950;
    QTest::newRow("highest equal lowest") << "HighestTarget" << 101 << 30 << 101 << 101 << 950;
    QTest::newRow("highest beyond 16 bits") << "HighestTarget" << 70000 << 30 << 101 << 999 << 950;
    // A DWORD of 4294967295 reads as -1: no target the settings window takes.
    QTest::newRow("lowest -1") << "LowestTarget" << -1 << 30 << 101 << 999 << 950;
    QTest::newRow("lowest 1") << "LowestTarget" << 1 << 30 << 1 << 999 << 950;
    QTest::newRow("highest -1") << "HighestTarget" << -1 << 30 << 101 << 999 << 950;
    QTest::newRow("interval 0") << "TimerInterval" << 0 << 30 << 101 << 999 << 950;
    QTest::newRow("interval 949") << "TimerInterval" << 949 << 30 << 101 << 999 << 950;
    QTest::newRow("interval 950") << "TimerInterval" << 950 << 30 << 101 << 999 << 950;
    QTest::newRow("interval 951") << "TimerInterval" << 951 << 30 << 101 << 999 << 951;
    QTest::newRow("interval beyond 16 bits") << "TimerInterval" << 65536 << 30 << 101 << 999 << 950;
}

void TestStartup::readingRules()
{
    QFETCH(QString, name);
    QFETCH(qint32, stored);
    REGbas::CreateSettingsKey(REGbas::HkeyCurrentUser, Key);
    storeDword(name, stored);
    const GameSettings read = GLOBALbas::LoadSettings();
    QTEST(int(read.timeAllowed), "timeAllowed");
    QTEST(int(read.lowestTarget), "lowest");
    QTEST(int(read.highestTarget), "highest");
    QTEST(int(read.timerInterval), "interval");
}

void TestStartup::textValuesAreReadAsNumbers_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("expected");

    QTest::newRow("time as text") << "TimeAllowed" << QByteArray("2") << 40;
    QTest::newRow("time not a number") << "TimeAllowed" << QByteArray("abc") << 30;
    QTest::newRow("time empty") << "TimeAllowed" << QByteArray() << 30;
    QTest::newRow("lowest as text") << "LowestTarget" << QByteArray(" 250 ") << 250;
    QTest::newRow("lowest not a number") << "LowestTarget" << QByteArray("12ab") << 101;
    QTest::newRow("lowest empty text") << "LowestTarget" << QByteArray() << 101;
    QTest::newRow("interval not a number") << "TimerInterval" << QByteArray("fast") << 950;
    QTest::newRow("sounds not a number") << "NoSounds" << QByteArray("yes") << 0;
    QTest::newRow("sounds as text") << "NoSounds" << QByteArray("1") << -1;
    // The text ends at its first zero, as the system's conversions read it.
    QTest::newRow("text ending at an inner zero")
        << "TimerInterval" << QByteArray("1200\0fast", 9) << 1200;
    QTest::newRow("text that is only a zero") << "TimerInterval" << QByteArray("\0", 1) << 950;
}

void TestStartup::textValuesAreReadAsNumbers()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, text);
    QFETCH(int, expected);
    REGbas::CreateSettingsKey(REGbas::HkeyCurrentUser, Key);
    auto key = platform::SettingsKey::open(Key);
    QCOMPARE(key->set(name, {platform::RegType::Sz, text}), 0);
    const GameSettings read = GLOBALbas::LoadSettings();
    const int actual = name == "TimeAllowed"     ? read.timeAllowed
                       : name == "LowestTarget"  ? read.lowestTarget
                       : name == "TimerInterval" ? read.timerInterval
                                                 : platform::toBool16(read.noSounds);
    QCOMPARE(actual, expected);
}

void TestStartup::showSeconds_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("shown");
    QTest::newRow("absent") << 0 << QByteArray() << false;
    QTest::newRow("dword 1") << 4 << QByteArray("\x01\0\0\0", 4) << true;
    QTest::newRow("dword 0") << 4 << QByteArray("\0\0\0\0", 4) << false;
    QTest::newRow("text 1") << 1 << QByteArray("1") << true;
    QTest::newRow("text leading number") << 1 << QByteArray(" 2 apples") << true;
    QTest::newRow("text no number") << 1 << QByteArray("on") << false;
}

void TestStartup::showSeconds()
{
    QFETCH(int, type);
    QFETCH(QByteArray, bytes);
    REGbas::CreateSettingsKey(REGbas::HkeyCurrentUser, Key);
    if (type != 0) {
        auto key = platform::SettingsKey::open(Key);
        QCOMPARE(key->set("ShowSeconds", {quint32(type), bytes}), 0);
    }
    QTEST(GLOBALbas::FetchShowSeconds(), "shown");
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
