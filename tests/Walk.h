// Test helper: runs a walk written as short operation names, such as
// "init one-more*15 mul", on an engine.
#pragma once

#include "MixedRadixPi.h"
#include "Operation.h"

#include <sstream>
#include <stdexcept>
#include <string>

inline void RunWalk(CMixedRadixPi& pi, const std::string& walk)
{
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
        for (int i = 0; i < times; ++i)
            op->apply(pi);
    }
}

// An engine as the dialog holds it after start-up: weights filled, no owner.
inline CMixedRadixPi StartedEngine()
{
    CMixedRadixPi pi;
    pi.InitWeights();
    return pi;
}
