#include "inputcodes.h"

#include <QPixmap>

namespace button {

short mouseButtonBits(Qt::MouseButtons buttons)
{
    short bits = 0;
    if (buttons & Qt::LeftButton)
        bits |= 1;
    if (buttons & Qt::RightButton)
        bits |= 2;
    if (buttons & Qt::MiddleButton)
        bits |= 4;
    return bits;
}

short shiftBits(Qt::KeyboardModifiers modifiers)
{
    short bits = 0;
    if (modifiers & Qt::ShiftModifier)
        bits |= 1;
    if (modifiers & Qt::ControlModifier)
        bits |= 2;
    if (modifiers & Qt::AltModifier)
        bits |= 4;
    return bits;
}

short virtualKeyCode(int qtKey)
{
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) ||
        qtKey == Qt::Key_Space)
        return static_cast<short>(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return static_cast<short>(0x70 + (qtKey - Qt::Key_F1));
    switch (qtKey) {
    case Qt::Key_Backspace:
        return 0x08;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 0x09;
    case Qt::Key_Clear:
        return 0x0C;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 0x0D;
    case Qt::Key_Shift:
        return 0x10;
    case Qt::Key_Control:
        return 0x11;
    case Qt::Key_Alt:
        return 0x12;
    case Qt::Key_Pause:
        return 0x13;
    case Qt::Key_CapsLock:
        return 0x14;
    case Qt::Key_Escape:
        return 0x1B;
    case Qt::Key_PageUp:
        return 0x21;
    case Qt::Key_PageDown:
        return 0x22;
    case Qt::Key_End:
        return 0x23;
    case Qt::Key_Home:
        return 0x24;
    case Qt::Key_Left:
        return 0x25;
    case Qt::Key_Up:
        return 0x26;
    case Qt::Key_Right:
        return 0x27;
    case Qt::Key_Down:
        return 0x28;
    case Qt::Key_Print:
        return 0x2C;
    case Qt::Key_Insert:
        return 0x2D;
    case Qt::Key_Delete:
        return 0x2E;
    case Qt::Key_Asterisk:
        return 0x6A;
    case Qt::Key_Plus:
        return 0xBB;
    case Qt::Key_Comma:
        return 0xBC;
    case Qt::Key_Minus:
        return 0xBD;
    case Qt::Key_Period:
        return 0xBE;
    case Qt::Key_NumLock:
        return 0x90;
    case Qt::Key_ScrollLock:
        return 0x91;
    default:
        return 0;
    }
}

std::optional<QCursor> cursorFor(int mousePointer, const std::optional<QImage> &mouseIcon)
{
    switch (mousePointer) {
    case 1:
    case 4: // the icon shape of old desktops is a plain arrow today
        return QCursor(Qt::ArrowCursor);
    case 2:
        return QCursor(Qt::CrossCursor);
    case 3:
        return QCursor(Qt::IBeamCursor);
    case 5:
    case 15:
        return QCursor(Qt::SizeAllCursor);
    case 6:
        return QCursor(Qt::SizeBDiagCursor);
    case 7:
        return QCursor(Qt::SizeVerCursor);
    case 8:
        return QCursor(Qt::SizeFDiagCursor);
    case 9:
        return QCursor(Qt::SizeHorCursor);
    case 10:
        return QCursor(Qt::UpArrowCursor);
    case 11:
        return QCursor(Qt::WaitCursor);
    case 12:
        return QCursor(Qt::ForbiddenCursor);
    case 13:
        return QCursor(Qt::BusyCursor);
    case 14:
        return QCursor(Qt::WhatsThisCursor);
    case 99:
        if (mouseIcon && !mouseIcon->isNull())
            return QCursor(QPixmap::fromImage(*mouseIcon));
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

int dropEffectsOf(Qt::DropActions actions)
{
    int effects = 0;
    if (actions & Qt::CopyAction)
        effects |= 1;
    if (actions & Qt::MoveAction)
        effects |= 2;
    if (actions & Qt::LinkAction)
        effects |= 4;
    return effects;
}

Qt::DropActions dropActionsOf(int effects)
{
    Qt::DropActions actions;
    if (effects & 1)
        actions |= Qt::CopyAction;
    if (effects & 2)
        actions |= Qt::MoveAction;
    if (effects & 4)
        actions |= Qt::LinkAction;
    return actions;
}

Qt::DropAction preferredDropAction(int effects)
{
    if (effects & 1)
        return Qt::CopyAction;
    if (effects & 2)
        return Qt::MoveAction;
    if (effects & 4)
        return Qt::LinkAction;
    return Qt::IgnoreAction;
}

} // namespace button
