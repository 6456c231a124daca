#include "twoplayermatch.h"

#include "gamehistory.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace {

QString pointsText(int points)
{
    return points == 1 ? TwoPlayerMatch::tr("1 point")
                       : TwoPlayerMatch::tr("%n points", nullptr, points);
}

} // namespace

TwoPlayerMatch::TwoPlayerMatch(std::array<QString, 2> players, int rounds, Boards boards)
{
    for (std::size_t p = 0; p < players.size(); ++p) {
        m_match.players[p] = players[p].simplified();
        if (m_match.players[p].isEmpty())
            m_match.players[p] = tr("Player %1").arg(p + 1);
    }
    m_match.rounds = std::clamp(rounds, FewestRounds, MostRounds);
    m_match.boards = boards;
    m_match.startedAt = QDateTime::currentDateTimeUtc();
}

int TwoPlayerMatch::answering() const
{
    if (isOver())
        return -1;
    return (starter() + m_answered) % 2;
}

bool TwoPlayerMatch::answer(const PlayedGame &game)
{
    const int player = answering();
    if (player < 0)
        return false;
    if (m_answered == 0) {
        m_round = MatchRound{};
        m_round.numbers = game.numbers;
        m_round.target = game.target;
        m_round.bestValue = game.bestValue;
        m_round.bestDistance = game.round.bestDistance;
        m_round.firstPlayer = player;
    }
    MatchAnswer &given = m_round.answers[std::size_t(player)];
    given.declared = game.round.declared;
    given.answer = game.round.declared ? game.answer : QString();
    given.value = game.round.declared ? game.value : 0;
    given.distance = game.round.declared ? game.round.distance : 0;
    given.points = game.round.points;
    if (++m_answered < 2)
        return false;

    m_answered = 0;
    m_round.winner = nearer(m_round.answers[0], m_round.answers[1]);
    if (m_round.winner >= 0)
        ++m_match.score[std::size_t(m_round.winner)];
    m_match.played.append(std::exchange(m_round, MatchRound{}));
    if (int(m_match.played.size()) == m_match.rounds) {
        m_match.finished = true;
        m_match.endedAt = QDateTime::currentDateTimeUtc();
        const auto [first, second] = m_match.score;
        m_match.winner = first == second ? -1 : (first > second ? 0 : 1);
    }
    return true;
}

void TwoPlayerMatch::leave()
{
    if (isOver())
        return;
    // A round half answered is not a round played: the score stands as the
    // last whole round left it.
    m_answered = 0;
    m_round = MatchRound{};
    m_match.endedAt = QDateTime::currentDateTimeUtc();
}

int TwoPlayerMatch::nearer(const MatchAnswer &first, const MatchAnswer &second)
{
    if (first.declared != second.declared)
        return first.declared ? 0 : 1;
    if (!first.declared || first.distance == second.distance)
        return -1;
    return first.distance < second.distance ? 0 : 1;
}

TwoPlayerMatch::Deal TwoPlayerMatch::deal(QRandomGenerator &random, int lowestTarget,
                                          int highestTarget)
{
    // The tiles' values as the board hides them: two rows of 1 to 10, then
    // the four large ones. Six different tiles, as a player would turn over.
    std::array<qint32, 24> tiles{};
    std::iota(tiles.begin(), tiles.begin() + 10, 1);
    std::iota(tiles.begin() + 10, tiles.begin() + 20, 1);
    std::copy_n(std::array<qint32, 4>{25, 50, 75, 100}.begin(), 4, tiles.begin() + 20);
    for (std::size_t i = 0; i < 6; ++i) {
        const auto j = i + std::size_t(random.bounded(quint32(tiles.size() - i)));
        std::swap(tiles[i], tiles[j]);
    }
    Deal dealt;
    std::copy_n(tiles.begin(), 6, dealt.numbers.begin());
    std::sort(dealt.numbers.begin(), dealt.numbers.end(), std::greater<>());
    const int lowest = std::clamp(std::min(lowestTarget, highestTarget), 1, 32767);
    const int highest = std::clamp(std::max(lowestTarget, highestTarget), 1, 32767);
    dealt.target = lowest + int(random.bounded(quint32(highest - lowest + 1)));
    return dealt;
}

QString TwoPlayerMatch::scoreLine() const
{
    const QString first = player(0), second = player(1);
    if (isOver())
        //: The match's score: "Ann 3 - Ben 2".
        return tr("%1 %2 - %3 %4").arg(first).arg(score()[0]).arg(second).arg(score()[1]);
    //: The running score: "Ann 2 - Ben 1, round 4 of 5".
    return tr("%1 %2 - %3 %4, round %5 of %6")
        .arg(first)
        .arg(score()[0])
        .arg(second)
        .arg(score()[1])
        .arg(round())
        .arg(rounds());
}

QString TwoPlayerMatch::handOver(int player) const
{
    return tr("Pass the keyboard to %1.").arg(this->player(player));
}

QString TwoPlayerMatch::pickLine(int picked) const
{
    //: %1: a player's name; %2: the tile's number in the six, from 1.
    return tr("%1 picks tile %2 of 6.").arg(player(picker(picked))).arg(picked + 1);
}

QString TwoPlayerMatch::answerLine(const MatchRound &round, int player) const
{
    const MatchAnswer &given = round.answers.at(std::size_t(player));
    if (!given.declared)
        return tr("%1: no answer.").arg(this->player(player));
    if (given.distance == 0)
        //: %1: a player; %2: the answer; %3: its value; %4: the points, "10 points".
        return tr("%1: %2 = %3, exactly: %4.")
            .arg(this->player(player), given.answer)
            .arg(given.value)
            .arg(pointsText(given.points));
    //: %1: a player; %2: the answer; %3: its value; %4: how far from the target; %5: the points.
    return tr("%1: %2 = %3, %4 away: %5.")
        .arg(this->player(player), given.answer)
        .arg(given.value)
        .arg(given.distance)
        .arg(pointsText(given.points));
}

QStringList TwoPlayerMatch::roundLines() const
{
    const MatchRound *last = lastRound();
    if (!last)
        return {};
    QStringList lines;
    //: %1: the round's number; %2: its target.
    lines << tr("Round %1, target %2:").arg(m_match.played.size()).arg(last->target);
    lines << answerLine(*last, last->firstPlayer) << answerLine(*last, 1 - last->firstPlayer);
    if (last->bestDistance == 0)
        lines << tr("Best possible: %1 exactly.").arg(last->bestValue);
    else
        lines << tr("Best possible: %1, %2 away.").arg(last->bestValue).arg(last->bestDistance);
    lines << (last->winner < 0 ? tr("The round is a tie.")
                               : tr("%1 wins the round.").arg(player(last->winner)));
    lines << (isOver() ? resultLine() : scoreLine());
    return lines;
}

QString TwoPlayerMatch::resultLine() const
{
    const auto [first, second] = score();
    if (!m_match.finished)
        //: A match left before its last round, at its score: "Ann 2 - Ben 1".
        return tr("The match was ended at %1.").arg(scoreLine());
    if (m_match.winner < 0)
        return tr("The match is a draw, %1 - %2.").arg(first).arg(second);
    return tr("%1 wins the match %2 - %3.")
        .arg(player(m_match.winner))
        .arg(std::max(first, second))
        .arg(std::min(first, second));
}
