#pragma once

#include "bool16.h"
#include "gamesettings.h"
#include "variant.h"

#include <QString>

// Where the settings live, their built-in values, and the start-up steps
// that read them from the settings store.
namespace GLOBALbas {

// Where the settings live in the current user's store.
inline const QString SettingsKeyPath = QStringLiteral("Software\\Vantor\\Tallyfold\\");

// The built-in values of a first run (nothing stored yet).
inline constexpr qint16 FirstRunTimeAllowed = GameSettings{}.timeAllowed;
inline constexpr qint16 FirstRunLowestTarget = GameSettings{}.lowestTarget;
inline constexpr qint16 FirstRunHighestTarget = GameSettings{}.highestTarget;
inline constexpr qint16 FirstRunTimerInterval = GameSettings{}.timerInterval;

// The smallest target bound the settings window takes: a stored bound below
// it (0 reads as nothing stored) falls back to its default.
inline constexpr qint16 SmallestTargetBound = 1;

// The value a later run falls back to for a missing or unusable tick period.
inline constexpr qint16 SlowestTimerIntervalDefault = 950;

// Each setting the store keeps, under its stored name (each a number value
// but where a hand-edited store holds text): the start-up and the settings
// window read them all through ReadStoredSettings, and the settings window
// writes its pages under these names.
enum class Setting {
    LowestTarget,
    HighestTarget,
    TimeAllowed, // stored as its place in the settings window's list (0: 30 ticks)
    ShowSeconds,
    NoSounds,
    TimerInterval,
    CompleteSearch,
    PlayForPoints,
    ReachableTargets,
    PlayWithoutClock,
    Difficulty,
};
QString StoredName(Setting setting);

// Everything the store holds, each value read by its own rule below: a value
// that cannot be read takes its default alone, and every other one is kept.
struct StoredSettings
{
    GameSettings game;
    bool showSeconds = false;
    int timeAllowedPosition = 0; // the time allowed's place in the settings window's list
};
StoredSettings ReadStoredSettings();

extern Variant LastRegValue; // the value the settings store last handed back

// Forgets the value the store last handed back, as in a fresh process. For
// tests that run the start-up more than once.
void ResetProcessValues();

// The settings part of the start-up: on the first run (the key cannot be
// opened) creates the empty key and gives the built-in values without writing
// them; on any later run reads the stored values with their reading rules.
GameSettings LoadSettings();

// The "ShowSeconds" switch as the main window reads it: true when the stored
// value's leading number is not zero.
bool FetchShowSeconds();

// The reading rules, one per stored value, applied to what the store handed back.
qint16 ReadTimeAllowed(const Variant &stored);
platform::Bool16 ReadNoSounds(const Variant &stored);
qint16 ReadLowestTarget(const Variant &stored);
qint16 ReadHighestTarget(const Variant &stored, qint16 lowestTarget);
qint16 ReadTimerInterval(const Variant &stored);
// The on/off switches of the General page: on when the stored number is not 0.
bool ReadSwitch(const Variant &stored);
// The difficulty's place: 0 (any target) to GameSettings::HardestDifficulty.
qint16 ReadDifficulty(const Variant &stored);

} // namespace GLOBALbas
