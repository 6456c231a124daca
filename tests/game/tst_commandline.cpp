// The game's command line as a shell meets it: an unknown option is a usage
// error told in one line, with or without a display; the toolkit's own
// options still pass; the help and the version answer without a display, and
// the help leaves out the option meant for scripts alone. Where no console
// can show the help, a message box shows it stacked.

#include "commandlinetext.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

// The game's standard output, its lines ended as on Linux.
QString runGame(const QStringList &arguments, const QString &platform, QProcess &game)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    if (!platform.isEmpty())
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    game.setProcessEnvironment(env);
    game.start(QStringLiteral(TALLYFOLD_GAME_PATH), arguments);
    if (!game.waitForFinished(30000))
        return QStringLiteral("(the game did not end)");
    QString output = QString::fromLocal8Bit(game.readAllStandardOutput());
    return output.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void options_data();
    void options();
    void helpInAMessageBox();
};

void TestCommandLine::options_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("platform"); // empty: no display at all
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("shows"); // a part of the standard output
    const QString offscreen = QStringLiteral("offscreen");
    QTest::newRow("unknown, no display") << QStringList{"--bogus"} << QString() << 2 << QString();
    QTest::newRow("unknown, single dash") << QStringList{"-bogus"} << offscreen << 2 << QString();
    QTest::newRow("version, no display")
        << QStringList{"--version"} << QString() << 0 << "Tallyfold " TALLYFOLD_VERSION "\n";
    QTest::newRow("help, no display") << QStringList{"--help"} << QString() << 0 << "--help-all";
    QTest::newRow("help-all, no display")
        << QStringList{"--help-all"} << QString() << 0 << "--platform";
    QTest::newRow("help-all on a display")
        << QStringList{"--help-all"} << offscreen << 0 << "--platform";
    QTest::newRow("the toolkit's options")
        << QStringList{"-platform", "offscreen", "-reverse", "--quit-after-show"} << offscreen << 0
        << QString();
}

void TestCommandLine::options()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, platform);
    QFETCH(int, status);
    QFETCH(QString, shows);
    QProcess game;
    const QString output = runGame(arguments, platform, game);
    QCOMPARE(game.exitStatus(), QProcess::NormalExit);
    QCOMPARE(game.exitCode(), status);
    QVERIFY2(output.contains(shows), qPrintable(output));
    QVERIFY(!output.contains(QStringLiteral("quit-after-show")));
    if (arguments == QStringList{QStringLiteral("--help")}) {
#ifdef Q_OS_WIN
        // The command as typed, not the whole path Windows passes on.
        const QString usage = QStringLiteral("Usage: tallyfold [options]\n");
#else
        const QString usage = QStringLiteral("Usage: " TALLYFOLD_GAME_PATH " [options]\n");
#endif
        QVERIFY2(output.startsWith(usage), qPrintable(output));
    }
    if (status == 2) {
        QString error = QString::fromLocal8Bit(game.readAllStandardError());
        error.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); // as Windows ends lines
        QCOMPARE(error, QStringLiteral("tallyfold: Unknown option 'bogus'. (see --help)\n"));
    }
}

// The game's own help, and a description wrapped onto a second line.
void TestCommandLine::helpInAMessageBox()
{
    QProcess game;
    const QString help =
        runGame({QStringLiteral("--help")}, QString(), game) +
        QStringLiteral("  --long       A description long enough\n               to go on below.\n");
    const QString box = platform::stackedColumns(help);
    // "-?, -h, --help" on Windows.
    QVERIFY2(box.contains(QStringLiteral("-h, --help\n      Displays help on commandline options.\n")),
             qPrintable(box));
    QVERIFY2(box.contains(QStringLiteral("\n--long\n      A description long enough to go on below.\n")),
             qPrintable(box));
    QVERIFY(box.startsWith(QStringLiteral("Usage: ")));
    // Nothing left in two columns.
    QVERIFY2(!box.contains(QRegularExpression(QStringLiteral("\\S {2,}\\S"))), qPrintable(box));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
