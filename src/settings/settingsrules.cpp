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

} // namespace settingsrules
