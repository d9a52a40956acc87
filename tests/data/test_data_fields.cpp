#include "data/data_error.h"
#include "data/data_fields.h"
#include "data/kestravo_file.h"

#include "data_file_text.h"
#include "temp_dir.h"

#include "table_rows.h"

#include <gtest/gtest.h>

#include <iconv.h>

namespace monit12 {
namespace {

using test::PrintTo;

using namespace std::string_literals;
using test::amountLine;
using test::field14;
using test::Header;
using test::joinLines;
using test::TempDir;

struct CutCase
{
    const char *name;
    std::string line;
    std::size_t position;
    std::size_t length;
    std::string field;
};

class CutField : public testing::TestWithParam<CutCase>
{
};

TEST_P(CutField, ByPositionCountedFromOne)
{
    const CutCase &c = GetParam();
    EXPECT_EQ(cutField(c.line, c.position, c.length), c.field);
}

INSTANTIATE_TEST_SUITE_P(Lines, CutField,
    testing::Values(CutCase { "Inside", "123456789ABCDEFGHIJKLMNOPQ", 10, 14, "ABCDEFGHIJKLMN" },
        CutCase { "FirstPosition", "abc", 1, 2, "ab" },
        CutCase { "ShortLineGivesWhatRemains", "123456789ABC", 10, 14, "ABC" },
        CutCase { "LineEndsJustBefore", "123456789", 10, 14, "" },
        CutCase { "EmptyLine", "", 10, 14, "" }),
    test::rowName<CutCase>);

struct TrimCase
{
    const char *name;
    std::string text;
    std::string trimmed;
};

class TrimControls : public testing::TestWithParam<TrimCase>
{
};

TEST_P(TrimControls, RemovesCodes32AndBelowAtBothEnds)
{
    EXPECT_EQ(trimControls(GetParam().text), GetParam().trimmed);
}

INSTANTIATE_TEST_SUITE_P(Texts, TrimControls,
    testing::Values(TrimCase { "Blanks", "  Roma  ", "Roma" },
        TrimCase { "TabsNulAndControls", "\t\0\x1f Roma\x01\0"s, "Roma" },
        TrimCase { "InnerBlanksKept", " San  Donà ", "San  Donà" },
        TrimCase { "DeleteIsNotAControlHere", "\x7fRoma\x7f", "\x7fRoma\x7f" },
        // 0xA0 is the code page's no-break space: above 32, so it stays.
        TrimCase { "NoBreakSpaceKept", "\xa0Roma\xa0", "\xa0Roma\xa0" },
        TrimCase { "OnlyBlanks", std::string(100, ' '), "" }),
    test::rowName<TrimCase>);

// glibc's converter is the reference for every byte the code page defines.
std::string iconvCp1252(char byte)
{
    iconv_t cd = iconv_open("UTF-8", "CP1252");
    char in[1] = { byte };
    char out[8] = {};
    char *inPtr = in;
    char *outPtr = out;
    std::size_t inLeft = 1;
    std::size_t outLeft = sizeof out;
    const std::size_t done = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (done == std::size_t(-1))
        return "undefined";
    return std::string(out, sizeof out - outLeft);
}

TEST(DecodeCp1252, EveryDefinedByteAsTheSystemConverterDecodesIt)
{
    int checked = 0;
    for (int byte = 0; byte < 256; ++byte) {
        const char c = char(byte);
        const std::string expected = iconvCp1252(c);
        if (expected == "undefined")
            continue;
        ++checked;
        EXPECT_EQ(decodeCp1252(std::string_view(&c, 1)), expected) << "byte " << byte;
    }
    EXPECT_EQ(checked, 251);
}

TEST(DecodeCp1252, UndefinedBytesBecomeTheirC1Controls)
{
    EXPECT_EQ(decodeCp1252("\x81\x8d\x8f\x90\x9d"), "\u0081\u008d\u008f\u0090\u009d");
}

TEST(DecodeCp1252, AccentsAndEuro)
{
    EXPECT_EQ(decodeCp1252("FORL\xcc \x80 10 citt\xe0"), "FORLÌ € 10 città");
    EXPECT_EQ(decodeCp1252("a\0b"s), "a\0b"s);
}

struct AmountCase
{
    const char *name;
    std::string line;
    char separator;
    long double euros;
};

class ConvertAmount : public testing::TestWithParam<AmountCase>
{
};

TEST_P(ConvertAmount, ConvertsTheFieldAndDividesBy100)
{
    const AmountCase &c = GetParam();
    EXPECT_EQ(convertAmount(c.line, 10, c.separator), c.euros);
}

INSTANTIATE_TEST_SUITE_P(Fields, ConvertAmount,
    testing::Values(AmountCase { "LeadingBlanks", amountLine("     123456789"), ',', 1234567.89L },
        AmountCase { "MinusAndZeros", amountLine("-0000000001250"), ',', -12.5L },
        AmountCase { "BlanksMinusZeros", amountLine("   -0000012345"), ',', -123.45L },
        AmountCase { "OneCentDividedOnce", amountLine(field14("1")), ',', 0.01L },
        AmountCase { "DecimalCommaUnderComma", amountLine(field14("12,5")), ',', 0.125L },
        AmountCase { "DecimalPointUnderPoint", amountLine(field14("12.5")), '.', 0.125L },
        AmountCase { "OnlySeparatorIsZero", amountLine("      ,       "), ',', 0.0L },
        AmountCase { "ExponentField", amountLine(field14("1E4000")), ',', 1e3998L },
        AmountCase { "RestOfLineIgnored", "ABCDEFGHI" + field14("7") + "not a number", ',', 0.07L },
        AmountCase { "FifteenCharacterLineGivesSixCharacters", "123456789   -12", ',', -0.12L }),
    test::rowName<AmountCase>);

struct RejectedCase
{
    const char *name;
    std::string line;
    char separator;
    std::string message;
};

class ConvertAmountFails : public testing::TestWithParam<RejectedCase>
{
};

TEST_P(ConvertAmountFails, WithTheFieldsCharactersInTheMessage)
{
    const RejectedCase &c = GetParam();
    try {
        convertAmount(c.line, 10, c.separator);
        FAIL() << "converted";
    } catch (const ConversionError &error) {
        EXPECT_EQ(error.what(), c.message);
    }
}

INSTANTIATE_TEST_SUITE_P(Fields, ConvertAmountFails,
    testing::Values(RejectedCase { "EmptyLine", "", ',', "'' is not a valid floating point value" },
        RejectedCase { "AllBlanks", amountLine("              "), ',',
            "'              ' is not a valid floating point value" },
        RejectedCase { "DecimalPointUnderComma", amountLine(field14("12.5")), ',',
            "'          12.5' is not a valid floating point value" },
        RejectedCase { "Tab", amountLine("\t        12345"), ',',
            "'\t        12345' is not a valid floating point value" },
        RejectedCase { "InnerBlank", amountLine("      1234 567"), ',',
            "'      1234 567' is not a valid floating point value" },
        RejectedCase { "ThousandsSeparator", amountLine("     1.234.567"), ',',
            "'     1.234.567' is not a valid floating point value" },
        RejectedCase { "ShortLineGivesFewerCharacters", "123456789 12x", ',',
            "' 12x' is not a valid floating point value" },
        RejectedCase { "CodePageTextDecoded", amountLine("     12345678\xe0"), ',',
            "'     12345678à' is not a valid floating point value" },
        RejectedCase { "Overflow", amountLine(field14("1E5000")), ',',
            "'        1E5000' is not a valid floating point value" }),
    test::rowName<RejectedCase>);

TEST(Header, TakesEveryField)
{
    Header h;
    h.e1 = field14("123456789");
    h.nomeComune = "  CASTEL SAN PIETRO \x80 CITT\xc0";
    h.anno = "2012";
    h.obiettivo = "-0000000050000";
    h.dataDal = " 1/1/2012 ";
    h.dataAl = "31/12/2012";
    MonitoringData data;
    takeHeaderName(h.line(), data);
    takeHeaderRest(h.line(), data, ',');
    EXPECT_EQ(data.NomeComune, "CASTEL SAN PIETRO € CITTÀ");
    EXPECT_EQ(data.Importi[0], 1234567.89L);
    EXPECT_EQ(data.Obiettivo, -500.0L);
    EXPECT_EQ(data.DataDal, "1/1/2012");
    EXPECT_EQ(data.DataAl, "31/12/2012");
    EXPECT_EQ(data.Anno, "2012");
}

TEST(Header, KeepsTheBlanksOfTheYear)
{
    Header h;
    h.anno = "12  ";
    MonitoringData data;
    takeHeaderRest(h.line(), data, ',');
    EXPECT_EQ(data.Anno, "12  ");
}

TEST(Header, NameOfBlanksIsEmpty)
{
    Header h;
    h.nomeComune = std::string(100, ' ');
    MonitoringData data;
    takeHeaderName(h.line(), data);
    EXPECT_EQ(data.NomeComune, "");
}

TEST(Header, PeriodIsFreeTextTrimmed)
{
    Header h;
    h.dataDal = "\tgennaio \0"s;
    h.dataAl = "  dicembre";
    MonitoringData data;
    takeHeaderRest(h.line(), data, ',');
    EXPECT_EQ(data.DataDal, "gennaio");
    EXPECT_EQ(data.DataAl, "dicembre");
}

// The fields before a failing conversion are taken, the ones after it are not.
TEST(Header, OfOnly125CharactersFailsAtTheObjective)
{
    const std::string line = Header().line().substr(0, 125);
    MonitoringData data;
    takeHeaderName(line, data);
    try {
        takeHeaderRest(line, data, ',');
        FAIL() << "no conversion error";
    } catch (const ConversionError &error) {
        EXPECT_STREQ(error.what(), "'' is not a valid floating point value");
    }
    EXPECT_EQ(data.NomeComune, "COMUNE DI PROVA");
    EXPECT_EQ(data.Importi[0], 1234567.89L);
    EXPECT_EQ(data.Obiettivo, 0.0L);
    EXPECT_EQ(data.DataDal, "");
    EXPECT_EQ(data.DataAl, "");
    EXPECT_EQ(data.Anno, "");
}

TEST(Header, BadE1StopsBeforeTheObjective)
{
    Header h;
    h.e1 = field14("12 3");
    MonitoringData data;
    takeHeaderName(h.line(), data);
    EXPECT_THROW(takeHeaderRest(h.line(), data, ','), ConversionError);
    EXPECT_EQ(data.NomeComune, "COMUNE DI PROVA");
    EXPECT_EQ(data.Obiettivo, 0.0L);
    EXPECT_EQ(data.Anno, "");
}

TEST(Header, ShortLineGivesShortTexts)
{
    MonitoringData data;
    takeHeaderName(std::string(24, '#') + "ROMA", data);
    EXPECT_EQ(data.NomeComune, "ROMA");
    takeHeaderName("", data);
    EXPECT_EQ(data.NomeComune, "");
}

// Line k (2 to 38) carries k cents times a thousand, so every slot is told apart.
std::vector<std::string> amountLines()
{
    std::vector<std::string> lines;
    for (int k = 2; k <= 38; ++k)
        lines.push_back(amountLine(field14(std::to_string(k * 1000))));
    return lines;
}

long double lineValue(int line)
{
    return (line * 1000) / 100.0L;
}

// Opens the file and reads it in the order the statement does.
MonitoringData readFile(const std::string &path)
{
    MonitoringData data;
    KestravoFile file(path);
    const std::string header = file.readLine();
    takeHeaderName(header, data);
    takeHeaderRest(header, data, ',');
    readAmountLines(file, data, ',');
    file.close();
    return data;
}

TEST(AmountLines, ThirtyEightLinesFillEverySlotAndRettificaNetta)
{
    TempDir dir;
    std::vector<std::string> lines = amountLines();
    lines.insert(lines.begin(), Header().line());
    const MonitoringData data = readFile(dir.write("KESTRAVO.TXT", joinLines(lines)));
    for (int slot = 1; slot <= 18; ++slot)
        EXPECT_EQ(data.Importi[slot], lineValue(slot + 1)) << "slot " << slot;
    for (int slot = 30; slot <= 48; ++slot)
        EXPECT_EQ(data.Importi[slot], lineValue(slot - 10)) << "slot " << slot;
    for (int slot : { 19, 29, 49, 59 })
        EXPECT_EQ(data.Importi[slot], 0.0L) << "slot " << slot;
    EXPECT_EQ(data.RettificaNetta, lineValue(38));
    EXPECT_EQ(data.RettificaNetta, data.S(19));
}

TEST(AmountLines, LinesAfter38AreNeverRead)
{
    TempDir dir;
    std::vector<std::string> lines = amountLines();
    lines.insert(lines.begin(), Header().line());
    lines.push_back(amountLine("not a number!!"));
    lines.push_back(std::string(1000, '\xff'));
    const MonitoringData data = readFile(dir.write("KESTRAVO.TXT", joinLines(lines, "\n")));
    EXPECT_EQ(data.RettificaNetta, lineValue(38));
}

struct FailingLineCase
{
    const char *name;
    int lines; // lines written: header plus data lines
    int badLine; // 0: none
    int lastFilledSlot; // the slot of the last line read before the failure
    std::string message;
};

class AmountLinesFail : public testing::TestWithParam<FailingLineCase>
{
};

TEST_P(AmountLinesFail, AtTheLineThatDoesNotConvertKeepingEarlierSlots)
{
    const FailingLineCase &c = GetParam();
    std::vector<std::string> lines = amountLines();
    lines.insert(lines.begin(), Header().line());
    lines.resize(std::size_t(c.lines));
    if (c.badLine > 0)
        lines[std::size_t(c.badLine - 1)] = amountLine("      12,34,56");
    TempDir dir;
    const std::string path = dir.write("KESTRAVO.TXT", joinLines(lines));

    MonitoringData data;
    KestravoFile file(path);
    const std::string header = file.readLine();
    takeHeaderName(header, data);
    takeHeaderRest(header, data, ',');
    try {
        readAmountLines(file, data, ',');
        FAIL() << "no conversion error";
    } catch (const ConversionError &error) {
        EXPECT_EQ(error.what(), c.message);
    }
    for (int slot = 1; slot < kImportiSlots; ++slot) {
        const bool filled = (slot <= 18 || slot >= 30) && slot <= c.lastFilledSlot;
        const long double expected = !filled ? 0.0L
            : slot < 30                      ? lineValue(slot + 1)
                                             : lineValue(slot - 10);
        EXPECT_EQ(data.Importi[slot], expected) << "slot " << slot;
    }
    EXPECT_EQ(data.RettificaNetta, 0.0L);
}

INSTANTIATE_TEST_SUITE_P(Files, AmountLinesFail,
    testing::Values(FailingLineCase { "E19OnLine19MustConvertToo", 38, 19, 17,
                        "'      12,34,56' is not a valid floating point value" },
        FailingLineCase {
            "S1OnLine20", 38, 20, 18, "'      12,34,56' is not a valid floating point value" },
        FailingLineCase {
            "S19OnLine38", 38, 38, 47, "'      12,34,56' is not a valid floating point value" },
        FailingLineCase {
            "TenLinesReadPastTheEndAsEmpty", 10, 0, 9, "'' is not a valid floating point value" },
        FailingLineCase {
            "ThirtySevenLinesLackS19", 37, 0, 47, "'' is not a valid floating point value" }),
    test::rowName<FailingLineCase>);

} // namespace
} // namespace monit12
