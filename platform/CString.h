// CString: an 8-bit text with value semantics, and loading it from the
// program's string table.
#pragma once

#include <windows.h>

#include <string>

class CString
{
public:
    CString() = default;
    CString(const char* text) : m_text(text ? text : "") {}
    CString(std::string text) : m_text(std::move(text)) {}

    // Loads string resource id of the program's own module, of any length.
    BOOL LoadString(UINT id);

    const char* c_str() const { return m_text.c_str(); }
    const std::string& str() const { return m_text; }
    bool IsEmpty() const { return m_text.empty(); }
    int GetLength() const { return static_cast<int>(m_text.size()); }

    friend bool operator==(const CString&, const CString&) = default;

private:
    std::string m_text;
};
