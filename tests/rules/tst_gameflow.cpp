// One game's rules driven by clicks and clock ticks, without a window: the
// states the window shows, the roll, the clock and its music, the search on
// its thread, and the guards against starting things inside one another.

#include "coaching.h"
#include "completesearch.h"
#include "gameflow.h"
#include "gamepresentation.h"
#include "gamewatcher.h"
#include "random.h"

#include <QRegularExpression>
#include <QTest>

#include <optional>

using State = GameFlow::State;
using Stop = GameFlow::ClockStop;

class TestGameFlow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startRollsTheTargetAndStartsTheClock();
    void rollStopsOnAReachableOrDealtTarget_data();
    void rollStopsOnAReachableOrDealtTarget();
    void oneRollCoversTheWholeRange_data();
    void oneRollCoversTheWholeRange();
    void clockRunsOutWithMusicOverTheLastThirtyTicks_data();
    void clockRunsOutWithMusicOverTheLastThirtyTicks();
    void stopAtTickTwelveThenPlayAgain();
    void settingsChangedMidClockTakeEffectAtTheNextTick();
    void searchEnds_data();
    void searchEnds();
    void stoppedSearchCanBeRunAgain();
    void keptAnswersAreNotReportedAgain();
    void reportsArriveAtMostOnceAFrame();
    void completeListingKeepsTheSimplest100();
    void completeSummaryWording_data();
    void completeSummaryWording();
    void searchStatusWording_data();
    void searchStatusWording();
    void closingMidSearchStopsItAndStartsNothing();
    void closingWhileTheTargetRollsLeavesTheClockOff();
    void reachableTargetsAlwaysShowAWay();
    void practiceRoundWithoutTheClockAndWithHints();
    void manualSetupIsSearchedAtOnce();
    void manualSetupSearchStopped();
    void manualSetupStopsARunningClock_data();
    void manualSetupStopsARunningClock();
    void manualSetupRefusedInsideASearchOrWithNumbersNoBoardGives();
    void boardCodesDealAndCopyTheirBoards_data();
    void boardCodesDealAndCopyTheirBoards();

private:
    // A dealt board with six numbers picked: 100 75 9 7 2 1.
    void pickSix();
    // START, the whole roll, and every tick of the clock.
    void runClockOut();
    const QList<qint32> handSet{1, 7, 7, 10, 25, 100};
    // Changes the settings the game plays by, as the settings window does.
    template <typename Change> void change(Change &&edit)
    {
        GameSettings settings = flow->settings();
        edit(settings);
        flow->setSettings(settings);
    }

    std::optional<GameFlow> flow;
    std::optional<GameWatcher> view;
};

void TestGameFlow::init()
{
    view.reset();
    flow.emplace();
    flow->setRollStepMsForTesting(0);
    view.emplace(*flow);
}

void TestGameFlow::cleanup()
{
    view.reset();
    flow.reset();
    platform::resetRandomForTesting();
}

void TestGameFlow::pickSix()
{
    flow->ScrambleNos();
    const QList<int> tiles{20, 21, 3, 4, 13, 14};
    const QList<int> values{100, 75, 9, 7, 2, 1};
    for (int i = 0; i < 6; ++i) {
        flow->board().setTag(tiles.at(i), QString::number(values.at(i)));
        flow->btnPick_Click(qint16(tiles.at(i)));
    }
    QCOMPARE(view->state, State::Ready);
}

void TestGameFlow::runClockOut()
{
    flow->Command1_Click();
    QVERIFY(view->settle());
    for (int tick = 0; tick < flow->settings().timeAllowed; ++tick)
        flow->Timer1_Timer();
    QCOMPARE(view->shown.command1, QStringLiteral("PLAY AGAIN"));
}

void TestGameFlow::startRollsTheTargetAndStartsTheClock()
{
    pickSix();
    QCOMPARE(view->shown.labels, (std::array<QString, 6>{"100", "75", "9", "7", "2", "1"}));
    QCOMPARE(view->visibleTiles(), 0);
    QVERIFY(view->shown.command1Enabled);

    // The target rolls through 50 values, each a step of the roll, and stops
    // on the last; the clock waits for it and the game button does nothing.
    platform::seedRandomForTesting(7);
    QStringList rolled;
    bool clockDuringRoll = false;
    connect(&*flow, &GameFlow::changed, this, [&] {
        if (flow->isRolling()) {
            rolled << view->shown.target;
            clockDuringRoll |= flow->clockTimer()->isActive();
            QCOMPARE(view->shown.command1, QStringLiteral("STOP"));
            QVERIFY(!view->shown.manualSetupEnabled);
            flow->Command1_Click();
        }
    });
    flow->Command1_Click();
    QCOMPARE(view->rolls, 1);
    QVERIFY(view->settle());
    QCOMPARE(rolled.size(), GameFlow::RollSteps);
    QVERIFY(!clockDuringRoll);
    QCOMPARE(view->shown.target, rolled.last());
    QCOMPARE(QString::number(flow->target()), rolled.last());
    QVERIFY(flow->target() >= 101 && flow->target() <= 999);
    QVERIFY(QSet<QString>(rolled.begin(), rolled.end()).size() > 10);
    QCOMPARE(view->state, State::Running);
    QVERIFY(flow->clockTimer()->isActive());
    QCOMPARE(flow->clockTimer()->interval(), flow->settings().timerInterval);
    QCOMPARE(view->shown.command1, QStringLiteral("STOP"));
    QVERIFY(view->shown.command1Enabled);
    QVERIFY(!view->shown.cmdAnswerVisible);
    QCOMPARE(view->purges, 0);
    QCOMPARE(flow->ElapsedSeconds(), 0);
    // A new board may replace a game on the clock, unless it is played for
    // points.
    QVERIFY(view->shown.manualSetupEnabled);
    change([](GameSettings &s) { s.playForPoints = true; });
    QVERIFY(!view->shown.manualSetupEnabled);
    change([](GameSettings &s) { s.playForPoints = false; });

    // A range of one value rolls that value every time.
    flow->Command1_Click(); // STOP
    flow->Command1_Click(); // PLAY AGAIN
    change([](GameSettings &s) { s.lowestTarget = s.highestTarget = 523; });
    pickSix();
    rolled.clear();
    flow->Command1_Click();
    QVERIFY(view->settle());
    QCOMPARE(rolled, QStringList(GameFlow::RollSteps, QStringLiteral("523")));
}

void TestGameFlow::rollStopsOnAReachableOrDealtTarget_data()
{
    QTest::addColumn<QList<qint32>>("board");
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("highest");
    QTest::addColumn<bool>("reachableOnly");
    QTest::addColumn<int>("dealt");              // the dealt board's target; 0: picked by hand
    QTest::addColumn<bool>("reachable");         // every target must be reachable
    QTest::addColumn<int>("rating");             // asked for: 0 any, 1 Easy to 4 Very hard
    const QList<qint32> small{6, 5, 4, 3, 2, 1}; // reaches under half of 700..999
    const QList<qint32> large{100, 75, 50, 25, 10, 1};
    QTest::newRow("reachable only") << small << 700 << 999 << true << 0 << true << 0;
    QTest::newRow("a narrow range") << small << 719 << 721 << true << 0 << true << 0;
    QTest::newRow("none reachable: any")
        << QList<qint32>{3, 3, 2, 2, 1, 1} << 900 << 999 << true << 0 << false << 0;
    QTest::newRow("dealt, outside the range") << small << 101 << 200 << true << 720 << true << 0;
    QTest::newRow("dealt, option off") << small << 101 << 999 << false << 333 << false << 0;
    QTest::newRow("dealt, rating asked") << small << 101 << 999 << false << 333 << false << 4;
    for (int rating = 1; rating <= 4; ++rating) {
        QTest::addRow("rated %d", rating) << large << 300 << 360 << false << 0 << false << rating;
        QTest::addRow("rated %d, small numbers", rating)
            << small << 690 << 720 << false << 0 << false << rating;
    }
    QTest::newRow("rated and reachable") << small << 690 << 720 << true << 0 << false << 1;
}

void TestGameFlow::rollStopsOnAReachableOrDealtTarget()
{
    QFETCH(QList<qint32>, board);
    QFETCH(int, lowest);
    QFETCH(int, highest);
    QFETCH(bool, reachableOnly);
    QFETCH(int, dealt);
    QFETCH(bool, reachable);
    QFETCH(int, rating);
    change([&](GameSettings &s) {
        s.lowestTarget = qint16(lowest);
        s.highestTarget = qint16(highest);
        s.reachableTargets = reachableOnly;
        s.difficulty = qint16(rating);
    });
    // The ratings the range holds, by place (1 Easy to 4 Very hard).
    QSet<int> ratingsInRange;
    for (int t = lowest; rating && !dealt && t <= highest; ++t)
        ratingsInRange.insert(int(solver::rateBoard(board, t).rating) + 1);
    QSet<qint32> targets;
    for (int seed = 1; seed <= 12; ++seed) {
        platform::seedRandomForTesting(seed);
        if (dealt) {
            // Dealt over a running clock, which stops.
            pickSix();
            flow->Command1_Click();
            QVERIFY(view->settle());
            const int purges = view->purges;
            flow->dealBoard(board, dealt);
            QCOMPARE(view->purges, purges + 1);
        } else {
            flow->dealBoard(board, 0); // a deal needs a target
            QVERIFY(!flow->isDealtBoard());
            flow->ScrambleNos();
            for (int i = 0; i < 6; ++i) {
                flow->board().setTag(i, QString::number(board.at(i)));
                flow->btnPick_Click(qint16(i));
            }
        }
        QCOMPARE(QList<qint32>(flow->places().begin(), flow->places().end()), board);
        QCOMPARE(view->state, State::Ready);
        QCOMPARE(flow->isDealtBoard(), dealt != 0);
        flow->Command1_Click();
        QVERIFY(view->settle());
        QCOMPARE(view->state, State::Running);
        const qint32 target = flow->target();
        targets.insert(target);
        if (dealt)
            QCOMPARE(target, dealt);
        else
            QVERIFY(target >= lowest && target <= highest);
        if (reachable)
            QCOMPARE(solver::nearestReach(board, target).distance, 0);
        // The rating asked for when the range has it, else the nearest it
        // has, said so; a dealt board keeps its own target.
        if (rating && !dealt) {
            const int played = int(solver::rateBoard(board, target).rating) + 1;
            QCOMPARE(flow->ratingPlayed(), played);
            QCOMPARE(flow->ratingIsNearest(), !ratingsInRange.contains(rating));
            for (int other : ratingsInRange)
                QVERIFY(std::abs(other - rating) >= std::abs(played - rating));
            QCOMPARE(view->shown.coach.contains(QStringLiteral("the nearest")),
                     flow->ratingIsNearest());
        } else {
            QCOMPARE(flow->ratingPlayed(), 0);
        }
        flow->Command1_Click(); // STOP
        flow->Command1_Click(); // PLAY AGAIN
        QVERIFY(!flow->isDealtBoard());
    }
    // Still a roll: the targets vary where the range allows (a rating may
    // leave only a few).
    if (!dealt && !rating && highest - lowest > 10)
        QVERIFY(targets.size() > 3);
}

void TestGameFlow::oneRollCoversTheWholeRange_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("highest");
    QTest::addColumn<int>("target");
    QTest::newRow("bottom") << 0.0 << 101 << 999 << 101;
    QTest::newRow("top") << 0.9999999999 << 101 << 999 << 999;
    QTest::newRow("middle") << 0.5 << 101 << 999 << 550;
    QTest::newRow("far apart") << 0.9999999999 << -32768 << 32767 << 32767;
    QTest::newRow("one value") << 0.7 << 250 << 250 << 250;
}

void TestGameFlow::oneRollCoversTheWholeRange()
{
    QFETCH(double, r);
    QFETCH(int, lowest);
    QFETCH(int, highest);
    QFETCH(int, target);
    QCOMPARE(GameFlow::TargetFromRandom(r, qint16(highest), qint16(lowest)), qint16(target));
}

void TestGameFlow::clockRunsOutWithMusicOverTheLastThirtyTicks_data()
{
    QTest::addColumn<int>("timeAllowed");
    QTest::addColumn<bool>("muted");
    QTest::addColumn<int>("musicTick"); // 1-based tick that starts it; 0 none
    QTest::newRow("30 ticks") << 30 << false << 1;
    QTest::newRow("60 ticks") << 60 << false << 31;
    QTest::newRow("45 ticks") << 45 << false << 16;
    QTest::newRow("muted") << 30 << true << 0;
}

void TestGameFlow::clockRunsOutWithMusicOverTheLastThirtyTicks()
{
    QFETCH(int, timeAllowed);
    QFETCH(bool, muted);
    QFETCH(int, musicTick);
    change([&](GameSettings &s) {
        s.timeAllowed = qint16(timeAllowed);
        s.noSounds = muted;
    });

    pickSix();
    flow->Command1_Click();
    QVERIFY(view->settle());
    int startedAt = 0;
    for (int tick = 1; tick <= timeAllowed; ++tick) {
        const int before = view->musicStarts;
        QVERIFY(flow->clockTimer()->isActive());
        flow->Timer1_Timer();
        if (view->musicStarts != before)
            startedAt = tick;
        QCOMPARE(view->shown.dial, tick);
        if (tick < timeAllowed) {
            QCOMPARE(flow->ElapsedSeconds(), tick);
            QCOMPARE(view->shown.command1, QStringLiteral("STOP"));
        }
    }
    QCOMPARE(view->musicStarts, musicTick ? 1 : 0);
    QCOMPARE(startedAt, musicTick);
    // Over: the dial keeps the full count, the elapsed count is back to 0.
    QCOMPARE(view->shown.command1, QStringLiteral("PLAY AGAIN"));
    QVERIFY(view->shown.command1Enabled);
    QVERIFY(!flow->clockTimer()->isActive());
    QVERIFY(view->shown.cmdAnswerVisible);
    QVERIFY(view->shown.cmdAnswerEnabled);
    QCOMPARE(view->shown.cmdAnswer, QStringLiteral("Show Answer(s)"));
    QCOMPARE(view->shown.dial, timeAllowed);
    QCOMPARE(flow->ElapsedSeconds(), 0);
    QVERIFY(!view->shown.statusVisible);
    QVERIFY(!view->shown.answersVisible);
    QCOMPARE(view->clockStops, QList{Stop::TimeUp});
    flow->Timer1_Timer(); // a tick still queued changes nothing
    QCOMPARE(view->shown.dial, timeAllowed);
}

void TestGameFlow::stopAtTickTwelveThenPlayAgain()
{
    pickSix();
    flow->Command1_Click();
    QVERIFY(view->settle());
    for (int tick = 0; tick < 12; ++tick)
        flow->Timer1_Timer();
    flow->Command1_Click();
    QCOMPARE(view->purges, 1);
    QVERIFY(!flow->clockTimer()->isActive());
    QCOMPARE(view->shown.command1, QStringLiteral("PLAY AGAIN"));
    QVERIFY(view->shown.cmdAnswerVisible);
    QVERIFY(view->shown.cmdAnswerEnabled);
    QCOMPARE(view->shown.dial, 12);
    QCOMPARE(flow->ElapsedSeconds(), 12);
    QCOMPARE(view->clockStops, QList{Stop::ByPlayer});

    flow->Command1_Click(); // PLAY AGAIN
    QCOMPARE(view->shown.dial, 0);
    QCOMPARE(flow->ElapsedSeconds(), 0);
    QVERIFY(view->shown.target.isEmpty());
    QVERIFY(flow->picks().isEmpty());
    for (const QString &label : view->shown.labels)
        QVERIFY(label.isEmpty());
    QCOMPARE(view->visibleTiles(), 24);
    QVERIFY(view->shown.instructions);
    QCOMPARE(view->shown.command1, QStringLiteral("START"));
    QVERIFY(!view->shown.command1Enabled);
    QVERIFY(!view->shown.cmdAnswerVisible);
    QVERIFY(view->shown.cmdAnswerEnabled);
    QCOMPARE(view->shown.cmdAnswer, QStringLiteral("Show Answer(s)"));
    QVERIFY(!view->shown.statusVisible);
    QVERIFY(!view->shown.answersVisible);
    QCOMPARE(view->purges, 1); // music still playing is left alone

    // START does nothing until six are picked; then the new board plays.
    flow->Command1_Click();
    QCOMPARE(view->rolls, 1);
    pickSix();
    flow->Command1_Click();
    QVERIFY(view->settle());
    QCOMPARE(view->shown.command1, QStringLiteral("STOP"));
    flow->Timer1_Timer();
    QCOMPARE(view->shown.dial, 1);
}

void TestGameFlow::settingsChangedMidClockTakeEffectAtTheNextTick()
{
    change([](GameSettings &s) { s.timeAllowed = 60; });
    pickSix();
    flow->Command1_Click();
    QVERIFY(view->settle());
    for (int tick = 0; tick < 10; ++tick)
        flow->Timer1_Timer();
    QCOMPARE(view->musicStarts, 0);
    change([](GameSettings &s) { s.timeAllowed = 40; }); // music is due when 10 ticks have passed
    flow->Timer1_Timer();
    QCOMPARE(view->musicStarts, 1);
    for (int tick = 11; tick < 40; ++tick)
        flow->Timer1_Timer();
    QCOMPARE(view->shown.command1, QStringLiteral("PLAY AGAIN"));
    QCOMPARE(view->shown.dial, 40);
}

void TestGameFlow::searchEnds_data()
{
    QTest::addColumn<QList<qint32>>("numbers");
    QTest::addColumn<int>("target");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QStringList>("answers"); // the first few
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("completeLines");
    const QString none999 = QStringLiteral("Searched 56885 combinations: \n0 answers found.");
    const QString none742 = QStringLiteral("Searched 219056 combinations: \n0 answers found.");
    const QString found523 = QStringLiteral("Searched 210492 combinations: \n32 answers found.");
    const QList<qint32> board523{100, 75, 8, 5, 3, 2};
    const QList<qint32> board742{100, 75, 50, 25, 6, 3};
    const QList<qint32> board999{3, 3, 2, 2, 1, 1};
    const QStringList first523{"((100+75)x3)-2", "(((100+75)+2)x3)-8", "(((100+8)-3)x5)-2"};
    QTest::newRow("found") << board523 << 523 << false << found523 << first523 << 32
                           << QStringList{};
    QTest::newRow("the game's answers stand alone")
        << board523 << 523 << true << found523 << first523 << 32 << QStringList{};
    QTest::newRow("none") << board999 << 999 << false << none999 << QStringList{} << 0
                          << QStringList{};
    QTest::newRow("unreachable") << board999 << 999 << true
                                 << none999 + "\nNo exact answer: the nearest is 81 (918 away)."
                                 << QStringList{} << 0 << QStringList{"(((2+1)x(2+1))x3)x3 = 81"};
    QTest::newRow("beyond the game's search")
        << board742 << 742 << true << none742 + "\nA complete search found 2 answers."
        << QStringList{} << 0
        << QStringList{"(((75x3)-50)x(100+6))/25", "(((75x6)-100)x(50+3))/25"};
}

void TestGameFlow::searchEnds()
{
    QFETCH(QList<qint32>, numbers);
    QFETCH(int, target);
    QFETCH(bool, complete);
    QFETCH(QString, status);
    QFETCH(QStringList, answers);
    QFETCH(int, count);
    QFETCH(QStringList, completeLines);
    change([&](GameSettings &s) {
        s.completeSearch = complete;
        s.lowestTarget = s.highestTarget = qint16(target);
    });
    flow->ScrambleNos();
    // The board deals what was asked: the large ones on the last row.
    int small = 0;
    int large = NumberBoard::FirstLargeTile;
    for (qint32 number : numbers) {
        const int tile = number >= 25 ? large++ : small++;
        flow->board().setTag(tile, QString::number(number));
        flow->btnPick_Click(qint16(tile));
    }
    runClockOut();

    bool checked = false;
    view->duringSearch = [&] {
        QCOMPARE(view->shown.cmdAnswer, QStringLiteral("Stop Search"));
        QVERIFY(view->shown.cmdAnswerEnabled);
        QVERIFY(!view->shown.command1Enabled);
        QCOMPARE(view->shown.status, QStringLiteral("Searching..."));
        QVERIFY(view->shown.statusVisible);
        QVERIFY(view->shown.answersVisible);
        QVERIFY(!view->shown.manualSetupEnabled);
        checked = true;
    };
    flow->cmdAnswer_Click();
    flow->cmdAnswer_Click(); // a second click would stop it: this one arrives at once
    QVERIFY(checked);
    QVERIFY(view->settle());
    QCOMPARE(view->searchedNumbers, numbers);
    QCOMPARE(view->searchedTarget, target);
    // That click stopped it; the next one runs it to the end.
    QVERIFY(!flow->outcome().finished);
    flow->cmdAnswer_Click();
    QVERIFY(view->settle());
    QCOMPARE(view->searches, 2);
    QCOMPARE(view->shown.status, status);
    QCOMPARE(flow->answers().mid(0, answers.size()), answers);
    QCOMPARE(flow->answers().size(), count);
    QCOMPARE(QSet<QString>(flow->answers().begin(), flow->answers().end()).size(), count);
    const auto &result = flow->outcome().complete;
    QCOMPARE(result ? completeListLines(*result) : QStringList{}, completeLines);
    QCOMPARE(view->shown.cmdAnswer, QStringLiteral("Search Finished"));
    QVERIFY(!view->shown.cmdAnswerEnabled);
    QVERIFY(view->shown.command1Enabled);
    QCOMPARE(view->shown.command1, QStringLiteral("PLAY AGAIN"));
    QVERIFY(view->shown.manualSetupEnabled);

    flow->cmdAnswer_Click(); // "Search Finished" starts nothing
    QCOMPARE(view->searches, 2);
    flow->Command1_Click(); // PLAY AGAIN
    QCOMPARE(view->shown.cmdAnswer, QStringLiteral("Show Answer(s)"));
    QVERIFY(view->shown.cmdAnswerEnabled);
    QVERIFY(!view->shown.cmdAnswerVisible);
}

void TestGameFlow::stoppedSearchCanBeRunAgain()
{
    change([](GameSettings &s) { s.completeSearch = true; });
    pickSix();
    runClockOut();
    // "Stop Search" as the search begins: it ends stopped, however far its
    // thread got, with no complete search.
    view->duringSearch = [&] {
        flow->cmdAnswer_Click();
        flow->Command1_Click(); // the game button does nothing until the search has ended
        QCOMPARE(view->rolls, 1);
    };
    flow->cmdAnswer_Click();
    QVERIFY(view->settle());
    QVERIFY(QRegularExpression("^Search Stopped at combination \\d+\n\\d+ answers? found\\.$")
                .match(view->shown.status)
                .hasMatch());
    QVERIFY(!flow->outcome().finished);
    QVERIFY(!flow->outcome().complete);
    QCOMPARE(view->shown.cmdAnswer, QStringLiteral("Show Answer(s)"));
    QVERIFY(view->shown.cmdAnswerEnabled);
    QVERIFY(view->shown.command1Enabled);
    QCOMPARE(view->shown.command1, QStringLiteral("PLAY AGAIN"));
    QVERIFY(view->shown.statusVisible);
    QVERIFY(view->shown.answersVisible);

    view->duringSearch = nullptr;
    flow->cmdAnswer_Click();
    QVERIFY(view->settle());
    QCOMPARE(view->searches, 2);
    QCOMPARE(view->shown.cmdAnswer, QStringLiteral("Search Finished"));
    QVERIFY(!view->shown.cmdAnswerEnabled);
}

void TestGameFlow::keptAnswersAreNotReportedAgain()
{
    // Answers kept from a stopped search: the next search reports only the
    // others, once each, without the outer parentheses.
    SearchRun run;
    QStringList reported;
    SearchRun::End end;
    connect(&run, &SearchRun::progressed, this,
            [&](const QStringList &answers, std::int32_t) { reported += answers; });
    connect(&run, &SearchRun::ended, this, [&](const SearchRun::End &e) { end = e; });
    const SearchRun::Request request{
        {100, 75, 8, 5, 3, 2}, 523, {"((100+75)x3)-2", "((100+3)x5)+8"}, false};
    QVERIFY(run.start(request));
    QVERIFY(!run.start(request)); // one at a time
    QTRY_VERIFY_WITH_TIMEOUT(!run.isRunning(), 30000);
    reported += end.newAnswers;
    QVERIFY(end.finished);
    QCOMPARE(end.combinations, 210492);
    QCOMPARE(reported.size(), 30);
    QCOMPARE(QSet<QString>(reported.begin(), reported.end()).size(), 30);
    for (const QString &kept : request.listed)
        QVERIFY(!reported.contains(kept));
    QCOMPARE(reported.first(), QStringLiteral("(((100+75)+2)x3)-8"));

    // Numbers the board cannot give start nothing.
    QVERIFY(!run.start({{100, 100, 8, 5, 3, 2}, 523, {}, false}));
    QVERIFY(!run.start({{0, 75, 8, 5, 3, 2}, 523, {}, false}));
    QVERIFY(!run.isRunning());
}

void TestGameFlow::reportsArriveAtMostOnceAFrame()
{
    SearchRun run;
    int reports = 0;
    connect(&run, &SearchRun::progressed, this, [&] { ++reports; });
    QElapsedTimer clock;
    clock.start();
    QVERIFY(run.start({{100, 75, 8, 5, 3, 2}, 523, {}, false}));
    QTRY_VERIFY_WITH_TIMEOUT(!run.isRunning(), 30000);
    QVERIFY2(reports <= clock.elapsed() / SearchRun::FrameMs + 1,
             qPrintable(QStringLiteral("%1 reports in %2 ms").arg(reports).arg(clock.elapsed())));
}

void TestGameFlow::completeListingKeepsTheSimplest100()
{
    const std::array<std::int32_t, 6> numbers{10, 9, 8, 7, 6, 5};
    const solver::CompleteResult result = solver::completeSearch(numbers, 150);
    const QStringList lines = completeListLines(result);
    QCOMPARE(lines.size(), 100);
    for (int i : {0, 99})
        QCOMPARE(lines.at(i), QString::fromStdString(result.answers.at(std::size_t(i)).text));
    QCOMPARE(completeListSummary(result), QStringLiteral("A complete search found 126 answers."));
    solver::CompleteResult one = result;
    one.answers.resize(1);
    QCOMPARE(completeListSummary(one), QStringLiteral("A complete search found 1 answer."));
}

// The summary is worded by the game from the core's numbers (so that it can
// be translated); untranslated it must read as it always has.
void TestGameFlow::completeSummaryWording_data()
{
    QTest::addColumn<bool>("exact");
    QTest::addColumn<QList<qint64>>("nearest");
    QTest::addColumn<qint64>("distance");
    QTest::addColumn<int>("answers");
    QTest::addColumn<QString>("expected");
    QTest::newRow("exact, none") << true << QList<qint64>{523} << qint64(0) << 0
                                 << QStringLiteral("A complete search found 0 answers.");
    QTest::newRow("exact, one") << true << QList<qint64>{523} << qint64(0) << 1
                                << QStringLiteral("A complete search found 1 answer.");
    QTest::newRow("exact, two") << true << QList<qint64>{523} << qint64(0) << 2
                                << QStringLiteral("A complete search found 2 answers.");
    QTest::newRow("one nearest") << false << QList<qint64>{81} << qint64(918) << 3
                                 << QStringLiteral(
                                        "No exact answer: the nearest is 81 (918 away).");
    QTest::newRow("below and above")
        << false << QList<qint64>{100, 104} << qint64(2) << 4
        << QStringLiteral("No exact answer: the nearest is 100 or 104 (2 away).");
}

void TestGameFlow::completeSummaryWording()
{
    QFETCH(bool, exact);
    QFETCH(QList<qint64>, nearest);
    QFETCH(qint64, distance);
    QFETCH(int, answers);
    QFETCH(QString, expected);
    solver::CompleteResult result;
    result.exact = exact;
    result.nearest.assign(nearest.begin(), nearest.end());
    result.distance = distance;
    result.answers.resize(std::size_t(answers));
    QCOMPARE(completeListSummary(result), expected);
}

void TestGameFlow::searchStatusWording_data()
{
    QTest::addColumn<bool>("finished");
    QTest::addColumn<int>("answers");
    QTest::addColumn<QString>("expected");
    QTest::newRow("stopped, one") << false << 1
                                  << QStringLiteral("Search Stopped at combination 4711\n"
                                                    "1 answers found.");
    QTest::newRow("stopped, none") << false << 0
                                   << QStringLiteral("Search Stopped at combination 4711\n"
                                                     "0 answers found.");
    QTest::newRow("finished, many") << true << 32
                                    << QStringLiteral("Searched 4711 combinations: \n"
                                                      "32 answers found.");
}

void TestGameFlow::searchStatusWording()
{
    QFETCH(bool, finished);
    QFETCH(int, answers);
    QFETCH(QString, expected);
    QCOMPARE(finished ? searchFinishedStatus(4711, answers) : searchStoppedStatus(4711, answers),
             expected);
}

void TestGameFlow::closingMidSearchStopsItAndStartsNothing()
{
    pickSix();
    runClockOut();
    const int purgesBefore = view->purges;
    view->duringSearch = [&] { flow->Form_Unload(); };
    flow->cmdAnswer_Click();
    // Stopped and waited for: nothing it found is reported any more.
    QSignalSpy ended(&*flow, &GameFlow::searchEnded);
    QTest::qWait(50);
    QCOMPARE(ended.count(), 0);
    QCOMPARE(view->purges, purgesBefore + 1);
    QVERIFY(!flow->clockTimer()->isActive());
    // After the close nothing reacts any more.
    flow->Command1_Click();
    flow->cmdAnswer_Click();
    flow->Timer1_Timer();
    flow->setUpBoard(handSet, 300);
    QCOMPARE(view->searches, 1);
    QCOMPARE(view->rolls, 1);
}

void TestGameFlow::closingWhileTheTargetRollsLeavesTheClockOff()
{
    pickSix();
    view->duringRoll = [&] { flow->Form_Unload(); };
    flow->Command1_Click();
    QTest::qWait(100); // longer than the whole roll would take
    QVERIFY(!flow->clockTimer()->isActive());
    QCOMPARE(flow->target(), 0);
}

// Sixty deals with only reachable targets rolled: each search shows at least
// one way to the target, the complete search's where the game's own two
// families of expressions find none.
void TestGameFlow::reachableTargetsAlwaysShowAWay()
{
    change([](GameSettings &s) { s.reachableTargets = true; });
    int completed = 0;
    for (int seed = 1; seed <= 60; ++seed) {
        platform::seedRandomForTesting(seed);
        flow->ScrambleNos();
        for (const int tile : {0, 1, 10, 11, 20 + seed % 4, 2 + seed % 8})
            flow->btnPick_Click(qint16(tile));
        runClockOut();
        flow->cmdAnswer_Click();
        QVERIFY(view->settle());
        const auto &complete = flow->outcome().complete;
        const QByteArray board =
            QByteArray::number(seed) + ": " + QString::number(flow->target()).toLatin1();
        QVERIFY2(!flow->answers().isEmpty() ||
                     (complete && complete->exact && !complete->answers.empty()),
                 board.constData());
        completed += complete ? 1 : 0;
        flow->Command1_Click(); // PLAY AGAIN
    }
    QVERIFY(completed < 60); // the game's own search finds most
}

// Without the clock the dial and the music stay still and STOP ends the
// round; hints come one level at a time while the round is on, and a new
// target starts again from none.
void TestGameFlow::practiceRoundWithoutTheClockAndWithHints()
{
    change([](GameSettings &s) {
        s.withoutClock = true;
        s.lowestTarget = s.highestTarget = 523;
    });
    pickSix();
    QVERIFY(!flow->canTakeHint());
    QVERIFY(!flow->takeHint());
    flow->Command1_Click();
    QVERIFY(view->settle());
    QCOMPARE(view->state, State::Running);
    QVERIFY(!flow->isRoundTimed());
    QVERIFY(view->shown.clockOff);
    QVERIFY(!flow->clockTimer()->isActive());
    QVERIFY(flow->targetStood().isValid());
    // Ticks still queued do nothing; the round outlasts any clock.
    for (int tick = 0; tick < 200; ++tick)
        flow->Timer1_Timer();
    QCOMPARE(view->state, State::Running);
    QCOMPARE(view->shown.dial, 0);
    QCOMPARE(view->musicStarts, 0);
    // The setting changed under the round does not start its clock.
    change([](GameSettings &s) { s.withoutClock = false; });
    QVERIFY(!flow->clockTimer()->isActive());

    QVERIFY(view->shown.hintEnabled);
    QVERIFY(!view->shown.coachVisible);
    const QStringList levels{QStringLiteral("Hint 1: "), QStringLiteral("Hint 2: "),
                             QStringLiteral("Hint 3: ")};
    for (int level = 1; level <= GameFlow::MostHints; ++level) {
        QVERIFY(flow->takeHint());
        QCOMPARE(flow->hintsTaken(), level);
        const QStringList lines = view->shown.coach.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), level);
        for (int i = 0; i < level; ++i)
            QVERIFY2(lines[i].startsWith(levels[i]), qPrintable(lines[i]));
        QVERIFY(view->shown.coachVisible);
    }
    // The words carry the search's own figures.
    const solver::Hint &hint = *flow->hint();
    QVERIFY(view->shown.coach.contains(QStringLiteral("with %1 numbers").arg(hint.fewestNumbers)));
    QVERIFY(view->shown.coach.contains(
        QString::fromStdString(solver::stepWithResult(*hint.firstStep))));
    QVERIFY(!flow->canTakeHint());
    QVERIFY(!flow->takeHint());
    QVERIFY(!view->shown.hintEnabled);

    flow->Command1_Click(); // STOP
    QCOMPARE(view->state, State::Over);
    QCOMPARE(view->clockStops, QList<Stop>{Stop::ByPlayer});
    QVERIFY(view->shown.coachVisible); // until the answers take its place
    flow->Command1_Click();            // PLAY AGAIN
    QCOMPARE(flow->hintsTaken(), 0);
    QVERIFY(view->shown.coach.isEmpty());

    // The next round plays by the setting as it now stands: on the clock.
    pickSix();
    flow->Command1_Click();
    QVERIFY(view->settle());
    QVERIFY(flow->isRoundTimed());
    QVERIFY(flow->clockTimer()->isActive());
    QVERIFY(!view->shown.clockOff);
}

void TestGameFlow::manualSetupIsSearchedAtOnce()
{
    flow->ScrambleNos();
    flow->btnPick_Click(4); // a game half picked is replaced
    bool checked = false;
    view->duringSearch = [&] {
        QCOMPARE(view->shown.labels, (std::array<QString, 6>{"100", "25", "10", "7", "7", "1"}));
        QCOMPARE(view->visibleTiles(), 0);
        QVERIFY(!view->shown.instructions);
        QCOMPARE(view->shown.cmdAnswer, QStringLiteral("Stop Search"));
        QVERIFY(view->shown.cmdAnswerEnabled);
        QVERIFY(view->shown.cmdAnswerVisible);
        QCOMPARE(view->shown.status, QStringLiteral("Searching..."));
        QVERIFY(view->shown.statusVisible);
        QVERIFY(view->shown.answersVisible);
        QCOMPARE(view->answerClears, 1);
        QCOMPARE(view->shown.command1, QStringLiteral("PLAY AGAIN"));
        QVERIFY(!view->shown.command1Enabled);
        QCOMPARE(view->shown.target, QStringLiteral("1500"));
        checked = true;
    };
    flow->setUpBoard(handSet, 1500);
    QVERIFY(checked);
    QVERIFY(view->settle());
    QCOMPARE(view->searches, 1);
    QCOMPARE(view->searchedNumbers, (QList<qint32>{100, 25, 10, 7, 7, 1}));
    QCOMPARE(view->searchedTarget, 1500);
    QVERIFY(view->shown.command1Enabled);
    QVERIFY(!view->shown.cmdAnswerEnabled);
    QCOMPARE(view->shown.cmdAnswer, QStringLiteral("Search Finished"));

    flow->Command1_Click(); // PLAY AGAIN: a fresh board
    QCOMPARE(view->visibleTiles(), 24);
    QCOMPARE(view->shown.command1, QStringLiteral("START"));
    QVERIFY(!view->shown.command1Enabled);
    QVERIFY(flow->picks().isEmpty());
}

void TestGameFlow::manualSetupSearchStopped()
{
    flow->ScrambleNos();
    view->duringSearch = [&] { flow->cmdAnswer_Click(); }; // "Stop Search"
    flow->setUpBoard(handSet, 101);
    QVERIFY(view->settle());
    QVERIFY(!flow->outcome().finished);
    QCOMPARE(view->shown.cmdAnswer, QStringLiteral("Show Answer(s)"));
    // Unlike a stopped game search, the hand-set one is not run again from
    // the answer button.
    QVERIFY(!view->shown.cmdAnswerEnabled);
    flow->cmdAnswer_Click();
    QCOMPARE(view->searches, 1);
    QVERIFY(view->shown.command1Enabled);
    QCOMPARE(view->shown.command1, QStringLiteral("PLAY AGAIN"));
}

void TestGameFlow::manualSetupStopsARunningClock_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<bool>("clockOn");
    QTest::newRow("running, first tick") << 1 << true;
    QTest::newRow("running, tick 12") << 12 << true;
    QTest::newRow("time up, dial full") << 30 << false;
}

// A board set up by hand is a fresh game: whatever the clock showed goes.
void TestGameFlow::manualSetupStopsARunningClock()
{
    QFETCH(int, ticks);
    QFETCH(bool, clockOn);
    pickSix();
    change([](GameSettings &s) { s.timeAllowed = 30; });
    flow->Command1_Click(); // START
    QVERIFY(view->settle());
    for (int tick = 0; tick < ticks; ++tick)
        flow->Timer1_Timer(); // the music starts on the first of 30 ticks
    QCOMPARE(view->musicStarts, 1);
    QCOMPARE(flow->clockTimer()->isActive(), clockOn);
    QCOMPARE(view->shown.dial, ticks);
    const int purges = view->purges;

    view->duringSearch = [&] {
        QVERIFY(!flow->clockTimer()->isActive());
        QCOMPARE(view->purges, purges + 1);
        QCOMPARE(view->shown.dial, 0);
    };
    flow->setUpBoard(handSet, 250);
    QVERIFY(view->settle());
    QCOMPARE(view->searches, 1);
    QCOMPARE(view->searchedTarget, 250);
    QVERIFY(!flow->clockTimer()->isActive());
    QCOMPARE(view->shown.dial, 0);
    QCOMPARE(flow->ElapsedSeconds(), 0);
    QCOMPARE(view->shown.command1, QStringLiteral("PLAY AGAIN"));
}

void TestGameFlow::manualSetupRefusedInsideASearchOrWithNumbersNoBoardGives()
{
    // Confirmed while a game search runs: not searched inside it.
    pickSix();
    runClockOut();
    view->duringSearch = [&] { flow->setUpBoard(handSet, 300); };
    flow->cmdAnswer_Click();
    QVERIFY(view->settle());
    QCOMPARE(view->searches, 1);
    QCOMPARE(view->searchedNumbers, (QList<qint32>{100, 75, 9, 7, 2, 1}));

    // Numbers the board cannot give leave the game as it was.
    const State before = view->state;
    for (const QList<qint32> &numbers :
         {QList<qint32>{100, 100, 7, 7, 1, 1}, QList<qint32>{0, 7, 7, 10, 25, 100},
          QList<qint32>{1, 7, 7, 10, 25}, QList<qint32>{1, 7, 7, 7, 10, 25}}) {
        flow->setUpBoard(numbers, 300);
        QCOMPARE(view->state, before);
        QCOMPARE(view->searches, 1);
    }
}

QTEST_GUILESS_MAIN(TestGameFlow)
#include "tst_gameflow.moc"

void TestGameFlow::boardCodesDealAndCopyTheirBoards_data()
{
    QTest::addColumn<QString>("code"); // typed; empty: six tiles picked instead
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("position"); // of the character at fault, from 1
    QTest::addColumn<QList<qint32>>("board");
    QTest::addColumn<int>("target");
    using F = solver::CodeFault;
    const QList<qint32> board{100, 75, 8, 5, 3, 2};
    QTest::newRow("a code") << "TF-98X-KKC" << int(F::None) << 0 << board << 523;
    QTest::newRow("as a player types it") << " tf 98x-kkc" << int(F::None) << 0 << board << 523;
    // The first board of all, with a target below any the roll gives.
    QTest::newRow("the first code")
        << "TF-222-222" << int(F::None) << 0 << QList<qint32>{100, 75, 50, 25, 10, 10} << 1;
    QTest::newRow("picked, then copied") << "" << int(F::None) << 0 << QList<qint32>{} << 0;
    QTest::newRow("a 1, which no code has") << "TF-98X-1KC" << int(F::Character) << 8 << board << 0;
    QTest::newRow("not TF") << "TG-98X-KKC" << int(F::Prefix) << 2 << board << 0;
    QTest::newRow("a character short") << "TF-98X-KK" << int(F::Length) << 0 << board << 0;
    QTest::newRow("neighbours swapped") << "TF-89X-KKC" << int(F::Check) << 0 << board << 0;
    QTest::newRow("beyond the last board") << "TF-ZZZ-ZZP" << int(F::NoBoard) << 0 << board << 0;
}

// A code deals its board as the day's board is dealt, and START rolls onto
// its target; a code that reads as none deals nothing. Once a target stands,
// whatever the board, its code reads back to it, and copying it is told
// until the next round.
void TestGameFlow::boardCodesDealAndCopyTheirBoards()
{
    QFETCH(QString, code);
    QFETCH(int, fault);
    QFETCH(int, position);
    QFETCH(QList<qint32>, board);
    QFETCH(int, target);
    if (code.isEmpty()) {
        pickSix();
    } else {
        const solver::ReadCode read = flow->dealCode(code);
        QCOMPARE(int(read.fault), fault);
        QCOMPARE(int(read.position), position);
        if (fault != int(solver::CodeFault::None)) {
            QCOMPARE(view->state, State::Picking);
            QVERIFY(!flow->isDealtBoard());
            return;
        }
        QCOMPARE(view->state, State::Ready);
        QCOMPARE(QList<qint32>(flow->places().begin(), flow->places().end()), board);
    }
    QVERIFY(flow->boardCode().isEmpty());
    QVERIFY(!view->shown.codeCopyEnabled);
    flow->Command1_Click();
    QVERIFY(view->settle());
    if (target)
        QCOMPARE(flow->target(), target);
    const QString copied = flow->boardCode();
    const solver::ReadCode back = solver::readBoardCode(copied.toStdString());
    QCOMPARE(int(back.fault), int(solver::CodeFault::None));
    QCOMPARE(back.numbers, flow->places());
    QCOMPARE(back.target, flow->target());
    QVERIFY(view->shown.codeCopyEnabled);

    // Told with the hints while the clock runs, under the search's status
    // once the answers show, and no longer after the next deal.
    const QString note = QStringLiteral("Board code %1 copied.").arg(copied);
    flow->markCodeCopied();
    QVERIFY(view->shown.coachVisible);
    QCOMPARE(view->shown.coach, note);
    flow->Command1_Click(); // STOP
    flow->cmdAnswer_Click();
    QVERIFY(view->settle());
    QVERIFY(view->shown.status.endsWith(QLatin1Char('\n') + note));
    QVERIFY(!view->shown.coachVisible);
    flow->Command1_Click(); // PLAY AGAIN
    QVERIFY(!view->shown.status.contains(note));
    QVERIFY(!view->shown.codeCopyEnabled);
}
