// The game's command line as a player's shell meets it: an unknown option is
// a usage error told in one line, whether or not there is a display, and the
// toolkit's own options still pass.

#include <QProcess>
#include <QProcessEnvironment>
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
    QTest::addColumn<bool>("display"); // the offscreen platform, else none at all
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("error"); // the one line on standard error, if any

    const QString unknown = QStringLiteral("tallyfold: Unknown option 'bogus'. (see --help)\n");
    QTest::newRow("unknown, no display") << QStringList{"--bogus"} << false << 2 << unknown;
    QTest::newRow("unknown, display") << QStringList{"--bogus"} << true << 2 << unknown;
    QTest::newRow("unknown, single dash") << QStringList{"-bogus"} << true << 2 << unknown;
    QTest::newRow("version, no display") << QStringList{"--version"} << false << 0 << QString();
    QTest::newRow("the toolkit's options")
        << QStringList{"-platform", "offscreen", "-reverse", "--quit-after-show"} << true << 0
        << QString();
}

void TestCommandLine::options()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, display);
    QFETCH(int, status);
    QFETCH(QString, error);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    if (display)
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess game;
    game.setProcessEnvironment(env);
    game.start(QStringLiteral(TALLYFOLD_GAME_PATH), arguments);
    QVERIFY(game.waitForFinished(30000));
    QCOMPARE(game.exitStatus(), QProcess::NormalExit);
    QCOMPARE(game.exitCode(), status);
    if (!error.isEmpty())
        QCOMPARE(QString::fromLocal8Bit(game.readAllStandardError()), error);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
