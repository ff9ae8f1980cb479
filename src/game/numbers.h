#pragma once

#include <string>
#include <string_view>

namespace pairon {

// Every count, score, face number and position code the game keeps is plain
// decimal text. Reading one back takes the longest leading decimal number;
// an empty text, or one that does not start with a number, reads 0.
double NumericValue(std::string_view text);

// The numeric value rounded to the nearest whole number, for values used as
// an index, a seat or a divisor.
int WholeValue(std::string_view text);

// Plain digits, no sign for non-negative values, no spaces, no leading zeros.
std::string DecimalText(long long value);

}  // namespace pairon
