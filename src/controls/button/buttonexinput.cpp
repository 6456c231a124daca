// ButtonEx's input side: mouse, keys, focus, the access key, the hover poll,
// drag and drop and the event dispatcher. The properties and the repaint are
// in buttonex.cpp.
#include "buttonex.h"

#include "inputcodes.h"
#include "surfaceshape.h"

#include <QDrag>
#include <QDropEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QShortcutEvent>

namespace State = button::State;

namespace {

bool is(const QString &name, const char *event)
{
    return name.compare(QLatin1String(event), Qt::CaseInsensitive) == 0;
}

} // namespace

void ButtonEx::RaiseNamedEvent(const QString &name, const QVariantList &args)
{
    if (is(name, "MouseEnter") || is(name, "MouseExit")) {
        const QString canonical =
            is(name, "MouseEnter") ? QStringLiteral("MouseEnter") : QStringLiteral("MouseExit");
        const bool repeated = canonical == m_lastHoverEvent;
        m_lastHoverEvent = canonical;
        if (repeated)
            return;
        if (canonical == QLatin1String("MouseEnter"))
            emit MouseEnter();
        else
            emit MouseExit();
        return;
    }
    // Copies: a handler that changes its arguments changes nothing here.
    auto integer = [&args](int i) { return static_cast<short>(args.value(i).toInt()); };
    auto single = [&args](int i) { return args.value(i).toFloat(); };
    if (is(name, "Click"))
        emit Click();
    else if (is(name, "KeyDown"))
        emit KeyDown(integer(0), integer(1));
    else if (is(name, "KeyPress"))
        emit KeyPress(integer(0));
    else if (is(name, "KeyUp"))
        emit KeyUp(integer(0), integer(1));
    else if (is(name, "mouseDown"))
        emit mouseDown(integer(0), integer(1), single(2), single(3));
    else if (is(name, "MouseMove"))
        emit MouseMove(integer(0), integer(1), single(2), single(3));
    else if (is(name, "MouseUp"))
        emit MouseUp(integer(0), integer(1), single(2), single(3));
    else if (is(name, "Resize"))
        emit Resize();
}

void ButtonEx::accessKeyPressed()
{
    RaiseNamedEvent(QStringLiteral("Click"));
}

bool ButtonEx::event(QEvent *event)
{
    // Drawn before it is first seen, so that a skin's size is taken then, and
    // before anything a user does reads the state it shows.
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Shortcut:
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::DragLeave:
    case QEvent::Drop:
        drawPending();
        break;
    default:
        if (event->isInputEvent())
            drawPending();
        break;
    }
    if (event->type() == QEvent::Shortcut) {
        auto *shortcut = static_cast<QShortcutEvent *>(event);
        if (m_shortcutId != 0 && shortcut->shortcutId() == m_shortcutId) {
            accessKeyPressed();
            return true;
        }
    }
    const bool handled = QWidget::event(event);
    // On another screen, or at another scale, the face is drawn again at the
    // new resolution.
    if (platform::mayChangeDevicePixelRatio(*event) &&
        platform::followDevicePixelRatio(*this, {&m_surface}))
        repaintCurrent();
    return handled;
}

// --- mouse -----------------------------------------------------------------------

void ButtonEx::mousePressEvent(QMouseEvent *event)
{
    const short button = button::mouseButtonBits(event->button());
    const short shift = button::shiftBits(event->modifiers());
    const QPointF at = event->position();
    if (button == 1) {
        // Flips a toggle; a push button keeps the value without drawing it.
        m_p.value = m_drawState == State::Down ? State::Up : State::Down;
        changed("Value");
        Redraw(State::Down);
    }
    // The button that starts a press decides its click: another button
    // pressed and released meanwhile changes nothing.
    if (event->buttons() == event->button())
        m_leftPressedInside = event->button() == Qt::LeftButton;
    RaiseNamedEvent(QStringLiteral("mouseDown"), {button, shift, twipsX(at.x()), twipsY(at.y())});
}

void ButtonEx::mouseMoveEvent(QMouseEvent *event)
{
    const short button = button::mouseButtonBits(event->buttons());
    const short shift = button::shiftBits(event->modifiers());
    const QPointF at = event->position();
    if (m_ambient.userMode && !m_hover->isRunning()) {
        // The first move only starts tracking; the look follows from the next.
        m_hover->start();
    } else if (button == 0 && m_drawState != State::Over) {
        Redraw(State::Over);
    } else if (button == 1 && m_drawState != State::Down) {
        Redraw(State::Down);
    }
    const bool inside =
        at.x() >= 0 && at.x() <= m_surface.width() && at.y() >= 0 && at.y() <= m_surface.height();
    if (inside) {
        RaiseNamedEvent(QStringLiteral("MouseEnter"));
        RaiseNamedEvent(QStringLiteral("MouseMove"),
                        {button, shift, twipsX(at.x()), twipsY(at.y())});
    }
}

void ButtonEx::mouseReleaseEvent(QMouseEvent *event)
{
    const short button = button::mouseButtonBits(event->button());
    const short shift = button::shiftBits(event->modifiers());
    const QPointF at = event->position();
    if (button == 1)
        Redraw(State::Up);
    RaiseNamedEvent(QStringLiteral("MouseUp"), {button, shift, twipsX(at.x()), twipsY(at.y())});
    // The click of a press and release inside; right and middle buttons do
    // not activate a push button.
    const bool click =
        event->button() == Qt::LeftButton && m_leftPressedInside && rect().contains(at.toPoint());
    if (event->button() == Qt::LeftButton)
        m_leftPressedInside = false;
    if (click)
        RaiseNamedEvent(QStringLiteral("Click"));
}

void ButtonEx::pointerLeft()
{
    RaiseNamedEvent(QStringLiteral("MouseExit"));
    if (m_drawState != State::Up)
        Redraw(State::Up);
}

// --- keys and focus ------------------------------------------------------------------

void ButtonEx::keyPressEvent(QKeyEvent *event)
{
    const short shift = button::shiftBits(event->modifiers());
    RaiseNamedEvent(QStringLiteral("KeyDown"), {button::virtualKeyCode(event->key()), shift});
    const QString text = event->text();
    if (text.size() == 1)
        RaiseNamedEvent(QStringLiteral("KeyPress"), {static_cast<short>(text.at(0).unicode())});
    // Keys never press the button; let the window see them too (default and
    // cancel buttons, shortcuts).
    event->ignore();
}

void ButtonEx::keyReleaseEvent(QKeyEvent *event)
{
    if (!event->isAutoRepeat()) {
        const short shift = button::shiftBits(event->modifiers());
        RaiseNamedEvent(QStringLiteral("KeyUp"), {button::virtualKeyCode(event->key()), shift});
    }
    event->ignore();
}

void ButtonEx::focusInEvent(QFocusEvent *event)
{
    m_focusLook = true;
    repaintCurrent();
    QWidget::focusInEvent(event);
}

void ButtonEx::focusOutEvent(QFocusEvent *event)
{
    m_focusLook = false;
    repaintCurrent();
    QWidget::focusOutEvent(event);
}

// --- drag and drop -------------------------------------------------------------------

void ButtonEx::raiseDragOver(QDropEvent *event, short state)
{
    m_dragData = const_cast<QMimeData *>(event->mimeData());
    m_dragPosition = event->position();
    // No effect unless a handler offers one: a button is no drop target by
    // itself.
    int effect = 0;
    short button = button::mouseButtonBits(event->buttons());
    short shift = button::shiftBits(event->modifiers());
    float x = twipsX(m_dragPosition.x());
    float y = twipsY(m_dragPosition.y());
    emit OLEDragOver(m_dragData, effect, button, shift, x, y, state);
    const int offered = effect & button::dropEffectsOf(event->possibleActions());
    if (offered != 0) {
        event->setDropAction(button::preferredDropAction(offered));
        event->accept();
    } else {
        event->ignore();
    }
}

void ButtonEx::dragEnterEvent(QDragEnterEvent *event)
{
    raiseDragOver(event, 0);
    // Entered drags are always followed by moves and a leave or drop.
    event->setAccepted(true);
    Redraw(State::Over);
}

void ButtonEx::dragMoveEvent(QDragMoveEvent *event)
{
    raiseDragOver(event, 2);
}

void ButtonEx::dragLeaveEvent(QDragLeaveEvent *)
{
    int effect = 0;
    short button = 0;
    short shift = 0;
    float x = twipsX(m_dragPosition.x());
    float y = twipsY(m_dragPosition.y());
    short state = 1;
    emit OLEDragOver(m_dragData, effect, button, shift, x, y, state);
    m_dragData = nullptr;
    Redraw(State::Up);
}

void ButtonEx::dropEvent(QDropEvent *event)
{
    int effect = button::dropEffectsOf(event->dropAction());
    short button = button::mouseButtonBits(event->buttons());
    short shift = button::shiftBits(event->modifiers());
    float x = twipsX(event->position().x());
    float y = twipsY(event->position().y());
    emit OLEDragDrop(const_cast<QMimeData *>(event->mimeData()), effect, button, shift, x, y);
    m_dragData = nullptr;
    const int taken = effect & button::dropEffectsOf(event->possibleActions());
    if (taken != 0) {
        event->setDropAction(button::preferredDropAction(taken));
        event->accept();
    } else {
        event->ignore();
    }
}

void ButtonEx::OLEDrag()
{
    auto *data = new QMimeData;
    int allowed = 0;
    emit OLEStartDrag(data, allowed);
    int effect = 0;
    if (allowed == 0) {
        // Nothing offered: the drag ends before it starts.
        delete data;
        emit OLECompleteDrag(effect);
        return;
    }
    auto *drag = new QDrag(this);
    drag->setMimeData(data);
    connect(drag, &QDrag::actionChanged, this, [this](Qt::DropAction action) {
        int feedback = button::dropEffectsOf(action);
        bool defaultCursors = true;
        emit OLEGiveFeedback(feedback, defaultCursors);
    });
    effect = button::dropEffectsOf(drag->exec(button::dropActionsOf(allowed)));
    emit OLECompleteDrag(effect);
}
