// A random source that returns the numbers a test gives it, and counts reseeds.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <vector>

#include "game/secret.h"

class ScriptedRandom final : public vella::RandomSource {
  public:
    explicit ScriptedRandom(std::vector<double> values = {}) : values_(std::move(values)) {}

    void Push(std::vector<double> values) {
        values_.insert(values_.end(), values.begin(), values.end());
    }
    void Seed() override { ++seeds; }
    double Next() override {
        if (next_ >= values_.size()) throw std::logic_error("scripted random numbers used up");
        return values_[next_++];
    }
    std::size_t Used() const { return next_; }

    int seeds = 0;

  private:
    std::vector<double> values_;
    std::size_t next_ = 0;
};

// The r that draws `code` out of a range of n.
inline double Draw(int code, int n) {
    return (code + 0.5) / n;
}
