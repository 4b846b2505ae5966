// CAboutBox: the About box, opened from the main dialog's system menu.
#pragma once

#include "Dialog.h"

class CAboutBox : public CDialog
{
public:
    CAboutBox();
};
