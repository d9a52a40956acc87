// Splitting the data file's bytes into lines, one chunk at a time.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace monit12 {

struct LineScan
{
    std::size_t used = 0; // bytes of the chunk taken, the line feed included
    bool ended = false; // a line feed was found: the line is complete
};

// Appends the chunk's bytes up to its first line feed to `line`. A line ends at LF; every
// carriage return is left out, whether it precedes the LF or stands alone.
LineScan scanLine(std::string_view chunk, std::string &line);

} // namespace monit12
