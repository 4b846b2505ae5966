// Test helper: a walk written as short operation names, such as
// "init one-more*15 mul", as its single operations, and run on an engine.
// An unknown name throws std::invalid_argument.
#pragma once

#include "MixedRadixPi.h"
#include "Operation.h"

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

inline std::vector<const Operation*> ParseWalk(const std::string& walk)
{
    std::vector<const Operation*> ops;
    std::istringstream in(walk);
    std::string step;
    while (in >> step) {
        int times = 1;
        if (auto star = step.find('*'); star != std::string::npos) {
            times = std::stoi(step.substr(star + 1));
            step.erase(star);
        }
        const Operation* op = FindOperation(step);
        if (!op)
            throw std::invalid_argument("unknown operation " + step);
        ops.insert(ops.end(), static_cast<std::size_t>(times), op);
    }
    return ops;
}

inline void RunWalk(CMixedRadixPi& pi, const std::string& walk)
{
    for (const Operation* op : ParseWalk(walk))
        op->apply(pi);
}

// An engine as the dialog holds it after start-up: weights filled, no owner.
inline CMixedRadixPi StartedEngine()
{
    CMixedRadixPi pi;
    pi.InitWeights();
    return pi;
}
