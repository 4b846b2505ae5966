// Pelonix.exe as its user meets it: the program runs as a process of its
// own, and the test sees only its window. It clicks buttons, presses real
// keys through the X server, reads what the controls show, and compares the
// fields after each click with the engine run on the same steps here.
#include "MixedRadixPi.h"
#include "Operation.h"
#include "OperationButtons.h"
#include "PelonixProcess.h"
#include "TextConversion.h"
#include "Walk.h"
#include "resource.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Long enough for Wine to start a program on a busy machine.
constexpr auto kStartPatience = 60s;
// For anything a running program does in answer to one input.
constexpr auto kPatience = 15s;

// Asks done() again and again until it holds or the time is up.
bool Eventually(const std::function<bool()>& done, Clock::duration patience = kPatience)
{
    const auto deadline = Clock::now() + patience;
    for (;;) {
        if (done())
            return true;
        if (Clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(10ms);
    }
}

std::string Text(HWND window)
{
    char buffer[512] = {};
    DWORD_PTR length = 0;
    if (!window || !SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer),
                                        SMTO_ABORTIFHUNG, 5000, &length))
        return "<no answer>";
    return std::string(buffer, length);
}

std::string ClassOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string Folder(const std::string& path)
{
    return path.substr(0, path.find_last_of("\\/") + 1);
}

std::string OwnFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return Folder(path);
}

// The Unix path of a folder of the Wine prefix, by Wine's own translation.
std::string UnixPath(const std::string& windowsPath)
{
    using ToUnix = char*(CDECL*)(const WCHAR*);
    const auto toUnix =
        reinterpret_cast<ToUnix>(reinterpret_cast<void (*)()>(
            GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!toUnix)
        return {};
    std::wstring wide(windowsPath.begin(), windowsPath.end());
    char* unix = toUnix(wide.c_str());
    if (!unix)
        return {};
    std::string result = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return result;
}

// Runs the X tool xdotool with these arguments and returns its exit status,
// or -1 if it could not be started or did not finish in time.
//
// Wine starts a Unix program from CreateProcess, but hands back no process
// handle to wait on; so a shell runs xdotool and leaves its exit status in
// a file of the Wine prefix's temporary folder, which this side polls.
int Xdotool(const std::string& arguments)
{
    static int serial = 0;
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string unixTemp = UnixPath(temp);
    if (unixTemp.empty()) {
        ADD_FAILURE() << "no Unix path for " << temp << ": not running under Wine?";
        return -1;
    }
    const std::string name =
        "pelonix-xdotool-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial);
    const std::string status = std::string(temp) + name;
    const std::string unixStatus = unixTemp + "/" + name;
    std::string command = "/bin/sh -c \"xdotool " + arguments + "; echo $? > '" + unixStatus + ".part' && mv '" +
                          unixStatus + ".part' '" + unixStatus + "'\"";

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        ADD_FAILURE() << "cannot start " << command << ": error " << GetLastError();
        return -1;
    }
    if (process.hProcess) {
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    if (!Eventually([&] { return GetFileAttributesA(status.c_str()) != INVALID_FILE_ATTRIBUTES; })) {
        ADD_FAILURE() << "xdotool " << arguments << " did not finish";
        return -1;
    }
    int code = -1;
    std::ifstream(status) >> code;
    DeleteFileA(status.c_str());
    return code;
}

// The twelve fields as one line: the ten digits, the value represented and
// the digits of pi, e.g. "0 2 2 4 3 10 1 13 12 1 | 1.41592653589793 | 3.".
std::string Line(const std::vector<std::string>& digits, const std::string& value, const std::string& piDigits)
{
    std::string line;
    for (const auto& digit : digits)
        line += digit + " ";
    return line + "| " + value + " | " + piDigits;
}

std::string LineOf(const CMixedRadixPi& pi)
{
    std::vector<std::string> digits;
    for (int k = 0; k < CMixedRadixPi::kShown; ++k)
        digits.push_back(FormatInt(pi.m_digit[k]));
    return Line(digits, FormatDouble(pi.m_value, 15), pi.m_piDigits);
}

// One run of Pelonix.exe and its main dialog; a program still running at
// the end of a test is terminated.
class Pelonix
{
public:
    // Starts the program and waits until its dialog is on the screen with
    // its fields filled in.
    void Start()
    {
        m_program.emplace(OwnFolder() + "Pelonix.exe", std::string(), static_cast<DWORD>(kStartPatience / 1ms));
        ASSERT_TRUE(m_program->Started()) << m_program->Error();
        m_dialog = m_program->Dialog();
        m_thread = GetWindowThreadProcessId(m_dialog, nullptr);
    }

    HWND Dialog() const { return m_dialog; }
    HWND Item(int id) const { return GetDlgItem(m_dialog, id); }
    std::string Field(int id) const { return m_program->Text(id).value_or("<no answer>"); }

    // The twelve fields, in the form of Line().
    std::string Fields() const
    {
        std::vector<std::string> digits;
        for (int k = 0; k < CMixedRadixPi::kShown; ++k)
            digits.push_back(Field(IDC_DIGIT0 + k));
        return Line(digits, Field(IDC_VALUE), Field(IDC_PI_DIGITS));
    }

    // A click as the mouse makes it; it also moves the focus to the button.
    // The answer comes when the button's command has run.
    void Click(int id) const
    {
        ASSERT_TRUE(m_program->Press(id)) << "click on " << id << ": " << m_program->Error();
    }

    // A real click of the left mouse button in the middle of the control;
    // it comes when the X server has it, not when the program has acted.
    void MouseClick(int id) const
    {
        RECT rect = {};
        ASSERT_TRUE(GetWindowRect(Item(id), &rect)) << "no control " << id;
        const std::string at = std::to_string((rect.left + rect.right) / 2) + " " +
                               std::to_string((rect.top + rect.bottom) / 2);
        ASSERT_EQ(Xdotool("mousemove --sync " + at + " click 1"), 0) << "mouse click at " << at;
    }

    // The identifier of the control that has the keyboard focus, 0 for none.
    int Focus() const
    {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        if (!GetGUIThreadInfo(m_thread, &info) || !info.hwndFocus)
            return 0;
        return GetDlgCtrlID(info.hwndFocus);
    }

    void AwaitFocus(int id) const
    {
        EXPECT_TRUE(Eventually([&] { return Focus() == id; })) << "the focus did not reach " << id
                                                               << "; it is on " << Focus();
    }

    // Real keys, in xdotool's names ("Tab", "shift+Tab", "alt+F4"), typed
    // into the dialog's X window. Without a window manager no window gets
    // the X keyboard focus by itself, so the first keys give it to ours.
    void Keys(const std::string& keys)
    {
        std::string arguments = "key " + keys;
        if (!m_hasXFocus) {
            const auto xWindow = reinterpret_cast<UINT_PTR>(GetPropA(m_dialog, "__wine_x11_whole_window"));
            ASSERT_NE(xWindow, 0u) << "the dialog has no X window";
            arguments = "windowfocus --sync " + std::to_string(xWindow) + " " + arguments;
            m_hasXFocus = true;
        }
        ASSERT_EQ(Xdotool(arguments), 0) << "xdotool " << arguments;
    }

    bool Ended() const { return WaitForSingleObject(m_program->Process(), 0) == WAIT_OBJECT_0; }

    // Waits for the program to end by itself; its exit status, or
    // STILL_ACTIVE if it is still running.
    DWORD AwaitEnd() const
    {
        return m_program->WaitForExit(static_cast<DWORD>(kPatience / 1ms)).value_or(STILL_ACTIVE);
    }

private:
    // Mutable: reading a field or pressing a button records why it failed.
    mutable std::optional<PelonixProcess> m_program;
    HWND m_dialog = nullptr;
    DWORD m_thread = 0;
    bool m_hasXFocus = false;
};

class BlackBox : public testing::Test
{
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(m_app.Start()); }

    Pelonix m_app;
};

// ---------------------------------------------------------------------------
// The window and its controls.

TEST_F(BlackBox, WindowHasItsCaptionStylesAndDefaultButton)
{
    const HWND dialog = m_app.Dialog();
    EXPECT_EQ(Text(dialog), "w");

    const auto style = static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE));
    const struct { const char* name; DWORD bit; bool set; } kBits[] = {
        {"WS_POPUP", WS_POPUP, true},           {"WS_VISIBLE", WS_VISIBLE, true},
        {"WS_CAPTION", WS_CAPTION, true},       {"WS_SYSMENU", WS_SYSMENU, true},
        {"DS_MODALFRAME", DS_MODALFRAME, true}, {"WS_MINIMIZEBOX", WS_MINIMIZEBOX, false},
        {"WS_MAXIMIZEBOX", WS_MAXIMIZEBOX, false},
    };
    for (const auto& bit : kBits)
        EXPECT_EQ((style & bit.bit) == bit.bit, bit.set) << bit.name << " in style " << std::hex << style;
    const auto exStyle = static_cast<DWORD>(GetWindowLongA(dialog, GWL_EXSTYLE));
    EXPECT_TRUE(exStyle & WS_EX_APPWINDOW) << "extended style " << std::hex << exStyle;

    DWORD_PTR defId = 0;
    ASSERT_TRUE(SendMessageTimeoutA(dialog, DM_GETDEFID, 0, 0, SMTO_ABORTIFHUNG, 5000, &defId));
    EXPECT_EQ(HIWORD(defId), DC_HASDEFID);
    EXPECT_EQ(LOWORD(defId), IDOK);
}

struct Control
{
    int id;
    const char* className;
    DWORD style;
    std::string text;
};

std::vector<Control> ExpectedControls()
{
    constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
    constexpr DWORD kButton = kChild | WS_TABSTOP | BS_PUSHBUTTON;
    constexpr DWORD kLabel = kChild | WS_GROUP | SS_LEFT;
    constexpr DWORD kField = kChild | WS_BORDER | WS_TABSTOP | ES_LEFT | ES_READONLY | ES_AUTOHSCROLL;
    // A DIALOG template keeps 16-bit identifiers.
    constexpr int kStatic = static_cast<WORD>(IDC_STATIC);

    std::vector<Control> controls = {
        {IDOK, "Button", kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, "Done"},
        {kStatic, "Button", kChild | BS_GROUPBOX, "The current digits in Euler's mixed-radix representation"},
        {kStatic, "Static", kLabel, "Digit"},
        {kStatic, "Static", kLabel, "Value"},
    };
    std::string product;  // (1/3)(2/5)...(k/(2k+1))
    for (int k = 0; k < CMixedRadixPi::kShown; ++k) {
        controls.push_back({IDC_DIGIT0 + k, "Edit", kField, "0"});
        if (k == 1)
            controls.push_back({kStatic, "Static", kLabel, "."});
        if (k > 0)
            product += "(" + std::to_string(k) + "/" + std::to_string(2 * k + 1) + ")";
        controls.push_back({kStatic, "Static", kLabel, k == 0 ? "1" : k == 1 ? "1/3" : product});
    }
    controls.push_back({IDC_INITIALIZE_PI, "Button", kButton, "Initialize Pi"});
    controls.push_back({kStatic, "Static", kLabel, "Value represented"});
    controls.push_back({IDC_VALUE, "Edit", kField, "0"});
    for (int k = 1; k <= 9; ++k)
        controls.push_back({IDC_REDUCE1 + k - 1, "Button", kButton, "Reduce"});
    controls.push_back({IDC_MULTIPLY, "Button", kButton, "Multiply by 10"});
    controls.push_back({IDC_EXTRACT, "Button", kButton, "Extract Digits"});
    controls.push_back({kStatic, "Static", kLabel, "Digits of Pi"});
    controls.push_back({IDC_PI_DIGITS, "Edit", kField, ""});
    controls.push_back({IDC_REDUCE_ALL, "Button", kButton, "Reduce All"});
    controls.push_back({IDC_ONE_MORE_DIGIT, "Button", kButton, "Compute One More Digit (Multiply, Reduce, Extract)"});
    controls.push_back({IDC_REDUCE_UNSEEN, "Button", kButton, "Reduce Unseen Digits"});
    controls.push_back({kStatic, "Static", kLabel, "Limit"});
    for (int k = 1; k <= 9; ++k)
        controls.push_back({kStatic, "Static", kLabel, std::to_string(2 * k)});
    return controls;
}

TEST_F(BlackBox, ControlsComeInCreationOrderWithTheirClassStyleAndText)
{
    const auto expected = ExpectedControls();
    std::size_t index = 0;
    for (HWND child = GetWindow(m_app.Dialog(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT), ++index) {
        if (index >= expected.size())
            continue;
        const Control& want = expected[index];
        SCOPED_TRACE("control " + std::to_string(index) + " \"" + want.text + "\"");
        EXPECT_EQ(GetDlgCtrlID(child), want.id);
        EXPECT_EQ(ClassOf(child), want.className);
        // The dialog manager draws a control's WS_BORDER as a sunken client
        // edge: the style loses the bit, the extended style gains the edge.
        const auto style = static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE));
        EXPECT_EQ(style, want.style & ~WS_BORDER) << std::hex << style << " against " << want.style;
        const bool clientEdge = GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_CLIENTEDGE;
        EXPECT_EQ(clientEdge, (want.style & WS_BORDER) != 0) << "client edge";
        EXPECT_EQ(Text(child), want.text);
    }
    EXPECT_EQ(index, expected.size()) << "number of controls";
}

// ---------------------------------------------------------------------------
// Clicks: after each one the twelve fields show what the engine holds after
// the same steps.

struct Walk
{
    const char* name;
    const char* steps;
    // Known fields at the end, in the form of Line() with "*" for a field
    // that is not checked; nullptr checks only against the engine.
    const char* end;
};

bool Matches(const std::string& pattern, const std::string& line)
{
    std::istringstream p(pattern), l(line);
    std::string want, got;
    while (p >> want) {
        if (!(l >> got) || (want != "*" && want != got))
            return false;
    }
    return !(l >> got);
}

void PrintTo(const Walk& walk, std::ostream* out) { *out << walk.name << ": " << walk.steps; }

class WalkThrough : public BlackBox, public testing::WithParamInterface<Walk> {};

TEST_P(WalkThrough, ShowsTheEngineStateAfterEveryClick)
{
    const Walk& walk = GetParam();
    CMixedRadixPi pi = StartedEngine();
    EXPECT_EQ(m_app.Fields(), LineOf(pi)) << "at start";
    std::string done;
    for (const Operation* op : ParseWalk(walk.steps)) {
        done += std::string(" ") + op->name;
        ASSERT_NO_FATAL_FAILURE(m_app.Click(ButtonOf(*op)));
        op->apply(pi);
        ASSERT_EQ(m_app.Fields(), LineOf(pi)) << "after" << done;
    }
    if (walk.end) {
        const std::string fields = m_app.Fields();
        EXPECT_TRUE(Matches(walk.end, fields)) << "fields " << fields << "\nexpected " << walk.end;
    }
    EXPECT_FALSE(m_app.Ended());
}

const Walk kWalks[] = {
    {"AtStart", "", "0 0 0 0 0 0 0 0 0 0 | 0 | "},
    {"InitializePi", "init", "2 2 2 2 2 2 2 2 2 2 | 3.14159265358979 | "},
    {"OneMoreDigit", "init one-more", "0 2 2 4 3 10 1 13 12 1 | 1.41592653589793 | 3."},
    {"FifteenDigits", "init one-more*15", "* * * * * * * * * * | * | 3.14159265358979"},
    {"WrappedDigitsShowTheirSign", "init mul*10",
     "-1474836480 -1474836480 -1474836480 -1474836480 -1474836480 -1474836480 -1474836480 -1474836480 "
     "-1474836480 -1474836480 | * | "},
    {"EachReduceButton", "init mul reduce-1 reduce-2 reduce-3 reduce-4 reduce-5 reduce-6 reduce-7 reduce-8 reduce-9",
     nullptr},
    {"ReduceNine", "init mul reduce-9", nullptr},
    {"UnseenThenShownThenExtract",
     "init mul reduce-unseen reduce-9 reduce-8 reduce-7 reduce-6 reduce-5 reduce-4 reduce-3 reduce-2 reduce-1 extract",
     nullptr},
    {"ExtractAfterInitialize", "init extract", "2 2 2 2 2 2 2 2 2 2 | * | 0."},
    {"ReduceAll", "init mul reduce-all extract", nullptr},
    {"OverflowingReduceAll", "init mul*9 reduce-all", "* * -3 * -3 * -9 * * * | * | "},
    {"RoundingAfterMultiply", "init one-more*5 mul", "* * * * * * * * * * | 92.6535897928007 | *"},
    {"RoundingAfterReduceUnseen", "init one-more*5 mul reduce-unseen",
     "* * * * * * * * * * | 92.6535897928006 | *"},
};

INSTANTIATE_TEST_SUITE_P(Clicks, WalkThrough, testing::ValuesIn(kWalks),
                         [](const testing::TestParamInfo<Walk>& row) { return std::string(row.param.name); });

// ---------------------------------------------------------------------------
// Real keys.

// Presses key once per step and notes where the focus went each time.
std::vector<int> FocusWalk(Pelonix& app, const char* key, std::size_t presses)
{
    std::vector<int> visited;
    for (std::size_t i = 0; i < presses; ++i) {
        const int before = app.Focus();
        app.Keys(key);
        if (testing::Test::HasFatalFailure())
            break;
        if (!Eventually([&] { return app.Focus() != before; })) {
            ADD_FAILURE() << key << " press " << i + 1 << " left the focus on " << before;
            break;
        }
        visited.push_back(app.Focus());
    }
    return visited;
}

std::vector<int> TabStopsAfterDone()
{
    std::vector<int> stops;
    for (int id = IDC_DIGIT0; id <= IDC_DIGIT9; ++id)
        stops.push_back(id);
    stops.push_back(IDC_INITIALIZE_PI);
    stops.push_back(IDC_VALUE);
    for (int id = IDC_REDUCE1; id <= IDC_REDUCE9; ++id)
        stops.push_back(id);
    for (int id : {IDC_MULTIPLY, IDC_EXTRACT, IDC_PI_DIGITS, IDC_REDUCE_ALL, IDC_ONE_MORE_DIGIT, IDC_REDUCE_UNSEEN})
        stops.push_back(id);
    stops.push_back(IDOK);
    return stops;
}

TEST_F(BlackBox, TabVisitsEveryTabStopInOrderAndReturnsToDone)
{
    m_app.AwaitFocus(IDOK);
    const auto expected = TabStopsAfterDone();
    EXPECT_EQ(FocusWalk(m_app, "Tab", expected.size()), expected);
}

TEST_F(BlackBox, ShiftTabVisitsThemBackwards)
{
    m_app.AwaitFocus(IDOK);
    auto expected = TabStopsAfterDone();
    expected.pop_back();
    expected.insert(expected.begin(), IDOK);
    std::reverse(expected.begin(), expected.end());
    EXPECT_EQ(FocusWalk(m_app, "shift+Tab", expected.size()), expected);
}

// ---------------------------------------------------------------------------
// Ending.

struct Ending
{
    const char* name;
    const char* focusKeys;  // keys that move the focus first, or ""
    int focus;              // where they take it
    void (*end)(Pelonix&);
};

void PrintTo(const Ending& ending, std::ostream* out) { *out << ending.name; }

class Ends : public BlackBox, public testing::WithParamInterface<Ending> {};

TEST_P(Ends, TheProgramWithExitStatusZero)
{
    const Ending& ending = GetParam();
    m_app.AwaitFocus(IDOK);
    if (*ending.focusKeys) {
        m_app.Keys(ending.focusKeys);
        m_app.AwaitFocus(ending.focus);
    }
    ending.end(m_app);
    EXPECT_EQ(m_app.AwaitEnd(), 0u) << "exit status (" << STILL_ACTIVE << ": still running)";
}

const Ending kEndings[] = {
    {"EnterOnDone", "", IDOK, [](Pelonix& app) { app.Keys("Return"); }},
    {"EnterOnDigitField", "Tab", IDC_DIGIT0, [](Pelonix& app) { app.Keys("Return"); }},
    {"EnterOnDigitsOfPiField", "shift+Tab shift+Tab shift+Tab shift+Tab", IDC_PI_DIGITS,
     [](Pelonix& app) { app.Keys("Return"); }},
    {"Escape", "", IDOK, [](Pelonix& app) { app.Keys("Escape"); }},
    {"AltF4", "", IDOK, [](Pelonix& app) { app.Keys("alt+F4"); }},
    {"CloseBox", "", IDOK, [](Pelonix& app) { PostMessageA(app.Dialog(), WM_CLOSE, 0, 0); }},
    {"ClickOnDone", "", IDOK, [](Pelonix& app) { app.Click(IDOK); }},
    {"EscapeAfterWork", "", IDOK,
     [](Pelonix& app) {
         app.Click(IDC_INITIALIZE_PI);
         app.Click(IDC_ONE_MORE_DIGIT);
         app.Keys("Escape");
     }},
};

INSTANTIATE_TEST_SUITE_P(Keys, Ends, testing::ValuesIn(kEndings),
                         [](const testing::TestParamInfo<Ending>& row) { return std::string(row.param.name); });

// Enter on a push button other than "Done" runs its command, and the
// program goes on; however the focus came there.
struct EnterOnButton
{
    const char* name;
    const char* clicks;  // the last one leaves the focus on its button
    bool lastByMouse;    // the last click a real one, not BM_CLICK
    const char* keys;    // keys that move the focus on from there, or ""
    const char* enter;   // the operation of the button that then has the focus
};

void PrintTo(const EnterOnButton& row, std::ostream* out) { *out << row.name; }

class EnterRuns : public BlackBox, public testing::WithParamInterface<EnterOnButton> {};

TEST_P(EnterRuns, TheFocusedButtonsCommand)
{
    const EnterOnButton& row = GetParam();
    m_app.AwaitFocus(IDOK);
    const auto steps = ParseWalk(row.clicks);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (row.lastByMouse && i + 1 == steps.size()) {
            ASSERT_NO_FATAL_FAILURE(m_app.MouseClick(ButtonOf(*steps[i])));
        } else {
            ASSERT_NO_FATAL_FAILURE(m_app.Click(ButtonOf(*steps[i])));
        }
    }
    CMixedRadixPi pi = StartedEngine();
    RunWalk(pi, row.clicks);
    const std::string before = LineOf(pi);
    ASSERT_TRUE(Eventually([&] { return m_app.Fields() == before; }))
        << "fields " << m_app.Fields() << "\nexpected " << before;
    if (*row.keys) {
        ASSERT_NO_FATAL_FAILURE(m_app.Keys(row.keys));
    }
    m_app.AwaitFocus(ButtonOf(row.enter));

    RunWalk(pi, row.enter);
    const std::string expected = LineOf(pi);
    ASSERT_NE(before, expected) << "the command must change the fields for this row to show anything";

    ASSERT_NO_FATAL_FAILURE(m_app.Keys("Return"));
    EXPECT_TRUE(Eventually([&] { return m_app.Ended() || m_app.Fields() == expected; }))
        << "fields " << m_app.Fields() << "\nexpected " << expected;
    ASSERT_FALSE(m_app.Ended()) << "Enter ended the program";

    // Still at work.
    m_app.Click(IDC_INITIALIZE_PI);
    EXPECT_EQ(m_app.Field(IDC_VALUE), "3.14159265358979");
}

const EnterOnButton kEnterOnButtons[] = {
    {"MultiplyByTenAfterClick", "init mul", false, "", "mul"},
    {"ComputeOneMoreDigitAfterClick", "init one-more", false, "", "one-more"},
    {"MultiplyByTenAfterMouseClick", "init mul", true, "", "mul"},
    {"InitializePiAfterTabs", "", false, "Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab", "init"},
    {"ReduceNineAfterShiftTab", "init mul", false, "shift+Tab", "reduce-9"},
    {"ReduceUnseenAfterTabs", "init one-more mul", false, "Tab Tab Tab Tab Tab", "reduce-unseen"},
};

INSTANTIATE_TEST_SUITE_P(Keys, EnterRuns, testing::ValuesIn(kEnterOnButtons),
                         [](const testing::TestParamInfo<EnterOnButton>& row) {
                             return std::string(row.param.name);
                         });

}  // namespace
