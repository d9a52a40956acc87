#include "data/regional_settings.h"

#include "table_rows.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace monit12 {
namespace {

using test::PrintTo;

struct LocaleCase
{
    const char *name;
    const char *locale;
    Separators separators;
};

class SeparatorsForLocaleName : public testing::TestWithParam<LocaleCase>
{
};

TEST_P(SeparatorsForLocaleName, FromQtsOwnTables)
{
    EXPECT_EQ(separatorsForLocaleName(GetParam().locale), GetParam().separators);
}

const Separators kPlain { ".", "" };

INSTANTIATE_TEST_SUITE_P(Names, SeparatorsForLocaleName,
    testing::Values(LocaleCase { "Italian", "it_IT", { ",", "." } },
        LocaleCase { "ItalianUtf8", "it_IT.UTF-8", { ",", "." } },
        LocaleCase { "GermanEuroModifier", "de_DE@euro", { ",", "." } },
        LocaleCase { "GermanCodesetAndModifier", "de_DE.ISO-8859-15@euro", { ",", "." } },
        LocaleCase { "English", "en_US.UTF-8", { ".", "," } },
        LocaleCase { "SwissGermanApostrophe", "de_CH", { ".", "\u2019" } },
        LocaleCase { "LanguageOnly", "it", { ",", "." } }, LocaleCase { "C", "C", kPlain },
        LocaleCase { "CUtf8", "C.UTF-8", kPlain }, LocaleCase { "Posix", "POSIX", kPlain },
        LocaleCase { "Empty", "", kPlain }, LocaleCase { "UnknownLanguage", "xx_YY", kPlain },
        LocaleCase { "Garbage", "%%%", kPlain }),
    test::rowName<LocaleCase>);

struct EnvironmentCase
{
    const char *name;
    const char *lcAll;
    const char *lcNumeric;
    const char *lang;
    Separators separators;
};

class SeparatorsFromEnvironment : public testing::TestWithParam<EnvironmentCase>
{
};

void setOrUnset(const char *variable, const char *value)
{
    if (value)
        ::setenv(variable, value, 1);
    else
        ::unsetenv(variable);
}

TEST_P(SeparatorsFromEnvironment, TakesTheFirstNonEmptyVariable)
{
    const EnvironmentCase &c = GetParam();
    setOrUnset("LC_ALL", c.lcAll);
    setOrUnset("LC_NUMERIC", c.lcNumeric);
    setOrUnset("LANG", c.lang);
    EXPECT_EQ(separatorsFromEnvironment(), c.separators);
}

INSTANTIATE_TEST_SUITE_P(Variables, SeparatorsFromEnvironment,
    testing::Values(
        EnvironmentCase { "LcAllFirst", "it_IT.UTF-8", "en_US.UTF-8", "en_US.UTF-8", { ",", "." } },
        EnvironmentCase {
            "LcNumericBeforeLang", nullptr, "de_DE.UTF-8", "en_US.UTF-8", { ",", "." } },
        EnvironmentCase { "EmptyLcAllIsSkipped", "", "", "it_IT.UTF-8", { ",", "." } },
        EnvironmentCase { "LangLast", nullptr, nullptr, "en_US.UTF-8", { ".", "," } },
        EnvironmentCase { "CInLcAllWins", "C", nullptr, "it_IT.UTF-8", kPlain },
        EnvironmentCase { "NothingSet", nullptr, nullptr, nullptr, kPlain }),
    test::rowName<EnvironmentCase>);

} // namespace
} // namespace monit12
