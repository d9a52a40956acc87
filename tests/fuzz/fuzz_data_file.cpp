// Feeds arbitrary bytes to the data file reader, the line splitting and the number grammar.
// Oracles: nothing crashes or reads out of bounds, the file reader and the in-memory
// splitting agree with a plain reference split, and the grammar does not depend on which
// byte is the decimal separator.
#include "data/data_error.h"
#include "data/data_fields.h"
#include "data/kestravo_file.h"
#include "data/line_scan.h"
#include "data/number_format.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace monit12;

constexpr std::size_t kLinesCompared = 40; // the 38 read lines and two past the end

// A line ends at LF and has no CR in it, wherever the CR stood.
std::vector<std::string> referenceLines(std::string_view bytes)
{
    std::vector<std::string> lines(1);
    for (char c : bytes) {
        if (c == '\n')
            lines.emplace_back();
        else if (c != '\r')
            lines.back() += c;
    }
    return lines;
}

std::string referenceLine(const std::vector<std::string> &lines, std::size_t i)
{
    return i < lines.size() ? lines[i] : std::string();
}

// Splits from memory in chunks of a size the input chooses, as the file reader does with reads.
void checkChunkedSplitting(
    std::string_view bytes, std::size_t chunk, const std::vector<std::string> &expected)
{
    std::string line;
    std::size_t index = 0;
    for (std::size_t at = 0; at < bytes.size();) {
        const LineScan scan = scanLine(bytes.substr(at, std::min(chunk, bytes.size() - at)), line);
        if (scan.used == 0)
            std::abort();
        at += scan.used;
        if (scan.ended) {
            if (line != referenceLine(expected, index++))
                std::abort();
            line.clear();
        }
    }
    if (line != referenceLine(expected, index))
        std::abort();
}

void checkNumber(std::string_view text)
{
    const std::optional<long double> point = parseNumber(text, '.');
    const std::optional<long double> comma = parseNumber(text, ',');
    for (const auto &value : { point, comma }) {
        if (value && !std::isfinite(*value))
            std::abort();
        if (value) {
            const std::string printed = formatAmount(*value / 100.0L, { ",", "." });
            if ((printed.front() == '-') != isPrintedNegative(*value / 100.0L))
                std::abort();
        }
    }
    // Swapping the roles of '.' and ',' must give the same number.
    if (text.find(',') == std::string_view::npos) {
        std::string swapped(text);
        for (char &c : swapped)
            if (c == '.')
                c = ',';
        const std::optional<long double> again = parseNumber(swapped, ',');
        if (point.has_value() != again.has_value() || (point && *point != *again))
            std::abort();
    }
}

void readWholeFile(const std::string &path, char decimalSeparator)
{
    MonitoringData data;
    try {
        KestravoFile file(path);
        const std::string header = file.readLine();
        takeHeaderName(header, data);
        takeHeaderRest(header, data, decimalSeparator);
        readAmountLines(file, data, decimalSeparator);
        file.close();
        if (data.RettificaNetta != data.S(19))
            std::abort();
    } catch (const DataFileError &) {
    }
}

const std::string &tempPath()
{
    static const std::string path = "/tmp/fuzz_data_file_" + std::to_string(::getpid()) + ".txt";
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const std::vector<std::string> expected = referenceLines(bytes);

    checkChunkedSplitting(bytes, size > 0 ? 1 + data[0] % 17 : 1, expected);
    checkChunkedSplitting(bytes, bytes.size() + 1, expected);

    std::FILE *out = std::fopen(tempPath().c_str(), "wb");
    if (!out)
        return 0;
    std::fwrite(data, 1, size, out);
    std::fclose(out);

    {
        KestravoFile file(tempPath());
        for (std::size_t i = 0; i < kLinesCompared; ++i)
            if (file.readLine() != referenceLine(expected, i))
                std::abort();
    }
    readWholeFile(tempPath(), ',');
    readWholeFile(tempPath(), '.');
    std::remove(tempPath().c_str());

    for (std::size_t i = 0; i < std::min(expected.size(), kLinesCompared); ++i) {
        checkNumber(cutField(expected[i], 10, 14));
        checkNumber(std::string_view(expected[i]).substr(0, 64));
    }
    return 0;
}
