// The main window showing the game: every control set from the game's state
// after each change, and the answers list fed as the search reports.

#include "buttonex.h"
#include "gamefrm.h"
#include "velcprog.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace {

// The layout gives the status label room for the two lines of a finish
// message; a third (the complete search's) gets its room by growing the
// label about its centre, no further down than the answers list below it.
void makeRoom(QLabel &label, const QListWidget &list)
{
    const int needed =
        label.hasHeightForWidth() ? label.heightForWidth(label.width()) : label.sizeHint().height();
    QRect room = label.geometry();
    if (needed <= room.height())
        return;
    room.setTop(room.center().y() - needed / 2);
    room.setHeight(needed);
    QWidget *parent = label.parentWidget();
    if (parent && parent->isAncestorOf(&list)) {
        const int listTop = list.mapTo(parent, QPoint(0, 0)).y();
        if (room.bottom() >= listTop - 1 && listTop > room.top())
            room.moveBottom(listTop - 2);
    }
    label.setGeometry(room);
}

} // namespace

void GameFrm::present()
{
    // Only what changed since the last time is set again: a caption or a
    // label set anew would repaint, and tell a screen reader, for nothing.
    const GamePresentation shown = presentGame(m_flow);

    if (shown.command1 != m_shown.command1)
        Command1->setText(shown.command1);
    // Enabled before any tile hides, so that the focus can go straight to it.
    Command1->setEnabled(shown.command1Enabled);
    if (shown.cmdAnswer != m_shown.cmdAnswer) {
        cmdAnswer->setText(shown.cmdAnswer);
        // Told once, when the button takes the focus as the time runs out.
        cmdAnswer->setAccessibleDescription(QString());
    }
    cmdAnswer->setEnabled(shown.cmdAnswerEnabled);
    cmdAnswer->setVisible(shown.cmdAnswerVisible);

    if (shown.dial != m_shown.dial || shown.clockOff != m_shown.clockOff) {
        cp1->setValue(shown.dial);
        nameClock();
    }

    if (shown.target != m_shown.target)
        lbTarget->setText(shown.target);
    for (int l = 0; l < NumberBoard::LabelCount; ++l) {
        if (shown.labels.at(l) != m_shown.labels.at(l))
            Label2.at(l)->setText(shown.labels.at(l));
    }
    for (int tile = 0; tile < NumberBoard::TileCount; ++tile) {
        ButtonEx *button = btnPick.at(tile);
        if (!button || shown.tiles.at(tile) == m_shown.tiles.at(tile))
            continue;
        // Hiding the focused tile would pass the focus on to the next one,
        // and on the sixth pick through every tile going: it goes to the
        // game button at once when that is ready.
        if (!shown.tiles.at(tile) && button->hasFocus() && Command1->isEnabled())
            Command1->setFocus(Qt::TabFocusReason);
        button->setVisible(shown.tiles.at(tile));
    }
    lbinst->setVisible(shown.instructions);

    if (shown.status != m_shown.status && !shown.status.isEmpty()) {
        LBa->setAccessibleName(QString()); // named by its text, told at each change
        LBa->setText(shown.status);
        // A copied code's note can add a line to the search's two.
        if (shown.statusVisible)
            makeRoom(*LBa, *List1);
    }
    LBa->setVisible(shown.statusVisible);
    // Named by its text, so that each hint is told as it comes.
    if (shown.coach != m_shown.coach)
        lbHint->setText(shown.coach);
    lbHint->setVisible(shown.coachVisible);
    if (shown.pointsCommands != m_shown.pointsCommands)
        showPointsMenu();
    // In a match the board is the match's, and a hint would be one player's.
    const bool inMatch = matchOn();
    mnuHint->setEnabled(shown.hintEnabled && !inMatch);
    List1->setVisible(shown.answersVisible);
    mnuSetup->setEnabled(shown.manualSetupEnabled && !inMatch);
    mnuDaily->setEnabled(shown.manualSetupEnabled && !inMatch);
    mnuDays->setEnabled(shown.manualSetupEnabled && !inMatch);
    mnuPlayCode->setEnabled(shown.manualSetupEnabled && !inMatch);
    mnuCopyCode->setEnabled(shown.codeCopyEnabled);
    mnuMatch->setVisible(!inMatch);
    mnuMatch->setEnabled(shown.manualSetupEnabled);
    mnuEndMatch->setVisible(inMatch);
    mnuEndMatch->setEnabled(!m_flow.isBusy());
    m_shown = shown;
    showMatch();
}

void GameFrm::showClockStopped(GameFlow::ClockStop how)
{
    // A screen reader reads the description with the button that takes the
    // focus, so the player hears why the clock went quiet.
    cmdAnswer->setAccessibleDescription(how == GameFlow::ClockStop::TimeUp ? tr("Time is up.")
                                                                           : QString());
    // Enter must not deal a new board before the answers were seen.
    cmdAnswer->setFocus(Qt::OtherFocusReason);
    if ((m_flow.settings().playForPoints || matchOn()) && !m_answer)
        askForAnswer();
}

void GameFrm::addAnswers(const QStringList &answers)
{
    List1->addItems(answers);
}

void GameFrm::showSearchEnd()
{
    // Only after a finished search with no answer, when the player asked for
    // the complete search: its answers follow, and its line under the message.
    if (const auto &complete = m_flow.outcome().complete) {
        List1->addItems(completeListLines(*complete));
        makeRoom(*LBa, *List1);
    }
}

void GameFrm::nameClock()
{
    if (!m_flow.isRoundTimed()) {
        cp1->setAccessibleName(tr("Clock: off"));
        cp1->setAccessibleDescription(tr("This round is played without the clock."));
        return;
    }
    // The dial counts the seconds gone; a listener wants the seconds left.
    const int left = std::max(0, m_flow.settings().timeAllowed - cp1->value());
    cp1->setAccessibleName(tr("Clock: %n seconds left", nullptr, left));
    // The dial's own "value of maximum" counts to its design maximum, not to
    // the time this game allows.
    cp1->setAccessibleDescription(
        tr("%1 of %n seconds", nullptr, m_flow.settings().timeAllowed).arg(cp1->value()));
}
