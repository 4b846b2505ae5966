// Loading texts from the string table.
#include "CString.h"

BOOL CString::LoadString(UINT id)
{
    // With a buffer size of 0, LoadStringW hands out a pointer to the
    // resource itself and its length, so no buffer can cut the text short.
    // The table holds UTF-16; the program's texts are 8-bit ANSI.
    const wchar_t* resource = nullptr;
    const int length = LoadStringW(GetModuleHandleA(nullptr), id, reinterpret_cast<LPWSTR>(&resource), 0);
    if (length <= 0 || !resource) {
        m_text.clear();
        return FALSE;
    }
    const int bytes = WideCharToMultiByte(CP_ACP, 0, resource, length, nullptr, 0, nullptr, nullptr);
    m_text.assign(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, resource, length, m_text.data(), bytes, nullptr, nullptr);
    return TRUE;
}
