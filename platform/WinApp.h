// CWinApp: the one application object, the program's entry into it, its
// command table, help, and message boxes with the application's title.
#pragma once

#include "Wnd.h"

#include <string>

// The Help command, which F1 issues in any dialog.
constexpr unsigned ID_HELP = 0xE146;

class CWinApp
{
public:
    // The title is the executable's file name without its extension.
    CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp();

    // The program's work; FALSE ends the program when it returns.
    virtual BOOL InitInstance() { return FALSE; }

    // Only older Windows draws dialog controls flat; from 4.0 on the
    // three-dimensional look is the system's own and there is nothing to do.
    BOOL Enable3dControlsStatic() { return TRUE; }

    // A command that no window handled; an application with a message map
    // of commands looks it up there. Returns false when nothing handled it.
    virtual bool OnCmdMsg(unsigned id, unsigned code);

    // Asks the help engine for the help file named like the executable, at
    // the active dialog's help context.
    void OnHelp();

    // Full path of the executable, of any length.
    static std::string ModulePath();

    const std::string m_pszAppName;
    CWnd* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();

// A message box over the active window, with the application's title.
int AfxMessageBox(const char* text, UINT type = MB_OK | MB_ICONEXCLAMATION);

// The program's help file: path with its extension replaced by ".HLP".
std::string HelpFilePath(const std::string& path);
