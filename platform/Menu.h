// CMenu: a handle to a menu that Windows owns, such as a window's system
// menu. It never destroys the menu, and it cannot be copied.
#pragma once

#include <windows.h>

class CMenu
{
public:
    explicit CMenu(HMENU menu) : m_hMenu(menu) {}
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    explicit operator bool() const { return m_hMenu != nullptr; }
    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, const char* text = nullptr)
    {
        return ::AppendMenuA(m_hMenu, flags, id, text);
    }

    HMENU m_hMenu;
};
