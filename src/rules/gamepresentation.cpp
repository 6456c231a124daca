#include "gamepresentation.h"

#include "completesearch.h"

// The rules link no window, so their texts name their translation context
// ("GameStatus") rather than take it from a class.
namespace {

using State = GameFlow::State;

QString statusText(const GameFlow &flow)
{
    if (flow.state() == State::Searching) {
        if (flow.combinations() == 0)
            return GameCaptions::Searching.text();
        //: %1: how many combinations the running search has tried so far.
        return QCoreApplication::translate("GameStatus", "Searching... %1")
            .arg(QString::number(flow.combinations()));
    }
    const GameFlow::Outcome &outcome = flow.outcome();
    if (!outcome.ran)
        return {};
    const qsizetype answers = flow.answers().size();
    if (!outcome.finished)
        return searchStoppedStatus(outcome.combinations, answers);
    QString text = searchFinishedStatus(outcome.combinations, answers);
    if (outcome.complete)
        text += QLatin1Char('\n') + completeListSummary(*outcome.complete);
    return text;
}

// "N answers found." for every N, 1 included, as the game has always said it
// in English (tallyfold_en.ts gives both English forms as "answers"); a
// translation gives each of its plural forms.
QString answersFound(qsizetype answers)
{
    //: The second line of the status after a search; English says "1 answers found." too.
    return QCoreApplication::translate("GameStatus", "%n answers found.", nullptr, int(answers));
}

} // namespace

GamePresentation presentGame(const GameFlow &flow)
{
    GamePresentation shown;
    const State state = flow.state();
    const bool picking = state == State::Picking;

    switch (state) {
    case State::Picking:
    case State::Ready:
        shown.command1 = GameCaptions::Start;
        shown.command1Enabled = state == State::Ready;
        break;
    case State::Rolling:
    case State::Running:
        // Clicks during the roll are ignored, not refused: the button stays as it is.
        shown.command1 = GameCaptions::Stop;
        shown.command1Enabled = true;
        break;
    case State::Over:
    case State::Searching:
    case State::Searched:
        shown.command1 = GameCaptions::PlayAgain;
        shown.command1Enabled = state != State::Searching;
        break;
    }

    shown.cmdAnswerVisible =
        state == State::Over || state == State::Searching || state == State::Searched;
    if (state == State::Searching)
        shown.cmdAnswer = GameCaptions::StopSearch;
    else if (state == State::Searched && flow.outcome().finished)
        shown.cmdAnswer = GameCaptions::SearchFinished;
    else
        shown.cmdAnswer = GameCaptions::ShowAnswers;
    shown.cmdAnswerEnabled = state != State::Searched;

    shown.dial = flow.dialValue();
    if (flow.targetShown() != 0)
        shown.target = QString::number(flow.targetShown());
    for (int place = 0; place < NumberBoard::LabelCount; ++place) {
        if (flow.places().at(place) != 0)
            shown.labels.at(place) = QString::number(flow.places().at(place));
    }
    for (int tile = 0; tile < NumberBoard::TileCount; ++tile)
        shown.tiles.at(tile) = picking && !flow.isTilePicked(tile);
    shown.instructions = picking;

    // A search's status and answers, and a stopped search's until the next deal.
    shown.status = statusText(flow);
    shown.statusVisible = state == State::Searching || state == State::Searched ||
                          (state == State::Over && flow.outcome().ran);
    shown.answersVisible = shown.statusVisible;
    // A game played for points is not thrown away for a new board while its
    // clock runs.
    const bool scoredOnTheClock =
        flow.settings().playForPoints && flow.state() == GameFlow::State::Running;
    shown.manualSetupEnabled = !flow.isBusy() && !scoredOnTheClock;
    return shown;
}

QString searchStoppedStatus(qint64 combinations, qsizetype answers)
{
    return QCoreApplication::translate("GameStatus", "Search Stopped at combination %1\n%2")
        .arg(QString::number(combinations), answersFound(answers));
}

QString searchFinishedStatus(qint64 combinations, qsizetype answers)
{
    return QCoreApplication::translate("GameStatus", "Searched %1 combinations: \n%2")
        .arg(QString::number(combinations), answersFound(answers));
}

QStringList completeListLines(const solver::CompleteResult &result)
{
    QStringList lines;
    for (const solver::CompleteAnswer &answer : result.answers) {
        if (lines.size() == MaxCompleteListed)
            break;
        QString line = QString::fromStdString(answer.text);
        if (!result.exact)
            line += QStringLiteral(" = ") + QString::number(answer.value);
        lines.append(line);
    }
    return lines;
}

QString completeListSummary(const solver::CompleteResult &result)
{
    if (result.exact) {
        const int count = int(result.answers.size());
        // English says "1 answer." but "N answers." for every other count,
        // 0 included; the plural form covers the others in every language.
        return count == 1
                   ? QCoreApplication::translate("GameStatus", "A complete search found 1 answer.")
                   : QCoreApplication::translate(
                         "GameStatus", "A complete search found %n answers.", nullptr, count);
    }
    const QString away = QString::number(result.distance);
    if (result.nearest.size() == 2) {
        // As near below the target as above it: both are named.
        return QCoreApplication::translate("GameStatus",
                                           "No exact answer: the nearest is %1 or %2 (%3 away).")
            .arg(QString::number(result.nearest[0]), QString::number(result.nearest[1]), away);
    }
    const QString nearest =
        result.nearest.empty() ? QString() : QString::number(result.nearest.front());
    return QCoreApplication::translate("GameStatus",
                                       "No exact answer: the nearest is %1 (%2 away).")
        .arg(nearest, away);
}
