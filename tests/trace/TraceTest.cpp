// The trace's tables: golden outputs of one press, the first press as the
// dialog shows it, the closing line, and per-press rows against per-step rows.
#include "TraceRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

std::vector<std::string> Split(const std::string& line, char separator)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t end; (end = line.find(separator, start)) != std::string::npos; start = end + 1)
        fields.push_back(line.substr(start, end - start));
    fields.push_back(line.substr(start));
    return fields;
}

struct GoldenCase
{
    const char* name;
    std::vector<std::string> args;
    const char* file;
};

class Golden : public testing::TestWithParam<GoldenCase> {};

// To renew a golden file after a deliberate change of the tables:
//   pelonix-trace ARGS > tests/trace/golden/FILE
TEST_P(Golden, MatchesTheStoredOutput)
{
    const GoldenCase& c = GetParam();
    std::ifstream file(std::string(PELONIX_GOLDEN_DIR) + "/" + c.file, std::ios::binary);
    ASSERT_TRUE(file) << c.file;
    const std::string golden{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const TraceRun run = RunTraceWith(c.args);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, golden);
}

INSTANTIATE_TEST_SUITE_P(OnePress, Golden, testing::Values(
    GoldenCase{"Text", {"1"}, "one-press.txt"},
    GoldenCase{"Csv", {"1", "--format", "csv"}, "one-press.csv"},
    GoldenCase{"Markdown", {"1", "--format", "markdown"}, "one-press.md"},
    GoldenCase{"PerPressText", {"--ops", "init,reduce-3,one-more*2,reduce-all", "--per-press"}, "per-press.txt"}),
    [](const testing::TestParamInfo<GoldenCase>& p) { return std::string(p.param.name); });

TEST(Trace, FirstPressEndsAsTheDialogShowsIt)
{
    const std::vector<std::string> lines = Lines(RunTraceWith({"1", "--format", "csv"}).out);
    const std::vector<std::string> header = Split(lines.front(), ',');
    const std::vector<std::string> last = Split(lines.back(), ',');
    ASSERT_EQ(last.size(), header.size());
    auto field = [&](const std::string& name) {
        return last[static_cast<std::size_t>(std::find(header.begin(), header.end(), name) - header.begin())];
    };
    EXPECT_EQ(field("press"), "1");
    EXPECT_EQ(field("step"), "Extract Digits");
    const char* shown[] = {"0", "2", "2", "4", "3", "10", "1", "13", "12", "1"};
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(field("d" + std::to_string(k)), shown[k]) << "position " << k;
    EXPECT_EQ(field("value_represented"), "1.41592653589793");
    EXPECT_EQ(field("digits_of_pi"), "3.");
    EXPECT_EQ(field("pi_digits"), "1");
}

struct ClosingCase
{
    const char* name;
    std::vector<std::string> args;
    const char* line;
};

class ClosingLine : public testing::TestWithParam<ClosingCase> {};

TEST_P(ClosingLine, TellsWhatTheDialogCannotShow)
{
    const TraceRun run = RunTraceWith(GetParam().args);
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(Lines(run.out).back(), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(Walks, ClosingLine, testing::Values(
    ClosingCase{"InitializePi", {"0"},
                "pi's digits: 0 of the 0 written; position 0: 2, no digit waiting; wrapped past 32 bits: none"},
    ClosingCase{"OnePress", {"1"},
                "pi's digits: 1 of the 1 written; position 0: 0, no digit waiting; wrapped past 32 bits: none"},
    ClosingCase{"FifteenPresses", {"15"},
                "pi's digits: 15 of the 15 written; position 0: 2, no digit waiting; wrapped past 32 bits: none"},
    ClosingCase{"SixteenPresses", {"16"},
                "pi's digits: 15 of the 16 written; position 0: 7, no digit waiting; wrapped past 32 bits: none"},
    ClosingCase{"TwelfthPressHoldsEightyNine", {"12"},
                "pi's digits: 11 of the 11 written; position 0: 89, ends in 9, a digit waiting; wrapped past 32 bits: none"},
    ClosingCase{"ExtractionOnAFreshEngine", {"--ops", "extract"},
                "pi's digits: 0 of the 1 written; position 0: 0, no digit waiting; wrapped past 32 bits: none"},
    ClosingCase{"TenMultiplications", {"--ops", "init,mul*10", "--format", "markdown"},
                "pi's digits: 0 of the 0 written; position 0: -1474836480, no digit waiting; wrapped past 32 bits: 0-49"}),
    [](const testing::TestParamInfo<ClosingCase>& p) { return std::string(p.param.name); });

// A row per operation is the row of its last step, under the operation's own
// name. Markdown cells are split at the bars, which no cell holds.
TEST(Trace, PerPressRowsAreTheLastStepOfEachOperation)
{
    const std::string walk = "init,reduce-3,one-more*3,mul,reduce-all,extract,reduce-unseen";
    const std::vector<std::string> steps = Lines(RunTraceWith({"--ops", walk, "--format", "markdown"}).out);
    const std::vector<std::string> presses =
        Lines(RunTraceWith({"--ops", walk, "--format", "markdown", "--per-press"}).out);
    const std::vector<std::string> labels = {
        "Initialize Pi", "Reduce 3", "Compute One More Digit (Multiply, Reduce, Extract)",
        "Compute One More Digit (Multiply, Reduce, Extract)", "Compute One More Digit (Multiply, Reduce, Extract)",
        "Multiply by 10", "Reduce All", "Extract Digits", "Reduce Unseen Digits"};
    ASSERT_EQ(presses.size(), 2 + labels.size() + 2);  // header, rule, rows, blank line, closing line
    EXPECT_EQ(presses.back(), steps.back());
    std::size_t step = 2;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        std::vector<std::string> row = Split(presses[2 + i], '|');
        EXPECT_EQ(row[1], " " + std::to_string(i) + " ");
        EXPECT_EQ(row[2], " " + labels[i] + " ");
        // The last per-step row with this press number.
        while (Split(steps[step + 1], '|').size() > 1 && Split(steps[step + 1], '|')[1] == row[1])
            ++step;
        std::vector<std::string> stepRow = Split(steps[step], '|');
        row.erase(row.begin() + 2);
        stepRow.erase(stepRow.begin() + 2);
        EXPECT_EQ(row, stepRow) << labels[i];
        ++step;
    }
}

}  // namespace
