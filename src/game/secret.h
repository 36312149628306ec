// Drawing the hidden pattern. The random numbers come from a source passed in, so that a test
// can script every draw.
#pragma once

#include <cstdint>
#include <random>

#include "game/rules.h"

namespace vella {

class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // Called once at the start of every draw of a secret.
    virtual void Seed() = 0;
    // A number uniformly distributed in [0, 1).
    virtual double Next() = 0;
};

// The production source: a Mersenne Twister reseeded from the clock at every draw.
class ClockRandom final : public RandomSource {
  public:
    void Seed() override;
    double Next() override;

  private:
    std::mt19937_64 engine_;
    std::uint64_t draws_ = 0;
};

// Fills the four entries in order 0..3 with the whole part of n × r, n being the number of
// colours plus one when blanks are allowed; without repeats a candidate already drawn for this
// pattern (the blank included) is discarded and drawn again.
Pattern DrawSecret(RandomSource& random, const GameOptions& options);

}  // namespace vella
