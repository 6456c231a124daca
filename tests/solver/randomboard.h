#pragma once

// Random boards for the tests that compare a search with a plain one.

#include "bubblesort.h"

#include <QRandomGenerator>
#include <QString>

#include <cstdint>
#include <vector>

// Six tiles of a real board, sorted as both callers sort them.
inline std::vector<std::int32_t> drawBoard(QRandomGenerator &random)
{
    std::vector<std::int32_t> tiles;
    for (std::int32_t n = 1; n <= 10; ++n)
        tiles.insert(tiles.end(), {n, n});
    tiles.insert(tiles.end(), {25, 50, 75, 100});
    std::vector<std::int32_t> chosen;
    for (int pick = 0; pick < 6; ++pick) {
        const auto at = static_cast<std::ptrdiff_t>(random.bounded(static_cast<int>(tiles.size())));
        chosen.push_back(tiles[static_cast<std::size_t>(at)]);
        tiles.erase(tiles.begin() + at);
    }
    solver::BubbleSort(chosen);
    return chosen;
}

inline QString describe(const std::vector<std::int32_t> &numbers, std::int64_t target)
{
    QString text;
    for (const std::int32_t n : numbers)
        text += QString::number(n) + QLatin1Char(' ');
    return text + QStringLiteral("-> ") + QString::number(target);
}
