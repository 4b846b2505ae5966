// "Done" reads every field back into the engine: a text that does not
// parse stops it with the layer's message, keeps the dialog open with that
// field selected and changes no field; texts that parse are taken whole.
#include "DialogDriver.h"

#include "PiDigitsApp.h"

#include <array>
#include <cctype>
#include <cstdint>
#include <string>

using namespace driver;

extern CPiDigitsApp theApp;

namespace {

struct EngineState
{
    std::array<std::int32_t, 10> digits;
    double value;
    std::string piDigits;
    bool operator==(const EngineState&) const = default;
};

EngineState StateOf(const CMixedRadixPi& pi)
{
    EngineState state{};
    for (int k = 0; k < 10; ++k)
        state.digits[static_cast<std::size_t>(k)] = pi.m_digit[k];
    state.value = pi.m_value;
    state.piDigits = pi.m_piDigits;
    return state;
}

struct BadText
{
    const char* name;
    int control;
    const char* text;
    const char* message;
};

const BadText kBadTexts[] = {
    {"letters in a digit field", 1005, "abc", "Please enter an integer."},
    {"a digit field past the 32-bit range", 1011, "2147483648", "Please enter an integer."},
    {"a fraction in a digit field", 1003, "2.5", "Please enter an integer."},
    {"a word in the value field", 1013, "pi", "Please enter a number."},
};

class BadTextTest : public DialogTest, public ::testing::WithParamInterface<BadText>
{
};

}  // namespace

TEST_P(BadTextTest, StopsDoneWithMessageAndSelectsTheField)
{
    const BadText& bad = GetParam();
    EngineState before{};
    Run([&] {
        // A state with digits of pi, so that an untouched state says more
        // than zeros would; and an earlier field changed to a good text, so
        // that a half-done read would show.
        Send(Item(1012), BM_CLICK);
        Send(Item(1027), BM_CLICK);
        Send(Item(1027), BM_CLICK);
        OnDialogThread([&] { before = StateOf(dlg.m_pi); });
        SetText(Item(1002), "7");
        HWND field = Item(bad.control);
        SetText(field, bad.text);

        Post(Item(IDOK), BM_CLICK);
        HWND box = WaitForBox(theApp.m_pszAppName);
        ASSERT_TRUE(box);
        EXPECT_EQ(Text(GetDlgItem(box, 0xFFFF)), bad.message);
        Post(GetDlgItem(box, IDOK), BM_CLICK);
        ASSERT_TRUE(WaitGone(box, "the message box"));

        const auto length = static_cast<DWORD>(std::char_traits<char>::length(bad.text));
        EXPECT_TRUE(WaitFor("the focus on the field with its whole text selected", [&] {
            DWORD start = 1, end = 0;
            Send(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
            return Focus() == field && start == 0 && end == length;
        }));
        Drain();
        EXPECT_TRUE(IsWindow(dialog) && IsWindowEnabled(dialog)) << "the dialog ended or stayed disabled";
        EXPECT_EQ(Text(field), bad.text);
        Post(dialog, WM_COMMAND, IDCANCEL);
        WaitGone(dialog, "the dialog");
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(StateOf(dlg.m_pi), before) << "a field changed although Done failed";
}

INSTANTIATE_TEST_SUITE_P(DataExchange, BadTextTest, ::testing::ValuesIn(kBadTexts),
                         [](const auto& row) {
                             std::string name;
                             for (const char* c = row.param.name; *c; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name;
                         });

TEST_F(DialogTest, DoneTakesEveryFieldBackWhole)
{
    // Far longer than any buffer of a fixed size would hold.
    std::string digits = "3.";
    for (int i = 0; digits.size() < 20000; ++i)
        digits += static_cast<char>('0' + (i * 7 + 3) % 10);

    Run([&] {
        SetText(Item(1008), "  42 ");
        SetText(Item(1009), "-17");
        SetText(Item(1013), " 0.125");
        SetText(Item(1025), digits);
        Post(Item(IDOK), BM_CLICK);
        WaitGone(dialog, "the dialog");
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dlg.m_pi.m_digit[6], 42);
    EXPECT_EQ(dlg.m_pi.m_digit[7], -17);
    EXPECT_EQ(dlg.m_pi.m_digit[0], 0);
    EXPECT_EQ(dlg.m_pi.m_value, 0.125);
    EXPECT_EQ(dlg.m_pi.m_piDigits.size(), digits.size());
    EXPECT_TRUE(dlg.m_pi.m_piDigits == digits) << "the digits came back changed";
}
