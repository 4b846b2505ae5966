// CDialog: a modal dialog made from a dialog template of the program, with
// the standard OK and Cancel handling.
#pragma once

#include "Wnd.h"

class CDialog : public CWnd
{
public:
    // templateId names the template and the dialog's help context.
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);

    // Runs the dialog until it ends; returns what EndDialog was given, or -1
    // when the dialog could not be created.
    INT_PTR DoModal();
    void EndDialog(INT_PTR result);

    // The dialog object of a window made by DoModal, or nullptr.
    static CDialog* FromHandle(HWND window);

    const UINT m_nIDHelp;

protected:
    // After the controls exist, before the dialog is shown: fills the
    // controls from the fields. TRUE gives the focus to the first tab stop.
    virtual BOOL OnInitDialog();
    // "OK" ends the dialog only when the controls read back into the fields.
    virtual void OnOK();
    virtual void OnCancel();

    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK HelpKeyFilter(int code, WPARAM wParam, LPARAM lParam);
    void CenterWindow() const;

    CWnd* m_pParentWnd;
};
