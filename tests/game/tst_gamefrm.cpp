// The main window's shell: caption, menu, clock settings, the music it loads,
// and closing (which stops the music and lets go of the window).

#include "gamefrm.h"
#include "gamestartup.h"
#include "gamewindowholder.h"
#include "globalbas.h"
#include "pulseserver.h"
#include "regbas.h"
#include "settingssandbox.h"
#include "settingsstore.h"
#include "soundplayer.h"
#include "wavimage.h"

#include <QAction>
#include <QIcon>
#include <QImage>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <optional>

class TestGameFrm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void captionAndMenu();
    void loadTakesClockPeriodAndMusic();
    void getSettingsReadsTheSecondsSwitch();
    void exitClosesAndReleasesTheWindow();
    void closingStopsTheMusic();
    void windowIconIsTheInstalledIcon();
    void musicPlaysOverTheLastThirtyTicks_data();
    void musicPlaysOverTheLastThirtyTicks();

private:
    PulseServer m_server;
    bool m_serverUp = false;
    std::optional<SettingsSandbox> m_settings;
};

void TestGameFrm::initTestCase()
{
    // Before any window exists: the audio system looks for a server once.
    m_serverUp = m_server.start();
}

void TestGameFrm::init()
{
    m_settings.emplace(SettingsSandbox::Values::Loaded);
}

void TestGameFrm::cleanup()
{
    m_settings.reset();
}

void TestGameFrm::captionAndMenu()
{
    GameWindowHolder holder;
    GameFrm &window = *holder;
    QCOMPARE(window.windowTitle(), QStringLiteral("The Numbers Game"));

    // Four commands straight on the menu bar, in this order, none a drop-down.
    const QList<QAction *> actions = window.menuBar()->actions();
    QStringList captions;
    for (QAction *a : actions) {
        captions << a->text();
        QVERIFY(!a->menu());
    }
    QCOMPARE(captions, (QStringList{"E&xit", "&Setting", "&Manual setup", "&About"}));
    QCOMPARE(actions.value(0), window.controls().mnuExit);
    QCOMPARE(actions.value(1), window.controls().mnuSettings);
    QCOMPARE(actions.value(2), window.controls().mnuSetup);
    QCOMPARE(actions.value(3), window.controls().mnuAbout);
}

void TestGameFrm::loadTakesClockPeriodAndMusic()
{
    GameSettings settings;
    settings.timerInterval = 1234;
    GameWindowHolder holder(settings);
    GameFrm &window = *holder;
    QCOMPARE(window.controls().Timer1->interval(), 1234);
    QVERIFY(!window.controls().Timer1->isActive()); // the clock waits for a game
    QCOMPARE(window.ElapsedSeconds(), qint16(0));

    // The music is in memory, whole, and about half a minute long.
    const platform::WavImage music = platform::WavImage::parse(window.controls().SoundData);
    QVERIFY(music.isValid());
    QVERIFY(qAbs(music.durationUs() - 30'500'000) < 300'000);
}

void TestGameFrm::getSettingsReadsTheSecondsSwitch()
{
    GameWindowHolder holder;
    GameFrm &window = *holder;
    QVERIFY(!window.showSeconds()); // nothing stored
    REGbas::StoreSetting(REGbas::HkeyCurrentUser, GLOBALbas::SettingsKeyPath, "ShowSeconds", 1,
                         REGbas::RegDword);
    window.GetSettings();
    QVERIFY(window.showSeconds());
    REGbas::StoreSetting(REGbas::HkeyCurrentUser, GLOBALbas::SettingsKeyPath, "ShowSeconds", 0,
                         REGbas::RegDword);
    window.GetSettings();
    QVERIFY(!window.showSeconds());
}

void TestGameFrm::exitClosesAndReleasesTheWindow()
{
    QPointer<GameFrm> window = createGameWindow();
    showGameWindow(*window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->controls().mnuExit->trigger();
    QVERIFY(!window->isVisible());
    QTRY_VERIFY(window.isNull()); // deleted: nothing outlives the closed window
}

void TestGameFrm::closingStopsTheMusic()
{
    if (!m_serverUp)
        QSKIP(qPrintable("no PulseAudio server could be started here: " + m_server.problem()));
    GameWindowHolder holder;
    GameFrm &window = *holder;
    showGameWindow(window);
    QVERIFY(window.sound().play(window.controls().SoundData));
    QTRY_COMPARE_WITH_TIMEOUT(PulseServer::sinkInputCount(), 1, 5000);

    // The window object lives on after the close: the music stops because
    // the window closed, not because its player went away.
    window.controls().mnuExit->trigger();
    QVERIFY(!window.isVisible());
    QVERIFY(!window.sound().isPlaying());
    QTRY_COMPARE_WITH_TIMEOUT(PulseServer::sinkInputCount(), 0, 5000);
}

void TestGameFrm::musicPlaysOverTheLastThirtyTicks_data()
{
    QTest::addColumn<int>("timeAllowed");
    QTest::addColumn<bool>("muted");
    QTest::addColumn<int>("firstTickWithMusic"); // 0: never
    QTest::newRow("30 ticks") << 30 << false << 1;
    QTest::newRow("60 ticks") << 60 << false << 31;
    QTest::newRow("muted") << 30 << true << 0;
}

void TestGameFrm::musicPlaysOverTheLastThirtyTicks()
{
    QFETCH(int, timeAllowed);
    QFETCH(bool, muted);
    QFETCH(int, firstTickWithMusic);
    if (!m_serverUp)
        QSKIP(qPrintable("no PulseAudio server could be started here: " + m_server.problem()));
    GameSettings settings;
    settings.timeAllowed = qint16(timeAllowed);
    settings.noSounds = muted;
    settings.timerInterval = 10;
    GameWindowHolder holder(settings);
    GameFrm &window = *holder;
    showGameWindow(window);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (int i = 0; i < 6; ++i)
        window.btnPick_Click(qint16(i));

    // Whether the music plays, seen right after each tick; the game button
    // is clicked ("STOP") five ticks after the music should have started.
    QList<bool> playing;
    connect(window.controls().Timer1, &QTimer::timeout, &window, [&] {
        playing << window.sound().isPlaying();
        if (playing.size() == std::max(firstTickWithMusic, 1) + 5)
            window.Command1_Click();
    });
    window.Command1_Click();
    QTRY_COMPARE_WITH_TIMEOUT(window.controls().Command1->text(), QStringLiteral("PLAY AGAIN"),
                              5000);
    for (int tick = 1; tick <= playing.size(); ++tick)
        QCOMPARE(playing.at(tick - 1), firstTickWithMusic != 0 && tick >= firstTickWithMusic);
    // "STOP" purged it.
    QVERIFY(!window.sound().isPlaying());
    QTRY_COMPARE_WITH_TIMEOUT(PulseServer::sinkInputCount(), 0, 5000);
}

void TestGameFrm::windowIconIsTheInstalledIcon()
{
    // The window's icon is kept as bare pixels: each size must be the very
    // picture the icon theme gets, not one with its bytes read another way.
    const QIcon icon = gameWindowIcon();
    for (const int size : {16, 32, 48, 256}) {
        const QImage installed(
            QStringLiteral(TALLYFOLD_ICON_DIR "/%1/tallyfold.png").arg(size));
        QVERIFY2(!installed.isNull(), qPrintable(QString::number(size)));
        QCOMPARE(icon.pixmap(QSize(size, size), 1.0).toImage().convertToFormat(QImage::Format_ARGB32),
                 installed.convertToFormat(QImage::Format_ARGB32));
    }
}

QTEST_MAIN(TestGameFrm)
#include "tst_gamefrm.moc"
