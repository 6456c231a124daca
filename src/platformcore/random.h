#pragma once

#include <QtGlobal>

namespace platform {

// The process's one random generator. Everything random in the game (the
// deal, the target) draws from it, so a test can pin the whole sequence.

// A uniformly distributed value r with 0 <= r < 1.
double rnd();

// Stirs the generator: mixes the time of day into its state. Two stirs in
// the same millisecond still give different sequences, because the state
// they start from differs.
void randomize();

// Restarts the generator from `seed` and makes randomize() do nothing, so the
// sequence is the same on every run; resetRandomForTesting() undoes it.
void seedRandomForTesting(quint64 seed);
void resetRandomForTesting();

} // namespace platform
