// The main window as the game's rules see it: its controls read and written
// the way the player sees them, and the long operations that yield to it.

#include "buttonex.h"
#include "gamefrm.h"
#include "globalbas.h"
#include "mathsmod.h"
#include "soundplayer.h"
#include "velcprog.h"
#include "yield.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <span>

QString GameFrm::command1Caption() const
{
    return Command1->text();
}

void GameFrm::setCommand1Caption(const QString &caption)
{
    Command1->setText(caption);
}

void GameFrm::setCommand1Enabled(bool enabled)
{
    Command1->setEnabled(enabled);
}

QString GameFrm::cmdAnswerCaption() const
{
    return cmdAnswer->text();
}

void GameFrm::setCmdAnswerCaption(const QString &caption)
{
    cmdAnswer->setText(caption);
    // Told once, when the button takes the focus as the time runs out.
    cmdAnswer->setAccessibleDescription(QString());
}

void GameFrm::setCmdAnswerEnabled(bool enabled)
{
    cmdAnswer->setEnabled(enabled);
}

void GameFrm::setCmdAnswerVisible(bool visible)
{
    cmdAnswer->setVisible(visible);
}

void GameFrm::clockStopped(ClockStop how)
{
    // A screen reader reads the description with the button that takes the
    // focus, so the player hears why the clock went quiet.
    cmdAnswer->setAccessibleDescription(how == ClockStop::TimeUp ? QStringLiteral("Time is up.")
                                                                 : QString());
    // Enter must not deal a new board before the answers were seen.
    cmdAnswer->setFocus(Qt::OtherFocusReason);
}

void GameFrm::setTimerEnabled(bool enabled)
{
    // Starting a running timer would restart its period: leave it alone.
    if (enabled && !Timer1->isActive())
        Timer1->start();
    else if (!enabled)
        Timer1->stop();
}

void GameFrm::setDialValue(int value)
{
    cp1->setValue(value);
    nameClock();
}

void GameFrm::nameClock()
{
    // The dial counts the seconds gone; a listener wants the seconds left.
    const int left = std::max(0, GLOBALbas::TimeAllowed - cp1->value());
    cp1->setAccessibleName(QStringLiteral("Clock: %1 seconds left").arg(left));
    // The dial's own "value of maximum" counts to its design maximum, not to
    // the time this game allows.
    cp1->setAccessibleDescription(
        QStringLiteral("%1 of %2 seconds").arg(cp1->value()).arg(GLOBALbas::TimeAllowed));
}

QString GameFrm::targetCaption() const
{
    return lbTarget->text();
}

void GameFrm::setTargetCaption(const QString &caption)
{
    lbTarget->setText(caption);
}

QString GameFrm::labelCaption(int label) const
{
    return Label2.at(label)->text();
}

void GameFrm::setLabelCaption(int label, const QString &caption)
{
    Label2.at(label)->setText(caption);
}

void GameFrm::setTileVisible(int tile, bool visible)
{
    // Hiding the focused tile would pass the focus on to the next one, and on
    // the sixth pick through every tile going: it goes to the game button at
    // once when that is ready.
    if (!visible && btnPick.at(tile)->hasFocus() && Command1->isEnabled())
        Command1->setFocus(Qt::TabFocusReason);
    btnPick.at(tile)->setVisible(visible);
}

void GameFrm::setInstructionsVisible(bool visible)
{
    lbinst->setVisible(visible);
}

void GameFrm::setStatusCaption(const QString &caption)
{
    LBa->setAccessibleName(QString()); // named by its text, told at each change
    LBa->setText(caption);
}

void GameFrm::setStatusVisible(bool visible)
{
    LBa->setVisible(visible);
}

void GameFrm::setAnswersVisible(bool visible)
{
    List1->setVisible(visible);
}

void GameFrm::clearAnswers()
{
    List1->clear();
}

void GameFrm::playMusic()
{
    if (!SoundData.isEmpty())
        m_sound->play(SoundData);
}

void GameFrm::purgeMusic()
{
    m_sound->purge();
}

void GameFrm::setBusy(bool busy)
{
    // A manual setup starts a search of its own: never inside a roll or a
    // search that is still running.
    mnuSetup->setEnabled(!busy);
}

qint16 GameFrm::drawTarget()
{
    setBusy(true);
    const qint16 target = MathsMod::DrawTarget(GLOBALbas::HighestTarget, GLOBALbas::LowestTarget,
                                               GLOBALbas::ChosenNumbers);
    setBusy(false);
    return target;
}

void GameFrm::startSearch(const QList<qint32> &numbers, qint32 target)
{
    setBusy(true);
    MathsMod::StartSearch(std::span<const qint32>(numbers.data(), size_t(numbers.size())), target);
    setBusy(false);
}

bool GameFrm::searchRunning() const
{
    return MathsMod::SearchRunning;
}

void GameFrm::setSearchRunning(bool running)
{
    MathsMod::SearchRunning = running;
}

void GameFrm::resetCombinationCount()
{
    MathsMod::CombinationCount = 0;
}

void GameFrm::yield()
{
    platform::yield();
}
