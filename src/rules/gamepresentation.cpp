#include "gamepresentation.h"

#include "completesearch.h"

namespace {

using State = GameFlow::State;

QString statusText(const GameFlow &flow)
{
    if (flow.state() == State::Searching) {
        return flow.combinations() == 0 ? GameCaptions::Searching
                                        : GameCaptions::Searching + QLatin1Char(' ') +
                                              QString::number(flow.combinations());
    }
    const GameFlow::Outcome &outcome = flow.outcome();
    if (!outcome.ran)
        return {};
    const QString answers =
        QString::number(flow.answers().size()) + QStringLiteral(" answers found.");
    if (!outcome.finished) {
        return QStringLiteral("Search Stopped at combination ") +
               QString::number(outcome.combinations) + QLatin1Char('\n') + answers;
    }
    QString text = QStringLiteral("Searched ") + QString::number(outcome.combinations) +
                   QStringLiteral(" combinations: \n") + answers;
    if (outcome.complete)
        text += QLatin1Char('\n') + completeListSummary(*outcome.complete);
    return text;
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

    shown.clockOn = state == State::Running && !flow.isClosed();
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
    shown.manualSetupEnabled = !flow.isBusy();
    return shown;
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
        const qsizetype count = qsizetype(result.answers.size());
        return QStringLiteral("A complete search found ") + QString::number(count) +
               (count == 1 ? QStringLiteral(" answer.") : QStringLiteral(" answers."));
    }
    return QStringLiteral("No exact answer: the nearest is ") +
           QString::fromStdString(solver::nearestText(result)) + QStringLiteral(" (") +
           QString::number(result.distance) + QStringLiteral(" away).");
}
