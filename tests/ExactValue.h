// Exact arithmetic for the tests: the weights of the fifty positions as
// integers over one common denominator, with Boost.Multiprecision.
#pragma once

#include "MixedRadixPi.h"

#include <boost/multiprecision/cpp_int.hpp>

#include <array>

using boost::multiprecision::cpp_int;

// w_k = 1/3 * 2/5 * ... * k/(2k+1). Over D = 3 * 5 * ... * 99 every weight is
// an integer: w_k * D = k! * (2k+3) * ... * 99.
struct ExactWeights
{
    cpp_int denominator = 1;
    std::array<cpp_int, CMixedRadixPi::kPositions> scaled;

    ExactWeights()
    {
        constexpr int n = CMixedRadixPi::kPositions;
        for (int k = 1; k < n; ++k)
            denominator *= 2 * k + 1;
        for (int k = 0; k < n; ++k) {
            cpp_int w = 1;
            for (int j = 1; j <= k; ++j)
                w *= j;
            for (int j = k + 1; j < n; ++j)
                w *= 2 * j + 1;
            scaled[static_cast<std::size_t>(k)] = w;
        }
    }

    // The exact value the fifty digits represent, times the denominator.
    cpp_int ScaledValue(const CMixedRadixPi& pi) const
    {
        cpp_int sum = 0;
        for (int k = 0; k < CMixedRadixPi::kPositions; ++k)
            sum += scaled[static_cast<std::size_t>(k)] * pi.Digit(k);
        return sum;
    }
};
