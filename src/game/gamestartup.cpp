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

} // namespace

int runGame(int &argc, char **argv, const StartupExtras &extras)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Vantor"));
    QApplication::setApplicationName(QStringLiteral("Tallyfold"));
    QApplication::setApplicationVersion(QStringLiteral(TALLYFOLD_VERSION));
    // Matches the installed desktop entry, so a Wayland compositor can pair
    // the window with its entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.tallyfold.Tallyfold"));
    QApplication::setWindowIcon(windowIcon());

    QCommandLineParser parser;
    // For measuring the start-up from scripts (tools/measure-startup): it
    // changes nothing the player sees, only when the program quits.
    const QCommandLineOption quitAfterShow(
        QStringLiteral("quit-after-show"),
        QStringLiteral("Quit as soon as the main window is shown and painted."));
    parser.addOption(quitAfterShow);
    if (extras.addOptions)
        extras.addOptions(parser);
    parser.addHelpOption();
    parser.addVersionOption();
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
