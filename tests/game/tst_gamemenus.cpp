// The main window's menu commands on the real window: each opens its window
// modally and centred, the window is gone once closed, and what the player
// does there reaches the game (a hand-set board searched, settings applied
// to the running clock and the store).

#include "aboutfrm.h"
#include "buttonex.h"
#include "gamefrm.h"
#include "gamewindowholder.h"
#include "globalbas.h"
#include "lighttab.h"
#include "manualfrm.h"
#include "messagebox.h"
#include "regbas.h"
#include "settingfrm.h"
#include "settingssandbox.h"
#include "settingsstore.h"
#include "shell.h"
#include "statsfrm.h"
#include "velcprog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

namespace {

qint32 storedNumber(const QString &name)
{
    REGbas::FetchSetting(REGbas::HkeyCurrentUser, GLOBALbas::SettingsKeyPath, name);
    return qint32(GLOBALbas::LastRegValue.toNumber().value_or(-1));
}

} // namespace

class TestGameMenus : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void everyMenuOpensItsWindowModallyAndCentred();
    void manualSetupIsSearchedOnTheMainWindow();
    void manualSetupReplacesARunningGame();
    void settingsReachTheRunningGameAndTheStore();
    void aboutLinkAndOk();
    void closingTheGameWithADialogOpen_data();
    void closingTheGameWithADialogOpen();

private:
    // In the manual setup window: 2 5 8 3 75 100 and the target 523, which
    // these numbers reach in 32 ways.
    static void chooseBoard(ManualFrm &manual);

    std::optional<SettingsSandbox> m_settings;
    GameSettings m_game;
    QStringList m_messages;
};

void TestGameMenus::init()
{
    m_settings.emplace(SettingsSandbox::Values::Loaded);
    m_game = GameSettings{};
    m_game.noSounds = true;
    m_messages.clear();
    platform::setMessageSinkForTesting(
        [this](const QString &text, const QString &) { m_messages << text; });
}

void TestGameMenus::cleanup()
{
    platform::setMessageSinkForTesting({});
    platform::setUrlOpenerForTesting({});
    m_settings.reset();
}

void TestGameMenus::chooseBoard(ManualFrm &manual)
{
    for (int label : {1, 4, 7, 12, 22, 23})
        click(manual.l1[label]);
    manual.Text1->setFocus();
    manual.Text1->selectAll();
    QTest::keyClicks(manual.Text1, QStringLiteral("523"));
}

void TestGameMenus::everyMenuOpensItsWindowModallyAndCentred()
{
    const auto window = GameWindowHolder::shown(m_game);
    QVERIFY(window);
    const QPoint screenCentre = window->screen()->geometry().center();
    struct Menu
    {
        QAction *action;
        const char *className;
    };
    for (const Menu &menu : {Menu{window->controls().mnuSettings, "SettingFrm"},
                             Menu{window->controls().mnuSetup, "ManualFrm"},
                             Menu{window->controls().mnuAbout, "AboutFrm"}}) {
        QPointer<QDialog> opened;
        whenOpen<QDialog>(window.get(), [&](QDialog &dialog) {
            opened = &dialog;
            QCOMPARE(dialog.metaObject()->className(), menu.className);
            QVERIFY(dialog.isModal());
            QCOMPARE(dialog.parentWidget(), window.get());
            const QPoint offset = dialog.frameGeometry().center() - screenCentre;
            // Centred before it was shown, when its frame's edges were not
            // known yet: off by no more than those.
            QVERIFY2(qAbs(offset.x()) <= 2 && qAbs(offset.y()) <= 2, menu.className);
            dialog.close();
        });
        menu.action->trigger();
        QVERIFY2(opened.isNull(), menu.className); // destroyed once closed
        // The keyboard is back with the main window, window manager or not.
        QVERIFY2(QTest::qWaitForWindowActive(window.get()), menu.className);
    }
    // Closing the manual setup without confirming changed nothing.
    QCOMPARE(visibleTiles(*window), 24);
    QVERIFY(window->controls().lbinst->isVisible());
    QCOMPARE(window->controls().Command1->text(), QStringLiteral("START"));
    QVERIFY(window->controls().lbTarget->text().isEmpty());
    QVERIFY(!window->controls().List1->isVisible());
}

void TestGameMenus::manualSetupIsSearchedOnTheMainWindow()
{
    const auto window = GameWindowHolder::shown(m_game);
    QVERIFY(window);
    window->btnPick_Click(0); // a game half picked is replaced
    window->controls().List1->addItem(QStringLiteral("an answer of the last game"));

    bool confirmed = false;
    whenOpen<ManualFrm>(window.get(), [&](ManualFrm &manual) {
        chooseBoard(manual);
        click(manual.Command1);
        confirmed = manual.result() == QDialog::Accepted;
    });
    window->controls().mnuSetup->trigger(); // returns when the window has closed
    QVERIFY(QTest::qWaitFor([&] { return !window->flow().isBusy(); }, 30000));
    QVERIFY(confirmed);
    QVERIFY(m_messages.isEmpty());

    QCOMPARE(labelTexts(*window), (QStringList{"100", "75", "8", "5", "3", "2"}));
    QCOMPARE(window->flow().picks(), (QList<qint32>{100, 75, 8, 5, 3, 2}));
    QCOMPARE(window->controls().lbTarget->text(), QStringLiteral("523"));
    QCOMPARE(visibleTiles(*window), 0);
    QVERIFY(!window->controls().lbinst->isVisible());
    QCOMPARE(window->controls().List1->count(), 32);
    QVERIFY(window->controls().List1->isVisible());
    QVERIFY(window->controls().LBa->isVisible());
    QCOMPARE(window->controls().cmdAnswer->text(), QStringLiteral("Search Finished"));
    QVERIFY(window->controls().cmdAnswer->isVisible());
    QVERIFY(!window->controls().cmdAnswer->isEnabled());
    QCOMPARE(window->controls().Command1->text(), QStringLiteral("PLAY AGAIN"));
    QVERIFY(window->controls().Command1->isEnabled());
    QVERIFY(window->controls().mnuSetup->isEnabled());

    click(window->controls().Command1); // PLAY AGAIN deals a fresh board
    QCOMPARE(visibleTiles(*window), 24);
    QCOMPARE(window->controls().Command1->text(), QStringLiteral("START"));
    QVERIFY(!window->controls().Command1->isEnabled());
}

void TestGameMenus::manualSetupReplacesARunningGame()
{
    m_game.lowestTarget = m_game.highestTarget = 300;
    const auto window = GameWindowHolder::shown(m_game);
    QVERIFY(window);
    window->controls().Timer1->setInterval(1000);
    for (int tile : {0, 1, 2, 10, 20, 21})
        window->btnPick_Click(qint16(tile));
    click(window->controls().Command1); // START: the target rolls, the clock runs
    QTRY_VERIFY(window->controls().Timer1->isActive());

    bool sawStopSearch = false;
    whenOpen<ManualFrm>(window.get(), [&](ManualFrm &manual) {
        // The clock keeps ticking behind the window until a board is confirmed.
        QVERIFY(window->controls().Timer1->isActive());
        chooseBoard(manual);
        click(manual.Command1);
    });
    // Watched as the window shows each change: the search takes milliseconds.
    const auto watch = connect(&window->flow(), &GameFlow::changed, window.get(), [&] {
        if (window->flow().isSearching() &&
            window->controls().cmdAnswer->text() == QStringLiteral("Stop Search"))
            sawStopSearch =
                !window->controls().Timer1->isActive() && !window->controls().mnuSetup->isEnabled();
    });
    window->controls().mnuSetup->trigger();
    QVERIFY(QTest::qWaitFor([&] { return !window->flow().isBusy(); }, 30000));
    disconnect(watch);
    QVERIFY(sawStopSearch);
    QVERIFY(!window->controls().Timer1->isActive());
    QCOMPARE(window->controls().lbTarget->text(), QStringLiteral("523"));
    QCOMPARE(window->controls().List1->count(), 32);
    QCOMPARE(window->controls().Command1->text(), QStringLiteral("PLAY AGAIN"));
}

void TestGameMenus::settingsReachTheRunningGameAndTheStore()
{
    const auto window = GameWindowHolder::shown(m_game);
    QVERIFY(window);
    QVERIFY(!window->controls().cp1->property("ShowValue").toBool());
    whenOpen<SettingFrm>(window.get(), [&](SettingFrm &settings) {
        settings.LightTab1->setActiveTab(1);
        settings.LightTab1_AfterTabChange(1);
        settings.HS1->setValue(1200);
        QCOMPARE(settings.Label4->text(), QStringLiteral("1200"));
        click(settings.Check1);
        settings.Combo1->setCurrentIndex(3); // 45 seconds
        click(settings.ButtonEx1[2]);        // Apply
        QVERIFY(settings.isVisible());
        // The clock's period changes at once; the count is switched on.
        QCOMPARE(window->controls().Timer1->interval(), 1200);
        QVERIFY(window->controls().cp1->property("ShowValue").toBool());
        QCOMPARE(window->flow().settings().timeAllowed, qint16(45));

        settings.HS1->setValue(1500);
        click(settings.ButtonEx1[0]); // Cancel writes nothing more
    });
    window->controls().mnuSettings->trigger();
    QCOMPARE(window->controls().Timer1->interval(), 1200);
    QCOMPARE(storedNumber(QStringLiteral("TimerInterval")), 1200);
    QCOMPARE(storedNumber(QStringLiteral("ShowSeconds")), 1);
    QCOMPARE(storedNumber(QStringLiteral("TimeAllowed")), 3);

    // A later start reads what was applied.
    GLOBALbas::ResetProcessValues();
    const GameSettings later = GLOBALbas::LoadSettings();
    QCOMPARE(later.timerInterval, qint16(1200));
    QCOMPARE(later.timeAllowed, qint16(45));
}

void TestGameMenus::aboutLinkAndOk()
{
    const auto window = GameWindowHolder::shown(m_game);
    QVERIFY(window);
    QStringList opened;
    platform::setUrlOpenerForTesting([&](const QString &url) {
        opened << url;
        return false; // no mail program: the address is given instead
    });
    bool stayedOpen = false;
    whenOpen<AboutFrm>(window.get(), [&](AboutFrm &about) {
        click(about.Label4);
        stayedOpen = about.isVisible();
        click(about.ButtonEx1);
    });
    window->controls().mnuAbout->trigger();
    QVERIFY(stayedOpen);
    QCOMPARE(opened, QStringList{QStringLiteral(
                         "mailto:robin.vantor@tallyfold.example?subject=The Tallyfold "
                         "Numbers Game: 1.0%20&body=")});
    QCOMPARE(m_messages.size(), 1);
    QVERIFY(m_messages.first().endsWith(QLatin1String("\nrobin.vantor@tallyfold.example")));
}

void TestGameMenus::closingTheGameWithADialogOpen_data()
{
    // Each window the menu opens, alone and then with a message box of its
    // own open over it, the box's modal loop running inside the window's.
    QTest::addColumn<int>("menu");
    QTest::addColumn<bool>("withBox");
    const char *const names[] = {"Setting", "Manual setup", "About", "Statistics"};
    for (int menu = 0; menu < 4; ++menu) {
        QTest::newRow(names[menu]) << menu << false;
        if (menu != 2)
            QTest::addRow("%s, a box over it", names[menu]) << menu << true;
    }
}

// The main window closed (as a window manager's or a compositor's close
// does, or Exit) while a dialog's modal loop, and maybe a box's within it,
// runs on it: every window over it is cancelled and the main window goes
// only once those loops have returned, without a crash.
void TestGameMenus::closingTheGameWithADialogOpen()
{
    QFETCH(int, menu);
    QFETCH(bool, withBox);
    platform::setMessageSinkForTesting({}); // the real boxes, with their loops
    m_game.playForPoints = true;
    GameWindowHolder holder = GameWindowHolder::shown(m_game);
    QVERIFY(holder);
    const QPointer<GameFrm> window = holder.get();
    QAction *actions[] = {window->controls().mnuSettings, window->controls().mnuSetup,
                          window->controls().mnuAbout, window->controls().mnuStats};
    bool dialogOpen = false, boxOpen = false;
    whenOpen<QDialog>(window, [&](QDialog &dialog) {
        dialogOpen = true;
        if (!withBox) {
            window->close();
            return;
        }
        whenOpen<QMessageBox>(window, [&](QMessageBox &box) {
            boxOpen = true;
            window->close();
            QVERIFY(!box.isVisible()); // cancelled by the close
        });
        // What players did to get the box: OK on a range upside down, OK with
        // no numbers chosen, Reset.
        if (auto *settings = qobject_cast<SettingFrm *>(&dialog)) {
            settings->Text1[0]->setText(QStringLiteral("900"));
            settings->Text1[1]->setText(QStringLiteral("200"));
            settings->Text1[1]->setFocus();
            QTest::keyClick(settings->Text1[1], Qt::Key_Return);
        } else if (auto *manual = qobject_cast<ManualFrm *>(&dialog)) {
            QTest::keyClick(manual->Command1, Qt::Key_Return);
        } else if (auto *stats = qobject_cast<StatsFrm *>(&dialog)) {
            click(stats->cmdReset);
        }
    });
    actions[menu]->trigger();
    QVERIFY(dialogOpen);
    QCOMPARE(boxOpen, withBox);
    QTRY_VERIFY(window.isNull());
}

QTEST_MAIN(TestGameMenus)
#include "tst_gamemenus.moc"
