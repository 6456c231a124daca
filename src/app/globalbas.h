#pragma once

#include "bool16.h"
#include "variant.h"

#include <QList>
#include <QString>

// The process-wide values every window reads and writes directly, and the
// start-up steps that fill them from the settings store.
namespace GLOBALbas {

// Where the settings live in the current user's store.
inline const QString SettingsKeyPath = QStringLiteral("Software\\Vantor\\Tallyfold\\");

// The built-in values of a first run (nothing stored yet).
inline constexpr qint16 FirstRunTimeAllowed = 30;
inline constexpr qint16 FirstRunLowestTarget = 101;
inline constexpr qint16 FirstRunHighestTarget = 999;
inline constexpr qint16 FirstRunTimerInterval = 1000;

// The smallest target bound the settings window takes: a stored bound below
// it (0 reads as nothing stored) falls back to its default.
inline constexpr qint16 SmallestTargetBound = 1;

// The value a later run falls back to for a missing or unusable tick period.
inline constexpr qint16 SlowestTimerIntervalDefault = 950;

extern qint16 TimeAllowed;        // clock ticks in one game
extern platform::Bool16 NoSounds; // the clock music is muted
extern qint16 LowestTarget;       // smallest target the draw may give
extern qint16 HighestTarget;      // largest target the draw may give
extern qint16 TimerInterval;      // one clock tick, in milliseconds
// With no answer from a finished search, the complete search lists every way
// there is, or the nearest one can get ("CompleteSearch", off by default).
extern bool CompleteSearch;
extern Variant LastRegValue; // the value the settings store last handed back

// Puts every value back to how a fresh process starts (before the settings
// are loaded). For tests that run the start-up more than once.
void ResetProcessValues();

// The settings part of the start-up: on the first run (the key cannot be
// opened) creates the empty key and takes the built-in values without writing
// them; on any later run reads the five stored values with their reading rules.
void LoadSettings();

// The "ShowSeconds" switch as the main window reads it: true when the stored
// value's leading number is not zero.
bool FetchShowSeconds();

// The reading rules, one per stored value, applied to what the store handed back.
qint16 ReadTimeAllowed(const Variant &stored);
platform::Bool16 ReadNoSounds(const Variant &stored);
qint16 ReadLowestTarget(const Variant &stored);
qint16 ReadHighestTarget(const Variant &stored, qint16 lowestTarget);
qint16 ReadTimerInterval(const Variant &stored);
bool ReadCompleteSearch(const Variant &stored);

} // namespace GLOBALbas
