// A random source that returns the numbers a test gives it, and counts reseeds.
#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <vector>

#include "game/rules.h"
#include "game/secret.h"

// The r that draws `code` out of a range of n.
inline double Draw(int code, int n) {
    return (code + 0.5) / n;
}

// The colour set whose blank is `blankCode` (6 or 7).
inline vella::ColorSet Colors(vella::ColorCode blankCode) {
    return blankCode == 7 ? vella::ColorSet::Seven : vella::ColorSet::Six;
}

class ScriptedRandom final : public vella::RandomSource {
  public:
    // Once `values` are used up, a strict source fails the test; an endless one goes on drawing
    // four different codes from any range of six or more.
    explicit ScriptedRandom(std::vector<double> values = {}, bool endless = false)
        : values_(std::move(values)), endless_(endless) {}

    void Push(std::vector<double> values) {
        values_.insert(values_.end(), values.begin(), values.end());
    }
    // The next secret drawn, out of a range of `range` codes.
    void Queue(vella::Pattern secret, int range) {
        for (auto code : secret) values_.push_back(Draw(code, range));
    }
    void Seed() override { ++seeds; }
    double Next() override {
        if (next_ < values_.size()) return values_[next_++];
        if (!endless_) throw std::logic_error("scripted random numbers used up");
        return Fallback[fallback_++ % Fallback.size()];
    }
    std::size_t Used() const { return next_; }

    int seeds = 0;

  private:
    static constexpr std::array<double, 4> Fallback{0.05, 0.3, 0.55, 0.8};
    std::vector<double> values_;
    std::size_t next_ = 0;
    bool endless_;
    std::size_t fallback_ = 0;
};
