// Long random walks over every operation, in any order, overflow included
// (run under the sanitizers in CI). Where no digit is near the 32-bit range
// the exact value must move as the algorithm says it does.
#include "ExactValue.h"
#include "Operation.h"
#include "Walk.h"

#include <boost/multiprecision/cpp_int.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>

namespace {

using boost::multiprecision::cpp_rational;

// Small enough that no single operation can overflow: ten times it, or a
// carry of at most half of it added to it, stays inside 32 bits.
bool FarFromOverflow(const CMixedRadixPi& pi)
{
    for (int k = 0; k < CMixedRadixPi::kPositions; ++k)
        if (std::abs(static_cast<long long>(pi.Digit(k))) >= (1 << 26))
            return false;
    return true;
}

bool AllNonNegative(const CMixedRadixPi& pi)
{
    for (int k = 0; k < CMixedRadixPi::kPositions; ++k)
        if (pi.Digit(k) < 0)
            return false;
    return true;
}

// The rounded sum may differ from the exact value by the rounding of fifty
// products and fifty sums.
void ExpectValueNearExact(const CMixedRadixPi& pi, const ExactWeights& exact)
{
    double magnitude = 0;
    for (int k = 0; k < CMixedRadixPi::kPositions; ++k)
        magnitude += std::abs(static_cast<double>(pi.Digit(k))) *
                     (k < CMixedRadixPi::kShown ? pi.m_weight[k] : pi.m_unseenWeight[k]);
    const double value = cpp_rational(exact.ScaledValue(pi), exact.denominator).convert_to<double>();
    EXPECT_LE(std::abs(pi.m_value - value), 1e-13 * magnitude + 1e-300);
}

class RandomWalk : public testing::TestWithParam<unsigned> {};

TEST_P(RandomWalk, KeepsTheExactValueWhereNothingOverflows)
{
    const unsigned seed = GetParam();
    SCOPED_TRACE("seed " + std::to_string(seed));
    const ExactWeights exact;
    const auto ops = Operations();
    std::mt19937 rng(seed);
    std::uniform_int_distribution<std::size_t> pick(0, ops.size() - 1);
    // Each operation runs one to twelve times in a row, so that runs of
    // multiplications reach the 32-bit range and wrap.
    std::uniform_int_distribution<int> repeat(1, 12);

    CMixedRadixPi pi = StartedEngine();
    int exactChecks = 0, overflowSteps = 0;
    const Operation* op = nullptr;
    for (int step = 0, left = 0; step < 20000; ++step, --left) {
        if (left == 0) {
            op = &ops[pick(rng)];
            left = repeat(rng);
        }
        const bool small = FarFromOverflow(pi);
        const bool natural = small && AllNonNegative(pi);
        const cpp_int before = exact.ScaledValue(pi);
        const std::size_t textBefore = pi.m_piDigits.size();
        op->apply(pi);
        SCOPED_TRACE(std::string("step ") + std::to_string(step) + " " + op->name);

        ASSERT_EQ(pi.m_value, CMixedRadixPi(pi).ComputeValue());
        ASSERT_GE(pi.m_piDigits.size(), std::string_view(op->name) == "init" ? 0 : textBefore);
        if (!small) {
            ++overflowSteps;
            continue;
        }
        ++exactChecks;
        ExpectValueNearExact(pi, exact);
        const cpp_int after = exact.ScaledValue(pi);
        const std::string_view name = op->name;
        if (name == "mul") {
            ASSERT_EQ(after, before * 10);
        } else if (name.starts_with("reduce")) {
            ASSERT_EQ(after, before);
        }
        if (name == "reduce-all" && natural) {
            for (int k = 1; k < CMixedRadixPi::kPositions; ++k)
                ASSERT_TRUE(pi.Digit(k) >= 0 && pi.Digit(k) <= 2 * k) << "position " << k;
        }
    }
    // The walk must have visited both regimes to mean anything.
    EXPECT_GT(exactChecks, 1000);
    EXPECT_GT(overflowSteps, 100);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomWalk, testing::Values(1u, 2u, 3u, 20261211u));

}  // namespace
