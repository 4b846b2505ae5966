// Time of the engine's steps with no owner, beside a baseline that does only
// the unavoidable work of one press: twelve dependent fifty-term sums and the
// forty-nine carry divisions.
#include "MixedRadixPi.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

void BM_ComputeOneMoreDigit(benchmark::State& state)
{
    CMixedRadixPi pi;
    pi.InitWeights();
    pi.InitializePi();
    int presses = 0;
    for (auto _ : state) {
        // Past a few hundred presses the digits stop being those of pi but
        // the work stays the same; start again now and then to keep the text short.
        if (++presses == 1000) {
            state.PauseTiming();
            pi.InitializePi();
            presses = 0;
            state.ResumeTiming();
        }
        pi.ComputeOneMoreDigit();
        benchmark::DoNotOptimize(pi.m_value);
    }
}
BENCHMARK(BM_ComputeOneMoreDigit);

void BM_ComputeValue(benchmark::State& state)
{
    CMixedRadixPi pi;
    pi.InitWeights();
    pi.InitializePi();
    for (auto _ : state) {
        benchmark::DoNotOptimize(pi.ComputeValue());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ComputeValue);

// The least one press must do: ten times every digit, one division by each
// modulus with its carry, and twelve fifty-term sums, each depending on the
// digits the step before it left.
void BM_BaselinePress(benchmark::State& state)
{
    CMixedRadixPi weights;
    weights.InitWeights();
    double w[50];
    for (int k = 0; k < 50; ++k)
        w[k] = k < 10 ? weights.m_weight[k] : weights.m_unseenWeight[k];
    std::uint32_t d[50];
    for (auto& x : d)
        x = 2;
    auto sum = [&] {
        double s = static_cast<std::int32_t>(d[0]) * w[0];
        for (int k = 1; k < 50; ++k)
            s = s + static_cast<std::int32_t>(d[k]) * w[k];
        return s;
    };
    int presses = 0;
    for (auto _ : state) {
        if (++presses == 1000) {
            for (auto& x : d)
                x = 2;
            presses = 0;
        }
        for (auto& x : d)
            x *= 10;
        double v = sum();
        for (int k = 49; k >= 1; --k) {
            const auto b = static_cast<std::int32_t>(d[k]);
            const std::int32_t m = 2 * k + 1, q = b / m;
            d[k] = static_cast<std::uint32_t>(b - q * m);
            d[k - 1] += static_cast<std::uint32_t>(q * k);
            if (k <= 9)
                v += sum();
        }
        d[0] %= 10;
        v += sum() + sum();
        benchmark::DoNotOptimize(v);
    }
}
BENCHMARK(BM_BaselinePress);

}  // namespace

BENCHMARK_MAIN();
