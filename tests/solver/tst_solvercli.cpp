#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

#include "solvecli.h"

class TestSolverCli : public QObject
{
    Q_OBJECT

private slots:
    void listsAnswersThenFinishMessage();
    void numbersInAnyOrder();
    void noAnswers();
    void json();
    void outputs_data();
    void outputs();
    void completeJson();
    void checkJson();
    void coachingJson_data();
    void coachingJson();
    void dailyJson();
    void codeJson();
    void dailyToday();
    void refusals_data();
    void refusals();
    void help();
};

void TestSolverCli::listsAnswersThenFinishMessage()
{
    const Result result = solve({"100", "75", "8", "5", "3", "2", "523"});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.err, QString());
    QVERIFY(result.out.endsWith('\n'));
    const QStringList lines = result.out.chopped(1).split('\n');
    QCOMPARE(lines.size(), 34);
    QCOMPARE(lines.mid(0, 5),
             (QStringList{"((100+75)x3)-2", "(((100+75)+2)x3)-8", "(((100+8)-3)x5)-2",
                          "((((100x8)+75)/5)x3)-2", "((((100x8)+75)x3)/5)-2"}));
    QVERIFY(lines.contains("((100+3)x5)+8"));
    // The two lines of the status label, the space before the break included.
    QCOMPARE(lines.at(32), QStringLiteral("Searched 210492 combinations: "));
    QCOMPARE(lines.at(33), QStringLiteral("32 answers found."));
}

void TestSolverCli::numbersInAnyOrder()
{
    const Result sorted = solve({"25", "50", "75", "100", "3", "6", "952"});
    const Result shuffled = solve({"3", "100", "6", "25", "75", "50", "952"});
    QCOMPARE(sorted.exitCode, 0);
    QCOMPARE(shuffled.out, sorted.out);
    QVERIFY(sorted.out.startsWith("(((100+6)x(75x3))-50)/25\n"));
    QVERIFY(sorted.out.endsWith("((((100+3)x75)x6)/50)+25\n"
                                "Searched 219056 combinations: \n6 answers found.\n"));
}

void TestSolverCli::noAnswers()
{
    const Result result = solve({"3", "3", "2", "2", "1", "1", "999"});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, QStringLiteral("Searched 56885 combinations: \n0 answers found.\n"));
    // The largest target is accepted.
    const Result largest = solve({"3", "3", "2", "2", "1", "1", "2147483647"});
    QCOMPARE(largest.exitCode, 0);
    QVERIFY(largest.out.endsWith("0 answers found.\n"));
}

void TestSolverCli::json()
{
    const Result plain = solve({"8", "2", "100", "3", "75", "5", "523"});
    const Result result = solve({"--json", "8", "2", "100", "3", "75", "5", "523"});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.err, QString());
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(result.out.toUtf8(), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonObject object = document.object();
    QCOMPARE(object.keys().size(), 5);
    QCOMPARE(object.value("numbers").toArray(), (QJsonArray{100, 75, 8, 5, 3, 2}));
    QCOMPARE(object.value("target").toInt(), 523);
    QCOMPARE(object.value("combinations").toInt(), 210492);
    QStringList answers;
    for (const QJsonValue &answer : object.value("answers").toArray())
        answers << answer.toString();
    const QStringList lines = plain.out.chopped(1).split('\n');
    QCOMPARE(answers, lines.mid(0, 32));
    // The label's line ends in a space; the message has no use for it.
    QCOMPARE(object.value("message").toString(),
             QStringLiteral("Searched 210492 combinations:\n32 answers found."));

    const Result none = solve({"3", "3", "2", "2", "1", "1", "999", "--json"});
    const QJsonObject empty = QJsonDocument::fromJson(none.out.toUtf8()).object();
    QVERIFY(empty.value("answers").isArray());
    QVERIFY(empty.value("answers").toArray().isEmpty());
    QCOMPARE(empty.value("message").toString(),
             QStringLiteral("Searched 56885 combinations:\n0 answers found."));
}

void TestSolverCli::outputs_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::newRow("beyond the game's search")
        << QStringList{"--complete", "25", "50", "75", "100", "6", "3", "742"} << 0
        << "(((75x3)-50)x(100+6))/25\n(((75x6)-100)x(50+3))/25\n2 distinct answers.\n";
    QTest::newRow("unreachable")
        << QStringList{"3", "3", "2", "2", "1", "1", "999", "--complete"} << 0
        << "(((2+1)x(2+1))x3)x3 = 81\nNo exact answer: the nearest is 81 (918 away), 1 way.\n";
    // All use six numbers and are as long: the text's order decides.
    QTest::newRow("two nearest, simplest first")
        << QStringList{"--complete", "4", "3", "2", "2", "1", "1", "102"} << 0
        << "((((2+1)+1)x4)x3)x2 = 96\n(((2+2)x4)x3)x(1+1) = 96\n"
           "(((3+1)x4)x(2+1))x2 = 96\n(((4x3)x(1+1))x2)x2 = 96\n"
           "((4x(2+1))x(2+1))x3 = 108\n"
           "No exact answer: the nearest is 96 or 108 (6 away), 5 ways.\n";
    QTest::newRow("limit counts all")
        << QStringList{"--limit", "2", "--complete", "100", "75", "8", "5", "3", "2", "523"} << 0
        << "((100+3)x5)+8\n((100+75)x3)-2\n27 distinct answers.\n";
    QTest::newRow("limit 0") << QStringList{"--complete", "--limit", "0", "100", "75",
                                            "8",          "5",       "3", "2",   "523"}
                             << 0 << "27 distinct answers.\n";
    // The board of the day, then answers checked and scored.
    QTest::newRow("new year") << QStringList{"--daily", "2027-01-01"} << 0
                              << "100 50 25 8 2 1 -> 813\n";
    QTest::newRow("date first, leap day")
        << QStringList{"2000-02-29", "--daily"} << 0 << "100 50 25 10 5 2 -> 189\n";
    QTest::newRow("last day") << QStringList{"--daily", "9999-12-31"} << 0
                              << "10 8 7 6 3 3 -> 268\n";
    QTest::newRow("reaches the target")
        << QStringList{"--check", "(100+75)x3-2", "100", "75", "8", "5", "3", "2", "523"} << 0
        << "value: 523 (0 away)\nbest: 523 (0 away)\nway: ((100+3)x5)+8 = 523\npoints: 10\n"
           "closest: ((100+75)x3)-2, takes all your steps\n";
    QTest::newRow("short of a reachable target")
        << QStringList{"100", "75", "8", "5", "3", "2", "523", "--check", "100x5+8x3"} << 0
        << "value: 524 (1 away)\nbest: 523 (0 away)\nway: ((100+3)x5)+8 = 523\npoints: 9\n"
           "closest: ((100x5)+(75/3))-2, parts at your step 2\n";
    QTest::newRow("as near as possible")
        << QStringList{"--check", "4x3x2x(2+1+1)", "4", "3", "2", "2", "1", "1", "102"} << 0
        << "value: 96 (6 away)\nbest: 96 or 108 (6 away)\n"
           "way: ((((2+1)+1)x4)x3)x2 = 96\npoints: 10\n"
           "closest: ((((2+1)+1)x4)x3)x2, parts at your step 1\n";
    QTest::newRow("shares no step")
        << QStringList{"--check", "75", "100", "75", "8", "5", "3", "2", "523"} << 0
        << "value: 75 (448 away)\nbest: 523 (0 away)\nway: ((100+3)x5)+8 = 523\npoints: 0\n"
           "closest: ((100+3)x5)+8, shares no step with yours\n";
    // A hint of each level, and a rating with its figures.
    QTest::newRow("hint 3") << QStringList{"--hint", "3", "25", "50", "75", "100", "6", "3", "742"}
                            << 0
                            << "The target can be reached exactly.\n"
                               "The simplest answer uses 6 numbers.\n"
                               "It uses +, -, x and /, with 100, 75, 50, 25, 6 and 3.\n"
                               "Its first step: 75 x 3 = 225\n";
    QTest::newRow("rate") << QStringList{"--rate", "100", "75", "8", "5", "3", "2", "877"} << 0
                          << "Medium\nbest: 877 (0 away)\nfewest numbers: 4\n"
                             "distinct answers: 17\nneeds a division: no\n"
                             "needs a value above 1000: no\nscore: 3\n";
    QTest::newRow("a step breaks a rule")
        << QStringList{"--check", "(100-75)/2", "100", "75", "8", "5", "3", "2", "523"} << 3
        << "Step 2, 25 / 2: the division is not exact.\n";
    QTest::newRow("not an answer")
        << QStringList{"--check", "2+", "100", "75", "8", "5", "3", "2", "523"} << 3
        << "A number is missing at the end.\n";
    // A board's code, and the board read back from it as a player types it.
    QTest::newRow("code") << QStringList{"--code", "100", "75", "8", "5", "3", "2", "523"} << 0
                          << "TF-98X-KKC\n";
    QTest::newRow("code, any order")
        << QStringList{"3", "100", "2", "75", "5", "8", "523", "--code"} << 0 << "TF-98X-KKC\n";
    QTest::newRow("board") << QStringList{"--board", "TF-98X-KKC"} << 0
                           << "100 75 8 5 3 2 -> 523\n";
    QTest::newRow("board, in pieces and lower case")
        << QStringList{"tf", "98x", "--board", "k-kc"} << 0 << "100 75 8 5 3 2 -> 523\n";
}

void TestSolverCli::outputs()
{
    QFETCH(QStringList, arguments);
    const Result result = solve(arguments);
    QTEST(result.exitCode, "exitCode");
    QCOMPARE(result.err, QString());
    QTEST(result.out, "out");
}

void TestSolverCli::completeJson()
{
    const Result text = solve({"--complete", "8", "2", "100", "3", "75", "5", "523"});
    const Result result =
        solve({"--complete", "--json", "--limit", "3", "8", "2", "100", "3", "75", "5", "523"});
    QCOMPARE(result.exitCode, 0);
    QJsonParseError error;
    const QJsonObject object = QJsonDocument::fromJson(result.out.toUtf8(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(object.keys(), (QStringList{"answers", "count", "distance", "exact", "mode", "nearest",
                                         "numbers", "target"}));
    QCOMPARE(object.value("numbers").toArray(), (QJsonArray{100, 75, 8, 5, 3, 2}));
    QCOMPARE(object.value("target").toInt(), 523);
    QCOMPARE(object.value("mode").toString(), QStringLiteral("complete"));
    QCOMPARE(object.value("exact").toBool(), true);
    QCOMPARE(object.value("nearest").toArray(), (QJsonArray{523}));
    QCOMPARE(object.value("distance").toInt(), 0);
    QCOMPARE(object.value("count").toInt(), 27);
    const QJsonArray answers = object.value("answers").toArray();
    QCOMPARE(answers.size(), 3);
    const QStringList lines = text.out.split('\n');
    for (int i = 0; i < 3; ++i) {
        const QJsonObject answer = answers.at(i).toObject();
        QCOMPARE(answer.value("text").toString(), lines.at(i));
        QCOMPARE(answer.value("value").toInt(), 523);
    }
    QCOMPARE(answers.at(0).toObject().value("numbers_used").toInt(), 4);
    QCOMPARE(answers.at(2).toObject().value("numbers_used").toInt(), 5);

    const Result two = solve({"--complete", "--json", "4", "3", "2", "2", "1", "1", "102"});
    const QJsonObject near = QJsonDocument::fromJson(two.out.toUtf8()).object();
    QCOMPARE(near.value("exact").toBool(true), false);
    QCOMPARE(near.value("nearest").toArray(), (QJsonArray{96, 108}));
    QCOMPARE(near.value("distance").toInt(), 6);
    QCOMPARE(near.value("count").toInt(), 5);
    QCOMPARE(near.value("answers").toArray().at(4).toObject().value("value").toInt(), 108);
}

void TestSolverCli::checkJson()
{
    const QStringList board{"100", "75", "8", "5", "3", "2", "523"};
    const Result valid = solve(QStringList{"--json", "--check", "100x5+8x3"} + board);
    QCOMPARE(valid.exitCode, 0);
    const QJsonObject object = QJsonDocument::fromJson(valid.out.toUtf8()).object();
    QCOMPARE(object.keys(),
             (QStringList{"best", "best_distance", "best_way", "closest", "distance", "expression",
                          "numbers", "parted_at", "points", "shared", "target", "valid", "value"}));
    QCOMPARE(object.value("value").toInt(), 524);
    QCOMPARE(object.value("distance").toInt(), 1);
    QCOMPARE(object.value("points").toInt(), 9);

    const Result invalid = solve(QStringList{"--check", "5x5 \u00d7 3", "--json"} + board);
    QCOMPARE(invalid.exitCode, 3);
    QJsonParseError error;
    const QJsonObject broken = QJsonDocument::fromJson(invalid.out.toUtf8(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(broken.value("valid").toBool(true), false);
    QCOMPARE(broken.value("expression").toString(), QStringLiteral("5x5 \u00d7 3"));
    QVERIFY(broken.value("value").isNull() && broken.value("points").isNull());
    QCOMPARE(broken.value("best").toInt(), 523);
    QCOMPARE(broken.value("best_distance").toInt(), 0);
    QCOMPARE(broken.value("error").toObject(),
             (QJsonObject{{"step", "5"},
                          {"number", 0},
                          {"message", "5 is used more often than you have it."}}));
}

// --hint, --rate and --check's near miss in JSON: the members of each level
// or mode, and the figures against --complete's answers (a hint's come from
// the first answer to the lower nearest value).
void TestSolverCli::coachingJson_data()
{
    QTest::addColumn<QStringList>("arguments"); // the six numbers and the target last
    QTest::addColumn<QString>("members");
    const QStringList board{"100", "75", "8", "5", "3", "2", "523"};
    const QString hint = "best best_distance exact fewest_numbers level numbers target";
    const QString check = "best best_distance best_way closest distance expression numbers "
                          "parted_at points shared target valid value";
    QTest::newRow("hint 1") << QStringList{"--hint", "1", "--json"} + board << hint;
    QTest::newRow("hint 2, two nearest")
        << QStringList{"--json", "--hint", "2", "4", "3", "2", "2", "1", "1", "102"}
        << hint + " operations uses";
    QTest::newRow("hint 3") << QStringList{"--hint", "3",   "--json", "25", "50",
                                           "75",     "100", "6",      "3",  "742"}
                            << hint + " operations uses step";
    QTest::newRow("hint 3, one number")
        << QStringList{"--hint", "3", "--json", "100", "5", "4", "3", "2", "1", "100"}
        << hint + " operations uses step";
    QTest::newRow("rate") << QStringList{"--rate", "--json", "3", "3", "2", "2", "1", "1", "999"}
                          << "best best_distance distinct_answers exact fewest_numbers "
                             "needs_division needs_large_value numbers rating score target";
    QTest::newRow("check") << QStringList{"--check", "100x5+8x3", "--json"} + board << check;
    QTest::newRow("check, broken")
        << QStringList{"--check", "(100-75)/2", "--json"} + board << check + " error";
}

void TestSolverCli::coachingJson()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, members);
    const QJsonObject object = QJsonDocument::fromJson(solve(arguments).out.toUtf8()).object();
    QStringList expected = members.split(' ');
    expected.sort();
    QCOMPARE(object.keys(), expected);
    const Result all = solve(QStringList{"--complete", "--json", "--limit", "100000"} +
                             arguments.mid(arguments.size() - 7));
    const QJsonObject complete = QJsonDocument::fromJson(all.out.toUtf8()).object();
    const QJsonArray answers = complete.value("answers").toArray();
    const QJsonValue best = complete.value("nearest").toArray().first();
    const QJsonObject first = (*std::find_if(answers.begin(), answers.end(), [&](auto a) {
                                  return a.toObject().value("value") == best;
                              })).toObject();
    const QString way = first.value("text").toString();
    QCOMPARE(object.value("best"), best);
    QCOMPARE(object.value("best_distance"), complete.value("distance"));
    if (object.contains("exact")) {
        QCOMPARE(object.value("exact"), complete.value("exact"));
        // Simplest first: the first answer uses the fewest numbers.
        const QJsonObject simplest = object.contains("level") ? first : answers[0].toObject();
        QCOMPARE(object.value("fewest_numbers"), simplest.value("numbers_used"));
    }
    if (object.contains("uses")) {
        QString signs = "+-x/";
        signs.removeIf([&](QChar sign) { return !way.contains(sign); });
        QCOMPARE(object.value("operations").toVariant().toStringList().join(""), signs);
        QList<int> numbers;
        for (const QString &n : way.split(QRegularExpression("\\D+"), Qt::SkipEmptyParts))
            numbers << n.toInt();
        std::sort(numbers.begin(), numbers.end(), std::greater<>());
        QCOMPARE(object.value("uses").toArray(),
                 QJsonArray::fromVariantList(QVariantList(numbers.begin(), numbers.end())));
    }
    if (object.contains("step")) { // "a op b = c", written into the answer as "aopb"
        const QString step = object.value("step").toString();
        QCOMPARE(step.isEmpty(), !way.contains(QRegularExpression("[-+x/]")));
        QVERIFY(way.contains(step.section(' ', 0, 2).remove(' ')));
    }
    if (object.contains("rating"))
        QCOMPARE(object.value("distinct_answers"), complete.value("count"));
    if (object.contains("closest")) {
        QVERIFY(std::any_of(answers.begin(), answers.end(), [&](auto a) {
            return a.toObject().value("text") == object.value("closest");
        }));
        if (object.contains("error"))
            QCOMPARE(object.value("closest"), object.value("best_way"));
        // Where they part: the first of the player's steps not shared.
        const QJsonArray shared = object.value("shared").toArray();
        int parted = shared.isEmpty() ? 0 : 1;
        while (parted > 0 && shared.contains(parted))
            ++parted;
        QCOMPARE(object.value("parted_at").toInt(), parted);
    }
}

void TestSolverCli::dailyJson()
{
    const Result result = solve({"--json", "--daily", "2000-02-29"});
    QCOMPARE(result.exitCode, 0);
    QJsonParseError error;
    const QJsonObject object = QJsonDocument::fromJson(result.out.toUtf8(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(object.keys().size(), 3);
    QCOMPARE(object.value("date").toString(), QStringLiteral("2000-02-29"));
    QCOMPARE(object.value("numbers").toArray(), (QJsonArray{100, 50, 25, 10, 5, 2}));
    QCOMPARE(object.value("target").toInt(), 189);
}

// --code and --board say the same in JSON: the board largest first, the
// target and the code as --code writes it.
void TestSolverCli::codeJson()
{
    const Result coded = solve({"--json", "--code", "2", "100", "3", "75", "8", "5", "523"});
    const Result read = solve({"--board", "tf98xkkc", "--json"});
    QCOMPARE(coded.exitCode, 0);
    QCOMPARE(read.exitCode, 0);
    const QJsonObject object = QJsonDocument::fromJson(read.out.toUtf8()).object();
    QCOMPARE(object, (QJsonObject{{"numbers", QJsonArray{100, 75, 8, 5, 3, 2}},
                                  {"target", 523},
                                  {"code", "TF-98X-KKC"}}));
    QCOMPARE(QJsonDocument::fromJson(coded.out.toUtf8()).object(), object);
}

// Without a date, today's (unless the run straddles midnight).
void TestSolverCli::dailyToday()
{
    const QDate before = QDate::currentDate();
    const Result today = solve({"--daily", "--json"});
    const QDate after = QDate::currentDate();
    QCOMPARE(today.exitCode, 0);
    const QJsonObject object = QJsonDocument::fromJson(today.out.toUtf8()).object();
    const QString date = object.value("date").toString();
    QVERIFY(date == before.toString(Qt::ISODate) || date == after.toString(Qt::ISODate));
    QCOMPARE(today.out, solve({"--daily", date, "--json"}).out);
}

void TestSolverCli::refusals_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("problem");
    QTest::newRow("nothing") << QStringList{} << "expected six numbers and a target";
    QTest::newRow("six values") << QStringList{"1", "2", "3", "4", "5", "6"}
                                << "expected six numbers and a target (7 values), got 6";
    QTest::newRow("eight values") << QStringList{"1", "2", "3", "4", "5", "6", "7", "8"} << "got 8";
    QTest::newRow("a word") << QStringList{"1", "two", "3", "4", "5", "6", "500"}
                            << "number 2 'two' is not a whole number";
    QTest::newRow("a fraction") << QStringList{"1", "2", "3", "4", "5", "6", "500.5"}
                                << "target '500.5' is not a whole number";
    QTest::newRow("11") << QStringList{"11", "2", "3", "4", "5", "6", "500"}
                        << "number 1 '11' is not a number of the board";
    QTest::newRow("0") << QStringList{"1", "2", "3", "4", "5", "0", "500"}
                       << "number 6 '0' is not a number of the board";
    QTest::newRow("a third 5") << QStringList{"5", "5", "5", "4", "3", "2", "500"}
                               << "5 is chosen more often than the board has it (twice)";
    QTest::newRow("two 100s") << QStringList{"100", "100", "5", "4", "3", "2", "500"}
                              << "100 is chosen more often than the board has it (once)";
    QTest::newRow("target 0") << QStringList{"1", "2", "3", "4", "5", "6", "0"}
                              << "target '0' is outside 1 to 2147483647";
    QTest::newRow("negative target") << QStringList{"1", "2", "3", "4", "5", "6", "-5"}
                                     << "target '-5' is outside 1 to 2147483647";
    QTest::newRow("target too large") << QStringList{"1", "2", "3", "4", "5", "6", "2147483648"}
                                      << "target '2147483648' is outside";
    QTest::newRow("target far too large")
        << QStringList{"1", "2", "3", "4", "5", "6", "99999999999999999999999"} << "is outside";
    QTest::newRow("unknown option")
        << QStringList{"--fast", "1", "2", "3", "4", "5", "6", "500"} << "unknown option '--fast'";
    QTest::newRow("limit without complete")
        << QStringList{"--limit", "3", "1", "2", "3", "4", "5", "6", "500"}
        << "--limit works only with --complete";
    QTest::newRow("limit without number")
        << QStringList{"--complete", "1", "2", "3", "4", "5", "6", "500", "--limit"}
        << "--limit needs a number";
    QTest::newRow("negative limit")
        << QStringList{"--complete", "--limit", "-1", "1", "2", "3", "4", "5", "6", "500"}
        << "--limit '-1' is not a number from 0 to 2147483647";
    QTest::newRow("limit a word") << QStringList{"--complete", "--limit", "all", "1", "2",
                                                 "3",          "4",       "5",   "6", "500"}
                                  << "--limit 'all' is not a number";
    QTest::newRow("complete, a third 5")
        << QStringList{"--complete", "5", "5", "5", "4", "3", "2", "500"}
        << "5 is chosen more often than the board has it (twice)";
    QTest::newRow("check without an answer")
        << QStringList{"1", "2", "3", "4", "5", "6", "500", "--check"} << "--check needs an answer";
    QTest::newRow("check with complete")
        << QStringList{"--complete", "--check", "1", "1", "2", "3", "4", "5", "6", "500"}
        << "--check does not go with --complete";
    QTest::newRow("check on a bad board")
        << QStringList{"--check", "2+3", "5", "5", "5", "4", "3", "2", "500"}
        << "5 is chosen more often than the board has it (twice)";
    QTest::newRow("hint without a level")
        << QStringList{"1", "2", "3", "4", "5", "6", "500", "--hint"} << "--hint needs a level";
    QTest::newRow("hint level 4") << QStringList{"--hint", "4", "1", "2", "3", "4", "5", "6", "500"}
                                  << "--hint '4' is not a level from 1 to 3";
    QTest::newRow("hint with rate")
        << QStringList{"--rate", "--hint", "1", "1", "2", "3", "4", "5", "6", "500"}
        << "--hint does not go with --rate";
    QTest::newRow("rate with check")
        << QStringList{"--rate", "--check", "2+3", "1", "2", "3", "4", "5", "6", "500"}
        << "--rate does not go with --check";
    QTest::newRow("rate with daily")
        << QStringList{"--rate", "--daily"}
        << "--daily takes one date YYYY-MM-DD and --json, not '--rate'";
    const QString notADate = "is not a date YYYY-MM-DD from 0001-01-01 to 9999-12-31";
    QTest::newRow("daily, February 29 of a common year")
        << QStringList{"--daily", "2025-02-29"} << "date '2025-02-29' " + notADate;
    QTest::newRow("daily, one-digit month") << QStringList{"--daily", "2024-2-29"} << notADate;
    QTest::newRow("daily, year 0") << QStringList{"--daily", "0000-12-31"} << notADate;
    QTest::newRow("daily, a word") << QStringList{"--daily", "tomorrow"} << notADate;
    QTest::newRow("daily, two dates")
        << QStringList{"--daily", "2024-01-01", "2024-01-02"}
        << "--daily takes one date YYYY-MM-DD and --json, not '2024-01-02'";
    QTest::newRow("daily, another option")
        << QStringList{"--complete", "--daily"}
        << "--daily takes one date YYYY-MM-DD and --json, not '--complete'";
    QTest::newRow("code, target 1000")
        << QStringList{"--code", "1", "2", "3", "4", "5", "6", "1000"}
        << "target '1000' is outside 1 to 999, the targets a code names";
    QTest::newRow("code, a third 5") << QStringList{"--code", "5", "5", "5", "4", "3", "2", "500"}
                                     << "5 is chosen more often than the board has it (twice)";
    QTest::newRow("code with hint")
        << QStringList{"--code", "--hint", "1", "1", "2", "3", "4", "5", "6", "500"}
        << "--code does not go with --hint";
    QTest::newRow("board, mistyped")
        << QStringList{"--board", "TF-98X-KKD"}
        << "code 'TF-98X-KKD': the check character does not match: a character is mistyped or "
           "two are swapped, but which cannot be told";
    QTest::newRow("board, a letter O") << QStringList{"--board", "tf-98x-kko"}
                                       << "code 'tf-98x-kko': character 10, 'o', is not one a "
                                          "code has";
    QTest::newRow("board, a control character")
        << QStringList{"--board", "TF-98X-KK\x1b"} << "character 10, '\\x1b', is not one";
    QTest::newRow("board without a code")
        << QStringList{"--board", "--json"} << "--board needs a code, such as TF-98X-KKC";
    QTest::newRow("board with another option") << QStringList{"--board", "TF-98X-KKC", "--rate"}
                                               << "--board takes a code and --json, not '--rate'";
}

void TestSolverCli::refusals()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, problem);
    const Result result = solve(arguments);
    QCOMPARE(result.exitCode, 2);
    QCOMPARE(result.out, QString());
    QVERIFY2(result.err.contains(problem), qPrintable(result.err));
    QVERIFY(result.err.startsWith("tallyfold-solve: "));
    QCOMPARE(result.err.count('\n'), 1);
    QVERIFY(result.err.endsWith('\n'));
}

// What the program repeats of its input is shown on one line, without a
// control character a terminal would act on, and the JSON output stays UTF-8.
void TestSolverCli::help()
{
    const Result result = solve({"--help"});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.err, QString());
    QVERIFY(result.out.startsWith("Usage: tallyfold-solve [--json] N1 N2 N3 N4 N5 N6 TARGET\n"));
    QVERIFY(result.out.contains("--json"));
    QCOMPARE(solve({"1", "2", "--help"}).exitCode, 0);
    // The version is the game's.
    const Result version = solve({"--version"});
    QCOMPARE(version.exitCode, 0);
    QCOMPARE(version.out, QStringLiteral("tallyfold-solve " TALLYFOLD_VERSION "\n"));
}

QTEST_GUILESS_MAIN(TestSolverCli)
#include "tst_solvercli.moc"
