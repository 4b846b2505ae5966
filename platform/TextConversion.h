// Text forms of the data exchange: integers as "%d" writes them, doubles as
// "%.*g" writes them with a three-digit exponent, and parsing them back.
// No locale and no C runtime's printf is involved, so every build writes
// and reads the same text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

std::string FormatInt(std::int32_t value);

// precision significant digits (1 .. 17), exponent form below 1e-4 or at and
// above 10^precision, the exponent signed and at least three digits long:
// 2.23190584269426e-016.
std::string FormatDouble(double value, int precision);

// The whole text must be the number, optionally between blanks; anything
// else, or an integer outside the 32-bit range, gives no value.
std::optional<std::int32_t> ParseInt(std::string_view text);
std::optional<double> ParseDouble(std::string_view text);
