// The main dialog as it stands on the screen: every control where the
// template puts it, the dialog centred in the work area, its icons, and the
// icon painted centred while the window is minimized.
#include "DialogDriver.h"

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

using namespace driver;

namespace {

struct DialogUnits
{
    int x, y, width, height;
};

std::ostream& operator<<(std::ostream& out, const DialogUnits& r)
{
    return out << r.x << ", " << r.y << ", " << r.width << ", " << r.height;
}

// One control: by id, or by its text for the statics and the group box,
// which all share the id -1. A text given with an id is checked too.
struct Placed
{
    std::string name;
    int id;
    const char* text;
    DialogUnits at;
};

constexpr int kNoId = -1;

// Each shown position: its digit field, weight text, limit text and Reduce
// button, as one row of the layout.
struct PositionRow
{
    int field;
    DialogUnits fieldAt;
    const char* weight;
    DialogUnits weightAt;
    const char* limit;  // nullptr: position 0 has no limit and no Reduce
    int limitY;
    int reduceId;
    int reduceY;
};

const PositionRow kPositions[] = {
    {1002, {13, 33, 23, 14}, "1", {67, 36, 138, 8}, nullptr, 0, 0, 0},
    {1003, {13, 61, 24, 14}, "1/3", {67, 64, 138, 8}, "2", 64, 1014, 61},
    {1004, {13, 80, 24, 14}, "(1/3)(2/5)", {67, 83, 138, 8}, "4", 83, 1015, 77},
    {1005, {13, 99, 24, 14}, "(1/3)(2/5)(3/7)", {67, 102, 138, 8}, "6", 102, 1016, 96},
    {1006, {13, 118, 24, 14}, "(1/3)(2/5)(3/7)(4/9)", {67, 121, 138, 8}, "8", 121, 1017, 115},
    {1007, {13, 137, 24, 14}, "(1/3)(2/5)(3/7)(4/9)(5/11)", {67, 140, 138, 8}, "10", 140, 1018, 134},
    {1008, {13, 156, 24, 14}, "(1/3)(2/5)(3/7)(4/9)(5/11)(6/13)", {67, 159, 138, 8}, "12", 159, 1019, 153},
    {1009, {13, 175, 24, 14}, "(1/3)(2/5)(3/7)(4/9)(5/11)(6/13)(7/15)", {67, 178, 138, 8}, "14", 178, 1020, 172},
    {1010, {13, 194, 24, 14}, "(1/3)(2/5)(3/7)(4/9)(5/11)(6/13)(7/15)(8/17)", {67, 197, 142, 8}, "16", 197, 1021,
     191},
    {1011, {13, 213, 24, 14}, "(1/3)(2/5)(3/7)(4/9)(5/11)(6/13)(7/15)(8/17)(9/19)", {67, 216, 160, 8}, "18", 216,
     1022, 213},
};

const Placed kOthers[] = {
    {"Done", IDOK, "Done", {444, 279, 50, 14}},
    {"group box", kNoId, "The current digits in Euler's mixed-radix representation", {7, 7, 276, 286}},
    {"Digit heading", kNoId, "Digit", {13, 21, 15, 8}},
    {"Limit heading", kNoId, "Limit", {44, 21, 15, 8}},
    {"Value heading", kNoId, "Value", {67, 21, 138, 8}},
    {"point after position 0", kNoId, ".", {13, 52, 8, 8}},
    {"Extract Digits", 1024, "Extract Digits", {230, 30, 50, 14}},
    {"Initialize Pi", 1012, "Initialize Pi", {299, 22, 50, 14}},
    {"Multiply by 10", 1023, "Multiply by 10", {300, 43, 50, 14}},
    {"Compute One More Digit", 1027, "Compute One More Digit (Multiply, Reduce, Extract)", {289, 70, 173, 14}},
    {"Digits of Pi label", kNoId, "Digits of Pi", {297, 102, 34, 8}},
    {"digits field", 1025, nullptr, {360, 98, 118, 14}},
    {"Reduce Unseen Digits", 1028, "Reduce Unseen Digits", {176, 230, 85, 14}},
    {"Reduce All", 1026, "Reduce All", {197, 248, 50, 14}},
    {"Value represented label", kNoId, "Value represented", {13, 254, 58, 8}},
    {"value field", 1013, nullptr, {81, 248, 93, 14}},
};

std::vector<Placed> Layout()
{
    std::vector<Placed> all(std::begin(kOthers), std::end(kOthers));
    for (int k = 0; k < 10; ++k) {
        const PositionRow& row = kPositions[k];
        const std::string position = " of position " + std::to_string(k);
        all.push_back({"digit field" + position, row.field, nullptr, row.fieldAt});
        all.push_back({"weight" + position, kNoId, row.weight, row.weightAt});
        if (row.limit) {
            all.push_back({"limit" + position, kNoId, row.limit, {45, row.limitY, 8, 8}});
            all.push_back({"Reduce" + position, row.reduceId, "Reduce", {230, row.reduceY, 50, 14}});
        }
    }
    return all;
}

// Pixels back to dialog units with the dialog's own base units.
struct Units
{
    double perX, perY;  // pixels per dialog unit
    DialogUnits Of(const RECT& r) const
    {
        auto ux = [&](long px) { return static_cast<int>(std::lround(static_cast<double>(px) / perX)); };
        auto uy = [&](long px) { return static_cast<int>(std::lround(static_cast<double>(px) / perY)); };
        return {ux(r.left), uy(r.top), ux(r.right - r.left), uy(r.bottom - r.top)};
    }
};

Units UnitsOf(HWND dialog)
{
    RECT base = {0, 0, 4, 8};
    EXPECT_TRUE(MapDialogRect(dialog, &base));
    return {base.right / 4.0, base.bottom / 8.0};
}

// Position and size each within one unit of the template, for rounding.
::testing::AssertionResult Near(const DialogUnits& actual, const DialogUnits& expected)
{
    auto within1 = [](int a, int e) { return std::abs(a - e) <= 1; };
    if (within1(actual.x, expected.x) && within1(actual.y, expected.y) && within1(actual.width, expected.width) &&
        within1(actual.height, expected.height))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "at " << actual << " instead of " << expected;
}

// A 32-bit top-down bitmap and its pixels.
struct Bitmap
{
    Bitmap(int w, int h) : width(w), height(h)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = w;
        info.bmiHeader.biHeight = -h;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc = CreateCompatibleDC(nullptr);
        void* bits = nullptr;
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        pixels = static_cast<const DWORD*>(bits);
        old = SelectObject(dc, bitmap);
    }
    ~Bitmap()
    {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    void Fill(COLORREF colour)
    {
        HBRUSH brush = CreateSolidBrush(colour);
        RECT all = {0, 0, width, height};
        FillRect(dc, &all, brush);
        DeleteObject(brush);
    }
    DWORD At(int x, int y) const
    {
        GdiFlush();
        return pixels[y * width + x] & 0xFFFFFF;
    }

    int width, height;
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ old;
    const DWORD* pixels = nullptr;
};

}  // namespace

TEST_F(DialogTest, EveryControlStandsWhereTheTemplatePutsIt)
{
    Run([&] {
        const Units units = UnitsOf(dialog);
        RECT client;
        GetClientRect(dialog, &client);
        EXPECT_TRUE(Near(units.Of(client), {0, 0, 501, 300})) << "the dialog's client area";

        const std::vector<HWND> children = Children(dialog);
        for (const Placed& control : Layout()) {
            SCOPED_TRACE(control.name);
            HWND window = nullptr;
            if (control.id != kNoId) {
                window = Item(control.id);
                ASSERT_TRUE(window) << "no control " << control.id;
                if (control.text) {
                    EXPECT_EQ(Text(window), control.text);
                }
            } else {
                for (HWND child : children)
                    if (GetDlgCtrlID(child) == 0xFFFF && Text(child) == control.text)
                        window = child;
                ASSERT_TRUE(window) << "no control reads \"" << control.text << "\"";
            }
            EXPECT_TRUE(Near(units.Of(RectInParent(window)), control.at));
        }
        EXPECT_EQ(children.size(), Layout().size()) << "controls the layout does not know";
    });
}

TEST_F(DialogTest, OpensCentredInTheWorkArea)
{
    Run([&] {
        const RECT work = WorkAreaOf(dialog);
        RECT self;
        GetWindowRect(dialog, &self);
        const long width = self.right - self.left, height = self.bottom - self.top;
        EXPECT_NEAR(self.left, work.left + (work.right - work.left - width) / 2, 1);
        EXPECT_NEAR(self.top, work.top + (work.bottom - work.top - height) / 2, 1);
    });
}

TEST_F(DialogTest, WindowIconsAndDragIconAreTheProgramIcon)
{
    ASSERT_TRUE(dlg.m_hIcon);
    Run([&] {
        const auto icon = reinterpret_cast<LRESULT>(dlg.m_hIcon);
        EXPECT_EQ(Send(dialog, WM_GETICON, ICON_BIG), icon);
        EXPECT_EQ(Send(dialog, WM_GETICON, ICON_SMALL), icon);

        // Minimized, asked and restored between two messages of the dialog's
        // thread: with no window manager, Wine's X11 side may restore the
        // window at its next message, so a poll from here could miss it.
        bool iconic = false;
        LRESULT dragIcon = 0;
        OnDialogThread([&] {
            ShowWindow(dialog, SW_MINIMIZE);
            iconic = IsIconic(dialog);
            dragIcon = SendMessageA(dialog, WM_QUERYDRAGICON, 0, 0);
            ShowWindow(dialog, SW_RESTORE);
        });
        ASSERT_TRUE(iconic) << "the dialog was not minimized";
        EXPECT_EQ(dragIcon, icon);
        EXPECT_TRUE(WaitFor("the dialog to be restored", [&] { return !IsIconic(dialog); }));
    });
}

TEST_F(DialogTest, WhileMinimizedPaintsTheIconCentred)
{
    // Wine moves a minimized window off the screen with an empty client
    // area, where nothing painted can be read back. So the window keeps its
    // place and client area and takes the minimized style alone, which is
    // what IsIconic reports, for one paint; its controls are hidden as they
    // are when it is minimized. All of it happens on the dialog's thread
    // between two messages, before Wine's window manager side puts the style
    // back.
    Run([&] {
        const int cxIcon = GetSystemMetrics(SM_CXICON), cyIcon = GetSystemMetrics(SM_CYICON);
        // The icon's opaque pixels are those it draws alike on black and white.
        Bitmap onBlack(cxIcon, cyIcon), onWhite(cxIcon, cyIcon);
        onBlack.Fill(RGB(0, 0, 0));
        onWhite.Fill(RGB(255, 255, 255));
        DrawIcon(onBlack.dc, 0, 0, dlg.m_hIcon);
        DrawIcon(onWhite.dc, 0, 0, dlg.m_hIcon);
        std::vector<POINT> opaque;
        for (int py = 0; py < cyIcon; ++py)
            for (int px = 0; px < cxIcon; ++px)
                if (onBlack.At(px, py) == onWhite.At(px, py))
                    opaque.push_back({px, py});
        ASSERT_GT(opaque.size(), static_cast<std::size_t>(cxIcon * cyIcon / 4)) << "the icon is mostly transparent";

        RECT client, frame;
        GetClientRect(dialog, &client);
        GetWindowRect(dialog, &frame);
        const int x = (client.right - cxIcon + 1) / 2, y = (client.bottom - cyIcon + 1) / 2;
        Bitmap window(frame.right - frame.left, frame.bottom - frame.top);
        bool iconic = false;
        POINT paintOrigin = {};
        OnDialogThread([&] {
            const std::vector<HWND> children = Children(dialog);
            for (HWND child : children)
                ShowWindow(child, SW_HIDE);
            const LONG style = GetWindowLongA(dialog, GWL_STYLE);
            SetWindowLongA(dialog, GWL_STYLE, style | WS_MINIMIZE);
            iconic = IsIconic(dialog);

            // Where a minimized window's paint starts: Wine paints the whole
            // window then, not the client area alone.
            InvalidateRect(dialog, nullptr, TRUE);
            PAINTSTRUCT ps;
            GetDCOrgEx(BeginPaint(dialog, &ps), &paintOrigin);
            EndPaint(dialog, &ps);

            RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
            HDC dc = GetWindowDC(dialog);
            BitBlt(window.dc, 0, 0, window.width, window.height, dc, 0, 0, SRCCOPY);
            ReleaseDC(dialog, dc);

            SetWindowLongA(dialog, GWL_STYLE, style);
            for (HWND child : children)
                ShowWindow(child, SW_SHOWNA);
            RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        });
        ASSERT_TRUE(iconic) << "the dialog did not take the minimized style";

        const int left = paintOrigin.x - frame.left + x, top = paintOrigin.y - frame.top + y;
        ASSERT_TRUE(left >= 0 && top >= 0 && left + cxIcon <= window.width && top + cyIcon <= window.height)
            << "the icon's place (" << left << ", " << top << ") is outside the window";
        int mismatches = 0;
        for (const POINT& p : opaque)
            if (window.At(left + p.x, top + p.y) != onBlack.At(p.x, p.y))
                ++mismatches;
        EXPECT_EQ(mismatches, 0) << "of the icon's " << opaque.size() << " opaque pixels, at (" << x << ", " << y
                                 << ") of the paint";
    });
}
