// Test helper: runs pelonix-trace's command line in memory.
#pragma once

#include "CommandLine.h"

#include <sstream>
#include <string>
#include <vector>

struct TraceRun
{
    int status;
    std::string out;
    std::string err;
};

inline TraceRun RunTraceWith(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    const int status = RunTrace(args, out, err);
    return {status, out.str(), err.str()};
}
