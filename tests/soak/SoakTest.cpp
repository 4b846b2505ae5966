// The real Pelonix.exe under a long run of presses: 10,000 at random over
// all fifteen buttons, then Initialize Pi and 10,000 of "Compute One More
// Digit". Every hundredth press the twelve fields must read what the
// engine, run here on the same presses, says they should, and after the
// first thousand presses the process's handles, windows and memory must
// stop growing. At the end "Done" must still read back a digits field of
// over 10,000 characters and end the program with status 0.
//
// The random presses come first: Initialize Pi among them empties the
// digits field, so the long run of one more digit has to come last for the
// field to be long when Done reads it. That run is the soak's costly part:
// Wine's edit control lays the whole text out again whenever it changes,
// so each press costs time in proportion to the digits already shown.
//
// Usage: soak_tests [gtest flags] path/to/Pelonix.exe
// PELONIX_SOAK_SEED fixes the seed of the random presses (printed).
#include "PelonixProcess.h"

#include "MixedRadixPi.h"
#include "Operation.h"
#include "OperationButtons.h"
#include "TextConversion.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace {

std::string g_exe;

// Soak::Press takes an operation by its place in the operations table.
const std::size_t kInitializePi = OperationIndex(*FindOperation("init"));
const std::size_t kOneMoreDigit = OperationIndex(*FindOperation("one-more"));
constexpr int kPressesPerPhase = 10000;
constexpr int kCheckEvery = 100;
constexpr int kSettledAfter = 1000;
constexpr std::size_t kLongText = 10000;

// Memory may grow after the first thousand presses by a fixed allowance
// plus an amount for every character of the digits text, which the
// program must keep: the engine's copy, the edit control's wide-character
// copy and the layout Wine's edit control keeps for every character
// (together about 50 bytes a character, measured). The fixed part covers
// the heap's page granularity and the rise and fall of temporary copies.
constexpr std::uint64_t kMemoryAllowance = 256 * 1024;
constexpr std::uint64_t kMemoryPerCharacter = 64;

std::string FieldName(int id)
{
    if (id == IDC_VALUE)
        return "value " + std::to_string(id);
    if (id == IDC_PI_DIGITS)
        return "digits " + std::to_string(id);
    return "digit " + std::to_string(id - IDC_DIGIT0) + " (" + std::to_string(id) + ")";
}

// The twelve fields as the engine's state says they read.
std::array<std::pair<int, std::string>, 12> ExpectedFields(const CMixedRadixPi& pi)
{
    std::array<std::pair<int, std::string>, 12> fields;
    for (int k = 0; k < CMixedRadixPi::kShown; ++k)
        fields[static_cast<std::size_t>(k)] = {IDC_DIGIT0 + k, FormatInt(pi.m_digit[k])};
    fields[10] = {IDC_VALUE, FormatDouble(pi.m_value, 15)};
    fields[11] = {IDC_PI_DIGITS, pi.m_piDigits};
    return fields;
}

std::string Shorten(const std::string& text)
{
    return text.size() <= 60 ? text : text.substr(0, 25) + "..." + text.substr(text.size() - 25) + " (" +
                                          std::to_string(text.size()) + " chars)";
}

void Print(const char* format, auto... args)
{
    std::printf(format, args...);
    std::fflush(stdout);
}

// The program and a mirror of its engine, pressed in step.
class Soak
{
public:
    Soak() : m_program(g_exe) { m_pi.InitWeights(); }

    testing::AssertionResult Started() const
    {
        if (m_program.Started())
            return testing::AssertionSuccess();
        return testing::AssertionFailure() << g_exe << ": " << m_program.Error();
    }

    // Every button carries the caption of the operation that the mirror
    // runs for it, so the two are pressed alike.
    testing::AssertionResult ButtonsMatchOperations()
    {
        const auto ops = Operations();
        if (ops.size() != kOperationButtons.size())
            return testing::AssertionFailure() << ops.size() << " operations for " << kOperationButtons.size()
                                               << " buttons";
        for (std::size_t i = 0; i < kOperationButtons.size(); ++i) {
            const auto caption = m_program.Text(kOperationButtons[i]);
            if (!caption)
                return testing::AssertionFailure() << m_program.Error();
            if (*caption != ops[i].caption)
                return testing::AssertionFailure() << "button " << kOperationButtons[i] << " reads \"" << *caption
                                                   << "\", operation " << ops[i].name << " is \""
                                                   << ops[i].caption << "\"";
        }
        return testing::AssertionSuccess();
    }

    testing::AssertionResult FieldsMatch()
    {
        for (const auto& [id, expected] : ExpectedFields(m_pi)) {
            const auto actual = m_program.Text(id);
            if (!actual)
                return testing::AssertionFailure() << "after press " << m_presses << ", reading "
                                                   << FieldName(id) << ": " << m_program.Error();
            if (*actual != expected)
                return testing::AssertionFailure()
                       << "after press " << m_presses << " (" << m_lastOperation << "), " << FieldName(id)
                       << " reads \"" << Shorten(*actual) << "\", the engine gives \"" << Shorten(expected)
                       << "\"";
        }
        return testing::AssertionSuccess();
    }

    // Presses the button of operation index in the program and runs the
    // operation on the mirror; every hundredth press compares fields and
    // counters.
    testing::AssertionResult Press(std::size_t index)
    {
        const Operation& op = Operations()[index];
        m_lastOperation = op.name;
        if (!m_program.Press(kOperationButtons[index]))
            return testing::AssertionFailure() << "press " << m_presses + 1 << " (" << op.name
                                               << "): " << m_program.Error();
        op.apply(m_pi);
        ++m_presses;
        if (m_presses % kCheckEvery != 0)
            return testing::AssertionSuccess();
        if (auto fields = FieldsMatch(); !fields)
            return fields;
        return CountersSettled();
    }

    testing::AssertionResult CountersSettled()
    {
        const ProcessCounters now = m_program.Counters();
        if (m_presses % 1000 == 0)
            Print("press %5d  %6.1f s  handles %lu (count %lu)  windows %d  gdi %lu  user %lu  private %llu KB  "
                  "working set %llu KB (peak %llu KB)  digits %zu\n",
                  m_presses, static_cast<double>(GetTickCount64() - m_start) / 1000.0,
                  static_cast<unsigned long>(now.handles), static_cast<unsigned long>(now.handleCount),
                  now.windows,
                  static_cast<unsigned long>(now.gdiObjects), static_cast<unsigned long>(now.userObjects),
                  static_cast<unsigned long long>(now.privateBytes / 1024),
                  static_cast<unsigned long long>(now.workingSet / 1024),
                  static_cast<unsigned long long>(now.peakWorkingSet / 1024), m_pi.m_piDigits.size());
        if (m_presses < kSettledAfter)
            return testing::AssertionSuccess();
        if (m_presses == kSettledAfter) {
            m_settled = now;
            return testing::AssertionSuccess();
        }
        auto failure = [&](const char* what, auto then, auto after) {
            return testing::AssertionFailure() << what << " grew from " << then << " after press "
                                               << kSettledAfter << " to " << after << " after press "
                                               << m_presses;
        };
        if (now.handles > m_settled.handles)
            return failure("handle count", m_settled.handles, now.handles);
        if (now.windows != m_settled.windows)
            return failure("window count", m_settled.windows, now.windows);
        if (now.gdiObjects > m_settled.gdiObjects)
            return failure("GDI object count", m_settled.gdiObjects, now.gdiObjects);
        if (now.userObjects > m_settled.userObjects)
            return failure("USER object count", m_settled.userObjects, now.userObjects);
        const std::uint64_t allowance = kMemoryAllowance + kMemoryPerCharacter * m_pi.m_piDigits.size();
        if (now.privateBytes > m_settled.privateBytes + allowance)
            return failure("private memory (bytes)", m_settled.privateBytes, now.privateBytes);
        return testing::AssertionSuccess();
    }

    const CMixedRadixPi& Mirror() const { return m_pi; }
    PelonixProcess& Program() { return m_program; }

private:
    PelonixProcess m_program;
    CMixedRadixPi m_pi;
    int m_presses = 0;
    const char* m_lastOperation = "none";
    ProcessCounters m_settled;
    ULONGLONG m_start = GetTickCount64();
};

std::uint32_t Seed()
{
    if (const char* fixed = std::getenv("PELONIX_SOAK_SEED"))
        return static_cast<std::uint32_t>(std::strtoul(fixed, nullptr, 10));
    return std::random_device{}();
}

TEST(Soak, TwentyThousandPressesThenDone)
{
    Soak soak;
    ASSERT_TRUE(soak.Started());
    ASSERT_TRUE(soak.ButtonsMatchOperations());
    ASSERT_TRUE(soak.FieldsMatch()) << "right after start-up";

    const std::uint32_t seed = Seed();
    Print("random presses with seed %lu (PELONIX_SOAK_SEED=%lu repeats them)\n",
          static_cast<unsigned long>(seed), static_cast<unsigned long>(seed));
    testing::Test::RecordProperty("seed", std::to_string(seed));
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::size_t> button(0, kOperationButtons.size() - 1);
    for (int i = 0; i < kPressesPerPhase; ++i)
        ASSERT_TRUE(soak.Press(button(random))) << "seed " << seed;

    ASSERT_TRUE(soak.Press(kInitializePi));
    for (int i = 0; i < kPressesPerPhase; ++i)
        ASSERT_TRUE(soak.Press(kOneMoreDigit));
    ASSERT_TRUE(soak.FieldsMatch());
    ASSERT_TRUE(soak.CountersSettled());
    ASSERT_GT(soak.Mirror().m_piDigits.size(), kLongText);

    // "Done" reads every field back, the long one too, and ends the program.
    ASSERT_TRUE(soak.Program().PostPress(IDOK)) << soak.Program().Error();
    const auto status = soak.Program().WaitForExit(PelonixProcess::kMessageDeadlineMs);
    ASSERT_TRUE(status.has_value()) << "after Done: " << soak.Program().Error();
    EXPECT_EQ(*status, 0u);
}

// One of everything a user can do, for the check that a session writes
// nothing: every button, the About box, F1 (the help engine, which the
// tests' Wine lacks, so the program says it could not start it) and Done.
TEST(Session, EveryButtonAboutBoxHelpThenDone)
{
    Soak soak;
    ASSERT_TRUE(soak.Started());
    for (std::size_t i = 0; i < kOperationButtons.size(); ++i)
        ASSERT_TRUE(soak.Press(i));
    ASSERT_TRUE(soak.FieldsMatch());
    PelonixProcess& program = soak.Program();

    struct Detour
    {
        const char* name;
        UINT message;
        WPARAM wParam;
        const char* caption;
    };
    const Detour detours[] = {
        {"About box", WM_SYSCOMMAND, 0x0010, "About Pelonix"},
        {"F1", WM_KEYDOWN, VK_F1, "Pelonix"},
    };
    for (const auto& detour : detours) {
        SCOPED_TRACE(detour.name);
        ASSERT_TRUE(PostMessageA(program.Dialog(), detour.message, detour.wParam, 0));
        HWND box = program.WaitForOtherDialog(PelonixProcess::kMessageDeadlineMs);
        ASSERT_TRUE(box) << program.Error();
        EXPECT_EQ(program.Text(box).value_or("?"), detour.caption);
        ASSERT_TRUE(program.PostPress(box, IDOK)) << program.Error();
        ASSERT_TRUE(program.WaitForWindowGone(box, PelonixProcess::kMessageDeadlineMs)) << program.Error();
    }
    ASSERT_TRUE(soak.FieldsMatch());

    ASSERT_TRUE(program.PostPress(IDOK)) << program.Error();
    const auto status = program.WaitForExit(PelonixProcess::kMessageDeadlineMs);
    ASSERT_TRUE(status.has_value()) << "after Done: " << program.Error();
    EXPECT_EQ(*status, 0u);
}

}  // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s [gtest flags] path/to/Pelonix.exe\n", argv[0]);
        return 2;
    }
    g_exe = argv[1];
    return RUN_ALL_TESTS();
}
