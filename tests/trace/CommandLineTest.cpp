// The command line: the help, and every bad argument refused with one line
// that names it, status 2 and nothing on standard output.
#include "TraceRun.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct BadArgumentCase
{
    const char* name;
    std::vector<std::string> args;
    const char* error;
};

class BadArgument : public testing::TestWithParam<BadArgumentCase> {};

TEST_P(BadArgument, IsNamedOnOneLineWithStatusTwo)
{
    const BadArgumentCase& c = GetParam();
    const TraceRun run = RunTraceWith(c.args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, std::string("pelonix-trace: ") + c.error + "\n");
}

INSTANTIATE_TEST_SUITE_P(Arguments, BadArgument, testing::Values(
    BadArgumentCase{"UnknownOption", {"--bogus"}, "unknown option '--bogus'"},
    BadArgumentCase{"UnknownShortOption", {"-x"}, "unknown option '-x'"},
    BadArgumentCase{"NegativeCount", {"-3"}, "negative count -3"},
    BadArgumentCase{"CountWithLetters", {"3x"}, "bad count '3x'"},
    BadArgumentCase{"CountInExponentForm", {"1e3"}, "bad count '1e3'"},
    BadArgumentCase{"CountAboveThirtyTwoBits", {"99999999999"}, "bad count '99999999999'"},
    BadArgumentCase{"SecondCount", {"3", "4"}, "unexpected argument '4' after the count"},
    BadArgumentCase{"UnknownOperation", {"--ops", "init,mul,bogus"}, "unknown operation 'bogus' in --ops"},
    BadArgumentCase{"OperationWithBlank", {"--ops=init, mul"}, "unknown operation ' mul' in --ops"},
    BadArgumentCase{"EmptyOperationList", {"--ops="}, "unknown operation '' in --ops"},
    BadArgumentCase{"EmptyItemInList", {"--ops", "init,,mul"}, "unknown operation '' in --ops"},
    BadArgumentCase{"NegativeRepeat", {"--ops", "one-more*-2"}, "negative count -2 in --ops item 'one-more*-2'"},
    BadArgumentCase{"BadRepeat", {"--ops", "mul*x"}, "bad count 'x' in --ops item 'mul*x'"},
    BadArgumentCase{"OpsWithoutList", {"--ops"}, "--ops needs a value"},
    BadArgumentCase{"UnknownFormat", {"--format", "html"}, "unknown format 'html' (text, csv or markdown)"},
    BadArgumentCase{"FormatWithoutName", {"2", "--format"}, "--format needs a value"},
    BadArgumentCase{"CountAndOps", {"5", "--ops", "init"}, "a count of presses and --ops exclude each other"},
    BadArgumentCase{"BadArgumentBeforeHelp", {"--bogus", "--help"}, "unknown option '--bogus'"}),
    [](const testing::TestParamInfo<BadArgumentCase>& p) { return std::string(p.param.name); });

TEST(CommandLine, HelpIsFiveLinesOnStandardOutput)
{
    const TraceRun run = RunTraceWith({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(run.out.starts_with("Usage: pelonix-trace "));
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 5);
    EXPECT_EQ(run.out.back(), '\n');
}

TEST(CommandLine, SpellingsOfOneRequestGiveOneTrace)
{
    const std::string expected = RunTraceWith({"--ops", "init,one-more,one-more", "--format", "csv"}).out;
    EXPECT_EQ(RunTraceWith({"2", "--format=csv"}).out, expected);
    EXPECT_EQ(RunTraceWith({"--format", "csv", "--ops=init,one-more*2"}).out, expected);
    EXPECT_EQ(RunTraceWith({}).out, RunTraceWith({"16"}).out);
}

}  // namespace
