#include "settingfrm.h"

#include "buttonex.h"
#include "globalbas.h"
#include "graphicsbas.h"
#include "lighttab.h"
#include "messagebox.h"
#include "numericbox.h"
#include "regbas.h"
#include "settingsrules.h"
#include "settingsstore.h"
#include "velcprog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QSlider>

#include <algorithm>

namespace {

using GLOBALbas::Setting;

qint32 checkState(const QCheckBox *box)
{
    return box->isChecked() ? 1 : 0;
}

enum TabIndex : qint16 { DifficultyTab = 0, TimingTab = 1, GeneralTab = 2 };

} // namespace

SettingFrm::SettingFrm(const GameSettings &settings, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
    , m_settings(settings)
{
    createControls();
    // The design shows the first page; the handler makes it so.
    LightTab1_AfterTabChange(LightTab1->activeTab());
    connectEvents();
    setUpKeyboard();
    Form_Load();
}

SettingFrm::~SettingFrm() = default;

void SettingFrm::connectEvents()
{
    connect(LightTab1, &LightTab::AfterTabChange, this, &SettingFrm::LightTab1_AfterTabChange);
    // A press on the tab row first checks the box being typed in, as a click
    // on any other control of the window would.
    LightTab1->tabStripWidget()->installEventFilter(this);
    for (int i = 0; i < int(ButtonEx1.size()); ++i)
        connect(ButtonEx1[i], &ButtonEx::Click, this, [this, i] { ButtonEx1_Click(qint16(i)); });
    // Any change of the list position, by the user or by code, is a click.
    connect(Combo1, &QComboBox::currentIndexChanged, this, &SettingFrm::Combo1_Click);
    // So is any change of the check state, which is what a load relies on.
    connect(Check1, &QCheckBox::toggled, this, &SettingFrm::Check1_Click);
    // Every step, so the label follows a drag as it happens.
    connect(HS1, &QSlider::valueChanged, this, &SettingFrm::HS1_Change);
    for (int i = 0; i < int(Text1.size()); ++i) {
        platform::installDigitKeyFilter(Text1[i]);
        platform::installValidateOnFocusLeave(Text1[i], [this, i](bool &cancel) {
            if (!m_closing)
                Text1_Validate(qint16(i), cancel);
        });
    }
}

void SettingFrm::Form_Load()
{
    GraphicsBas::CenterOnScreen(*this);
    //: A tab of the settings window; the spaces around it keep it off the tab's edges.
    LightTab1->setCaption(DifficultyTab, tr(" Difficulty "));
    LightTab1->setCaption(TimingTab, tr(" Timing "));
    LightTab1->setCaption(GeneralTab, tr(" General "));
    // Each page is read out under the name of its tab.
    for (int k = 0; k < int(Frame1.size()); ++k)
        Frame1[k]->setAccessibleName(LightTab1->caption(k).trimmed());
    Combo1->clear();
    for (int position = 0; position < settingsrules::TimeAllowedPositions; ++position)
        Combo1->addItem(QString::number(settingsrules::secondsAtPosition(position)));
    Acquire_Settings();
}

void SettingFrm::Form_Activate()
{
    m_activated = platform::BoolTrue;
}

bool SettingFrm::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QDialog::event(event);
}

bool SettingFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (enterPressed(watched, event))
        return true;
    const bool press =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (watched == LightTab1->tabStripWidget() && press && !validateFocusedBox())
        return true;
    return QDialog::eventFilter(watched, event);
}

void SettingFrm::showEvent(QShowEvent *event)
{
    m_closing = false;
    QDialog::showEvent(event);
    // Opened by the player, the window takes the focus, also where no window
    // manager hands it over (a bare X server).
    activateWindow();
}

void SettingFrm::done(int result)
{
    m_closing = true;
    QDialog::done(result);
}

void SettingFrm::LightTab1_AfterTabChange(qint16 index)
{
    if (index < 0 || index >= qint16(Frame1.size()))
        return;
    QWidget *focused = focusWidget();
    const bool focusOnOtherPage = focused && !Frame1[index]->isAncestorOf(focused) &&
                                  std::any_of(Frame1.begin(), Frame1.end(), [focused](QFrame *f) {
                                      return f->isAncestorOf(focused);
                                  });
    // Shown before the others hide, so a focus leaving them need not detour.
    Frame1[index]->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Frame1[index]->show();
    Frame1[index]->raise();
    for (int k = 0; k < int(Frame1.size()); ++k) {
        if (k == index)
            continue;
        Frame1[k]->hide();
        Frame1[k]->setFrameStyle(QFrame::NoFrame);
    }
    // The focus follows to the page shown rather than wandering to the
    // buttons.
    if (focusOnOtherPage) {
        const std::array<QWidget *, 3> firstControl{Text1[0], Combo1, Check3};
        firstControl[index]->setFocus(Qt::OtherFocusReason);
    }
}

bool SettingFrm::validateFocusedBox()
{
    for (int i = 0; i < int(Text1.size()); ++i) {
        if (focusWidget() != Text1[i])
            continue;
        bool cancel = false;
        Text1_Validate(qint16(i), cancel);
        if (cancel) {
            Text1[i]->setFocus(Qt::OtherFocusReason);
            return false;
        }
    }
    return true;
}

void SettingFrm::ButtonEx1_Click(qint16 index)
{
    if (index == CancelButton) {
        reject();
        return;
    }
    if (index != OkButton && index != ApplyButton)
        return;
    // A mouse click has already moved the focus here, checking the box on the
    // way (a refused check drops that click); a click raised while a box
    // still has the focus gets the same check now.
    if (!validateFocusedBox())
        return;
    switch (LightTab1->activeTab()) {
    case DifficultyTab:
        Apply_Difficulty();
        break;
    case TimingTab:
        Apply_Timing();
        break;
    case GeneralTab:
        Apply_General();
        break;
    default:
        break;
    }
    emit applied(m_settings, LightTab1->activeTab() == TimingTab);
    if (index == OkButton)
        accept();
}

void SettingFrm::Combo1_Click()
{
    if (m_activated == platform::BoolFalse || Combo1->currentIndex() < 0)
        return;
    cptest->setValue(Combo1->currentText().toInt());
}

void SettingFrm::Check1_Click()
{
    cptest->setShowValue(!cptest->showValue());
}

void SettingFrm::HS1_Change()
{
    Label4->setText(QString::number(HS1->value()));
}

void SettingFrm::Text1_KeyPress(qint16 /*index*/, qint16 &key)
{
    if (!platform::isDigitBoxKey(key))
        key = 0;
}

void SettingFrm::Text1_Validate(qint16 index, bool &cancel)
{
    settingsrules::BoxCheck check;
    if (index == 0)
        check = settingsrules::checkLowestBox(Text1[0]->text());
    else if (index == 1)
        check = settingsrules::checkHighestBox(Text1[0]->text(), Text1[1]->text());
    else
        return;
    if (check.showRangeMessage)
        platform::showInformation(this, tr("The Lowest value must be less than the Highest value."),
                                  tr("Invalid values."));
    if (check.replacement)
        Text1[index]->setText(*check.replacement);
    cancel = check.cancel;
}

void SettingFrm::Acquire_Settings()
{
    // Read by the rules the start-up reads by, so that the window shows what
    // the game plays: a value that cannot be read shows its default.
    const GLOBALbas::StoredSettings stored = GLOBALbas::ReadStoredSettings();
    // Checking the box raises its click, which shows the preview's seconds.
    Check1->setChecked(stored.showSeconds);

    m_settings.timeAllowed = stored.game.timeAllowed;
    Combo1->setCurrentIndex(stored.timeAllowedPosition);
    cptest->setValue(m_settings.timeAllowed);

    Check2->setChecked(stored.game.noSounds);

    m_settings.timerInterval = stored.game.timerInterval;
    HS1->setValue(m_settings.timerInterval);

    Text1[0]->setText(QString::number(stored.game.lowestTarget));
    Text1[1]->setText(QString::number(stored.game.highestTarget));

    Check3->setChecked(stored.game.completeSearch);
    Check4->setChecked(stored.game.playForPoints);
    Check5->setChecked(stored.game.reachableTargets);
    Check6->setChecked(stored.game.withoutClock);
    Combo2->setCurrentIndex(stored.game.difficulty);
}

void SettingFrm::storePage(std::initializer_list<std::pair<GLOBALbas::Setting, qint32>> page)
{
    QList<QPair<QString, qint32>> values;
    for (const auto &[setting, value] : page)
        values.append({GLOBALbas::StoredName(setting), value});
    // A page is written whole, or not at all; a page that could not be kept
    // is told, once for each kind of failure in a run of the game, and the
    // game still plays by it until it is closed.
    static QSet<qint32> told;
    const qint32 status =
        REGbas::StoreSettings(REGbas::HkeyCurrentUser, GLOBALbas::SettingsKeyPath, values);
    if (status == 0 || told.contains(status))
        return;
    told.insert(status);
    const QString where = platform::settingsFileForKey(GLOBALbas::SettingsKeyPath);
    QString text =
        //: %1: where the settings are kept (a file, or the registry's key).
        tr("Your settings could not be saved in %1, so they last only until the game is "
           "closed.")
            .arg(where.isEmpty() ? QStringLiteral("HKEY_CURRENT_USER\\Software\\Vantor\\Tallyfold")
                                 : where);
    if (status == REGbas::ErrorDiskFull)
        text += QLatin1Char(' ') + tr("The disk is full.");
    else if (status == REGbas::ErrorAccessDenied)
        text += QLatin1Char(' ') + tr("The game is not allowed to write there.");
    platform::showInformation(this, text, tr("Settings not saved"));
}

void SettingFrm::Apply_Difficulty()
{
    // The boxes are checked as the focus leaves them; a text that still is no
    // number is never converted, and nothing of this page is written then.
    const auto lowest = platform::parseInt16(Text1[0]->text());
    const auto highest = platform::parseInt16(Text1[1]->text());
    if (!lowest || !highest)
        return;
    const int rating = std::max(Combo2->currentIndex(), 0);
    storePage({{Setting::LowestTarget, *lowest},
               {Setting::HighestTarget, *highest},
               {Setting::Difficulty, rating}});
    m_settings.lowestTarget = *lowest;
    m_settings.highestTarget = *highest;
    m_settings.difficulty = qint16(rating);
}

void SettingFrm::Apply_Timing()
{
    const int position = std::max(Combo1->currentIndex(), 0);
    storePage({{Setting::ShowSeconds, checkState(Check1)},
               {Setting::TimeAllowed, position},
               {Setting::NoSounds, checkState(Check2)},
               {Setting::TimerInterval, HS1->value()}});
    m_settings.noSounds = Check2->isChecked();
    m_settings.timeAllowed = settingsrules::secondsAtPosition(position);
    m_settings.timerInterval = qint16(HS1->value());
}

void SettingFrm::Apply_General()
{
    storePage({{Setting::CompleteSearch, checkState(Check3)},
               {Setting::PlayForPoints, checkState(Check4)},
               {Setting::ReachableTargets, checkState(Check5)},
               {Setting::PlayWithoutClock, checkState(Check6)}});
    m_settings.completeSearch = Check3->isChecked();
    m_settings.playForPoints = Check4->isChecked();
    m_settings.reachableTargets = Check5->isChecked();
    m_settings.withoutClock = Check6->isChecked();
}
