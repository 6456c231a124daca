// The start-up routine: load the settings, then show the main window. The
// process lives as long as that window.

#include "fonts.h"
#include "gamefrm.h"
#include "gamewindow.h"
#include "globalbas.h"
#include "screenshotstage.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QTimer>

namespace {

// Options for looking at the program from scripts: they never change what a
// player sees, only when the program quits.
struct Diagnostics
{
    bool quitAfterShow = false;
    QString screenshot;
    QString state;       // played into before the screenshot
    int closeAfter = -1; // milliseconds after reaching the state; -1: stay open
};

Diagnostics parseDiagnostics(const QApplication &app)
{
    QCommandLineParser parser;
    const QCommandLineOption quit(QStringLiteral("quit-after-show"),
                                  QStringLiteral("Quit as soon as the main window is shown."));
    const QCommandLineOption shot(QStringLiteral("screenshot"),
                                  QStringLiteral("Save a picture of the main window and quit."),
                                  QStringLiteral("file"));
    const QCommandLineOption state(
        QStringLiteral("state"),
        QStringLiteral("Play into picking, running, answers, rolling or searching, or open "
                       "manual, settings-difficulty, settings-timing or about."),
        QStringLiteral("name"));
    const QCommandLineOption closeAfter(
        QStringLiteral("close-after"),
        QStringLiteral("Close the main window this long after reaching --state (the roll or the "
                       "search of rolling and searching has just begun), as its close box "
                       "would, and say what the game was doing."),
        QStringLiteral("milliseconds"));
    parser.addOption(quit);
    parser.addOption(shot);
    parser.addOption(state);
    parser.addOption(closeAfter);
    parser.addHelpOption();
    parser.process(app);
    bool ok = false;
    const int closeMs = parser.value(closeAfter).toInt(&ok);
    return {parser.isSet(quit), parser.value(shot), parser.value(state), ok ? closeMs : -1};
}

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

// The program's icon for every window's frame and the task bar, in the sizes
// compiled into the resources.
QIcon windowIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 256})
        icon.addFile(QStringLiteral(":/icons/tallyfold-%1.png").arg(size), QSize(size, size));
    return icon;
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

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Vantor"));
    QApplication::setApplicationName(QStringLiteral("Tallyfold"));
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));
    // Matches the installed desktop entry, so a Wayland compositor can pair
    // the window with its entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.tallyfold.Tallyfold"));
    QApplication::setWindowIcon(windowIcon());
    const Diagnostics diagnostics = parseDiagnostics(app);
    platform::registerFontSubstitutions();

    GLOBALbas::LoadSettings();

    const QPointer<GameFrm> window = createGameWindow();
    showGameWindow(*window);

    if (!diagnostics.screenshot.isEmpty() || !diagnostics.state.isEmpty() ||
        diagnostics.closeAfter >= 0) {
        // Give the display server time to map and draw the window first,
        // both before playing into the state and before the picture.
        QTimer::singleShot(300, window, [window, d = diagnostics] {
            QWidget *subject = window;
            if (!d.state.isEmpty()) {
                subject = stageWindow(*window, d.state);
                if (!subject) {
                    qWarning("unknown state %s", qPrintable(d.state));
                    subject = window;
                }
            }
            if (!window)
                return;
            if (d.closeAfter >= 0)
                QTimer::singleShot(d.closeAfter, window, [window] { closeReporting(*window); });
            if (d.screenshot.isEmpty())
                return;
            QTimer::singleShot(300, window,
                               [window, subject = QPointer<QWidget>(subject), file = d.screenshot] {
                                   saveScreenshot(subject ? subject.get() : window.get(), file);
                                   window->close();
                               });
        });
    } else if (diagnostics.quitAfterShow) {
        // Quit at the first turn of the event loop, once the window has
        // been painted in full.
        QTimer::singleShot(0, window, [window] {
            window->repaint();
            window->close();
        });
    }
    const int status = QApplication::exec();
    // A window closed in the middle of a roll or a search is deleted once
    // they have returned, which may be after the event loop has ended.
    delete window;
    return status;
}
