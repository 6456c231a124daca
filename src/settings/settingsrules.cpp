#include "settingsrules.h"

#include "globalbas.h"
#include "numericbox.h"

namespace settingsrules {

qint16 secondsAtPosition(int position)
{
    return qint16(FirstTimeAllowed + TimeAllowedStep * position);
}

BoxCheck checkLowestBox(const QString &lowest)
{
    const auto low = platform::parseInt16(lowest);
    if (!low)
        return {true, LowestDefaultText, false};
    if (*low < GLOBALbas::SmallestTargetBound)
        return {true, LowestDefaultText, true};
    return {};
}

BoxCheck checkHighestBox(const QString &lowest, const QString &highest)
{
    const auto high = platform::parseInt16(highest);
    if (!high)
        return {true, HighestDefaultText, false};
    if (*high < GLOBALbas::SmallestTargetBound)
        return {true, HighestDefaultText, true};
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

std::optional<qint16> storedTargetBound(const Variant &stored)
{
    const auto bound = storedNumber(stored);
    if (!bound || *bound < GLOBALbas::SmallestTargetBound)
        return std::nullopt;
    return bound;
}

std::optional<int> storedTimeAllowedPosition(const Variant &stored)
{
    // Read by the start-up's own rule, so that the window shows the clock
    // the game plays ("3x" is 45 seconds to both); a value that rule cannot
    // use is the default's position.
    if (stored.equalsEmpty())
        return std::nullopt;
    return (GLOBALbas::ReadTimeAllowed(stored) - 30) / 5;
}

} // namespace settingsrules
