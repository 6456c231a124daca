#include "random.h"

#include <QTime>

#include <random>

namespace platform {

namespace {

struct Generator
{
    std::mt19937_64 engine{std::random_device{}()};
    bool pinned = false;
};

Generator &generator()
{
    static Generator g;
    return g;
}

} // namespace

double rnd()
{
    // 53 random bits scaled into [0, 1): never 1, even after rounding.
    const quint64 bits = generator().engine() >> 11;
    return static_cast<double>(bits) * 0x1.0p-53;
}

void randomize()
{
    Generator &g = generator();
    if (g.pinned)
        return;
    const quint64 state = g.engine();
    const auto now = static_cast<quint32>(QTime::currentTime().msecsSinceStartOfDay());
    std::seed_seq seed{static_cast<quint32>(state), static_cast<quint32>(state >> 32), now};
    g.engine.seed(seed);
}

void seedRandomForTesting(quint64 seed)
{
    Generator &g = generator();
    g.engine.seed(seed);
    g.pinned = true;
}

void resetRandomForTesting()
{
    Generator &g = generator();
    g.pinned = false;
    g.engine.seed(std::random_device{}());
}

} // namespace platform
