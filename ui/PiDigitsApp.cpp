// The one application object and its start-up.
#include "PiDigitsApp.h"

#include "PiDigitsDlg.h"

CPiDigitsApp theApp;

const MessageMapEntry<CPiDigitsApp, HCURSOR> CPiDigitsApp::messageMap[] = {
    {WM_COMMAND, ID_HELP, 0, &CWinApp::OnHelp},
};

bool CPiDigitsApp::OnCmdMsg(unsigned id, unsigned code)
{
    LRESULT result = 0;
    return DispatchMessageMap(messageMap, *this, WM_COMMAND, MAKEWPARAM(id, code), 0, result) ||
           CWinApp::OnCmdMsg(id, code);
}

// Runs the main dialog modally; when it ends, so does the program.
BOOL CPiDigitsApp::InitInstance()
{
    Enable3dControlsStatic();
    CPiDigitsDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
