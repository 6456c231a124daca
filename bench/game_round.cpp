// Plays whole games on the real main window (offscreen unless QT_QPA_PLATFORM
// says otherwise): six tiles picked, the target rolled, the clock stopped,
// and the time from the "Show Answer(s)" click to "Search Finished"
// measured. Ends with the process's resident memory after all the games.
//
// Usage: game_round [runs]      (default 11; the board is 100 75 8 5 3 2, 523)

#include "fonts.h"
#include "gamefrm.h"
#include "gamewindow.h"
#include "globalbas.h"
#include "settingsstore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QPushButton>
#include <QTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

const std::vector<int> Tiles{20, 21, 2, 3, 12, 13};
const std::vector<int> Values{100, 75, 8, 5, 3, 2};

// "VmHWM" (peak) and "VmRSS" (now) from the kernel's account of this process.
QString memoryLine(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return QStringLiteral("%1: unknown").arg(QLatin1String(field));
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return QString::fromLatin1(line.simplified());
    }
    return QStringLiteral("%1: unknown").arg(QLatin1String(field));
}

// Runs the event loop until the roll or the search under way has ended.
void settle(GameFrm &window)
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (!window.flow().isBusy())
            loop.quit();
    });
    poll.start(1);
    loop.exec();
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::registerFontSubstitutions();
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;

    // A throw-away settings store, so the user's own is never read or written.
    QTemporaryDir store;
    platform::setSettingsFolderForTesting(store.path());
    GameSettings settings = GLOBALbas::LoadSettings();
    settings.noSounds = true;
    settings.lowestTarget = settings.highestTarget = 523;

    const std::unique_ptr<GameFrm> owned(createGameWindow(settings));
    GameFrm &window = *owned;
    showGameWindow(window);
    QApplication::processEvents();

    std::vector<double> ms;
    for (int run = 0; run < runs; ++run) {
        for (size_t i = 0; i < Tiles.size(); ++i) {
            window.flow().board().setTag(Tiles[i], QString::number(Values[i]));
            window.btnPick_Click(qint16(Tiles[i]));
        }
        window.controls().Command1->click(); // START: rolls the target
        settle(window);
        window.controls().Command1->click(); // STOP

        QElapsedTimer clock;
        clock.start();
        window.controls().cmdAnswer->click();
        settle(window);
        ms.push_back(double(clock.nsecsElapsed()) / 1e6);
        if (window.controls().cmdAnswer->text() != QStringLiteral("Search Finished")) {
            std::fprintf(stderr, "run %d ended with \"%s\"\n", run + 1,
                         qPrintable(window.controls().cmdAnswer->text()));
            return 1;
        }
        window.controls().Command1->click(); // PLAY AGAIN
    }

    std::vector<double> sorted = ms;
    std::sort(sorted.begin(), sorted.end());
    const double median = sorted[sorted.size() / 2];
    std::printf("\"Show Answer(s)\" to \"Search Finished\": median %.1f ms over %d games "
                "(min %.1f, max %.1f)\n",
                median, runs, sorted.front(), sorted.back());
    std::printf("after the games: %s, %s\n", qPrintable(memoryLine("VmRSS")),
                qPrintable(memoryLine("VmHWM")));
    window.close();
    return 0;
}
