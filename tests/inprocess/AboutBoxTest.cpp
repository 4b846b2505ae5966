// The About entry at the foot of the main dialog's system menu, the About
// box it opens (modal over the main dialog, centred on it), and the ways to
// close it, after which the main dialog is as it was.
#include "DialogDriver.h"

#include <algorithm>
#include <string>

using namespace driver;

namespace {

constexpr UINT kAboutCommand = 16;
const std::string kAboutCaption = "About Pelonix";

std::string MenuText(HMENU menu, int position)
{
    char text[256] = {};
    GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
    return text;
}

std::vector<std::string> StaticTexts(HWND box)
{
    std::vector<std::string> texts;
    for (HWND child : Children(box))
        if (ClassOf(child) == "Static" && (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
            texts.push_back(Text(child));
    return texts;
}

class AboutBoxTest : public DialogTest
{
protected:
    HWND OpenAbout(UINT command = kAboutCommand)
    {
        Post(dialog, WM_SYSCOMMAND, command);
        return WaitForBox(kAboutCaption);
    }
};

struct SysCommand
{
    const char* name;
    UINT id;
    bool opensAbout;
};

class AboutCommandTest : public AboutBoxTest, public ::testing::WithParamInterface<SysCommand>
{
};

struct Closer
{
    const char* name;
    void (*close)(HWND about, HWND focus);
};

class AboutCloserTest : public AboutBoxTest, public ::testing::WithParamInterface<Closer>
{
};

}  // namespace

TEST_F(AboutBoxTest, SystemMenuEndsWithTheAboutEntry)
{
    Run([&] {
        HMENU menu = GetSystemMenu(dialog, FALSE);
        ASSERT_TRUE(menu);
        const int count = GetMenuItemCount(menu);
        ASSERT_GE(count, 3);
        EXPECT_EQ(GetMenuItemID(menu, count - 1), kAboutCommand);
        EXPECT_EQ(MenuText(menu, count - 1), "&About Pelonix...");
        EXPECT_EQ(GetMenuState(menu, static_cast<UINT>(count - 1), MF_BYPOSITION) &
                      (MF_SEPARATOR | MF_POPUP | MF_GRAYED | MF_DISABLED | MF_CHECKED),
                  0u)
            << "not a plain enabled entry";
        EXPECT_TRUE(GetMenuState(menu, static_cast<UINT>(count - 2), MF_BYPOSITION) & MF_SEPARATOR)
            << "no separator before the entry";
        EXPECT_NE(GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND), static_cast<UINT>(-1)) << "the close entry is gone";
    });
}

TEST_P(AboutCommandTest, OpensAboutBoxOnlyForTheEntrysCommands)
{
    Run([&] {
        Post(dialog, WM_SYSCOMMAND, GetParam().id);
        if (GetParam().opensAbout) {
            HWND about = WaitForBox(kAboutCaption);
            ASSERT_TRUE(about);
            Post(GetDlgItem(about, IDOK), BM_CLICK);
            WaitGone(about, "the About box");
        } else {
            Drain();
            EXPECT_FALSE(FindBox(kAboutCaption)) << "the About box opened";
        }
        EXPECT_TRUE(IsWindow(dialog) && IsWindowEnabled(dialog)) << "the main dialog ended or stayed disabled";
    });
}

INSTANTIATE_TEST_SUITE_P(About, AboutCommandTest,
                         ::testing::Values(SysCommand{"Entry16", 16, true},
                                           SysCommand{"LowBitsSet31", 31, true},
                                           SysCommand{"Next32", 32, false}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(AboutBoxTest, CloseCommandStillEndsTheDialogWithCancel)
{
    Run([&] {
        Post(dialog, WM_SYSCOMMAND, SC_CLOSE);
        WaitGone(dialog, "the main dialog");
    });
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(AboutBoxTest, ShowsItsTextsIconAndDefaultButtonCentredOverTheMainDialog)
{
    Run([&] {
        HWND about = OpenAbout();
        ASSERT_TRUE(about);

        const std::vector<std::string> texts = StaticTexts(about);
        ASSERT_EQ(texts.size(), 2u);
        EXPECT_EQ(texts[0], "Pelonix Version 1.0");
        EXPECT_FALSE(texts[1].empty()) << "the second line is empty";
        EXPECT_TRUE(IconOf(about)) << "no icon shown";
        const auto defId = static_cast<DWORD>(Send(about, DM_GETDEFID));
        EXPECT_EQ(HIWORD(defId), DC_HASDEFID);
        EXPECT_EQ(LOWORD(defId), IDOK);
        EXPECT_EQ(Text(GetDlgItem(about, IDOK)), "OK");

        // Modal over the main dialog, which it belongs to.
        EXPECT_EQ(GetWindow(about, GW_OWNER), dialog);
        EXPECT_FALSE(IsWindowEnabled(dialog)) << "the main dialog takes input while the About box runs";

        RECT owner, self;
        GetWindowRect(dialog, &owner);
        GetWindowRect(about, &self);
        const RECT work = WorkAreaOf(dialog);
        const long width = self.right - self.left, height = self.bottom - self.top;
        const long x = owner.left + (owner.right - owner.left - width) / 2;
        const long y = owner.top + (owner.bottom - owner.top - height) / 2;
        EXPECT_NEAR(self.left, std::max(work.left, std::min(x, work.right - width)), 1);
        EXPECT_NEAR(self.top, std::max(work.top, std::min(y, work.bottom - height)), 1);
    });
}

TEST_F(AboutBoxTest, ClosingItReturnsToTheMainDialogAsItWas)
{
    Run([&] {
        Send(Item(1012), BM_CLICK);
        for (int i = 0; i < 3; ++i)
            Send(Item(1027), BM_CLICK);
        const std::vector<std::string> before = Fields();
        ASSERT_FALSE(before[11].empty()) << "no digits of pi after the presses";

        HWND about = OpenAbout();
        ASSERT_TRUE(about);
        Post(GetDlgItem(about, IDOK), BM_CLICK);
        ASSERT_TRUE(WaitGone(about, "the About box"));
        EXPECT_TRUE(WaitFor("the main dialog enabled again", [&] { return IsWindowEnabled(dialog); }));
        EXPECT_EQ(Fields(), before);
    });
}

TEST_P(AboutCloserTest, ClosesTheAboutBox)
{
    Run([&] {
        HWND about = OpenAbout();
        ASSERT_TRUE(about);
        HWND focus = WaitFor("the focus inside the About box", [&] {
            HWND f = Focus();
            return f && GetAncestor(f, GA_ROOT) == about ? f : nullptr;
        });
        ASSERT_TRUE(focus);
        GetParam().close(about, focus);
        ASSERT_TRUE(WaitGone(about, "the About box"));
        EXPECT_TRUE(WaitFor("the main dialog enabled again", [&] { return IsWindowEnabled(dialog); }));
        EXPECT_TRUE(IsWindow(dialog));
    });
}

INSTANTIATE_TEST_SUITE_P(
    About, AboutCloserTest,
    ::testing::Values(
        Closer{"OkButton", [](HWND about, HWND) { Post(GetDlgItem(about, IDOK), BM_CLICK); }},
        Closer{"EscapeKey", [](HWND, HWND focus) { Post(focus, WM_KEYDOWN, VK_ESCAPE, 0x00010001); }},
        Closer{"CancelCommand", [](HWND about, HWND) { Post(about, WM_COMMAND, IDCANCEL); }},
        Closer{"CloseBox", [](HWND about, HWND) { Post(about, WM_CLOSE); }}),
    [](const auto& row) { return std::string(row.param.name); });
