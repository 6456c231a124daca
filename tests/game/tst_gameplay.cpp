// Whole games played on the real main window: tiles clicked, the target
// rolled, the clock ticking on a real timer, the solver run and stopped, and
// the window closed in the middle of it all.

#include "buttonex.h"
#include "gamefrm.h"
#include "gamewindowholder.h"
#include "globalbas.h"
#include "random.h"
#include "settingssandbox.h"
#include "settingsstore.h"
#include "translationchoice.h"
#include "velcprog.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

namespace {

// 100 75 8 5 3 2 make 523 in 32 ways among 210492 combinations.
const QList<int> BoardTiles{20, 21, 2, 3, 12, 13};
const QList<int> BoardValues{100, 75, 8, 5, 3, 2};

// Runs `action` once, as the search begins (the search itself takes a few
// milliseconds on its own thread: a timer might miss it).
void whenSearching(GameFrm *window, std::function<void()> action)
{
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(&window->flow(), &GameFlow::changed, window,
                                   [window, connection, action = std::move(action)] {
                                       if (!window->flow().isSearching())
                                           return;
                                       QObject::disconnect(*connection);
                                       action();
                                   });
}

} // namespace

class TestGamePlay : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void wholeGameWithFinishedSearch();
    void stopAtTickTwelveThenPlayAgain();
    void stoppedSearchRunsAgainFromTheStart();
    void gameButtonWaitsForTheRoll();
    void wholeGameWithTheKeyboard();
    void closingMidSearchEndsTheSearchFirst();
    void closingDuringTheRollOrASearch_data();
    void closingDuringTheRollOrASearch();

private:
    void pickBoard(GameFrm &window);
    void playClockOut(GameFrm &window);
    // Waits for the roll or the search under way to end.
    static bool settled(GameFrm &window)
    {
        return QTest::qWaitFor([&] { return !window.flow().isBusy(); }, 30000);
    }

    std::optional<SettingsSandbox> m_settings;
    GameSettings m_game;
};

void TestGamePlay::initTestCase()
{
    // The English a player reads, counts in the singular included.
    translationchoice::installEnglish(*QCoreApplication::instance());
}

void TestGamePlay::init()
{
    m_settings.emplace(SettingsSandbox::Values::Loaded);
    // A fast clock and a fixed target keep the games short and the search known.
    m_game = GameSettings{};
    m_game.timerInterval = 5;
    m_game.lowestTarget = m_game.highestTarget = 523;
    m_game.noSounds = true;
}

void TestGamePlay::cleanup()
{
    m_settings.reset();
}

void TestGamePlay::pickBoard(GameFrm &window)
{
    for (int i = 0; i < BoardTiles.size(); ++i)
        window.flow().board().setTag(BoardTiles.at(i), QString::number(BoardValues.at(i)));
    for (int i = 0; i < BoardTiles.size(); ++i) {
        QVERIFY(!window.controls().Command1->isEnabled());
        click(window.controls().btnPick[BoardTiles.at(i)]);
        QVERIFY(!window.controls().btnPick[BoardTiles.at(i)]->isVisible() || i == 5);
    }
}

void TestGamePlay::playClockOut(GameFrm &window)
{
    click(window.controls().Command1);
    QTRY_COMPARE_WITH_TIMEOUT(window.controls().Command1->text(), QStringLiteral("PLAY AGAIN"),
                              10000);
}

void TestGamePlay::wholeGameWithFinishedSearch()
{
    const auto window = GameWindowHolder::shown(m_game);
    QVERIFY(window);
    QCOMPARE(window->controls().Command1->text(), QStringLiteral("START"));
    QCOMPARE(visibleTiles(*window), 24);
    QVERIFY(window->controls().lbinst->isVisible());
    QVERIFY(window->controls().lbTarget->text().isEmpty());

    pickBoard(*window);
    QCOMPARE(labelTexts(*window), (QStringList{"100", "75", "8", "5", "3", "2"}));
    QCOMPARE(window->flow().picks(), (QList<qint32>{100, 75, 8, 5, 3, 2}));
    QCOMPARE(visibleTiles(*window), 0);
    QVERIFY(!window->controls().lbinst->isVisible());
    QVERIFY(window->controls().Command1->isEnabled());

    // The clock runs its 30 ticks on the real timer; the dial follows them.
    QList<int> dialValues;
    QStringList clockNames;
    connect(window->controls().Timer1, &QTimer::timeout, window.get(), [&] {
        dialValues << window->controls().cp1->value();
        clockNames << window->controls().cp1->accessibleName();
    });
    playClockOut(*window);
    QCOMPARE(window->controls().lbTarget->text(), QStringLiteral("523"));
    QCOMPARE(dialValues.size(), 30);
    for (int i = 0; i < dialValues.size(); ++i)
        QCOMPARE(dialValues.at(i), i + 1);
    QCOMPARE(clockNames.mid(27), (QStringList{"Clock: 2 seconds left", "Clock: 1 second left",
                                              "Clock: 0 seconds left"}));
    QVERIFY(!window->controls().Timer1->isActive());
    QCOMPARE(window->ElapsedSeconds(), 0);
    QVERIFY(window->controls().cmdAnswer->isVisible());
    QVERIFY(!window->controls().List1->isVisible());
    // Enter now shows the answers, and a screen reader hears why.
    QCOMPARE(window->focusWidget(), window->controls().cmdAnswer);
    QCOMPARE(window->controls().cmdAnswer->accessibleDescription(), QStringLiteral("Time is up."));

    // Searching: the menu command that would start another search is off.
    bool menuOffDuringSearch = false;
    whenSearching(window.get(), [&] {
        menuOffDuringSearch =
            !window->controls().mnuSetup->isEnabled() && !window->controls().Command1->isEnabled();
    });
    click(window->controls().cmdAnswer);
    QVERIFY(settled(*window));
    QVERIFY(menuOffDuringSearch);
    QVERIFY(window->controls().mnuSetup->isEnabled());
    QCOMPARE(window->controls().cmdAnswer->text(), QStringLiteral("Search Finished"));
    QVERIFY(!window->controls().cmdAnswer->isEnabled());
    QCOMPARE(window->controls().LBa->text(),
             QStringLiteral("Searched 210492 combinations: \n32 answers found."));
    QVERIFY(window->controls().LBa->isVisible());
    QVERIFY(window->controls().List1->isVisible());
    QCOMPARE(window->controls().List1->count(), 32);
    QVERIFY(window->controls().Command1->isEnabled());
    QCOMPARE(window->controls().Command1->text(), QStringLiteral("PLAY AGAIN"));

    // A new board; the answers wait in the hidden list until the next roll.
    click(window->controls().Command1);
    QCOMPARE(window->controls().Command1->text(), QStringLiteral("START"));
    QVERIFY(!window->controls().Command1->isEnabled());
    QCOMPARE(visibleTiles(*window), 24);
    QVERIFY(window->controls().lbinst->isVisible());
    QCOMPARE(labelTexts(*window), QStringList(6, QString()));
    QVERIFY(window->controls().lbTarget->text().isEmpty());
    QCOMPARE(window->controls().cp1->value(), 0);
    QVERIFY(!window->controls().cmdAnswer->isVisible());
    QCOMPARE(window->controls().cmdAnswer->text(), QStringLiteral("Show Answer(s)"));
    QVERIFY(!window->controls().List1->isVisible());
    QVERIFY(!window->controls().LBa->isVisible());
    QCOMPARE(window->controls().List1->count(), 32);
    QVERIFY(window->flow().picks().isEmpty());

    pickBoard(*window);
    click(window->controls().Command1);
    QCOMPARE(window->controls().List1->count(), 0);
    QVERIFY(settled(*window));
    QVERIFY(window->controls().Timer1->isActive());
}

void TestGamePlay::stopAtTickTwelveThenPlayAgain()
{
    const auto window = GameWindowHolder::shown(m_game);
    QVERIFY(window);
    pickBoard(*window);
    // Clicked from the twelfth tick itself, so no further tick can slip in.
    connect(window->controls().Timer1, &QTimer::timeout, window.get(), [&] {
        if (window->ElapsedSeconds() == 12)
            window->controls().Command1->click();
    });
    click(window->controls().Command1);
    QTRY_COMPARE_WITH_TIMEOUT(window->controls().Command1->text(), QStringLiteral("PLAY AGAIN"),
                              5000);
    QVERIFY(!window->controls().Timer1->isActive());
    QCOMPARE(window->ElapsedSeconds(), 12);
    QCOMPARE(window->controls().cp1->value(), 12);
    QVERIFY(window->controls().cmdAnswer->isVisible());
    QVERIFY(window->controls().cmdAnswer->isEnabled());
    QTest::qWait(50); // the clock really has stopped
    QCOMPARE(window->controls().cp1->value(), 12);

    click(window->controls().Command1);
    QCOMPARE(window->ElapsedSeconds(), 0);
    QCOMPARE(window->controls().cp1->value(), 0);
    QCOMPARE(window->controls().Command1->text(), QStringLiteral("START"));
}

void TestGamePlay::stoppedSearchRunsAgainFromTheStart()
{
    const auto window = GameWindowHolder::shown(m_game);
    QVERIFY(window);
    pickBoard(*window);
    playClockOut(*window);

    // "Stop Search" as soon as the search has begun.
    whenSearching(window.get(), [&] {
        QCOMPARE(window->controls().cmdAnswer->text(), QStringLiteral("Stop Search"));
        window->controls().cmdAnswer->click();
    });
    click(window->controls().cmdAnswer);
    QVERIFY(QTest::qWaitFor([&] { return window->flow().isSearching(); }));
    QVERIFY(settled(*window));
    QCOMPARE(window->controls().cmdAnswer->text(), QStringLiteral("Show Answer(s)"));
    QVERIFY(window->controls().cmdAnswer->isEnabled());
    QVERIFY(window->controls().Command1->isEnabled());
    QCOMPARE(window->controls().Command1->text(), QStringLiteral("PLAY AGAIN"));
    QVERIFY(window->controls().LBa->text().startsWith(
        QStringLiteral("Search Stopped at combination ")));
    // The stop may reach the search after its last answer (a slow build on
    // a busy machine): what counts is that the search run again lists each
    // answer once.
    QVERIFY(window->controls().List1->count() <= 32);

    click(window->controls().cmdAnswer);
    QVERIFY(settled(*window));
    QCOMPARE(window->controls().cmdAnswer->text(), QStringLiteral("Search Finished"));
    QVERIFY(!window->controls().cmdAnswer->isEnabled());
    QCOMPARE(window->controls().List1->count(), 32); // nothing listed twice
}

void TestGamePlay::gameButtonWaitsForTheRoll()
{
    m_game.lowestTarget = 101;
    m_game.highestTarget = 999;
    platform::seedRandomForTesting(7);
    const auto window = GameWindowHolder::shown(m_game);
    QVERIFY(window);
    pickBoard(*window);

    // Clicks on "STOP" and the menu's state while the target rolls.
    QStringList rolled;
    bool menuOff = false;
    QTimer roller;
    connect(&roller, &QTimer::timeout, window.get(), [&] {
        if (!window->controls().lbTarget->text().isEmpty() &&
            !rolled.contains(window->controls().lbTarget->text()))
            rolled << window->controls().lbTarget->text();
        if (window->controls().Command1->text() == QStringLiteral("STOP") &&
            !window->controls().Timer1->isActive()) {
            menuOff = !window->controls().mnuSetup->isEnabled();
            window->controls().Command1->click();
        }
    });
    roller.start(20);
    click(window->controls().Command1);
    QVERIFY(settled(*window));
    roller.stop();
    platform::resetRandomForTesting();

    QVERIFY(menuOff);
    QVERIFY(rolled.size() > 5); // the player sees it spin
    QCOMPARE(window->controls().Command1->text(), QStringLiteral("STOP"));
    QVERIFY(window->controls().Timer1->isActive());
    QVERIFY(!window->controls().cmdAnswer->isVisible());
    QVERIFY(window->controls().mnuSetup->isEnabled());
    const int target = window->controls().lbTarget->text().toInt();
    QVERIFY(target >= 101 && target <= 999);
}

// Keys go to whatever has the focus, as a player's would.
void TestGamePlay::wholeGameWithTheKeyboard()
{
    const auto window = GameWindowHolder::shown(m_game);
    QVERIFY(window);
    for (int i = 0; i < BoardTiles.size(); ++i)
        window->flow().board().setTag(BoardTiles.at(i), QString::number(BoardValues.at(i)));
    const auto focused = [&] { return window->focusWidget(); };
    const auto press = [&](Qt::Key key) { QTest::keyClick(focused(), key); };
    QCOMPARE(focused(), window->controls().btnPick[0]);

    // Tiles 2 and 3 of the first row, 12 and 13 of the second, 20 and 21 of
    // the third; a pick moves on to the next face-down tile.
    const QList<std::pair<Qt::Key, int>> moves{
        {Qt::Key_Right, 1},  {Qt::Key_Right, 2},  {Qt::Key_Space, 3},  {Qt::Key_Return, 4},
        {Qt::Key_Down, 14},  {Qt::Key_Left, 13},  {Qt::Key_Left, 12},  {Qt::Key_Up, 12},
        {Qt::Key_Left, 11},  {Qt::Key_Right, 12}, {Qt::Key_Space, 13}, {Qt::Key_Space, 14},
        {Qt::Key_Down, 14},  {Qt::Key_Left, 11},  {Qt::Key_Down, 21},  {Qt::Key_Left, 20},
        {Qt::Key_Return, 21}};
    for (const auto &[key, focusAfter] : moves) {
        press(key);
        QCOMPARE(focused(), window->controls().btnPick[focusAfter]);
    }
    QSignalSpy focusMoves(qApp, &QApplication::focusChanged);
    press(Qt::Key_Space); // the sixth pick: straight on to the game button
    QCOMPARE(labelTexts(*window), (QStringList{"100", "75", "8", "5", "3", "2"}));
    QCOMPARE(focused(), window->controls().Command1);
    QCOMPARE(focusMoves.count(), 1);

    press(Qt::Key_Return); // START
    QVERIFY(settled(*window));
    QCOMPARE(window->controls().Command1->text(), QStringLiteral("STOP"));
    press(Qt::Key_Space);
    QCOMPARE(window->controls().Command1->text(), QStringLiteral("PLAY AGAIN"));
    QCOMPARE(focused(), window->controls().cmdAnswer); // not on PLAY AGAIN
    QVERIFY(window->controls().cmdAnswer->accessibleDescription().isEmpty());
    press(Qt::Key_Enter);
    QVERIFY(settled(*window));
    QCOMPARE(window->controls().cmdAnswer->text(), QStringLiteral("Search Finished"));
    QCOMPARE(window->controls().List1->count(), 32);
    // The answers list is next, and scrolls with the arrows.
    QCOMPARE(focused(), window->controls().List1);
    press(Qt::Key_Down);
    const int row = window->controls().List1->currentRow();
    press(Qt::Key_Down);
    QCOMPARE(window->controls().List1->currentRow(), row + 1);

    window->controls().Command1->setFocus();
    press(Qt::Key_Space); // PLAY AGAIN: back to the board's first tile
    QCOMPARE(visibleTiles(*window), 24);
    QCOMPARE(focused(), window->controls().btnPick[0]);
}

void TestGamePlay::closingMidSearchEndsTheSearchFirst()
{
    GameWindowHolder holder = GameWindowHolder::shown(m_game);
    QVERIFY(holder);
    GameFrm *window = holder.get();
    QPointer<GameFrm> guard(window);
    pickBoard(*window);
    playClockOut(*window);

    bool closedMidSearch = false;
    whenSearching(window, [&] {
        closedMidSearch = true;
        window->controls().mnuExit->trigger();
    });
    window->controls().cmdAnswer->click();
    QTRY_VERIFY(closedMidSearch);
    QVERIFY(!guard || !guard->isVisible());
    QTRY_VERIFY(guard.isNull()); // the search stopped and waited for first
}

void TestGamePlay::closingDuringTheRollOrASearch_data()
{
    QTest::addColumn<bool>("duringSearch");
    QTest::addColumn<int>("delayMs");
    // The roll takes half a second; the search, on its own thread, a few
    // milliseconds, so the close comes as the first event after it begins.
    for (const int delay : {20, 150, 300, 450})
        QTest::addRow("roll, close after %d ms", delay) << false << delay;
    QTest::addRow("search, close at once") << true << 0;
}

// The close comes on a real timer, the way a player's close box does, while
// the target rolls or the search runs.
void TestGamePlay::closingDuringTheRollOrASearch()
{
    QFETCH(bool, duringSearch);
    QFETCH(int, delayMs);
    // Declared first: it outlives the window, whichever way the test ends.
    bool closedWhileRunning = false;
    GameWindowHolder holder = GameWindowHolder::shown(m_game);
    QVERIFY(holder);
    QPointer<GameFrm> window = holder.get();
    pickBoard(*window);
    if (duringSearch) {
        click(window->controls().Command1);
        QTRY_VERIFY(window->controls().cmdAnswer->isVisible());
    }

    QTimer::singleShot(delayMs, window, [&] {
        closedWhileRunning = window->flow().isBusy();
        window->close();
    });
    click(duringSearch ? window->controls().cmdAnswer : window->controls().Command1);

    QTRY_VERIFY(window.isNull());
    QVERIFY(closedWhileRunning);
}

QTEST_MAIN(TestGamePlay)
#include "tst_gameplay.moc"
