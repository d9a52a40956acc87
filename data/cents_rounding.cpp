#include "data/cents_rounding.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace monit12 {

namespace {

constexpr int kSignificantDigits = 18;

// Adds one unit in the last place of a string of decimal digits; may grow it by a digit.
void incrementDigits(std::string &digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

} // namespace

Cents roundToCents(long double value)
{
    Cents cents;
    if (!std::isfinite(value)) {
        cents.finite = false;
        cents.negative = std::signbit(value) && !std::isnan(value);
        return cents;
    }
    // "d.ddddddddddddddddde+x": exactly 18 significant digits, independent of the locale.
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, std::fabs(value),
        std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view form(text, std::size_t(result.ptr - text));
    const std::size_t e = form.find('e');
    std::string significand;
    significand += form[0];
    significand.append(form.substr(2, e - 2));
    const long pointAfter = std::strtol(std::string(form.substr(e + 1)).c_str(), nullptr, 10) + 1;

    // Fixed-point digits with at least three decimals: integer part, then the fraction.
    std::string integer;
    std::string fraction;
    if (pointAfter <= 0) {
        integer = "0";
        fraction = std::string(std::size_t(-pointAfter), '0') + significand;
    } else if (std::size_t(pointAfter) >= significand.size()) {
        integer = significand + std::string(std::size_t(pointAfter) - significand.size(), '0');
    } else {
        integer = significand.substr(0, std::size_t(pointAfter));
        fraction = significand.substr(std::size_t(pointAfter));
    }
    if (fraction.size() < 3)
        fraction.append(3 - fraction.size(), '0');

    std::string kept = integer + fraction.substr(0, 2);
    if (fraction[2] >= '5')
        incrementDigits(kept);
    cents.decimals = kept.substr(kept.size() - 2);
    cents.integerDigits = kept.substr(0, kept.size() - 2);
    const std::size_t firstNonZero = cents.integerDigits.find_first_not_of('0');
    cents.integerDigits.erase(0, std::min(firstNonZero, cents.integerDigits.size() - 1));
    cents.negative = std::signbit(value) && (cents.integerDigits != "0" || cents.decimals != "00");
    return cents;
}

} // namespace monit12
