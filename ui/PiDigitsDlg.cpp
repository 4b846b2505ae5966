// The main dialog: its data exchange, start, painting while minimized, and
// one handler per button, each running one step of the engine.
#include "PiDigitsDlg.h"

#include "AboutBox.h"
#include "CString.h"
#include "DataExchange.h"
#include "PaintDC.h"
#include "resource.h"

CPiDigitsDlg::CPiDigitsDlg(CWnd* parent)
    : CDialog(IDD_PIDIGITS_DIALOG, parent),
      // After every primitive step the engine has the fields shown.
      m_pi([this] { UpdateData(FALSE); }),
      // An icon loaded from the program's own resources is shared and freed
      // with the module: it needs no DestroyIcon.
      m_hIcon(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME)))
{
}

void CPiDigitsDlg::DoDataExchange(CDataExchange* pDX)
{
    for (int k = 0; k < CMixedRadixPi::kShown; ++k)
        DDX_Text(pDX, IDC_DIGIT0 + k, m_pi.m_digit[k]);
    DDX_Text(pDX, IDC_VALUE, m_pi.m_value);
    DDX_Text(pDX, IDC_PI_DIGITS, m_pi.m_piDigits);
}

BOOL CPiDigitsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    // The About entry at the foot of the system menu.
    if (CMenu sysMenu = GetSystemMenu(FALSE); sysMenu) {
        CString about;
        about.LoadString(IDS_ABOUTBOX);
        if (!about.IsEmpty()) {
            sysMenu.AppendMenu(MF_SEPARATOR);
            sysMenu.AppendMenu(MF_STRING, IDM_ABOUTBOX, about.c_str());
        }
    }

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    m_pi.InitWeights();
    return TRUE;
}

const CMessageMap<CPiDigitsDlg> CPiDigitsDlg::messageMap[] = {
    {WM_SYSCOMMAND, 0, 0, &CPiDigitsDlg::OnSysCommand},
    {WM_PAINT, 0, 0, &CPiDigitsDlg::OnPaint},
    {WM_QUERYDRAGICON, 0, 0, &CPiDigitsDlg::OnQueryDragIcon},
    {WM_COMMAND, IDC_INITIALIZE_PI, BN_CLICKED, &CPiDigitsDlg::OnInitializePi},
    {WM_COMMAND, IDC_MULTIPLY, BN_CLICKED, &CPiDigitsDlg::OnMultiplyByTen},
    {WM_COMMAND, IDC_REDUCE1, BN_CLICKED, &CPiDigitsDlg::OnReduce1},
    {WM_COMMAND, IDC_REDUCE2, BN_CLICKED, &CPiDigitsDlg::OnReduce2},
    {WM_COMMAND, IDC_REDUCE3, BN_CLICKED, &CPiDigitsDlg::OnReduce3},
    {WM_COMMAND, IDC_REDUCE4, BN_CLICKED, &CPiDigitsDlg::OnReduce4},
    {WM_COMMAND, IDC_REDUCE5, BN_CLICKED, &CPiDigitsDlg::OnReduce5},
    {WM_COMMAND, IDC_REDUCE6, BN_CLICKED, &CPiDigitsDlg::OnReduce6},
    {WM_COMMAND, IDC_REDUCE7, BN_CLICKED, &CPiDigitsDlg::OnReduce7},
    {WM_COMMAND, IDC_REDUCE8, BN_CLICKED, &CPiDigitsDlg::OnReduce8},
    {WM_COMMAND, IDC_REDUCE9, BN_CLICKED, &CPiDigitsDlg::OnReduce9},
    {WM_COMMAND, IDC_EXTRACT, BN_CLICKED, &CPiDigitsDlg::OnExtractDigits},
    {WM_COMMAND, IDC_REDUCE_ALL, BN_CLICKED, &CPiDigitsDlg::OnReduceAll},
    {WM_COMMAND, IDC_ONE_MORE_DIGIT, BN_CLICKED, &CPiDigitsDlg::OnComputeOneMoreDigit},
    {WM_COMMAND, IDC_REDUCE_UNSEEN, BN_CLICKED, &CPiDigitsDlg::OnReduceUnseen},
};

bool CPiDigitsDlg::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    return DispatchMessageMap(messageMap, *this, message, wParam, lParam, result) ||
           CDialog::OnWndMsg(message, wParam, lParam, result);
}

// A system command: the About entry opens the About box (the system keeps
// the low four bits for itself); every other goes to the default handling.
void CPiDigitsDlg::OnSysCommand(unsigned id, LPARAM lParam)
{
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutBox about;
        about.DoModal();
    } else {
        CDialog::OnSysCommand(id, lParam);
    }
}

// While minimized the window shows the icon, centred in its client area.
void CPiDigitsDlg::OnPaint()
{
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.m_hDC), 0);
    const int cxIcon = GetSystemMetrics(SM_CXICON);
    const int cyIcon = GetSystemMetrics(SM_CYICON);
    RECT rect;
    GetClientRect(&rect);
    const int x = (rect.right - rect.left - cxIcon + 1) / 2;
    const int y = (rect.bottom - rect.top - cyIcon + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

// The cursor shown while the minimized window is dragged.
HCURSOR CPiDigitsDlg::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(m_hIcon);
}

void CPiDigitsDlg::OnInitializePi() { m_pi.InitializePi(); }
void CPiDigitsDlg::OnMultiplyByTen() { m_pi.MultiplyByTen(); }
void CPiDigitsDlg::OnReduce1() { m_pi.ReducePosition(1); }
void CPiDigitsDlg::OnReduce2() { m_pi.ReducePosition(2); }
void CPiDigitsDlg::OnReduce3() { m_pi.ReducePosition(3); }
void CPiDigitsDlg::OnReduce4() { m_pi.ReducePosition(4); }
void CPiDigitsDlg::OnReduce5() { m_pi.ReducePosition(5); }
void CPiDigitsDlg::OnReduce6() { m_pi.ReducePosition(6); }
void CPiDigitsDlg::OnReduce7() { m_pi.ReducePosition(7); }
void CPiDigitsDlg::OnReduce8() { m_pi.ReducePosition(8); }
void CPiDigitsDlg::OnReduce9() { m_pi.ReducePosition(9); }
void CPiDigitsDlg::OnExtractDigits() { m_pi.ExtractDigits(); }
void CPiDigitsDlg::OnReduceAll() { m_pi.ReduceAll(); }
void CPiDigitsDlg::OnComputeOneMoreDigit() { m_pi.ComputeOneMoreDigit(); }
void CPiDigitsDlg::OnReduceUnseen() { m_pi.ReduceUnseen(); }
