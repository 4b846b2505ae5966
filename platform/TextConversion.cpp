// Locale-free formatting and parsing built on std::to_chars / std::from_chars.
#include "TextConversion.h"

#include <charconv>
#include <cmath>

namespace {

constexpr std::string_view kBlanks = " \t\r\n";

std::string_view TrimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

// from_chars takes a minus sign but no plus sign; a plus before a digit or
// a point is allowed here too, as the C runtime's parsers allow it.
std::string_view StripPlus(std::string_view text)
{
    if (text.size() > 1 && text[0] == '+' && text[1] != '-' && text[1] != '+')
        text.remove_prefix(1);
    return text;
}

}  // namespace

std::string FormatInt(std::int32_t value)
{
    char buf[16];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, end);
}

std::string FormatDouble(double value, int precision)
{
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, precision);
    std::string s(buf, end);
    // to_chars writes at least two exponent digits; the dialog shows three,
    // as the Windows runtimes of old always wrote them.
    const auto e = s.find('e');
    if (e != std::string::npos) {
        const std::size_t digits = s.size() - (e + 2);
        if (digits < 3)
            s.insert(e + 2, 3 - digits, '0');
    }
    return s;
}

std::optional<std::int32_t> ParseInt(std::string_view text)
{
    text = StripPlus(TrimBlanks(text));
    std::int32_t value = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || ptr != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

std::optional<double> ParseDouble(std::string_view text)
{
    text = StripPlus(TrimBlanks(text));
    double value = 0.0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || ptr != text.data() + text.size() || text.empty() || !std::isfinite(value))
        return std::nullopt;
    return value;
}
