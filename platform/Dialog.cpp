// The dialog procedure shared by every dialog of ours, modal running,
// centring, OK and Cancel, and the F1 key.
#include "Dialog.h"

#include "WinApp.h"

namespace {

// Messages whose result the dialog procedure returns itself; for all others
// the result goes through DWLP_MSGRESULT and the procedure returns TRUE.
bool ReturnsResultDirectly(UINT message)
{
    switch (message) {
    case WM_INITDIALOG:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
        return true;
    default:
        return false;
    }
}

RECT WorkAreaOf(HWND window)
{
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
    return info.rcWork;
}

// The dialog manager makes a push button the default one when Tab brings
// the focus to it, but not when a click does; Enter would then still press
// the old default button ("Done") instead of the one that has the focus. A
// clicked push button that keeps the focus is made the default here the same
// way, through WM_NEXTDLGCTL, which also gives the old one its plain look.
void MakeFocusedButtonDefault(HWND dialog, HWND control)
{
    if (control && control == GetFocus() && GetParent(control) == dialog &&
        (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON))
        SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

}  // namespace

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDHelp(templateId), m_pParentWnd(parent)
{
}

INT_PTR CDialog::DoModal()
{
    // With no parent the dialog belongs to the application's main window,
    // unless it is that window itself.
    HWND owner = nullptr;
    if (m_pParentWnd)
        owner = m_pParentWnd->m_hWnd;
    else if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd && app->m_pMainWnd != this)
        owner = app->m_pMainWnd->m_hWnd;

    // The dialog box's own message loop offers each message to this filter
    // first: that is where F1 becomes the Help command.
    HHOOK filter = SetWindowsHookExA(WH_MSGFILTER, HelpKeyFilter, nullptr, GetCurrentThreadId());
    const INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nIDHelp), owner,
                                           DialogProc, reinterpret_cast<LPARAM>(this));
    if (filter)
        UnhookWindowsHookEx(filter);
    return result;
}

void CDialog::EndDialog(INT_PTR result)
{
    ::EndDialog(m_hWnd, result);
}

CDialog* CDialog::FromHandle(HWND window)
{
    // Message boxes are dialogs too, with data of their own in DWLP_USER:
    // only a window run by our dialog procedure holds a CDialog there.
    if (!window || GetWindowLongPtrA(window, DWLP_DLGPROC) != reinterpret_cast<LONG_PTR>(DialogProc))
        return nullptr;
    return reinterpret_cast<CDialog*>(GetWindowLongPtrA(window, DWLP_USER));
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

bool CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
        case IDOK:
            OnOK();
            return true;
        case IDCANCEL:
            OnCancel();
            return true;
        }
    }
    // Commands that no dialog handles go on to the application.
    if (message == WM_COMMAND && lParam == 0)
        if (CWinApp* app = AfxGetApp())
            return app->OnCmdMsg(LOWORD(wParam), HIWORD(wParam));
    return CWnd::OnWndMsg(message, wParam, lParam, result);
}

void CDialog::CenterWindow() const
{
    // Over the owner when it is on the screen, else in the work area of the
    // dialog's monitor; either way kept inside that work area.
    HWND owner = GetWindow(m_hWnd, GW_OWNER);
    const bool overOwner = owner && IsWindowVisible(owner) && !::IsIconic(owner);
    const RECT work = WorkAreaOf(overOwner ? owner : m_hWnd);
    RECT around = work;
    if (overOwner)
        GetWindowRect(owner, &around);
    RECT self;
    GetWindowRect(m_hWnd, &self);
    const int width = self.right - self.left, height = self.bottom - self.top;
    int x = around.left + ((around.right - around.left) - width) / 2;
    int y = around.top + ((around.bottom - around.top) - height) / 2;
    if (x + width > work.right)
        x = work.right - width;
    if (x < work.left)
        x = work.left;
    if (y + height > work.bottom)
        y = work.bottom - height;
    if (y < work.top)
        y = work.top;
    SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK CDialog::HelpKeyFilter(int code, WPARAM wParam, LPARAM lParam)
{
    MSG* msg = reinterpret_cast<MSG*>(lParam);
    if (code == MSGF_DIALOGBOX && msg->message == WM_KEYDOWN && msg->wParam == VK_F1 &&
        GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0) {
        if (HWND dialog = GetAncestor(msg->hwnd, GA_ROOT); FromHandle(dialog)) {
            ::SendMessageA(dialog, WM_COMMAND, ID_HELP, 0);
            return TRUE;  // taken: the dialog box does not see the key
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CDialog* dialog = nullptr;
    if (message == WM_INITDIALOG) {
        dialog = reinterpret_cast<CDialog*>(lParam);
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        dialog->m_hWnd = window;
    } else {
        dialog = FromHandle(window);
    }
    if (!dialog)
        return FALSE;

    // Nothing may unwind into Windows' code: a handler that throws (only an
    // allocation can) is reported here and ends the dialog.
    try {
        if (message == WM_INITDIALOG) {
            dialog->CenterWindow();
            return dialog->OnInitDialog();
        }
        if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED)
            MakeFocusedButtonDefault(window, reinterpret_cast<HWND>(lParam));
        LRESULT result = 0;
        const bool handled = dialog->HandleMessage(message, wParam, lParam, result);
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrA(window, DWLP_USER, 0);
            dialog->m_hWnd = nullptr;
        }
        if (!handled)
            return FALSE;
        if (ReturnsResultDirectly(message))
            return result;
        SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
        return TRUE;
    } catch (...) {
        AfxMessageBox("Out of memory.", MB_OK | MB_ICONSTOP);
        ::EndDialog(window, -1);
        return TRUE;
    }
}
