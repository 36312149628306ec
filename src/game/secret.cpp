// Drawing the hidden pattern.
#include "game/secret.h"

#include <algorithm>
#include <cassert>
#include <chrono>

namespace vella {

void ClockRandom::Seed() {
    // The clock alone could repeat within one tick; the draw counter keeps two seeds apart.
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seq{static_cast<std::uint64_t>(ticks), ++draws_};
    engine_.seed(seq);
}

double ClockRandom::Next() {
    // 53 random bits make every double of [0, 1) on that grid equally likely, and never 1.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

Pattern DrawSecret(RandomSource& random, const GameOptions& options) {
    const int range = BlankCodeFor(options) + (options.BlanksAllowed ? 1 : 0);
    random.Seed();
    Pattern secret{NoSecret, NoSecret, NoSecret, NoSecret};
    for (int k = 0; k < RowLength;) {
        const double r = random.Next();
        assert(r >= 0.0 && r < 1.0);
        const auto candidate =
            static_cast<ColorCode>(std::clamp(static_cast<int>(range * r), 0, range - 1));
        const bool repeated =
            std::find(secret.begin(), secret.begin() + k, candidate) != secret.begin() + k;
        if (repeated && !options.RepeatsAllowed) continue;
        secret[k++] = candidate;
    }
    return secret;
}

}  // namespace vella
