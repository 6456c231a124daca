#include "globalbas.h"

#include "regbas.h"

namespace GLOBALbas {

Variant LastRegValue;

namespace {

// The clock lengths the settings window offers: list positions 0 to 6 for 30
// to 60 ticks in steps of five.
constexpr int LastTimeAllowedPosition = 6;

Variant fetch(Setting setting)
{
    REGbas::FetchSetting(REGbas::HkeyCurrentUser, SettingsKeyPath, StoredName(setting));
    return LastRegValue;
}

// A stored whole number that fits 16 bits, or nothing for text that is no
// number and numbers out of range (the program never stores either, so they
// can only come from a damaged or hand-edited store).
std::optional<qint16> storedInt16(const Variant &stored)
{
    const auto n = stored.toNumber();
    return n ? roundToInt16(*n) : std::nullopt;
}

} // namespace

QString StoredName(Setting setting)
{
    switch (setting) {
    case Setting::LowestTarget:
        return QStringLiteral("LowestTarget");
    case Setting::HighestTarget:
        return QStringLiteral("HighestTarget");
    case Setting::TimeAllowed:
        return QStringLiteral("TimeAllowed");
    case Setting::ShowSeconds:
        return QStringLiteral("ShowSeconds");
    case Setting::NoSounds:
        return QStringLiteral("NoSounds");
    case Setting::TimerInterval:
        return QStringLiteral("TimerInterval");
    case Setting::CompleteSearch:
        return QStringLiteral("CompleteSearch");
    case Setting::PlayForPoints:
        return QStringLiteral("PlayForPoints");
    case Setting::ReachableTargets:
        return QStringLiteral("ReachableTargets");
    case Setting::PlayWithoutClock:
        return QStringLiteral("PlayWithoutClock");
    case Setting::Difficulty:
        return QStringLiteral("Difficulty");
    }
    return {};
}

void ResetProcessValues()
{
    LastRegValue = Variant();
}

qint16 ReadTimeAllowed(const Variant &stored)
{
    if (stored.equalsEmpty())
        return FirstRunTimeAllowed;
    // The list position's text read as a number; a position the list does not
    // have would make a clock of no length (or a negative one), so it falls
    // back to the default like any other unusable value.
    const double position = leadingNumber(stored.toText());
    const auto seconds = roundToInt16(position * 5 + 30);
    if (!seconds || *seconds < 30 || *seconds > 30 + 5 * LastTimeAllowedPosition)
        return FirstRunTimeAllowed;
    return *seconds;
}

platform::Bool16 ReadNoSounds(const Variant &stored)
{
    const auto n = stored.toNumber();
    return platform::toBool16(n && *n != 0);
}

qint16 ReadLowestTarget(const Variant &stored)
{
    if (stored.equalsEmpty())
        return FirstRunLowestTarget;
    const auto n = storedInt16(stored);
    if (!n || *n < SmallestTargetBound)
        return FirstRunLowestTarget;
    return *n;
}

qint16 ReadHighestTarget(const Variant &stored, qint16 lowestTarget)
{
    if (stored.equalsEmpty())
        return FirstRunHighestTarget;
    const auto n = storedInt16(stored);
    if (!n || *n < SmallestTargetBound || *n < lowestTarget)
        return FirstRunHighestTarget;
    return *n;
}

qint16 ReadTimerInterval(const Variant &stored)
{
    if (stored.equalsEmpty())
        return SlowestTimerIntervalDefault;
    const auto n = storedInt16(stored);
    if (!n || *n < SlowestTimerIntervalDefault)
        return SlowestTimerIntervalDefault;
    return *n;
}

bool ReadSwitch(const Variant &stored)
{
    const auto n = stored.toNumber();
    return n && *n != 0;
}

qint16 ReadDifficulty(const Variant &stored)
{
    // Anything but a rating's place plays any target, as a first run does.
    const auto n = storedInt16(stored);
    return n && *n >= 0 && *n <= GameSettings::HardestDifficulty ? *n : 0;
}

GameSettings LoadSettings()
{
    // The key's unnamed value is never written; asking for it only tells
    // whether the key can be opened at all.
    if (REGbas::FetchSetting(REGbas::HkeyCurrentUser, SettingsKeyPath, QString()) == -1) {
        REGbas::CreateSettingsKey(REGbas::HkeyCurrentUser, SettingsKeyPath);
        return GameSettings{};
    }
    return ReadStoredSettings().game;
}

StoredSettings ReadStoredSettings()
{
    StoredSettings stored;
    GameSettings &settings = stored.game;
    settings.completeSearch = ReadSwitch(fetch(Setting::CompleteSearch));
    settings.playForPoints = ReadSwitch(fetch(Setting::PlayForPoints));
    settings.reachableTargets = ReadSwitch(fetch(Setting::ReachableTargets));
    settings.withoutClock = ReadSwitch(fetch(Setting::PlayWithoutClock));
    settings.difficulty = ReadDifficulty(fetch(Setting::Difficulty));
    settings.timeAllowed = ReadTimeAllowed(fetch(Setting::TimeAllowed));
    stored.timeAllowedPosition = (settings.timeAllowed - FirstRunTimeAllowed) / 5;
    settings.noSounds = ReadNoSounds(fetch(Setting::NoSounds));
    settings.lowestTarget = ReadLowestTarget(fetch(Setting::LowestTarget));
    settings.highestTarget =
        ReadHighestTarget(fetch(Setting::HighestTarget), settings.lowestTarget);
    settings.timerInterval = ReadTimerInterval(fetch(Setting::TimerInterval));
    stored.showSeconds = FetchShowSeconds();
    return stored;
}

bool FetchShowSeconds()
{
    return leadingNumber(fetch(Setting::ShowSeconds).toText()) != 0;
}

} // namespace GLOBALbas
