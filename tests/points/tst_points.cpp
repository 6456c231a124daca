// Playing for points: the answer window driven through its controls, the
// statistics drawn from the record of games (an older version's carried over
// from the store), and the main window asking for the answer.

#include "answercheck.h"
#include "answerfrm.h"
#include "answerscore.h"
#include "boardcode.h"
#include "codefrm.h"
#include "dailyboard.h"
#include "daysfrm.h"
#include "gamewindowholder.h"
#include "globalbas.h"
#include "matchfrm.h"
#include "playerstats.h"
#include "regbas.h"
#include "scorekeeper.h"
#include "settingssandbox.h"
#include "statsfrm.h"
#include "translationchoice.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <map>

using Bands = std::array<qint32, PlayerStats::BandCount>;

// The main window shown as the game makes it, playing for points.
static GameWindowHolder pointsWindow()
{
    GameSettings settings;
    settings.playForPoints = true;
    return GameWindowHolder::shown(settings);
}

class TestPoints : public QObject
{
    Q_OBJECT

private slots:
    // The English a player reads, counts in the singular included.
    void initTestCase() { translationchoice::installEnglish(*QCoreApplication::instance()); }
    void init() { m_store.emplace(SettingsSandbox::Values::Reset); }
    void cleanup() { m_store.reset(); }

    void answerWindow_data();
    void answerWindow();
    void refusalsReadAsTheCheckerSays_data();
    void refusalsReadAsTheCheckerSays();
    void stepRefusalsReadAsTheCheckerSays_data();
    void stepRefusalsReadAsTheCheckerSays();
    void statisticsKeepTheirCounts();
    void chartCountsShowWhole_data();
    void chartCountsShowWhole();
    void scoredGameOnTheMainWindow();
    void nothingActsBehindTheAnswerWindow();
    void codeRefusalsReadAsTheCoreSays_data();
    void codeRefusalsReadAsTheCoreSays();
    void boardCodeOnTheMainWindow();
    void pastDaysCalendar();
    void monthHeadingStandsAlone_data();
    void monthHeadingStandsAlone();
    void matchOnTheMainWindow();
    void endMatchDropsTheRound();

private:
    std::optional<SettingsSandbox> m_store;
};

namespace {

const std::array<std::int32_t, 6> Board{100, 75, 8, 5, 3, 2};

// The counts an older version of the game kept in the store, under their names.
void storeOldStats(const PlayerStats &s)
{
    const qint32 day = s.dailyDate.isValid() ? s.dailyDate.year() * 10000 +
                                                   s.dailyDate.month() * 100 + s.dailyDate.day()
                                             : 0;
    const std::pair<const char *, qint64> values[]{{"StatGames", s.gamesScored},
                                                   {"StatDeclared", s.answersDeclared},
                                                   {"StatBest", s.bestReached},
                                                   {"StatPoints", s.pointsTotal},
                                                   {"StatRun", s.currentRun},
                                                   {"StatLongestRun", s.longestRun},
                                                   {"StatFellBest", s.bands[0]},
                                                   {"StatFell1to5", s.bands[1]},
                                                   {"StatFell6to10", s.bands[2]},
                                                   {"StatFellOver10", s.bands[3]},
                                                   {"StatNoAnswer", s.bands[4]},
                                                   {"DailyDate", day},
                                                   {"DailyDeclared", s.daily.declared},
                                                   {"DailyDistance", s.daily.distance},
                                                   {"DailyBestDistance", s.daily.bestDistance},
                                                   {"DailyPoints", s.daily.points},
                                                   {"DailyTimeLeft", s.dailyTimeLeft}};
    REGbas::CreateSettingsKey(REGbas::HkeyCurrentUser, GLOBALbas::SettingsKeyPath);
    for (const auto &[name, value] : values)
        REGbas::StoreSetting(REGbas::HkeyCurrentUser, GLOBALbas::SettingsKeyPath,
                             QString::fromLatin1(name), qint32(value), REGbas::RegDword);
}
constexpr std::int32_t Target = 523;

// The control a move names: "n3" a number, "+ - x /" an operation, "undo",
// "declare", "none" for No answer, "typed" the typed answer's box.
QWidget *control(AnswerFrm &w, const QString &name)
{
    const QString ops = QStringLiteral("+-x/");
    if (name.startsWith(QLatin1Char('n')) && name != QLatin1String("none"))
        return w.cmdNumber.at(name.mid(1).toInt());
    if (name.size() == 1 && ops.contains(name))
        return w.cmdOperation.at(std::size_t(ops.indexOf(name)));
    const std::map<QString, QWidget *> named{{QStringLiteral("undo"), w.cmdUndo},
                                             {QStringLiteral("declare"), w.cmdDeclare},
                                             {QStringLiteral("none"), w.cmdNoAnswer},
                                             {QStringLiteral("typed"), w.txtAnswer}};
    const auto found = named.find(name);
    return found == named.end() ? nullptr : found->second;
}

// One player's move: a control's name clicked, "enter:" and a control's name
// for Enter on it with the focus there, "tab1" the typed page, "type:..."
// text typed, "esc" the Escape key, "close" the window's close box.
void play(AnswerFrm &w, const QString &move)
{
    const QString ops = QStringLiteral("+-x/");
    if (move.startsWith(QLatin1String("enter:"))) {
        QWidget *target = control(w, move.mid(6));
        QVERIFY2(target, qPrintable(move));
        target->setFocus(Qt::TabFocusReason);
        QTest::keyClick(target, Qt::Key_Return);
        // Undo leaves the keyboard on the step's first free number.
        if (move == QLatin1String("enter:undo"))
            QVERIFY(w.focusWidget() && w.cmdNumber.contains(w.focusWidget()) &&
                    w.focusWidget()->isEnabled());
    } else if (move == QLatin1String("close"))
        w.close();
    else if (move == QLatin1String("none"))
        QTest::mouseClick(w.cmdNoAnswer, Qt::LeftButton);
    else if (move.startsWith(QLatin1Char('n')))
        QTest::mouseClick(w.cmdNumber.at(move.mid(1).toInt()), Qt::LeftButton);
    else if (move.size() == 1 && ops.contains(move))
        QTest::mouseClick(w.cmdOperation.at(std::size_t(ops.indexOf(move))), Qt::LeftButton);
    else if (move == QLatin1String("undo"))
        QTest::mouseClick(w.cmdUndo, Qt::LeftButton);
    else if (move.startsWith(QLatin1String("tab")))
        w.tabWays->setCurrentIndex(move.mid(3).toInt());
    else if (move.startsWith(QLatin1String("type:")))
        QTest::keyClicks(w.txtAnswer, move.mid(5));
    else if (move == QLatin1String("declare"))
        QTest::mouseClick(w.cmdDeclare, Qt::LeftButton);
    else if (move == QLatin1String("esc"))
        QTest::keyClick(&w, Qt::Key_Escape);
    else
        QFAIL(qPrintable(QStringLiteral("unknown move ") + move));
}

} // namespace

// The window words the checker's findings itself, to be translated; in
// English it must say exactly what the command line's checker says.
void TestPoints::refusalsReadAsTheCheckerSays_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("valid") << QStringLiteral("100+5");
    QTest::newRow("empty") << QStringLiteral("   ");
    QTest::newRow("unexpected character") << QStringLiteral("100+a");
    QTest::newRow("number missing at the end") << QStringLiteral("100+");
    QTest::newRow("number missing before") << QStringLiteral("100+)");
    QTest::newRow("operation missing") << QStringLiteral("100 5");
    QTest::newRow("bracket never closed") << QStringLiteral("(100+5");
    QTest::newRow("bracket closes nothing") << QStringLiteral("100+5)");
    QTest::newRow("number far too large") << QStringLiteral("99999999999+5");
    QTest::newRow("not on the board") << QStringLiteral("11+5");
    QTest::newRow("used too often") << QStringLiteral("5+5");
    QTest::newRow("division not exact") << QStringLiteral("100+8/3");
    QTest::newRow("result not positive") << QStringLiteral("3-8");
    QTest::newRow("a percent sign") << QStringLiteral("100%2");
}

void TestPoints::refusalsReadAsTheCheckerSays()
{
    QFETCH(QString, typed);
    const solver::CheckResult check = solver::checkAnswer(typed.toStdString(), Board);
    QCOMPARE(AnswerFrm::checkSentence(check), QString::fromStdString(solver::checkMessage(check)));
}

// A step refused on the step-by-step page: its problem, place and text.
void TestPoints::stepRefusalsReadAsTheCheckerSays_data()
{
    QTest::addColumn<int>("problem");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("stepText");
    QTest::newRow("not whole") << int(solver::CheckProblem::NotWhole) << 2
                               << QStringLiteral("8 / 3");
    QTest::newRow("not positive") << int(solver::CheckProblem::NotPositive) << 1
                                  << QStringLiteral("3 - 7");
    QTest::newRow("too large") << int(solver::CheckProblem::StepTooLarge) << 5
                               << QStringLiteral("9000000000 x 9000000000");
}

void TestPoints::stepRefusalsReadAsTheCheckerSays()
{
    QFETCH(int, problem);
    QFETCH(int, step);
    QFETCH(QString, stepText);
    solver::CheckResult check;
    check.problem = solver::CheckProblem(problem);
    check.step = step;
    check.stepText = stepText.toStdString();
    QCOMPARE(AnswerFrm::checkSentence(check), QString::fromStdString(solver::checkMessage(check)));
}

void TestPoints::answerWindow_data()
{
    QTest::addColumn<QStringList>("moves");
    QTest::addColumn<QString>("check");     // what lbCheck says at the end (a start of it)
    QTest::addColumn<QStringList>("steps"); // the list of steps at the end
    QTest::addColumn<int>("points");        // -1: not scored
    QTest::addColumn<bool>("declared");
    const QStringList exact{"n0", "+", "n3", "n2", "-", "n4", "n6", "x", "n7", "n8", "-", "n5"};
    QTest::newRow("steps to the target")
        << (exact + QStringList{"declare"}) << ""
        << QStringList{"100 + 5 = 105", "8 - 3 = 5", "105 x 5 = 525", "525 - 2 = 523"} << 10
        << true;
    QTest::newRow("a fraction refused, the choice kept")
        << QStringList{"n2", "/", "n4", "n5"} << "" << QStringList{"8 / 2 = 4"} << -1 << false;
    QTest::newRow("the refusal names the step")
        << QStringList{"n0", "+", "n3", "n4", "-", "n6"} << "Step 2, 3 - 105"
        << QStringList{"100 + 5 = 105"} << -1 << false;
    QTest::newRow("a used number cannot be picked")
        << QStringList{"n0", "+", "n3", "n0", "x", "n3", "n6"} << "" << QStringList{"100 + 5 = 105"}
        << -1 << false;
    QTest::newRow("undo takes a step back")
        << QStringList{"n0", "+", "n3", "n1", "undo", "undo", "n1", "-", "n0"} << "Step 1, 75 - 100"
        << QStringList{} << -1 << false;
    QTest::newRow("a near result declared")
        << QStringList{"n0", "x", "n3", "n2", "x", "n4", "n6", "+", "n7", "declare"} << ""
        << QStringList{"100 x 5 = 500", "8 x 3 = 24", "500 + 24 = 524"} << 9 << true;
    QTest::newRow("one number declared")
        << QStringList{"n0", "declare"} << "" << QStringList{} << 0 << true;
    // Each hint taken costs a point of the round's, never below 0.
    QTest::newRow("hints cost a point each")
        << QStringList{"hints:3", "tab1", "type:100*5+8*3", "declare"} << "" << QStringList{} << 6
        << true;
    QTest::newRow("hints never below 0")
        << QStringList{"hints:2", "tab1", "type:100*5+8+2*3", "declare"} << "" << QStringList{} << 0
        << true;
    QTest::newRow("a hint and the target reached")
        << QStringList{"hints:1", "tab1", "type:(100+5)x(8-3)-2", "declare"} << "" << QStringList{}
        << 9 << true;
    QTest::newRow("typed and checked")
        << QStringList{"tab1", "type:(100+5)×(8-3)-2"} << "= 523" << QStringList{} << -1 << false;
    QTest::newRow("typed, declared")
        << QStringList{"tab1", "type:100 * 5 + 8*3", "declare"} << "" << QStringList{} << 9 << true;
    QTest::newRow("typed fault refused, text kept")
        << QStringList{"tab1", "type:75+100/3", "declare"} << "Step 1, 100 / 3" << QStringList{}
        << -1 << false;
    QTest::newRow("a number not dealt") << QStringList{"tab1", "type:100+7", "declare"}
                                        << "7 is not" << QStringList{} << -1 << false;
    QTest::newRow("nothing to declare")
        << QStringList{"declare"} << "Choose a number" << QStringList{} << -1 << false;
    QTest::newRow("no answer") << QStringList{"n0", "none"} << "" << QStringList{} << 0 << false;
    // Escape and the close box give up as No answer does: the best possible
    // shows first, and only the next one closes.
    QTest::newRow("escape gives up")
        << QStringList{"tab1", "type:5", "esc"} << "= 5" << QStringList{} << 0 << false;
    QTest::newRow("the close box gives up")
        << QStringList{"n0", "close"} << "" << QStringList{} << 0 << false;
    QTest::newRow("escape twice closes")
        << QStringList{"n0", "esc", "esc"} << "" << QStringList{} << 0 << false;
    // Enter presses the control that has the focus; Declare only takes it
    // from the typed answer's box.
    QTest::newRow("enter picks and operates")
        << QStringList{"enter:n0", "enter:+", "enter:n3", "enter:n2", "enter:-", "enter:n4"} << ""
        << QStringList{"100 + 5 = 105", "8 - 3 = 5"} << -1 << false;
    QTest::newRow("enter on undo")
        << QStringList{"n0", "+", "n3", "enter:undo"} << "" << QStringList{} << -1 << false;
    QTest::newRow("enter on no answer")
        << QStringList{"n0", "enter:none"} << "" << QStringList{} << 0 << false;
    QTest::newRow("enter in the typed box declares")
        << QStringList{"tab1", "type:100*5+8*3", "enter:typed"} << "" << QStringList{} << 9 << true;
    QTest::newRow("five steps, large results")
        << QStringList{"n0", "x",  "n1", "n6", "x",  "n2", "n7", "x",
                       "n3", "n8", "x",  "n4", "n9", "x",  "n5"}
        << ""
        << QStringList{"100 x 75 = 7500", "7500 x 8 = 60000", "60000 x 5 = 300000",
                       "300000 x 3 = 900000", "900000 x 2 = 1800000"}
        << -1 << false;
    // A refusal of the typed answer is not left standing under the steps.
    QTest::newRow("the typed page's fault stays there")
        << QStringList{"tab1", "type:(100", "tab0"} << "" << QStringList{} << -1 << false;
}

void TestPoints::answerWindow()
{
    QFETCH(QStringList, moves);
    QFETCH(QString, check);
    QFETCH(QStringList, steps);
    QFETCH(int, points);
    QFETCH(bool, declared);
    AnswerFrm w(Board, Target);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.lbBoard->text(), QStringLiteral("Your numbers: 100 75 8 5 3 2    Target: 523"));
    int scoredSignals = 0;
    connect(&w, &AnswerFrm::scored, this, [&] { ++scoredSignals; });
    for (const QString &move : moves) {
        if (move.startsWith(QLatin1String("hints:")))
            w.setRound({move.mid(6).toInt(), true, {}});
        else
            play(w, move);
    }
    if (check.isEmpty())
        QVERIFY2(w.lbCheck->text().isEmpty() || w.isScored(), qPrintable(w.lbCheck->text()));
    else
        QVERIFY2(w.lbCheck->text().startsWith(check), qPrintable(w.lbCheck->text()));
    QStringList listed;
    for (int i = 0; i < w.lstSteps->count(); ++i)
        listed << w.lstSteps->item(i)->text();
    QCOMPARE(listed, steps);
    // Every number there is to use shows whole, however many and large.
    QTest::qWait(20); // laid out
    for (const QPushButton *number : std::as_const(w.cmdNumber)) {
        QVERIFY2(number->width() >= number->fontMetrics().horizontalAdvance(number->text()) + 8,
                 qPrintable(number->text()));
    }
    QCOMPARE(w.isScored(), points >= 0);
    QCOMPARE(scoredSignals, points >= 0 ? 1 : 0);
    QCOMPARE(w.isVisible(), moves.count(QStringLiteral("esc")) < 2);
    if (points < 0) {
        QCOMPARE(w.pages->currentIndex(), 0);
        return;
    }
    QCOMPARE(w.round().points, points);
    QCOMPARE(w.round().declared, declared);
    QCOMPARE(w.round().bestDistance, 0);
    QVERIFY2(w.resultText().contains(QStringLiteral("Best possible: 523, for example ")),
             qPrintable(w.resultText()));
    QCOMPARE(w.lbResult->text(), w.resultText());
    // An answer short of the best possible is set beside the nearest real
    // one; the rating and the hints' cost are told with every result.
    const bool shortOfBest = declared && w.round().distance > w.round().bestDistance;
    QCOMPARE(w.resultText().contains(QStringLiteral("Closest to yours: ")), shortOfBest);
    QVERIFY(w.resultText().contains(QStringLiteral("This board and target are rated ")));
    QCOMPARE(w.resultText().contains(QStringLiteral(" points less.")) ||
                 w.resultText().contains(QStringLiteral("1 point less.")),
             w.game().hints > 0);
    // A screen reader hears the result with the button that takes the focus.
    if (w.isVisible()) {
        QCOMPARE(QApplication::focusWidget(), w.cmdClose);
        QCOMPARE(w.cmdClose->accessibleDescription(), w.resultText().replace('\n', ' '));
    }
}

void TestPoints::statisticsKeepTheirCounts()
{
    // Rounds as (declared, distance, best distance, points).
    const QList<ScoredRound> rounds{{true, 0, 0, 10}, {true, 3, 1, 8},  {true, 0, 0, 10},
                                    {true, 2, 2, 10}, {false, 0, 0, 0}, {true, 17, 0, 0},
                                    {true, 7, 0, 3},  {true, 5, 0, 5}};
    PlayerStats stats;
    for (const ScoredRound &round : rounds)
        stats.record(round);
    QCOMPARE(stats.gamesScored, 8);
    QCOMPARE(stats.answersDeclared, 7);
    QCOMPARE(stats.bestReached, 3);
    QCOMPARE(stats.pointsTotal, 46);
    QCOMPARE(stats.averagePoints(), 46.0 / 8);
    QCOMPARE(stats.currentRun, 0);
    QCOMPARE(stats.longestRun, 2);
    QCOMPARE(stats.bands, (std::array<qint32, 5>{3, 2, 1, 1, 1}));

    // Counts at the largest the store keeps stay there.
    PlayerStats full;
    full.gamesScored = full.pointsTotal = full.bands[PlayerStats::BestBand] = 2147483647;
    full.record({true, 0, 0, 10});
    QCOMPARE(full.gamesScored, 2147483647);
    QCOMPARE(full.pointsTotal, 2147483647);
    QCOMPARE(full.bands[PlayerStats::BestBand], 2147483647);

    // The board of the day counts once.
    const QDate day(2026, 12, 9);
    QVERIFY(stats.recordDaily(day, {true, 4, 0, 6}, 12));
    QVERIFY(!stats.recordDaily(day, {true, 0, 0, 10}, 20));
    QCOMPARE(stats.gamesScored, 9);
    // With the day's code, as tallyfold-solve --code gives it for --daily 2026-12-09.
    QCOMPARE(GLOBALbas::dailySummary(stats),
             QStringLiteral("Tallyfold 2026-12-09: 6 points, 4 away, 12 seconds left"
                            " (board TF-9DZ-FW2)"));
    PlayerStats lastSecond = stats;
    lastSecond.dailyTimeLeft = 1;
    QCOMPARE(GLOBALbas::dailySummary(lastSecond),
             QStringLiteral("Tallyfold 2026-12-09: 6 points, 4 away, 1 second left"
                            " (board TF-9DZ-FW2)"));

    // An older version's counts in the store are carried into the record of
    // games when it is first opened; a damaged value reads 0.
    storeOldStats(stats);
    REGbas::StoreSetting(REGbas::HkeyCurrentUser, GLOBALbas::SettingsKeyPath,
                         QStringLiteral("StatRun"), QStringLiteral("junk"), REGbas::RegSz);
    REGbas::StoreSetting(REGbas::HkeyCurrentUser, GLOBALbas::SettingsKeyPath,
                         QStringLiteral("StatFellBest"), -4, REGbas::RegDword);
    ScoreKeeper keeper;
    const PlayerStats read = keeper.statistics();
    QCOMPARE(keeper.failure(), GameHistory::Failure::None);
    stats.bands[PlayerStats::BestBand] = 0;
    QCOMPARE(read.gamesScored, stats.gamesScored);
    QCOMPARE(read.pointsTotal, stats.pointsTotal);
    QCOMPARE(read.longestRun, stats.longestRun);
    QCOMPARE(read.bands, stats.bands);
    QCOMPARE(GLOBALbas::dailySummary(read), GLOBALbas::dailySummary(stats));

    // The average is written the way of the game's language.
    for (const auto &[locale, average] :
         {std::pair{QLocale::c(), "5.8"}, std::pair{QLocale(QLocale::German), "5,8"}}) {
        QLocale::setDefault(locale);
        const StatsFrm window(keeper, nullptr, [](QWidget *) { return false; });
        QLocale::setDefault(QLocale::c());
        QVERIFY2(window.lbFigures->text().contains(
                     QStringLiteral("Points: 52 in all, %1 a game").arg(QLatin1String(average))),
                 qPrintable(window.lbFigures->text()));
    }

    // Reset asks first, Enter on it too; the day's result stays.
    for (bool yes : {false, true}) {
        int asked = 0;
        StatsFrm window(keeper, nullptr, [yes, &asked](QWidget *) { return ++asked, yes; });
        QVERIFY(window.cmdCopy->isVisibleTo(&window));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.cmdCopy->setFocus();
        QTest::keyClick(window.cmdCopy, Qt::Key_Return);
        QCOMPARE(QGuiApplication::clipboard()->text(), GLOBALbas::dailySummary(read));
        window.cmdReset->setFocus();
        QTest::keyClick(window.cmdReset, Qt::Key_Return);
        QCOMPARE(asked, 1);
        QVERIFY(window.isVisible());
        // As the next run of the game reads them: the carry-over is not taken twice.
        const PlayerStats after = ScoreKeeper().statistics();
        QCOMPARE(after.gamesScored, yes ? 0 : 9);
        QCOMPARE(after.dailyDate, day);
    }
}

void TestPoints::chartCountsShowWhole_data()
{
    QTest::addColumn<Bands>("bands");
    QTest::newRow("small") << Bands{3, 2, 1, 1, 0};
    QTest::newRow("five digits") << Bands{99999, 0, 7, 0, 1};
    QTest::newRow("largest beside small") << Bands{2147483647, 1, 0, 12345678, 0};
    QTest::newRow("all large") << Bands{2147483647, 2147483646, 1999999999, 1000000000, 2147483647};
}

// Every count is written whole inside the chart, however many digits it has.
void TestPoints::chartCountsShowWhole()
{
    QFETCH(Bands, bands);
    PlayerStats stats;
    stats.bands = bands;
    storeOldStats(stats);
    ScoreKeeper keeper;
    StatsFrm window(keeper, nullptr, [](QWidget *) { return false; });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QFontMetrics metrics = window.chart->fontMetrics();
    for (int band = 0; band < PlayerStats::BandCount; ++band) {
        const QString count = QString::number(bands.at(std::size_t(band)));
        const QRect place = window.chart->countRect(band);
        QVERIFY2(place.width() >= metrics.horizontalAdvance(count), qPrintable(count));
        QVERIFY2(window.chart->rect().contains(place), qPrintable(count));
    }
}

void TestPoints::scoredGameOnTheMainWindow()
{
    for (bool forPoints : {false, true}) {
        GameSettings settings;
        settings.playForPoints = forPoints;
        const auto window = GameWindowHolder::shown(settings);
        QVERIFY(window);
        const auto &c = window->controls();
        const QList<QAction *> bar = window->menuBar()->actions();
        QCOMPARE(bar.contains(c.mnuDaily), forPoints);
        QCOMPARE(bar.contains(c.mnuStats), forPoints);
        QCOMPARE(bar.contains(c.mnuCodes), forPoints);
        QCOMPARE(bar.last(), c.mnuAbout);

        if (!forPoints) {
            // The game as it always was: the clock stops and nothing opens.
            window->flow().dealBoard(QList<qint32>(Board.begin(), Board.end()), Target);
            click(c.Command1); // START
            QVERIFY(QTest::qWaitFor(
                [&] { return window->flow().state() == GameFlow::State::Running; }));
            click(c.Command1); // STOP
            QVERIFY(!window->answerWindow());
            continue;
        }
        // Today's board, played to an exact answer typed and declared by key.
        const QDate today = QDate::currentDate();
        const solver::DailyBoard daily =
            solver::dailyBoard(today.year(), today.month(), today.day());
        c.mnuDaily->trigger();
        QCOMPARE(window->flow().places(), daily.numbers);
        QCOMPARE(QApplication::focusWidget(), c.Command1);
        QTest::keyClick(c.Command1, Qt::Key_Space); // START
        QVERIFY(
            QTest::qWaitFor([&] { return window->flow().state() == GameFlow::State::Running; }));
        QCOMPARE(window->flow().target(), daily.target);
        QTest::keyClick(c.Command1, Qt::Key_Space); // STOP
        AnswerFrm *answer = window->answerWindow();
        QVERIFY(answer);
        QVERIFY(QTest::qWaitForWindowActive(answer));
        QTRY_COMPARE(QGuiApplication::focusWindow(), answer->windowHandle());
        answer->tabWays->setCurrentIndex(1);
        const std::string way = solver::bestPossible(daily.numbers, daily.target).way;
        QTest::keyClicks(answer->txtAnswer, QString::fromStdString(way));
        QTest::keyClick(answer->txtAnswer, Qt::Key_Return); // Declare is the default
        QCOMPARE(answer->round().points, 10);
        // The day's result can be shared, without the board or the answer.
        QVERIFY(answer->cmdCopy->isVisibleTo(answer));
        answer->cmdCopy->click();
        const QString shared = QGuiApplication::clipboard()->text();
        QVERIFY2(
            QRegularExpression(QStringLiteral("Tallyfold %1: 10 points, exact, \\d+ seconds left")
                                   .arg(QDate::currentDate().toString(Qt::ISODate)))
                .match(shared)
                .hasMatch(),
            qPrintable(shared));
        QCOMPARE(QApplication::focusWidget(), answer->cmdClose);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // Close
        QVERIFY(QTest::qWaitFor([&] { return !window->answerWindow(); }));
        QCOMPARE(QApplication::focusWidget(), c.cmdAnswer);
        const PlayerStats stats = window->record().statistics();
        QCOMPARE(stats.gamesScored, 1);
        QCOMPARE(stats.dailyDate, QDate::currentDate());
        QCOMPARE(stats.dailyTimeLeft, window->flow().ticksLeft());
    }
}

// The answer window is modal over the game: a click on the game gives it the
// keyboard back, and a screen reader's presses behind it (a menu command, a
// button) are refused as clicks are; the day's board cannot be dealt over a
// game on the clock. Closing the game still works, and gives the answer up.
void TestPoints::nothingActsBehindTheAnswerWindow()
{
    GameWindowHolder holder = pointsWindow();
    QVERIFY(holder);
    const QPointer<GameFrm> window = holder.get();
    const auto &c = window->controls();
    c.mnuDaily->trigger();
    click(c.Command1); // START
    QVERIFY(QTest::qWaitFor([&] { return window->flow().state() == GameFlow::State::Running; }));
    QVERIFY(!c.mnuDaily->isEnabled());
    QVERIFY(!c.mnuSetup->isEnabled());
    click(c.Command1); // STOP
    AnswerFrm *answer = window->answerWindow();
    QVERIFY(answer);
    QVERIFY(QTest::qWaitForWindowActive(answer));
    QVERIFY(c.mnuDaily->isEnabled());

    for (QObject *behind : std::initializer_list<QObject *>{c.mnuDaily, c.mnuStats, c.Command1}) {
        QAccessibleInterface *pressed = QAccessible::queryAccessibleInterface(behind);
        QVERIFY(pressed && pressed->actionInterface());
        pressed->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }
    QTest::qWait(300); // a button's press lands after its animation
    QCOMPARE(window->flow().state(), GameFlow::State::Over);
    QCOMPARE(QApplication::activeModalWidget(), nullptr); // no statistics window either
    QVERIFY(answer->isVisible());

    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, QPoint(20, 200));
    QTRY_COMPARE(QGuiApplication::focusWindow(), answer->windowHandle());

    window->close(); // its close box
    QTRY_VERIFY(window.isNull());
    const PlayerStats stats = ScoreKeeper().statistics();
    QCOMPARE(stats.gamesScored, 1);
    QCOMPARE(stats.bands[PlayerStats::NoAnswerBand], 1);
    QCOMPARE(stats.dailyDate, QDate::currentDate());
}

// The code window words the core's findings itself, to be translated; in
// English it says what the command line says, as a sentence.
void TestPoints::codeRefusalsReadAsTheCoreSays_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("a code") << QStringLiteral("TF-98X-KKC");
    QTest::newRow("not TF") << QStringLiteral("TX-98X-KKC");
    QTest::newRow("a letter no code has") << QStringLiteral("TF-98X-KKÇ");
    QTest::newRow("too long") << QStringLiteral("TF-98X-KKCC");
    QTest::newRow("nothing after TF") << QStringLiteral("tf");
    QTest::newRow("check") << QStringLiteral("TF-98X-KKD");
    QTest::newRow("no board") << QStringLiteral("TF-ZZZ-ZZP");
}

void TestPoints::codeRefusalsReadAsTheCoreSays()
{
    QFETCH(QString, typed);
    const solver::ReadCode read = solver::readBoardCode(typed.toStdString());
    QString core = QString::fromStdString(solver::codeFaultMessage(read));
    if (!core.isEmpty())
        core = core.front().toUpper() + core.mid(1) + QLatin1Char('.');
    QCOMPARE(CodeFrm::faultSentence(read), core);
}

// A code played from the menu: a mistyped one is refused in the window, which
// stays open with the character at fault chosen; the corrected one deals its
// board, recorded as a code's. The board's code is then copied from the menu.
void TestPoints::boardCodeOnTheMainWindow()
{
    const auto window = pointsWindow();
    QVERIFY(window);
    const auto &c = window->controls();
    QVERIFY(!c.mnuCopyCode->isEnabled());
    bool refused = false;
    whenOpen<CodeFrm>(window.get(), [&refused](CodeFrm &dialog) {
        QTest::keyClicks(dialog.txtCode, QStringLiteral("TF-98X-1KC"));
        QTest::keyClick(dialog.txtCode, Qt::Key_Return);
        refused = dialog.isVisible() &&
                  dialog.lbFault->text().startsWith(QStringLiteral("Character 8, '1', ")) &&
                  dialog.txtCode->selectedText() == QLatin1String("1");
        QTest::keyClick(dialog.txtCode, Qt::Key_K); // typed over the 1
        QTest::keyClick(dialog.txtCode, Qt::Key_Return);
    });
    c.mnuPlayCode->trigger();
    QVERIFY(refused);
    QCOMPARE(window->flow().places(), (std::array<qint32, 6>{100, 75, 8, 5, 3, 2}));
    QTRY_COMPARE(QApplication::focusWidget(), c.Command1);
    click(c.Command1); // START
    QVERIFY(QTest::qWaitFor([&] { return window->flow().state() == GameFlow::State::Running; }));
    QCOMPARE(window->flow().target(), 523);
    click(c.Command1); // STOP
    AnswerFrm *answer = window->answerWindow();
    QVERIFY(answer);
    answer->cmdNoAnswer->click();
    answer->close();
    QVERIFY(QTest::qWaitFor([&] { return !window->answerWindow(); }));
    QCOMPARE(GameHistory(window->record().path()).lastGames(1).value(0).board,
             PlayedGame::Board::Code);

    QVERIFY(c.mnuCopyCode->isEnabled());
    c.mnuCopyCode->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("TF-98X-KKC"));
    QVERIFY(c.lbHint->isVisible());
    QCOMPARE(c.lbHint->text(), QStringLiteral("Board code TF-98X-KKC copied."));
}

void TestPoints::monthHeadingStandsAlone_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("heading");
    QTest::newRow("English") << QLocale::c() << QDate(2026, 3, 15) << QStringLiteral("March 2026");
    // Polish inflects a month inside a date ("15 marca 2026") but names it
    // alone over a month's days.
    QTest::newRow("Polish") << QLocale(QLocale::Polish) << QDate(2026, 3, 15)
                            << QStringLiteral("marzec 2026");
    QTest::newRow("Polish, October")
        << QLocale(QLocale::Polish) << QDate(2026, 10, 2) << QString::fromUtf8("październik 2026");
    QTest::newRow("Dutch") << QLocale(QLocale::Dutch) << QDate(2026, 3, 15)
                           << QStringLiteral("maart 2026");
}

void TestPoints::monthHeadingStandsAlone()
{
    QFETCH(QLocale, locale);
    QFETCH(QDate, today);
    QFETCH(QString, heading);
    QLocale::setDefault(locale);
    ScoreKeeper keeper;
    const DaysFrm window(keeper, today);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(window.lbMonth->text(), heading);
}

// The archive's month: every day a button named with its date and result,
// the days to come closed, the arrows and Page Up moving the keyboard among
// days and months within the archive; the day chosen is dealt on the main
// window as that day's try.
void TestPoints::pastDaysCalendar()
{
    const QDate played(2026, 3, 2), today(2026, 3, 15);
    {
        ScoreKeeper keeper;
        keeper.dealtDaily(played);
        const solver::DailyBoard board = solver::dailyBoard(2026, 3, 2);
        const solver::BestPossible best = solver::bestPossible(board.numbers, board.target);
        PlayedGame game = scoreAnswer(board.numbers, board.target, best,
                                      best.value + (best.value < board.target ? -2 : 2), "x");
        QVERIFY(keeper.record(game).kept);
    }
    ScoreKeeper keeper;
    DaysFrm window(keeper, today);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const auto cell = [&window](QDate day) {
        for (int c = 0; c < DaysFrm::Cells; ++c) {
            if (window.dayAt(c) == day)
                return window.cmdDay.at(std::size_t(c));
        }
        return static_cast<QToolButton *>(nullptr);
    };
    const QLocale locale;
    const int away = int(std::abs(keeper.dayResults(played, played).value(played).round.distance));
    const std::pair<QDate, QString> names[]{
        {played, QStringLiteral(": 8 points, %1 away").arg(away)},
        {QDate(2026, 3, 1), QStringLiteral(": not played")},
        {today, QStringLiteral(": not played")},
    };
    for (const auto &[day, result] : names) {
        QVERIFY(cell(day));
        QCOMPARE(cell(day)->accessibleName(), locale.toString(day, QLocale::LongFormat) + result);
        QVERIFY(cell(day)->isEnabled());
    }
    QVERIFY(!cell(today.addDays(1))->isEnabled());
    QVERIFY(!window.cmdNext->isEnabled());
    QCOMPARE(QApplication::focusWidget(), cell(today));
    QTest::keyClick(cell(today), Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), cell(QDate(2026, 3, 8)));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp);
    QCOMPARE(window.shownMonth(), QDate(2026, 2, 1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp); // January, the first month
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp); // its first day
    QCOMPARE(QApplication::focusWidget(), cell(firstDailyDay()));
    QVERIFY(!window.cmdPrevious->isEnabled());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left); // nothing before it
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(window.result(), int(QDialog::Accepted));
    QCOMPARE(window.chosenDay(), QDate(2026, 1, 2));

    // From the main window: a past day chosen is dealt as that day's board.
    const auto game = pointsWindow();
    QVERIFY(game);
    whenOpen<DaysFrm>(game.get(), [](DaysFrm &days) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left); // yesterday
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    game->controls().mnuDays->trigger();
    const QDate yesterday = QDate::currentDate().addDays(-1);
    QCOMPARE(game->record().dailyDay(), yesterday);
    QCOMPARE(game->flow().places(),
             solver::dailyBoard(yesterday.year(), yesterday.month(), yesterday.day()).numbers);
}

// A match on the main window, with boards picked in turns (the bus plays
// dealt ones, and reads that the first answer is gone): the line beside the
// target saying whose pick it is, each player's answer asked for after the
// keyboard is passed, the first one's window gone before the second's
// opens, the round shown; then
// the game closed with the second player's answer window open, which gives
// that answer up and keeps the match, unfinished, with both rounds.
void TestPoints::matchOnTheMainWindow()
{
    GameWindowHolder holder = pointsWindow();
    QVERIFY(holder);
    const QPointer<GameFrm> window = holder.get();
    const auto &c = window->controls();
    whenOpen<MatchFrm>(window.get(), [](MatchFrm &dialog) {
        dialog.txtPlayer[0]->setText(QStringLiteral("Ann"));
        dialog.txtPlayer[1]->setText(QStringLiteral("Ben"));
        dialog.spnRounds->setValue(3);
        dialog.optPicked->setChecked(true);
        QTest::keyClick(dialog.spnRounds, Qt::Key_Return); // OK is the default
    });
    c.mnuMatch->trigger();
    QVERIFY(window->match());
    QVERIFY(!c.mnuMatch->isVisible() && c.mnuEndMatch->isVisible());
    QVERIFY(!c.mnuDaily->isEnabled() && !c.mnuSetup->isEnabled());
    const QStringList players{QStringLiteral("Ann"), QStringLiteral("Ben")};
    for (int round = 1; round <= 2; ++round) {
        const int starter = (round - 1) % 2;
        const QString scoreLine =
            QStringLiteral("Ann %1 - Ben 0, round %2 of 3").arg(round - 1).arg(round);
        for (int tile = 0; tile < 6; ++tile) {
            QCOMPARE(c.lbMatch->text(), scoreLine + QStringLiteral("\n%1 picks tile %2 of 6.")
                                                        .arg(players[(starter + tile) % 2])
                                                        .arg(tile + 1));
            window->btnPick_Click(qint16(tile));
        }
        click(c.Command1); // START
        QVERIFY(
            QTest::qWaitFor([&] { return window->flow().state() == GameFlow::State::Running; }));
        click(c.Command1); // STOP
        const QString given = QString::fromStdString(
            solver::bestPossible(window->flow().places(), window->flow().target()).way);

        // The round's starter answers first, with the best possible.
        QPointer<AnswerFrm> first = window->answerWindow();
        QVERIFY(first);
        QCOMPARE(first->lbHandOver->text(),
                 QStringLiteral("Pass the keyboard to %1.").arg(players[starter]));
        first->cmdReady->click();
        first->tabWays->setCurrentIndex(1);
        QTest::keyClicks(first->txtAnswer, given);
        QTest::keyClick(first->txtAnswer, Qt::Key_Return); // Declare
        QTRY_VERIFY(first.isNull());
        QPointer<AnswerFrm> second;
        QTRY_VERIFY((second = window->answerWindow()));
        QCOMPARE(second->lbHandOver->text(),
                 QStringLiteral("Pass the keyboard to %1.").arg(players[1 - starter]));
        second->cmdReady->click();
        if (round == 2)
            break;
        second->cmdNoAnswer->click();
        const QString result = second->resultText();
        QVERIFY2(result.contains(QStringLiteral("Ann: %1 = ").arg(given)) &&
                     result.contains(QStringLiteral("Ben: no answer.")) &&
                     result.endsWith(QStringLiteral("Ann wins the round.\n") +
                                     QStringLiteral("Ann 1 - Ben 0, round 2 of 3")),
                 qPrintable(result));
        second->cmdClose->click();
        QTRY_VERIFY(!window->answerWindow());
        click(c.Command1); // PLAY AGAIN: the next round's board to pick
    }
    window->close();
    QTRY_VERIFY(window.isNull());
    const QList<MatchRecord> kept = GameHistory(GameHistory::defaultPath()).lastMatches(2);
    QCOMPARE(kept.size(), 1);
    QVERIFY(!kept[0].finished && kept[0].endedAt.isValid());
    QCOMPARE(kept[0].played.size(), 2);
    QCOMPARE(kept[0].score, (std::array<int, 2>{1, 1})); // Ben's best against nothing
    QCOMPARE(ScoreKeeper().statistics().gamesScored, 0);
}

// End match in the middle of a round on the clock: the round goes with the
// match, unscored, the board is a new one to pick, the match is kept
// unfinished and the commands it held back come back; the next START takes
// the match's line away.
void TestPoints::endMatchDropsTheRound()
{
    const auto window = pointsWindow();
    QVERIFY(window);
    const auto &c = window->controls();
    window->startMatch({QStringLiteral("Ann"), QStringLiteral("Ben")}, 4,
                       TwoPlayerMatch::Boards::Dealt);
    QCOMPARE(window->flow().state(), GameFlow::State::Ready);
    click(c.Command1); // START
    QVERIFY(QTest::qWaitFor([&] { return window->flow().state() == GameFlow::State::Running; }));
    QVERIFY(!c.mnuHint->isEnabled() && !c.mnuDays->isEnabled());
    c.mnuEndMatch->trigger();
    QCOMPARE(window->flow().state(), GameFlow::State::Picking);
    QVERIFY(!c.Timer1->isActive());
    QVERIFY(!window->answerWindow());
    QCOMPARE(c.lbMatch->text(), QStringLiteral("The match was ended at Ann 0 - Ben 0."));
    QVERIFY(c.mnuMatch->isVisible() && !c.mnuEndMatch->isVisible());
    QVERIFY(c.mnuDays->isEnabled() && c.mnuSetup->isEnabled());
    const QList<MatchRecord> kept = GameHistory(GameHistory::defaultPath()).lastMatches(2);
    QCOMPARE(kept.size(), 1);
    QVERIFY(!kept[0].finished && kept[0].endedAt.isValid() && kept[0].played.isEmpty());
    QCOMPARE(window->record().statistics().gamesScored, 0);
    for (int tile = 0; tile < 6; ++tile)
        window->btnPick_Click(qint16(tile));
    click(c.Command1); // START: a game of the player's own
    QVERIFY(!window->match() && !c.lbMatch->isVisible());
}

QTEST_MAIN(TestPoints)
#include "tst_points.moc"
