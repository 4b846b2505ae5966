// The digits the engine writes are the decimal expansion of the number that
// Initialize Pi loads, 2 * (w0 + ... + w49), checked with exact arithmetic.
#include "ExactValue.h"
#include "Walk.h"

#include <gtest/gtest.h>

namespace {

// The first count decimal digits of numerator / denominator, without a point.
std::string LeadingDigits(const cpp_int& numerator, const cpp_int& denominator, std::size_t count)
{
    cpp_int scale = 1;
    for (std::size_t i = 1; i < count; ++i)
        scale *= 10;
    return cpp_int(numerator * scale / denominator).str();
}

TEST(Exactness, FourThousandPressesWriteTheExpansionOfTheLoadedNumber)
{
    const ExactWeights exact;
    CMixedRadixPi pi = StartedEngine();
    RunWalk(pi, "init");
    const cpp_int loaded = exact.ScaledValue(pi);  // 2 * (w0 + ... + w49) * D
    RunWalk(pi, "one-more*4000");

    std::string digits = pi.m_piDigits;
    ASSERT_GT(digits.size(), 3900u);
    ASSERT_EQ(digits[1], '.');
    digits.erase(1, 1);
    EXPECT_EQ(digits, LeadingDigits(loaded, exact.denominator, digits.size()));
    // Fifty positions carry fifteen digits of pi.
    EXPECT_EQ(digits.substr(0, 16), "3141592653589792");
}

}  // namespace
