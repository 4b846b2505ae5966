// CPiDigitsApp: the application, which runs the main dialog and ends.
#pragma once

#include "WinApp.h"

class CPiDigitsApp : public CWinApp
{
public:
    BOOL InitInstance() override;
    bool OnCmdMsg(unsigned id, unsigned code) override;

private:
    static const MessageMapEntry<CPiDigitsApp, HCURSOR> messageMap[];
};
