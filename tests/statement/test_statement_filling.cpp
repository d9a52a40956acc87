// The statement form filled from a data file: the texts each value label receives, where the
// texts stand after filling, and how far the filling gets when the file is faulty.
#include "test_statement_support.h"

#include "statement/text_metrics.h"

#include <gtest/gtest.h>

#include <set>

using namespace monit12;
using namespace monit12::formtest;

namespace {

constexpr double kExact = 1e-9;

const QStringList &amountLabels()
{
    static const QStringList names = [] {
        QStringList n;
        for (int k = 1; k <= 17; ++k)
            n << QStringLiteral("E%1").arg(k);
        n << "TotEntrCorrNette"
          << "TotEntrateContoCapi"
          << "EntrateFinaliNette";
        for (int k = 1; k <= 17; ++k)
            n << QStringLiteral("s%1").arg(k);
        n << "S1Spesecorr"
          << "S2TotSpeseConCap"
          << "S3Spesefin"
          << "S5SaldoFin"
          << "S9Obiettivo"
          << "S10Dif";
        return n;
    }();
    return names;
}

const QStringList &headerLabels()
{
    static const QStringList names { "QRComunedi", "QRLabel83", "QRLabel10", "QRLabel25",
        "QRLabel185", "QRDalAl" };
    return names;
}

// Every figure distinct; the totals worked out by hand in whole cents.
DataFileSpec cantu()
{
    DataFileSpec spec;
    spec.name = "COMUNE DI CANT\xD9"; // Ù in code page 1252
    spec.cents = {
        { "E1", 500000000 },
        { "E2", 120000 },
        { "E3", 3456 },
        { "E4", 1 },
        { "E5", 2 },
        { "E6", 3 },
        { "E7", 4 },
        { "E8", 5 },
        { "E9", 6 },
        { "E10", 7 },
        { "E11", 98765432 },
        { "E12", 10000 },
        { "E13", 20000 },
        { "E14", 30000 },
        { "E15", 40000 },
        { "E16", 50000 },
        { "E17", 60000 },
        { "E18", 70000 },
        { "E19", 999999 },
        { "S1", 300000000 },
        { "S2", -12345 },
        { "S3", 100 },
        { "S4", 200 },
        { "S5", 300 },
        { "S6", 400 },
        { "S7", 500 },
        { "S8", 45678901 },
        { "S9", 11 },
        { "S10", 22 },
        { "S11", 33 },
        { "S12", 44 },
        { "S13", 55 },
        { "S14", 66 },
        { "S15", 77 },
        { "S16", 88 },
        { "S17", 99 },
        { "S18", 1000 },
        { "S19", 2000 },
        { "OB", 250000000 },
    };
    return spec;
}

const std::map<QString, QString> &cantuTexts()
{
    static const std::map<QString, QString> texts {
        { "QRComunedi", QStringLiteral("COMUNE DI CANTÙ") },
        { "QRLabel83", QStringLiteral("COMUNE DI CANTÙ") },
        { "QRLabel10", "2013" },
        { "QRLabel25", "2013" },
        { "QRLabel185", "OBIETTIVO PROGRAMMATICO ANNUALE SALDO FINANZIARIO 2013" },
        { "QRDalAl", "Periodo selezionato: dal 01/01/2013 al 31/12/2013" },
        { "E1", "5.000.000,00" },
        { "E2", "1.200,00" },
        { "E3", "34,56" },
        { "E4", "0,01" },
        { "E5", "0,02" },
        { "E6", "0,03" },
        { "E7", "0,04" },
        { "E8", "0,05" },
        { "E9", "0,06" },
        { "E10", "0,07" },
        { "E11", "987.654,32" },
        { "E12", "100,00" },
        { "E13", "200,00" },
        { "E14", "300,00" },
        { "E15", "400,00" },
        { "E16", "500,00" },
        { "E17", "600,00" },
        // 5.000.000,00 + 1.200,00 + 34,56 - 0,28
        { "TotEntrCorrNette", "5.001.234,28" },
        // 987.654,32 - 2.100,00 (E12 to E17) - 700,00 (E18, which has no row)
        { "TotEntrateContoCapi", "984.854,32" },
        { "EntrateFinaliNette", "5.986.088,60" },
        { "s1", "3.000.000,00" },
        { "s2", "-123,45" },
        { "s3", "1,00" },
        { "s4", "2,00" },
        { "s5", "3,00" },
        { "s6", "4,00" },
        { "s7", "5,00" },
        { "s8", "456.789,01" },
        { "s9", "0,11" },
        { "s10", "0,22" },
        { "s11", "0,33" },
        { "s12", "0,44" },
        { "s13", "0,55" },
        { "s14", "0,66" },
        { "s15", "0,77" },
        { "s16", "0,88" },
        { "s17", "0,99" },
        // 3.000.000,00 + 123,45 - 15,00
        { "S1Spesecorr", "3.000.108,45" },
        // 456.789,01 - 4,95 (S9 to S17) - 10,00 - 20,00 (S18, S19)
        { "S2TotSpeseConCap", "456.754,06" },
        { "S3Spesefin", "3.456.862,51" },
        { "S5SaldoFin", "2.529.226,09" },
        { "S9Obiettivo", "2.500.000,00" },
        // SFIN - S19 once more - OB
        { "S10Dif", "29.206,09" },
        { "QRPATTO", "Patto rispettato" },
    };
    return texts;
}

TEST(StatementFilling, EveryValueLabelGetsItsTextAndNoOtherLabelChanges)
{
    const FilledForm filled(dataFileBytes(cantu()));
    EXPECT_TRUE(filled.form().complete());
    EXPECT_EQ(filled.missingFileCalls, 0);
    EXPECT_EQ(filled.readingErrors, QStringList());
    for (const auto &[name, text] : cantuTexts())
        EXPECT_EQ(filled.caption(name), text) << name.toStdString();

    std::set<QString> changed;
    for (const LoadedDesign *design : { &storedPageOne(), &storedPageTwo() })
        for (const TextLabel *stored : labelsOf(design->report))
            if (filled.caption(stored->name) != stored->caption)
                changed.insert(stored->name);
    std::set<QString> written;
    for (const auto &entry : cantuTexts())
        written.insert(entry.first);
    EXPECT_EQ(changed, written);
    EXPECT_EQ(written.size(), 6u + 43 + 1);
    EXPECT_EQ(filled.caption("QRLabel182"), "9.999.999.999");
}

TEST(StatementFilling, VerdictFollowsTheDifference)
{
    const struct
    {
        const char *name;
        long long objectiveCents;
        const char *dif;
        const char *verdict;
    } rows[] = {
        // In extended precision this difference is -4.5e-13, printed 0,00: judged as printed.
        { "zero difference with a binary residue", 252920609, "0,00", "Patto rispettato" },
        { "one cent short", 252920610, "-0,01", "Patto NON rispettato" },
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        DataFileSpec spec = cantu();
        spec.cents["OB"] = row.objectiveCents;
        const FilledForm filled(dataFileBytes(spec));
        EXPECT_EQ(filled.caption("S10Dif"), row.dif);
        EXPECT_EQ(filled.caption("QRPATTO"), row.verdict);
    }
}

TEST(StatementFilling, AmountsEndAtTheTemplateRightEdgeWhateverTheirLength)
{
    const struct
    {
        const char *name;
        long long cents;
        const char *text;
        bool leftOfX167; // wider than the 21.9 mm from the amount box's left edge to x 189.0
    } rows[] = {
        { "zero", 0, "0,00", false },
        { "negative", -123450, "-1.234,50", false },
        { "eleven digits", 99999999999, "999.999.999,99", false },
        { "the placeholder's digits and cents", 999999999900, "9.999.999.999,00", true },
        { "fourteen digits", 99999999999999, "999.999.999.999,99", true },
        { "fourteen characters, negative", -9999999999999, "-99.999.999.999,99", true },
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        DataFileSpec spec;
        for (int k = 1; k <= 19; ++k) {
            spec.cents[QStringLiteral("E%1").arg(k)] = k <= 17 ? row.cents : 0;
            spec.cents[QStringLiteral("S%1").arg(k)] = k <= 17 ? row.cents : 0;
        }
        const FilledForm filled(dataFileBytes(spec));
        ASSERT_TRUE(filled.form().complete());
        for (const QString &name : amountLabels()) {
            SCOPED_TRACE(name.toStdString());
            const TextLabel &label = filled.label(name);
            EXPECT_NEAR(label.box.right(), 189.0, kExact);
            EXPECT_NEAR(
                label.box.width, measuredWidthMm(label.caption, label.font, fonts()), kExact);
            // The lines' own amounts; the totals add them up into other lengths.
            const bool lineAmount = name.size() <= 3;
            if (lineAmount) {
                EXPECT_EQ(label.caption, row.text);
                EXPECT_EQ(label.box.left < 167.1, row.leftOfX167) << label.box.left;
            }
        }
    }
}

TEST(StatementFilling, YearKeepsItsLeftEdgeAndTheObjectiveCaptionItsCentre)
{
    const struct
    {
        const char *name;
        QByteArray year;
        QString objective;
    } rows[] = {
        { "four digits", "2013", "OBIETTIVO PROGRAMMATICO ANNUALE SALDO FINANZIARIO 2013" },
        { "two digits and two blanks", "12  ",
            "OBIETTIVO PROGRAMMATICO ANNUALE SALDO FINANZIARIO 12  " },
        { "one digit", "7", "OBIETTIVO PROGRAMMATICO ANNUALE SALDO FINANZIARIO 7   " },
        { "four blanks", "    ", "OBIETTIVO PROGRAMMATICO ANNUALE SALDO FINANZIARIO     " },
        { "four wide letters", "WWWW", "OBIETTIVO PROGRAMMATICO ANNUALE SALDO FINANZIARIO WWWW" },
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        DataFileSpec spec;
        spec.year = row.year;
        const FilledForm filled(dataFileBytes(spec));
        ASSERT_TRUE(filled.form().complete());
        for (const char *year : { "QRLabel10", "QRLabel25" }) {
            const TextLabel &label = filled.label(year);
            EXPECT_EQ(label.caption, QString::fromLatin1(row.year.leftJustified(4, ' '))) << year;
            EXPECT_NEAR(label.box.left, 174.6, kExact) << year;
            EXPECT_NEAR(
                label.box.width, measuredWidthMm(label.caption, label.font, fonts()), kExact);
        }
        const TextLabel &objective = filled.label("QRLabel185");
        EXPECT_EQ(objective.caption, row.objective);
        EXPECT_NEAR(objective.box.centreX(), 47.4 + 92.6 / 2, kExact);
        EXPECT_NEAR(
            objective.box.width, measuredWidthMm(row.objective, objective.font, fonts()), kExact);
    }
}

TEST(StatementFilling, MunicipalityStaysCentredOnTheBandWhateverItsLength)
{
    const struct
    {
        const char *name;
        QByteArray field;
        bool widerThanBand;
    } rows[] = {
        { "blank field", QByteArray(100, ' '), false },
        { "one letter", "X", false },
        { "name without prefix", "CANT\xD9", false },
        { "a hundred wide letters", QByteArray(100, 'W'), true },
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        DataFileSpec spec;
        spec.name = row.field;
        const FilledForm filled(dataFileBytes(spec));
        ASSERT_TRUE(filled.form().complete());
        for (const char *name : { "QRComunedi", "QRLabel83" }) {
            const TextLabel &label = filled.label(name);
            EXPECT_EQ(label.caption, QString::fromLatin1(row.field).trimmed()) << name;
            EXPECT_EQ(label.lines.size(), 1) << name;
            EXPECT_NEAR(label.box.centreX(), 189.9 / 2, kExact) << name;
            EXPECT_NEAR(
                label.box.width, measuredWidthMm(label.caption, label.font, fonts()), kExact);
            EXPECT_EQ(label.box.left < 0, row.widerThanBand) << name << " " << label.box.left;
        }
    }
}

// A faulty file stops the filling where it is met; what was written stays written.
TEST(StatementFilling, FaultyFileLeavesTheLabelsAfterTheFaultAtTheirTemplateCaptions)
{
    const QByteArray good = dataFileBytes(cantu());
    QByteArray badObjective = good;
    badObjective.replace(132, 14, "      12345.67"); // a decimal full stop under Italian settings
    QByteArray badE1 = good;
    badE1.replace(9, 14, "   1.234.567  ");
    const QStringList beforeAmounts = headerLabels();
    const QStringList names { "QRComunedi", "QRLabel83" };
    const struct
    {
        const char *name;
        QByteArray contents;
        QString error; // as the form reports it, before the error box adds its full stop
        QStringList written;
    } rows[] = {
        { "blank S6 on line 25", withAmountField(good, 25, QByteArray(14, ' ')),
            "'              ' is not a valid floating point value", beforeAmounts },
        { "E19 on line 19, which enters no figure", withAmountField(good, 19, "       12 34  "),
            "'       12 34  ' is not a valid floating point value", beforeAmounts },
        { "objective in the header", badObjective,
            "'      12345.67' is not a valid floating point value", names },
        { "E1 in the header", badE1, "'   1.234.567  ' is not a valid floating point value",
            names },
        { "file cut after the header", good.left(good.indexOf('\n') + 1),
            "'' is not a valid floating point value", beforeAmounts },
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const FilledForm filled(row.contents);
        EXPECT_FALSE(filled.form().complete());
        EXPECT_EQ(filled.missingFileCalls, 0);
        EXPECT_EQ(filled.readingErrors, QStringList { row.error });
        for (const QString &name : headerLabels() + amountLabels() + QStringList { "QRPATTO" }) {
            const QString expected
                = row.written.contains(name) ? cantuTexts().at(name) : storedLabel(name).caption;
            EXPECT_EQ(filled.caption(name), expected) << name.toStdString();
        }
    }
}

TEST(StatementFilling, MissingFileLeavesEveryLabelAtItsTemplateCaption)
{
    const FilledForm filled { QByteArray() };
    EXPECT_EQ(filled.missingFileCalls, 1);
    EXPECT_EQ(filled.readingErrors, QStringList());
    EXPECT_FALSE(filled.form().complete());
    int checked = 0;
    for (const LoadedDesign *design : { &storedPageOne(), &storedPageTwo() })
        for (const TextLabel *stored : labelsOf(design->report)) {
            EXPECT_EQ(filled.caption(stored->name), stored->caption) << stored->name.toStdString();
            ++checked;
        }
    EXPECT_EQ(checked, 95 + 115);
    const struct
    {
        const char *name;
        const char *caption;
    } placeholders[] = {
        { "QRComunedi", "COMUNE DI " },
        { "QRLabel83", "COMUNE DI " },
        { "QRLabel10", "2012" },
        { "QRLabel185", "OBIETTIVO PROGRAMMATICO ANNUALE SALDO FINANZIARIO 2011" },
        { "QRDalAl", "dal 01.01.2012 al 31.03.2012" },
        { "E1", "9.999.999.999" },
        { "S10Dif", "9.999.999.999" },
        { "QRPATTO", "PATTO xXxxxxxxxx" },
    };
    for (const auto &p : placeholders)
        EXPECT_EQ(filled.caption(p.name), p.caption) << p.name;
}

} // namespace
