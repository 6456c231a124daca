#include "numberboard.h"

#include "random.h"

#include <cmath>

void NumberBoard::dealRow(int first, QString digits)
{
    const int last = first + static_cast<int>(digits.size()) - 1;
    for (int tile = first; tile < last; ++tile) {
        const auto n = static_cast<int>(digits.size());
        // p in 1..n, as the draw is written; clamped in case r*n rounds up to n.
        const int p = std::min(n, static_cast<int>(std::floor(platform::rnd() * n + 1)));
        m_tags[tile] = digits.at(p - 1);
        digits.remove(p - 1, 1);
    }
    m_tags[last] = QString::number(digits.at(0).digitValue());
}

void NumberBoard::ScrambleNos()
{
    // The digit 0 stands for 10 until the rows are dealt.
    platform::randomize();
    dealRow(0, QStringLiteral("1234567890"));
    platform::randomize();
    dealRow(10, QStringLiteral("1234567890"));
    for (int tile = 0; tile < FirstLargeTile; ++tile) {
        if (m_tags[tile].toInt() == 0)
            m_tags[tile] = QStringLiteral("10");
    }

    // The large numbers are quarters of a hundred.
    dealRow(FirstLargeTile, QStringLiteral("1234"));
    for (int tile = FirstLargeTile; tile < TileCount; ++tile)
        m_tags[tile] = QString::number(m_tags[tile].toInt() * 25);
}

qint16 NumberBoard::value(int tile) const
{
    bool ok = false;
    const qint16 v = m_tags.at(tile).toShort(&ok);
    return ok ? v : 0;
}
