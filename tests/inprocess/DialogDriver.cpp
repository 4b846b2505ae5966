// The dialog driver: the modal run, the tester thread, and the helpers that
// talk to the dialogs from that thread.
#include "DialogDriver.h"

#include "PiDigitsApp.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

extern CPiDigitsApp theApp;

namespace driver {

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL,
                             static_cast<UINT>(kDeadline.count()), &result) &&
        GetLastError() == ERROR_TIMEOUT)
        ADD_FAILURE() << "message 0x" << std::hex << message << " to window " << window
                      << " not answered within the deadline";
    return static_cast<LRESULT>(result);
}

void Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    EXPECT_TRUE(PostMessageA(window, message, wParam, lParam))
        << "posting message 0x" << std::hex << message << " to window " << window;
}

std::string Text(HWND window)
{
    const auto length = static_cast<std::size_t>(Send(window, WM_GETTEXTLENGTH));
    std::string text(length + 1, '\0');
    const auto read = static_cast<std::size_t>(
        Send(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data())));
    text.resize(read);
    return text;
}

void SetText(HWND window, const std::string& text)
{
    EXPECT_TRUE(Send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

std::string ClassOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::vector<HWND> ThreadWindows(DWORD thread)
{
    std::vector<HWND> windows;
    EnumThreadWindows(
        thread,
        [](HWND window, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::vector<HWND> Children(HWND parent)
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

RECT RectInParent(HWND child)
{
    RECT rect = {};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

RECT WorkAreaOf(HWND window)
{
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
    return info.rcWork;
}

HICON IconOf(HWND dialogBox)
{
    for (HWND child : Children(dialogBox))
        if (ClassOf(child) == "Static" && (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            return reinterpret_cast<HICON>(Send(child, STM_GETICON));
    return nullptr;
}

}  // namespace driver

using namespace driver;

namespace {

// A function handed to the dialog's thread, and whether it ran or the tester
// gave up on it (after which it must not run: what it refers to is gone).
struct Job
{
    enum State { Pending, Taken, Abandoned };
    std::function<void()> fn;
    std::atomic<int> state{Pending};
    HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ~Job() { CloseHandle(done); }
};

UINT JobMessage()
{
    static const UINT message = RegisterWindowMessageA("Pelonix in-process test job");
    return message;
}

// On the dialog's thread: every message that a message loop takes from the
// queue passes here first, so a posted job runs in order with the rest.
LRESULT CALLBACK RunJobs(int code, WPARAM wParam, LPARAM lParam)
{
    auto* msg = reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && msg->message == JobMessage()) {
        std::unique_ptr<std::shared_ptr<Job>> box(reinterpret_cast<std::shared_ptr<Job>*>(msg->lParam));
        Job& job = **box;
        int pending = Job::Pending;
        if (job.state.compare_exchange_strong(pending, Job::Taken)) {
            job.fn();
            SetEvent(job.done);
        }
        msg->message = WM_NULL;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

void DialogTest::OnDialogThread(const std::function<void()>& fn)
{
    auto job = std::make_shared<Job>();
    job->fn = fn;
    auto box = std::make_unique<std::shared_ptr<Job>>(job);
    ASSERT_TRUE(PostMessageA(dialog, JobMessage(), 0, reinterpret_cast<LPARAM>(box.get())))
        << "posting a job to the dialog";
    box.release();
    if (WaitForSingleObject(job->done, static_cast<DWORD>(kDeadline.count())) == WAIT_OBJECT_0)
        return;
    int pending = Job::Pending;
    if (job->state.compare_exchange_strong(pending, Job::Abandoned)) {
        ADD_FAILURE() << "the dialog's thread did not take a posted job within the deadline";
        return;
    }
    // Taken just now: it refers to the caller's data, so let it finish.
    WaitForSingleObject(job->done, INFINITE);
}

HWND DialogTest::FindBox(const std::string& caption) const
{
    for (HWND window : ThreadWindows(dialogThread))
        if (window != dialog && IsWindowVisible(window) && ClassOf(window) == "#32770" && Text(window) == caption)
            return window;
    return nullptr;
}

HWND DialogTest::WaitForBox(const std::string& caption) const
{
    return WaitFor("a dialog box \"" + caption + "\"", [&] { return FindBox(caption); });
}

bool DialogTest::WaitGone(HWND window, const std::string& what) const
{
    return WaitFor(what + " to close", [&] { return !IsWindow(window); });
}

HWND DialogTest::Focus() const
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(dialogThread, &info) ? info.hwndFocus : nullptr;
}

std::vector<std::string> DialogTest::Fields() const
{
    std::vector<std::string> fields;
    for (int id = 1002; id <= 1011; ++id)
        fields.push_back(Text(Item(id)));
    fields.push_back(Text(Item(1013)));
    fields.push_back(Text(Item(1025)));
    return fields;
}

void DialogTest::CloseEverything()
{
    // Whatever is still open, innermost first: a message box, the About box,
    // the main dialog. WM_CLOSE ends each through its Cancel handling.
    const auto end = std::chrono::steady_clock::now() + 3 * kDeadline;
    while (m_modal && std::chrono::steady_clock::now() < end) {
        for (HWND window : ThreadWindows(dialogThread))
            if (IsWindowVisible(window) && IsWindowEnabled(window))
                PostMessageA(window, WM_CLOSE, 0, 0);
        Poll([&] { return !m_modal; }, 500ms);
    }
}

void DialogTest::Run(const std::function<void()>& drive)
{
    HHOOK jobs = SetWindowsHookExA(WH_GETMESSAGE, RunJobs, nullptr, dialogThread);
    ASSERT_TRUE(jobs) << "installing the job hook";
    HANDLE testerDone = CreateEventA(nullptr, TRUE, FALSE, nullptr);

    theApp.m_pMainWnd = &dlg;
    m_modal = true;
    std::thread tester([&] {
        dialog = WaitFor("the main dialog", [&] {
            for (HWND window : ThreadWindows(dialogThread))
                if (IsWindowVisible(window) && ClassOf(window) == "#32770" && Text(window) == "w")
                    return window;
            return HWND{};
        });
        if (dialog)
            drive();
        CloseEverything();
        SetEvent(testerDone);
    });
    result = dlg.DoModal();
    m_modal = false;
    theApp.m_pMainWnd = nullptr;

    // The tester has its own deadlines; one that does not end in time has
    // hung, and nothing can go on safely while it may touch this test.
    if (WaitForSingleObject(testerDone, static_cast<DWORD>(6 * kDeadline.count())) != WAIT_OBJECT_0) {
        std::fprintf(stderr, "the tester thread did not end after the dialog closed\n");
        std::fflush(nullptr);
        std::_Exit(EXIT_FAILURE);
    }
    tester.join();
    CloseHandle(testerDone);
    UnhookWindowsHookEx(jobs);
}
