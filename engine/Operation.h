// The fifteen operations a user can start, by short name, so that a walk
// through the dialog can be written down, replayed and compared.
#pragma once

#include "MixedRadixPi.h"

#include <span>
#include <string_view>

struct Operation
{
    const char* name;     // short name: init, mul, reduce-1 .. reduce-9, ...
    const char* caption;  // the text of its button
    int position;         // the position a single Reduce acts on, else 0
    void (*apply)(CMixedRadixPi&);
};

// In the order of the buttons' identifiers: init, reduce-1 .. reduce-9, mul,
// extract, reduce-all, one-more, reduce-unseen.
std::span<const Operation> Operations();

// The operation with this short name, or nullptr.
const Operation* FindOperation(std::string_view name);
