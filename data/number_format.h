// The amount format "#,##0.00" with the regional separators.
#pragma once

#include "data/separators.h"

#include <string>

namespace monit12 {

// Rounds half away from zero on the value's 18-significant-digit decimal form; groups the
// integer part by threes; never writes "-0,00".
std::string formatAmount(long double value, const Separators &separators);

// True when the value, rounded to cents as printed, is below zero.
bool isPrintedNegative(long double value);

} // namespace monit12
