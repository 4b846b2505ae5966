// The stored digits of pi against Machin's formula in exact integers, and
// the count of pi's digits a text begins with.
#include "PiDigits.h"

#include <boost/multiprecision/cpp_int.hpp>
#include <gtest/gtest.h>

#include <string>

namespace {

using boost::multiprecision::cpp_int;

// arctan(1/x) times scale, by its alternating series, each term truncated.
cpp_int ArctanOfInverse(int x, const cpp_int& scale)
{
    cpp_int power = scale / x;  // scale / x^(2n+1)
    cpp_int sum = power;
    const int x2 = x * x;
    for (int n = 1; power != 0; ++n) {
        power /= x2;
        const cpp_int term = power / (2 * n + 1);
        sum += n % 2 ? -term : term;
    }
    return sum;
}

TEST(PiDigits, AreMachinsPi)
{
    const std::size_t count = PiDigits().size();
    ASSERT_GE(count, 1000u);
    // Each truncated term is off by less than one unit; twenty guard digits
    // keep the thousands of such errors far below the last digit compared.
    constexpr int kGuard = 20;
    cpp_int scale = 1;
    for (std::size_t i = 1; i < count + kGuard; ++i)
        scale *= 10;
    const cpp_int pi = 16 * ArctanOfInverse(5, scale) - 4 * ArctanOfInverse(239, scale);
    EXPECT_EQ(pi.str().substr(0, count), PiDigits());
}

struct LeadingCase
{
    const char* name;
    const char* text;
    int expected;
};

class LeadingPiDigitsTest : public testing::TestWithParam<LeadingCase> {};

TEST_P(LeadingPiDigitsTest, CountsThreeButNotThePoint)
{
    EXPECT_EQ(LeadingPiDigits(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, LeadingPiDigitsTest, testing::Values(
    LeadingCase{"Empty", "", 0},
    LeadingCase{"FirstPress", "3.", 1},
    LeadingCase{"ZeroAfterExtractingAtOnce", "0.", 0},
    LeadingCase{"FifteenPresses", "3.14159265358979", 15},
    LeadingCase{"SixteenPresses", "3.141592653589792", 15},
    LeadingCase{"NegativePositionZero", "3.-5", 1},
    LeadingCase{"PointElsewhere", "31.4", 2},
    LeadingCase{"NoPointYetCounts", "314", 3}),
    [](const testing::TestParamInfo<LeadingCase>& p) { return std::string(p.param.name); });

}  // namespace
