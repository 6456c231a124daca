#pragma once

#include <QString>

#include <array>

// The face-down tiles' hidden values and the rule that decides which number
// label a picked tile fills. No window: the main window holds the tiles and
// labels and asks this class where things go.
class NumberBoard
{
public:
    static constexpr int TileCount = 24;
    static constexpr int LabelCount = 6;
    static constexpr int FirstLargeTile = 20; // tiles 20 to 23 hide 25 to 100

    // A new deal: each of the first two rows hides 1 to 10 in its own
    // shuffled order, the third row 25, 50, 75 and 100. Stirs the process's
    // random generator before each of the first two rows.
    void ScrambleNos();

    // A tile's hidden value as text, and the value as a 16-bit number.
    const QString &Tag(int tile) const { return m_tags.at(tile); }
    void setTag(int tile, const QString &text) { m_tags.at(tile) = text; }
    qint16 value(int tile) const;

    // The label a picked tile's number goes into: the first free one,
    // scanning from the right for small numbers and from the left for large
    // ones; -1 when every label is taken. `isFree(label)` says whether a
    // label's caption is empty.
    template <typename IsFree> static int labelForPick(int tile, IsFree &&isFree)
    {
        const bool large = tile >= FirstLargeTile;
        for (int step = 0; step < LabelCount; ++step) {
            const int label = large ? step : LabelCount - 1 - step;
            if (isFree(label))
                return label;
        }
        return -1;
    }

private:
    // Deals tiles first..first+count-1 from the digits of `digits`, one
    // random digit each, the last tile taking the digit left over.
    void dealRow(int first, QString digits);

    std::array<QString, TileCount> m_tags;
};
