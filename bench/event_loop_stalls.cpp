// How long the window's thread stays away from its event loop during whole
// games on the real main window (offscreen unless QT_QPA_PLATFORM says
// otherwise): the target's roll, the clock, the search of 100 75 8 5 3 2 for
// 523, a manual setup's search and a complete search. A probe re-posts an
// event to itself each time one is delivered, so the time between two
// deliveries is a stretch in which nothing else could run either: no paint,
// no click, no tick. Also times "Show Answer(s)" to "Search Finished".
//
// Usage: event_loop_stalls [runs]      (default 7; medians over the runs)
//
// The games are driven through the window's controls and watched through
// their captions, and every wait runs the event loop, so the program measures
// a game whose long steps return at once just as well as one whose steps run
// their own loops inside the click. Ends with the process's resident memory
// after all the games.

#include "fonts.h"
#include "gamefrm.h"
#include "gamewindow.h"
#include "globalbas.h"
#include "manualfrm.h"
#include "settingsstore.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

class StallProbe : public QObject
{
public:
    void restart()
    {
        longestNs_ = 0;
        clock_.start();
        last_ = 0;
        if (!posted_) {
            posted_ = true;
            QCoreApplication::postEvent(this, new QEvent(QEvent::User));
        }
    }
    // The longest stretch so far, once the probe has been delivered again:
    // the stretch that was under way when the part ended counts too.
    double longestMs()
    {
        const long long seen = deliveries_;
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (deliveries_ != seen)
                loop.quit();
        });
        poll.start(0);
        loop.exec();
        return double(longestNs_) / 1e6;
    }

protected:
    void customEvent(QEvent *) override
    {
        const qint64 now = clock_.nsecsElapsed();
        longestNs_ = std::max(longestNs_, now - last_);
        last_ = now;
        ++deliveries_;
        QCoreApplication::postEvent(this, new QEvent(QEvent::User));
    }

private:
    QElapsedTimer clock_;
    qint64 last_ = 0;
    qint64 longestNs_ = 0;
    long long deliveries_ = 0;
    bool posted_ = false;
};

// Runs the event loop until `done` holds; gives up after 60 s.
void waitUntil(const char *what, const std::function<bool()> &done)
{
    if (done())
        return;
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    poll.start(1);
    QTimer::singleShot(60000, &loop, [what] {
        std::fprintf(stderr, "gave up waiting for %s\n", what);
        std::exit(1);
    });
    loop.exec();
}

// The manual setup as a player fills it in: six of its numbers (1 to 10 in
// two rows from index 0 and 10, then 25, 50, 75 and 100 from index 20) and
// a target, confirmed while the menu command waits in its modal loop.
void manualSetup(GameFrm &window, std::vector<int> labels, int target)
{
    QTimer::singleShot(0, &window, [labels, target] {
        for (QWidget *top : QApplication::topLevelWidgets()) {
            auto *manual = qobject_cast<ManualFrm *>(top);
            if (!manual || !manual->isVisible())
                continue;
            for (int label : labels)
                manual->l1_Click(qint16(label));
            manual->Text1->setText(QString::number(target));
            manual->Command1_Click();
            return;
        }
        std::fprintf(stderr, "the manual setup window did not open\n");
        std::exit(1);
    });
    window.controls().mnuSetup->trigger();
}

// "VmHWM" (peak) and "VmRSS" (now) from the kernel's account of this process.
QString memoryLine(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith(field))
                return QString::fromLatin1(line.simplified());
        }
    }
    return QStringLiteral("%1: unknown").arg(QLatin1String(field));
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::registerFontSubstitutions();
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;

    // A throw-away settings store; a fixed target, a short and fast clock,
    // no music.
    QTemporaryDir store;
    platform::setSettingsFolderForTesting(store.path());
    GameSettings settings = GLOBALbas::LoadSettings();
    settings.noSounds = true;
    settings.lowestTarget = settings.highestTarget = 523;
    settings.timeAllowed = 3;
    settings.timerInterval = 20;

    const std::unique_ptr<GameFrm> owned(createGameWindow(settings));
    GameFrm &window = *owned;
    showGameWindow(window);
    const GameFrmControls &c = window.controls();
    // The window's first exposure paints all of it: not part of any game.
    waitUntil("the window",
              [&] { return window.windowHandle() && window.windowHandle()->isExposed(); });
    QEventLoop firstPaint;
    QTimer::singleShot(50, &firstPaint, &QEventLoop::quit);
    firstPaint.exec();
    const auto searchEnded = [&] { return c.cmdAnswer->text() == "Search Finished"; };

    StallProbe probe;
    std::map<std::string, std::vector<double>> stalls;
    std::vector<double> searchMs;
    const auto phase = [&](const char *name, const std::function<void()> &play) {
        probe.restart();
        play();
        stalls[name].push_back(probe.longestMs());
    };

    for (int run = 0; run < runs; ++run) {
        settings.completeSearch = false;
        window.flow().setSettings(settings);
        waitUntil("the board", [&] { return c.Command1->text() == "START"; });
        const int tiles[] = {20, 21, 2, 3, 12, 13};
        const int values[] = {100, 75, 8, 5, 3, 2};
        for (int i = 0; i < 6; ++i) {
            window.flow().board().setTag(tiles[i], QString::number(values[i]));
            window.btnPick_Click(qint16(tiles[i]));
        }
        phase("roll", [&] {
            c.Command1->click(); // START
            waitUntil("the clock", [&] { return c.Timer1->isActive(); });
        });
        phase("clock", [&] {
            waitUntil("the time to run out", [&] { return c.Command1->text() == "PLAY AGAIN"; });
        });
        phase("search 523", [&] {
            QElapsedTimer clock;
            clock.start();
            c.cmdAnswer->click(); // Show Answer(s)
            waitUntil("the search", searchEnded);
            searchMs.push_back(double(clock.nsecsElapsed()) / 1e6);
        });
        c.Command1->click(); // PLAY AGAIN
        phase("manual setup", [&] {
            manualSetup(window, {23, 22, 7, 4, 2, 1}, 523); // 100 75 8 5 3 2
            waitUntil("the manual search", searchEnded);
        });
        c.Command1->click();
        settings.completeSearch = true;
        window.flow().setSettings(settings);
        phase("complete search", [&] {
            manualSetup(window, {23, 22, 21, 20, 5, 2}, 742); // 100 75 50 25 6 3
            waitUntil("the complete search", searchEnded);
        });
        c.Command1->click();
    }

    std::vector<double> worst(std::size_t(runs), 0.0);
    std::printf("longest stretch away from the event loop, over %d games (ms):\n", runs);
    for (const auto &[name, values] : stalls) {
        for (std::size_t run = 0; run < values.size(); ++run)
            worst[run] = std::max(worst[run], values[run]);
        std::printf("  %-16s median %7.2f   max %7.2f\n", name.c_str(), median(values),
                    *std::max_element(values.begin(), values.end()));
    }
    std::printf("  %-16s median %7.2f   max %7.2f\n", "whole game", median(worst),
                *std::max_element(worst.begin(), worst.end()));
    std::printf("\"Show Answer(s)\" to \"Search Finished\" (523): median %.1f ms\n",
                median(searchMs));
    std::printf("after the games: %s, %s\n", qPrintable(memoryLine("VmRSS")),
                qPrintable(memoryLine("VmHWM")));
    window.close();
    return 0;
}
