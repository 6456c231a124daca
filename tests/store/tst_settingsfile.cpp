// The settings store's file text without a file: what it reads, what it
// refuses, and that it reads back everything it writes; and that the store
// never writes a file too big to be read back.

#include "settingsfile.h"
#include "settingssandbox.h"
#include "settingsstore.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTest>

using platform::StoredValue;
using platform::StoreValue;
using platform::settingsfile::Entries;
using platform::settingsfile::ParseResult;

namespace {

StoreValue dword(quint32 v)
{
    StoreValue value{platform::RegType::Dword, std::string(4, '\0')};
    for (int i = 0; i < 4; ++i)
        value.data[i] = char(v >> (8 * i));
    return value;
}

ParseResult parse(const QByteArray &content, Entries *entries = nullptr)
{
    Entries scratch;
    return platform::settingsfile::parse(content, entries ? entries : &scratch);
}

} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT

private slots:
    void writtenTextIsTheKnownFormat();
    void readsBackWhatItWrites();
    void skipsCommentsAndBlankLines();
    void damagedLineIsLeftOutAlone_data();
    void damagedLineIsLeftOutAlone();
    void namesDifferingOnlyInCaseAreDuplicates_data();
    void namesDifferingOnlyInCaseAreDuplicates();
    void bigFileOfDistinctNamesReadsWhole();
    void storeNeverWritesAFileItCannotRead();
    void storeKeepsTheGoodValuesAndEachDamagedFile();
    void lockLeftEmptyDoesNotHoldWrites();
};

void TestSettingsFile::writtenTextIsTheKnownFormat()
{
    // Existing users' files are in this form; it must not drift.
    const Entries entries = {{QStringLiteral("LowestTarget"), dword(101)},
                             {QStringLiteral("Blob"), {3, std::string("\x04\x03\x02\x01", 4)}},
                             {QStringLiteral("Short"), {4, std::string("\x01\x02", 2)}}};
    const QByteArrayList lines = platform::settingsfile::format(entries).split('\n');
    QCOMPARE(lines.size(), 5);
    QVERIFY(lines[0].startsWith('#'));
    QCOMPARE(lines[1], QByteArray("LowestTarget=dword:101"));
    QCOMPARE(lines[2], QByteArray("Blob=hex(3):04030201"));
    QCOMPARE(lines[3], QByteArray("Short=hex(4):0102")); // a DWORD of the wrong size stays raw
    QCOMPARE(lines[4], QByteArray());
}

void TestSettingsFile::readsBackWhatItWrites()
{
    const Entries entries = {
        {QStringLiteral("TimeAllowed"), dword(3)},
        {QStringLiteral("Negative"), dword(0xFFFFFFFFu)},
        {QStringLiteral("Text"), {1, std::string("abc\0", 4)}},
        {QStringLiteral("Empty"), {1, std::string()}},
        {QStringLiteral("Odd type"), {0xFFFFFFFFu, std::string("\x00\xff", 2)}},
        {QString(), dword(0)},
        {QStringLiteral("a=b#c%d\r\n e"), dword(7)},
        {QString::fromUtf8("Stra\u00dfe \U00010400"), dword(8)},
    };
    Entries read;
    QCOMPARE(parse(platform::settingsfile::format(entries), &read), ParseResult::Ok);
    QVERIFY(read == entries);
}

void TestSettingsFile::skipsCommentsAndBlankLines()
{
    Entries read;
    QCOMPARE(
        parse("# a comment\r\n\r\n \t\nTimeAllowed=dword:3\r\n#Other=dword:1\nX=hex(3):", &read),
        ParseResult::Ok);
    QVERIFY(read == (Entries{{QStringLiteral("TimeAllowed"), dword(3)},
                             {QStringLiteral("X"), {3, std::string()}}}));
    QCOMPARE(parse(QByteArray(), &read), ParseResult::Ok);
    QVERIFY(read.empty());
}

void TestSettingsFile::damagedLineIsLeftOutAlone_data()
{
    QTest::addColumn<QByteArray>("content"); // one damaged line
    QTest::newRow("no equals sign") << QByteArray("TimeAllowed");
    QTest::newRow("cut short") << QByteArray("LowestTarget=dwo");
    QTest::newRow("negative") << QByteArray("StatGames=dword:-5");
    QTest::newRow("trailing blank") << QByteArray("a=dword:3 ");
    QTest::newRow("a name again") << QByteArray("GOOD=dword:9");
    QTest::newRow("unknown form") << QByteArray("a=text:abc");
    QTest::newRow("signed number") << QByteArray("a=dword:+3");
    QTest::newRow("blank in number") << QByteArray("a=dword: 3");
    QTest::newRow("number too big") << QByteArray("a=dword:4294967296");
    QTest::newRow("twenty-one digits") << QByteArray("a=dword:000000000000000000001");
    QTest::newRow("odd hex") << QByteArray("a=hex(4):030");
    QTest::newRow("bad hex") << QByteArray("a=hex(4):zz000000");
    QTest::newRow("no type") << QByteArray("a=hex():00");
    QTest::newRow("type too big") << QByteArray("a=hex(4294967296):00");
    QTest::newRow("no closing") << QByteArray("a=hex(4:00");
}

// The values before and after a damaged line are read; only its own is
// missing. A file over the size limit is not ours at all.
void TestSettingsFile::damagedLineIsLeftOutAlone()
{
    QFETCH(QByteArray, content);
    Entries read = {{QStringLiteral("stale"), dword(1)}};
    QCOMPARE(parse("good=dword:7\n" + content + "\nafter=dword:8\n", &read), ParseResult::Damaged);
    QCOMPARE(read,
             (Entries{{QStringLiteral("good"), dword(7)}, {QStringLiteral("after"), dword(8)}}));
    QCOMPARE(parse("a=dword:1\n#" + QByteArray(platform::settingsfile::MaxFileSize, 'x'), &read),
             ParseResult::Corrupt);
    QVERIFY(read.empty());
}

void TestSettingsFile::namesDifferingOnlyInCaseAreDuplicates_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("duplicate");
    QTest::newRow("same") << "LowestTarget"
                          << "LowestTarget" << true;
    QTest::newRow("ascii case") << "LowestTarget"
                                << "lOWESTtARGET" << true;
    QTest::newRow("different") << "LowestTarget"
                               << "HighestTarget" << false;
    QTest::newRow("sharp s") << QString::fromUtf8("\u00df") << QString::fromUtf8("\u1e9e") << true;
    QTest::newRow("sharp s is not ss") << QString::fromUtf8("\u00df") << "SS" << false;
    QTest::newRow("final sigma") << QString::fromUtf8("\u03c2") << QString::fromUtf8("\u03a3")
                                 << true;
    QTest::newRow("beyond 16 bits")
        << QString::fromUtf8("\U00010400") << QString::fromUtf8("\U00010428") << true;
    QTest::newRow("dotted I") << "i" << QString::fromUtf8("\u0130") << false;
}

void TestSettingsFile::namesDifferingOnlyInCaseAreDuplicates()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, duplicate);
    // The store looks values up with this comparison, so the file must
    // never hold two names it cannot tell apart.
    QCOMPARE(first.compare(second, Qt::CaseInsensitive) == 0, duplicate);
    const Entries entries = {{first, dword(1)}};
    const Entries others = {{second, dword(2)}};
    const QByteArray text =
        platform::settingsfile::format(entries) + platform::settingsfile::format(others);
    QCOMPARE(parse(text), duplicate ? ParseResult::Damaged : ParseResult::Ok);
}

void TestSettingsFile::bigFileOfDistinctNamesReadsWhole()
{
    // Near the size limit with short lines: every line is checked against
    // all names before it, which must not cost a comparison per pair.
    constexpr int Count = 65536;
    QByteArray text;
    for (int i = 0; i < Count; ++i)
        text += 'n' + QByteArray::number(i, 36).rightJustified(4, '0') +
                "=dword:" + QByteArray::number(i % 10) + '\n';
    QVERIFY(text.size() <= platform::settingsfile::MaxFileSize);
    Entries read;
    QCOMPARE(parse(text, &read), ParseResult::Ok);
    QCOMPARE(read.size(), std::size_t(Count));
    QCOMPARE(read.front().first, QStringLiteral("n0000"));
    QCOMPARE(read.back().first, QStringLiteral("n1ekf"));
    QCOMPARE(read.back().second.data, dword((Count - 1) % 10).data);

    // A name again in capitals after them is left out; the first one stays.
    QCOMPARE(parse(text + "N1EKF=dword:0\n", &read), ParseResult::Damaged);
    QCOMPARE(read.size(), std::size_t(Count));
}

void TestSettingsFile::storeNeverWritesAFileItCannotRead()
{
    const SettingsSandbox sandbox;
    const QString key = QStringLiteral("Software\\Test\\Big\\");
    QVERIFY(platform::SettingsKey::create(key));
    const auto opened = platform::SettingsKey::open(key);
    QVERIFY(opened);

    // Written as hex, this value fills the file to just under the limit.
    const StoredValue big{3, QByteArray(platform::settingsfile::MaxFileSize / 2 - 100, '\x5a')};
    QCOMPARE(opened->set(QStringLiteral("Big"), big), platform::RegStatus::Success);
    const QString file = platform::settingsFileForKey(key);
    const qint64 sizeBefore = QFileInfo(file).size();
    QVERIFY(sizeBefore <= platform::settingsfile::MaxFileSize);

    // One more value would take it over: that write fails, and the file keeps
    // what it held, readable.
    QCOMPARE(opened->set(QStringLiteral("More"), {3, QByteArray(100, '\0')}),
             platform::RegStatus::WriteFault);
    QCOMPARE(QFileInfo(file).size(), sizeBefore);
    StoredValue read;
    QCOMPARE(opened->query(QStringLiteral("Big"), &read), platform::RegStatus::Success);
    QCOMPARE(read.data, big.data);
    QCOMPARE(opened->query(QStringLiteral("More"), &read), platform::RegStatus::FileNotFound);
}

// A write over a file with a damaged line keeps every value that could be
// read, and a copy of each damaged file, never one over another.
void TestSettingsFile::storeKeepsTheGoodValuesAndEachDamagedFile()
{
    const SettingsSandbox sandbox;
    const QString key = QStringLiteral("Software\\Test\\Damaged\\");
    QVERIFY(platform::SettingsKey::create(key));
    const QString file = platform::settingsFileForKey(key);
    for (const QByteArray damage : {"StatGames=dword:-5", "HighestTarget=dword:999 "}) {
        QFile text(file);
        QVERIFY(text.open(QIODevice::Append));
        text.write("LowestTarget=dword:200\n" + damage + '\n');
        text.close();
        const auto opened = platform::SettingsKey::open(key);
        QVERIFY(opened);
        StoredValue read;
        QCOMPARE(opened->query(QStringLiteral("LowestTarget"), &read),
                 platform::RegStatus::Success);
        QCOMPARE(opened->set(QStringLiteral("TimeAllowed"),
                             {platform::RegType::Dword, QByteArray::fromHex("02000000")}),
                 platform::RegStatus::Success);
        QCOMPARE(opened->query(QStringLiteral("LowestTarget"), &read),
                 platform::RegStatus::Success);
        QCOMPARE(read.data, QByteArray::fromHex("c8000000"));
    }
    const QStringList kept =
        QFileInfo(file).dir().entryList({QFileInfo(file).fileName() + ".bad-*"});
    QCOMPARE(kept.size(), 2);
}

// A lock file left empty by a copy of the game killed while taking it does
// not hold later writes for long, and never makes them fail for good.
void TestSettingsFile::lockLeftEmptyDoesNotHoldWrites()
{
    const SettingsSandbox sandbox;
    const QString key = QStringLiteral("Software\\Test\\Locked\\");
    QVERIFY(platform::SettingsKey::create(key));
    const QString lockName = platform::settingsFileForKey(key) + QStringLiteral(".lock");
    QFile lock(lockName);
    QVERIFY(lock.open(QIODevice::WriteOnly));
    QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-2),
                             QFileDevice::FileModificationTime));
    lock.close();
    const auto opened = platform::SettingsKey::open(key);
    QElapsedTimer took;
    took.start();
    QCOMPARE(opened->set(QStringLiteral("TimeAllowed"),
                         {platform::RegType::Dword, QByteArray::fromHex("01000000")}),
             platform::RegStatus::Success);
    QVERIFY2(took.elapsed() < 500, qPrintable(QString::number(took.elapsed())));
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
