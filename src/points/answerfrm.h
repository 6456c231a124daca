#pragma once

#include "answersteps.h"
#include "scorekeeper.h"

#include <QDialog>
#include <QList>

#include <array>
#include <memory>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTabWidget;

// "Your answer": opens over the game when the clock stops in a game played
// for points. The player builds an answer step by step or types it, each
// step checked at once; "Declare" scores it against the best the numbers
// could do, "No answer" (or closing the window) scores nothing. The result
// then shows in the same window, until it is closed.
class AnswerFrm : public QDialog
{
    Q_OBJECT

public:
    // numbers: the six of the board, largest first.
    AnswerFrm(std::span<const std::int32_t> numbers, std::int32_t target,
              QWidget *parent = nullptr);
    ~AnswerFrm() override;

    // The scored game, once declared (or given up).
    bool isScored() const { return m_scored; }
    const ScoredRound &round() const { return m_game.round; }
    // The game as the history keeps it: the board, the answer as entered,
    // its value and the best possible (no time left: the clock is the game's).
    const PlayedGame &game() const { return m_game; }
    // The result as shown, in one text (what a screen reader is told).
    QString resultText() const;
    // The sentence naming the rule a checked answer breaks, in the player's
    // language; in English word for word what the command line's checker
    // says. Empty for a valid answer.
    static QString checkSentence(const solver::CheckResult &check);
    // What the game knew of the round: the hints taken (a point less each),
    // whether it was on the clock, and when its target stood still (the
    // time to solve runs to Declare). Before the answer is declared.
    void setRound(const RoundFacts &round) { m_round = round; }
    // Offers "Copy result" beside the result, copying `summary()` when pressed.
    void offerCopy(std::function<QString()> summary);

    void Declare_Click();
    void NoAnswer_Click();
    // Gives the answer up if it is not scored yet and closes, whatever is
    // shown: the game is closing under it.
    void closeGivingUp();
    // A line under the result, read with it.
    void addNote(const QString &note);
    // A player's turn in a match: the window first asks for the keyboard
    // to be passed (`handOver`, on a page of its own until Ready), and shows
    // nothing of the score once the answer is given: the round's result,
    // both players' answers, comes with showRoundResult.
    void setMatchTurn(const QString &handOver);
    void showRoundResult(const QStringList &lines);

    // Controls, under their names, for the tests.
    QLabel *lbBoard = nullptr;
    QTabWidget *tabWays = nullptr;
    QList<QPushButton *> cmdNumber; // the six numbers, then each step's result
    std::array<QPushButton *, 4> cmdOperation{};
    QPushButton *cmdUndo = nullptr;
    QListWidget *lstSteps = nullptr;
    QLineEdit *txtAnswer = nullptr;
    QLabel *lbCheck = nullptr; // the typed answer's value, or why a step is refused
    QPushButton *cmdDeclare = nullptr;
    QPushButton *cmdNoAnswer = nullptr;
    QStackedWidget *pages = nullptr; // the answer, the result, a match's hand-over
    QLabel *lbResult = nullptr;
    QPushButton *cmdCopy = nullptr;
    QPushButton *cmdClose = nullptr;
    QLabel *lbHandOver = nullptr;
    QPushButton *cmdReady = nullptr;

public slots:
    void reject() override;

signals:
    // The answer was declared or given up; round() holds its score.
    void scored();

private:
    QWidget *createAnswerPage();
    QWidget *createStepsPage();
    QWidget *createTypedPage();
    QWidget *createResultPage();
    QWidget *createHandOverPage();
    void showResult(const QStringList &lines);
    void numberClicked(int item);
    void showSteps();
    void typedChanged();
    void refuse(const QString &why);
    void score(std::optional<std::int64_t> declared, const QString &answer);
    // Where a declared answer short of the best possible parted from the
    // nearest real answer, as lines of the result.
    QStringList nearMissLines(const QString &answer) const;

    std::vector<std::int32_t> m_numbers;
    std::int32_t m_target = 0;
    AnswerSteps m_steps;
    bool m_scored = false;
    bool m_matchTurn = false;
    // Set while the buttons are brought up to date, whose toggles are not
    // the player's.
    bool m_showing = false;
    PlayedGame m_game;
    RoundFacts m_round;
    QString m_result;
    std::function<QString()> m_summary;
};
