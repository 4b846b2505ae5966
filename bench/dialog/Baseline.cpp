// The yardstick for Pelonix.exe's speed: the same dialog template shown
// with a bare DialogBoxParam, doing only the work a press cannot do
// without. Each button runs its engine operation, and after every
// primitive step the fields whose text changed are written, as in
// Pelonix.exe, but to controls looked up once and from a copy of the texts
// shown instead of by reading the controls back; no framework, no message
// map, no data exchange.
#include <windows.h>

#include "MixedRadixPi.h"
#include "Operation.h"
#include "OperationButtons.h"
#include "TextConversion.h"
#include "resource.h"

#include <array>
#include <string>

namespace {

// The twelve fields: the ten digits, the value and the digits of pi.
constexpr std::array<int, 12> kFields = {IDC_DIGIT0,     IDC_DIGIT0 + 1, IDC_DIGIT0 + 2, IDC_DIGIT0 + 3,
                                         IDC_DIGIT0 + 4, IDC_DIGIT0 + 5, IDC_DIGIT0 + 6, IDC_DIGIT0 + 7,
                                         IDC_DIGIT0 + 8, IDC_DIGIT0 + 9, IDC_VALUE,      IDC_PI_DIGITS};

CMixedRadixPi* g_pi = nullptr;
std::array<HWND, 12> g_field = {};
std::array<std::string, 12> g_shown;  // what the twelve fields show

void Show(std::size_t field, std::string text)
{
    if (text == g_shown[field])
        return;
    SetWindowTextA(g_field[field], text.c_str());
    g_shown[field] = std::move(text);
}

void ShowFields()
{
    for (int k = 0; k < CMixedRadixPi::kShown; ++k)
        Show(static_cast<std::size_t>(k), FormatInt(g_pi->m_digit[k]));
    Show(10, FormatDouble(g_pi->m_value, 15));
    Show(11, g_pi->m_piDigits);
}

INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        for (std::size_t i = 0; i < kFields.size(); ++i)
            g_field[i] = GetDlgItem(window, kFields[i]);
        g_pi->InitWeights();
        ShowFields();
        return TRUE;
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED)
            return FALSE;
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(window, LOWORD(wParam));
            return TRUE;
        }
        for (std::size_t i = 0; i < kOperationButtons.size(); ++i) {
            if (kOperationButtons[i] == LOWORD(wParam)) {
                Operations()[i].apply(*g_pi);
                return TRUE;
            }
        }
        return FALSE;
    default:
        return FALSE;
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    CMixedRadixPi pi(ShowFields);
    g_pi = &pi;
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_PIDIGITS_DIALOG), nullptr, DialogProc, 0);
    return 0;
}
