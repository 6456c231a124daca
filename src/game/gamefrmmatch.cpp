// The main window in a match of two players at one screen: it forwards the
// match's moves to TwoPlayerMatch and the record, deals or frees each
// round's board, and opens the answer window once for each player.

#include "answerfrm.h"
#include "buttonex.h"
#include "gamefrm.h"
#include "matchfrm.h"
#include "modality.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTimer>

#include <optional>

void GameFrm::mnuMatch_Click()
{
    // Its board replaces the one on, as the day's board does.
    if (!m_shown.manualSetupEnabled || matchOn() || platform::isBehindModal(*this))
        return;
    std::optional<MatchFrm::Setup> setup;
    {
        MatchFrm window(m_record.lastPlayers(), this);
        if (execOver(window) == QDialog::Accepted)
            setup = window.setup();
    }
    takeBackFocus();
    if (setup)
        startMatch(setup->players, setup->rounds, setup->boards);
}

void GameFrm::startMatch(const std::array<QString, 2> &players, int rounds,
                         TwoPlayerMatch::Boards boards)
{
    if (!m_shown.manualSetupEnabled || matchOn() || m_closing)
        return;
    abandonDailyBoard();
    m_record.dealtDaily({}); // nor is a code's board the next own game any more
    m_match = std::make_unique<TwoPlayerMatch>(players, rounds, boards);
    m_record.keepMatch(*m_match);
    tellRecord(this);
    startMatchRound();
}

void GameFrm::mnuEndMatch_Click()
{
    // Not over a roll or a search, whose end would still belong to the match.
    if (!matchOn() || m_flow.isBusy() || platform::isBehindModal(*this))
        return;
    leaveMatch();
    // A round being picked or on the clock goes with the match, unscored.
    const GameFlow::State state = m_flow.state();
    if (state == GameFlow::State::Picking || state == GameFlow::State::Ready ||
        state == GameFlow::State::Running) {
        m_flow.newBoard();
        btnPick[0]->setFocus(Qt::OtherFocusReason);
    }
    present();
}

void GameFrm::leaveMatch()
{
    if (!matchOn())
        return;
    m_match->leave();
    m_record.keepMatch(*m_match);
    tellRecord(this);
}

void GameFrm::startMatchRound()
{
    if (m_match->boards() == TwoPlayerMatch::Boards::Dealt) {
        const GameSettings &settings = m_flow.settings();
        const TwoPlayerMatch::Deal dealt = TwoPlayerMatch::deal(
            *QRandomGenerator::global(), settings.lowestTarget, settings.highestTarget);
        m_flow.dealBoard(QList<qint32>(dealt.numbers.begin(), dealt.numbers.end()), dealt.target);
        Command1->setFocus(Qt::OtherFocusReason);
    } else {
        m_flow.newBoard();
        btnPick[0]->setFocus(Qt::OtherFocusReason);
    }
    present();
}

void GameFrm::matchAnswered(AnswerFrm &answer)
{
    if (!matchOn())
        return;
    if (!m_match->answer(answer.game())) {
        if (m_closing)
            return;
        // The next player must find nothing of this answer, on the screen or
        // through a screen reader: its window is gone before theirs opens.
        answer.hide();
        QTimer::singleShot(0, this, [this, done = QPointer<QDialog>(&answer)] {
            delete done.data();
            if (!m_closing && matchOn())
                askForAnswer();
        });
        return;
    }
    m_record.keepMatch(*m_match);
    answer.showRoundResult(m_match->roundLines());
    tellRecord(&answer);
    present();
}

void GameFrm::showMatch()
{
    QString text;
    if (m_match) {
        text = m_match->isOver() ? m_match->resultLine() : m_match->scoreLine();
        if (!m_match->isOver() && m_match->boards() == TwoPlayerMatch::Boards::Picked &&
            m_flow.state() == GameFlow::State::Picking)
            text += QLatin1Char('\n') + m_match->pickLine(int(m_flow.picks().size()));
    }
    // Set only when it changes: each setting tells a screen reader anew.
    if (text != lbMatch->text())
        lbMatch->setText(text);
    lbMatch->setVisible(!text.isEmpty());
}
