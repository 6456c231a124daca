#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace platform {

// Whether the player can select (and so copy) a message's text.
enum class MessageText { Fixed, Selectable };

// The game's one kind of message: a modal box with the information icon, a
// text, a title and an OK button. It returns when the user has closed it.
void showInformation(QWidget *parent, const QString &text, const QString &title,
                     MessageText textKind = MessageText::Fixed);

// The least width of such a box with `title`, so that its frame shows the
// title whole.
int messageBoxWidthForTitle(const QString &title);

// Tests route messages here instead of a modal box so that nothing waits on a
// dialog; pass an empty function to restore the real box.
using MessageSink = std::function<void(const QString &text, const QString &title)>;
void setMessageSinkForTesting(MessageSink sink);

} // namespace platform
