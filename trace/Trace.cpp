// Running a walk on the engine and writing its rows as text, CSV or Markdown.
#include "Trace.h"

#include "PiDigits.h"
#include "TextConversion.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <utility>

namespace {

constexpr int kPositions = CMixedRadixPi::kPositions;

struct Row
{
    int press = 0;
    std::string step;
    std::int32_t digits[kPositions] = {};
    std::string value;
    std::string text;
    TraceStatus status;
};

Row Snapshot(const CMixedRadixPi& pi, int press, std::string step)
{
    Row row;
    row.press = press;
    row.step = std::move(step);
    for (int k = 0; k < kPositions; ++k)
        row.digits[k] = pi.Digit(k);
    row.value = FormatDouble(pi.m_value, 15);
    row.text = pi.m_piDigits;
    row.status = StatusOf(pi);
    return row;
}

// Runs the walk on an engine started as the dialog starts it and hands each
// row to sink: per step, from the engine's refresh, so that every step of a
// composite operation is seen as the engine takes it. Operations are counted
// from the last Initialize Pi, which is press 0.
void RunWalk(const TraceRequest& request, const std::function<void(const Row&)>& sink)
{
    const Operation* const init = FindOperation("init");
    const CMixedRadixPi* engine = nullptr;
    int press = 0;
    CMixedRadixPi pi([&] {
        if (!request.perPress)
            sink(Snapshot(*engine, press, OperationLabel(StepOperation(*engine))));
    });
    engine = &pi;
    pi.InitWeights();
    for (const Operation* op : request.walk) {
        press = op == init ? 0 : press + 1;
        op->apply(pi);
        if (request.perPress)
            sink(Snapshot(pi, press, OperationLabel(*op)));
    }
}

// The columns every format shares: press, step, the fifty digits, the value
// and the text.
std::vector<std::string> Header(bool csv)
{
    std::vector<std::string> cells = {"press", "step"};
    for (int k = 0; k < kPositions; ++k)
        cells.push_back((csv ? "d" : "") + FormatInt(k));
    cells.push_back(csv ? "value_represented" : "value represented");
    cells.push_back(csv ? "digits_of_pi" : "digits of pi");
    return cells;
}

std::vector<std::string> Cells(const Row& row)
{
    std::vector<std::string> cells = {FormatInt(row.press), row.step};
    for (std::int32_t d : row.digits)
        cells.push_back(FormatInt(d));
    cells.push_back(row.value);
    cells.push_back(row.text);
    return cells;
}

constexpr std::size_t kStepColumn = 1;
constexpr std::size_t kTextColumn = kPositions + 3;

bool LeftAligned(std::size_t column)
{
    return column == kStepColumn || column == kTextColumn;
}

std::string SummaryLine(const TraceStatus& s)
{
    const std::string wrapped = PositionList(s.wrapped, ", ");
    return "pi's digits: " + FormatInt(s.piDigits) + " of the " + FormatInt(s.digitsWritten) +
           " written; position 0: " + FormatInt(s.position0) +
           (s.digitWaiting ? ", ends in 9, a digit waiting" : ", no digit waiting") +
           "; wrapped past 32 bits: " + (wrapped.empty() ? "none" : wrapped) + "\n";
}

// Two spaces between the groups (press, step, shown digits, unseen digits,
// value, text), one between the digits of a group.
const char* TextSeparator(std::size_t column)
{
    const bool groupStart = column == kStepColumn || column == kStepColumn + 1 ||
                            column == kStepColumn + 1 + CMixedRadixPi::kShown || column >= kTextColumn - 1;
    return groupStart ? "  " : " ";
}

// Column widths need every row, and a long run's rows take more memory than
// running the engine twice takes time: measure first, then write.
void WriteText(const TraceRequest& request, std::ostream& out)
{
    const std::vector<std::string> header = Header(false);
    std::vector<std::size_t> width(header.size());
    auto measure = [&](const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i)
            width[i] = std::max(width[i], cells[i].size());
    };
    measure(header);
    RunWalk(request, [&](const Row& row) { measure(Cells(row)); });

    auto write = [&](const std::vector<std::string>& cells) {
        std::string line;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0)
                line += TextSeparator(i);
            const std::string pad(width[i] - cells[i].size(), ' ');
            line += LeftAligned(i) ? cells[i] + pad : pad + cells[i];
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out << line << '\n';
    };
    write(header);
    TraceStatus last;
    RunWalk(request, [&](const Row& row) {
        write(Cells(row));
        last = row.status;
    });
    out << SummaryLine(last);
}

std::string CsvField(const std::string& s)
{
    if (s.find_first_of(",\"\n") == std::string::npos)
        return s;
    std::string quoted = "\"";
    for (char c : s)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

void WriteCsvLine(std::ostream& out, const std::vector<std::string>& cells)
{
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i)
        line += (i > 0 ? "," : "") + CsvField(cells[i]);
    out << line << '\n';
}

// CSV has no place for a closing line: what the dialog cannot show goes
// into columns of every row.
void WriteCsv(const TraceRequest& request, std::ostream& out)
{
    std::vector<std::string> header = Header(true);
    header.insert(header.end(), {"pi_digits", "digits_written", "digit_waiting", "wrapped"});
    WriteCsvLine(out, header);
    RunWalk(request, [&](const Row& row) {
        std::vector<std::string> cells = Cells(row);
        const TraceStatus& s = row.status;
        cells.insert(cells.end(), {FormatInt(s.piDigits), FormatInt(s.digitsWritten),
                                   s.digitWaiting ? "yes" : "no", PositionList(s.wrapped, " ")});
        WriteCsvLine(out, cells);
    });
}

void WriteMarkdownLine(std::ostream& out, const std::vector<std::string>& cells)
{
    std::string line = "|";
    for (const std::string& cell : cells)
        line += " " + cell + " |";
    out << line << '\n';
}

void WriteMarkdown(const TraceRequest& request, std::ostream& out)
{
    const std::vector<std::string> header = Header(false);
    WriteMarkdownLine(out, header);
    std::vector<std::string> rule;
    for (std::size_t i = 0; i < header.size(); ++i)
        rule.push_back(LeftAligned(i) ? ":---" : "---:");
    WriteMarkdownLine(out, rule);
    TraceStatus last;
    RunWalk(request, [&](const Row& row) {
        WriteMarkdownLine(out, Cells(row));
        last = row.status;
    });
    out << '\n' << SummaryLine(last);
}

}  // namespace

TraceRequest PressesRequest(int presses)
{
    TraceRequest request;
    request.walk.push_back(FindOperation("init"));
    request.walk.insert(request.walk.end(), static_cast<std::size_t>(presses), FindOperation("one-more"));
    return request;
}

const Operation& StepOperation(const CMixedRadixPi& pi)
{
    using Step = CMixedRadixPi::Step;
    const char* name = "";
    switch (pi.m_step) {
    case Step::InitializePi: name = "init"; break;
    case Step::MultiplyByTen: name = "mul"; break;
    case Step::ReducePosition:
        return *FindOperation("reduce-" + FormatInt(pi.m_stepPosition));
    case Step::ReduceUnseen: name = "reduce-unseen"; break;
    case Step::ExtractDigits: name = "extract"; break;
    case Step::None: break;
    }
    return *FindOperation(name);
}

std::string OperationLabel(const Operation& op)
{
    return op.position > 0 ? std::string(op.caption) + " " + FormatInt(op.position) : op.caption;
}

TraceStatus StatusOf(const CMixedRadixPi& pi)
{
    TraceStatus s;
    s.digitsWritten = static_cast<int>(std::count_if(pi.m_piDigits.begin(), pi.m_piDigits.end(),
                                                     [](unsigned char c) { return std::isdigit(c); }));
    s.piDigits = LeadingPiDigits(pi.m_piDigits);
    s.position0 = pi.m_digit[0];
    s.digitWaiting = FormatInt(pi.m_digit[0]).back() == '9';
    for (int k = 0; k < kPositions; ++k)
        if (pi.m_wrapped[k])
            s.wrapped.push_back(k);
    return s;
}

std::string PositionList(const std::vector<int>& positions, const char* separator)
{
    std::string list;
    for (std::size_t i = 0; i < positions.size();) {
        std::size_t j = i;
        while (j + 1 < positions.size() && positions[j + 1] == positions[j] + 1)
            ++j;
        if (!list.empty())
            list += separator;
        list += FormatInt(positions[i]);
        if (j > i)
            list += "-" + FormatInt(positions[j]);
        i = j + 1;
    }
    return list;
}

void WriteTrace(const TraceRequest& request, std::ostream& out)
{
    switch (request.format) {
    case TraceFormat::Text: WriteText(request, out); break;
    case TraceFormat::Csv: WriteCsv(request, out); break;
    case TraceFormat::Markdown: WriteMarkdown(request, out); break;
    }
}
