#pragma once

#include "bool16.h"
#include "gamesettings.h"
#include "globalbas.h"

#include <QDialog>

#include <array>
#include <initializer_list>
#include <utility>

class ButtonEx;
class LightTab;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QSlider;
class VelCProg;

// The settings window: the target range, the time allowed, the clock's tick
// period, the music switch, the show-seconds switch and the General page's
// switches (complete search, play for points, reachable targets), one tab at
// a time.
// It loads the controls from the settings store and writes back only the
// shown tab's values on "OK" or "Apply".
class SettingFrm : public QDialog
{
    Q_OBJECT

public:
    // ButtonEx1's buttons, as drawn: OK, Cancel, Apply.
    enum ButtonIndex : qint16 { CancelButton = 0, OkButton = 1, ApplyButton = 2 };

    // Builds the controls and loads the window (Form_Load) over the settings
    // the game plays by; settings() then holds them with what the window read
    // from the store (the time allowed and the tick as stored).
    explicit SettingFrm(const GameSettings &settings, QWidget *parent = nullptr);
    const GameSettings &settings() const { return m_settings; }
    ~SettingFrm() override;

    // The window's events.
    void Form_Load();
    void Form_Activate();
    void LightTab1_AfterTabChange(qint16 index);
    void ButtonEx1_Click(qint16 index);
    void Combo1_Click();
    void Check1_Click();
    void HS1_Change();
    void Text1_KeyPress(qint16 index, qint16 &key);
    void Text1_Validate(qint16 index, bool &cancel);

    void Acquire_Settings();
    void Apply_Difficulty();
    void Apply_Timing();
    void Apply_General();

    // Set by the first activation; until then list changes are the load's.
    platform::Bool16 activatedFlag() const { return m_activated; }

    // The clock-speed slider's range and steps, in milliseconds.
    static constexpr int SliderMinimum = 950;
    static constexpr int SliderMaximum = 2000;
    static constexpr int SliderDesignValue = 950;
    static constexpr int SliderSmallStep = 10;
    static constexpr int SliderLargeStep = 50;

    // Controls, under their names.
    LightTab *LightTab1 = nullptr;
    std::array<QFrame *, 3> Frame1{};
    QGroupBox *Frame2 = nullptr;
    std::array<QLineEdit *, 2> Text1{};
    std::array<QLabel *, 2> Label3{};
    QLabel *Label1 = nullptr;
    QComboBox *Combo1 = nullptr;
    VelCProg *cptest = nullptr;
    QCheckBox *Check1 = nullptr;
    QCheckBox *Check2 = nullptr;
    QSlider *HS1 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label2 = nullptr;
    QCheckBox *Check3 = nullptr; // General: the complete search when no answer is found
    QCheckBox *Check4 = nullptr; // General: the player's answer scored
    QCheckBox *Check5 = nullptr; // General: only targets the numbers reach
    QCheckBox *Check6 = nullptr; // General: the clock stays still
    QLabel *Label6 = nullptr;    // Difficulty: names Combo2
    QComboBox *Combo2 = nullptr; // Difficulty: the rating the roll stops on
    std::array<ButtonEx *, 3> ButtonEx1{};

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

public slots:
    void done(int result) override;

signals:
    // OK or Apply kept the page shown: the settings the game now plays by;
    // `clock` when it was the Timing page, whose clock speed the game's
    // running clock takes at once.
    void applied(const GameSettings &settings, bool clock);

private:
    // Writes one page's values together and tells a failure to keep them.
    void storePage(std::initializer_list<std::pair<GLOBALbas::Setting, qint32>> page);
    void createControls();
    void createDifficultyTab();
    void createTimingTab();
    void createGeneralTab();
    void createButtons();
    void connectEvents();
    void loadPreviewDesign();
    void setUpKeyboard();
    // The page `step` tabs on (round the strip), as a click on its tab.
    void switchPage(int step);
    // Enter in a target box: OK.
    bool enterPressed(QObject *watched, QEvent *event);
    // Runs the check of the target box that has the focus, as leaving it for
    // another control would; false when the box keeps the focus, and the
    // click that asked is then dropped.
    bool validateFocusedBox();

    GameSettings m_settings;
    platform::Bool16 m_activated = platform::BoolFalse;
    // Set while the window closes: leaving a box then checks nothing.
    bool m_closing = false;
};
