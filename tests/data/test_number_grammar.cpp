#include "data/data_fields.h"

#include "table_rows.h"

#include <gtest/gtest.h>

namespace monit12 {
namespace {

using test::PrintTo;

using namespace std::string_literals;

struct GrammarCase
{
    const char *name;
    std::string text;
    char separator;
    std::optional<long double> value;
};

class ParseNumber : public testing::TestWithParam<GrammarCase>
{
};

TEST_P(ParseNumber, AcceptsExactlyTheGrammar)
{
    const GrammarCase &c = GetParam();
    const std::optional<long double> value = parseNumber(c.text, c.separator);
    ASSERT_EQ(value.has_value(), c.value.has_value()) << "'" << c.text << "'";
    if (value) {
        EXPECT_EQ(*value, *c.value) << "'" << c.text << "'";
    }
}

const std::optional<long double> rejected;

INSTANTIATE_TEST_SUITE_P(Accepted, ParseNumber,
    testing::Values(GrammarCase { "Digits", "12345", ',', 12345.0L },
        GrammarCase { "BlanksBeforeAndAfter", "   12   ", ',', 12.0L },
        GrammarCase { "PlusSign", "+5", ',', 5.0L },
        GrammarCase { "MinusSignAndZeros", "-0000000001250", ',', -1250.0L },
        GrammarCase { "DecimalComma", "12,5", ',', 12.5L },
        GrammarCase { "DecimalPoint", "12.5", '.', 12.5L },
        GrammarCase { "SeparatorAloneIsZero", "      ,       ", ',', 0.0L },
        GrammarCase { "SignThenSeparator", "-,5", ',', -0.5L },
        GrammarCase { "MinusZero", "-0", ',', 0.0L },
        GrammarCase { "SeparatorAfterDigits", "5,", ',', 5.0L },
        GrammarCase { "Exponent", "15E-1", ',', 1.5L },
        GrammarCase { "LowerCaseSignedExponent", "1,5e+2", ',', 150.0L },
        GrammarCase { "SeparatorThenExponent", ",E5", ',', 0.0L },
        GrammarCase { "ExponentFarInRange", "1E4000", ',', 1e4000L },
        GrammarCase { "UnderflowIsZero", "1E-5000", ',', 0.0L },
        GrammarCase { "HugeNegativeExponentIsZero", "1E-99999999999999999999", ',', 0.0L },
        GrammarCase { "ZeroWithHugeExponent", "0E99999999999999999999", ',', 0.0L },
        GrammarCase { "NoSeparatorByteStillTakesIntegers", "42", '\0', 42.0L },
        // Correct rounding of the accepted text, not digit-by-digit accumulation.
        GrammarCase { "OneTenthCorrectlyRounded", "0,1", ',', 0.1L },
        GrammarCase { "ManyDigits", "12345678901234567890123", ',', 12345678901234567890123.0L },
        // 2^64 + 1 is halfway between two long doubles: ties to even, down to 2^64.
        GrammarCase { "HalfwayTiesToEven", "18446744073709551617", ',', 18446744073709551616.0L },
        GrammarCase { "JustAboveHalfwayRoundsUp", "18446744073709551617,000001", ',',
            18446744073709551618.0L },
        GrammarCase {
            "ManyFractionDigits", "0,30000000000000000001", ',', 0.30000000000000000001L }),
    test::rowName<GrammarCase>);

INSTANTIATE_TEST_SUITE_P(Rejected, ParseNumber,
    testing::Values(GrammarCase { "Empty", "", ',', rejected },
        GrammarCase { "Blanks", "   ", ',', rejected },
        GrammarCase { "SignAlone", " - ", ',', rejected },
        GrammarCase { "BlankBetweenSignAndDigits", "- 5", ',', rejected },
        GrammarCase { "TwoSigns", "--5", ',', rejected },
        GrammarCase { "SignAfterNumber", "5-", ',', rejected },
        GrammarCase { "TabBefore", "\t5", ',', rejected },
        GrammarCase { "TabAfter", "5\t", ',', rejected },
        GrammarCase { "InnerBlank", "1 2", ',', rejected },
        GrammarCase { "DecimalPointUnderComma", "12.5", ',', rejected },
        GrammarCase { "DecimalCommaUnderPoint", "12,5", '.', rejected },
        GrammarCase { "ThousandsSeparator", "1.234,5", ',', rejected },
        GrammarCase { "TwoSeparators", "1,2,3", ',', rejected },
        GrammarCase { "ExponentWithoutDigits", "1E", ',', rejected },
        GrammarCase { "ExponentSignWithoutDigits", "1E+", ',', rejected },
        GrammarCase { "BlankBeforeExponent", "1 E3", ',', rejected },
        GrammarCase { "ExponentWithoutMantissa", "E5", ',', rejected },
        GrammarCase { "Overflow", "1E5000", ',', rejected },
        GrammarCase { "HugeExponentOverflows", "1E99999999999999999999", ',', rejected },
        GrammarCase { "Letters", "12a", ',', rejected },
        GrammarCase { "Hexadecimal", "0x10", ',', rejected },
        GrammarCase { "Infinity", "inf", ',', rejected },
        GrammarCase { "NotANumber", "nan", ',', rejected },
        GrammarCase { "NulAfterDigits", "5\0"s, ',', rejected },
        GrammarCase { "NulIsNoSeparator",
            "5\0"s
            "5",
            '\0', rejected },
        GrammarCase { "NonBreakingSpace",
            "\xa0"
            "5",
            ',', rejected }),
    test::rowName<GrammarCase>);

} // namespace
} // namespace monit12
