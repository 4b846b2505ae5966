// A trace: a walk of the dialog's operations run on the engine, written as a
// table with one row per primitive step or per operation.
#pragma once

#include "MixedRadixPi.h"
#include "Operation.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

enum class TraceFormat { Text, Csv, Markdown };

struct TraceRequest
{
    std::vector<const Operation*> walk;
    bool perPress = false;
    TraceFormat format = TraceFormat::Text;
};

// Initialize Pi, then presses of Compute One More Digit.
TraceRequest PressesRequest(int presses);

// The button of the primitive step the engine ran last (once it has run one).
const Operation& StepOperation(const CMixedRadixPi& pi);

// An operation as its button says it, with the position for a single Reduce:
// "Reduce 9".
std::string OperationLabel(const Operation& op);

// What the dialog cannot show about a state.
struct TraceStatus
{
    int digitsWritten = 0;
    int piDigits = 0;           // how many of those are pi's, from the start
    std::int32_t position0 = 0;
    bool digitWaiting = false;  // position 0 ends in 9: an extraction holds it
    std::vector<int> wrapped;   // positions that have left the 32-bit range
};

TraceStatus StatusOf(const CMixedRadixPi& pi);

// "2 4 6-9", or "" for none; ranges keep fifty wrapped positions short.
std::string PositionList(const std::vector<int>& positions, const char* separator);

void WriteTrace(const TraceRequest& request, std::ostream& out);
