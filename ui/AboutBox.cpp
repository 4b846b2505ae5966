// The About box has no fields and no handlers of its own: the dialog's
// standard handling covers "OK", Escape and the close box.
#include "AboutBox.h"

#include "resource.h"

CAboutBox::CAboutBox() : CDialog(IDD_ABOUTBOX)
{
}
