#pragma once

#include <QString>

#include <optional>

// The settings window's rules that need no window: what a target box accepts
// when the focus leaves it. Stored values are read by GLOBALbas::ReadStoredSettings.
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

} // namespace settingsrules
