#pragma once

#include "colour.h"

#include <QDialog>
#include <QList>

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The manual setup window: the player picks any six numbers of the board and
// types a target of their own. Confirming keeps them and closes the window;
// the main window then hands them to the game, which searches them.
class ManualFrm : public QDialog
{
    Q_OBJECT

public:
    static constexpr int LabelCount = 24;
    static constexpr qint16 NumbersToChoose = 6;

    explicit ManualFrm(QWidget *parent = nullptr);

    // Once confirmed: the six numbers chosen, in the window's order, and the target.
    const QList<qint32> &chosenNumbers() const { return m_chosenNumbers; }
    qint32 target() const { return m_target; }

    // The controls' events, public so that they can be driven directly.
    void l1_Click(qint16 index);
    void Text1_KeyPress(qint16 &keyAscii);
    void Text1_Validate(bool &cancel);
    void Command1_Click();

    // How many number labels are selected (0 to 6).
    qint16 SelectionCount() const { return m_selectionCount; }
    // Whether number label `index` is chosen, and which label object is.
    bool isChosen(int index) const;
    int numberIndex(const QObject *object) const;

    QGroupBox *Frame1 = nullptr;
    std::array<QLabel *, LabelCount> l1{};
    QLabel *Label1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QPushButton *Command1 = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createControls();
    void Form_Load();
    void setLabelColours(int index, platform::OleColour back, platform::OleColour fore);
    // A key on a number: Space toggles it, the arrows move the focus.
    bool numberKey(int index, int key);

    QList<qint32> m_chosenNumbers;
    qint32 m_target = 0;
    qint16 m_selectionCount = 0;
    // A label's background is its selection state, as the window shows it.
    std::array<platform::OleColour, LabelCount> m_labelBack{};
    // The label a mouse button went down on, so that only a press and release
    // on the same label count as a click.
    int m_pressedLabel = -1;
};
