// CPiDigitsDlg: the main dialog, which shows the ten shown positions, the
// value represented and the digits of pi, with a button for every step.
#pragma once

#include "Dialog.h"
#include "MixedRadixPi.h"

class CPiDigitsDlg : public CDialog
{
public:
    explicit CPiDigitsDlg(CWnd* parent = nullptr);

    CMixedRadixPi m_pi;
    HICON m_hIcon;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    void OnSysCommand(unsigned id, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();

    void OnInitializePi();
    void OnMultiplyByTen();
    void OnReduce1();
    void OnReduce2();
    void OnReduce3();
    void OnReduce4();
    void OnReduce5();
    void OnReduce6();
    void OnReduce7();
    void OnReduce8();
    void OnReduce9();
    void OnExtractDigits();
    void OnReduceAll();
    void OnComputeOneMoreDigit();
    void OnReduceUnseen();

private:
    static const CMessageMap<CPiDigitsDlg> messageMap[];
};
