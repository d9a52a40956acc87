#include "data/figures.h"
#include "data/number_format.h"

#include "table_rows.h"

#include <gtest/gtest.h>

#include <map>

namespace monit12 {
namespace {

using test::PrintTo;

const Separators kItalian { ",", "." };

// Amounts in cents by their codes ("E18", "S19", "OB"), stored as the reader stores them:
// the whole number divided by 100 once; RettificaNetta equals S19.
MonitoringData amounts(const std::map<std::string, long long> &cents)
{
    MonitoringData d;
    for (const auto &[code, value] : cents) {
        const long double euros = static_cast<long double>(value) / 100.0L;
        const int k = code == "OB" ? 0 : std::stoi(code.substr(1));
        if (code == "OB")
            d.Obiettivo = euros;
        else if (code[0] == 'E')
            d.Importi[kRevenueBase + k - 1] = euros;
        else
            d.Importi[kExpenditureBase + k - 1] = euros;
    }
    d.RettificaNetta = d.S(19);
    return d;
}

struct PrintedCase
{
    const char *name;
    std::map<std::string, long long> cents;
    // TotEntrCorrNette, TotEntrateContoCapi, EF N, S1Spesecorr, S2TotSpeseConCap, SF N, SFIN, DIF
    std::vector<std::string> printed;
    const char *verdict;
};

class Figures : public testing::TestWithParam<PrintedCase>
{
};

TEST_P(Figures, PrintAsTheStatementShowsThem)
{
    const PrintedCase &c = GetParam();
    const MonitoringData d = amounts(c.cents);
    const std::vector<std::string> printed = { formatAmount(totEntrCorrNette(d), kItalian),
        formatAmount(totEntrateContoCapi(d), kItalian),
        formatAmount(entrateFinaliNette(d), kItalian), formatAmount(s1Spesecorr(d), kItalian),
        formatAmount(s2TotSpeseConCap(d), kItalian), formatAmount(s3Spesefin(d), kItalian),
        formatAmount(s5SaldoFin(d), kItalian), formatAmount(s10Dif(d), kItalian) };
    EXPECT_EQ(printed, c.printed);
    EXPECT_STREQ(verdictCaption(s10Dif(d)), c.verdict);
}

const std::vector<std::string> kAllZero(8, "0,00");

INSTANTIATE_TEST_SUITE_P(Amounts, Figures,
    testing::Values(PrintedCase { "AllZero", {}, kAllZero, "Patto rispettato" },
        PrintedCase { "E18CountsInCapitalAndFinalRevenues", { { "E18", 10000 } },
            { "0,00", "-100,00", "-100,00", "0,00", "0,00", "0,00", "-100,00", "-100,00" },
            "Patto NON rispettato" },
        PrintedCase { "E19EntersNoFigure", { { "E19", 100000000 } }, kAllZero, "Patto rispettato" },
        PrintedCase { "S19LowersSpendingButDropsOutOfTheDifference", { { "S19", 5000 } },
            { "0,00", "0,00", "0,00", "0,00", "-50,00", "-50,00", "50,00", "0,00" },
            "Patto rispettato" },
        PrintedCase { "BalanceAboveObjective",
            { { "E1", 500000 }, { "S1", 300000 }, { "OB", 100000 } },
            { "5.000,00", "0,00", "5.000,00", "3.000,00", "0,00", "3.000,00", "2.000,00",
                "1.000,00" },
            "Patto rispettato" },
        PrintedCase { "OneCentShort", { { "E1", 99999 }, { "OB", 100000 } },
            { "999,99", "0,00", "999,99", "0,00", "0,00", "0,00", "999,99", "-0,01" },
            "Patto NON rispettato" },
        PrintedCase { "NegativeObjective", { { "S1", 40000 }, { "OB", -50000 } },
            { "0,00", "0,00", "0,00", "400,00", "0,00", "400,00", "-400,00", "100,00" },
            "Patto rispettato" },
        // Ek and Sk are 2^(k-1) euros: a wrong sign or a missing term anywhere changes a sum.
        PrintedCase { "EveryLineWithItsSign",
            { { "E1", 100 }, { "E2", 200 }, { "E3", 400 }, { "E4", 800 }, { "E5", 1600 },
                { "E6", 3200 }, { "E7", 6400 }, { "E8", 12800 }, { "E9", 25600 }, { "E10", 51200 },
                { "E11", 102400 }, { "E12", 204800 }, { "E13", 409600 }, { "E14", 819200 },
                { "E15", 1638400 }, { "E16", 3276800 }, { "E17", 6553600 }, { "E18", 13107200 },
                { "E19", 26214400 }, { "S1", 100 }, { "S2", 200 }, { "S3", 400 }, { "S4", 800 },
                { "S5", 1600 }, { "S6", 3200 }, { "S7", 6400 }, { "S8", 12800 }, { "S9", 25600 },
                { "S10", 51200 }, { "S11", 102400 }, { "S12", 204800 }, { "S13", 409600 },
                { "S14", 819200 }, { "S15", 1638400 }, { "S16", 3276800 }, { "S17", 6553600 },
                { "S18", 13107200 }, { "S19", 26214400 }, { "OB", 100 } },
            { "-1.009,00", "-259.072,00", "-260.081,00", "-125,00", "-523.904,00", "-524.029,00",
                "263.948,00", "1.803,00" },
            "Patto rispettato" }),
    test::rowName<PrintedCase>);

using Figure = long double (*)(const MonitoringData &);

struct ExactCase
{
    const char *name;
    std::map<std::string, long long> cents;
    Figure figure;
    long double value; // from exact rational arithmetic rounded to 64 bits at every step
};

class FiguresExactly : public testing::TestWithParam<ExactCase>
{
};

TEST_P(FiguresExactly, FollowTheirOwnChainInExtendedPrecision)
{
    const ExactCase &c = GetParam();
    EXPECT_EQ(c.figure(amounts(c.cents)), c.value);
}

INSTANTIATE_TEST_SUITE_P(Chains, FiguresExactly,
    testing::Values(
        // 0.01 + 0.04 - 0.05 leaves a residue of -2^-68 euros: printed 0,00.
        ExactCase {
            "ResidueOfCents", { { "E1", 1 }, { "E2", 4 }, { "S1", 5 } }, s10Dif, -0x1.0p-68L },
        // Summing the two revenue subtotals would give 0x1.1eb851eb851eb852p-1.
        ExactCase { "FinalRevenuesAreOneChain",
            { { "E1", 14 }, { "E2", 41 }, { "E11", 4 }, { "E12", 3 } }, entrateFinaliNette,
            0x1.1eb851eb851eb854p-1L },
        // The same amounts against an objective of 0,56: the subtotals would cancel exactly.
        ExactCase { "DifferenceFromTheChainNotTheSubtotals",
            { { "E1", 14 }, { "E2", 41 }, { "E11", 4 }, { "E12", 3 }, { "OB", 56 } }, s10Dif,
            0x1.0p-64L },
        // Summing the two expenditure subtotals would give -0x1.eb851eb851eb851p-4.
        ExactCase { "FinalExpenditureIsOneChain",
            { { "S1", 4 }, { "S2", 84 }, { "S8", 70 }, { "S9", 2 } }, s3Spesefin,
            -0x1.eb851eb851eb8514p-4L },
        // S19 is added in SFIN and taken off again as RettificaNetta, not exactly.
        ExactCase { "S19DropsOutOnlyUpToRounding",
            { { "E1", 5451 }, { "S19", 8206 }, { "OB", 5451 } }, s10Dif, -0x1.0p-58L },
        ExactCase { "S19RaisesTheBalance", { { "E1", 5451 }, { "S19", 8206 }, { "OB", 5451 } },
            s5SaldoFin, 0x1.1123d70a3d70a3d6p7L }),
    test::rowName<ExactCase>);

// The verdict reads the difference as printed, so a sub-cent residue never contradicts a 0,00.
TEST(Verdict, ResidueBelowZeroPrintsZeroAndIsRespected)
{
    for (const auto &cents :
        std::vector<std::map<std::string, long long>> { { { "E1", 1 }, { "E2", 4 }, { "S1", 5 } },
            { { "E1", 5451 }, { "S19", 8206 }, { "OB", 5451 } } }) {
        const long double dif = s10Dif(amounts(cents));
        ASSERT_LT(dif, 0.0L);
        EXPECT_EQ(formatAmount(dif, kItalian), "0,00");
        EXPECT_TRUE(pattoRispettato(dif));
        EXPECT_STREQ(verdictCaption(dif), "Patto rispettato");
    }
}

struct VerdictCase
{
    const char *name;
    long double dif;
    const char *verdict;
};

class Verdict : public testing::TestWithParam<VerdictCase>
{
};

TEST_P(Verdict, FollowsThePrintedDifference)
{
    EXPECT_STREQ(verdictCaption(GetParam().dif), GetParam().verdict);
}

INSTANTIATE_TEST_SUITE_P(Differences, Verdict,
    testing::Values(VerdictCase { "Zero", 0.0L, "Patto rispettato" },
        VerdictCase { "MinusZero", -0.0L, "Patto rispettato" },
        VerdictCase { "OneCent", 0.01L, "Patto rispettato" },
        VerdictCase { "MinusOneCent", -0.01L, "Patto NON rispettato" },
        VerdictCase {
            "JustAboveMinusHalfCentPrintsZero", -0.0049999999999999L, "Patto rispettato" },
        // -0.005L is a hair above -0.005, yet it prints -0,01.
        VerdictCase { "MinusHalfCentPrintsMinusOneCent", -0.005L, "Patto NON rispettato" },
        VerdictCase { "Huge", -1e3998L, "Patto NON rispettato" }),
    test::rowName<VerdictCase>);

} // namespace
} // namespace monit12
