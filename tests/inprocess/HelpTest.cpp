// F1 in either dialog asks the help engine for the program's help file at
// the dialog's context; the help engine is turned off here, so the layer
// says it could not start it. Shift, Ctrl or Alt with F1 is not help.
#include "DialogDriver.h"
#include "HelpProbe.h"

#include "PiDigitsApp.h"

#include <string>

using namespace driver;

extern CPiDigitsApp theApp;

namespace {

constexpr LPARAM kF1Down = 0x003B0001;  // scan code of F1, one repeat

// The executable with ".HLP" in place of ".exe".
std::string ExpectedHelpFile()
{
    char path[4096] = {};
    const DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string file(path, n);
    EXPECT_EQ(_stricmp(file.substr(file.size() - 4).c_str(), ".exe"), 0) << file;
    return file.substr(0, file.size() - 4) + ".HLP";
}

// A WM_KEYDOWN of F1 posted to the control with the focus, as the keyboard
// would deliver it.
class HelpTest : public DialogTest
{
protected:
    void PressF1(HWND within)
    {
        HWND focus = WaitFor("the focus inside the dialog", [&] {
            HWND f = Focus();
            return f && GetAncestor(f, GA_ROOT) == within ? f : nullptr;
        });
        ASSERT_TRUE(focus);
        Post(focus, WM_KEYDOWN, VK_F1, kF1Down);
    }

    // Waits for the layer's message that help could not start, checks it
    // and closes it.
    void ExpectHelpFailedMessage()
    {
        HWND box = WaitForBox(theApp.m_pszAppName);
        ASSERT_TRUE(box);
        EXPECT_EQ(Text(GetDlgItem(box, 0xFFFF)), "Failed to launch help.");
        EXPECT_EQ(IconOf(box), LoadIconA(nullptr, IDI_EXCLAMATION)) << "not the exclamation icon";
        Post(GetDlgItem(box, IDOK), BM_CLICK);
        WaitGone(box, "the message box");
    }

    void ExpectAsked(HWND window, ULONG_PTR context)
    {
        const std::vector<HelpRequest> requests = probe.Requests();
        ASSERT_EQ(requests.size(), 1u) << "help asked for a number of times other than once";
        EXPECT_EQ(requests[0].window, window);
        EXPECT_EQ(requests[0].file, ExpectedHelpFile());
        EXPECT_EQ(requests[0].command, static_cast<UINT>(HELP_CONTEXT));
        EXPECT_EQ(requests[0].data, context) << std::hex << "context 0x" << requests[0].data;
    }

    // The dialog thread's own idea of whether key is down, as the keyboard
    // would leave it.
    void HoldKey(int key, bool down)
    {
        OnDialogThread([&] {
            BYTE keys[256];
            GetKeyboardState(keys);
            keys[key] = down ? 0x80 : 0;
            SetKeyboardState(keys);
        });
    }

    HelpProbe probe;
};

struct Modifier
{
    const char* name;
    int key;
};

class HelpWithModifierTest : public HelpTest, public ::testing::WithParamInterface<Modifier>
{
};

struct PathCase
{
    std::string name, path, help;
};

}  // namespace

TEST_F(HelpTest, F1InMainDialogAsksForItsContext)
{
    Run([&] {
        PressF1(dialog);
        ExpectHelpFailedMessage();
        ExpectAsked(dialog, 0x20066);
        Drain();
        EXPECT_TRUE(IsWindow(dialog) && IsWindowEnabled(dialog)) << "the dialog ended or stayed disabled";
    });
}

TEST_F(HelpTest, F1InAboutBoxAsksForItsContext)
{
    Run([&] {
        Post(dialog, WM_SYSCOMMAND, 16);
        HWND about = WaitForBox("About Pelonix");
        ASSERT_TRUE(about);
        PressF1(about);
        ExpectHelpFailedMessage();
        ExpectAsked(about, 0x20064);
        Drain();
        EXPECT_TRUE(IsWindowVisible(about) && IsWindowEnabled(about)) << "the About box closed or stayed disabled";
    });
}

TEST_P(HelpWithModifierTest, IsNotHelp)
{
    Run([&] {
        HoldKey(GetParam().key, true);
        PressF1(dialog);
        Drain();
        EXPECT_TRUE(probe.Requests().empty()) << "help asked for";
        EXPECT_FALSE(FindBox(theApp.m_pszAppName)) << "a message box came up";

        // Without the key, the same F1 is help again.
        HoldKey(GetParam().key, false);
        PressF1(dialog);
        ExpectHelpFailedMessage();
        ExpectAsked(dialog, 0x20066);
    });
}

INSTANTIATE_TEST_SUITE_P(Help, HelpWithModifierTest,
                         ::testing::Values(Modifier{"Shift", VK_SHIFT}, Modifier{"Ctrl", VK_CONTROL},
                                           Modifier{"Alt", VK_MENU}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(HelpFilePath, ReplacesOrAddsTheExtensionOfTheFileName)
{
    std::string deep = R"(\\?\C:)";
    while (deep.size() < 5000)
        deep += R"(\deep.folder)";
    const PathCase cases[] = {
        {"an executable", R"(C:\Program Files\Pelonix\Pelonix.exe)", R"(C:\Program Files\Pelonix\Pelonix.HLP)"},
        {"a folder with a dot", R"(C:\v1.2\Pelonix.exe)", R"(C:\v1.2\Pelonix.HLP)"},
        {"a folder with a dot, a file without one", R"(C:\v1.2\Pelonix)", R"(C:\v1.2\Pelonix.HLP)"},
        {"no extension", R"(C:\Tools\Pelonix)", R"(C:\Tools\Pelonix.HLP)"},
        {"two dots in the name", R"(C:\Tools\Pelonix.old.exe)", R"(C:\Tools\Pelonix.old.HLP)"},
        {"forward slashes", "C:/v1.2/Pelonix", "C:/v1.2/Pelonix.HLP"},
        {"a bare file name", "Pelonix.exe", "Pelonix.HLP"},
        {"a very long path", deep + R"(\Pelonix.exe)", deep + R"(\Pelonix.HLP)"},
    };
    for (const PathCase& c : cases)
        EXPECT_EQ(HelpFilePath(c.path), c.help) << c.name;
}
