#include "data_file_generator.h"

#include <array>
#include <cmath>
#include <random>

namespace monit12::test {

namespace {

// Names as the accounting systems write them: upper case, accents in code page 1252.
const std::array<const char *, 40> kMunicipalities = {
    "CANT\xD9",
    "FORL\xCC",
    "SAN DON\xC0 DI PIAVE",
    "CITT\xC0 DI CASTELLO",
    "NARD\xD2",
    "PATERN\xD2",
    "SANT'ANTIOCO",
    "REGGIO NELL'EMILIA",
    "ASCOLI PICENO",
    "BORGO SAN LORENZO",
    "CASTELNUOVO DEL GARDA",
    "VIGEVANO",
    "LECCO",
    "SONDRIO",
    "ALGHERO",
    "ACIREALE",
    "MONTEBELLUNA",
    "FOLIGNO",
    "GUBBIO",
    "CERIGNOLA",
    "ROVERETO",
    "BRESSANONE",
    "AOSTA",
    "CHIAVARI",
    "SARZANA",
    "EMPOLI",
    "VOLTERRA",
    "TERMOLI",
    "AVEZZANO",
    "SULMONA",
    "MATERA",
    "MELFI",
    "CROTONE",
    "TROPEA",
    "MARSALA",
    "ERICE",
    "TEMPIO PAUSANIA",
    "SANT'AGATA DE' GOTI",
    "MOTTA SANT'ANASTASIA",
    "VALLE D'AOSTA",
};

class Random
{
public:
    explicit Random(std::uint32_t seed)
        : m_engine(seed)
    {
    }
    // Uniform in [low, high); computed from the engine's raw output, which the standard fixes.
    double uniform(double low, double high)
    {
        return low + (high - low) * (m_engine() / 4294967296.0);
    }
    bool chance(double p) { return uniform(0, 1) < p; }
    std::size_t index(std::size_t size) { return std::size_t(uniform(0, double(size))); }

private:
    std::mt19937 m_engine;
};

std::string leftJustified(const std::string &text, std::size_t width)
{
    std::string s = text.substr(0, width);
    s.resize(width, ' ');
    return s;
}

std::string amountField(long long cents, bool zeroPadded)
{
    std::string digits = std::to_string(cents < 0 ? -cents : cents);
    const std::string sign = cents < 0 ? "-" : "";
    if (zeroPadded)
        return sign + std::string(14 - sign.size() - digits.size(), '0') + digits;
    return std::string(14 - sign.size() - digits.size(), ' ') + sign + digits;
}

std::string slug(const std::string &name)
{
    std::string s;
    for (const char c : name)
        s += (c >= 'A' && c <= 'Z') ? c : '_';
    return s;
}

// Cents per inhabitant, drawn within a range of euros.
long long perCapita(Random &random, double population, double lowEuros, double highEuros)
{
    return std::llround(population * random.uniform(lowEuros, highEuros) * 100);
}

struct Figures
{
    std::array<long long, 20> E {}; // E[1]..E[19], cents
    std::array<long long, 20> S {};
    long long OB = 0;
};

Figures randomFigures(Random &random)
{
    Figures f;
    const double population = std::exp(random.uniform(std::log(300.0), std::log(250000.0)));
    f.E[1] = perCapita(random, population, 350, 750); // taxes
    f.E[2] = perCapita(random, population, 50, 250); // transfers
    f.E[3] = perCapita(random, population, 80, 300); // other current revenue
    for (int k = 4; k <= 10; ++k) // the deductions are mostly nil
        f.E[k] = random.chance(0.3) ? perCapita(random, population, 0, 15) : 0;
    f.E[11] = perCapita(random, population, 30, 400); // capital revenue
    for (int k = 12; k <= 18; ++k)
        f.E[k] = random.chance(0.25) ? perCapita(random, population, 0, 20) : 0;
    f.E[19] = random.chance(0.1) ? perCapita(random, population, 0, 5) : 0;
    const long long current = f.E[1] + f.E[2] + f.E[3];
    f.S[1] = std::llround(double(current) * random.uniform(0.85, 1.0));
    for (int k = 2; k <= 7; ++k)
        f.S[k] = random.chance(0.3) ? perCapita(random, population, 0, 10) : 0;
    f.S[8] = std::llround(double(f.E[11]) * random.uniform(0.6, 1.3));
    for (int k = 9; k <= 19; ++k)
        f.S[k] = random.chance(0.2) ? perCapita(random, population, 0, 15) : 0;
    f.OB = perCapita(random, population, -20, 80);
    // Now and then a correction entered as a negative amount.
    if (random.chance(0.05))
        f.E[3 + int(random.index(7))] *= -1;
    return f;
}

std::vector<std::string> dataLines(Random &random, const std::string &municipality)
{
    const Figures f = randomFigures(random);
    const bool zeroPadded = random.chance(0.2);
    const bool period = random.chance(0.9);
    std::vector<std::string> lines;
    lines.push_back("MON120001" + amountField(f.E[1], zeroPadded) + " "
        + leftJustified("COMUNE DI " + municipality, 100) + " 2012   "
        + amountField(f.OB, zeroPadded) + " "
        + (period ? "01/01/2012 31/12/2012" : std::string(21, ' ')));
    auto code = [](const char *prefix, int k) {
        const std::string n = std::to_string(k);
        return std::string(prefix) + std::string(6 - n.size(), '0') + n;
    };
    for (int k = 2; k <= 19; ++k)
        lines.push_back(code("ENT", k) + amountField(f.E[k], zeroPadded));
    for (int k = 1; k <= 19; ++k)
        lines.push_back(code("SPE", k) + amountField(f.S[k], zeroPadded));
    return lines;
}

// Spoils one of the lines in one of three ways; returns the error text the reader gives.
std::string spoil(Random &random, std::vector<std::string> &lines, int kind)
{
    const std::size_t line = 1 + random.index(lines.size() - 1); // an amount line
    std::string &text = lines[line];
    switch (kind % 3) {
    case 0: { // a letter O typed for a zero
        const std::size_t at = text.find_last_of("0123456789");
        text[at] = 'O';
        return "'" + text.substr(9, 14) + "' is not a valid floating point value.";
    }
    case 1: { // a tab between the digits
        const std::size_t first = text.find_first_of("0123456789", 9);
        const std::size_t last = text.find_last_of("0123456789");
        if (last - first < 2)
            text.replace(9, 14, "       1\t00000");
        else
            text[(first + last) / 2] = '\t';
        return "'" + text.substr(9, 14) + "' is not a valid floating point value.";
    }
    default: // cut short: the first missing line has an empty field
        lines.resize(line);
        return "'' is not a valid floating point value.";
    }
}

} // namespace

std::vector<GeneratedDataFile> generateDataFiles(int count, int badCount, std::uint32_t seed)
{
    Random random(seed);
    std::vector<GeneratedDataFile> files;
    int spoiled = 0;
    for (int i = 0; i < count; ++i) {
        const std::string municipality = kMunicipalities[random.index(kMunicipalities.size())];
        std::vector<std::string> lines = dataLines(random, municipality);
        GeneratedDataFile file;
        // Bad files spread evenly: the i-th is bad when it crosses the next multiple.
        if (badCount > 0 && (long long)(i + 1) * badCount / count > spoiled)
            file.expectedError = spoil(random, lines, spoiled++);
        const std::string number = std::to_string(i + 1);
        file.name = std::string(5 - std::min<std::size_t>(5, number.size()), '0') + number + "_"
            + slug(municipality) + (random.chance(0.15) ? ".txt" : ".TXT");
        const std::string end = random.chance(0.8) ? "\r\n" : "\n";
        for (const std::string &line : lines)
            file.bytes += line + end;
        files.push_back(std::move(file));
    }
    return files;
}

} // namespace monit12::test
