// Speed of scoring a row and drawing a secret.
#include <benchmark/benchmark.h>

#include "game/scoring.h"
#include "game/secret.h"

using namespace vella;

static void BM_CheckGuess(benchmark::State& state) {
    const GameOptions options{ColorSet::Six, true, true};
    Pattern row{0, 6, 6, 6};
    const Pattern secret{6, 0, 0, 1};
    for (auto _ : state) {
        benchmark::DoNotOptimize(row);
        benchmark::DoNotOptimize(CheckGuess(row, secret, options));
    }
}
BENCHMARK(BM_CheckGuess);

static void BM_DrawSecretNoRepeats(benchmark::State& state) {
    ClockRandom random;
    const GameOptions options{ColorSet::Seven, false, true};
    for (auto _ : state) benchmark::DoNotOptimize(DrawSecret(random, options));
}
BENCHMARK(BM_DrawSecretNoRepeats);
