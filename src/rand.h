// The pseudo-random source behind every field of a record: a 32-bit linear
// congruential generator with a 15-bit output, seeded once per run.
#pragma once

#include <cstdint>

namespace recgen {

constexpr uint32_t rmul = 22695477;  // multiplier of one step
constexpr uint32_t radd = 1;         // increment of one step

// Returns the state one step after s.
constexpr uint32_t rstep(uint32_t s) { return s * rmul + radd; }

// Returns the draw (0 to 32767) that the state s yields.
constexpr int rdraw(uint32_t s) { return static_cast<int>((s >> 16) & 0x7fff); }

// Sets the generator's state to seed. Cannot fail.
void srand(uint32_t seed);

// Advances the state one step and returns its draw, 0 to 32767. Cannot fail.
int rand();

// Returns the current state, so a caller that draws many values in a tight
// loop can step a local copy and hand it back with srand().
uint32_t rstate();

}  // namespace recgen
