#include "gamepresentation.h"

#include "coaching.h"
#include "completesearch.h"
#include "ratingnames.h"

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

// The hints' words: the wording is the player's, the figures the search's.
class GameHints
{
    Q_DECLARE_TR_FUNCTIONS(GameHints)

public:
    // Each hint taken so far, one line a level, after what the roll could
    // not give.
    static QString text(const GameFlow &flow)
    {
        QStringList lines;
        if (flow.ratingIsNearest()) {
            //: %1: the rating asked for in the settings; %2: the one the roll took.
            lines << tr("This board has no target rated %1: this one is %2, the nearest.")
                         .arg(RatingNames::name(flow.settings().difficulty),
                              RatingNames::name(flow.ratingPlayed()));
        }
        const solver::Hint *hint = flow.hint();
        const int taken = hint ? flow.hintsTaken() : 0;
        if (taken >= 1)
            lines << firstLevel(*hint);
        if (taken >= 2)
            lines << secondLevel(*hint);
        if (taken >= 3) {
            if (hint->firstStep)
                //: %1: a step such as "100 + 5 = 105".
                lines << tr("Hint 3: the first step is %1.")
                             .arg(QString::fromStdString(solver::stepWithResult(*hint->firstStep)));
            else
                lines << tr("Hint 3: the answer is one of your numbers.");
        }
        return lines.join(QLatin1Char('\n'));
    }

private:
    static QString firstLevel(const solver::Hint &hint)
    {
        const QString numbers = hint.fewestNumbers == 1
                                    ? tr("1 number")
                                    : tr("%n numbers", nullptr, hint.fewestNumbers);
        if (hint.exact)
            //: %1: how many numbers, as "3 numbers".
            return tr("Hint 1: the target can be reached exactly, with %1.").arg(numbers);
        //: %1: the nearest value; %2: how far it is from the target; %3: "3 numbers".
        return tr("Hint 1: the target cannot be reached; the nearest is %1, %2 away, with %3.")
            .arg(hint.best)
            .arg(hint.bestDistance)
            .arg(numbers);
    }

    static QString secondLevel(const solver::Hint &hint)
    {
        QStringList signs;
        for (const solver::Operation op : hint.operations)
            signs << QString::fromLatin1(solver::operationSign(op));
        QStringList uses;
        for (const std::int32_t n : hint.uses)
            uses << QString::number(n);
        if (signs.isEmpty())
            //: %1: the one number that is already the answer.
            return tr("Hint 2: no operation is needed, only %1.").arg(listed(uses));
        //: %1: operations such as "+ and x"; %2: numbers such as "100, 5 and 3".
        return tr("Hint 2: it takes %1, with %2.").arg(listed(signs), listed(uses));
    }

    // "100, 5 and 3" in the player's language.
    static QString listed(const QStringList &items)
    {
        if (items.size() < 2)
            return items.join(QString());
        //: Joins the last two items of a list: "100, 5 and 3".
        return tr("%1 and %2")
            .arg(items.mid(0, items.size() - 1).join(QStringLiteral(", ")), items.constLast());
    }
};

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
    shown.clockOff = !flow.isRoundTimed();
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
    // The hints stand until the answers take their place.
    shown.coach = GameHints::text(flow);
    shown.hintEnabled = flow.canTakeHint();
    shown.pointsCommands = flow.settings().playForPoints;
    shown.codeCopyEnabled = !flow.boardCode().isEmpty();
    // A copied code is told where the round's notes stand: with the hints,
    // or under the search's status once the answers have taken their place.
    if (flow.isCodeCopied()) {
        //: %1: a board code such as TF-98X-KKC, now on the clipboard.
        const QString note = QCoreApplication::translate("GameStatus", "Board code %1 copied.")
                                 .arg(flow.boardCode());
        QString &notes = shown.statusVisible ? shown.status : shown.coach;
        notes += notes.isEmpty() ? note : QLatin1Char('\n') + note;
    }
    shown.coachVisible =
        !shown.coach.isEmpty() && (state == State::Rolling || state == State::Running ||
                                   (state == State::Over && !flow.outcome().ran));
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
