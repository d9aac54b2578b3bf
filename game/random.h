#pragma once
// The game's own pseudo-random source: 31-bit values from a 64-bit linear
// congruential generator, so that a seed replays the same deal on every machine.
#include <cstdint>

namespace game {

class Random {
  public:
    void seed(std::uint64_t seed) { state_ = seed; }
    // The next value, 0 to 2147483647.
    std::int32_t next() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::int32_t>(state_ >> 33);
    }

  private:
    std::uint64_t state_ = 0;
};

}  // namespace game
