#include "gamestartup.h"

#include "fonts.h"
#include "gamefrm.h"
#include "gamewindow.h"
#include "globalbas.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QPointer>
#include <QTimer>

namespace {

// The program's icon for every window's frame and the task bar, in the sizes
// compiled into the resources.
QIcon windowIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 256})
        icon.addFile(QStringLiteral(":/icons/tallyfold-%1.png").arg(size), QSize(size, size));
    return icon;
}

// The names the settings, --version and the window system know the program by.
void nameTheApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Vantor"));
    QCoreApplication::setApplicationName(QStringLiteral("Tallyfold"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TALLYFOLD_VERSION));
}

// The command line's options: the game's own, then the tool's.
void addOptions(QCommandLineParser &parser, const QCommandLineOption &quitAfterShow,
                const StartupExtras &extras)
{
    parser.addOption(quitAfterShow);
    if (extras.addOptions)
        extras.addOptions(parser);
    parser.addHelpOption();
    parser.addVersionOption();
}

// --help and --version answer without a display, where the window system
// could not even be reached.
bool asksOnlyForText(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "-h" || arg == "--help" || arg == "-v" || arg == "--version")
            return true;
    }
    return false;
}

} // namespace

int runGame(int &argc, char **argv, const StartupExtras &extras)
{
    // For measuring the start-up from scripts (tools/measure-startup): it
    // changes nothing the player sees, only when the program quits.
    const QCommandLineOption quitAfterShow(
        QStringLiteral("quit-after-show"),
        QStringLiteral("Quit as soon as the main window is shown and painted."));
    if (asksOnlyForText(argc, argv)) {
        QCoreApplication app(argc, argv);
        nameTheApplication();
        QCommandLineParser parser;
        addOptions(parser, quitAfterShow, extras);
        parser.process(app); // prints and exits
        return 0;
    }

    QApplication app(argc, argv);
    nameTheApplication();
    // Matches the installed desktop entry, so a Wayland compositor can pair
    // the window with its entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.tallyfold.Tallyfold"));
    QApplication::setWindowIcon(windowIcon());

    QCommandLineParser parser;
    addOptions(parser, quitAfterShow, extras);
    parser.process(app);

    platform::registerFontSubstitutions();
    GLOBALbas::LoadSettings();

    const QPointer<GameFrm> window = createGameWindow();
    showGameWindow(*window);

    if (parser.isSet(quitAfterShow)) {
        // Quit at the first turn of the event loop, once the window has been
        // painted in full.
        QTimer::singleShot(0, window, [window] {
            window->repaint();
            window->close();
        });
    } else if (extras.whenShown) {
        extras.whenShown(*window, parser);
    }
    const int status = QApplication::exec();
    // A window closed in the middle of a roll or a search is deleted once
    // they have returned, which may be after the event loop has ended.
    delete window;
    return status;
}
