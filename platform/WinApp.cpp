// The application object, help and message boxes.
#include "WinApp.h"

#include "Dialog.h"

namespace {

CWinApp* g_app = nullptr;

// path without the extension of its file name (a dot in a folder's name
// starts no extension).
std::string WithoutExtension(const std::string& path)
{
    const auto slash = path.find_last_of("\\/");
    const auto dot = path.rfind('.');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return hasExtension ? path.substr(0, dot) : path;
}

// The file name of path without folder and extension.
std::string TitleOf(const std::string& path)
{
    const std::string name = WithoutExtension(path);
    const auto slash = name.find_last_of("\\/");
    return slash == std::string::npos ? name : name.substr(slash + 1);
}

}  // namespace

CWinApp::CWinApp() : m_pszAppName(TitleOf(ModulePath()))
{
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

CWinApp* AfxGetApp()
{
    return g_app;
}

std::string CWinApp::ModulePath()
{
    // GetModuleFileName cuts the path to the buffer without saying so except
    // through the count: grow the buffer until the whole path fits.
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0)
            return {};
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

bool CWinApp::OnCmdMsg(unsigned, unsigned)
{
    return false;
}

std::string HelpFilePath(const std::string& path)
{
    return WithoutExtension(path) + ".HLP";
}

void CWinApp::OnHelp()
{
    HWND active = GetActiveWindow();
    const CDialog* dialog = CDialog::FromHandle(active);
    const DWORD context = 0x20000 + (dialog ? dialog->m_nIDHelp : 0);
    if (!WinHelpA(active, HelpFilePath(ModulePath()).c_str(), HELP_CONTEXT, context))
        AfxMessageBox("Failed to launch help.");
}

int AfxMessageBox(const char* text, UINT type)
{
    const CWinApp* app = AfxGetApp();
    return MessageBoxA(GetActiveWindow(), text, app ? app->m_pszAppName.c_str() : nullptr, type);
}
