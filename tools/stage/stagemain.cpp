// tallyfold-stage: the game with options for looking at it from scripts
// (tools/screenshot, tests/desktop/run). It starts exactly as the game does;
// the options only play it into a state, take a picture or close it, so
// nothing a player runs carries them.

#include "gamefrm.h"
#include "gamestartup.h"
#include "screenshotstage.h"

#include <QCommandLineParser>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QTimer>

namespace {

const QCommandLineOption ScreenshotOption(QStringLiteral("screenshot"),
                                          QStringLiteral("Save a picture of the main window (or of "
                                                         "the window --state opens) and quit."),
                                          QStringLiteral("file"));
const QCommandLineOption StateOption(
    QStringLiteral("state"),
    QStringLiteral("Play into picking, running, answers, rolling, searching or complete-nearest, "
                   "or open manual, settings-difficulty, settings-timing or about."),
    QStringLiteral("name"));
const QCommandLineOption CloseAfterOption(
    QStringLiteral("close-after"),
    QStringLiteral("Close the main window this long after reaching --state (the roll or the "
                   "search of rolling and searching has just begun), as its close box would, "
                   "and say what the game was doing."),
    QStringLiteral("milliseconds"));

const QCommandLineOption ScoredGamesOption(
    QStringLiteral("scored-games"),
    QStringLiteral("Play this many games for points, each declared and recorded, printing "
                   "each and any message the game shows, then the statistics, and quit."),
    QStringLiteral("count"));

void saveScreenshot(QWidget *window, const QString &file)
{
    QPixmap picture;
    if (QScreen *screen = window->screen())
        picture = screen->grabWindow(window->winId());
    if (picture.isNull())
        picture = window->grab();
    if (!picture.save(file, "PNG"))
        qWarning("could not save %s", qPrintable(file));
}

// Closes the main window as its close box would, saying first what the game
// was doing, so that scripts know where the close landed.
void closeReporting(GameFrm &window)
{
    const GameFlow &flow = window.flow();
    const char *doing = flow.isSearching() ? "searching" : flow.isRolling() ? "rolling" : "idle";
    qInfo("closing the main window while %s", doing);
    window.close();
}

void stage(GameFrm &shown, const QCommandLineParser &parser)
{
    const QString file = parser.value(ScreenshotOption);
    const QString state = parser.value(StateOption);
    bool ok = false;
    const int closeAfter = parser.value(CloseAfterOption).toInt(&ok);
    bool scored = false;
    const int games = parser.value(ScoredGamesOption).toInt(&scored);
    if (scored) {
        const QPointer<GameFrm> window = &shown;
        QTimer::singleShot(0, window, [window, games] {
            playScoredGames(*window, games);
            if (window)
                window->close();
        });
        return;
    }
    if (file.isEmpty() && state.isEmpty() && !ok)
        return;
    // Give the display server time to map and draw the window first, both
    // before playing into the state and before the picture.
    const QPointer<GameFrm> window = &shown;
    QTimer::singleShot(300, window, [=] {
        QWidget *subject = window;
        if (!state.isEmpty()) {
            subject = stageWindow(*window, state);
            if (!subject) {
                qWarning("unknown state %s", qPrintable(state));
                subject = window;
            }
        }
        if (!window)
            return;
        // At 0 the close comes at once, before the event loop has had a
        // chance to take the roll's next step or the search's end.
        if (ok && closeAfter == 0) {
            closeReporting(*window);
            return;
        }
        if (ok && closeAfter > 0)
            QTimer::singleShot(closeAfter, window, [window] { closeReporting(*window); });
        if (file.isEmpty())
            return;
        QTimer::singleShot(300, window, [window, subject = QPointer<QWidget>(subject), file] {
            saveScreenshot(subject ? subject.get() : window.get(), file);
            window->close();
        });
    });
}

} // namespace

int main(int argc, char *argv[])
{
    StartupExtras extras;
    extras.addOptions = [](QCommandLineParser &parser) {
        parser.addOption(ScreenshotOption);
        parser.addOption(StateOption);
        parser.addOption(CloseAfterOption);
        parser.addOption(ScoredGamesOption);
    };
    extras.whenShown = stage;
    return runGame(argc, argv, extras);
}
