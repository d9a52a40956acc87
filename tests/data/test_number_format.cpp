#include "data/number_format.h"

#include "table_rows.h"

#include <gtest/gtest.h>

#include <limits>

namespace monit12 {
namespace {

using test::PrintTo;

const Separators kItalian { ",", "." };
const Separators kEnglish { ".", "," };
const Separators kNoGrouping { ".", "" };
const Separators kSwiss { ".", "\u2019" };
const Separators kFrench { ",", "\u202f" };

struct FormatCase
{
    const char *name;
    long double value;
    Separators separators;
    std::string text;
};

class FormatAmount : public testing::TestWithParam<FormatCase>
{
};

TEST_P(FormatAmount, WritesTheHashCommaPattern)
{
    const FormatCase &c = GetParam();
    EXPECT_EQ(formatAmount(c.value, c.separators), c.text);
}

INSTANTIATE_TEST_SUITE_P(Values, FormatAmount,
    testing::Values(FormatCase { "ItalianMillions", 1234567.89L, kItalian, "1.234.567,89" },
        FormatCase { "ItalianCents", 0.07L, kItalian, "0,07" },
        FormatCase { "ItalianZero", 0.0L, kItalian, "0,00" },
        FormatCase { "ItalianNegative", -1234.5L, kItalian, "-1.234,50" },
        // -0.005L lies a hair above -0.005; its 18-digit form is -0.00500000000000000.
        FormatCase { "HalfCentRoundsAwayFromZero", -0.005L, kItalian, "-0,01" },
        FormatCase { "ExactHalfUp", 0.125L, kItalian, "0,13" },
        FormatCase { "ExactHalfDown", -0.125L, kItalian, "-0,13" },
        // 2.675L is 2.67499999999999999996: the exact binary value would round to 2,67.
        FormatCase { "EighteenDigitFormDecides", 2.675L, kItalian, "2,68" },
        FormatCase { "BelowHalfInEighteenDigits", 1.0049999999999999L, kItalian, "1,00" },
        FormatCase { "CarryIntoANewGroup", 999.995L, kItalian, "1.000,00" },
        FormatCase { "CarryThroughNines", 999999.999L, kItalian, "1.000.000,00" },
        FormatCase { "NoMinusZero", -0.004L, kItalian, "0,00" },
        FormatCase { "NegativeZero", -0.0L, kItalian, "0,00" },
        FormatCase { "TinyResidue", -0x1.0p-68L, kItalian, "0,00" },
        FormatCase { "ThreeDigitsNoSeparator", 999.0L, kItalian, "999,00" },
        FormatCase { "FourDigitsOneSeparator", 1000.0L, kItalian, "1.000,00" },
        FormatCase { "SixDigitsOneSeparator", 123456.0L, kItalian, "123.456,00" },
        FormatCase { "EnglishSeparators", 1234567.891L, kEnglish, "1,234,567.89" },
        FormatCase {
            "EmptyThousandsSeparatorNoGrouping", -1234567.891L, kNoGrouping, "-1234567.89" },
        FormatCase { "MultiByteSeparators", 1234567.5L, kSwiss, "1\u2019234\u2019567.50" },
        FormatCase { "NarrowNoBreakSpace", -9876543.21L, kFrench, "-9\u202f876\u202f543,21" },
        // Twelve integer digits: still exact at 18 significant digits.
        FormatCase { "LargestTwelveDigitAmount", 999999999999.99L, kItalian, "999.999.999.999,99" },
        // Past 18 significant digits the remaining integer digits are zeros.
        FormatCase { "BeyondEighteenDigits", 12345678901234567890123.0L, kEnglish,
            "12,345,678,901,234,567,900,000.00" }),
    test::rowName<FormatCase>);

TEST(FormatAmount, PrintsEveryIntegerDigitOfAHugeValue)
{
    // 10^3998 has 3999 digits: "100" and then 1332 groups of "000".
    std::string expected = "100";
    for (int i = 0; i < 1332; ++i)
        expected += ".000";
    EXPECT_EQ(formatAmount(1e3998L, kItalian), expected + ",00");
    EXPECT_EQ(formatAmount(-1e3998L, kItalian), "-" + expected + ",00");
}

TEST(FormatAmount, LargestLongDoubleDoesNotOverflowTheText)
{
    const std::string text = formatAmount(std::numeric_limits<long double>::max(), kNoGrouping);
    EXPECT_EQ(text.size(), 4933u + 3u);
    EXPECT_EQ(text.substr(0, 18), "118973149535723177");
    EXPECT_EQ(text.substr(18, 4915), std::string(4915, '0'));
}

TEST(FormatAmount, NonFiniteValuesDoNotCrash)
{
    EXPECT_EQ(formatAmount(std::numeric_limits<long double>::infinity(), kItalian), "INF");
    EXPECT_EQ(formatAmount(-std::numeric_limits<long double>::infinity(), kItalian), "-INF");
    EXPECT_EQ(formatAmount(std::numeric_limits<long double>::quiet_NaN(), kItalian), "NAN");
}

struct NegativeCase
{
    const char *name;
    long double value;
    bool negative;
};

class IsPrintedNegative : public testing::TestWithParam<NegativeCase>
{
};

// Must agree with the minus sign formatAmount writes.
TEST_P(IsPrintedNegative, AgreesWithThePrintedSign)
{
    const NegativeCase &c = GetParam();
    EXPECT_EQ(isPrintedNegative(c.value), c.negative);
    EXPECT_EQ(formatAmount(c.value, kItalian).front() == '-', c.negative);
}

INSTANTIATE_TEST_SUITE_P(Values, IsPrintedNegative,
    testing::Values(NegativeCase { "Zero", 0.0L, false },
        NegativeCase { "MinusZero", -0.0L, false },
        NegativeCase { "ResidueBelowZero", -3.4e-21L, false },
        NegativeCase { "MinusFourTenthsOfACent", -0.004L, false },
        NegativeCase { "MinusHalfCent", -0.005L, true },
        NegativeCase { "MinusOneCent", -0.01L, true }, NegativeCase { "Positive", 12.0L, false }),
    test::rowName<NegativeCase>);

struct SeparatorByteCase
{
    const char *name;
    Separators separators;
    char byte;
};

class DecimalSeparatorByte : public testing::TestWithParam<SeparatorByteCase>
{
};

TEST_P(DecimalSeparatorByte, IsTheCodePageByteOfTheSeparator)
{
    EXPECT_EQ(decimalSeparatorByte(GetParam().separators), GetParam().byte);
}

INSTANTIATE_TEST_SUITE_P(Separators, DecimalSeparatorByte,
    testing::Values(SeparatorByteCase { "Comma", kItalian, ',' },
        SeparatorByteCase { "FullStop", kEnglish, '.' },
        SeparatorByteCase { "MiddleDot", { "\u00b7", "" }, '\xb7' },
        SeparatorByteCase { "SingleLowQuote", { "\u201a", "" }, '\x82' },
        SeparatorByteCase { "ArabicDecimalHasNoByte", { "\u066b", "\u066c" }, '\0' },
        SeparatorByteCase { "TwoCharactersHaveNoByte", { ",,", "" }, '\0' },
        SeparatorByteCase { "EmptyHasNoByte", { "", "" }, '\0' }),
    test::rowName<SeparatorByteCase>);

} // namespace
} // namespace monit12
