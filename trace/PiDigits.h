// The stored digits of pi that a trace's text is compared with: the dialog
// cannot tell where its digits stop being pi's.
#pragma once

#include <string_view>

// "31415926535897932384...", 1,100 digits, the point left out.
std::string_view PiDigits();

// How many of the digits at the start of text (as the dialog writes it:
// "3.14159...", the point not counted) are pi's.
int LeadingPiDigits(std::string_view text);
