#include "data/line_scan.h"

#include <algorithm>

namespace monit12 {

LineScan scanLine(std::string_view chunk, std::string &line)
{
    const std::size_t lf = chunk.find('\n');
    const std::string_view body = chunk.substr(0, lf);
    std::size_t start = 0;
    while (start < body.size()) {
        const std::size_t cr = std::min(body.find('\r', start), body.size());
        line.append(body.substr(start, cr - start));
        start = cr + 1;
    }
    if (lf == std::string_view::npos)
        return { chunk.size(), false };
    return { lf + 1, true };
}

} // namespace monit12
