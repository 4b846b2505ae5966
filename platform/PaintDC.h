// CPaintDC: the device context of one WM_PAINT, from BeginPaint in its
// constructor to EndPaint in its destructor.
#pragma once

#include <windows.h>

class CWnd;

class CPaintDC
{
public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    BOOL DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon); }

    HDC m_hDC;
    PAINTSTRUCT m_ps;

private:
    HWND m_hWnd;
};
