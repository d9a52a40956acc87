// The regional decimal and thousands separators, as UTF-8 text.
#pragma once

#include <string>

namespace monit12 {

struct Separators
{
    std::string decimal = ".";
    std::string thousands; // empty: no grouping
    bool operator==(const Separators &) const = default;
};

// The data file's single byte (code page 1252) for the decimal separator,
// or '\0' when the separator has no such byte (then no field can hold it).
char decimalSeparatorByte(const Separators &separators);

} // namespace monit12
