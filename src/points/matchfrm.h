#pragma once

#include "twoplayermatch.h"

#include <QDialog>

#include <array>

class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

// "Two players": the set-up of a match at one screen, the two players'
// names (the last match's, or "Player 1" and "Player 2"), how many rounds,
// and whether each round's board is dealt or picked by the two in turn.
class MatchFrm : public QDialog
{
    Q_OBJECT

public:
    struct Setup
    {
        std::array<QString, 2> players;
        int rounds = TwoPlayerMatch::DefaultRounds;
        TwoPlayerMatch::Boards boards = TwoPlayerMatch::Boards::Dealt;
    };
    // `lastPlayers`: the names to offer; an empty one offers its default.
    explicit MatchFrm(const std::array<QString, 2> &lastPlayers, QWidget *parent = nullptr);

    Setup setup() const;

    std::array<QLineEdit *, 2> txtPlayer{};
    QSpinBox *spnRounds = nullptr;
    QRadioButton *optDealt = nullptr;
    QRadioButton *optPicked = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
};
