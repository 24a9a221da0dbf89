#pragma once
// The program's one pseudo-random generator, uniform in [0, 1).

#include <cstdint>

namespace platform {

// Reseeds from the time of day (seconds since midnight with its fraction).
// Like a classic Randomize, the new seed is mixed with the generator's current
// state, so two reseeds within the same clock tick still give different streams.
void Randomize();

// Restarts the generator from a fixed seed, for reproducible tests.
void SeedRandom(std::uint64_t seed);

// Next value, uniform in [0, 1), with single precision.
float Rnd();

}  // namespace platform
