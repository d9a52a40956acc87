#include "data/data_fields.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace monit12 {

namespace {

// Far beyond any exponent long double can reach, yet no risk of overflowing the sum below.
constexpr long long kExponentCap = 1'000'000'000'000LL;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The digits of the number, separator removed, as an integer times a power of ten.
struct Decimal
{
    bool negative = false;
    std::string digits;
    long long exponent = 0;
};

std::optional<Decimal> scan(std::string_view text, char decimalSeparator)
{
    Decimal number;
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ')
        ++i;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        number.negative = text[i++] == '-';
    bool mantissa = false;
    while (i < n && isDigit(text[i])) {
        number.digits += text[i++];
        mantissa = true;
    }
    // '\0' stands for a separator that no byte of the file can hold.
    if (decimalSeparator != '\0' && i < n && text[i] == decimalSeparator) {
        ++i;
        mantissa = true;
        while (i < n && isDigit(text[i])) {
            number.digits += text[i++];
            --number.exponent;
        }
    }
    if (!mantissa)
        return std::nullopt;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            negativeExponent = text[i++] == '-';
        if (i == n || !isDigit(text[i]))
            return std::nullopt;
        long long exponent = 0;
        while (i < n && isDigit(text[i]))
            exponent = std::min(exponent * 10 + (text[i++] - '0'), kExponentCap);
        number.exponent += negativeExponent ? -exponent : exponent;
    }
    while (i < n && text[i] == ' ')
        ++i;
    if (i != n)
        return std::nullopt;
    return number;
}

} // namespace

std::optional<long double> parseNumber(std::string_view text, char decimalSeparator)
{
    std::optional<Decimal> number = scan(text, decimalSeparator);
    if (!number)
        return std::nullopt;
    const std::size_t firstSignificant = number->digits.find_first_not_of('0');
    if (firstSignificant == std::string::npos)
        return number->negative ? -0.0L : 0.0L;
    // Digits and a power of ten, no decimal point: the C library's reading of this text
    // is correctly rounded and the same under every locale.
    std::string canonical = number->negative ? "-" : "";
    canonical.append(number->digits, firstSignificant);
    canonical += 'e';
    canonical += std::to_string(number->exponent);
    const long double value = std::strtold(canonical.c_str(), nullptr);
    if (std::isinf(value))
        return std::nullopt;
    return value;
}

} // namespace monit12
