// Realistic random data files for batch tests and benchmarks: municipalities of every size,
// accented names in code page 1252, CR LF or LF line ends, and on request malformed files
// whose error text is known in advance.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace monit12::test {

struct GeneratedDataFile
{
    std::string name; // "00042_FORLI.TXT"; the number keeps name order = generation order
    std::string bytes; // the file's contents, code page 1252
    std::string expectedError; // UTF-8, the error box's text; empty for a well-formed file
};

// `badCount` of the `count` files, spread evenly, are malformed. The same seed gives the same
// files on every run.
std::vector<GeneratedDataFile> generateDataFiles(int count, int badCount, std::uint32_t seed);

} // namespace monit12::test
