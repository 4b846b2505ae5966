// Runs the real main dialog modally on the test's thread, as the application
// does, while a tester thread drives it with window messages and reads back
// what it shows. Every wait polls with a deadline and names what it awaited;
// whatever the tester leaves open when it returns, even after a failed
// assertion, is closed so that the modal loop always ends.
#pragma once

#include "PiDigitsDlg.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace driver {

using namespace std::chrono_literals;

// How long one awaited change of the dialogs may take.
constexpr std::chrono::milliseconds kDeadline = 10s;

// Polls probe until it gives a truthy value or the deadline passes; returns
// the last value either way.
template <class Probe>
auto Poll(Probe probe, std::chrono::milliseconds deadline = kDeadline) -> decltype(probe())
{
    const auto end = std::chrono::steady_clock::now() + deadline;
    for (;;) {
        auto value = probe();
        if (value || std::chrono::steady_clock::now() >= end)
            return value;
        std::this_thread::sleep_for(5ms);
    }
}

// Poll, and a failure that names what was awaited when the deadline passes.
template <class Probe>
auto WaitFor(const std::string& what, Probe probe, std::chrono::milliseconds deadline = kDeadline)
    -> decltype(probe())
{
    auto value = Poll(probe, deadline);
    if (!value)
        ADD_FAILURE() << "timed out after " << deadline.count() << " ms waiting for " << what;
    return value;
}

// SendMessage with a deadline, so that a dialog thread that stopped
// answering fails the test instead of hanging it.
LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
void Post(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// A window's text through WM_GETTEXT, whatever its length.
std::string Text(HWND window);
void SetText(HWND window, const std::string& text);
std::string ClassOf(HWND window);

// Top-level windows of a thread, in Z order.
std::vector<HWND> ThreadWindows(DWORD thread);
// Child windows of a window, in creation order.
std::vector<HWND> Children(HWND parent);

// The window rectangle of a child in its parent's client coordinates.
RECT RectInParent(HWND child);

// The work area of the monitor that window is on.
RECT WorkAreaOf(HWND window);

// The icon that a dialog box shows in a static icon control, or nullptr.
HICON IconOf(HWND dialogBox);

}  // namespace driver

// A test of the main dialog: Run shows it and hands it to the tester.
class DialogTest : public ::testing::Test
{
protected:
    // Runs dlg modally on this thread while drive runs on a tester thread;
    // returns when both have ended. The result of DoModal is in result.
    void Run(const std::function<void()>& drive);

    // Tester side. Runs fn on the dialog's thread from within its current
    // message loop, after every message posted to the dialog before it, and
    // waits until fn has run.
    void OnDialogThread(const std::function<void()>& fn);
    // Waits until every message posted so far has been handled.
    void Drain() { OnDialogThread([] {}); }

    // A visible dialog window of the dialog's thread with this caption,
    // other than the main dialog; nullptr if none.
    HWND FindBox(const std::string& caption) const;
    HWND WaitForBox(const std::string& caption) const;
    // Waits until window is destroyed.
    bool WaitGone(HWND window, const std::string& what) const;

    // The window with the keyboard focus on the dialog's thread.
    HWND Focus() const;
    HWND Item(int id) const { return GetDlgItem(dialog, id); }

    // The twelve fields of the main dialog: ten digits, value and digits.
    std::vector<std::string> Fields() const;

    CPiDigitsDlg dlg;
    INT_PTR result = 0;
    HWND dialog = nullptr;  // the main dialog's window, once the tester found it
    DWORD dialogThread = GetCurrentThreadId();

private:
    void CloseEverything();
    std::atomic<bool> m_modal{false};
};
