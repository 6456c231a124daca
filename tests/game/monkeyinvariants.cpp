#include "monkeyinvariants.h"

#include "aboutfrm.h"
#include "buttonex.h"
#include "gameflow.h"
#include "gamefrm.h"
#include "gamepresentation.h"
#include "manualfrm.h"
#include "settingfrm.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QTimer>

#include <algorithm>

namespace monkey {

namespace {

// "Shown" as the game sets it, whether or not the window itself is on screen.
bool shown(const QWidget *widget)
{
    return !widget->isHidden();
}

QString onOff(bool value)
{
    return value ? QStringLiteral("on") : QStringLiteral("off");
}

// The board: tiles and instructions against the number labels and the
// chosen numbers.
QString checkBoard(GameFrm &window, int filled)
{
    const QList<qint32> &chosen = window.flow().picks();
    if (chosen.size() != filled) {
        return QStringLiteral("%1 number labels filled but %2 numbers chosen")
            .arg(filled)
            .arg(chosen.size());
    }
    const auto visibleTiles =
        std::count_if(window.controls().btnPick.begin(), window.controls().btnPick.end(), &shown);
    if (filled < NumberBoard::LabelCount) {
        if (visibleTiles != NumberBoard::TileCount - filled) {
            return QStringLiteral("%1 tiles shown with %2 numbers picked")
                .arg(visibleTiles)
                .arg(filled);
        }
        if (!shown(window.controls().lbinst))
            return QStringLiteral("instructions hidden while picking");
        return {};
    }
    if (visibleTiles != 0)
        return QStringLiteral("%1 tiles shown with six numbers chosen").arg(visibleTiles);
    if (shown(window.controls().lbinst))
        return QStringLiteral("instructions shown with six numbers chosen");
    for (int l = 0; l < NumberBoard::LabelCount; ++l) {
        if (window.controls().Label2[l]->text() != QString::number(chosen.at(l))) {
            return QStringLiteral("label %1 reads \"%2\" but the chosen number is %3")
                .arg(l)
                .arg(window.controls().Label2[l]->text())
                .arg(chosen.at(l));
        }
        if (l > 0 && chosen.at(l) > chosen.at(l - 1))
            return QStringLiteral("the six numbers are not largest first");
    }
    return {};
}

// After the clock: one of Over, Searching or Searched.
QString checkAfterClock(GameFrm &window)
{
    const QString answer = window.controls().cmdAnswer->text();
    const bool busy = window.flow().isBusy();
    const bool listShown = shown(window.controls().List1);
    if (!shown(window.controls().cmdAnswer))
        return QStringLiteral("answer button hidden after the clock");
    bool targetIsNumber = false;
    window.controls().lbTarget->text().toInt(&targetIsNumber);
    if (!targetIsNumber)
        return QStringLiteral("target \"%1\" is no number").arg(window.controls().lbTarget->text());
    if (listShown != shown(window.controls().LBa))
        return QStringLiteral("answers list and status shown apart");

    if (answer == GameCaptions::StopSearch) {
        if (!busy)
            return QStringLiteral("\"Stop Search\" with no search under way");
        if (window.controls().Command1->isEnabled())
            return QStringLiteral("game button enabled during a search");
        if (!window.controls().cmdAnswer->isEnabled())
            return QStringLiteral("\"Stop Search\" disabled");
        if (!listShown)
            return QStringLiteral("answers hidden during a search");
        return {};
    }
    if (busy)
        return QStringLiteral("a search runs under \"%1\"").arg(answer);
    if (!window.controls().Command1->isEnabled())
        return QStringLiteral("\"PLAY AGAIN\" disabled with no search running");
    if (answer == GameCaptions::ShowAnswers) {
        // Over (nothing listed yet) offers the search; after a stop the list
        // stays and the button may offer it again.
        if (!listShown && !window.controls().cmdAnswer->isEnabled())
            return QStringLiteral("\"Show Answer(s)\" disabled before any search");
        return {};
    }
    // "Search Finished"
    if (window.controls().cmdAnswer->isEnabled())
        return QStringLiteral("\"Search Finished\" still enabled");
    if (!listShown)
        return QStringLiteral("answers hidden after a finished search");
    return {};
}

} // namespace

QString checkMainWindow(GameFrm &window)
{
    const QString game = window.controls().Command1->text();
    const QString answer = window.controls().cmdAnswer->text();
    if (game != GameCaptions::Start && game != GameCaptions::Stop &&
        game != GameCaptions::PlayAgain)
        return QStringLiteral("game button reads \"%1\"").arg(game);
    if (answer != GameCaptions::ShowAnswers && answer != GameCaptions::StopSearch &&
        answer != GameCaptions::SearchFinished) {
        return QStringLiteral("answer button reads \"%1\"").arg(answer);
    }

    const bool busy = window.flow().isBusy();
    const bool searching = window.flow().isSearching();
    const bool timerOn = window.controls().Timer1->isActive();
    if (searching && !busy)
        return QStringLiteral("a search runs that the game did not start");
    if (window.controls().mnuSetup->isEnabled() &&
        (searching || (busy && game == GameCaptions::Stop)))
        return QStringLiteral("manual setup offered while a roll or a search runs");
    if (timerOn && game != GameCaptions::Stop)
        return QStringLiteral("clock on under \"%1\"").arg(game);
    if (timerOn && !window.flow().isRoundTimed())
        return QStringLiteral("clock on in a round without it");
    if (!window.controls().lbHint->isHidden() && !window.controls().List1->isHidden())
        return QStringLiteral("the hints over the answers");
    if (window.controls().mnuHint->isEnabled() && window.flow().state() != GameFlow::State::Running)
        return QStringLiteral("Hint offered with no round on");

    const auto filled =
        std::count_if(window.controls().Label2.begin(), window.controls().Label2.end(),
                      [](const QLabel *label) { return !label->text().isEmpty(); });
    if (const QString board = checkBoard(window, int(filled)); !board.isEmpty())
        return board;

    if (game == GameCaptions::Start) {
        if (busy)
            return QStringLiteral("busy before the game started");
        if (window.controls().Command1->isEnabled() != (filled == NumberBoard::LabelCount))
            return QStringLiteral("\"START\" %1 with %2 numbers")
                .arg(window.controls().Command1->isEnabled() ? "enabled" : "disabled")
                .arg(filled);
        if (shown(window.controls().cmdAnswer) || shown(window.controls().List1) ||
            shown(window.controls().LBa))
            return QStringLiteral("answers shown before the game started");
        if (!window.controls().lbTarget->text().isEmpty())
            return QStringLiteral("a target before the game started");
        if (window.ElapsedSeconds() != 0)
            return QStringLiteral("clock at %1 before the game started")
                .arg(window.ElapsedSeconds());
        return {};
    }
    if (filled != NumberBoard::LabelCount)
        return QStringLiteral("\"%1\" with %2 numbers").arg(game).arg(filled);
    if (game == GameCaptions::Stop) {
        // The clock runs except while the target is still rolling, or in a
        // round played without it.
        if (timerOn == busy && (busy || window.flow().isRoundTimed()))
            return QStringLiteral("clock %1 while %2")
                .arg(onOff(timerOn), busy ? "rolling" : "running");
        if (!window.controls().Command1->isEnabled())
            return QStringLiteral("\"STOP\" disabled");
        if (shown(window.controls().cmdAnswer) || shown(window.controls().List1) ||
            shown(window.controls().LBa))
            return QStringLiteral("answers shown while the clock runs");
        return {};
    }
    return checkAfterClock(window);
}

QString stateName(GameFrm &window)
{
    const QString game = window.controls().Command1->text();
    if (game == GameCaptions::Start)
        return window.controls().Command1->isEnabled() ? QStringLiteral("Ready")
                                                       : QStringLiteral("Picking");
    if (game == GameCaptions::Stop)
        return window.flow().isBusy() ? QStringLiteral("Rolling") : QStringLiteral("Running");
    if (window.controls().cmdAnswer->text() == GameCaptions::StopSearch)
        return QStringLiteral("Searching");
    return window.controls().List1->isHidden() ? QStringLiteral("Over")
                                               : QStringLiteral("Searched");
}

QString checkSecondaryWindows()
{
    int open = 0;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (!qobject_cast<ManualFrm *>(widget) && !qobject_cast<SettingFrm *>(widget) &&
            !qobject_cast<AboutFrm *>(widget)) {
            continue;
        }
        ++open;
        if (widget->isVisible() && !widget->isModal())
            return QStringLiteral("%1 open but not modal").arg(widget->metaObject()->className());
    }
    if (open > 1)
        return QStringLiteral("%1 secondary windows exist at once").arg(open);
    return {};
}

QString checkAnswersUnique(const GameFrm &window)
{
    QSet<QString> seen;
    for (int i = 0; i < window.controls().List1->count(); ++i) {
        const QString text = window.controls().List1->item(i)->text();
        if (seen.contains(text))
            return QStringLiteral("answer \"%1\" listed twice").arg(text);
        seen.insert(text);
    }
    return {};
}

} // namespace monkey
