// The engine's account of itself that the trace relies on: which primitive
// step it ran, and which positions left the 32-bit range, the latter checked
// against the exact value the digits represent.
#include "ExactValue.h"
#include "Trace.h"
#include "Walk.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

std::vector<std::string> StepLabels(const std::string& walk)
{
    std::vector<std::string> labels;
    const CMixedRadixPi* engine = nullptr;
    CMixedRadixPi pi([&] { labels.push_back(OperationLabel(StepOperation(*engine))); });
    engine = &pi;
    pi.InitWeights();
    RunWalk(pi, "init");
    labels.clear();
    RunWalk(pi, walk);
    return labels;
}

TEST(StepNames, EveryPrimitiveNamesItsOwnButton)
{
    for (const Operation& op : Operations()) {
        const std::vector<std::string> labels = StepLabels(op.name);
        if (labels.size() == 1) {
            EXPECT_EQ(labels[0], OperationLabel(op)) << op.name;
        }
    }
}

TEST(StepNames, CompositesShowTheirStepsInTheEnginesOrder)
{
    std::vector<std::string> reduceAll = {"Reduce Unseen Digits"};
    for (int k = 9; k >= 1; --k)
        reduceAll.push_back("Reduce " + std::to_string(k));
    std::vector<std::string> oneMore = {"Multiply by 10"};
    oneMore.insert(oneMore.end(), reduceAll.begin(), reduceAll.end());
    oneMore.push_back("Extract Digits");
    EXPECT_EQ(StepLabels("reduce-all"), reduceAll);
    EXPECT_EQ(StepLabels("one-more"), oneMore);
}

struct WrapCase
{
    const char* name;
    const char* walk;
    const char* wrapped;
};

class Wrapped : public testing::TestWithParam<WrapCase> {};

TEST_P(Wrapped, NamesThePositionsThatLeftThirtyTwoBits)
{
    CMixedRadixPi pi = StartedEngine();
    RunWalk(pi, GetParam().walk);
    EXPECT_EQ(PositionList(StatusOf(pi).wrapped, " "), GetParam().wrapped);
}

INSTANTIATE_TEST_SUITE_P(Walks, Wrapped, testing::Values(
    WrapCase{"TwoThousandPresses", "init one-more*2000", ""},
    WrapCase{"NineMultiplications", "init mul*9", ""},
    WrapCase{"TenMultiplications", "init mul*10", "0-49"},
    // Each carry from an odd position overflows the even one below it.
    WrapCase{"CarriesAfterNineMultiplications", "init mul*9 reduce-all",
             "0 2 4 6 8 10 12 14 16 18 20 22 24 26 28 30 32 34 36 38 40 42 44 46 48"},
    WrapCase{"InitializePiStartsAfresh", "init mul*10 init", ""}),
    [](const testing::TestParamInfo<WrapCase>& p) { return std::string(p.param.name); });

// Every primitive step of a long random walk, watched from the refresh: a
// step flags a position exactly when the exact value stops moving as the
// algorithm says (times ten for a multiplication, unchanged for a
// reduction), and a single Reduce can only flag the position it carries to.
class WrapAgainstExactValue : public testing::TestWithParam<unsigned> {};

TEST_P(WrapAgainstExactValue, FlagsExactlyTheStepsThatLoseValue)
{
    using Step = CMixedRadixPi::Step;
    const ExactWeights exact;
    CMixedRadixPi* engine = nullptr;
    cpp_int before = 0;
    int wrappingSteps = 0, exactSteps = 0;
    CMixedRadixPi pi([&] {
        CMixedRadixPi& p = *engine;
        const cpp_int after = exact.ScaledValue(p);
        std::vector<int> flagged;
        for (int k = 0; k < CMixedRadixPi::kPositions; ++k)
            if (p.m_wrapped[k])
                flagged.push_back(k);
        std::fill(std::begin(p.m_wrapped), std::end(p.m_wrapped), false);
        if (p.m_step == Step::MultiplyByTen || p.m_step == Step::ReducePosition || p.m_step == Step::ReduceUnseen) {
            const bool exactStep = after == (p.m_step == Step::MultiplyByTen ? before * 10 : before);
            ASSERT_EQ(flagged.empty(), exactStep) << OperationLabel(StepOperation(p));
            if (p.m_step == Step::ReducePosition && !flagged.empty()) {
                ASSERT_EQ(flagged, std::vector<int>{p.m_stepPosition - 1});
            }
            ++(exactStep ? exactSteps : wrappingSteps);
        }
        before = after;
    });
    engine = &pi;
    pi.InitWeights();

    const auto ops = Operations();
    std::mt19937 rng(GetParam());
    std::uniform_int_distribution<std::size_t> pick(0, ops.size() - 1);
    // Runs of up to twelve of one operation, so that multiplications reach
    // the 32-bit range.
    std::uniform_int_distribution<int> repeat(1, 12);
    for (int run = 0; run < 600; ++run) {
        const Operation& op = ops[pick(rng)];
        for (int i = repeat(rng); i > 0; --i)
            op.apply(pi);
    }
    // The walk means something only if it saw both kinds of step.
    EXPECT_GT(wrappingSteps, 0);
    EXPECT_GT(exactSteps, 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, WrapAgainstExactValue, testing::Values(1u, 2u, 3u, 20261211u));

}  // namespace
