// The settings store's five operations on a real store in a private folder:
// statuses, value types and sizes, and what a damaged store reads as.

#include "globalbas.h"
#include "regbas.h"
#include "settingssandbox.h"
#include "settingsstore.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <optional>

namespace {
const QString Key = GLOBALbas::SettingsKeyPath;

QByteArray readFile(const QString &name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The value lines of the store file, without its comment.
QByteArrayList valueLines(const QString &name)
{
    QByteArrayList lines;
    for (const QByteArray &line : readFile(name).split('\n')) {
        if (!line.isEmpty() && !line.startsWith('#'))
            lines << line;
    }
    return lines;
}

void writeFile(const QString &name, const QByteArray &content)
{
    QFile f(name);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(content), content.size());
}
} // namespace

class TestRegbas : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void missingKey();
    void createdKeyHoldsNoValues();
    void dwordRoundTrip();
    void textIsWrittenAsItsCharacters();
    void storedTerminatingZeroBecomesPartOfText();
    void wrongSizedDwordIsAFailedRead_data();
    void wrongSizedDwordIsAFailedRead();
    void unknownTypes();
    void namesMatchWithoutRegardToCase();
    void damagedStoreReadsAsAbsentAndIsKept_data();
    void damagedStoreReadsAsAbsentAndIsKept();
    void writeReplacesFileAtomically();

private:
    std::optional<SettingsSandbox> m_settings;
    QString m_file;
};

void TestRegbas::init()
{
    m_settings.emplace();
    m_file = platform::settingsFileForKey(Key);
    QCOMPARE(m_file, m_settings->path() + "/Vantor/Tallyfold.conf");
    GLOBALbas::LastRegValue = Variant(QStringLiteral("stale"));
}

void TestRegbas::cleanup()
{
    m_settings.reset();
}

void TestRegbas::missingKey()
{
    QCOMPARE(REGbas::FetchSetting(REGbas::HkeyCurrentUser, Key, "TimeAllowed"), -1);
    QVERIFY(GLOBALbas::LastRegValue.isEmpty());

    // A write to a key that does not exist is silent and creates nothing.
    REGbas::StoreSetting(REGbas::HkeyCurrentUser, Key, "TimeAllowed", 3, REGbas::RegDword);
    QVERIFY(!QFile::exists(m_file));

    // Only the current user's root is served.
    REGbas::CreateSettingsKey(REGbas::HkeyCurrentUser, Key);
    QCOMPARE(REGbas::FetchSetting(static_cast<qint32>(0x80000002u), Key, "x"), -1);
}

void TestRegbas::createdKeyHoldsNoValues()
{
    REGbas::CreateSettingsKey(REGbas::HkeyCurrentUser, Key);
    QVERIFY(QFile::exists(m_file));
    QVERIFY(valueLines(m_file).isEmpty());

    // Creating again leaves the existing key alone.
    REGbas::StoreSetting(REGbas::HkeyCurrentUser, Key, "LowestTarget", 150, REGbas::RegDword);
    REGbas::CreateSettingsKey(REGbas::HkeyCurrentUser, Key);
    QCOMPARE(REGbas::FetchSetting(REGbas::HkeyCurrentUser, Key, "LowestTarget"), 0);
    QCOMPARE(GLOBALbas::LastRegValue, Variant(150));

    // A missing value is the platform's "file not found", and reads as empty;
    // so does the unnamed value, which is never written.
    QCOMPARE(REGbas::FetchSetting(REGbas::HkeyCurrentUser, Key, "HighestTarget"), 2);
    QVERIFY(GLOBALbas::LastRegValue.isEmpty());
    QCOMPARE(REGbas::FetchSetting(REGbas::HkeyCurrentUser, Key, QString()), 2);
}

void TestRegbas::dwordRoundTrip()
{
    REGbas::CreateSettingsKey(REGbas::HkeyCurrentUser, Key);
    REGbas::StoreSetting(REGbas::HkeyCurrentUser, Key, "TimeAllowed", 3, REGbas::RegDword);
    REGbas::StoreSetting(REGbas::HkeyCurrentUser, Key, "Negative", -1, REGbas::RegDword);
    REGbas::StoreSetting(REGbas::HkeyCurrentUser, Key, "Blob", 0x01020304, REGbas::RegBinary);
    // A later write replaces the value in place.
    REGbas::StoreSetting(REGbas::HkeyCurrentUser, Key, "TimeAllowed", 4, REGbas::RegDword);

    QCOMPARE(REGbas::FetchSetting(REGbas::HkeyCurrentUser, Key, "TimeAllowed"), 0);
    QCOMPARE(GLOBALbas::LastRegValue, Variant(4));
    QCOMPARE(REGbas::FetchSetting(REGbas::HkeyCurrentUser, Key, "Negative"), 0);
    QCOMPARE(GLOBALbas::LastRegValue, Variant(-1));
    QCOMPARE(REGbas::FetchSetting(REGbas::HkeyCurrentUser, Key, "Blob"), 0);
    QCOMPARE(GLOBALbas::LastRegValue, Variant(0x01020304));

    QCOMPARE(valueLines(m_file), (QByteArrayList{"TimeAllowed=dword:4", "Negative=dword:4294967295",
                                                 "Blob=hex(3):04030201"}));

    auto key = platform::SettingsKey::open(Key);
    QVERIFY(key);
    platform::StoredValue raw;
    QCOMPARE(key->query("Blob", &raw), 0);
    QCOMPARE(raw.type, platform::RegType::Binary);
    QCOMPARE(raw.data, QByteArray("\x04\x03\x02\x01", 4));

    // A value that is no number cannot be written as one.
    QVERIFY(REGbas::WriteValueData(key.get(), "Bad", REGbas::RegDword, QStringLiteral("x")) != 0);
    QCOMPARE(key->query("Bad", &raw), 2);
}

void TestRegbas::textIsWrittenAsItsCharacters()
{
    REGbas::CreateSettingsKey(REGbas::HkeyCurrentUser, Key);
    auto key = platform::SettingsKey::open(Key);
    QVERIFY(key);
    // The write counts the characters alone; the store, like the registry,
    // keeps the text with a terminating zero, which reads back as part of it.
    QCOMPARE(REGbas::WriteValueData(key.get(), "Name", REGbas::RegSz, QStringLiteral("abc")), 0);
    platform::StoredValue raw;
    QCOMPARE(key->query("Name", &raw), 0);
    QCOMPARE(raw.type, platform::RegType::Sz);
    QCOMPARE(raw.data, QByteArray("abc", 4));

    // A number written as text is its decimal digits; Latin-1 text stays
    // one byte a character.
    QCOMPARE(REGbas::WriteValueData(key.get(), "Number", REGbas::RegSz, 42), 0);
    QCOMPARE(REGbas::WriteValueData(key.get(), "Latin", REGbas::RegSz, QStringLiteral("caf\u00e9")),
             0);
    Variant v;
    QCOMPARE(REGbas::ReadValueData(key.get(), "Number", v), 0);
    QCOMPARE(v, Variant(QString::fromLatin1("42", 3)));
    QCOMPARE(REGbas::ReadValueData(key.get(), "Latin", v), 0);
    QCOMPARE(v, Variant(QString::fromLatin1("caf\xe9", 5)));
}

void TestRegbas::storedTerminatingZeroBecomesPartOfText()
{
    REGbas::CreateSettingsKey(REGbas::HkeyCurrentUser, Key);
    auto key = platform::SettingsKey::open(Key);
    QCOMPARE(key->set("ShowSeconds", {platform::RegType::Sz, QByteArray("1\0", 2)}), 0);
    QCOMPARE(REGbas::FetchSetting(REGbas::HkeyCurrentUser, Key, "ShowSeconds"), 0);
    QCOMPARE(GLOBALbas::LastRegValue, Variant(QString::fromLatin1("1\0", 2)));
    // The switch still reads the leading number.
    QVERIFY(GLOBALbas::FetchShowSeconds());
}

void TestRegbas::wrongSizedDwordIsAFailedRead_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("two bytes") << QByteArray("\x01\x02", 2);
    QTest::newRow("eight bytes") << QByteArray("\x01\x02\x03\x04\x05\x06\x07\x08", 8);
}

void TestRegbas::wrongSizedDwordIsAFailedRead()
{
    QFETCH(QByteArray, bytes);
    REGbas::CreateSettingsKey(REGbas::HkeyCurrentUser, Key);
    auto key = platform::SettingsKey::open(Key);
    for (quint32 type : {platform::RegType::Dword, platform::RegType::Binary}) {
        QCOMPARE(key->set("Odd", {type, bytes}), 0);
        Variant v(77);
        const qint32 status = REGbas::ReadValueData(key.get(), "Odd", v);
        QVERIFY(status != 0);
        QCOMPARE(v, Variant(77));
        QVERIFY(REGbas::FetchSetting(REGbas::HkeyCurrentUser, Key, "Odd") != 0);
        QVERIFY(GLOBALbas::LastRegValue.isEmpty());
    }
}

void TestRegbas::unknownTypes()
{
    REGbas::CreateSettingsKey(REGbas::HkeyCurrentUser, Key);
    auto key = platform::SettingsKey::open(Key);

    // A type the program does not know reads as -1 and leaves the value.
    QCOMPARE(key->set("Multi", {7, QByteArray("a\0b\0\0", 5)}), 0);
    Variant v(5);
    QCOMPARE(REGbas::ReadValueData(key.get(), "Multi", v), -1);
    QCOMPARE(v, Variant(5));

    // Writing with a type it does not know writes nothing and reports success.
    QCOMPARE(REGbas::WriteValueData(key.get(), "Expand", 2, QStringLiteral("x")), 0);
    platform::StoredValue raw;
    QCOMPARE(key->query("Expand", &raw), 2);

    // A read through a key that failed to open.
    QCOMPARE(REGbas::ReadValueData(nullptr, "Multi", v), -1);
    QCOMPARE(v, Variant(5));
}

void TestRegbas::namesMatchWithoutRegardToCase()
{
    REGbas::CreateSettingsKey(REGbas::HkeyCurrentUser, Key);
    REGbas::StoreSetting(REGbas::HkeyCurrentUser, Key, "LowestTarget", 120, REGbas::RegDword);
    REGbas::StoreSetting(REGbas::HkeyCurrentUser, Key, "LOWESTTARGET", 130, REGbas::RegDword);
    QCOMPARE(REGbas::FetchSetting(REGbas::HkeyCurrentUser, Key, "lowesttarget"), 0);
    QCOMPARE(GLOBALbas::LastRegValue, Variant(130));
    // One value, which keeps the spelling it was first written with.
    QCOMPARE(valueLines(m_file), QByteArrayList{"LowestTarget=dword:130"});
}

void TestRegbas::damagedStoreReadsAsAbsentAndIsKept_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("garbage") << QByteArray("\x7f"
                                           "ELF\x01\x02\x00\xff",
                                           8);
    QTest::newRow("truncated line") << QByteArray("LowestTarget=dword:200\nTimeAllowed=dwo");
    QTest::newRow("odd hex") << QByteArray("TimeAllowed=hex(4):030");
    QTest::newRow("bad hex") << QByteArray("TimeAllowed=hex(4):zz000000");
    QTest::newRow("number too big") << QByteArray("TimeAllowed=dword:4294967296");
    QTest::newRow("negative number") << QByteArray("TimeAllowed=dword:-3");
    QTest::newRow("no value") << QByteArray("TimeAllowed\n");
    QTest::newRow("duplicate name") << QByteArray("a=dword:1\nA=dword:2\n");
    QTest::newRow("type too big") << QByteArray("a=hex(99999999999):00");
    QTest::newRow("huge") << QByteArray(2 * 1024 * 1024, 'a');
}

void TestRegbas::damagedStoreReadsAsAbsentAndIsKept()
{
    QFETCH(QByteArray, content);
    REGbas::CreateSettingsKey(REGbas::HkeyCurrentUser, Key);
    writeFile(m_file, content);

    // The key exists, but the value's line cannot be read: it is absent
    // alone (the good line before the truncated one keeps its value).
    QCOMPARE(REGbas::FetchSetting(REGbas::HkeyCurrentUser, Key, "TimeAllowed"), 2);
    QVERIFY(GLOBALbas::LastRegValue.isEmpty());
    const GameSettings read = GLOBALbas::LoadSettings();
    QCOMPARE(read.timeAllowed, qint16(30));
    QCOMPARE(read.timerInterval, qint16(950));
    QCOMPARE(read.lowestTarget, qint16(content.startsWith("LowestTarget") ? 200 : 101));
    QCOMPARE(readFile(m_file), content); // reading never rewrites it

    // Applying settings replaces it, and the unreadable file is kept aside.
    REGbas::StoreSetting(REGbas::HkeyCurrentUser, Key, "TimeAllowed", 2, REGbas::RegDword);
    QCOMPARE(REGbas::FetchSetting(REGbas::HkeyCurrentUser, Key, "TimeAllowed"), 0);
    QCOMPARE(GLOBALbas::LastRegValue, Variant(2));
    const QFileInfo file(m_file);
    const QStringList kept = file.dir().entryList({file.fileName() + QStringLiteral(".bad-*")});
    QCOMPARE(kept.size(), 1);
    QCOMPARE(readFile(file.dir().filePath(kept.first())), content);
}

void TestRegbas::writeReplacesFileAtomically()
{
    REGbas::CreateSettingsKey(REGbas::HkeyCurrentUser, Key);
    REGbas::StoreSetting(REGbas::HkeyCurrentUser, Key, "LowestTarget", 101, REGbas::RegDword);
    // Someone holds the file open while we write: they keep reading the old
    // complete content, because the write goes to a new file that replaces
    // the old one by name.
    QFile reader(m_file);
    QVERIFY(reader.open(QIODevice::ReadOnly));
    REGbas::StoreSetting(REGbas::HkeyCurrentUser, Key, "HighestTarget", 999, REGbas::RegDword);
    const QByteArray old = reader.readAll();
    QVERIFY(old.contains("LowestTarget=dword:101"));
    QVERIFY(!old.contains("HighestTarget"));
    QVERIFY(readFile(m_file).contains("HighestTarget=dword:999"));
    // Nothing is left behind but the store itself.
    const QStringList files = QDir(m_settings->path() + "/Vantor").entryList(QDir::Files);
    QCOMPARE(files, QStringList{"Tallyfold.conf"});
}

QTEST_GUILESS_MAIN(TestRegbas)
#include "tst_regbas.moc"
