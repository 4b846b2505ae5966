// The engine's behaviour on the walks a user can take through the dialog.
#include "MixedRadixPi.h"
#include "TextConversion.h"
#include "Walk.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <vector>

namespace {

struct WalkCase
{
    const char* name;
    const char* walk;
    std::optional<std::array<std::int32_t, 10>> shown;  // the ten shown digits
    std::optional<std::string> value;                    // value represented, 15 digits
    std::optional<std::string> text;                     // the digits of pi
};

class WalkTest : public testing::TestWithParam<WalkCase> {};

TEST_P(WalkTest, GivesTheFields)
{
    const WalkCase& c = GetParam();
    CMixedRadixPi pi = StartedEngine();
    RunWalk(pi, c.walk);
    if (c.shown) {
        std::array<std::int32_t, 10> shown;
        std::copy(std::begin(pi.m_digit), std::end(pi.m_digit), shown.begin());
        EXPECT_EQ(shown, *c.shown);
    }
    if (c.value) {
        EXPECT_EQ(FormatDouble(pi.m_value, 15), *c.value);
    }
    if (c.text) {
        EXPECT_EQ(pi.m_piDigits, *c.text);
    }
}

using D = std::array<std::int32_t, 10>;

INSTANTIATE_TEST_SUITE_P(Walks, WalkTest, testing::Values(
    WalkCase{"Fresh", "", D{0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, "0", ""},
    WalkCase{"InitializePi", "init", D{2, 2, 2, 2, 2, 2, 2, 2, 2, 2}, "3.14159265358979", ""},
    WalkCase{"ExtractRightAfterInit", "init extract", D{2, 2, 2, 2, 2, 2, 2, 2, 2, 2}, std::nullopt, "0."},
    WalkCase{"OnePress", "init one-more", D{0, 2, 2, 4, 3, 10, 1, 13, 12, 1}, "1.41592653589793", "3."},
    WalkCase{"TwoPresses", "init one-more*2", std::nullopt, std::nullopt, "3.1"},
    WalkCase{"FifteenPresses", "init one-more*15", std::nullopt, std::nullopt, "3.14159265358979"},
    WalkCase{"SixteenPresses", "init one-more*16", std::nullopt, std::nullopt, "3.141592653589792"},
    WalkCase{"FirstExtractionOfTwoCharactersKeepsThePoint", "init mul*2 reduce-all extract",
             std::nullopt, std::nullopt, "3.1"},
    WalkCase{"MultiplyShowsTheRoundedSum", "init one-more*5 mul", std::nullopt, "92.6535897928007", std::nullopt},
    WalkCase{"ReducingChangesOnlyTheRounding", "init one-more*5 mul reduce-unseen", std::nullopt,
             "92.6535897928006", std::nullopt}),
    [](const testing::TestParamInfo<WalkCase>& p) { return std::string(p.param.name); });

TEST(MixedRadixPi, TwelfthPressHoldsEightyNineInPositionZero)
{
    CMixedRadixPi pi = StartedEngine();
    RunWalk(pi, "init one-more*11");
    EXPECT_EQ(pi.m_piDigits, "3.1415926535");
    RunWalk(pi, "one-more");
    EXPECT_EQ(pi.m_digit[0], 89);
    EXPECT_EQ(pi.m_piDigits, "3.1415926535");
    RunWalk(pi, "one-more");  // 897 before the extraction
    EXPECT_EQ(pi.m_digit[0], 7);
    EXPECT_EQ(pi.m_piDigits, "3.141592653589");
}

// Press 129 leaves 09 in position 0; the next press must append both held
// places, the zero included, for the text to stay the number's expansion.
TEST(MixedRadixPi, HeldValueKeepsItsLeadingZero)
{
    CMixedRadixPi pi = StartedEngine();
    RunWalk(pi, "init one-more*129");
    EXPECT_EQ(pi.m_digit[0], 9);
    const std::string before = pi.m_piDigits;
    RunWalk(pi, "one-more");
    EXPECT_EQ(pi.m_piDigits, before + "09");
    EXPECT_EQ(pi.m_digit[0], 7);
}

TEST(MixedRadixPi, TenMultiplicationsWrapEveryPosition)
{
    CMixedRadixPi pi = StartedEngine();
    RunWalk(pi, "init mul*9");
    for (int k = 0; k < CMixedRadixPi::kPositions; ++k)
        ASSERT_EQ(pi.Digit(k), 2'000'000'000) << "position " << k;
    RunWalk(pi, "mul");
    // 2 * 10^10 modulo 2^32, taken into the signed range.
    for (int k = 0; k < CMixedRadixPi::kPositions; ++k)
        ASSERT_EQ(pi.Digit(k), -1'474'836'480) << "position " << k;
}

TEST(MixedRadixPi, OverflowingCarriesWrap)
{
    CMixedRadixPi pi = StartedEngine();
    RunWalk(pi, "init mul*9 reduce-all");
    EXPECT_EQ(pi.m_digit[2], -3);
    EXPECT_EQ(pi.m_digit[4], -3);
    EXPECT_EQ(pi.m_digit[6], -9);
}

TEST(MixedRadixPi, NegativePositionZeroGoesIntoTheTextWithItsSign)
{
    CMixedRadixPi pi = StartedEngine();
    RunWalk(pi, "init one-more");
    pi.m_digit[0] = -57;
    pi.ExtractDigits();
    EXPECT_EQ(pi.m_piDigits, "3.-5");
    EXPECT_EQ(pi.m_digit[0], 7);
}

TEST(MixedRadixPi, SingleReductionsCarryTowardsPositionZero)
{
    CMixedRadixPi pi = StartedEngine();
    pi.m_digit[1] = 7;
    pi.ReducePosition(1);
    EXPECT_EQ(pi.m_digit[0], 2);
    EXPECT_EQ(pi.m_digit[1], 1);

    pi.m_digit[9] = -40;  // truncation towards zero: -40 = -2 * 19 - 2
    pi.ReducePosition(9);
    EXPECT_EQ(pi.m_digit[9], -2);
    EXPECT_EQ(pi.m_digit[8], -18);
}

TEST(MixedRadixPi, ReduceUnseenCarriesIntoPositionNine)
{
    CMixedRadixPi pi = StartedEngine();
    pi.m_digit[9] = 5;
    pi.m_unseen[10] = 42;
    pi.ReduceUnseen();
    EXPECT_EQ(pi.m_unseen[10], 0);
    EXPECT_EQ(pi.m_digit[9], 25);
}

TEST(MixedRadixPi, ComputedWeightsHaveTheirExactBits)
{
    CMixedRadixPi pi = StartedEngine();
    EXPECT_EQ(pi.m_unseenWeight[11], 0.00012622545937931588);
    EXPECT_EQ(pi.m_unseenWeight[49], 2.2319058426942643e-16);
}

TEST(MixedRadixPi, DigitAboveItsLimitCountsAtFullSize)
{
    CMixedRadixPi pi = StartedEngine();
    pi.m_digit[5] = 1'000'000'000;
    pi.m_unseen[49] = -7;
    EXPECT_EQ(pi.ComputeValue(), 1e9 * pi.m_weight[5] + -7 * pi.m_unseenWeight[49]);
    EXPECT_EQ(pi.m_value, pi.ComputeValue());
}

TEST(MixedRadixPi, EveryPrimitiveStepRefreshesTheOwner)
{
    int refreshes = 0;
    CMixedRadixPi* seen = nullptr;
    CMixedRadixPi pi([&] { ++refreshes; EXPECT_EQ(seen->m_value, seen->ComputeValue()); });
    seen = &pi;
    pi.InitWeights();
    EXPECT_EQ(refreshes, 0);
    const std::vector<std::pair<const char*, int>> steps = {
        {"init", 1}, {"mul", 1}, {"reduce-3", 1}, {"reduce-unseen", 1},
        {"extract", 1}, {"reduce-all", 10}, {"one-more", 12}};
    for (const auto& [walk, expected] : steps) {
        refreshes = 0;
        RunWalk(pi, walk);
        EXPECT_EQ(refreshes, expected) << walk;
    }
}

}  // namespace
