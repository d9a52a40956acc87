// The filled statement as one document: which band lands on which sheet, and where.
#include "test_statement_support.h"

#include "statement/placement_log.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace monit12;
using namespace monit12::formtest;

namespace monit12 {
void PrintTo(const Placement &p, std::ostream *os)
{
    *os << "sheet " << p.sheet << ' ' << p.band.toStdString() << " at (" << p.xMm << ", " << p.yMm
        << ')';
}
} // namespace monit12

namespace {

const std::vector<Placement> kTwoSheets {
    { 1, "PageHeaderBand1", 10.0, 10.0 },
    { 1, "TitleBand1", 10.0, 31.9 },
    { 2, "TitleBand2", 10.0, 10.0 },
};

TEST(StatementDocument, TwoSheetsPageOneThenPageTwo)
{
    FilledForm filled(sampleFileBytes());
    PlacementLog log;
    EXPECT_EQ(filled.form().QRCompositeReport1.generate(log), 2);
    EXPECT_EQ(log.sheetsBegun(), 2);
    EXPECT_EQ(log.sheetsEnded(), 2);
    ASSERT_EQ(log.placements(), kTwoSheets);
    // Page two's band ends 0.1 mm above the bottom margin at 287.0 mm.
    const Band &titleBand2 = filled.form().QuickRep2.bands.at(0);
    EXPECT_NEAR(log.placements()[2].yMm + std::round(titleBand2.height * 10) / 10, 286.9, 1e-9);
}

// The add-reports handler only appends; the composite empties its list before every pass.
TEST(StatementDocument, EveryPassGivesTheSameDocument)
{
    FilledForm filled(sampleFileBytes());
    CompositeReport &composite = filled.form().QRCompositeReport1;
    for (int pass = 1; pass <= 3; ++pass) {
        SCOPED_TRACE(pass);
        PlacementLog log;
        EXPECT_EQ(composite.generate(log), 2);
        EXPECT_EQ(log.placements(), kTwoSheets);
        EXPECT_EQ(composite.reports(),
            (std::vector<Report *> { &filled.form().QuickRep1, &filled.form().QuickRep2 }));
    }
}

// A statement filled only in part, or not at all, is the same two sheets.
TEST(StatementDocument, UnfilledStatementHasTheSameSheets)
{
    const QByteArray bad = withAmountField(dataFileBytes({}), 25, QByteArray(14, ' '));
    for (const QByteArray &contents : { bad, QByteArray() }) {
        FilledForm filled(contents);
        ASSERT_FALSE(filled.form().complete());
        PlacementLog log;
        EXPECT_EQ(filled.form().QRCompositeReport1.generate(log), 2);
        EXPECT_EQ(log.placements(), kTwoSheets);
    }
}

} // namespace
