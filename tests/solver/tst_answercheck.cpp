// The checker of a typed answer, and the points measured against the best
// the board could do.

#include "answercheck.h"
#include "answerscore.h"

#include <QTest>

#include <cstdint>
#include <limits>
#include <span>
#include <tuple>

using solver::CheckProblem;
using P = solver::CheckProblem;

Q_DECLARE_METATYPE(solver::CheckProblem)

namespace {

const QList<int> kBoard{100, 75, 8, 5, 3, 2};
const QList<int> kDoubles{3, 3, 2, 2, 1, 1};

std::span<const std::int32_t> numbersOf(const QList<int> &list)
{
    return {list.constData(), static_cast<std::size_t>(list.size())};
}

void valid(const char *name, const char *text, qint64 value, const QList<int> &board = kBoard)
{
    QTest::newRow(name) << QByteArray(text) << board << value << CheckProblem::None << 0
                        << QByteArray() << 0 << QString();
}

void fault(const char *name, const char *text, CheckProblem problem, int step, const char *stepText,
           int position, const char *message = "", const QList<int> &board = kBoard)
{
    QTest::newRow(name) << QByteArray(text) << board << qint64(0) << problem << step
                        << QByteArray(stepText) << position << QString::fromUtf8(message);
}

} // namespace

class TestAnswerCheck : public QObject
{
    Q_OBJECT

private slots:
    void check_data();
    void check();
    void stepLimits();
    void best_data();
    void best();
    void points();
};

void TestAnswerCheck::check_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QList<int>>("board");
    QTest::addColumn<qint64>("value");
    QTest::addColumn<CheckProblem>("problem");
    QTest::addColumn<int>("step");
    QTest::addColumn<QByteArray>("stepText");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("message");

    const QList<int> large(6, 2147483647);
    valid("one number", "75", 75);
    valid("x before +", "2+3x5", 17);
    valid("brackets first", "(2+3)x5", 25);
    valid("- left to right", "100-8-2", 90);
    valid("/ left to right", "100/5/2", 10);
    valid("both ranks", "(75-5)x8-100/2", 510);
    valid("nested brackets", "((100+(8-3))x5)", 525);
    valid("other symbols", "(100 \u2212 75) \u00D7 8 \u00F7 2 * 3 X 05", 1500);
    valid("spaces and tabs", " ( 100 +\t75 ) x 3 - 2 ", 523);
    valid("dealt twice, used twice", "(2+1)x(2+1)x3x3", 81, kDoubles);
    valid("+ in brackets first", "(2+3)/5", 1);

    fault("not on the board", "100+11", P::NotOnBoard, 0, "11", 4,
          "11 is not one of your numbers.");
    fault("used twice", "5x5", P::UsedTooOften, 0, "5", 2);
    fault("dealt twice, used thrice", "3x3+3", P::UsedTooOften, 0, "3", 4, "", kDoubles);
    fault("a fraction", "8/3", P::NotWhole, 1, "8 / 3", 1);
    fault("a later fraction", "75x8-(100-5)/3", P::NotWhole, 3, "95 / 3", 12);
    fault("/ before +", "2+3/5", P::NotWhole, 1, "3 / 5", 3);
    fault("zero step", "3-3", P::NotPositive, 1, "3 - 3", 1, "", kDoubles);
    fault("inner negative step first", "100+(3-8)", P::NotPositive, 1, "3 - 8", 6,
          "Step 1, 3 - 8: the result must be a positive whole number.");
    fault("zero in the second step", "8-3-5", P::NotPositive, 2, "5 - 5", 3);
    fault("step beyond 64 bits", "2147483647x2147483647x2147483647", P::StepTooLarge, 2,
          "4611686014132420609 x 2147483647", 21, "", large);

    fault("empty", "", P::Empty, 0, "", 0, "The answer is empty.");
    fault("a letter", "2+a", P::UnexpectedCharacter, 0, "a", 2,
          "'a' at character 3 is not a number, an operation or a bracket.");
    fault("characters, not bytes", "5\u00D73a", P::UnexpectedCharacter, 0, "a", 3);
    fault("a broken byte", "5\xFF", P::UnexpectedCharacter, 0, "\uFFFD", 1);
    fault("an overlong +", "5\xC0\xAB", P::UnexpectedCharacter, 0, "\uFFFD", 1);
    fault("two operations", "2++3", P::MissingNumber, 0, "+", 2,
          "A number is missing before '+' at character 3.");
    fault("unary minus", "-3+5", P::MissingNumber, 0, "-", 0);
    fault("ends in an operation", "2+", P::MissingNumber, 0, "", 2);
    fault("empty brackets", "()", P::MissingNumber, 0, ")", 1);
    fault("bracket after a number", "2(3)", P::MissingOperation, 0, "(", 1);
    fault("two numbers", "2 3", P::MissingOperation, 0, "3", 2,
          "An operation is missing before '3' at character 3.");
    fault("never closed", "(2+3", P::UnbalancedParentheses, 0, "(", 0,
          "The bracket at character 1 is never closed.");
    fault("closes nothing", "2+3)", P::UnbalancedParentheses, 0, ")", 3,
          "The bracket at character 4 closes nothing.");
    fault("20 digits", "99999999999999999999", P::NumberTooLarge, 0, "99999999999999999999", 0);
    fault("just past 32 bits", "5+002147483648", P::NumberTooLarge, 0, "2147483648", 2);
    fault("largest 32-bit number", "2147483647", P::NotOnBoard, 0, "2147483647", 0);

    // The first fault is the first kind that occurs, whatever comes later.
    fault("syntax before numbers", "11+2+", P::MissingNumber, 0, "", 5);
    fault("too large before not dealt", "11+99999999999", P::NumberTooLarge, 0, "99999999999", 3);
    fault("not dealt before too often", "5x5+11", P::NotOnBoard, 0, "11", 4);
    fault("too often before a step", "8/3+3", P::UsedTooOften, 0, "3", 4);
}

void TestAnswerCheck::check()
{
    QFETCH(QByteArray, text);
    QFETCH(QList<int>, board);
    QFETCH(qint64, value);
    QFETCH(CheckProblem, problem);
    QFETCH(int, position);
    QFETCH(QString, message);
    const solver::CheckResult result = solver::checkAnswer(text.toStdString(), numbersOf(board));
    QCOMPARE(result.problem, problem);
    QCOMPARE(result.valid, problem == P::None);
    QCOMPARE(qint64(result.value), value);
    QTEST(result.step, "step");
    QTEST(QByteArray::fromStdString(result.stepText), "stepText");
    QCOMPARE(result.position, std::size_t(position));
    const QString said = QString::fromStdString(solver::checkMessage(result));
    QCOMPARE(said.isEmpty(), result.valid);
    if (!message.isEmpty())
        QCOMPARE(said, message);
}

void TestAnswerCheck::stepLimits()
{
    using O = solver::Operation;
    using S = solver::StepProblem;
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    const std::tuple<std::int64_t, O, std::int64_t, S, std::int64_t> cases[] = {
        {kMax - 1, O::Add, 1, S::None, kMax},       {kMax, O::Add, 1, S::TooLarge, 0},
        {kMax, O::Subtract, -1, S::TooLarge, 0},    {-kMax, O::Subtract, kMax, S::TooLarge, 0},
        {-2, O::Multiply, -3, S::None, 6},          {kMax / 2 + 1, O::Multiply, 2, S::TooLarge, 0},
        {-kMax - 1, O::Divide, -1, S::TooLarge, 0}, {7, O::Divide, 0, S::NotWhole, 0},
        {0, O::Divide, 7, S::NotPositive, 0}};
    for (const auto &[a, op, b, problem, value] : cases) {
        const solver::StepOutcome outcome = solver::applyStep(a, op, b);
        QVERIFY2(outcome.problem == problem && outcome.value == value,
                 solver::stepText(a, op, b).c_str());
    }
}

void TestAnswerCheck::best_data()
{
    QTest::addColumn<QList<int>>("board");
    QTest::addColumn<qint64>("target");
    QTest::addColumn<QList<qint64>>("values");
    QTest::addColumn<qint64>("distance");
    QTest::addColumn<QByteArray>("way");
    QTest::newRow("reached") << kBoard << qint64(523) << QList<qint64>{523} << qint64(0)
                             << QByteArray("((100+3)x5)+8");
    QTest::newRow("far out of reach") << kDoubles << qint64(999) << QList<qint64>{81} << qint64(918)
                                      << QByteArray("(((2+1)x(2+1))x3)x3");
    QTest::newRow("two as near") << QList<int>{4, 3, 2, 2, 1, 1} << qint64(102)
                                 << QList<qint64>{96, 108} << qint64(6)
                                 << QByteArray("((((2+1)+1)x4)x3)x2");
    // 406 = ((8x8)-6)x7 takes four numbers, 404 five: the way must reach the
    // lower value all the same.
    QTest::newRow("the higher is simpler")
        << QList<int>{8, 8, 7, 6, 4, 2} << qint64(405) << QList<qint64>{404, 406} << qint64(1)
        << QByteArray("(((7x6)+8)x8)+4");
}

void TestAnswerCheck::best()
{
    QFETCH(QList<int>, board);
    QFETCH(qint64, target);
    QFETCH(QList<qint64>, values);
    QFETCH(qint64, distance);
    QFETCH(QByteArray, way);
    const solver::BestPossible best = solver::bestPossible(numbersOf(board), target);
    QCOMPARE(QList<qint64>(best.values.begin(), best.values.end()), values);
    QCOMPARE(best.value, values.front());
    QCOMPARE(qint64(best.distance), distance);
    QCOMPARE(QByteArray::fromStdString(best.way), way);
    // The way is itself an answer the checker takes, to the best value.
    const solver::CheckResult checked = solver::checkAnswer(best.way, numbersOf(board));
    QVERIFY(checked.valid);
    QCOMPARE(checked.value, best.value);
}

void TestAnswerCheck::points()
{
    const struct
    {
        std::int64_t distance, best;
        int points;
    } cases[] = {{0, 0, 10},  {3, 0, 7},      {9, 0, 1},     {10, 0, 0},
                 {400, 0, 0}, {918, 918, 10}, {920, 918, 8}, {928, 918, 0}};
    for (const auto &c : cases)
        QCOMPARE(solver::pointsFor(c.distance, c.best), c.points);
}

QTEST_GUILESS_MAIN(TestAnswerCheck)
#include "tst_answercheck.moc"
