// A running Pelonix.exe seen from another process: starts it, finds its
// main dialog, presses buttons, reads control texts and the process's
// resource counters, and ends it. Every wait has a deadline, so a program
// that crashes or hangs makes the caller fail instead of waiting forever.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

// "/work/x/Pelonix.exe" as Wine sees it ("Z:\work\x\Pelonix.exe"); a path
// that is already a Windows path comes back unchanged.
std::string ToWindowsPath(const std::string& path);

// The figures a process can be asked for from outside. Wine 8 answers
// some of them with real numbers and some with zero; see Counters().
struct ProcessCounters
{
    DWORD handleCount = 0;   // GetProcessHandleCount
    DWORD handles = 0;       // the process's entries in the system's handle table
    DWORD gdiObjects = 0;    // GetGuiResources(GR_GDIOBJECTS)
    DWORD userObjects = 0;   // GetGuiResources(GR_USEROBJECTS)
    int windows = 0;         // the process's windows, top-level and child
    std::uint64_t workingSet = 0;      // GetProcessMemoryInfo
    std::uint64_t peakWorkingSet = 0;
    std::uint64_t privateBytes = 0;    // PagefileUsage: under Wine the anonymous resident memory
};

class PelonixProcess
{
public:
    // Milliseconds a single message may take before the program counts as
    // hung. A press takes milliseconds; this allows for a loaded machine.
    static constexpr DWORD kMessageDeadlineMs = 20000;

    // Starts the program in workDir (empty: the caller's) and waits until
    // its main dialog is visible with its fields filled. Error() says why
    // when that did not happen.
    explicit PelonixProcess(const std::string& exe, const std::string& workDir = {},
                            DWORD startDeadlineMs = 60000);
    ~PelonixProcess();  // a program still running is terminated
    PelonixProcess(const PelonixProcess&) = delete;
    PelonixProcess& operator=(const PelonixProcess&) = delete;

    bool Started() const { return m_dialog != nullptr; }
    const std::string& Error() const { return m_error; }
    HWND Dialog() const { return m_dialog; }
    HANDLE Process() const { return m_process.hProcess; }

    // BM_CLICK, sent: returns once the program has handled the press, or
    // false (with Error()) if the button is missing or the program did not
    // answer within the deadline.
    bool Press(int id);
    // BM_CLICK, posted: for a button whose press ends or blocks the dialog.
    bool PostPress(int id);
    bool PostPress(HWND window, int id);

    // A control's whole text through WM_GETTEXT, which works across
    // processes; nothing if the program did not answer.
    std::optional<std::string> Text(int id);
    std::optional<std::string> Text(HWND window);

    // A visible dialog of this process other than the main dialog (an
    // About box, a message box), waited for up to deadlineMs.
    HWND WaitForOtherDialog(DWORD deadlineMs);
    // Waits until window is gone.
    bool WaitForWindowGone(HWND window, DWORD deadlineMs);

    // The exit status once the process has ended within deadlineMs.
    std::optional<DWORD> WaitForExit(DWORD deadlineMs);

    ProcessCounters Counters() const;

private:
    std::optional<LRESULT> Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Fail(const std::string& what);
    // True, with Error() saying why, once the program can no longer answer:
    // it has ended, or it has crashed and a debugger holds it (Wine's crash
    // dialog, where the prefix shows one).
    bool Lost();
    // True, with Error() saying so, while a debugger holds the crashed program.
    bool HeldByDebugger();

    PROCESS_INFORMATION m_process = {};
    HWND m_dialog = nullptr;
    std::string m_error;
};
