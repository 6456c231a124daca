// The game's command line as a shell meets it: an unknown option is a usage
// error told in one line, with or without a display; the toolkit's own
// options still pass; the help and the version answer without a display, and
// the help leaves out the option meant for scripts alone.

#include <QProcess>
#include <QTest>

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void options_data();
    void options();
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
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    if (!platform.isEmpty())
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    QProcess game;
    game.setProcessEnvironment(env);
    game.start(QStringLiteral(TALLYFOLD_GAME_PATH), arguments);
    QVERIFY(game.waitForFinished(30000));
    QCOMPARE(game.exitStatus(), QProcess::NormalExit);
    QCOMPARE(game.exitCode(), status);
    QString output = QString::fromLocal8Bit(game.readAllStandardOutput());
    output.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); // as Windows ends lines
    QVERIFY2(output.contains(shows), qPrintable(output));
    QVERIFY(!output.contains(QStringLiteral("quit-after-show")));
    if (status == 2) {
        QString error = QString::fromLocal8Bit(game.readAllStandardError());
        error.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); // as Windows ends lines
        QCOMPARE(error, QStringLiteral("tallyfold: Unknown option 'bogus'. (see --help)\n"));
    }
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
