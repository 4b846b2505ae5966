// Data exchange and the default side of message handling.
#include "Wnd.h"

#include "DataExchange.h"

BOOL CWnd::UpdateData(BOOL saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return dx.Finish() ? TRUE : FALSE;
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
