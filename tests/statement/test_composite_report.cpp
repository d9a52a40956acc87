#include "statement/composite_report.h"
#include "statement/placement_log.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace monit12;

namespace monit12 {
void PrintTo(const Placement &p, std::ostream *os)
{
    *os << "{sheet " << p.sheet << ", " << p.band.toStdString() << ", " << p.xMm << ", " << p.yMm
        << '}';
}
} // namespace monit12

namespace {

// The statement's two pages reduced to their bands, with their stored heights in mm.
struct Statement
{
    Report one;
    Report two;
    CompositeReport composite;
    int addReportsCalls = 0;
    int printPositionBeforePageTwo = -1;

    explicit Statement(double titleOneHeight = 205.8080357142857, double titleTwoHeight = 276.9,
        bool pageTwoBeginsASheet = true)
    {
        one.name = "QuickRep1";
        one.page = { 100.0125, 2970, 100.0125, 2100, 100.0125, 100.0125, 0 };
        one.bands.resize(2);
        one.bands[0].name = "PageHeaderBand1";
        one.bands[0].kind = BandKind::PageHeader;
        one.bands[0].height = 21.92261904761905;
        one.bands[1].name = "TitleBand1";
        one.bands[1].height = titleOneHeight;

        two.name = "QuickRep2";
        two.bands.resize(1);
        two.bands[0].name = "TitleBand2";
        two.bands[0].height = titleTwoHeight;
        two.bands[0].beforePrint = [this, pageTwoBeginsASheet](Band &, bool &) {
            printPositionBeforePageTwo = composite.printPosition();
            if (pageTwoBeginsASheet)
                composite.newPage(two);
        };

        composite.setAddReportsHandler([this](CompositeReport &c) {
            ++addReportsCalls;
            c.addReport(&one);
            c.addReport(&two);
        });
    }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;
};

struct PassCase
{
    const char *name;
    double titleOne;
    double titleTwo;
    bool pageTwoBeginsASheet;
    std::vector<Placement> placements;
};

void PrintTo(const PassCase &c, std::ostream *os)
{
    *os << c.name;
}

class GenerationPass : public testing::TestWithParam<PassCase>
{
};

TEST_P(GenerationPass, PlacesTheBandsSo)
{
    const PassCase &c = GetParam();
    Statement statement(c.titleOne, c.titleTwo, c.pageTwoBeginsASheet);
    PlacementLog log;
    const int sheets = statement.composite.generate(log);
    EXPECT_EQ(log.placements(), c.placements);
    EXPECT_EQ(sheets, c.placements.back().sheet);
    EXPECT_EQ(log.sheetsBegun(), sheets);
    EXPECT_EQ(log.sheetsEnded(), sheets);
}

const Placement header { 1, "PageHeaderBand1", 10.0, 10.0 };
const Placement titleOne { 1, "TitleBand1", 10.0, 31.9 };

INSTANTIATE_TEST_SUITE_P(Cases, GenerationPass,
    testing::Values(PassCase { "statement", 205.8080357142857, 276.9, true,
                        { header, titleOne, { 2, "TitleBand2", 10.0, 10.0 } } },
        PassCase { "too_tall_page_two_stays_on_sheet_two_without_a_third", 205.8080357142857, 290,
            true, { header, titleOne, { 2, "TitleBand2", 10.0, 10.0 } } },
        PassCase { "short_page_one_does_not_pull_page_two_up", 50, 100, true,
            { header, titleOne, { 2, "TitleBand2", 10.0, 10.0 } } },
        // Without the handler only the fit test decides.
        PassCase { "fit_test_alone_moves_the_statement_page_two", 205.8080357142857, 276.9, false,
            { header, titleOne, { 2, "TitleBand2", 10.0, 10.0 } } },
        PassCase { "fit_test_alone_keeps_a_short_page_two", 50, 100, false,
            { header, titleOne, { 1, "TitleBand2", 10.0, 81.9 } } },
        // From 81.9 mm to the bottom margin at 287.0 mm there is 205.1 mm of room.
        PassCase { "band_exactly_filling_the_room_stays", 50, 205.1, false,
            { header, titleOne, { 1, "TitleBand2", 10.0, 81.9 } } },
        PassCase { "band_a_tenth_too_tall_moves", 50, 205.2, false,
            { header, titleOne, { 2, "TitleBand2", 10.0, 10.0 } } },
        PassCase { "heights_are_rounded_to_a_tenth", 50.04, 205.14, false,
            { header, titleOne, { 1, "TitleBand2", 10.0, 81.9 } } }),
    [](const testing::TestParamInfo<PassCase> &info) { return std::string(info.param.name); });

TEST(GenerationPass, PageOneEndsAt237_7LeavingItsRoom)
{
    Statement statement;
    PlacementLog log;
    statement.composite.generate(log);
    EXPECT_EQ(statement.printPositionBeforePageTwo, 2377);
    EXPECT_EQ(statement.composite.pageCount(), 2);
    // The last sheet is ended: the position stands at the bottom margin.
    EXPECT_EQ(statement.composite.printPosition(), 2870);
}

TEST(GenerationPass, AddReportsRunsTwicePerPreviewAndTwicePerPrint)
{
    Statement statement;
    CompositeReport &composite = statement.composite;

    // Preview: the handler is asked once for the first member, then again by the pass.
    composite.callAddReports();
    ASSERT_EQ(composite.reports().size(), 2u);
    PlacementLog preview;
    EXPECT_EQ(composite.generate(preview), 2);
    EXPECT_EQ(statement.addReportsCalls, 2);
    EXPECT_EQ(composite.reports().size(), 2u);

    // Print: the first call appends to what the last pass left.
    composite.callAddReports();
    EXPECT_EQ(composite.reports().size(), 4u);
    PlacementLog print;
    EXPECT_EQ(composite.generate(print), 2);
    EXPECT_EQ(statement.addReportsCalls, 4);
    EXPECT_EQ(composite.reports(), (std::vector<Report *> { &statement.one, &statement.two }));
    EXPECT_EQ(print.placements(), preview.placements());
}

TEST(GenerationPass, WithoutFirstPageHeaderTheFirstSheetHasNoHeader)
{
    Statement statement;
    statement.one.firstPageHeader = false;
    PlacementLog log;
    statement.composite.generate(log);
    EXPECT_EQ(log.placements(),
        (std::vector<Placement> {
            { 1, "TitleBand1", 10.0, 10.0 }, { 2, "TitleBand2", 10.0, 10.0 } }));
}

TEST(GenerationPass, PageHeaderPrintsOnALaterSheetInAnyCase)
{
    Statement statement(205.8080357142857, 100);
    statement.two.firstPageHeader = false;
    Band headerTwo;
    headerTwo.name = "PageHeaderBand2";
    headerTwo.kind = BandKind::PageHeader;
    headerTwo.height = 12;
    statement.two.bands.push_back(headerTwo);
    PlacementLog log;
    statement.composite.generate(log);
    EXPECT_EQ(log.placements(),
        (std::vector<Placement> { header, titleOne, { 2, "PageHeaderBand2", 10.0, 10.0 },
            { 2, "TitleBand2", 10.0, 22.0 } }));
}

TEST(GenerationPass, BandWhoseHandlerClearsThePrintFlagIsSkippedAndNothingMoves)
{
    Statement statement;
    statement.one.bands[0].beforePrint = [](Band &, bool &print) { print = false; };
    PlacementLog log;
    statement.composite.generate(log);
    EXPECT_EQ(log.placements(),
        (std::vector<Placement> {
            { 1, "TitleBand1", 10.0, 10.0 }, { 2, "TitleBand2", 10.0, 10.0 } }));
    EXPECT_EQ(statement.printPositionBeforePageTwo, 2158);
}

TEST(GenerationPass, NoMembersNoSheets)
{
    CompositeReport composite;
    PlacementLog log;
    EXPECT_EQ(composite.generate(log), 0);
    EXPECT_EQ(log.sheetsBegun(), 0);
    EXPECT_TRUE(log.placements().empty());
}

TEST(GenerationPass, NewPageOutsideAPassDoesNothing)
{
    Statement statement;
    statement.composite.newPage(statement.two);
    EXPECT_EQ(statement.composite.pageCount(), 0);
    EXPECT_FALSE(statement.composite.isGenerating());
}

} // namespace
