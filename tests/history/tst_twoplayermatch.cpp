// A two-player match without a window: each row plays a match out from the
// players' answers, and checks who picks and answers when, every round's
// winner, the running score and the match's result as the window shows them.

#include "gamehistory.h"
#include "twoplayermatch.h"

#include <QTest>

#include <map>

namespace {

// A scored game for a target of 500 whose best possible is 500 itself:
// `word` is the distance of the answer ("0", "7"), "n" No answer.
PlayedGame answerOf(const QString &word)
{
    PlayedGame game;
    game.numbers = {100, 75, 8, 5, 3, 2};
    game.target = 500;
    game.bestValue = 500;
    game.round.bestDistance = 0;
    if (word != QLatin1String("n")) {
        game.round.declared = true;
        game.round.distance = word.toInt();
        game.value = 500 - game.round.distance;
        game.round.points = std::max(0, 10 - word.toInt());
        game.answer = QStringLiteral("100x5-%1").arg(game.round.distance);
    }
    return game;
}

} // namespace

class TestTwoPlayerMatch : public QObject
{
    Q_OBJECT

private slots:
    void playedOut_data();
    void playedOut();
    void dealsSixTiles();
};

void TestTwoPlayerMatch::playedOut_data()
{
    QTest::addColumn<int>("rounds");
    // Each round's two answers in the order given (the round's starter
    // first), "|" between rounds; "leave" ends the match there, "half" gives
    // one answer of a round and then leaves.
    QTest::addColumn<QString>("answers");
    QTest::addColumn<QString>("winners");  // per round: A, B or - for a tie
    QTest::addColumn<QString>("lastLine"); // the score line, then the result
    QTest::addColumn<QString>("result");

    QTest::newRow("one round, the nearer wins") << 1 << "3 1"
                                                << "B"
                                                << "Ann 0 - Ben 1"
                                                << "Ben wins the match 1 - 0.";
    // Ben starts round 2, so his answer comes first there.
    QTest::newRow("three rounds, the first to answer alternates") << 3 << "0 4|2 9|5 6"
                                                                  << "ABA"
                                                                  << "Ann 2 - Ben 1"
                                                                  << "Ann wins the match 2 - 1.";
    QTest::newRow("equal distances tie, whoever declared first") << 2 << "4 4|0 0"
                                                                 << "--"
                                                                 << "Ann 0 - Ben 0"
                                                                 << "The match is a draw, 0 - 0.";
    QTest::newRow("no answer loses to any answer, two of them tie") << 3 << "n 40|40 n|n n"
                                                                    << "BB-"
                                                                    << "Ann 0 - Ben 2"
                                                                    << "Ben wins the match 2 - 0.";
    QTest::newRow("a draw on rounds won") << 4 << "1 2|1 2|9 n|9 n"
                                          << "ABAB"
                                          << "Ann 2 - Ben 2"
                                          << "The match is a draw, 2 - 2.";
    QTest::newRow("left after two rounds") << 5 << "2 1|3 3|leave"
                                           << "B-"
                                           << "Ann 0 - Ben 1"
                                           << "The match was ended at Ann 0 - Ben 1.";
    QTest::newRow("left half-way through a round: that round is not played")
        << 5 << "0 5|half"
        << "A"
        << "Ann 1 - Ben 0"
        << "The match was ended at Ann 1 - Ben 0.";
    QTest::newRow("fifteen rounds at most") << 99 << ""
                                            << ""
                                            << "Ann 0 - Ben 0, round 1 of 15"
                                            << "";
    QTest::newRow("one round at least") << 0 << "n 0"
                                        << "B"
                                        << "Ann 0 - Ben 1"
                                        << "Ben wins the match 1 - 0.";
}

void TestTwoPlayerMatch::playedOut()
{
    QFETCH(int, rounds);
    QFETCH(QString, answers);
    QFETCH(QString, winners);
    QFETCH(QString, lastLine);
    QFETCH(QString, result);

    TwoPlayerMatch match({QStringLiteral(" Ann "), QStringLiteral("Ben")}, rounds,
                         TwoPlayerMatch::Boards::Picked);
    QCOMPARE(match.player(0), QStringLiteral("Ann"));
    const std::map<QChar, int> byLetter{{u'A', 0}, {u'B', 1}, {u'-', -1}};
    std::array<int, 2> score{};
    int played = 0;
    for (const QString &round : answers.split(u'|', Qt::SkipEmptyParts)) {
        QCOMPARE(match.round(), played + 1);
        const int starter = played % 2;
        QCOMPARE(match.starter(), starter);
        QCOMPARE(match.scoreLine(), QStringLiteral("Ann %1 - Ben %2, round %3 of %4")
                                        .arg(score[0])
                                        .arg(score[1])
                                        .arg(played + 1)
                                        .arg(match.rounds()));
        // The starter turns the 1st, 3rd and 5th tile over.
        for (int picked = 0; picked < 6; ++picked)
            QCOMPARE(match.picker(picked), (starter + picked) % 2);
        QCOMPARE(match.pickLine(2),
                 QStringLiteral("%1 picks tile 3 of 6.").arg(match.player(starter)));
        if (round == QLatin1String("leave") || round == QLatin1String("half")) {
            if (round == QLatin1String("half"))
                QVERIFY(!match.answer(answerOf(QStringLiteral("0"))));
            match.leave();
            break;
        }
        const QStringList words = round.split(u' ');
        QCOMPARE(match.answering(), starter);
        QVERIFY(!match.answer(answerOf(words[0])));
        QCOMPARE(match.answering(), 1 - starter);
        QCOMPARE(match.handOver(match.answering()),
                 QStringLiteral("Pass the keyboard to %1.").arg(match.player(1 - starter)));
        QVERIFY(match.answer(answerOf(words[1])));
        const MatchRound *last = match.lastRound();
        QVERIFY(last);
        const int winner = byLetter.at(winners.at(played));
        QCOMPARE(last->winner, winner);
        QCOMPARE(last->firstPlayer, starter);
        // The answers are kept by player, whoever answered first.
        QCOMPARE(last->answers[std::size_t(starter)].declared, words[0] != QLatin1String("n"));
        if (winner >= 0)
            ++score[std::size_t(winner)];
        QCOMPARE(match.score(), score);
        const QStringList lines = match.roundLines();
        QCOMPARE(lines.at(lines.size() - 2),
                 winner < 0 ? QStringLiteral("The round is a tie.")
                            : QStringLiteral("%1 wins the round.").arg(match.player(winner)));
        ++played;
    }
    QCOMPARE(int(match.record().played.size()), played);
    QCOMPARE(match.scoreLine(), lastLine);
    QCOMPARE(match.isOver(), !result.isEmpty());
    QCOMPARE(match.answering(), result.isEmpty() ? match.starter() : -1);
    if (!result.isEmpty()) {
        QCOMPARE(match.resultLine(), result);
        QCOMPARE(match.record().finished, played == match.rounds());
        QVERIFY(match.record().endedAt.isValid());
        // After the last round, its lines end with the match's result.
        if (match.record().finished)
            QCOMPARE(match.roundLines().constLast(), result);
        // Nothing more is taken once it is over.
        QVERIFY(!match.answer(answerOf(QStringLiteral("0"))));
        QCOMPARE(match.score(), score);
    }
}

void TestTwoPlayerMatch::dealsSixTiles()
{
    // Over many deals: six of the board's 24 tiles (no value more often than
    // the tiles hold it), largest first, the target within the bounds given
    // in either order, and every tile's value dealt at some point.
    QRandomGenerator random(7);
    std::map<qint32, int> seen;
    for (int i = 0; i < 2000; ++i) {
        const bool swapped = i % 2;
        const auto dealt = TwoPlayerMatch::deal(random, swapped ? 999 : 101, swapped ? 101 : 999);
        QVERIFY(std::is_sorted(dealt.numbers.rbegin(), dealt.numbers.rend()));
        std::map<qint32, int> counts;
        for (const qint32 n : dealt.numbers) {
            ++counts[n];
            ++seen[n];
        }
        for (const auto &[value, count] : counts) {
            QVERIFY2((value >= 1 && value <= 10) || value == 25 || value == 50 || value == 75 ||
                         value == 100,
                     qPrintable(QString::number(value)));
            QVERIFY(count <= (value <= 10 ? 2 : 1));
        }
        QVERIFY(dealt.target >= 101 && dealt.target <= 999);
    }
    QCOMPARE(int(seen.size()), 14);
    QCOMPARE(TwoPlayerMatch::deal(random, 250, 250).target, 250);
}

QTEST_GUILESS_MAIN(TestTwoPlayerMatch)
#include "tst_twoplayermatch.moc"
