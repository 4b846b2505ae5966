// CDataExchange and DDX_Text: binding member fields to a dialog's controls,
// in the store direction (fields to controls) or the load direction
// (controls to fields).
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class CWnd;

class CDataExchange
{
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate);

    // Load direction: reads control id's text; false if it cannot be read whole.
    bool ReadText(int id, std::string& text) const;
    // Store direction: sets control id's text, unless it already reads so.
    void WriteText(int id, const std::string& text) const;

    // Load direction: the field takes its new value only when every control
    // has been read and parsed, so a failure anywhere changes no field.
    void Defer(std::function<void()> assign) { m_assignments.push_back(std::move(assign)); }
    // Ends the exchange at control id: shows message, moves the focus to
    // the control and selects its text.
    void Fail(int id, const char* message);
    // Assigns the deferred values; returns false if the exchange failed.
    bool Finish();

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    bool m_bFailed = false;

private:
    std::vector<std::function<void()>> m_assignments;
};

// "%d": decimal 32-bit integers.
void DDX_Text(CDataExchange* pDX, int id, std::int32_t& value);
// "%.*g" with fifteen significant digits.
void DDX_Text(CDataExchange* pDX, int id, double& value);
// The text, unchanged.
void DDX_Text(CDataExchange* pDX, int id, std::string& value);
