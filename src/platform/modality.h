#pragma once

class QDialog;
class QObject;
class QWidget;

namespace platform {

// Whether `widget`'s window is behind a modal window: an application-modal
// one that is not its own or one of its parents, a window-modal one over
// it, or one shown with showModalOver(). Clicks and keys do not reach such a
// window; nothing else that acts on it may either.
bool isBehindModal(const QWidget &widget);
// The same for the widget `object` is, or for the first widget an action
// (a menu command) is shown on.
bool isBehindModal(const QObject &object);

// Shows `dialog` over `owner` as a window-modal window: a click on the owner
// brings the dialog back to the front, its keys and the owner's controls
// are refused, and isBehindModal() says so. Unlike Qt's own window
// modality, a close asked for on the owner (its close box, a compositor's
// close) still reaches it, which then decides what becomes of the dialog.
// Lasts until the dialog is hidden.
void showModalOver(QDialog &dialog, QWidget &owner);

// From now on an assistive technology's action on one of the standard
// controls (press, toggle, check, a text or a value set, the focus) is
// refused while the control's window is behind a modal one, as a click
// would be. The program's own controls refuse theirs themselves.
void refuseAccessibleActionsBehindModals();

} // namespace platform
