// Board codes: every board the game can deal read back from its code, codes
// pinned as a second implementation of the header's encoding worked them out,
// every single mistyped character and swap of neighbours refused, and the
// faults of a typed code named where they can be.

#include "boardcode.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <functional>
#include <set>
#include <string>
#include <vector>

using Board = std::array<std::int32_t, 6>;
using Numbers = std::vector<std::int32_t>;
Q_DECLARE_METATYPE(solver::CodeFault)

namespace {

// Every board the game can deal, largest first: all choices of six of its 24
// tiles, the same six values counted once.
const std::vector<Board> &allBoards()
{
    static const std::vector<Board> boards = [] {
        std::vector<std::int32_t> tiles;
        for (std::int32_t n = 1; n <= 10; ++n)
            tiles.insert(tiles.end(), {n, n});
        tiles.insert(tiles.end(), {25, 50, 75, 100});
        std::set<Board> distinct;
        Board board{};
        const std::function<void(std::size_t, std::size_t)> choose = [&](std::size_t from,
                                                                         std::size_t chosen) {
            if (chosen == board.size()) {
                Board sorted = board;
                std::sort(sorted.begin(), sorted.end(), std::greater<>());
                distinct.insert(sorted);
                return;
            }
            for (std::size_t i = from; i + (board.size() - chosen) <= tiles.size(); ++i) {
                board[chosen] = tiles[i];
                choose(i + 1, chosen + 1);
            }
        };
        choose(0, 0);
        return std::vector<Board>(distinct.begin(), distinct.end());
    }();
    return boards;
}

// Codes spread over the boards and targets, the first and last rank among
// them.
std::vector<std::string> sampleCodes()
{
    std::vector<std::string> codes{"TF-222-222", "TF-GC4-PCV"};
    const std::vector<Board> &boards = allBoards();
    for (std::size_t i = 0; i < boards.size(); i += 97)
        codes.push_back(solver::boardCode(boards[i], std::int64_t(1 + i * 7 % 999)));
    return codes;
}

std::string codeOf(std::string body)
{
    return "TF-" + body.insert(3, "-");
}

} // namespace

class TestBoardCode : public QObject
{
    Q_OBJECT

private slots:
    void everyBoardReadBack();
    void pinned_data();
    void pinned();
    void mistypesRefused();
    void reading_data();
    void reading();
};

// Each board in two orders with 1, 999 and a target that visits all of 1 to
// 999 over the boards: the same code, read back as the same board, and no
// two boards or targets share one.
void TestBoardCode::everyBoardReadBack()
{
    const std::vector<Board> &boards = allBoards();
    QCOMPARE(boards.size(), std::size_t(13243));
    std::set<std::string> codes;
    std::set<std::pair<Board, std::int32_t>> named;
    for (std::size_t i = 0; i < boards.size(); ++i) {
        Board shuffled = boards[i];
        std::reverse(shuffled.begin(), shuffled.end());
        std::rotate(shuffled.begin(), shuffled.begin() + std::ptrdiff_t(i % 6), shuffled.end());
        for (const std::int32_t target : {1, 999, std::int32_t(1 + i * 389 % 999)}) {
            const std::string code = solver::boardCode(boards[i], target);
            QCOMPARE(solver::boardCode(shuffled, target), code);
            const solver::ReadCode read = solver::readBoardCode(code);
            QCOMPARE(read.fault, solver::CodeFault::None);
            QCOMPARE(read.numbers, boards[i]);
            QCOMPARE(read.target, target);
            QCOMPARE(read.code, code);
            codes.insert(code);
            named.insert({boards[i], target});
        }
    }
    QCOMPARE(codes.size(), named.size());
}

// Codes worked out by a separate program from the header's description
// alone, so that a change to the encoding, which would change every code
// handed out, cannot pass unnoticed; or the problem when there is no code.
void TestBoardCode::pinned_data()
{
    QTest::addColumn<Numbers>("numbers");
    QTest::addColumn<qint64>("target");
    QTest::addColumn<QString>("code");
    QTest::newRow("rank 0") << Numbers{10, 25, 100, 10, 50, 75} << qint64(1) << "TF-222-222";
    QTest::newRow("the last rank") << Numbers{1, 2, 3, 1, 2, 3} << qint64(999) << "TF-GC4-PCV";
    QTest::newRow("523") << Numbers{2, 3, 5, 8, 75, 100} << qint64(523) << "TF-98X-KKC";
    QTest::newRow("no large") << Numbers{5, 6, 7, 8, 9, 10} << qint64(999) << "TF-353-67H";
    QTest::newRow("a day's board") << Numbers{100, 50, 25, 8, 2, 1} << qint64(813) << "TF-DJP-KF9";
    QTest::newRow("1 to 6") << Numbers{6, 5, 4, 3, 2, 1} << qint64(1) << "TF-EG7-DEY";
    const Numbers board{100, 75, 8, 5, 3, 2};
    QTest::newRow("target 0") << board << qint64(0) << "the target 0 is outside 1 to 999";
    QTest::newRow("target 1000") << board << qint64(1000) << "the target 1000 is outside";
    QTest::newRow("a third 5") << Numbers{5, 5, 5, 4, 3, 2} << qint64(500)
                               << "5 is chosen more often than the board has it";
}

void TestBoardCode::pinned()
{
    QFETCH(Numbers, numbers);
    QFETCH(qint64, target);
    QFETCH(QString, code);
    const QString problem = QString::fromStdString(solver::boardCodeProblem(numbers, target));
    QCOMPARE(QString::fromStdString(solver::boardCode(numbers, target)),
             code.startsWith("TF-") ? code : QString());
    QVERIFY2(code.startsWith("TF-") ? problem.isEmpty() : problem.contains(code),
             qPrintable(problem));
}

// Every other character of the alphabet in each place, and each two
// differing neighbours swapped, fail the check; a character outside the
// alphabet is named.
void TestBoardCode::mistypesRefused()
{
    for (const std::string &code : sampleCodes()) {
        const std::string body = code.substr(3, 3) + code.substr(7, 3);
        for (std::size_t place = 0; place < body.size(); ++place) {
            for (const char c : solver::kCodeAlphabet) {
                std::string typo = body;
                typo[place] = c;
                if (c != body[place])
                    QCOMPARE(solver::readBoardCode(codeOf(typo)).fault, solver::CodeFault::Check);
            }
            if (place + 1 < body.size() && body[place] != body[place + 1]) {
                std::string swapped = body;
                std::swap(swapped[place], swapped[place + 1]);
                QCOMPARE(solver::readBoardCode(codeOf(swapped)).fault, solver::CodeFault::Check);
            }
            std::string outside = body;
            outside[place] = 'O';
            const solver::ReadCode read = solver::readBoardCode(codeOf(outside));
            QCOMPARE(read.fault, solver::CodeFault::Character);
            QCOMPARE(read.position, place + (place < 3 ? 4 : 5));
        }
    }
}

// A code as players type it, or the fault and the place it is named at (0
// where no one character can be named).
void TestBoardCode::reading_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<solver::CodeFault>("fault");
    QTest::addColumn<int>("position");
    QTest::addColumn<QByteArray>("message");
    const auto row = [](const char *name, const char *text, solver::CodeFault fault, int position,
                        const char *message) {
        QTest::newRow(name) << QByteArray(text) << fault << position << QByteArray(message);
    };
    using enum solver::CodeFault;
    for (const char *typed :
         {"TF-98X-KKC", "tf-98x-kkc", "TF98XKKC", " t f 9-8x k k-c ", "TF--98XK-KC"})
        row(typed, typed, None, 0, "");
    row("O", "TF-98X-KKO", Character, 10,
        "character 10, 'O', is not one a code has (it has 2 to 9 and the letters but I, L and O)");
    row("l", "tf-98x-kkl", Character, 10, "character 10, 'l'");
    row("1 after a space", "TF 198X-KKC", Character, 4, "character 4, '1'");
    row("underscore", "TF-98X_KKC", Character, 7, "character 7, '_'");
    // Counted in characters, not bytes.
    row("two-byte characters", "TF-\u00c9\u00c9X-KKC", Character, 4, "character 4, '\u00c9'");
    row("a byte of no character", "TF-98X-KK\xff", Character, 10, "character 10, '\xff'");
    row("no TF", "98X-KKC", Prefix, 1,
        "character 1, '9', does not belong there: a code starts with TF");
    row("no F", "T-98X-KKC", Prefix, 3, "character 3, '9'");
    row("XF", "XF-98X-KKC", Prefix, 1, "character 1, 'X'");
    row("short", "TF-98X-KK", Length, 0, "a code has 6 characters after TF, this has 5");
    row("long", "TF-98X-KKCC", Length, 0, "this has 7");
    row("empty", "", Length, 0, "this has 0");
    const char *check = "the check character does not match: a character is mistyped or two "
                        "are swapped, but which cannot be told";
    row("changed", "TF-98X-KKD", Check, 0, check);
    row("swapped", "tf-98x-kck", Check, 0, check);
    row("beyond the last board", "TF-GC4-PDT", NoBoard, 0, "the code names no board");
    row("the highest number", "TF-ZZZ-ZZP", NoBoard, 0, "more than one character is wrong");
}

void TestBoardCode::reading()
{
    QFETCH(QByteArray, text);
    QFETCH(solver::CodeFault, fault);
    QFETCH(int, position);
    QFETCH(QByteArray, message);
    const solver::ReadCode read = solver::readBoardCode(text.toStdString());
    QCOMPARE(read.fault, fault);
    QCOMPARE(read.position, std::size_t(position));
    const std::string said = solver::codeFaultMessage(read);
    QVERIFY2(QByteArray::fromStdString(said).contains(message), said.c_str());
    QCOMPARE(said.empty(), message.isEmpty());
    if (fault == solver::CodeFault::None) {
        QCOMPARE(read.code, std::string("TF-98X-KKC"));
        QCOMPARE(read.numbers, (Board{100, 75, 8, 5, 3, 2}));
        QCOMPARE(read.target, 523);
    }
}

QTEST_GUILESS_MAIN(TestBoardCode)
#include "tst_boardcode.moc"
