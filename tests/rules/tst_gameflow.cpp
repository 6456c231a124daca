// One game's rules driven by clicks and clock ticks, without a window: the
// states the window shows, the clock and its music, the search and the
// guards against starting things inside one another.

#include "fakegameview.h"
#include "gameflow.h"
#include "globalbas.h"

#include <QTest>

#include <optional>

class TestGameFlow : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void startRollsTheTargetAndStartsTheClock();
    void clockRunsOutWithMusicOverTheLastThirtyTicks_data();
    void clockRunsOutWithMusicOverTheLastThirtyTicks();
    void stopAtTickTwelveThenPlayAgain();
    void settingsChangedMidClockTakeEffectAtTheNextTick();
    void finishedSearch();
    void stoppedSearchCanBeRunAgain();
    void gameButtonIgnoredWhileTheTargetRolls();
    void nothingStartsASearchInsideAnother();
    void closingMidSearchStopsItAndStartsNothing();
    void closingWhileTheTargetRollsLeavesTheClockOff();
    void manualSetupIsSearchedAtOnce();
    void manualSetupSearchStopped();
    void manualSetupStopsARunningClock();
    void manualSetupNotConfirmedOrInsideASearch();

private:
    // A dealt board with six numbers picked: 100 75 9 7 2 1.
    void pickSix();
    void runClockOut();
    // What the manual setup window leaves behind when the player confirms:
    // 1 7 7 10 25 100 in label order, and the target.
    void confirmManualSetup(const QString &target);

    // Each test's own game: the fake window, the chosen numbers the search
    // reads, and the rules over both, made afresh by init().
    FakeGameView view;
    QList<qint32> chosen;
    std::optional<GameFlow> flow;
};

void TestGameFlow::init()
{
    GLOBALbas::ResetProcessValues();
    flow.reset();
    view = FakeGameView();
    chosen.clear();
    flow.emplace(view, chosen);
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
}

void TestGameFlow::runClockOut()
{
    flow->Command1_Click();
    for (int tick = 0; tick < GLOBALbas::TimeAllowed; ++tick)
        flow->Timer1_Timer();
    QCOMPARE(view.command1, QStringLiteral("PLAY AGAIN"));
}

void TestGameFlow::startRollsTheTargetAndStartsTheClock()
{
    pickSix();
    view.nextTarget = 812;
    QString captionDuringRoll;
    bool timerDuringRoll = true;
    view.duringDraw = [&] {
        captionDuringRoll = view.command1;
        timerDuringRoll = view.timerEnabled;
    };
    flow->Command1_Click();
    QCOMPARE(view.draws, 1);
    QCOMPARE(captionDuringRoll, QStringLiteral("STOP"));
    QVERIFY(!timerDuringRoll); // the clock starts only once the target stands
    QCOMPARE(view.target, QStringLiteral("812"));
    QVERIFY(view.timerEnabled);
    QCOMPARE(view.command1, QStringLiteral("STOP"));
    QVERIFY(view.command1Enabled);
    QVERIFY(!view.cmdAnswerVisible);
    QCOMPARE(flow->ElapsedSeconds(), 0);
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
    GLOBALbas::TimeAllowed = qint16(timeAllowed);
    GLOBALbas::NoSounds = muted ? platform::BoolTrue : platform::BoolFalse;

    pickSix();
    flow->Command1_Click();
    int startedAt = 0;
    for (int tick = 1; tick <= timeAllowed; ++tick) {
        const int before = view.musicStarts;
        QVERIFY(view.timerEnabled);
        flow->Timer1_Timer();
        if (view.musicStarts != before)
            startedAt = tick;
        QCOMPARE(view.dial, tick);
        if (tick < timeAllowed) {
            QCOMPARE(flow->ElapsedSeconds(), tick);
            QCOMPARE(view.command1, QStringLiteral("STOP"));
        }
    }
    QCOMPARE(view.musicStarts, musicTick ? 1 : 0);
    QCOMPARE(startedAt, musicTick);
    // Over: the dial keeps the full count, the elapsed count is back to 0.
    QCOMPARE(view.command1, QStringLiteral("PLAY AGAIN"));
    QVERIFY(view.command1Enabled);
    QVERIFY(!view.timerEnabled);
    QVERIFY(view.cmdAnswerVisible);
    QVERIFY(view.cmdAnswerEnabled);
    QCOMPARE(view.cmdAnswer, QStringLiteral("Show Answer(s)"));
    QCOMPARE(view.dial, timeAllowed);
    QCOMPARE(flow->ElapsedSeconds(), 0);
    QVERIFY(!view.statusVisible);
    QVERIFY(!view.answersVisible);
    QCOMPARE(view.clockStops, QList{GameView::ClockStop::TimeUp});
}

void TestGameFlow::stopAtTickTwelveThenPlayAgain()
{
    pickSix();
    flow->Command1_Click();
    for (int tick = 0; tick < 12; ++tick)
        flow->Timer1_Timer();
    flow->Command1_Click();
    QCOMPARE(view.purges, 1);
    QVERIFY(!view.timerEnabled);
    QCOMPARE(view.command1, QStringLiteral("PLAY AGAIN"));
    QVERIFY(view.cmdAnswerVisible);
    QVERIFY(view.cmdAnswerEnabled);
    QCOMPARE(view.dial, 12);
    QCOMPARE(flow->ElapsedSeconds(), 12);
    QCOMPARE(view.clockStops, QList{GameView::ClockStop::ByPlayer});

    view.status = QStringLiteral("old status");
    flow->Command1_Click(); // PLAY AGAIN
    QCOMPARE(view.dial, 0);
    QCOMPARE(flow->ElapsedSeconds(), 0);
    QVERIFY(view.target.isEmpty());
    QCOMPARE(chosen, QList<qint32>{0});
    for (const QString &label : view.labels)
        QVERIFY(label.isEmpty());
    QCOMPARE(view.visibleTiles(), 24);
    QVERIFY(view.instructions);
    QCOMPARE(view.command1, QStringLiteral("START"));
    QVERIFY(!view.command1Enabled);
    QVERIFY(!view.cmdAnswerVisible);
    QVERIFY(view.cmdAnswerEnabled);
    QCOMPARE(view.cmdAnswer, QStringLiteral("Show Answer(s)"));
    QVERIFY(!view.statusVisible);
    QVERIFY(!view.answersVisible);
    QCOMPARE(view.purges, 1); // music still playing is left alone

    // A disabled START cannot be reached by a click, and the new board plays.
    pickSix();
    QVERIFY(view.command1Enabled);
    flow->Command1_Click();
    QCOMPARE(view.command1, QStringLiteral("STOP"));
    flow->Timer1_Timer();
    QCOMPARE(view.dial, 1);
}

void TestGameFlow::settingsChangedMidClockTakeEffectAtTheNextTick()
{
    GLOBALbas::TimeAllowed = 60;
    pickSix();
    flow->Command1_Click();
    for (int tick = 0; tick < 10; ++tick)
        flow->Timer1_Timer();
    QCOMPARE(view.musicStarts, 0);
    GLOBALbas::TimeAllowed = 40; // music is due when 10 ticks have passed
    flow->Timer1_Timer();
    QCOMPARE(view.musicStarts, 1);
    for (int tick = 11; tick < 40; ++tick)
        flow->Timer1_Timer();
    QCOMPARE(view.command1, QStringLiteral("PLAY AGAIN"));
    QCOMPARE(view.dial, 40);
}

void TestGameFlow::finishedSearch()
{
    pickSix();
    view.nextTarget = 523;
    runClockOut();

    bool checked = false;
    view.duringSearch = [&] {
        QCOMPARE(view.cmdAnswer, QStringLiteral("Stop Search"));
        QVERIFY(!view.command1Enabled);
        QCOMPARE(view.status, QStringLiteral("Searching..."));
        QVERIFY(view.statusVisible);
        QVERIFY(view.answersVisible);
        checked = true;
    };
    flow->cmdAnswer_Click();
    QVERIFY(checked);
    QCOMPARE(view.searches, 1);
    QCOMPARE(view.searchedNumbers, (QList<qint32>{100, 75, 9, 7, 2, 1, 0}));
    QCOMPARE(view.searchedTarget, 523);
    QCOMPARE(view.cmdAnswer, QStringLiteral("Search Finished"));
    QVERIFY(!view.cmdAnswerEnabled);
    QVERIFY(view.command1Enabled);
    QCOMPARE(view.command1, QStringLiteral("PLAY AGAIN"));

    flow->cmdAnswer_Click(); // "Search Finished" starts nothing
    QCOMPARE(view.searches, 1);

    flow->Command1_Click(); // PLAY AGAIN
    QCOMPARE(view.cmdAnswer, QStringLiteral("Show Answer(s)"));
    QVERIFY(view.cmdAnswerEnabled);
    QVERIFY(!view.cmdAnswerVisible);
}

void TestGameFlow::stoppedSearchCanBeRunAgain()
{
    pickSix();
    runClockOut();

    view.duringSearch = [&] {
        flow->cmdAnswer_Click(); // "Stop Search", arriving through a yield
        QVERIFY(!view.running);
        QVERIFY(view.command1Enabled);
        QCOMPARE(view.command1, QStringLiteral("PLAY AGAIN"));
        // The game button does nothing until the search has returned.
        flow->Command1_Click();
        QCOMPARE(view.command1, QStringLiteral("PLAY AGAIN"));
        QCOMPARE(view.draws, 1);
    };
    flow->cmdAnswer_Click();
    QCOMPARE(view.cmdAnswer, QStringLiteral("Show Answer(s)"));
    QVERIFY(view.cmdAnswerEnabled);
    QVERIFY(view.command1Enabled);
    QCOMPARE(view.command1, QStringLiteral("PLAY AGAIN"));

    view.duringSearch = nullptr;
    flow->cmdAnswer_Click();
    QCOMPARE(view.searches, 2);
    QCOMPARE(view.cmdAnswer, QStringLiteral("Search Finished"));
    QVERIFY(!view.cmdAnswerEnabled);
}

void TestGameFlow::gameButtonIgnoredWhileTheTargetRolls()
{
    pickSix();
    view.duringDraw = [&] {
        QVERIFY(flow->isBusy());
        flow->Command1_Click(); // reads "STOP" but the roll is not over
        flow->Command1_Click();
    };
    flow->Command1_Click();
    QVERIFY(!flow->isBusy());
    QCOMPARE(view.draws, 1);
    QCOMPARE(view.purges, 0);
    QCOMPARE(view.command1, QStringLiteral("STOP"));
    QVERIFY(view.timerEnabled);
    QVERIFY(!view.cmdAnswerVisible);
}

void TestGameFlow::nothingStartsASearchInsideAnother()
{
    pickSix();
    runClockOut();

    // A "Stop Search" click in the moment before the search begins is
    // ignored, and a click on a button reading "Show Answer(s)" while a search
    // runs starts no second one.
    view.duringYield = [&] {
        view.duringYield = nullptr;
        flow->cmdAnswer_Click();
    };
    view.duringSearch = [&] {
        QVERIFY(flow->isBusy());
        view.cmdAnswer = QStringLiteral("Show Answer(s)");
        flow->cmdAnswer_Click();
        view.cmdAnswer = QStringLiteral("Stop Search");
    };
    flow->cmdAnswer_Click();
    QVERIFY(!view.nestedSearch);
    QCOMPARE(view.searches, 1);
    QCOMPARE(view.cmdAnswer, QStringLiteral("Search Finished"));
    QVERIFY(!flow->isBusy());
}

void TestGameFlow::closingMidSearchStopsItAndStartsNothing()
{
    pickSix();
    runClockOut();
    const int purgesBefore = view.purges;
    view.duringSearch = [&] { flow->Form_Unload(); };
    flow->cmdAnswer_Click();
    QVERIFY(!view.running); // the search was told to stop
    QCOMPARE(view.purges, purgesBefore + 1);
    QVERIFY(!view.timerEnabled);
    // After the close nothing reacts any more.
    const QString caption = view.command1;
    flow->Command1_Click();
    flow->cmdAnswer_Click();
    flow->Timer1_Timer();
    QCOMPARE(view.command1, caption);
    QCOMPARE(view.searches, 1);
}

void TestGameFlow::closingWhileTheTargetRollsLeavesTheClockOff()
{
    pickSix();
    view.duringDraw = [&] { flow->Form_Unload(); };
    flow->Command1_Click();
    QVERIFY(!view.timerEnabled);
    QVERIFY(view.target.isEmpty());
}

void TestGameFlow::confirmManualSetup(const QString &target)
{
    chosen = {1, 7, 7, 10, 25, 100, 0};
    for (int l = 0; l < 6; ++l)
        view.labels.at(l) = QString::number(chosen.at(l));
    view.target = target;
    GLOBALbas::ManualSetupReady = true;
}

void TestGameFlow::manualSetupIsSearchedAtOnce()
{
    flow->ScrambleNos();
    flow->btnPick_Click(4); // a game half picked is replaced
    confirmManualSetup(QStringLiteral("1500"));

    bool checked = false;
    view.duringSearch = [&] {
        QCOMPARE(view.labels, (std::array<QString, 6>{"100", "25", "10", "7", "7", "1"}));
        QCOMPARE(view.visibleTiles(), 0);
        QVERIFY(!view.instructions);
        QCOMPARE(view.cmdAnswer, QStringLiteral("Stop Search"));
        QVERIFY(view.cmdAnswerEnabled);
        QVERIFY(view.cmdAnswerVisible);
        QCOMPARE(view.status, QStringLiteral("Searching..."));
        QVERIFY(view.statusVisible);
        QVERIFY(view.answersVisible);
        QCOMPARE(view.answerClears, 1);
        QCOMPARE(view.command1, QStringLiteral("PLAY AGAIN"));
        QVERIFY(!view.command1Enabled);
        QVERIFY(flow->isBusy());
        checked = true;
    };
    flow->ManualSetupClosed();
    QVERIFY(checked);
    QVERIFY(!GLOBALbas::ManualSetupReady);
    QCOMPARE(view.searches, 1);
    QCOMPARE(view.searchedNumbers, (QList<qint32>{100, 25, 10, 7, 7, 1, 0}));
    QCOMPARE(view.searchedTarget, 1500);
    QVERIFY(view.command1Enabled);
    QVERIFY(!view.cmdAnswerEnabled);
    QCOMPARE(view.cmdAnswer, QStringLiteral("Search Finished"));

    // Closing the menu's window again without confirming starts nothing.
    flow->ManualSetupClosed();
    QCOMPARE(view.searches, 1);

    flow->Command1_Click(); // PLAY AGAIN: a fresh board
    QCOMPARE(view.visibleTiles(), 24);
    QCOMPARE(view.command1, QStringLiteral("START"));
    QVERIFY(!view.command1Enabled);
    QCOMPARE(chosen, QList<qint32>{0});
}

void TestGameFlow::manualSetupSearchStopped()
{
    flow->ScrambleNos();
    confirmManualSetup(QStringLiteral("101"));
    view.duringSearch = [&] { flow->cmdAnswer_Click(); }; // "Stop Search"
    flow->ManualSetupClosed();
    QVERIFY(!view.running);
    QCOMPARE(view.cmdAnswer, QStringLiteral("Show Answer(s)"));
    // Unlike a stopped game search, the hand-set one is not run again from
    // the answer button.
    QVERIFY(!view.cmdAnswerEnabled);
    QVERIFY(view.command1Enabled);
    QCOMPARE(view.command1, QStringLiteral("PLAY AGAIN"));
}

void TestGameFlow::manualSetupStopsARunningClock()
{
    pickSix();
    GLOBALbas::TimeAllowed = 30;
    flow->Command1_Click(); // START
    flow->Timer1_Timer();   // the music starts on the first of 30 ticks
    QCOMPARE(view.musicStarts, 1);
    QVERIFY(view.timerEnabled);
    const int purges = view.purges;

    confirmManualSetup(QStringLiteral("250"));
    view.duringSearch = [&] {
        QVERIFY(!view.timerEnabled);
        QCOMPARE(view.purges, purges + 1);
    };
    flow->ManualSetupClosed();
    QCOMPARE(view.searches, 1);
    QCOMPARE(view.searchedTarget, 250);
    QVERIFY(!view.timerEnabled);
    QCOMPARE(view.command1, QStringLiteral("PLAY AGAIN"));
}

void TestGameFlow::manualSetupNotConfirmedOrInsideASearch()
{
    pickSix();
    flow->ManualSetupClosed(); // closed without confirming
    QCOMPARE(view.searches, 0);
    QCOMPARE(view.command1, QStringLiteral("START"));
    QVERIFY(view.command1Enabled);

    // Confirmed while a game search runs: not searched inside it, and the
    // flag does not linger to start a search later.
    runClockOut();
    view.duringSearch = [&] {
        GLOBALbas::ManualSetupReady = true;
        flow->ManualSetupClosed();
    };
    flow->cmdAnswer_Click();
    QVERIFY(!view.nestedSearch);
    QCOMPARE(view.searches, 1);
    QVERIFY(!GLOBALbas::ManualSetupReady);

    // After the window has closed, nothing starts.
    flow->Form_Unload();
    confirmManualSetup(QStringLiteral("300"));
    flow->ManualSetupClosed();
    QCOMPARE(view.searches, 1);
}

QTEST_GUILESS_MAIN(TestGameFlow)
#include "tst_gameflow.moc"
