// Rounding an amount to cents as the statement prints it.
#pragma once

#include <string>

namespace monit12 {

struct Cents
{
    bool negative = false; // only when the rounded value is not zero
    std::string integerDigits; // at least one digit, no leading zeros
    std::string decimals; // exactly two digits
    bool finite = true; // false for infinity and NaN: the digits are then empty
};

// Half away from zero, applied to the value's 18-significant-digit decimal form.
Cents roundToCents(long double value);

} // namespace monit12
