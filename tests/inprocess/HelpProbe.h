// Watches the program's calls of the help engine: the test program's import
// of WinHelpA is redirected to a recorder that then calls the real one, so
// a test sees exactly what the layer asked for and the layer still sees the
// engine's real answer.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct HelpRequest
{
    HWND window;
    std::string file;
    UINT command;
    ULONG_PTR data;
};

class HelpProbe
{
public:
    HelpProbe();   // starts recording, with nothing recorded
    ~HelpProbe();  // the import points at the real function again
    HelpProbe(const HelpProbe&) = delete;
    HelpProbe& operator=(const HelpProbe&) = delete;

    // What was asked so far; safe from any thread.
    std::vector<HelpRequest> Requests() const;
};
