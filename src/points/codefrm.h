#pragma once

#include "boardcode.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// "Play a board code": the player types a code a friend handed on. A code
// that names a board closes the window with that board; any other is refused
// beside the box, saying which character is wrong where that can be told,
// and the window stays open for the correction.
class CodeFrm : public QDialog
{
    Q_OBJECT

public:
    explicit CodeFrm(QWidget *parent = nullptr);

    // The board read from the accepted code.
    const solver::ReadCode &board() const { return m_read; }
    // Why a code was refused, in the player's language; in English the
    // sentence of the command line's codeFaultMessage, begun with a capital
    // and ended with a full stop. Empty for a code without a fault.
    static QString faultSentence(const solver::ReadCode &read);

    void Play_Click();

    QLineEdit *txtCode = nullptr;
    QLabel *lbFault = nullptr;
    QPushButton *cmdPlay = nullptr;
    QPushButton *cmdCancel = nullptr;

private:
    solver::ReadCode m_read;
};
