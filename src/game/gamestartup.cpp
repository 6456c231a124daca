#include "gamestartup.h"

#include "commandlinetext.h"
#include "fonts.h"
#include "gamefrm.h"
#include "gamewindow.h"
#include "globalbas.h"
#include "translationchoice.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QResource>
#include <QTimer>

#include <optional>
#include <vector>

namespace {

constexpr int UsageError = 2;

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
    // -platform and the toolkit's other options are single-dash words.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
}

// The toolkit's own options, which QApplication takes off the command line
// itself: known here so that they are no unknown options before it has.
void addToolkitOptions(QCommandLineParser &parser)
{
    const auto add = [&parser](const QStringList &names, const QString &valueName) {
        QCommandLineOption option(names, QString(), valueName);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    };
    const QString value = QStringLiteral("value");
    for (const char *name :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "qmljsdebugger",
          "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "display", "geometry",
          "style", "stylesheet", "name", "title", "visual"})
        add({QString::fromLatin1(name)}, value);
    for (const char *name : {"reverse", "widgetcount", "nograb", "dograb", "sync"})
        add({QString::fromLatin1(name)}, QString());
}

// An unknown option or a missing value is a usage error, told in one line
// before anything needs a display. Returns the exit status, or nothing to go on.
std::optional<int> refuseBadOptions(const QString &program, QCommandLineParser &parser, int argc,
                                    char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (parser.parse(arguments))
        return std::nullopt;
    platform::tellCommandLine(
        QStringLiteral("%1: %2 (see --help)\n").arg(program, parser.errorText()),
        platform::CommandLineText::UsageError);
    return UsageError;
}

// --help-all lists the toolkit's options too, which only a QApplication adds
// to the help. Where the window system needs a display (X11, Wayland), that
// application is made on the windowless platform instead, so that the help
// is printed where no display could be reached; the platform changes nothing
// in the text. Prints the help and exits.
void printHelpAll(const char *program, const QCommandLineOption &quitAfterShow,
                  const StartupExtras &extras)
{
    QByteArrayList words{program};
#ifndef Q_OS_WIN
    words << "-platform"
          << "offscreen";
#endif
    words << "--help-all";
    std::vector<char *> arguments;
    for (QByteArray &word : words)
        arguments.push_back(word.data());
    arguments.push_back(nullptr);
    int count = static_cast<int>(words.size());
    QApplication app(count, arguments.data());
    nameTheApplication();
    QCommandLineParser parser;
    addOptions(parser, quitAfterShow, extras);
    parser.process(app);
}

} // namespace

// In the sizes compiled into the resources as bare pixels (see tools/logogen):
// a picture file would make Qt look through its image format plugins first,
// a tenth of the start-up.
QIcon gameWindowIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 256}) {
        const QResource pixels(QStringLiteral(":/icons/tallyfold-%1.argb").arg(size));
        const QByteArray bytes = pixels.uncompressedData();
        if (bytes.size() != qsizetype(size) * size * 4)
            continue;
        const QImage image(reinterpret_cast<const uchar *>(bytes.constData()), size, size, size * 4,
                           QImage::Format_ARGB32_Premultiplied);
        // A deep copy: a pixmap may keep sharing an image's pixels, and these
        // bytes go with this scope.
        icon.addPixmap(QPixmap::fromImage(image.copy()));
    }
    return icon;
}

int runGame(int &argc, char **argv, const StartupExtras &extras)
{
    // For measuring the start-up from scripts (tools/measure-startup): it
    // changes nothing the player sees, only when the program quits, so the
    // help leaves it out.
    QCommandLineOption quitAfterShow(
        QStringLiteral("quit-after-show"),
        QStringLiteral("Quit as soon as the main window is shown and painted."));
    quitAfterShow.setFlags(QCommandLineOption::HiddenFromHelp);
    // --help, --help-all and --version answer without a display, where the
    // window system could not even be reached. As the parser would, the
    // version wins over the help, and --help over --help-all.
    bool asksForText = false;
    bool asksForHelpAll = false;
    QString program = QFileInfo(QString::fromLocal8Bit(argv[0])).fileName();
#ifdef Q_OS_WIN
    if (program.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        program.chop(4); // the command's name, as typed
#endif
    {
        QCommandLineParser early;
        addOptions(early, quitAfterShow, extras);
        addToolkitOptions(early);
        if (const std::optional<int> status = refuseBadOptions(program, early, argc, argv))
            return *status;
        asksForText = early.isSet(QStringLiteral("version")) || early.isSet(QStringLiteral("help"));
        asksForHelpAll = early.isSet(QStringLiteral("help-all"));
    }
    if (!asksForText && asksForHelpAll) {
        printHelpAll(argv[0], quitAfterShow, extras);
        return 0;
    }
    if (asksForText) {
        QCoreApplication app(argc, argv);
        nameTheApplication();
        QCommandLineParser parser;
        addOptions(parser, quitAfterShow, extras);
        parser.parse(QCoreApplication::arguments()); // checked above
        if (parser.isSet(QStringLiteral("version"))) {
            platform::tellCommandLine(QCoreApplication::applicationName() + QLatin1Char(' ') +
                                          QCoreApplication::applicationVersion() +
                                          QLatin1Char('\n'),
                                      platform::CommandLineText::Answer);
        } else {
            QString help = parser.helpText();
#ifdef Q_OS_WIN
            // Windows hands the program its whole path, where the player
            // typed (or clicked) a bare name.
            const QString path = QCoreApplication::arguments().constFirst();
            const qsizetype at = help.indexOf(path);
            if (at >= 0 && at < help.indexOf(QLatin1Char('\n')))
                help.replace(at, path.size(), program);
#endif
            platform::tellCommandLine(help, platform::CommandLineText::Answer);
        }
        return 0;
    }

    QApplication app(argc, argv);
    nameTheApplication();
    // Before any window is made: every text is read in the player's language
    // as it is set.
    translationchoice::install(app);
    // Matches the installed desktop entry, so a Wayland compositor can pair
    // the window with its entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.tallyfold.Tallyfold"));
    QApplication::setWindowIcon(gameWindowIcon());

    QCommandLineParser parser;
    addOptions(parser, quitAfterShow, extras);
    parser.process(app);

    platform::registerFontSubstitutions();
    const QPointer<GameFrm> window = createGameWindow(GLOBALbas::LoadSettings());
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
