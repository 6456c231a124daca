// The settings window with the keyboard: Ctrl+Tab and Ctrl+PgDn (backwards
// with Shift, or PgUp) switch the page as a click on its tab does; Enter is
// OK and Escape is Cancel from anywhere in the window; Space or Enter on a
// focused OK, Cancel or Apply presses it. The buttons never press themselves
// on a key: the window acts on the key events they raise.

#include "buttonex.h"
#include "lighttab.h"
#include "settingfrm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QSlider>

#include <algorithm>

namespace {

// The desktop's key codes the buttons' key events carry.
constexpr short KeyReturn = 13;
constexpr short KeySpace = 32;

bool isEnter(const QKeyEvent &key)
{
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

} // namespace

void SettingFrm::setUpKeyboard()
{
    // The tab order follows the drawing: the controls of the page shown (the
    // hidden pages' are skipped), then OK, Cancel and Apply, left to right.
    const QList<QWidget *> order{Text1[0],
                                 Text1[1],
                                 Combo2,
                                 Combo1,
                                 Check1,
                                 Check2,
                                 HS1,
                                 Check3,
                                 Check4,
                                 Check5,
                                 Check6,
                                 ButtonEx1[OkButton],
                                 ButtonEx1[CancelButton],
                                 ButtonEx1[ApplyButton]};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    for (int i = 0; i < int(ButtonEx1.size()); ++i) {
        connect(ButtonEx1[i], &ButtonEx::KeyDown, this, [this, i](short keyCode, short shift) {
            if ((keyCode == KeyReturn || keyCode == KeySpace) && shift == 0)
                ButtonEx1_Click(qint16(i));
        });
    }
    // Shortcuts, so that a list or a slider with the focus does not take
    // the page keys for its own.
    const auto pageKeys = [this](QKeyCombination keys, int step) {
        auto *shortcut = new QShortcut(QKeySequence(keys), this);
        connect(shortcut, &QShortcut::activated, this, [this, step] { switchPage(step); });
    };
    pageKeys(Qt::CTRL | Qt::Key_Tab, 1);
    pageKeys(Qt::CTRL | Qt::Key_PageDown, 1);
    pageKeys(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, -1);
    pageKeys(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, -1); // what X11 sends for Shift+Tab
    pageKeys(Qt::CTRL | Qt::Key_PageUp, -1);
    // Seen before the target boxes' digit filters, which would swallow Enter.
    for (QLineEdit *box : Text1)
        box->installEventFilter(this);
}

void SettingFrm::switchPage(int step)
{
    // As a click on the tab row would, leaving a box runs its check first.
    if (!validateFocusedBox())
        return;
    const int count = LightTab1->numberOfTabs();
    if (count <= 0)
        return;
    LightTab1->setActiveTab(qint16(((LightTab1->activeTab() + step) % count + count) % count));
}

bool SettingFrm::enterPressed(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !isEnter(*static_cast<QKeyEvent *>(event)))
        return false;
    const auto box = std::find(Text1.begin(), Text1.end(), watched);
    if (box == Text1.end())
        return false;
    ButtonEx1_Click(OkButton);
    return true;
}

void SettingFrm::keyPressEvent(QKeyEvent *event)
{
    if (isEnter(*event)) {
        // On a button its own key event has pressed it already.
        if (std::find(ButtonEx1.begin(), ButtonEx1.end(), focusWidget()) == ButtonEx1.end())
            ButtonEx1_Click(OkButton);
        return;
    }
    QDialog::keyPressEvent(event); // Escape cancels
}
