// Starting, driving and observing Pelonix.exe from another process.
#include "PelonixProcess.h"

#include <psapi.h>
#include <winternl.h>

#include <algorithm>
#include <vector>

namespace {

constexpr DWORD kPollMs = 10;

struct WindowSearch
{
    DWORD processId;
    HWND except;
    HWND found;
};

bool IsDialogClass(HWND window)
{
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    return std::string(name) == "#32770";
}

// A visible dialog-class top-level window of the process, other than except.
BOOL CALLBACK FindDialogOf(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && window != search->except && IsWindowVisible(window) &&
        IsDialogClass(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindDialog(DWORD processId, HWND except)
{
    WindowSearch search = {processId, except, nullptr};
    EnumWindows(FindDialogOf, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct WindowCount
{
    DWORD processId;
    int count;
};

BOOL CALLBACK CountChild(HWND, LPARAM param)
{
    ++reinterpret_cast<WindowCount*>(param)->count;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM param)
{
    auto* count = reinterpret_cast<WindowCount*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == count->processId) {
        ++count->count;
        EnumChildWindows(window, CountChild, param);
    }
    return TRUE;
}

// The handles the process holds, counted in the system's handle table
// (NtQuerySystemInformation), which Wine keeps in its server and answers
// for every process.
DWORD HandlesInSystemTable(DWORD processId)
{
    constexpr NTSTATUS kLengthMismatch = static_cast<NTSTATUS>(0xC0000004L);
    std::vector<unsigned char> buffer(1 << 16);
    for (;;) {
        ULONG needed = 0;
        const NTSTATUS status = NtQuerySystemInformation(SystemHandleInformation, buffer.data(),
                                                         static_cast<ULONG>(buffer.size()), &needed);
        if (status == kLengthMismatch) {
            buffer.resize(std::max<std::size_t>(needed + 4096, buffer.size() * 2));
            continue;
        }
        if (status < 0)
            return 0;
        break;
    }
    const auto* info = reinterpret_cast<const SYSTEM_HANDLE_INFORMATION*>(buffer.data());
    const SYSTEM_HANDLE_ENTRY* entries = info->Handle;
    DWORD count = 0;
    for (ULONG i = 0; i < info->Count; ++i)
        if (entries[i].OwnerPid == processId)
            ++count;
    return count;
}

bool Elapsed(ULONGLONG start, DWORD deadlineMs)
{
    return GetTickCount64() - start >= deadlineMs;
}

}  // namespace

std::string ToWindowsPath(const std::string& path)
{
    if (path.empty() || path[0] != '/')
        return path;
    std::string windows = "Z:" + path;
    for (char& c : windows)
        if (c == '/')
            c = '\\';
    return windows;
}

PelonixProcess::PelonixProcess(const std::string& exe, const std::string& workDir, DWORD startDeadlineMs)
{
    std::string commandLine = "\"" + ToWindowsPath(exe) + "\"";
    const std::string dir = ToWindowsPath(workDir);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        dir.empty() ? nullptr : dir.c_str(), &startup, &m_process)) {
        Fail("could not start " + commandLine + " (error " + std::to_string(GetLastError()) + ")");
        return;
    }
    // The dialog is shown after WM_INITDIALOG has filled its fields; the
    // first digit field reading "0" confirms that they are filled.
    const ULONGLONG start = GetTickCount64();
    HWND dialog = nullptr;
    while (!Elapsed(start, startDeadlineMs)) {
        if (Lost())
            return;
        if (!dialog)
            dialog = FindDialog(m_process.dwProcessId, nullptr);
        if (dialog) {
            char text[8] = {};
            DWORD_PTR copied = 0;
            if (SendMessageTimeoutA(GetDlgItem(dialog, 1002), WM_GETTEXT, sizeof text,
                                    reinterpret_cast<LPARAM>(text), SMTO_NORMAL, kMessageDeadlineMs,
                                    &copied) &&
                std::string(text) == "0") {
                m_dialog = dialog;
                return;
            }
        }
        Sleep(kPollMs);
    }
    Fail("the dialog with its fields filled did not appear within " + std::to_string(startDeadlineMs) +
         " ms");
}

PelonixProcess::~PelonixProcess()
{
    if (!m_process.hProcess)
        return;
    if (WaitForSingleObject(m_process.hProcess, 0) != WAIT_OBJECT_0) {
        TerminateProcess(m_process.hProcess, 99);
        WaitForSingleObject(m_process.hProcess, 10000);
    }
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

void PelonixProcess::Fail(const std::string& what)
{
    if (m_error.empty())
        m_error = what;
}

std::optional<LRESULT> PelonixProcess::Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    if (!window) {
        Fail("no such window");
        return std::nullopt;
    }
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kMessageDeadlineMs, &result)) {
        const DWORD error = GetLastError();
        if (!Lost())
            Fail("message " + std::to_string(message) + " not answered within " +
                 std::to_string(kMessageDeadlineMs) + " ms (error " + std::to_string(error) + ")");
        return std::nullopt;
    }
    return static_cast<LRESULT>(result);
}

bool PelonixProcess::Press(int id)
{
    HWND button = GetDlgItem(m_dialog, id);
    if (!button) {
        Fail("no control " + std::to_string(id));
        return false;
    }
    return Send(button, BM_CLICK, 0, 0).has_value();
}

bool PelonixProcess::PostPress(int id)
{
    return PostPress(m_dialog, id);
}

bool PelonixProcess::PostPress(HWND window, int id)
{
    HWND button = GetDlgItem(window, id);
    if (!button || !PostMessageA(button, BM_CLICK, 0, 0)) {
        Fail("could not post a press of control " + std::to_string(id));
        return false;
    }
    return true;
}

std::optional<std::string> PelonixProcess::Text(int id)
{
    HWND control = GetDlgItem(m_dialog, id);
    if (!control) {
        Fail("no control " + std::to_string(id));
        return std::nullopt;
    }
    return Text(control);
}

std::optional<std::string> PelonixProcess::Text(HWND window)
{
    const auto length = Send(window, WM_GETTEXTLENGTH, 0, 0);
    if (!length)
        return std::nullopt;
    std::vector<char> buffer(static_cast<std::size_t>(*length) + 1, '\0');
    const auto copied = Send(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    if (!copied)
        return std::nullopt;
    return std::string(buffer.data(), static_cast<std::size_t>(*copied));
}

bool PelonixProcess::HeldByDebugger()
{
    BOOL debugged = FALSE;
    if (!CheckRemoteDebuggerPresent(m_process.hProcess, &debugged) || !debugged)
        return false;
    Fail("the program has crashed: a debugger holds it");
    return true;
}

bool PelonixProcess::Lost()
{
    if (WaitForSingleObject(m_process.hProcess, 0) != WAIT_OBJECT_0)
        return HeldByDebugger();
    DWORD code = 0;
    GetExitCodeProcess(m_process.hProcess, &code);
    Fail("the program ended, status " + std::to_string(code));
    return true;
}

HWND PelonixProcess::WaitForOtherDialog(DWORD deadlineMs)
{
    const ULONGLONG start = GetTickCount64();
    do {
        if (Lost())
            return nullptr;
        if (HWND other = FindDialog(m_process.dwProcessId, m_dialog))
            return other;
        Sleep(kPollMs);
    } while (!Elapsed(start, deadlineMs));
    Fail("no second dialog appeared within " + std::to_string(deadlineMs) + " ms");
    return nullptr;
}

bool PelonixProcess::WaitForWindowGone(HWND window, DWORD deadlineMs)
{
    const ULONGLONG start = GetTickCount64();
    do {
        if (!IsWindow(window))
            return true;
        if (Lost())
            return false;
        Sleep(kPollMs);
    } while (!Elapsed(start, deadlineMs));
    Fail("a window was still open after " + std::to_string(deadlineMs) + " ms");
    return false;
}

std::optional<DWORD> PelonixProcess::WaitForExit(DWORD deadlineMs)
{
    // Ending is what is waited for here, so only a crash counts as lost:
    // the process may end at any moment between two checks.
    const ULONGLONG start = GetTickCount64();
    while (WaitForSingleObject(m_process.hProcess, kPollMs) != WAIT_OBJECT_0) {
        if (HeldByDebugger())
            return std::nullopt;
        if (Elapsed(start, deadlineMs)) {
            Fail("the program did not end within " + std::to_string(deadlineMs) + " ms");
            return std::nullopt;
        }
    }
    DWORD code = 0;
    GetExitCodeProcess(m_process.hProcess, &code);
    return code;
}

ProcessCounters PelonixProcess::Counters() const
{
    ProcessCounters c;
    GetProcessHandleCount(m_process.hProcess, &c.handleCount);
    c.handles = HandlesInSystemTable(m_process.dwProcessId);
    c.gdiObjects = GetGuiResources(m_process.hProcess, GR_GDIOBJECTS);
    c.userObjects = GetGuiResources(m_process.hProcess, GR_USEROBJECTS);
    WindowCount count = {m_process.dwProcessId, 0};
    EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&count));
    c.windows = count.count;
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(m_process.hProcess, &memory, sizeof memory)) {
        c.workingSet = memory.WorkingSetSize;
        c.peakWorkingSet = memory.PeakWorkingSetSize;
        c.privateBytes = memory.PagefileUsage;
    }
    return c;
}
