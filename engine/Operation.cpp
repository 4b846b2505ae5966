// The table of operations and the look-up by name.
#include "Operation.h"

#include <array>

namespace {

template <int k>
void Reduce(CMixedRadixPi& pi) { pi.ReducePosition(k); }

const Operation kOperations[] = {
    {"init", "Initialize Pi", 0, [](CMixedRadixPi& pi) { pi.InitializePi(); }},
    {"reduce-1", "Reduce", 1, Reduce<1>},
    {"reduce-2", "Reduce", 2, Reduce<2>},
    {"reduce-3", "Reduce", 3, Reduce<3>},
    {"reduce-4", "Reduce", 4, Reduce<4>},
    {"reduce-5", "Reduce", 5, Reduce<5>},
    {"reduce-6", "Reduce", 6, Reduce<6>},
    {"reduce-7", "Reduce", 7, Reduce<7>},
    {"reduce-8", "Reduce", 8, Reduce<8>},
    {"reduce-9", "Reduce", 9, Reduce<9>},
    {"mul", "Multiply by 10", 0, [](CMixedRadixPi& pi) { pi.MultiplyByTen(); }},
    {"extract", "Extract Digits", 0, [](CMixedRadixPi& pi) { pi.ExtractDigits(); }},
    {"reduce-all", "Reduce All", 0, [](CMixedRadixPi& pi) { pi.ReduceAll(); }},
    {"one-more", "Compute One More Digit (Multiply, Reduce, Extract)", 0,
     [](CMixedRadixPi& pi) { pi.ComputeOneMoreDigit(); }},
    {"reduce-unseen", "Reduce Unseen Digits", 0, [](CMixedRadixPi& pi) { pi.ReduceUnseen(); }},
};

}  // namespace

std::span<const Operation> Operations()
{
    return kOperations;
}

const Operation* FindOperation(std::string_view name)
{
    for (const auto& op : kOperations)
        if (name == op.name)
            return &op;
    return nullptr;
}
