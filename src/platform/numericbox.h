#pragma once

#include <QString>

#include <functional>
#include <optional>

class QLineEdit;

// The rules the game's number boxes share: which typed keys they keep, how
// their text reads as a 16-bit number, and a check that runs when the focus
// moves on to another control of the same window.
namespace platform {

inline constexpr int KeyBackspace = 8;
inline constexpr int KeyTab = 9;

// True for the key codes a digits-only box keeps: '0'-'9', backspace, tab.
bool isDigitBoxKey(int keyAscii);

// The box's text as a 16-bit whole number: decimal digits with an optional
// sign and blanks around them. Anything else (no digits, other characters,
// a value outside -32768..32767) gives nothing.
std::optional<qint16> parseInt16(const QString &text);

// Makes `edit` swallow every typed character whose code is not kept by
// isDigitBoxKey, and every character but '0'-'9' that an input method
// commits or a paste by key brings. Keys that type nothing (arrows, Delete,
// Home...) and the editing shortcuts (select all, copy, cut, undo) still
// work; so does pasting from the context menu, which is why the text still
// has to be checked.
void installDigitKeyFilter(QLineEdit *edit);

// Runs `validate` when the focus leaves `edit` for another control of the same
// window (not when the window itself loses the focus). When it sets its
// argument to true, the focus goes back to `edit`, and a mouse click that was
// moving the focus away is dropped: the button clicked never sees it.
using Validator = std::function<void(bool &cancel)>;
void installValidateOnFocusLeave(QLineEdit *edit, Validator validate);

} // namespace platform
