// The program's entry: the global application object already exists; its
// InitInstance does all the work, and the modal dialog inside it is the
// program's only message loop.
#include "WinApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    if (CWinApp* app = AfxGetApp())
        app->InitInstance();
    return 0;
}
