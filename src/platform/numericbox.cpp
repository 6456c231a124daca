#include "numericbox.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace platform {

bool isDigitBoxKey(int keyAscii)
{
    return (keyAscii >= '0' && keyAscii <= '9') || keyAscii == KeyBackspace || keyAscii == KeyTab;
}

std::optional<qint16> parseInt16(const QString &text)
{
    const QString trimmed = text.trimmed();
    qsizetype at = 0;
    bool negative = false;
    if (at < trimmed.size() && (trimmed.at(at) == u'+' || trimmed.at(at) == u'-')) {
        negative = trimmed.at(at) == u'-';
        ++at;
    }
    if (at == trimmed.size())
        return std::nullopt;
    // Accumulated in 32 bits and stopped as soon as it leaves the 16-bit
    // range, so no length of digits can overflow.
    qint32 magnitude = 0;
    for (; at < trimmed.size(); ++at) {
        const char16_t c = trimmed.at(at).unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        magnitude = magnitude * 10 + (c - u'0');
        if (magnitude > 32768)
            return std::nullopt;
    }
    const qint32 value = negative ? -magnitude : magnitude;
    if (value > 32767)
        return std::nullopt;
    return static_cast<qint16>(value);
}

namespace {

QString digitsOf(const QString &text)
{
    QString digits;
    for (const QChar c : text) {
        if (c >= u'0' && c <= u'9')
            digits += c;
    }
    return digits;
}

class DigitKeyFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::InputMethod)
            return filterInputMethod(watched, static_cast<QInputMethodEvent *>(event));
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto *key = static_cast<QKeyEvent *>(event);
        // A paste by key puts in the digits of the clipboard's text alone.
        if (key->matches(QKeySequence::Paste)) {
            if (auto *edit = qobject_cast<QLineEdit *>(watched); edit && !edit->isReadOnly())
                edit->insert(digitsOf(QGuiApplication::clipboard()->text()));
            return true;
        }
        const QString text = key->text();
        // Keys that type nothing (arrows, Delete, Home...) move about the
        // box as usual, and so do the editing shortcuts (select all, copy,
        // cut, undo), whose text is a control character; Escape is left to
        // the window, which closes.
        const bool shortcut = key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
        if (text.isEmpty() || shortcut || key->key() == Qt::Key_Escape)
            return false;
        const bool keep = text.size() == 1 && isDigitBoxKey(text.at(0).unicode());
        return !keep;
    }

private:
    // An input method (a compose key, an East Asian keyboard) commits its
    // text without key presses; each character it types must pass the same
    // rule, so only the digits of its text go in.
    static bool filterInputMethod(QObject *watched, QInputMethodEvent *event)
    {
        const QString commit = event->commitString();
        const QString digits = digitsOf(commit);
        if (digits.size() == commit.size())
            return false;
        QInputMethodEvent kept(event->preeditString(), event->attributes());
        kept.setCommitString(digits, event->replacementStart(), event->replacementLength());
        QCoreApplication::sendEvent(watched, &kept);
        return true;
    }
};

// Eats the mouse press that moved the focus out of a box whose check failed,
// and its release, so the control pressed does not act on it. The press is
// delivered right after the focus change, in the same dispatch; if it does not
// come before the event loop turns, there is nothing to drop.
class DroppedClick : public QObject
{
public:
    explicit DroppedClick(QWidget *target)
        : QObject(target)
    {
        target->installEventFilter(this);
        QTimer::singleShot(0, this, [this] {
            if (m_state == State::WaitingForPress)
                finish();
        });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (m_state != State::WaitingForPress)
                break;
            m_state = State::WaitingForRelease;
            // A message box may have taken the release already.
            if (QGuiApplication::mouseButtons() == Qt::NoButton)
                finish();
            return true;
        case QEvent::MouseButtonRelease:
            if (m_state != State::WaitingForRelease)
                break;
            finish();
            return true;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    enum class State { WaitingForPress, WaitingForRelease, Done };

    void finish()
    {
        m_state = State::Done;
        deleteLater();
    }

    State m_state = State::WaitingForPress;
};

} // namespace

void installDigitKeyFilter(QLineEdit *edit)
{
    edit->installEventFilter(new DigitKeyFilter(edit));
}

void installValidateOnFocusLeave(QLineEdit *edit, Validator validate)
{
    auto checking = std::make_shared<bool>(false);
    QObject::connect(
        qApp, &QApplication::focusChanged, edit,
        [edit, validate = std::move(validate), checking](QWidget *old, QWidget *now) {
            if (old != edit || !now || now == edit || now->window() != edit->window() || *checking)
                return;
            *checking = true;
            const QPointer<QWidget> taker = now;
            const bool mouseMovedFocus = QGuiApplication::mouseButtons() != Qt::NoButton;
            bool cancel = false;
            validate(cancel);
            if (cancel) {
                if (mouseMovedFocus && taker)
                    new DroppedClick(taker);
                edit->setFocus(Qt::OtherFocusReason);
            }
            *checking = false;
        });
}

} // namespace platform
