// Playing with the keyboard alone. The face-down tiles take the focus in
// reading order and the arrow keys move through their grid; Space or Enter
// picks the focused tile and presses the game and answer buttons. A tile
// never presses itself on a key: the window acts on the key events it raises.

#include "buttonex.h"
#include "gamefrm.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

namespace {

// The desktop's key codes the tiles' key events carry.
constexpr short KeyReturn = 13;
constexpr short KeySpace = 32;
constexpr short KeyLeft = 37;
constexpr short KeyUp = 38;
constexpr short KeyRight = 39;
constexpr short KeyDown = 40;

// The tiles lie in rows of 10, 10 and 4.
constexpr int RowLength = 10;

int tileAt(int column, int row)
{
    const int tile = row * RowLength + column;
    if (row < 0 || column < 0 || column >= RowLength || tile >= NumberBoard::TileCount)
        return -1;
    return tile;
}

} // namespace

void GameFrm::setUpKeyboard()
{
    // Tab walks the tiles in reading order, then the buttons and the answers.
    QWidget *previous = btnPick[0];
    for (int i = 1; i < NumberBoard::TileCount; ++i) {
        setTabOrder(previous, btnPick[i]);
        previous = btnPick[i];
    }
    setTabOrder(previous, Command1);
    setTabOrder(Command1, cmdAnswer);
    setTabOrder(cmdAnswer, List1);
    // A push button in a main window takes Space but not Enter.
    Command1->installEventFilter(this);
    cmdAnswer->installEventFilter(this);
    btnPick[0]->setFocus();
}

void GameFrm::btnPick_KeyDown(qint16 index, short keyCode)
{
    const int column = index % RowLength;
    const int row = index / RowLength;
    switch (keyCode) {
    case KeyReturn:
    case KeySpace:
        if (m_flow.isTilePicked(index))
            return;
        btnPick_Click(index);
        focusFaceDownTile(index + 1, 1);
        return;
    case KeyLeft:
    case KeyRight:
        moveTileFocus(column, row, keyCode == KeyLeft ? -1 : 1, 0);
        return;
    case KeyUp:
    case KeyDown:
        moveTileFocus(column, row, 0, keyCode == KeyUp ? -1 : 1);
        return;
    default:
        return;
    }
}

void GameFrm::moveTileFocus(int column, int row, int dx, int dy)
{
    // To the nearest face-down tile that way, skipping picked ones; at the
    // edge of the grid the focus stays.
    for (int c = column + dx, r = row + dy;; c += dx, r += dy) {
        const int tile = tileAt(c, r);
        if (tile < 0)
            return;
        if (btnPick[tile]->isVisible()) {
            btnPick[tile]->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void GameFrm::focusFaceDownTile(int from, int step)
{
    // The next face-down tile in reading order (round the board), or once
    // all six are picked, the game button.
    for (int n = 0; n < NumberBoard::TileCount; ++n) {
        const int tile = ((from + step * n) % NumberBoard::TileCount + NumberBoard::TileCount) %
                         NumberBoard::TileCount;
        if (btnPick[tile]->isVisible()) {
            btnPick[tile]->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    if (Command1->isEnabled())
        Command1->setFocus(Qt::TabFocusReason);
}

bool GameFrm::pressedWithEnter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    auto *button = qobject_cast<QPushButton *>(watched);
    if (!button || (key != Qt::Key_Return && key != Qt::Key_Enter))
        return false;
    if (button->isEnabled())
        button->click();
    return true;
}
