// Reading and writing control texts for the data exchange.
#include "DataExchange.h"

#include "TextConversion.h"
#include "WinApp.h"
#include "Wnd.h"

#include <optional>

namespace {

// Reads a window's whole text: the length first, then the text; a read that
// comes back shorter than the length counts as a failure, never as a text.
bool ReadWindowText(HWND control, std::string& text)
{
    if (!control)
        return false;
    const int length = GetWindowTextLengthA(control);
    std::string buffer(static_cast<std::size_t>(length) + 1, '\0');
    const int read = GetWindowTextA(control, buffer.data(), length + 1);
    if (read < length)
        return false;
    buffer.resize(static_cast<std::size_t>(read));
    text = std::move(buffer);
    return true;
}

}  // namespace

CDataExchange::CDataExchange(CWnd* dialog, BOOL saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog)
{
}

bool CDataExchange::ReadText(int id, std::string& text) const
{
    return ReadWindowText(m_pDlgWnd->GetDlgItem(id), text);
}

void CDataExchange::WriteText(int id, const std::string& text) const
{
    // A control that already shows the text is left alone: no flicker and
    // no repaint for the fields that a step did not change.
    HWND control = m_pDlgWnd->GetDlgItem(id);
    std::string current;
    if (ReadWindowText(control, current) && current == text)
        return;
    SetWindowTextA(control, text.c_str());
}

void CDataExchange::Fail(int id, const char* message)
{
    m_bFailed = true;
    AfxMessageBox(message);
    // WM_NEXTDLGCTL rather than SetFocus keeps the default button right and
    // selects the text of an edit field.
    if (HWND control = m_pDlgWnd->GetDlgItem(id)) {
        m_pDlgWnd->SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
        ::SendMessageA(control, EM_SETSEL, 0, -1);
    }
}

bool CDataExchange::Finish()
{
    if (m_bFailed)
        return false;
    for (auto& assign : m_assignments)
        assign();
    m_assignments.clear();
    return true;
}

namespace {

// One parsed field: store writes format(value); load parses the text and
// defers the assignment, or fails with message at the first bad text.
template <class T, class Format, class Parse>
void ExchangeParsed(CDataExchange* pDX, int id, T& value, Format format, Parse parse, const char* message)
{
    if (pDX->m_bFailed)
        return;
    if (!pDX->m_bSaveAndValidate) {
        pDX->WriteText(id, format(value));
        return;
    }
    std::string text;
    const auto parsed = pDX->ReadText(id, text) ? parse(text) : std::nullopt;
    if (!parsed) {
        pDX->Fail(id, message);
        return;
    }
    pDX->Defer([&value, v = *parsed] { value = v; });
}

}  // namespace

void DDX_Text(CDataExchange* pDX, int id, std::int32_t& value)
{
    ExchangeParsed(pDX, id, value, FormatInt, ParseInt, "Please enter an integer.");
}

void DDX_Text(CDataExchange* pDX, int id, double& value)
{
    ExchangeParsed(
        pDX, id, value, [](double v) { return FormatDouble(v, 15); }, ParseDouble, "Please enter a number.");
}

void DDX_Text(CDataExchange* pDX, int id, std::string& value)
{
    // Any text is a valid text: only a read that comes back short fails.
    ExchangeParsed(
        pDX, id, value, [](const std::string& v) { return v; },
        [](const std::string& t) { return std::optional<std::string>(t); }, "The text could not be read.");
}
