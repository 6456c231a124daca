// A seeded random player for the real main window and its dialogs: clicks,
// keys, clock ticks, pasted junk and menu commands, including "Stop Search"
// mid-search, "PLAY AGAIN" mid-clock and closing the window mid-search, with
// the game's state table checked after every event.
//
// TALLYFOLD_MONKEY_EVENTS sets the number of events (a short run by default)
// and TALLYFOLD_MONKEY_SEED the seed, so any failure replays exactly.

#include "monkeyinvariants.h"
#include "settingssandbox.h"

#include "aboutfrm.h"
#include "buttonex.h"
#include "gamefrm.h"
#include "gamewindow.h"
#include "globalbas.h"
#include "manualfrm.h"
#include "messagebox.h"
#include "random.h"
#include "settingfrm.h"
#include "settingsstore.h"
#include "shell.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <deque>
#include <optional>
#include <random>

namespace {

qint64 envNumber(const char *name, qint64 fallback)
{
    bool ok = false;
    const qint64 value = qEnvironmentVariable(name).toLongLong(&ok);
    return ok && value > 0 ? value : fallback;
}

// Keys a player might press anywhere: the ones that act on buttons and
// boxes, digits and letters, and the menus' Alt shortcuts.
constexpr Qt::Key PlainKeys[] = {
    Qt::Key_Space,    Qt::Key_Return,    Qt::Key_Enter,  Qt::Key_Tab,  Qt::Key_Backtab,
    Qt::Key_Escape,   Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_Right,
    Qt::Key_Up,       Qt::Key_Down,      Qt::Key_Home,   Qt::Key_End,  Qt::Key_PageUp,
    Qt::Key_PageDown, Qt::Key_0,         Qt::Key_1,      Qt::Key_5,    Qt::Key_9,
    Qt::Key_Minus,    Qt::Key_A,         Qt::Key_X,      Qt::Key_F4,
};
constexpr Qt::Key AltKeys[] = {Qt::Key_M, Qt::Key_S, Qt::Key_A, Qt::Key_X,
                               Qt::Key_O, Qt::Key_C, Qt::Key_F, Qt::Key_E};

// Text as a paste might bring it: digits, signs, blanks, letters, overlong.
constexpr const char *Pastes[] = {"12ab", "-5",  " 250 ", "0200", "40000",  "99999999999999999999",
                                  "",     "abc", "101",   "7\t8", "+32767", "-32768",
                                  "1e3",  "٣٤٥"};

constexpr int RollPaceMs = 10;

} // namespace

class Monkey : public QObject
{
    Q_OBJECT

public:
    Monkey(quint64 seed, qint64 events)
        : m_rng(seed)
        , m_budget(events)
    {}

    // Plays until the budget is spent and everything has unwound; returns
    // the first broken rule, or an empty string.
    QString run();

    qint64 events() const { return m_done; }
    int games() const { return m_windowsMade; }
    int searchesFinished() const { return m_searchesEnded; }
    int closedMidSearch() const { return m_closedMidSearch; }
    // The dialogs played, by class: which windows the run reached.
    const QMap<QString, int> &dialogs() const { return m_dialogs; }
    // Events that found the window in each state.
    const QMap<QString, int> &states() const { return m_states; }

private:
    void step();
    void act();
    void actOnMainWindow();
    void actOnDialog(QDialog *dialog);
    void tick();
    void check();
    void fail(const QString &what);
    void openWindow();
    void log(const QString &what);

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    bool chance(double p) { return std::bernoulli_distribution(p)(m_rng); }
    QPoint pointIn(const QWidget *widget)
    {
        return {pick(std::max(1, widget->width())), pick(std::max(1, widget->height()))};
    }
    void clickAt(QWidget *widget, QPoint at, Qt::MouseButton button = Qt::LeftButton);
    void pressKey(QWidget *target);

    std::mt19937_64 m_rng;
    qint64 m_budget;
    qint64 m_done = 0;
    int m_depth = 0; // our own actions still on the stack (searches, rolls, dialogs)
    int m_windowsMade = 0;
    int m_searchesEnded = 0;
    int m_closedMidSearch = 0;
    QMap<QString, int> m_dialogs;
    bool m_wasSearching = false;
    QMap<QString, int> m_states;
    QString m_failure;
    std::deque<QString> m_recent;
    QPointer<GameFrm> m_window; // deletes itself once closed and unwound
    QEventLoop m_loop;
};

QString Monkey::run()
{
    openWindow();
    QTimer::singleShot(0, this, &Monkey::step);
    m_loop.exec();
    if (m_window)
        m_window->close();
    delete m_window;
    return m_failure;
}

void Monkey::openWindow()
{
    m_window = createGameWindow();
    showGameWindow(*m_window);
    ++m_windowsMade;
    log(QStringLiteral("new main window"));
}

void Monkey::log(const QString &what)
{
    m_recent.push_back(QStringLiteral("#%1 [depth %2] %3").arg(m_done).arg(m_depth).arg(what));
    if (m_recent.size() > 25)
        m_recent.pop_front();
}

void Monkey::fail(const QString &what)
{
    if (!m_failure.isEmpty())
        return;
    QStringList lines{QStringLiteral("after event %1: %2").arg(m_done).arg(what),
                      QStringLiteral("last events:")};
    lines.append(QStringList(m_recent.begin(), m_recent.end()));
    m_failure = lines.join(QLatin1Char('\n'));
    m_budget = m_done; // wind down from here
}

// One event per call. The next call is queued before this one acts, so when
// the act opens a dialog, starts a search or rolls a target, play carries on
// inside that nested loop the way a real player's clicks would arrive.
void Monkey::step()
{
    check();
    const bool windingDown = m_done >= m_budget;
    QWidget *modal = QApplication::activeModalWidget();
    const bool closed = !m_window || !m_window->isVisible();

    if (windingDown && m_depth == 0 && !modal) {
        m_loop.quit();
        return;
    }
    // A player's events come a few milliseconds apart while the target
    // rolls on its timer; at full speed hundreds would land on each roll.
    const bool rolling = !closed && m_window->flow().isRolling();
    QTimer::singleShot(rolling ? RollPaceMs : 0, this, &Monkey::step);

    ++m_depth;
    if (windingDown) {
        // Unwind whatever is open: dialogs first, then a running search.
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else if (!closed && m_window->controls().cmdAnswer->text() == GameCaptions::StopSearch)
            clickAt(m_window->controls().cmdAnswer,
                    m_window->controls().cmdAnswer->rect().center());
        else
            QThread::msleep(1);
    } else if (closed && m_depth == 1 && !modal) {
        // The closed window has unwound its search and roll: replace it.
        delete m_window;
        openWindow();
    } else {
        ++m_done;
        act();
    }
    --m_depth;
}

void Monkey::check()
{
    if (!m_failure.isEmpty())
        return;
    if (const QString windows = monkey::checkSecondaryWindows(); !windows.isEmpty())
        return fail(windows);
    if (!m_window || !m_window->isVisible())
        return;
    if (const QString state = monkey::checkMainWindow(*m_window); !state.isEmpty())
        return fail(state);
    ++m_states[monkey::stateName(*m_window)];
    const bool searching = m_window->flow().isSearching();
    if (m_wasSearching && !searching) {
        ++m_searchesEnded;
        if (const QString answers = monkey::checkAnswersUnique(*m_window); !answers.isEmpty())
            return fail(answers);
    }
    m_wasSearching = searching;
}

void Monkey::act()
{
    if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
        actOnDialog(dialog);
        return;
    }
    if (!m_window || !m_window->isVisible()) {
        log(QStringLiteral("wait (window closed)"));
        QThread::msleep(1);
        return;
    }
    actOnMainWindow();
}

void Monkey::tick()
{
    // A tick arrives only while the clock runs, modal windows or not.
    if (m_window && m_window->isVisible() && m_window->controls().Timer1->isActive()) {
        log(QStringLiteral("tick"));
        m_window->Timer1_Timer();
    }
}

// A click lands on whatever the window shows at that spot, as a real one
// would: a hidden or covered control never gets it.
void Monkey::clickAt(QWidget *widget, QPoint at, Qt::MouseButton button)
{
    QWidget *window = widget->window();
    const QPoint inWindow = widget->mapTo(window, at);
    QWidget *under = window->childAt(inWindow);
    QWidget *target = under ? under : window;
    QTest::mouseClick(target, button, {}, target->mapFrom(window, inWindow));
}

void Monkey::pressKey(QWidget *target)
{
    if (chance(0.15)) {
        const Qt::Key key = AltKeys[pick(std::size(AltKeys))];
        log(QStringLiteral("Alt+key %1 to %2").arg(key).arg(target->metaObject()->className()));
        QTest::keyClick(target, key, Qt::AltModifier);
        return;
    }
    const Qt::Key key = PlainKeys[pick(std::size(PlainKeys))];
    log(QStringLiteral("key %1 to %2").arg(key).arg(target->metaObject()->className()));
    QTest::keyClick(target, key);
}

void Monkey::actOnMainWindow()
{
    GameFrm &w = *m_window;
    const int roll = pick(1000);
    if (roll < 220) {
        const int tile = pick(int(w.controls().btnPick.size()));
        log(QStringLiteral("click tile %1%2")
                .arg(tile)
                .arg(w.controls().btnPick[tile]->isHidden() ? " (hidden)" : ""));
        clickAt(w.controls().btnPick[tile], w.controls().btnPick[tile]->rect().center());
    } else if (roll < 330) {
        log(QStringLiteral("click \"%1\"").arg(w.controls().Command1->text()));
        clickAt(w.controls().Command1, w.controls().Command1->rect().center());
    } else if (roll < 430) {
        log(QStringLiteral("click \"%1\"").arg(w.controls().cmdAnswer->text()));
        clickAt(w.controls().cmdAnswer, w.controls().cmdAnswer->rect().center());
    } else if (roll < 520) {
        // Anywhere on the window: whatever lies under the point gets it.
        const QPoint at = pointIn(&w);
        log(QStringLiteral("click window at %1,%2").arg(at.x()).arg(at.y()));
        clickAt(&w, at, chance(0.2) ? Qt::RightButton : Qt::LeftButton);
    } else if (roll < 600) {
        const QPoint at = pointIn(&w);
        log(QStringLiteral("move to %1,%2").arg(at.x()).arg(at.y()));
        QTest::mouseMove(&w, at);
    } else if (roll < 700) {
        QWidget *focus = QApplication::focusWidget();
        pressKey(focus && focus->window() == &w ? focus : &w);
    } else if (roll < 880) {
        tick();
    } else if (roll < 915) {
        log(QStringLiteral("wait"));
        QThread::msleep(2);
        QCoreApplication::processEvents();
    } else if (roll < 997) {
        // The menu commands, as far as the menu offers them (those of
        // playing for points once the settings have switched it on).
        QList<QAction *> actions = w.menuBar()->actions();
        actions.removeOne(w.controls().mnuExit);
        QAction *action = actions.at(pick(int(actions.size())));
        log(QStringLiteral("menu %1%2")
                .arg(action->text())
                .arg(action->isEnabled() ? "" : " (disabled)"));
        if (action->isEnabled())
            action->trigger();
    } else {
        const bool exitCommand = chance(0.5);
        if (w.flow().isSearching())
            ++m_closedMidSearch;
        log(exitCommand ? QStringLiteral("menu Exit") : QStringLiteral("close box"));
        if (exitCommand)
            w.controls().mnuExit->trigger();
        else
            w.close();
    }
}

void Monkey::actOnDialog(QDialog *dialog)
{
    const QString name = QString::fromLatin1(dialog->metaObject()->className());
    ++m_dialogs[name];
    const int roll = pick(1000);
    QList<QWidget *> controls;
    for (QWidget *child : dialog->findChildren<QWidget *>()) {
        if (child->isVisible() && child->width() > 0 && child->height() > 0)
            controls << child;
    }
    if (roll < 40 || controls.isEmpty()) {
        const bool escape = chance(0.5);
        log(QStringLiteral("close %1 (%2)").arg(name, escape ? "Escape" : "close box"));
        if (escape)
            QTest::keyClick(dialog, Qt::Key_Escape);
        else
            dialog->close();
    } else if (roll < 450) {
        QWidget *control = controls.at(pick(int(controls.size())));
        const QPoint at = chance(0.5) ? control->rect().center() : pointIn(control);
        log(QStringLiteral("click %1 in %2").arg(control->metaObject()->className(), name));
        clickAt(control, at);
    } else if (roll < 520) {
        // A drag, as on the slider.
        QWidget *control = controls.at(pick(int(controls.size())));
        log(QStringLiteral("drag in %1 of %2").arg(control->metaObject()->className(), name));
        if (control->isVisible()) {
            QTest::mousePress(control, Qt::LeftButton, {}, pointIn(control));
            QTest::mouseMove(control, pointIn(control));
            QTest::mouseRelease(control, Qt::LeftButton, {}, pointIn(control));
        }
    } else if (roll < 800) {
        QWidget *focus = QApplication::focusWidget();
        pressKey(focus && focus->window() == dialog ? focus : dialog);
    } else if (roll < 860) {
        const auto edits = dialog->findChildren<QLineEdit *>();
        if (edits.isEmpty())
            return tick();
        // What a paste from the context menu does to the box.
        QLineEdit *edit = edits.at(pick(int(edits.size())));
        const QString text = QString::fromUtf8(Pastes[pick(std::size(Pastes))]);
        log(QStringLiteral("paste \"%1\" into %2 of %3").arg(text, edit->objectName(), name));
        if (chance(0.5))
            edit->selectAll();
        edit->insert(text);
    } else if (roll < 920) {
        const QPoint at = pointIn(dialog);
        log(QStringLiteral("move to %1,%2 in %3").arg(at.x()).arg(at.y()).arg(name));
        QTest::mouseMove(dialog, at);
    } else {
        tick();
    }
}

class TestMonkey : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void randomPlayKeepsTheStateTable();

private:
    std::optional<SettingsSandbox> m_settings;
    int m_messages = 0;
    int m_links = 0;
};

void TestMonkey::initTestCase()
{
    m_settings.emplace(SettingsSandbox::Values::Loaded);
    // Closing the last window must not end the run.
    QApplication::setQuitOnLastWindowClosed(false);
    platform::setMessageSinkForTesting([this](const QString &, const QString &) { ++m_messages; });
    platform::setUrlOpenerForTesting([this](const QUrl &) {
        ++m_links;
        return true;
    });
}

void TestMonkey::cleanupTestCase()
{
    platform::setMessageSinkForTesting({});
    platform::setUrlOpenerForTesting({});
    platform::resetRandomForTesting();
    m_settings.reset();
}

void TestMonkey::randomPlayKeepsTheStateTable()
{
    const quint64 seed = quint64(envNumber("TALLYFOLD_MONKEY_SEED", 20261208));
    const qint64 events = envNumber("TALLYFOLD_MONKEY_EVENTS", 3000);
    platform::seedRandomForTesting(seed);

    QElapsedTimer clock;
    clock.start();
    Monkey monkey(seed, events);
    const QString failure = monkey.run();
    qInfo("seed %llu: %lld events in %.1f s, %d main windows (%d closed mid-search), "
          "%d searches ended, %d messages, %d mail links",
          seed, monkey.events(), clock.elapsed() / 1000.0, monkey.games(), monkey.closedMidSearch(),
          monkey.searchesFinished(), m_messages, m_links);
    QStringList visits;
    for (auto it = monkey.states().begin(); it != monkey.states().end(); ++it)
        visits << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
    qInfo("events per state: %s", qPrintable(visits.join(QStringLiteral(", "))));
    QStringList dialogs;
    for (auto it = monkey.dialogs().begin(); it != monkey.dialogs().end(); ++it)
        dialogs << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
    qInfo("events per dialog: %s", qPrintable(dialogs.join(QStringLiteral(", "))));
    // QtTest cuts long messages short: the events leading up go out whole.
    if (!failure.isEmpty()) {
        for (const QString &line : failure.split(QLatin1Char('\n')))
            qInfo("%s", qPrintable(line));
    }
    QVERIFY2(failure.isEmpty(), qPrintable(failure.section(QLatin1Char('\n'), 0, 0)));
    QCOMPARE(monkey.events(), events);

    // Whatever the settings window was given, every write left a store that
    // reads: a file with damage is set aside as ".bad-<date>-<time>" when the
    // next value is written.
    const QFileInfo store(platform::settingsFileForKey(GLOBALbas::SettingsKeyPath));
    QVERIFY2(store.dir().entryList({store.fileName() + QStringLiteral(".bad*")}).isEmpty(),
             qPrintable(store.filePath()));
}

int main(int argc, char *argv[])
{
    // A full run takes minutes, longer than QtTest allows one function.
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", "7200000");
    QApplication app(argc, argv);
    TestMonkey test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_monkey.moc"
