// pelonix-trace: the engine's steps as a table; the options are in
// CommandLine.cpp.
#include "CommandLine.h"

#include <iostream>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv)
{
#ifdef _WIN32
    // "\n" stays one byte, so that the Windows build writes the same bytes as
    // the native one.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    return RunTrace(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
