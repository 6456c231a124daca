#pragma once

#include "variant.h"

#include <QString>

#include <optional>

// The settings window's rules that need no window: what a target box accepts
// when the focus leaves it, and how a stored value reads back into a control.
namespace settingsrules {

inline const QString LowestDefaultText = QStringLiteral("101");
inline const QString HighestDefaultText = QStringLiteral("999");

// The time-allowed list: positions 0 to 6 for 30 to 60 seconds in steps of 5.
inline constexpr int TimeAllowedPositions = 7;
inline constexpr qint16 FirstTimeAllowed = 30;
inline constexpr qint16 TimeAllowedStep = 5;
qint16 secondsAtPosition(int position);

// The outcome of checking a target box as the focus leaves it.
struct BoxCheck
{
    bool cancel = false;                // the focus stays in the box
    std::optional<QString> replacement; // the box's new text, if it changes
    bool showRangeMessage = false;      // tell the player why
};

// The lowest box takes a 16-bit number of at least 1; an empty text, or one
// that is no such number (overlong digits, pasted junk), is put back to the
// default, and so is 0 or less, with the range message: the store could not
// keep it (a stored 0 reads as nothing stored).
BoxCheck checkLowestBox(const QString &lowest);

// The highest box likewise, and it must not be below the lowest box (equal is
// fine). A lowest box that is no number cannot be compared and is left to its
// own check.
BoxCheck checkHighestBox(const QString &lowest, const QString &highest);

// A stored value as the window reads it: nothing for an absent, empty or 0
// value (the store's one test for "nothing stored"), and also for a value
// that is no 16-bit number, which only a damaged store can hold.
std::optional<qint16> storedNumber(const Variant &stored);

// A stored target bound, or nothing where the boxes would refuse it.
std::optional<qint16> storedTargetBound(const Variant &stored);

// A stored list position of the time-allowed list, or nothing when there is
// none or it names no item of the list.
std::optional<int> storedTimeAllowedPosition(const Variant &stored);

} // namespace settingsrules
