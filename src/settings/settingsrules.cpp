#include "settingsrules.h"

#include "numericbox.h"

namespace settingsrules {

qint16 secondsAtPosition(int position)
{
    return qint16(FirstTimeAllowed + TimeAllowedStep * position);
}

BoxCheck checkLowestBox(const QString &lowest)
{
    if (platform::parseInt16(lowest))
        return {};
    return {true, LowestDefaultText, false};
}

BoxCheck checkHighestBox(const QString &lowest, const QString &highest)
{
    const auto high = platform::parseInt16(highest);
    if (!high)
        return {true, HighestDefaultText, false};
    const auto low = platform::parseInt16(lowest);
    if (low && *high < *low)
        return {true, HighestDefaultText, true};
    return {};
}

std::optional<qint16> storedNumber(const Variant &stored)
{
    if (stored.equalsEmpty())
        return std::nullopt;
    const auto number = stored.toNumber();
    if (!number)
        return std::nullopt;
    return roundToInt16(*number);
}

std::optional<int> storedTimeAllowedPosition(const Variant &stored)
{
    const auto position = storedNumber(stored);
    if (!position || *position < 0 || *position >= TimeAllowedPositions)
        return std::nullopt;
    return *position;
}

} // namespace settingsrules
