// Data file lines built field by field, so that a test names the fields it changes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace monit12::test {

// Writes `text` at `position` (counted from 1), widening the line with '#' as needed.
inline void put(std::string &line, std::size_t position, std::string_view text)
{
    if (line.size() < position - 1 + text.size())
        line.resize(position - 1 + text.size(), '#');
    line.replace(position - 1, text.size(), text);
}

// An amount field of 14 characters, right-aligned as the accounting system writes it.
inline std::string field14(std::string_view text)
{
    return std::string(text.size() < 14 ? 14 - text.size() : 0, ' ') + std::string(text);
}

struct Header
{
    std::string e1 = field14("123456789");
    std::string nomeComune = "COMUNE DI PROVA";
    std::string anno = "2012";
    std::string obiettivo = field14("100000");
    std::string dataDal = "01/01/2012";
    std::string dataAl = "31/12/2012";

    // 168 characters; the positions nobody reads hold '#'.
    std::string line() const
    {
        std::string text;
        put(text, 10, e1);
        put(text, 25, nomeComune + std::string(100 - nomeComune.size(), ' '));
        put(text, 126, anno);
        put(text, 133, obiettivo);
        put(text, 148, dataDal);
        put(text, 159, dataAl);
        return text;
    }
};

// A data line: a code in positions 1-9, the amount in 10-23, a description after it.
inline std::string amountLine(std::string_view amountField)
{
    std::string text = "RIGA     ";
    put(text, 10, amountField);
    return text + " descrizione della voce";
}

inline std::string joinLines(const std::vector<std::string> &lines, std::string_view end = "\r\n")
{
    std::string text;
    for (const std::string &line : lines)
        text += line + std::string(end);
    return text;
}

} // namespace monit12::test
