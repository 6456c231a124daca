#include "pulseserver.h"
#include "soundplayer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <numbers>

using platform::SoundPlayer;

namespace {

// play() must hand the sound over and come back within this; a player that
// waits for the audio system would take far longer on a failing server.
constexpr qint64 PromptMs = 1500;

// A sine tone as a 16-bit PCM image.
QByteArray toneImage(double seconds, int rate = 22050, int channels = 1, double hz = 440.0)
{
    const int frames = int(seconds * rate);
    const quint32 dataBytes = quint32(frames * channels * 2);
    QByteArray image(int(44 + dataBytes), '\0');
    char *p = image.data();
    std::memcpy(p, "RIFF", 4);
    qToLittleEndian<quint32>(36 + dataBytes, p + 4);
    std::memcpy(p + 8, "WAVEfmt ", 8);
    qToLittleEndian<quint32>(16, p + 16);
    qToLittleEndian<quint16>(1, p + 20);
    qToLittleEndian<quint16>(quint16(channels), p + 22);
    qToLittleEndian<quint32>(quint32(rate), p + 24);
    qToLittleEndian<quint32>(quint32(rate * channels * 2), p + 28);
    qToLittleEndian<quint16>(quint16(channels * 2), p + 32);
    qToLittleEndian<quint16>(16, p + 34);
    std::memcpy(p + 36, "data", 4);
    qToLittleEndian<quint32>(dataBytes, p + 40);
    for (int f = 0; f < frames; ++f) {
        const auto v = qint16(8000 * std::sin(2 * std::numbers::pi * hz * f / rate));
        for (int c = 0; c < channels; ++c)
            qToLittleEndian<qint16>(v, p + 44 + (f * channels + c) * 2);
    }
    return image;
}

// The half of noServerIsSilent that runs in a child process, so that the
// audio system there has never seen a server. Returns an exit code.
int runWithoutServer()
{
    const QByteArray tone = toneImage(2.0);
    SoundPlayer player;
    QElapsedTimer timer;
    timer.start();
    const bool started = player.play(tone);
    const qint64 playMs = timer.elapsed();
    const bool playingAfterPlay = player.isPlaying();
    player.purge();
    const bool playingAfterPurge = player.isPlaying();
    // Whatever the audio system does later must not bring the sound back
    // or crash.
    QTest::qWait(300);
    const qint64 totalMs = timer.elapsed();
    std::printf("started=%d playing=%d afterPurge=%d playMs=%lld totalMs=%lld\n", int(started),
                int(playingAfterPlay), int(playingAfterPurge), playMs, totalMs);
    const bool ok = !started && !playingAfterPlay && !playingAfterPurge && !player.isPlaying() &&
                    playMs < PromptMs;
    return ok ? 0 : 1;
}

bool audioLibrariesLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6Multimedia");
}

// The half of loadsTheOutputWhenFirstNeeded that runs in a child process, so
// that nothing has loaded the audio output yet. Prints what went wrong and
// returns an exit code.
int runLoadingOnDemand()
{
    const QByteArray tone = toneImage(2.0);
    const auto fail = [](const char *what) {
        std::printf("%s\n", what);
        return 1;
    };
    SoundPlayer player;
    if (audioLibrariesLoaded())
        return fail("the audio libraries were loaded with the program");
    // Asked for while the output loads, then purged before it is there: it
    // must not start once the output comes.
    if (!player.play(tone) || !player.isPlaying() || player.isOutputReady())
        return fail("a sound asked for while the output loads was refused");
    player.purge();
    if (player.isPlaying())
        return fail("purged while the output loads, still playing");
    if (!QTest::qWaitFor([&] { return player.isOutputReady(); }, 10000))
        return fail("the output never loaded");
    if (!audioLibrariesLoaded())
        return fail("ready without the audio libraries");
    QTest::qWait(300);
    if (player.isPlaying() || PulseServer::sinkInputCount() != 0)
        return fail("the purged sound played once the output came");
    // Loaded, a sound starts at once.
    if (!player.play(tone) || !QTest::qWaitFor([] { return PulseServer::sinkInputCount() == 1; }, 5000))
        return fail("no sound once the output was loaded");
    player.purge();
    QTest::qWaitFor([] { return PulseServer::sinkInputCount() == 0; }, 5000);

    // A sound asked for while the output loads starts when it is there.
    SoundPlayer second;
    if (!second.play(tone) ||
        !QTest::qWaitFor([&] { return second.processedUs() > 100000; }, 5000))
        return fail("a sound asked for while the output loads never played");
    // Stopped, and the server's streams gone, before the program ends, as
    // the game does: the sound server's client library can abort when a
    // program ends with a stream just opened.
    second.purge();
    QTest::qWaitFor([] { return PulseServer::sinkInputCount() == 0; }, 5000);
    return 0;
}

} // namespace

class TestSoundPlayer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void noServerIsSilent();
    void malformedImageIsSilent();
    void loadsTheOutputWhenFirstNeeded();
    void playsAsynchronouslyAndPurges();
    void playsToTheEndAndFinishes();
    void replacesThePlayingSound();
    void playsTheGameMusic();
    void destroyingThePlayerStopsTheSound();
    void serverThatDiesIsSilent();

private:
    void requireServer();
    // Runs this test program with `mode` and checks that it exits with 0.
    void runChild(const QString &mode, const QProcessEnvironment &env);

    QByteArray m_childErrors;

    PulseServer m_server;
    bool m_serverUp = false;
};

void TestSoundPlayer::initTestCase()
{
    // The server must answer before the audio system is first touched in
    // this process: it looks for a server once and only retries later.
    m_serverUp = m_server.start();
    if (!m_serverUp)
        qWarning("No sound server: %s", qPrintable(m_server.problem()));
}

void TestSoundPlayer::cleanupTestCase()
{
    m_server.stop();
}

void TestSoundPlayer::requireServer()
{
    if (!m_serverUp)
        QSKIP(qPrintable(QStringLiteral("no PulseAudio server could be started here (%1)")
                             .arg(m_server.problem())));
    QVERIFY2(m_server.isRunning(), "the sound server died");
}

void TestSoundPlayer::noServerIsSilent()
{
#ifdef Q_OS_WIN
    QSKIP("a machine without any audio output is staged through PulseAudio, not on Windows");
#endif
    // A private runtime folder with no server in it, a server address that
    // leads nowhere and no automatic start of one: the audio system finds
    // nothing at all.
    QTemporaryDir runtime;
    QVERIFY(runtime.isValid());
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString clientConfig = runtime.filePath(QStringLiteral("client.conf"));
    {
        QFile config(clientConfig);
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write("autospawn = no\n");
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    env.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + runtime.filePath("none"));
    env.insert(QStringLiteral("PULSE_CLIENTCONFIG"), clientConfig);

    runChild(QStringLiteral("--without-server"), env);
    if (QTest::currentTestFailed())
        return;
    // Silent on the console too: no sound server is nothing to report.
    QCOMPARE(m_childErrors, QByteArray());
}

void TestSoundPlayer::runChild(const QString &mode, const QProcessEnvironment &env)
{
    QProcess child;
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {mode});
    QVERIFY(child.waitForStarted(5000));
    const bool finished = child.waitForFinished(20000);
    if (!finished) {
        child.kill();
        child.waitForFinished(2000);
    }
    const QByteArray report = child.readAllStandardOutput().trimmed();
    QVERIFY2(finished, "the player hung");
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QVERIFY2(child.exitCode() == 0, report.constData());
    m_childErrors = child.readAllStandardError();
}

void TestSoundPlayer::loadsTheOutputWhenFirstNeeded()
{
    requireServer();
    if (!SoundPlayer::outputIsAModule())
        QSKIP("this build carries the audio output inside the program");
#ifndef Q_OS_LINUX
    QSKIP("the libraries a process has loaded are read from /proc");
#endif
    runChild(QStringLiteral("--loading-on-demand"), QProcessEnvironment::systemEnvironment());
}

void TestSoundPlayer::malformedImageIsSilent()
{
    requireServer();
    SoundPlayer player;
    QByteArray mp3 = toneImage(0.5);
    mp3[20] = 0x55; // the format tag: MPEG Layer-3
    for (const QByteArray &image :
         {QByteArray(), QByteArray("RIFF\xff\xff\xff\xff", 8), mp3, toneImage(1.0).left(44)}) {
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!player.play(image));
        QVERIFY(timer.elapsed() < PromptMs);
        QVERIFY(!player.isPlaying());
    }
    // A bad image still replaces what was playing: the old sound stops.
    QVERIFY(player.play(toneImage(3.0)));
    QTRY_COMPARE_WITH_TIMEOUT(PulseServer::sinkInputCount(), 1, 5000);
    QVERIFY(!player.play(mp3));
    QVERIFY(!player.isPlaying());
    QTRY_COMPARE_WITH_TIMEOUT(PulseServer::sinkInputCount(), 0, 5000);
}

void TestSoundPlayer::playsAsynchronouslyAndPurges()
{
    requireServer();
    SoundPlayer player;
    QSignalSpy finished(&player, &SoundPlayer::finished);
    const QByteArray tone = toneImage(4.0);

    QElapsedTimer timer;
    timer.start();
    QVERIFY(player.play(tone));
    QVERIFY2(timer.elapsed() < PromptMs, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(player.isPlaying());

    // The server plays it while this event loop runs.
    QTRY_COMPARE_WITH_TIMEOUT(PulseServer::sinkInputCount(), 1, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(PulseServer::dummySinkState(), QStringLiteral("RUNNING"), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(player.processedUs() > 300000, 5000);
    QCOMPARE(player.outputState(), platform::SoundState::Active);
    QVERIFY(player.processedUs() < 4000000);

    timer.restart();
    player.purge();
    QVERIFY(timer.elapsed() < PromptMs);
    QVERIFY(!player.isPlaying());
    QCOMPARE(player.processedUs(), 0);
    QCOMPARE(player.outputState(), platform::SoundState::Stopped);
    QTRY_COMPARE_WITH_TIMEOUT(PulseServer::sinkInputCount(), 0, 5000);
    // A purge is not an ending, and nothing comes back afterwards.
    QTest::qWait(500);
    QCOMPARE(finished.count(), 0);
    QVERIFY(!player.isPlaying());

    // Purging an idle player is harmless.
    player.purge();
    QVERIFY(!player.isPlaying());
}

void TestSoundPlayer::playsToTheEndAndFinishes()
{
    requireServer();
    SoundPlayer player;
    QSignalSpy finished(&player, &SoundPlayer::finished);
    QElapsedTimer timer;
    timer.start();
    QVERIFY(player.play(toneImage(1.0, 44100, 2)));
    QVERIFY(finished.wait(8000));
    // The null sink takes samples in real time: a sound that ends early
    // was cut, not played.
    QVERIFY2(timer.elapsed() >= 950, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(finished.count(), 1);
    QVERIFY(!player.isPlaying());
    QTRY_COMPARE_WITH_TIMEOUT(PulseServer::sinkInputCount(), 0, 5000);
}

void TestSoundPlayer::replacesThePlayingSound()
{
    requireServer();
    SoundPlayer player;
    QSignalSpy finished(&player, &SoundPlayer::finished);
    QVERIFY(player.play(toneImage(4.0, 22050, 1, 440.0)));
    QTRY_VERIFY_WITH_TIMEOUT(player.processedUs() > 500000, 5000);

    QElapsedTimer timer;
    timer.start();
    QVERIFY(player.play(toneImage(1.5, 8000, 1, 660.0)));
    QVERIFY(timer.elapsed() < PromptMs);
    QVERIFY(player.isPlaying());
    QVERIFY2(player.processedUs() < 500000, "still reporting the first sound");

    // One sound at a time: the first stream is gone, the second plays out.
    QTRY_COMPARE_WITH_TIMEOUT(PulseServer::sinkInputCount(), 1, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(player.processedUs() > 200000, 5000);
    QVERIFY(finished.wait(8000));
    QCOMPARE(finished.count(), 1);
    QVERIFY(!player.isPlaying());
    QTRY_COMPARE_WITH_TIMEOUT(PulseServer::sinkInputCount(), 0, 5000);
}

void TestSoundPlayer::playsTheGameMusic()
{
    requireServer();
    QFile file(QStringLiteral(":/sounds/Count30.wav"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray music = file.readAll();

    SoundPlayer player;
    QVERIFY(player.play(music));
    QTRY_VERIFY_WITH_TIMEOUT(player.processedUs() > 1000000, 5000);
    QCOMPARE(PulseServer::sinkInputCount(), 1);
    player.purge();
    QTRY_COMPARE_WITH_TIMEOUT(PulseServer::sinkInputCount(), 0, 5000);
}

void TestSoundPlayer::destroyingThePlayerStopsTheSound()
{
    requireServer();
    auto *player = new SoundPlayer;
    QVERIFY(player->play(toneImage(4.0)));
    QTRY_COMPARE_WITH_TIMEOUT(PulseServer::sinkInputCount(), 1, 5000);
    delete player;
    QTRY_COMPARE_WITH_TIMEOUT(PulseServer::sinkInputCount(), 0, 5000);
    // Late news from the audio system about the dead player must go nowhere.
    QTest::qWait(300);
}

void TestSoundPlayer::serverThatDiesIsSilent()
{
    // Last, since it takes the server away.
    requireServer();
    SoundPlayer player;
    QVERIFY(player.play(toneImage(2.0)));
    QTRY_VERIFY_WITH_TIMEOUT(player.processedUs() > 200000, 5000);

    QVERIFY(m_server.kill());

    // The player notices, or its watchdog gives up after the sound's length.
    QTRY_VERIFY_WITH_TIMEOUT(!player.isPlaying(), 15000);
    QElapsedTimer timer;
    timer.start();
    player.play(toneImage(1.0));
    player.purge();
    QVERIFY(timer.elapsed() < PromptMs);
    QVERIFY(!player.isPlaying());
}

int main(int argc, char **argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--without-server") == 0) {
        QCoreApplication app(argc, argv);
        return runWithoutServer();
    }
    if (argc == 2 && std::strcmp(argv[1], "--loading-on-demand") == 0) {
        QCoreApplication app(argc, argv);
        return runLoadingOnDemand();
    }
    // Run outside the test launcher, keep any server this test starts away
    // from the user's own runtime folder.
    QTemporaryDir privateRuntime;
    if (qEnvironmentVariableIsEmpty("TALLYFOLD_TEST_SCRATCH")) {
        qputenv("XDG_RUNTIME_DIR", privateRuntime.path().toLocal8Bit());
        qunsetenv("PULSE_SERVER");
    }
    QCoreApplication app(argc, argv);
    TestSoundPlayer test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_soundplayer.moc"
