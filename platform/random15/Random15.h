#pragma once
// The random source of the drawing formulas that were written for a generator of 0..32767
// (the C library here answers up to 2^31 - 1, which would change every noise formula).
//
//   platform::Random15 rng;          // seed 1, like a program that never seeds
//   int r = rng.next();              // 0..32767
//
// The sequence is the linear congruence of the C standard's sample generator, so a given
// seed always gives the same picture. One generator per image is fine; there is no global.
#include <cstdint>

namespace platform {

class Random15 {
  public:
    static constexpr int kMax = 32767;

    explicit Random15(std::uint32_t seed = 1) : state_(seed) {}
    void seed(std::uint32_t seed) { state_ = seed; }
    int next();

  private:
    std::uint32_t state_;
};

}  // namespace platform
