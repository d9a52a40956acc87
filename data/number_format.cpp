#include "data/number_format.h"

#include "data/cents_rounding.h"

#include <cmath>

namespace monit12 {

std::string formatAmount(long double value, const Separators &separators)
{
    if (std::isnan(value))
        return "NAN";
    const Cents cents = roundToCents(value);
    std::string out = cents.negative ? "-" : "";
    if (!cents.finite)
        return out + "INF";
    const std::string &digits = cents.integerDigits;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += separators.thousands;
        out += digits[i];
    }
    out += separators.decimal;
    out += cents.decimals;
    return out;
}

bool isPrintedNegative(long double value)
{
    return roundToCents(value).negative;
}

} // namespace monit12
