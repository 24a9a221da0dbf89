#include "platform/random.hpp"

#include <bit>
#include <iterator>
#include <random>

#include "platform/clock.hpp"

namespace platform {
namespace {

std::mt19937& Generator() {
  static std::mt19937 generator(5489u);
  return generator;
}

}  // namespace

void Randomize() {
  const double seconds = SecondsSinceMidnight();
  const auto bits = std::bit_cast<std::uint64_t>(seconds);
  std::mt19937& gen = Generator();
  const std::uint32_t mixed[] = {
      static_cast<std::uint32_t>(bits), static_cast<std::uint32_t>(bits >> 32),
      static_cast<std::uint32_t>(gen()), static_cast<std::uint32_t>(gen())};
  std::seed_seq seq(std::begin(mixed), std::end(mixed));
  gen.seed(seq);
}

void SeedRandom(std::uint64_t seed) {
  const std::uint32_t parts[] = {static_cast<std::uint32_t>(seed),
                                 static_cast<std::uint32_t>(seed >> 32)};
  std::seed_seq seq(std::begin(parts), std::end(parts));
  Generator().seed(seq);
}

float Rnd() {
  // 24 random bits give every float in [0, 1) with a step of 2^-24, never 1.
  const std::uint32_t bits = Generator()() >> 8;
  return static_cast<float>(bits) * (1.0f / 16777216.0f);
}

}  // namespace platform
