// Test helper: the main dialog's button for each operation.
#pragma once

#include "Operation.h"
#include "resource.h"

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

// In the order of the operations table.
inline constexpr std::array<int, 15> kOperationButtons = {
    IDC_INITIALIZE_PI, IDC_REDUCE1, IDC_REDUCE2, IDC_REDUCE3,    IDC_REDUCE4,        IDC_REDUCE5,
    IDC_REDUCE6,       IDC_REDUCE7, IDC_REDUCE8, IDC_REDUCE9,    IDC_MULTIPLY,       IDC_EXTRACT,
    IDC_REDUCE_ALL,    IDC_ONE_MORE_DIGIT,        IDC_REDUCE_UNSEEN,
};

// Where op stands in the operations table.
inline std::size_t OperationIndex(const Operation& op)
{
    return static_cast<std::size_t>(&op - Operations().data());
}

inline int ButtonOf(const Operation& op)
{
    return kOperationButtons[OperationIndex(op)];
}

// The button of the operation with this short name.
inline int ButtonOf(std::string_view name)
{
    const Operation* op = FindOperation(name);
    if (!op)
        throw std::invalid_argument("no operation " + std::string(name));
    return ButtonOf(*op);
}
