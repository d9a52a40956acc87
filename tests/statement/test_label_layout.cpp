#include "engine_test_support.h"

#include "statement/label_layout.h"
#include "statement/label_lookup.h"

#include <gtest/gtest.h>

using namespace monit12;

namespace {

const OneMmPerCharacter metrics;

// Measured widths under the fake metrics are whole characters plus 0.26 mm.
struct BreakCase
{
    const char *name;
    QString caption;
    double boxWidth;
    bool autoSize;
    QStringList lines;
};

void PrintTo(const BreakCase &c, std::ostream *os)
{
    *os << c.name;
}

class BreakCaption : public testing::TestWithParam<BreakCase>
{
};

TEST_P(BreakCaption, GivesTheseLines)
{
    const BreakCase &c = GetParam();
    const TextLabel label
        = makeLabel(c.caption, { 0, 0, c.boxWidth, 20 }, Alignment::Left, c.autoSize);
    EXPECT_EQ(breakCaption(label, metrics), c.lines);
}

INSTANTIATE_TEST_SUITE_P(Cases, BreakCaption,
    testing::Values(BreakCase { "fits_on_one_line", "abc def", 10, false, { "abc def" } },
        // "ab cd " is 6.26 with the trailing space, too wide, though "ab cd" would fit.
        BreakCase { "trailing_space_counts_and_stays", "ab cd ef", 5.5, false, { "ab ", "cd ef" } },
        BreakCase { "hyphen_ends_a_word", "alpha-beta", 7, false, { "alpha-", "beta" } },
        BreakCase { "fits_by_a_hair", "abc", 3.27, false, { "abc" } },
        BreakCase { "misses_by_a_hair", "abc d", 5.25, false, { "abc ", "d" } },
        BreakCase { "carriage_return_ends_a_line", "ab\rcd", 20, false, { "ab", "cd" } },
        BreakCase { "line_feed_is_dropped", "ab\ncd", 20, false, { "abcd" } },
        BreakCase { "crlf_is_one_break", "ab\r\ncd", 20, false, { "ab", "cd" } },
        BreakCase {
            "two_carriage_returns_leave_an_empty_line", "a\r\rb", 20, false, { "a", "", "b" } },
        BreakCase { "empty_caption_is_one_empty_line", "", 20, false, { "" } },
        BreakCase { "overwide_word_cut_next_word_on_new_line", "abcdefghij xy", 5, false,
            { "abcd", "xy" } },
        BreakCase {
            "overwide_word_after_a_fitting_word", "ab abcdefghij", 5, false, { "ab ", "abcd" } },
        BreakCase { "overwide_word_loses_only_its_own_rest", "abcdefgh-ij kl", 5.5, false,
            { "abcde", "ij kl" } },
        BreakCase { "sized_to_text_never_wraps", "a long line that would wrap", 3, true,
            { "a long line that would wrap" } },
        BreakCase {
            "sized_to_text_breaks_at_carriage_return", "ab\r\ncd ef", 3, true, { "ab", "cd ef" } }),
    [](const testing::TestParamInfo<BreakCase> &info) { return std::string(info.param.name); });

struct SizeCase
{
    const char *name;
    QString caption;
    Alignment alignment;
    MmRect before;
    MmRect after;
};

void PrintTo(const SizeCase &c, std::ostream *os)
{
    *os << c.name;
}

class SizeToText : public testing::TestWithParam<SizeCase>
{
};

TEST_P(SizeToText, GivesThisBox)
{
    const SizeCase &c = GetParam();
    TextLabel label = makeLabel(c.caption, c.before, c.alignment);
    label.font = { 8, false };
    sizeToText(label, metrics);
    EXPECT_NEAR(label.box.left, c.after.left, 1e-9);
    EXPECT_NEAR(label.box.width, c.after.width, 1e-9);
    EXPECT_NEAR(label.box.top, c.after.top, 1e-9);
    EXPECT_NEAR(label.box.height, c.after.height, 1e-9);
}

// One 8-pt line is 1.117 * 8 * 25.4 / 72 mm.
const double line8 = 1.117 * 8 * 25.4 / 72;

INSTANTIATE_TEST_SUITE_P(Cases, SizeToText,
    testing::Values(SizeCase { "left_keeps_left_edge", "abcd", Alignment::Left, { 10, 2, 20, 4 },
                        { 10, 2, 4.26, 4 } },
        SizeCase { "right_keeps_right_edge", "abcd", Alignment::Right, { 10, 2, 20, 4 },
            { 25.74, 2, 4.26, 4 } },
        SizeCase { "right_grows_to_the_left", "abcdefghijklmnopqrstuvwxyz", Alignment::Right,
            { 10, 2, 20, 4 }, { 3.74, 2, 26.26, 4 } },
        SizeCase { "centre_keeps_centre", "abcd", Alignment::Centre, { 10, 2, 20, 4 },
            { 17.87, 2, 4.26, 4 } },
        SizeCase { "widest_line_sets_width", "ab\rabcdef\rabc", Alignment::Left, { 10, 2, 20, 4 },
            { 10, 2, 6.26, 4 } },
        SizeCase { "empty_caption_keeps_a_sliver", "", Alignment::Right, { 10, 2, 20, 4 },
            { 29.74, 2, 0.26, 4 } },
        SizeCase { "low_box_grows_to_one_line", "abcd", Alignment::Left, { 10, 2, 20, 1 },
            { 10, 2, 4.26, line8 } },
        SizeCase { "tall_box_never_shrinks", "abcd", Alignment::Left, { 10, 2, 20, 9 },
            { 10, 2, 4.26, 9 } }),
    [](const testing::TestParamInfo<SizeCase> &info) { return std::string(info.param.name); });

TEST(CentreOnBand, CentresOnTheBandWhateverTheStoredLeft)
{
    TextLabel label = makeLabel("abcd", { 3, 0, 4.26, 4 }, Alignment::Centre);
    centreOnBand(label, 189.9);
    EXPECT_NEAR(label.box.centreX(), 94.95, 1e-9);
}

TEST(CentreOnBand, WiderThanTheBandReachesEquallyBeyondBothEdges)
{
    TextLabel label = makeLabel("x", { 50, 0, 200.26, 4 }, Alignment::Centre);
    centreOnBand(label, 189.9);
    EXPECT_NEAR(label.box.left, -5.18, 1e-9);
    EXPECT_NEAR(label.box.right(), 189.9 + 5.18, 1e-9);
}

TEST(LayoutLabel, SizesThenCentresOnBandAndFillsTheLines)
{
    TextLabel label = makeLabel("COMUNE DI ", { 79.8, 0.6, 30.4, 6.2 }, Alignment::Centre);
    label.alignToBand = true;
    layoutLabel(label, 189.9, metrics);
    EXPECT_NEAR(label.box.width, 10.26, 1e-9);
    EXPECT_NEAR(label.box.left, (189.9 - 10.26) / 2, 1e-9);
    EXPECT_EQ(label.lines, QStringList { "COMUNE DI " });
}

TEST(LayoutLabel, FixedBoxKeepsItsBox)
{
    TextLabel label = makeLabel("ab cd ef", { 19.8, 40.3, 5.5, 10.4 }, Alignment::Left, false);
    layoutLabel(label, 189.9, metrics);
    EXPECT_EQ(label.box, (MmRect { 19.8, 40.3, 5.5, 10.4 }));
    EXPECT_EQ(label.lines, (QStringList { "ab ", "cd ef" }));
}

TEST(SetCaption, RightAlignedAmountStillEndsAtItsRightEdge)
{
    TextLabel label = makeLabel("9.999.999.999", { 170.5, 21.5, 18.5, 4.3 }, Alignment::Right);
    setCaption(label, "1.234,56", 189.9, metrics);
    EXPECT_EQ(label.caption, "1.234,56");
    EXPECT_EQ(label.lines, QStringList { "1.234,56" });
    EXPECT_NEAR(label.box.width, 8.26, 1e-9);
    EXPECT_NEAR(label.box.right(), 189.0, 1e-9);
    setCaption(label, "12.345.678.901.234,56", 189.9, metrics);
    EXPECT_NEAR(label.box.right(), 189.0, 1e-9);
    EXPECT_NEAR(label.box.left, 189.0 - 21.26, 1e-9);
}

TEST(LayoutReport, LaysOutEveryLabelWithItsOwnBandWidth)
{
    Report report;
    Band narrow;
    narrow.width = 100;
    TextLabel centred = makeLabel("abcd", { 0, 0, 50, 4 }, Alignment::Centre);
    centred.alignToBand = true;
    narrow.elements.push_back(labelElement(centred));
    Band wide;
    wide.elements.push_back(shapeElement({ 0, 0, 5, 5 }, kWhite));
    wide.elements.push_back(labelElement(makeLabel("ab", { 7, 0, 50, 4 })));
    report.bands = { narrow, wide };

    layoutReport(report, metrics);

    const TextLabel *first = report.bands[0].elements[0].label();
    EXPECT_NEAR(first->box.left, (100 - 4.26) / 2, 1e-9);
    const TextLabel *second = report.bands[1].elements[1].label();
    EXPECT_NEAR(second->box.width, 2.26, 1e-9);
    EXPECT_EQ(second->lines, QStringList { "ab" });
}

TEST(FindLabel, FindsALabelOnEitherPageWithItsBand)
{
    Report one;
    one.bands.resize(1);
    one.bands[0].elements.push_back(labelElement(makeLabel("E1", {})));
    Report two;
    two.bands.resize(2);
    two.bands[1].name = "TitleBand2";
    two.bands[1].elements.push_back(shapeElement({}, kWhite));
    two.bands[1].elements.push_back(labelElement(makeLabel("S10Dif", {})));
    Report *const pages[] = { &one, &two };

    const LabelInBand found = findLabel(pages, "S10Dif");
    ASSERT_TRUE(found);
    EXPECT_EQ(found.label->name, "S10Dif");
    EXPECT_EQ(found.band->name, "TitleBand2");
    EXPECT_EQ(findLabel(pages, "E1").label, one.bands[0].elements[0].label());
    EXPECT_FALSE(findLabel(pages, "E99"));
}

} // namespace
