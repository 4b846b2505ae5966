// Data exchange and the default side of message handling.
#include "Wnd.h"

#include "DataExchange.h"

BOOL CWnd::UpdateData(BOOL saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return dx.Finish() ? TRUE : FALSE;
}

HWND CWnd::GetDlgItem(int id) const
{
    // Windows finds a control by walking the window's children, which under
    // Wine is a round trip to its server every time, and the data exchange
    // looks up all twelve fields after every step. A control lives as long
    // as its dialog, so a remembered one serves while it is still a child
    // of this window; after that (a new window of the same object) it is
    // looked up again.
    auto known = m_controls.begin();
    while (known != m_controls.end() && known->first != id)
        ++known;
    if (known != m_controls.end() && IsWindow(known->second) && ::GetParent(known->second) == m_hWnd)
        return known->second;
    HWND control = ::GetDlgItem(m_hWnd, id);
    if (known != m_controls.end())
        known->second = control;
    else if (control)
        m_controls.emplace_back(id, control);
    return control;
}

bool CWnd::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    // Handlers may nest (a handler that sends a message), so each message
    // keeps its own request for the default handling.
    const bool outer = m_wantsDefault;
    m_wantsDefault = false;
    const bool handled = OnWndMsg(message, wParam, lParam, result) && !m_wantsDefault;
    m_wantsDefault = outer;
    return handled;
}

bool CWnd::OnWndMsg(UINT, WPARAM, LPARAM, LRESULT&)
{
    return false;
}

void CWnd::OnSysCommand(unsigned, LPARAM)
{
    Default();
}

void CWnd::OnPaint()
{
    Default();
}
