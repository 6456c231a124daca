// The settings window against the real settings store (a file in the test's
// private configuration folder): loading, the target boxes' checks, the tab
// pages, and what OK, Apply, Cancel and the close box write.

#include "buttonex.h"
#include "fonts.h"
#include "globalbas.h"
#include "lighttab.h"
#include "messagebox.h"
#include "propertybag.h"
#include "regbas.h"
#include "settingfrm.h"
#include "settingssandbox.h"
#include "settingsstore.h"
#include "velcprog.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <memory>
#include <optional>

namespace {

const QString Key = GLOBALbas::SettingsKeyPath;
const QStringList StoredNames{"LowestTarget",   "HighestTarget", "TimeAllowed",
                              "NoSounds",       "TimerInterval", "ShowSeconds",
                              "CompleteSearch", "PlayForPoints", "ReachableTargets"};

void storeDword(const QString &name, qint32 value)
{
    REGbas::StoreSetting(REGbas::HkeyCurrentUser, Key, name, value, REGbas::RegDword);
}

// The stored value, or an empty one when the store has none.
Variant stored(const QString &name)
{
    if (REGbas::FetchSetting(REGbas::HkeyCurrentUser, Key, name) != 0)
        return Variant();
    return GLOBALbas::LastRegValue;
}

// A click in the middle of a tab's caption.
void clickTab(SettingFrm &w, int tab)
{
    const TabRow &row = w.LightTab1->tabRow();
    QTest::mouseClick(w.LightTab1->tabStripWidget(), Qt::LeftButton, {},
                      QPoint(row.left(tab) + row.width(tab) / 2, 8));
}

// OK or Apply pressed with the mouse, or only its click event raised.
void pressButton(SettingFrm &w, int button, bool realClick)
{
    if (realClick)
        QTest::mouseClick(w.ButtonEx1[button], Qt::LeftButton);
    else
        w.ButtonEx1_Click(qint16(button));
}

struct Message
{
    QString text;
    QString title;
};

} // namespace

class TestSettingFrm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    // Loading
    void emptyStoreShowsDefaults();
    void storedValuesFillTheControls();
    void storedHighestBelowLowestShows999();
    void windowShowsWhatTheGamePlays_data();
    void windowShowsWhatTheGamePlays();
    void previewLooksLikeTheClock();
    void checkBoxTextStandsLeftOfTheBox();

    // Pages
    void exactlyOneFrameIsShown();
    void clickOnATabShowsItsPage();

    // Target boxes
    void targetBoxCheck_data();
    void targetBoxCheck();
    void leavingABoxRunsItsCheck_data();
    void leavingABoxRunsItsCheck();
    void typedKeysAreFiltered();
    void badBoxStopsOkAndApply_data();
    void badBoxStopsOkAndApply();

    // Timing page
    void listChangesCountOnlyAfterActivation();
    void modalWindowIsActivated();
    void showSecondsTogglesThePreviewAtOnce();
    void sliderDrivesItsLabel();

    // Writing
    void okOnDifficultyWritesOnlyTheTargets();
    void applyOnTimingWritesItsFourValues();
    void cancelAndCloseBoxWriteNothing();
    void appliedValuesSurviveARestart();

    // Keyboard
    void keyboardAlone();

private:
    std::unique_ptr<SettingFrm> newWindow();
    std::unique_ptr<SettingFrm> shownWindow(qint16 page = 0);
    void showAndActivate(SettingFrm &window);

    std::optional<SettingsSandbox> m_sandbox; // each test's own empty store
    QTimer m_timer;
    int m_getSettingsCalls = 0;
    GameSettings m_game; // the game's settings, as the window hands them over
    bool m_showSecondsSeenByGetSettings = false;
    QList<Message> m_messages;
};

void TestSettingFrm::initTestCase()
{
    platform::registerFontSubstitutions();
    platform::setMessageSinkForTesting([this](const QString &text, const QString &title) {
        m_messages.append({text, title});
    });
}

void TestSettingFrm::init()
{
    m_sandbox.emplace();
    REGbas::CreateSettingsKey(REGbas::HkeyCurrentUser, Key);
    GLOBALbas::ResetProcessValues();
    m_timer.setInterval(1000);
    m_getSettingsCalls = 0;
    m_game = GameSettings{};
    m_showSecondsSeenByGetSettings = false;
    m_messages.clear();
}

void TestSettingFrm::cleanup()
{
    m_sandbox.reset();
}

std::unique_ptr<SettingFrm> TestSettingFrm::newWindow()
{
    // As the game takes them: what the window read, then each OK or Apply.
    auto window = std::make_unique<SettingFrm>(m_game);
    m_game = window->settings();
    connect(window.get(), &SettingFrm::applied, this,
            [this](const GameSettings &settings, bool clock) {
                m_game = settings;
                if (clock)
                    m_timer.setInterval(settings.timerInterval);
                ++m_getSettingsCalls;
                m_showSecondsSeenByGetSettings = GLOBALbas::FetchShowSeconds();
            });
    return window;
}

void TestSettingFrm::showAndActivate(SettingFrm &window)
{
    // Nothing but showing it: the window must become active by itself.
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

std::unique_ptr<SettingFrm> TestSettingFrm::shownWindow(qint16 page)
{
    auto w = newWindow();
    if (page != 0)
        w->LightTab1->setActiveTab(page);
    showAndActivate(*w);
    return w;
}

// --- Loading ---------------------------------------------------------------------

void TestSettingFrm::emptyStoreShowsDefaults()
{
    auto w = newWindow();
    QCOMPARE(w->windowTitle(), QStringLiteral(" "));
    QCOMPARE(w->LightTab1->numberOfTabs(), qint16(3));
    QCOMPARE(w->LightTab1->caption(0), QStringLiteral(" Difficulty "));
    QCOMPARE(w->LightTab1->caption(1), QStringLiteral(" Timing "));
    QCOMPARE(w->LightTab1->caption(2), QStringLiteral(" General "));

    QCOMPARE(w->Text1[0]->text(), QStringLiteral("101"));
    QCOMPARE(w->Text1[1]->text(), QStringLiteral("999"));
    QVERIFY(!w->Combo1->isEditable());
    QStringList items;
    for (int i = 0; i < w->Combo1->count(); ++i)
        items << w->Combo1->itemText(i);
    QCOMPARE(items, QStringList({"30", "35", "40", "45", "50", "55", "60"}));
    QCOMPARE(w->Combo1->currentIndex(), 0);
    QCOMPARE(w->HS1->value(), 950);
    QCOMPARE(w->HS1->maximum(), 2000);
    QCOMPARE(w->Label4->text(), QStringLiteral("950"));
    QVERIFY(!w->Check1->isChecked());
    QVERIFY(!w->Check2->isChecked());
    QCOMPARE(w->cptest->value(), 30);
    QVERIFY(!w->cptest->showValue());
    QCOMPARE(m_game.timeAllowed, qint16(30));
    QCOMPARE(m_game.timerInterval, qint16(950));

    // The texts as the player reads them.
    QCOMPARE((QStringList{w->Frame2->title(), w->Label3[0]->text(), w->Label3[1]->text(),
                          w->Label1->text(), w->Check1->text(), w->Check2->text(),
                          w->ButtonEx1[0]->caption(), w->ButtonEx1[1]->caption(),
                          w->ButtonEx1[2]->caption()}),
             (QStringList{"Target Number Properties:", "Lowest Value:", "Highest Value:",
                          "Time allowed:", "Show Tallyfold Seconds ", "Turn off sounds:", "Cancel",
                          "OK", "Apply"}));
    // A screen reader names each box by its label, not by what it holds.
    QStringList spoken;
    for (QWidget *box : std::initializer_list<QWidget *>{w->Text1[0], w->Text1[1], w->Combo1})
        spoken << QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name);
    QCOMPARE(spoken, (QStringList{"Lowest Value:", "Highest Value:", "Time allowed:"}));
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(w->Combo1);
    QCOMPARE(list->role(), QAccessible::ComboBox);
    QCOMPARE(list->text(QAccessible::Value), QStringLiteral("30"));

    // Loading reads; it never writes.
    for (const QString &name : StoredNames)
        QVERIFY2(stored(name).isEmpty(), qPrintable(name));
}

void TestSettingFrm::storedValuesFillTheControls()
{
    storeDword("ShowSeconds", 1);
    storeDword("TimeAllowed", 3);
    storeDword("NoSounds", 1);
    storeDword("TimerInterval", 1200);
    storeDword("LowestTarget", 200);
    storeDword("HighestTarget", 800);
    storeDword("CompleteSearch", 1);
    storeDword("PlayForPoints", 7);

    auto w = newWindow();
    QVERIFY(w->Check3->isChecked());
    QVERIFY(w->Check4->isChecked());
    QVERIFY(!w->Check5->isChecked());
    QVERIFY(w->Check1->isChecked());
    QVERIFY(w->cptest->showValue()); // checking the box on load raised its click
    QCOMPARE(w->Combo1->currentText(), QStringLiteral("45"));
    QCOMPARE(w->cptest->value(), 45);
    QCOMPARE(m_game.timeAllowed, qint16(45));
    QVERIFY(w->Check2->isChecked());
    QCOMPARE(w->HS1->value(), 1200);
    QCOMPARE(w->Label4->text(), QStringLiteral("1200"));
    QCOMPARE(m_game.timerInterval, qint16(1200));
    QCOMPARE(w->Text1[0]->text(), QStringLiteral("200"));
    QCOMPARE(w->Text1[1]->text(), QStringLiteral("800"));
    // The list's own change during the load did not count as the player's.
    QVERIFY(!w->activatedFlag());
}

void TestSettingFrm::storedHighestBelowLowestShows999()
{
    storeDword("LowestTarget", 600);
    storeDword("HighestTarget", 500);
    auto w = newWindow();
    QCOMPARE(w->Text1[0]->text(), QStringLiteral("600"));
    QCOMPARE(w->Text1[1]->text(), QStringLiteral("999"));

    // Equal is a valid range.
    storeDword("HighestTarget", 600);
    w = newWindow();
    QCOMPARE(w->Text1[1]->text(), QStringLiteral("600"));
}

void TestSettingFrm::windowShowsWhatTheGamePlays_data()
{
    // One stored value each, as a number or as text: values only a damaged
    // or hand-edited store holds among them.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("time allowed as its list place") << "TimeAllowed" << QVariant(3);
    QTest::newRow("time allowed past the list") << "TimeAllowed" << QVariant(9);
    QTest::newRow("time allowed as text") << "TimeAllowed" << QVariant("3x");
    QTest::newRow("lowest below 1") << "LowestTarget" << QVariant(-1);
    QTest::newRow("lowest as text") << "LowestTarget" << QVariant("250");
    QTest::newRow("highest beyond 16 bits") << "HighestTarget" << QVariant(100000);
    QTest::newRow("tick as text") << "TimerInterval" << QVariant("fast");
    QTest::newRow("tick below the slowest") << "TimerInterval" << QVariant(500);
    QTest::newRow("tick beyond the slider") << "TimerInterval" << QVariant(2500);
    QTest::newRow("sounds off as a large number") << "NoSounds" << QVariant(100000);
    QTest::newRow("seconds shown as text") << "ShowSeconds" << QVariant("2 please");
    QTest::newRow("a switch as text") << "PlayForPoints" << QVariant("1");
    QTest::newRow("without the clock") << "PlayWithoutClock" << QVariant(1);
    QTest::newRow("a rating") << "Difficulty" << QVariant(3);
    QTest::newRow("a rating past the list") << "Difficulty" << QVariant(5);
    QTest::newRow("a rating as text") << "Difficulty" << QVariant("2");
}

// The window reads every stored value by the rule the start-up reads it by:
// it shows the settings the game plays, and hands those back unchanged.
void TestSettingFrm::windowShowsWhatTheGamePlays()
{
    QFETCH(QString, name);
    QFETCH(QVariant, value);
    if (value.typeId() == QMetaType::Int)
        storeDword(name, value.toInt());
    else
        REGbas::StoreSetting(REGbas::HkeyCurrentUser, Key, name, value.toString(), REGbas::RegSz);
    const GameSettings game = GLOBALbas::LoadSettings();
    auto w = newWindow();
    QCOMPARE(w->Combo1->currentText().toInt(), int(game.timeAllowed));
    QCOMPARE(w->cptest->value(), int(game.timeAllowed));
    QCOMPARE(w->Text1[0]->text(), QString::number(game.lowestTarget));
    QCOMPARE(w->Text1[1]->text(), QString::number(game.highestTarget));
    QCOMPARE(w->HS1->value(),
             std::clamp(int(game.timerInterval), w->HS1->minimum(), w->HS1->maximum()));
    QCOMPARE(w->Check1->isChecked(), GLOBALbas::FetchShowSeconds());
    QCOMPARE(w->Check2->isChecked(), bool(game.noSounds));
    QCOMPARE(w->Check4->isChecked(), game.playForPoints);
    QCOMPARE(w->Check6->isChecked(), game.withoutClock);
    QCOMPARE(w->Combo2->currentIndex(), int(game.difficulty));
    QCOMPARE(m_game.timeAllowed, game.timeAllowed);
    QCOMPARE(m_game.timerInterval, game.timerInterval);
}

void TestSettingFrm::previewLooksLikeTheClock()
{
    // The preview wears the clock face's colours and marks, from its own
    // stored design, and fits in its small box.
    VelCProg clock;
    QFile design(QStringLiteral(":/forms/gamefrm-cp1.json"));
    QVERIFY(design.open(QIODevice::ReadOnly));
    const auto bag = platform::PropertyBag::fromJson(design.readAll());
    QVERIFY(bag);
    QVERIFY(!clock.readProperties(bag.value()));

    auto w = newWindow();
    const VelCProg &dial = *w->cptest;
    for (const char *name :
         {"Max", "StartColor", "MidColor", "EndColor", "CircleColor", "BorderColor", "TextColor",
          "NeedleColor", "TextShadowColor", "TickColor", "TickStyle", "TickFrequency", "ShowNeedle",
          "TextShadow", "Tricolor"})
        QVERIFY2(dial.property(name) == clock.property(name), name);
    QCOMPARE(dial.controlFont().family(), clock.controlFont().family());
    QVERIFY(dial.controlFont().bold());
    // Only its corners differ: the window's face rather than the main window's blue.
    QCOMPARE(dial.backColor(), platform::OleColour(0x8000000F));
    QVERIFY(dial.radius() > 20);
    QVERIFY(dial.xCenter() - dial.radius() >= 0 && dial.xCenter() + dial.radius() <= dial.width());
    QVERIFY(dial.yCenter() - dial.radius() >= 0 && dial.yCenter() + dial.radius() <= dial.height());
}

void TestSettingFrm::checkBoxTextStandsLeftOfTheBox()
{
    auto w = newWindow();
    w->LightTab1->setActiveTab(1);
    w->show();
    for (QCheckBox *box : {w->Check1, w->Check2}) {
        // What changes when the box is ticked is the box itself: it must lie
        // at the right, past the text.
        const QImage before = box->grab().toImage();
        box->setChecked(!box->isChecked());
        const QImage after = box->grab().toImage();
        QCOMPARE(before.size(), after.size());
        int leftmostChange = before.width();
        for (int y = 0; y < before.height(); ++y)
            for (int x = 0; x < before.width(); ++x)
                if (before.pixel(x, y) != after.pixel(x, y))
                    leftmostChange = std::min(leftmostChange, x);
        QVERIFY2(leftmostChange > before.width() * 3 / 4,
                 qPrintable(QStringLiteral("%1: box starts at %2 of %3")
                                .arg(box->text())
                                .arg(leftmostChange)
                                .arg(before.width())));
    }
}

// --- Pages -------------------------------------------------------------------------

void TestSettingFrm::exactlyOneFrameIsShown()
{
    auto w = newWindow();
    w->show();
    // The pages shown, and (-1 for a mismatch) whether only they have a border.
    auto shown = [&w] {
        QList<int> visible;
        for (int k = 0; k < 3; ++k) {
            const bool bordered = w->Frame1[k]->frameShape() != QFrame::NoFrame;
            if (bordered != w->Frame1[k]->isVisible())
                visible << -1;
            if (w->Frame1[k]->isVisible())
                visible << k;
        }
        return visible;
    };
    QCOMPARE(shown(), QList<int>{0});
    for (int k : {1, 2, 0, 2}) {
        w->LightTab1->setActiveTab(qint16(k));
        QCOMPARE(shown(), QList<int>{k});
    }
    // An index with no page changes nothing.
    w->LightTab1_AfterTabChange(3);
    w->LightTab1_AfterTabChange(-1);
    QCOMPARE(shown(), QList<int>{2});
    // The General page holds its four switches, off with nothing stored.
    QCOMPARE(w->Frame1[2]->children(), (QObjectList{w->Check3, w->Check4, w->Check5, w->Check6}));
    QCOMPARE(w->Check3->text(), QStringLiteral("Search every way when no answer is found"));
    QCOMPARE(w->Check4->text(), QStringLiteral("Play for points"));
    QCOMPARE(w->Check5->text(), QStringLiteral("Only targets the numbers can reach"));
    QCOMPARE(w->Check6->text(), QStringLiteral("Play without the clock"));
    for (const QCheckBox *box : {w->Check3, w->Check4, w->Check5, w->Check6})
        QVERIFY(!box->isChecked());
}

void TestSettingFrm::clickOnATabShowsItsPage()
{
    auto w = shownWindow();
    clickTab(*w, 1);
    QCOMPARE(w->LightTab1->activeTab(), qint16(1));
    QVERIFY(w->Frame1[1]->isVisible());
    QVERIFY(!w->Frame1[0]->isVisible());

    // The focus goes along to the page shown, not to a hidden box or a button.
    QCOMPARE(QApplication::focusWidget(), w->Combo1);
    clickTab(*w, 0);
    QCOMPARE(QApplication::focusWidget(), w->Text1[0]);
    clickTab(*w, 2);
    QCOMPARE(QApplication::focusWidget(), w->Check3);
}

// --- Target boxes ---------------------------------------------------------------

void TestSettingFrm::targetBoxCheck_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("lowest");
    QTest::addColumn<QString>("highest");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QString>("textAfter");
    QTest::addColumn<bool>("message");

    const auto row = [](const char *tag, int index, const char *lowest, const char *highest,
                        bool cancel, const char *textAfter, bool message) {
        QTest::newRow(tag) << index << QString(lowest) << QString(highest) << cancel
                           << QString(textAfter) << message;
    };
    row("lowest empty", 0, "", "999", true, "101", false);
    row("lowest number", 0, "350", "999", false, "350", false);
    row("lowest above highest is its box's business", 0, "1200", "999", false, "1200", false);
    row("lowest overlong", 0, "99999999999", "999", true, "101", false);
    row("lowest just too large", 0, "32768", "999", true, "101", false);
    row("lowest pasted junk", 0, "12ab", "999", true, "101", false);
    // A stored 0 reads back as nothing stored, so the store cannot keep it.
    row("lowest 0", 0, "0", "0", true, "101", true);
    row("lowest pasted negative", 0, "-5", "999", true, "101", true);
    row("lowest 1", 0, "1", "999", false, "1", false);
    row("highest 0", 1, "0", "0", true, "999", true);
    row("highest empty", 1, "101", "", true, "999", false);
    row("highest below lowest", 1, "600", "500", true, "999", true);
    row("highest equal to lowest", 1, "600", "600", false, "600", false);
    row("highest above lowest", 1, "600", "601", false, "601", false);
    row("highest overlong", 1, "101", "99999999999", true, "999", false);
    row("highest pasted junk", 1, "101", "9 9", true, "999", false);
}

void TestSettingFrm::targetBoxCheck()
{
    QFETCH(int, index);
    QFETCH(QString, lowest);
    QFETCH(QString, highest);
    QFETCH(bool, cancel);
    QFETCH(QString, textAfter);
    QFETCH(bool, message);

    auto w = newWindow();
    w->Text1[0]->setText(lowest);
    w->Text1[1]->setText(highest);
    bool cancelled = false;
    w->Text1_Validate(qint16(index), cancelled);
    QCOMPARE(cancelled, cancel);
    QCOMPARE(w->Text1[index]->text(), textAfter);
    QCOMPARE(w->Text1[1 - index]->text(), index == 0 ? highest : lowest);
    QCOMPARE(m_messages.size(), message ? 1 : 0);
    if (message) {
        QCOMPARE(m_messages[0].text,
                 QStringLiteral("The Lowest value must be less than the Highest value."));
        QCOMPARE(m_messages[0].title, QStringLiteral("Invalid values."));
    }
}

void TestSettingFrm::leavingABoxRunsItsCheck_data()
{
    QTest::addColumn<bool>("byTabClick"); // else Shift+Tab back to the lowest box
    QTest::newRow("Shift+Tab") << false;
    QTest::newRow("click on the Timing tab") << true;
}

void TestSettingFrm::leavingABoxRunsItsCheck()
{
    QFETCH(bool, byTabClick);
    auto w = shownWindow();
    w->Text1[0]->setText("600");
    w->Text1[1]->setFocus();
    w->Text1[1]->setText("500");
    const auto leave = [&] {
        if (byTabClick)
            clickTab(*w, 1);
        else
            QTest::keyClick(w->Text1[1], Qt::Key_Tab, Qt::ShiftModifier);
    };
    leave();
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(w->Text1[1]->text(), QStringLiteral("999"));
    QCOMPARE(QApplication::focusWidget(), w->Text1[1]);
    QCOMPARE(w->LightTab1->activeTab(), qint16(0));
    QVERIFY(w->Frame1[0]->isVisible());

    // Now it passes, and the focus moves on.
    leave();
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(QApplication::focusWidget(),
             byTabClick ? static_cast<QWidget *>(w->Combo1) : w->Text1[0]);
    QCOMPARE(w->LightTab1->activeTab(), qint16(byTabClick ? 1 : 0));
    QCOMPARE(w->Frame1[1]->isVisible(), byTabClick);
    if (byTabClick)
        return;

    // An emptied lowest box is put back and keeps the focus, without a message.
    w->Text1[0]->clear();
    QTest::keyClick(w->Text1[0], Qt::Key_Tab);
    QCOMPARE(w->Text1[0]->text(), QStringLiteral("101"));
    QCOMPARE(QApplication::focusWidget(), w->Text1[0]);
    QCOMPARE(m_messages.size(), 1);
}

void TestSettingFrm::typedKeysAreFiltered()
{
    auto w = shownWindow();
    QLineEdit *box = w->Text1[0];
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, "4a-5 .6x");
    QCOMPARE(box->text(), QStringLiteral("456"));
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), QStringLiteral("45"));
}

void TestSettingFrm::badBoxStopsOkAndApply_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("realClick");
    QTest::addColumn<QString>("textAfter");

    for (bool real : {true, false}) {
        const char *how = real ? "click" : "event";
        for (int button : {1, 2}) {
            const char *name = button == 1 ? "OK" : "Apply";
            QTest::addRow("%s %s, highest overlong", name, how)
                << 1 << "99999999999" << button << real << "999";
            QTest::addRow("%s %s, highest empty", name, how) << 1 << "" << button << real << "999";
            QTest::addRow("%s %s, highest below lowest", name, how)
                << 1 << "50" << button << real << "999";
            QTest::addRow("%s %s, lowest junk", name, how)
                << 0 << "77777777777777777777" << button << real << "101";
        }
    }
}

void TestSettingFrm::badBoxStopsOkAndApply()
{
    QFETCH(int, box);
    QFETCH(QString, text);
    QFETCH(int, button);
    QFETCH(bool, realClick);
    QFETCH(QString, textAfter);

    auto w = shownWindow();
    w->Text1[box]->setFocus();
    w->Text1[box]->setText(text);
    pressButton(*w, button, realClick);

    // The click was dropped: nothing written, nothing applied, still open,
    // the box put back and still being typed in.
    QCOMPARE(w->Text1[box]->text(), textAfter);
    QCOMPARE(QApplication::focusWidget(), w->Text1[box]);
    QVERIFY(w->isVisible());
    QCOMPARE(m_getSettingsCalls, 0);
    QVERIFY(stored("LowestTarget").isEmpty());
    QVERIFY(stored("HighestTarget").isEmpty());
    QCOMPARE(m_game.lowestTarget, qint16(101));
    QCOMPARE(m_game.highestTarget, qint16(999));

    // With the box put right, the next click goes through.
    pressButton(*w, button, realClick);
    QCOMPARE(m_getSettingsCalls, 1);
    QCOMPARE(stored("LowestTarget"), Variant(101));
    QCOMPARE(stored("HighestTarget"), Variant(999));
    QCOMPARE(w->isVisible(), button == 2);
}

// --- Timing page ----------------------------------------------------------------

void TestSettingFrm::listChangesCountOnlyAfterActivation()
{
    auto w = newWindow();
    QVERIFY(!w->activatedFlag());
    w->Combo1->setCurrentIndex(3);
    QCOMPARE(w->cptest->value(), 30);

    // Showing the window activates it, also on the offscreen platform.
    w->LightTab1->setActiveTab(1);
    showAndActivate(*w);
    QVERIFY(w->activatedFlag());
    w->Combo1->setCurrentIndex(5);
    QCOMPARE(w->cptest->value(), 55);

    // The player's own choice, from the keyboard.
    w->Combo1->setFocus();
    QTest::keyClick(w->Combo1, Qt::Key_Up);
    QCOMPARE(w->Combo1->currentText(), QStringLiteral("50"));
    QCOMPARE(w->cptest->value(), 50);
}

void TestSettingFrm::modalWindowIsActivated()
{
    // The way the main window opens it.
    auto w = newWindow();
    bool activatedWhileOpen = false;
    QTimer::singleShot(0, w.get(), [&] {
        activatedWhileOpen = QTest::qWaitFor([&] { return bool(w->activatedFlag()); }, 5000);
        w->ButtonEx1_Click(0);
    });
    QCOMPARE(w->exec(), int(QDialog::Rejected));
    QVERIFY(activatedWhileOpen);
}

void TestSettingFrm::showSecondsTogglesThePreviewAtOnce()
{
    auto w = shownWindow(1);
    QVERIFY(!w->cptest->showValue());
    QTest::mouseClick(w->Check1, Qt::LeftButton, {}, w->Check1->rect().center());
    QVERIFY(w->Check1->isChecked());
    QVERIFY(w->cptest->showValue());
    w->Check1->click();
    QVERIFY(!w->cptest->showValue());
    // Nothing is written until the page is applied.
    QVERIFY(stored("ShowSeconds").isEmpty());
}

void TestSettingFrm::sliderDrivesItsLabel()
{
    auto w = shownWindow(1);
    w->HS1->setFocus();
    QTest::keyClick(w->HS1, Qt::Key_Right);
    QCOMPARE(w->Label4->text(), QStringLiteral("960"));
    QTest::keyClick(w->HS1, Qt::Key_PageUp);
    QCOMPARE(w->Label4->text(), QStringLiteral("1010"));
    // A drag reports every position it passes, not just where it ends.
    w->HS1->setSliderDown(true);
    w->HS1->setSliderPosition(1500);
    QCOMPARE(w->Label4->text(), QStringLiteral("1500"));
    w->HS1->setSliderPosition(1730);
    QCOMPARE(w->Label4->text(), QStringLiteral("1730"));
    w->HS1->setSliderDown(false);
    QTest::keyClick(w->HS1, Qt::Key_End);
    QCOMPARE(w->Label4->text(), QStringLiteral("2000"));
    QTest::keyClick(w->HS1, Qt::Key_Home);
    QCOMPARE(w->Label4->text(), QString::number(SettingFrm::SliderMinimum));
    QVERIFY(w->Label4->font().bold());
    QCOMPARE(w->Label4->palette().color(QPalette::Window), QColor(Qt::white));
}

// --- Writing --------------------------------------------------------------------

void TestSettingFrm::okOnDifficultyWritesOnlyTheTargets()
{
    storeDword("TimeAllowed", 2);
    auto w = shownWindow(1);
    w->Combo1->setCurrentIndex(5);
    w->Check1->setChecked(true);
    w->HS1->setValue(1400);
    w->Check3->setChecked(true);
    w->LightTab1->setActiveTab(0);
    w->Text1[0]->setText("150");
    w->Text1[1]->setText("850");

    QTest::mouseClick(w->ButtonEx1[1], Qt::LeftButton);
    QCOMPARE(w->result(), int(QDialog::Accepted));
    QVERIFY(!w->isVisible());
    QCOMPARE(m_getSettingsCalls, 1);
    QCOMPARE(stored("LowestTarget"), Variant(150));
    QCOMPARE(stored("HighestTarget"), Variant(850));
    QCOMPARE(m_game.lowestTarget, qint16(150));
    QCOMPARE(m_game.highestTarget, qint16(850));
    // The Timing page was not the one shown: none of it is written.
    QCOMPARE(stored("TimeAllowed"), Variant(2));
    for (const char *name : {"ShowSeconds", "NoSounds", "TimerInterval", "CompleteSearch"})
        QVERIFY2(stored(name).isEmpty(), name);
    QVERIFY(!m_game.completeSearch);
    QCOMPARE(m_timer.interval(), 1000);
}

void TestSettingFrm::applyOnTimingWritesItsFourValues()
{
    auto w = shownWindow(1);
    w->Check1->setChecked(true);
    w->Combo1->setCurrentIndex(4);
    w->Check2->setChecked(true);
    w->HS1->setValue(1500);

    QTest::mouseClick(w->ButtonEx1[2], Qt::LeftButton);
    QCOMPARE(m_timer.interval(), 1500);
    QCOMPARE(stored("ShowSeconds"), Variant(1));
    QCOMPARE(stored("TimeAllowed"), Variant(4)); // the list position, not seconds
    QCOMPARE(stored("NoSounds"), Variant(1));
    QCOMPARE(stored("TimerInterval"), Variant(1500));
    QCOMPARE(platform::toBool16(m_game.noSounds), platform::BoolTrue);
    QCOMPARE(m_game.timeAllowed, qint16(50));
    // The main window re-read the switch after it was written.
    QCOMPARE(m_getSettingsCalls, 1);
    QVERIFY(m_showSecondsSeenByGetSettings);
    QVERIFY(stored("LowestTarget").isEmpty());
    QVERIFY(w->isVisible());

    // Unticked boxes are written as 0.
    w->Check1->setChecked(false);
    w->Check2->setChecked(false);
    w->ButtonEx1_Click(2);
    QCOMPARE(stored("ShowSeconds"), Variant(0));
    QCOMPARE(stored("NoSounds"), Variant(0));
    QCOMPARE(platform::toBool16(m_game.noSounds), platform::BoolFalse);
    QCOMPARE(m_getSettingsCalls, 2);
    QVERIFY(!m_showSecondsSeenByGetSettings);

    // Apply on the General page writes its switches, and nothing of the
    // other pages, and still lets the main window re-read.
    w->LightTab1->setActiveTab(2);
    w->HS1->setValue(1800);
    const struct
    {
        QCheckBox *box;
        const char *name;
        bool GameSettings::*member;
    } switches[] = {{w->Check3, "CompleteSearch", &GameSettings::completeSearch},
                    {w->Check4, "PlayForPoints", &GameSettings::playForPoints},
                    {w->Check5, "ReachableTargets", &GameSettings::reachableTargets}};
    for (const auto &sw : switches)
        QVERIFY(stored(sw.name).isEmpty());
    int calls = 2;
    for (const auto &flipped : switches) {
        for (bool on : {true, false}) {
            flipped.box->setChecked(on);
            w->ButtonEx1_Click(2);
            QCOMPARE(m_getSettingsCalls, ++calls);
            for (const auto &sw : switches) {
                const bool expected = &sw == &flipped && on;
                QCOMPARE(stored(sw.name), Variant(expected ? 1 : 0));
                QCOMPARE(m_game.*sw.member, expected);
            }
        }
    }
    QCOMPARE(stored("TimerInterval"), Variant(1500));
    QCOMPARE(m_timer.interval(), 1500);
    QVERIFY(m_messages.isEmpty());

    // A folder where the file should be: nothing can be kept, which is told
    // once, and the game still plays by what was applied. (Only the file
    // store has a file; the registry's failures are its own.)
    const QString file = platform::settingsFileForKey(GLOBALbas::SettingsKeyPath);
    if (file.isEmpty())
        return;
    QVERIFY(QFile::remove(file));
    QVERIFY(QDir().mkdir(file));
    w->LightTab1->setActiveTab(1);
    for (const int seconds : {55, 60}) {
        w->Combo1->setCurrentIndex((seconds - 30) / 5);
        w->ButtonEx1_Click(2);
        QCOMPARE(m_game.timeAllowed, qint16(seconds));
    }
    QCOMPARE(m_messages.size(), 1);
    QVERIFY(m_messages.first().text.contains(file));
}

void TestSettingFrm::cancelAndCloseBoxWriteNothing()
{
    for (bool closeBox : {false, true}) {
        auto w = shownWindow();
        w->Text1[0]->setText("300");
        w->LightTab1->setActiveTab(1);
        w->Check1->setChecked(true);
        w->Combo1->setCurrentIndex(6);
        w->HS1->setValue(1900);
        w->Check3->setChecked(true);
        if (closeBox)
            QVERIFY(w->close());
        else
            QTest::mouseClick(w->ButtonEx1[0], Qt::LeftButton);
        QVERIFY(!w->isVisible());
        QCOMPARE(w->result(), int(QDialog::Rejected));
        for (const QString &name : StoredNames)
            QVERIFY2(stored(name).isEmpty(), qPrintable(name));
        QCOMPARE(m_getSettingsCalls, 0);
        QCOMPARE(m_timer.interval(), 1000);
        QCOMPARE(m_game.lowestTarget, qint16(101));
        QCOMPARE(platform::toBool16(m_game.noSounds), platform::BoolFalse);
    }
    QVERIFY(m_messages.isEmpty());
}

void TestSettingFrm::appliedValuesSurviveARestart()
{
    auto w = shownWindow();
    w->Text1[0]->setText("250");
    w->Text1[1]->setText("750");
    w->Combo2->setCurrentIndex(4);
    w->ButtonEx1_Click(2);
    w->LightTab1->setActiveTab(1);
    w->Combo1->setCurrentIndex(6);
    w->Check2->setChecked(true);
    // The quickest clock the slider offers must still be what a restart reads.
    w->HS1->setValue(w->HS1->minimum());
    w->ButtonEx1_Click(2);
    w->LightTab1->setActiveTab(2);
    w->Check3->setChecked(true);
    w->Check5->setChecked(true);
    w->Check6->setChecked(true);
    w->ButtonEx1_Click(1);
    QVERIFY(!w->isVisible());

    GLOBALbas::ResetProcessValues();
    const GameSettings read = GLOBALbas::LoadSettings();
    QVERIFY(read.withoutClock);
    QCOMPARE(read.difficulty, qint16(4));
    QVERIFY(read.completeSearch);
    QVERIFY(!read.playForPoints);
    QVERIFY(read.reachableTargets);
    QCOMPARE(read.lowestTarget, qint16(250));
    QCOMPARE(read.highestTarget, qint16(750));
    QCOMPARE(read.timeAllowed, qint16(60));
    QVERIFY(read.noSounds);
    QCOMPARE(read.timerInterval, qint16(w->HS1->minimum()));
    QVERIFY(!GLOBALbas::FetchShowSeconds());

    // And the window opened again shows them.
    w = newWindow();
    QCOMPARE(w->Text1[0]->text(), QStringLiteral("250"));
    QCOMPARE(w->Text1[1]->text(), QStringLiteral("750"));
    QCOMPARE(w->Combo1->currentText(), QStringLiteral("60"));
    QCOMPARE(w->cptest->value(), 60);
    QVERIFY(w->Check2->isChecked());
    QCOMPARE(w->HS1->value(), w->HS1->minimum());
    QVERIFY(w->Check3->isChecked());
    QVERIFY(w->Check5->isChecked());
    QVERIFY(w->Check6->isChecked());
    QCOMPARE(w->Combo2->currentText(), QStringLiteral("Very hard"));
}

// Keys go to whatever has the focus, as a player's would.
void TestSettingFrm::keyboardAlone()
{
    auto window = shownWindow();
    const auto focused = [&] { return window->focusWidget(); };
    const auto press = [&](Qt::Key key, Qt::KeyboardModifiers mods = {}) {
        QTest::keyClick(focused(), key, mods);
    };
    const auto page = [&] { return int(window->LightTab1->activeTab()); };

    // The page's boxes, then OK, Cancel, Apply as drawn.
    QCOMPARE(focused(), window->Text1[0]);
    const QList<QWidget *> order{window->Text1[1],
                                 window->Combo2,
                                 window->ButtonEx1[SettingFrm::OkButton],
                                 window->ButtonEx1[SettingFrm::CancelButton],
                                 window->ButtonEx1[SettingFrm::ApplyButton],
                                 window->Text1[0]};
    for (QWidget *next : order) {
        press(Qt::Key_Tab);
        QCOMPARE(focused(), next);
    }
    // The page keys, from a box, a list and the slider alike; the frame shown follows.
    const QList<std::tuple<Qt::Key, Qt::KeyboardModifiers, int>> pages{
        {Qt::Key_Tab, Qt::ControlModifier, 1},
        {Qt::Key_PageDown, Qt::ControlModifier, 2},
        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 1},
        {Qt::Key_PageUp, Qt::ControlModifier, 0},
        {Qt::Key_PageUp, Qt::ControlModifier, 2},
        {Qt::Key_PageDown, Qt::ControlModifier, 0},
        {Qt::Key_Tab, Qt::ControlModifier, 1}};
    for (const auto &[key, mods, shown] : pages) {
        press(key, mods);
        QCOMPARE(page(), shown);
        QVERIFY(window->Frame1[shown]->isVisible());
    }
    window->HS1->setFocus();
    press(Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(page(), 2);
    press(Qt::Key_PageUp, Qt::ControlModifier);
    QCOMPARE(page(), 1);

    // Space on a focused button presses it (Apply writes and stays open);
    // Enter anywhere else is OK.
    window->Check2->setFocus();
    press(Qt::Key_Space);
    window->ButtonEx1[SettingFrm::ApplyButton]->setFocus();
    press(Qt::Key_Space);
    QCOMPARE(stored("NoSounds"), Variant(1));
    QVERIFY(window->isVisible());
    window->Check2->setFocus();
    press(Qt::Key_Space);
    press(Qt::Key_Return);
    QCOMPARE(stored("NoSounds"), Variant(0));
    QCOMPARE(window->result(), int(QDialog::Accepted));

    // Enter in a target box is OK too; Escape cancels and writes nothing.
    window = shownWindow();
    window->Text1[0]->setText(QStringLiteral("150"));
    QTest::keyClick(window->Text1[0], Qt::Key_Enter);
    QCOMPARE(stored("LowestTarget"), Variant(150));
    window = shownWindow();
    window->Text1[0]->setText(QStringLiteral("170"));
    QTest::keyClick(window->Text1[0], Qt::Key_Escape);
    QCOMPARE(window->result(), int(QDialog::Rejected));
    QCOMPARE(stored("LowestTarget"), Variant(150));
}

QTEST_MAIN(TestSettingFrm)
#include "tst_settingfrm.moc"
