#include "data/separators.h"

#include "data/data_fields.h"

namespace monit12 {

char decimalSeparatorByte(const Separators &separators)
{
    for (int byte = 1; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        if (decodeCp1252(std::string_view(&c, 1)) == separators.decimal)
            return c;
    }
    return '\0';
}

} // namespace monit12
