// The command line of pelonix-trace: its options, its help and its errors.
#pragma once

#include <ostream>
#include <string>
#include <vector>

// Writes the trace the arguments ask for to out and returns 0; or the help
// text, 0; or, for a bad argument, one line on err naming it and 2, with
// nothing written to out.
int RunTrace(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
