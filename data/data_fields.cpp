#include "data/data_fields.h"

#include "data/cp1252.h"
#include "data/data_error.h"
#include "data/kestravo_file.h"

namespace monit12 {

namespace {

constexpr std::size_t kAmountPosition = 10;
constexpr std::size_t kAmountLength = 14;
constexpr int kRevenueLinesAfterHeader = 18; // E2..E19
constexpr int kExpenditureLines = 19; // S1..S19

void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

std::string textField(std::string_view line, std::size_t position, std::size_t length)
{
    return decodeCp1252(trimControls(cutField(line, position, length)));
}

} // namespace

std::string_view cutField(std::string_view line, std::size_t position, std::size_t length)
{
    const std::size_t start = position > 0 ? position - 1 : 0;
    if (start >= line.size())
        return {};
    return line.substr(start, length);
}

std::string_view trimControls(std::string_view text)
{
    auto isControl = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!text.empty() && isControl(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isControl(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string decodeCp1252(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (char byte : bytes)
        appendUtf8(out, cp1252CodePoint(static_cast<unsigned char>(byte)));
    return out;
}

long double convertAmount(std::string_view line, std::size_t position, char decimalSeparator)
{
    const std::string_view field = cutField(line, position, kAmountLength);
    const std::optional<long double> cents = parseNumber(field, decimalSeparator);
    if (!cents)
        throw ConversionError(decodeCp1252(field));
    return *cents / 100.0L;
}

void takeHeaderName(std::string_view line, MonitoringData &data)
{
    data.NomeComune = textField(line, 25, 100);
}

void takeHeaderRest(std::string_view line, MonitoringData &data, char decimalSeparator)
{
    data.Importi[kRevenueBase] = convertAmount(line, kAmountPosition, decimalSeparator);
    data.Obiettivo = convertAmount(line, 133, decimalSeparator);
    data.DataDal = textField(line, 148, 10);
    data.DataAl = textField(line, 159, 10);
    data.Anno = decodeCp1252(cutField(line, 126, 4));
}

void readAmountLines(KestravoFile &file, MonitoringData &data, char decimalSeparator)
{
    for (int i = 1; i <= kRevenueLinesAfterHeader; ++i)
        data.Importi[kRevenueBase + i]
            = convertAmount(file.readLine(), kAmountPosition, decimalSeparator);
    std::string line;
    for (int i = 0; i < kExpenditureLines; ++i) {
        line = file.readLine();
        data.Importi[kExpenditureBase + i] = convertAmount(line, kAmountPosition, decimalSeparator);
    }
    data.RettificaNetta = convertAmount(line, kAmountPosition, decimalSeparator);
}

} // namespace monit12
