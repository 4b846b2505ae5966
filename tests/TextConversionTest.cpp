// The data exchange's text forms: the same text from every build and locale.
#include "TextConversion.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <limits>

namespace {

struct DoubleCase { const char* name; double value; const char* text; };

class FormatDoubleTest : public testing::TestWithParam<DoubleCase> {};

TEST_P(FormatDoubleTest, WritesFifteenSignificantDigits)
{
    EXPECT_EQ(FormatDouble(GetParam().value, 15), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, FormatDoubleTest, testing::Values(
    DoubleCase{"Zero", 0.0, "0"},
    DoubleCase{"NegativeZero", -0.0, "-0"},
    DoubleCase{"Pi", 3.141592653589793, "3.14159265358979"},
    DoubleCase{"Negative", -92.6535897928007, "-92.6535897928007"},
    DoubleCase{"TrailingZerosDropped", 1.5, "1.5"},
    DoubleCase{"SmallestFixed", 0.0001, "0.0001"},
    DoubleCase{"BelowTenThousandth", 0.0000999, "9.99e-005"},
    DoubleCase{"TinyWeight", 2.2319058426942643e-16, "2.23190584269426e-016"},
    DoubleCase{"ThreeDigitExponent", 1e-300, "1e-300"},
    DoubleCase{"Denormal", 5e-324, "4.94065645841247e-324"},
    DoubleCase{"LargestFixed", 999999999999999.0, "999999999999999"},
    DoubleCase{"TenToTheFifteenth", 1e15, "1e+015"},
    DoubleCase{"RoundsUpToExponentForm", 999999999999999.9, "1e+015"},
    DoubleCase{"NegativeLarge", -2.5e20, "-2.5e+020"}),
    [](const testing::TestParamInfo<DoubleCase>& p) { return std::string(p.param.name); });

TEST(TextConversion, IntegersAsPercentD)
{
    EXPECT_EQ(FormatInt(0), "0");
    EXPECT_EQ(FormatInt(-1474836480), "-1474836480");
    EXPECT_EQ(FormatInt(std::numeric_limits<std::int32_t>::min()), "-2147483648");
    EXPECT_EQ(FormatInt(std::numeric_limits<std::int32_t>::max()), "2147483647");
}

TEST(TextConversion, ParsesIntegers)
{
    EXPECT_EQ(ParseInt("42"), 42);
    EXPECT_EQ(ParseInt(" -7 "), -7);
    EXPECT_EQ(ParseInt("+5"), 5);
    EXPECT_EQ(ParseInt("-2147483648"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(ParseInt("2147483647"), std::numeric_limits<std::int32_t>::max());
    for (const char* bad : {"", " ", "x", "1x", "1 2", "2147483648", "-2147483649", "1.5", "+-3", "--3", "+"})
        EXPECT_EQ(ParseInt(bad), std::nullopt) << '"' << bad << '"';
}

TEST(TextConversion, ParsesNumbers)
{
    EXPECT_EQ(ParseDouble("3.14159265358979"), 3.14159265358979);
    EXPECT_EQ(ParseDouble("2.23190584269426e-016"), 2.23190584269426e-16);
    EXPECT_EQ(ParseDouble(" -1e+015"), -1e15);
    EXPECT_EQ(ParseDouble("0"), 0.0);
    for (const char* bad : {"", "abc", "3,14", "1.2.3", "1e", "1e999", "inf", "nan", "+-1", "."})
        EXPECT_EQ(ParseDouble(bad), std::nullopt) << '"' << bad << '"';
}

TEST(TextConversion, EveryWrittenValueReadsBackAsWritten)
{
    for (double v : {0.0, 3.141592653589793, -1.0 / 3.0, 1e-5, 6.02e23, 5e-324, -2.5e300}) {
        const std::string text = FormatDouble(v, 15);
        const auto back = ParseDouble(text);
        ASSERT_TRUE(back) << text;
        EXPECT_EQ(FormatDouble(*back, 15), text);
    }
}

TEST(TextConversion, IgnoresTheLocale)
{
    // A comma-decimal locale where the system has one; the C locale otherwise.
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        std::setlocale(LC_ALL, "German_Germany.1252");
    EXPECT_EQ(FormatDouble(1.5, 15), "1.5");
    EXPECT_EQ(ParseDouble("1.5"), 1.5);
    EXPECT_EQ(ParseDouble("1,5"), std::nullopt);
    std::setlocale(LC_ALL, "C");
}

}  // namespace
