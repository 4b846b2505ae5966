// CWnd: a window of ours, its data exchange and its share of the message
// handling: what a message map does not handle goes to Windows' default.
#pragma once

#include "Menu.h"
#include "MessageMap.h"

#include <windows.h>

#include <utility>
#include <vector>

class CDataExchange;

// A message map of a window class T.
template <class T>
using CMessageMap = MessageMapEntry<T, HCURSOR>;

class CWnd
{
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd() = default;

    // FALSE: fields to controls; TRUE: controls to fields, which on a bad
    // text shows why, leaves every field as it was and returns FALSE.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    CMenu GetSystemMenu(BOOL revert) const { return CMenu(::GetSystemMenu(m_hWnd, revert)); }
    HICON SetIcon(HICON icon, BOOL bigIcon) const
    {
        return reinterpret_cast<HICON>(SendMessage(WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL,
                                                   reinterpret_cast<LPARAM>(icon)));
    }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    void GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }
    // The child control with this identifier; each is looked up in Windows
    // once and then remembered.
    HWND GetDlgItem(int id) const;

    HWND m_hWnd = nullptr;

    // Runs one message through the window's handling; false sends it on to
    // Windows' default handling.
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

protected:
    virtual void DoDataExchange(CDataExchange*) {}

    // A class's message map look-up; a class that has a map overrides this,
    // tries its map and falls back on its base class.
    virtual bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // From inside a handler: the message goes on to the default handling.
    void Default() { m_wantsDefault = true; }

    void OnSysCommand(unsigned id, LPARAM lParam);
    void OnPaint();

private:
    bool m_wantsDefault = false;
    mutable std::vector<std::pair<int, HWND>> m_controls;  // identifier, control
};
