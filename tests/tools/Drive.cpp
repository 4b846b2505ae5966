// Drives a running Pelonix dialog for screenshots: clicks the buttons whose
// identifiers it is given, in order, or opens the About box ("about").
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The main dialog: a dialog-class window captioned "w".
HWND FindDialog(DWORD deadlineMs)
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < deadlineMs) {
        if (HWND dialog = FindWindowA("#32770", "w"); dialog && IsWindowVisible(dialog))
            return dialog;
        Sleep(50);
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv)
{
    HWND dialog = FindDialog(60000);
    if (!dialog) {
        std::fprintf(stderr, "drive: the Pelonix dialog did not appear within 60 s\n");
        return 1;
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "about") == 0) {
            PostMessageA(dialog, WM_SYSCOMMAND, 0x0010, 0);
            continue;
        }
        HWND button = GetDlgItem(dialog, std::atoi(argv[i]));
        if (!button) {
            std::fprintf(stderr, "drive: no control %s\n", argv[i]);
            return 1;
        }
        SendMessageA(button, BM_CLICK, 0, 0);
    }
    return 0;
}
