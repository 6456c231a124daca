// The main window on the desktop session this runs in, a window manager with
// a panel or a Wayland compositor: in each state of a game, the window lies
// in the room the desktop leaves it, every control shown lies whole inside
// the window, the window keeps its size, and the dialogs open over it.
// tests/desktop/run starts the sessions and runs this in each.

#include "answerfrm.h"
#include "gamefrm.h"
#include "gamewindow.h"
#include "globalbas.h"
#include "graphicsbas.h"
#include "regbas.h"
#include "scorekeeper.h"
#include "screenshotstage.h"
#include "settingssandbox.h"
#include "settingsstore.h"
#include "statsfrm.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <optional>

namespace {

// Lets the window manager finish placing and sizing the window: returns once
// its frame has kept still for a second (or after ten seconds): on a busy
// machine the window manager can take more than half a second between the
// steps of a maximize.
void settle(const QWidget &window)
{
    QElapsedTimer still;
    QElapsedTimer total;
    still.start();
    total.start();
    QRect last = window.frameGeometry();
    while (still.elapsed() < 1000 && total.elapsed() < 10000) {
        QTest::qWait(20);
        if (window.frameGeometry() != last) {
            last = window.frameGeometry();
            still.restart();
        }
    }
}

QString describe(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// The controls shown on the window that lie partly outside its inside.
QStringList controlsCutOff(const GameFrm &window)
{
    const QWidget *client = window.centralWidget();
    const QRect inside = client->rect();
    QStringList cut;
    for (const QWidget *control : client->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (control->isVisibleTo(&window) && !inside.contains(control->geometry()))
            cut << control->objectName() + " at " + describe(control->geometry());
    }
    if (!window.rect().contains(client->geometry()))
        cut << "the client area at " + describe(client->geometry());
    return cut;
}

// A picture for people to look at: the whole screen, panel and title bar
// included. A Wayland client cannot read the screen back; there Weston's
// own screenshooter takes it (Weston must run with --debug), else the window
// draws itself.
void savePicture(QWidget &window, const QString &file)
{
    QPixmap picture = window.screen()->grabWindow(0);
    if (picture.isNull() && !QStandardPaths::findExecutable("weston-screenshooter").isEmpty()) {
        const QTemporaryDir folder;
        QProcess shooter;
        shooter.setWorkingDirectory(folder.path());
        shooter.start(QStringLiteral("weston-screenshooter"), {});
        QTRY_VERIFY_WITH_TIMEOUT(shooter.state() == QProcess::NotRunning, 10000);
        const QStringList taken = QDir(folder.path()).entryList({"*.png"});
        if (!taken.isEmpty())
            picture.load(folder.filePath(taken.first()));
    }
    if (picture.isNull())
        picture = window.grab();
    QVERIFY(picture.save(file));
}

} // namespace

class TestDesktop : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everyControlWholeInEveryState_data();
    void everyControlWholeInEveryState();
    void dialogsOpenOverTheMainWindow();
    void wholeGameWithKeysAlone();
    void scoredGamesWithKeysAlone();
    void answerWindowKeepsTheKeyboard();

private:
    // Types xdotool's key names (space separated), or with `text` the text
    // itself, once the keys typed before have all gone.
    bool type(const QString &sequence, bool text = false);
    // A main window as the program shows it, on the 523 board's tiles.
    QPointer<GameFrm> boardOf523(const GameSettings &settings);
    // With keys alone: the six tiles, START, STOP; the answer window open.
    void playToTheAnswer(GameFrm &window, int hints = 0);

    QProcess m_keys;
    void checkWindowFits(const GameFrm &window);

    std::optional<SettingsSandbox> m_settings;
    GameSettings m_game;
};

void TestDesktop::init()
{
    m_settings.emplace(SettingsSandbox::Values::Loaded);
    m_game = GameSettings{};
    m_game.noSounds = true;
}

void TestDesktop::cleanup()
{
    m_settings.reset();
}

void TestDesktop::checkWindowFits(const GameFrm &window)
{
    const QScreen *screen = window.screen();
    QVERIFY(screen);
    const QRect room = screen->availableGeometry();
    if (qEnvironmentVariableIsSet("TALLYFOLD_EXPECT_PANEL"))
        QVERIFY2(room != screen->geometry(), "the session has no panel that reserves room");
    const QMargins frame = window.windowHandle()->frameMargins();
    if (GraphicsBas::CanPlaceWindows()) {
        // Where the desktop reports where windows are, the frame must lie in
        // the room the panels leave.
        QVERIFY2(room.contains(window.frameGeometry()),
                 qPrintable(describe(window.frameGeometry()) + " is not inside the free area " +
                            describe(room) +
                            QStringLiteral(" (inside %1, margins %2 %3 %4 %5, state %6)")
                                .arg(describe(window.geometry()))
                                .arg(frame.left())
                                .arg(frame.top())
                                .arg(frame.right())
                                .arg(frame.bottom())
                                .arg(int(window.windowState()))));
    } else {
        // A Wayland client knows only its own size.
        QVERIFY2(window.size().grownBy(frame).width() <= room.width() &&
                     window.size().grownBy(frame).height() <= room.height(),
                 qPrintable(describe(window.geometry()) + " does not fit the screen"));
    }
    // The window manager can neither resize nor maximize it.
    QCOMPARE(window.minimumSize(), window.size());
    QCOMPARE(window.maximumSize(), window.size());
    const QStringList cut = controlsCutOff(window);
    QVERIFY2(cut.isEmpty(), qPrintable("cut off: " + cut.join(", ")));
}

void TestDesktop::everyControlWholeInEveryState_data()
{
    QTest::addColumn<QString>("state");
    for (const char *state : {"picking", "running", "answers"})
        QTest::newRow(state) << QString::fromLatin1(state);
}

void TestDesktop::everyControlWholeInEveryState()
{
    QFETCH(QString, state);
    const QPointer<GameFrm> window = createGameWindow(m_game);
    showGameWindow(*window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    settle(*window);
    QVERIFY(stageWindow(*window, state));
    settle(*window);
    checkWindowFits(*window);

    const QString shots = qEnvironmentVariable("TALLYFOLD_DESKTOP_SHOTS");
    if (!shots.isEmpty())
        savePicture(*window,
                    QStringLiteral("%1/%2-%3.png")
                        .arg(shots, qEnvironmentVariable("TALLYFOLD_DESKTOP_NAME"), state));
    window->close();
    QTRY_VERIFY(window.isNull());
}

void TestDesktop::dialogsOpenOverTheMainWindow()
{
    const QPointer<GameFrm> window = createGameWindow(m_game);
    showGameWindow(*window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    settle(*window);
    for (QAction *command : {window->controls().mnuSettings, window->controls().mnuSetup,
                             window->controls().mnuAbout}) {
        QString problem = QStringLiteral("never opened");
        QTimer::singleShot(300, window, [&] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            // A transient child, so that compositors keep it over its parent.
            if (!QTest::qWaitForWindowExposed(dialog))
                problem = QStringLiteral("never shown");
            else if (dialog->windowHandle()->transientParent() != window->windowHandle())
                problem = QStringLiteral("not a transient child of the main window");
            else if (GraphicsBas::CanPlaceWindows() &&
                     !dialog->screen()->availableGeometry().contains(dialog->frameGeometry()))
                problem = "placed at " + describe(dialog->frameGeometry());
            else
                problem.clear();
            dialog->reject();
        });
        command->trigger(); // returns when the dialog has closed
        QVERIFY2(problem.isEmpty(), qPrintable(command->text() + ": " + problem));
    }
    window->close();
    QTRY_VERIFY(window.isNull());
}

// Real key presses through the display server (xdotool, so X11 only): a
// whole game to the end of its clock, then a setting changed, with no mouse
// at all.
bool TestDesktop::type(const QString &sequence, bool text)
{
    m_keys.waitForFinished(); // the keys typed before, to their last
    m_keys.start(QStringLiteral("xdotool"),
                 text ? QStringList{"type", "--delay", "60", sequence}
                      : QStringList{"key", "--delay", "60"} + sequence.split(QLatin1Char(' ')));
    return m_keys.waitForStarted();
}

QPointer<GameFrm> TestDesktop::boardOf523(const GameSettings &settings)
{
    QPointer<GameFrm> window = createGameWindow(settings);
    // The first six tiles in reading order hide 100 75 8 5 3 2.
    const QList<int> values{100, 75, 8, 5, 3, 2};
    for (int tile = 0; tile < values.size(); ++tile)
        window->flow().board().setTag(tile, QString::number(values[tile]));
    showGameWindow(*window);
    if (QTest::qWaitForWindowActive(window))
        settle(*window);
    return window;
}

void TestDesktop::playToTheAnswer(GameFrm &window, int hints)
{
    QVERIFY(type("space space space space space space"));
    QTRY_COMPARE(window.focusWidget(), window.controls().Command1);
    QVERIFY(type("Return"));
    QTRY_COMPARE(window.flow().state(), GameFlow::State::Running);
    // The hints by the menu's access key, each read where it stands.
    for (int hint = 1; hint <= hints; ++hint) {
        QVERIFY(type(QStringLiteral("alt+h")));
        QTRY_COMPARE(window.flow().hintsTaken(), hint);
        QTRY_VERIFY(window.controls().lbHint->isVisible());
        QCOMPARE(window.controls().lbHint->text().count(QStringLiteral("Hint ")), hint);
    }
    QVERIFY(type("Return"));
    QTRY_VERIFY(window.answerWindow() && window.answerWindow()->isActiveWindow());
}

void TestDesktop::wholeGameWithKeysAlone()
{
    m_game.lowestTarget = m_game.highestTarget = 523;
    m_game.timerInterval = 50;
    const QPointer<GameFrm> window = boardOf523(m_game);
    QVERIFY(window->isActiveWindow());
    QVERIFY(type("space space space space space space"));
    QTRY_COMPARE(window->controls().Label2[5]->text(), QStringLiteral("2"));
    QTRY_COMPARE(window->focusWidget(), window->controls().Command1);
    QVERIFY(type("Return"));
    QTRY_COMPARE(window->controls().lbTarget->text(), QStringLiteral("523"));
    QTRY_VERIFY(!window->flow().isRolling());
    // The time runs out: Enter then shows the answers, not a new board.
    QTRY_COMPARE_WITH_TIMEOUT(window->controls().Command1->text(), QStringLiteral("PLAY AGAIN"),
                              10000);
    QTRY_COMPARE(window->focusWidget(), window->controls().cmdAnswer);
    QVERIFY(type("Return"));
    QTRY_COMPARE(window->controls().cmdAnswer->text(), QStringLiteral("Search Finished"));
    QCOMPARE(window->controls().List1->count(), 32);

    // The menu's access key, the Timing page, the music switch, OK.
    QVERIFY(type("alt+s ctrl+Tab Tab Tab space Return"));
    QTRY_VERIFY(REGbas::FetchSetting(REGbas::HkeyCurrentUser, GLOBALbas::SettingsKeyPath,
                                     QStringLiteral("NoSounds")) == 0 &&
                GLOBALbas::LastRegValue == Variant(1));
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QTRY_VERIFY(window->isActiveWindow()); // the keyboard is back with the game
    m_keys.waitForFinished();
    QCOMPARE(m_keys.exitCode(), 0);
    window->close();
    QTRY_VERIFY(window.isNull());
}

// Three games played for points with keys alone, each in a window started
// afresh: an exact answer typed, then a near one, then the near one again
// without the clock and after three hints; then the statistics as a fourth
// start reads them back.
void TestDesktop::scoredGamesWithKeysAlone()
{
    m_game.lowestTarget = m_game.highestTarget = 523;
    m_game.playForPoints = true;
    const struct
    {
        const char *answer;
        int points;
        int hints; // taken without the clock
    } games[] = {{"(100+5)x(8-3)-2", 10, 0}, {"100x5+8x3", 9, 0}, {"100x5+8x3", 6, 3}};
    for (const auto &game : games) {
        m_game.withoutClock = game.hints > 0;
        QPointer<GameFrm> window = boardOf523(m_game);
        QVERIFY(window->isActiveWindow());
        playToTheAnswer(*window, game.hints);
        if (QTest::currentTestFailed())
            return;
        // The page to type on and its box, by their access keys; Enter declares.
        QVERIFY(type("alt+t alt+a"));
        QVERIFY(type(QString::fromLatin1(game.answer), true));
        QVERIFY(type("Return"));
        QTRY_VERIFY(window->answerWindow()->isScored());
        QCOMPARE(window->answerWindow()->round().points, game.points);
        QVERIFY(window->answerWindow()->resultText().contains(
                    QStringLiteral("Closest to yours: ")) == (game.points < 10));
        QVERIFY(type("Return")); // Close, which has the focus
        QTRY_VERIFY(!window->answerWindow());
        QTRY_COMPARE(QApplication::focusWidget(), window->controls().cmdAnswer);
        window->close();
        QTRY_VERIFY(window.isNull());
    }

    const QPointer<GameFrm> window = boardOf523(m_game);
    QString figures;
    // The statistics window holds the keyboard until it is closed: read it
    // from the event loop it runs.
    QTimer reader;
    connect(&reader, &QTimer::timeout, this, [&] {
        if (const auto *stats = qobject_cast<StatsFrm *>(QApplication::activeModalWidget())) {
            figures = stats->lbFigures->text();
            reader.stop();
            type("Escape");
        }
    });
    reader.start(50);
    QVERIFY(type("alt+i"));
    QTRY_VERIFY(!figures.isEmpty());
    QVERIFY2(figures.startsWith(QStringLiteral("Games scored: 3\nAnswers declared: 3\n"
                                               "Best possible reached: 1\nPoints: 25 in all")),
             qPrintable(figures));
    QVERIFY2(figures.contains(QStringLiteral("\nOn the clock: 2, without the clock: 1\n")),
             qPrintable(figures));
    QVERIFY2(figures.contains(QStringLiteral("\nHints taken: 3\n")), qPrintable(figures));
    QTRY_VERIFY(!QApplication::activeModalWidget());
    window->close();
    QTRY_VERIFY(window.isNull());
    m_keys.waitForFinished();
    QCOMPARE(m_keys.exitCode(), 0);
}

// The answer window with real keys and a real window manager: Enter presses
// the control with the focus, Alt+U takes the step back and leaves the focus
// on the numbers, a click on the game behind hands the keyboard back to the
// answer window, and the game's close box (the window manager's close) ends
// the game with the answer given up.
void TestDesktop::answerWindowKeepsTheKeyboard()
{
    m_game.lowestTarget = m_game.highestTarget = 523;
    m_game.playForPoints = true;
    QPointer<GameFrm> window = boardOf523(m_game);
    playToTheAnswer(*window);
    if (QTest::currentTestFailed())
        return;
    AnswerFrm *answer = window->answerWindow();
    // 100 + 5, each pressed once it has the focus.
    for (QPushButton *control :
         {answer->cmdNumber[0], answer->cmdOperation[0], answer->cmdNumber[3]}) {
        QTRY_VERIFY(control->isEnabled());
        control->setFocus();
        QVERIFY(type("Return"));
        QTRY_VERIFY(control->isChecked() || answer->lstSteps->count() == 1);
    }
    QTRY_COMPARE(answer->lstSteps->count(), 1);
    QVERIFY(!answer->isScored());
    QVERIFY(type("alt+u"));
    QTRY_COMPARE(answer->lstSteps->count(), 0);
    QTRY_VERIFY(answer->cmdNumber.contains(QApplication::focusWidget()));

    const QPoint behind = window->mapToGlobal(QPoint(20, window->height() - 20));
    QCOMPARE(
        QProcess::execute(QStringLiteral("xdotool"), {"mousemove", QString::number(behind.x()),
                                                      QString::number(behind.y()), "click", "1"}),
        0);
    QTest::qWait(300);
    QTRY_VERIFY(answer->isActiveWindow());
    QVERIFY(!answer->isScored());

    QCOMPARE(QProcess::execute(QStringLiteral("wmctrl"), {"-c", "The Numbers Game"}), 0);
    QTRY_VERIFY(window.isNull());
    QCOMPARE(ScoreKeeper().statistics().bands[PlayerStats::NoAnswerBand], 1);
}

QTEST_MAIN(TestDesktop)
#include "desktopcheck.moc"
