// Reading the arguments into a trace request; the help text.
#include "CommandLine.h"

#include "Trace.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>

namespace {

constexpr std::string_view kHelp =
    "Usage: pelonix-trace [PRESSES | --ops LIST] [--per-press] [--format text|csv|markdown]\n"
    "Pi by the Rabinowitz-Wagon spigot: 50 mixed-radix digits, weights 1, 1/3, (1/3)(2/5), ..., all 2\n"
    "at first; a press multiplies by 10, carries every excess from position 49 down, writes position 0.\n"
    "PRESSES (default 16) follow Initialize Pi; --ops LIST replays operations: init,mul,reduce-1,...,\n"
    "reduce-9,reduce-unseen,reduce-all,extract,one-more (NAME*N: N times). Rows per step, or --per-press.\n";

constexpr int kDefaultPresses = 16;

struct UsageError
{
    std::string message;
};

bool AllDigits(std::string_view s)
{
    return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

// A count of presses or repeats: decimal digits only, so that "1e3", "+2"
// or "3x" are refused rather than read in part.
int ParseCount(std::string_view text, std::string_view where)
{
    if (text.size() > 1 && text[0] == '-' && AllDigits(text.substr(1)))
        throw UsageError{"negative count " + std::string(text) + std::string(where)};
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (!AllDigits(text) || ec != std::errc() || end != text.data() + text.size())
        throw UsageError{"bad count '" + std::string(text) + "'" + std::string(where)};
    return value;
}

// "init,one-more*15,mul": short names as engine/Operation.h has them, each
// optionally repeated.
std::vector<const Operation*> ParseOperations(std::string_view list)
{
    std::vector<const Operation*> walk;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string_view item = list.substr(start, comma - start);
        std::string_view name = item;
        int times = 1;
        if (const auto star = item.find('*'); star != std::string_view::npos) {
            name = item.substr(0, star);
            times = ParseCount(item.substr(star + 1), " in --ops item '" + std::string(item) + "'");
        }
        const Operation* op = FindOperation(name);
        if (!op)
            throw UsageError{"unknown operation '" + std::string(name) + "' in --ops"};
        walk.insert(walk.end(), static_cast<std::size_t>(times), op);
        if (comma == list.size())
            return walk;
        start = comma + 1;
    }
}

TraceFormat ParseFormat(std::string_view name)
{
    if (name == "text")
        return TraceFormat::Text;
    if (name == "csv")
        return TraceFormat::Csv;
    if (name == "markdown")
        return TraceFormat::Markdown;
    throw UsageError{"unknown format '" + std::string(name) + "' (text, csv or markdown)"};
}

struct Arguments
{
    bool help = false;
    std::optional<int> presses;
    std::optional<std::vector<const Operation*>> ops;
    bool perPress = false;
    TraceFormat format = TraceFormat::Text;
};

Arguments Parse(const std::vector<std::string>& args)
{
    Arguments a;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        // An option's value follows it, or "=" joins it: --format csv, --format=csv.
        auto value = [&](std::string_view option) -> std::optional<std::string_view> {
            if (arg == option) {
                if (i + 1 == args.size())
                    throw UsageError{std::string(option) + " needs a value"};
                return args[++i];
            }
            if (arg.starts_with(option) && arg.size() > option.size() && arg[option.size()] == '=')
                return arg.substr(option.size() + 1);
            return std::nullopt;
        };
        if (arg == "--help" || arg == "-h") {
            a.help = true;
        } else if (arg == "--per-press") {
            a.perPress = true;
        } else if (const auto format = value("--format")) {
            a.format = ParseFormat(*format);
        } else if (const auto ops = value("--ops")) {
            a.ops = ParseOperations(*ops);
        } else if (arg.starts_with("-") && !(arg.size() > 1 && AllDigits(arg.substr(1)))) {
            throw UsageError{"unknown option '" + std::string(arg) + "'"};
        } else if (a.presses) {
            throw UsageError{"unexpected argument '" + std::string(arg) + "' after the count"};
        } else {
            a.presses = ParseCount(arg, "");
        }
    }
    if (a.presses && a.ops)
        throw UsageError{"a count of presses and --ops exclude each other"};
    return a;
}

}  // namespace

int RunTrace(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    Arguments a;
    try {
        a = Parse(args);
    } catch (const UsageError& e) {
        err << "pelonix-trace: " << e.message << '\n';
        return 2;
    }
    if (a.help) {
        out << kHelp;
        return 0;
    }
    TraceRequest request;
    if (a.ops)
        request.walk = std::move(*a.ops);
    else
        request = PressesRequest(a.presses.value_or(kDefaultPresses));
    request.perPress = a.perPress;
    request.format = a.format;
    WriteTrace(request, out);
    if (!out.flush()) {
        err << "pelonix-trace: cannot write the trace\n";
        return 1;
    }
    return 0;
}
