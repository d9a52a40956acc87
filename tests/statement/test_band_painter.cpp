#include "engine_test_support.h"

#include "statement/band_painter.h"
#include "statement/label_layout.h"
#include "statement/sheet_transform.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <optional>

using namespace monit12;

namespace {

// 10 pixels per millimetre: pixel i covers [i/10, (i+1)/10) mm.
constexpr int kDpi = 254;
const QRgb kBackground = qRgb(128, 128, 128);
const QRgb kYellow = qRgb(255, 255, 206);
const QRgb kWhitePixel = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);

QImage paintBand(const Band &band, double xMm, double yMm, int dpi = kDpi)
{
    QImage image(qRound(60 * dpi / 25.4), qRound(40 * dpi / 25.4), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(kBackground);
    QPainter painter(&image);
    applySheetTransform(painter);
    BandPainter(testFonts()).paint(painter, band, xMm, yMm);
    return image;
}

int toPixel(double mm, const QImage &image)
{
    return int(mm * image.dotsPerMeterX() / 1000);
}

QRgb pixelAt(const QImage &image, double xMm, double yMm)
{
    return image.pixel(toPixel(xMm, image), toPixel(yMm, image));
}

bool isInk(QRgb pixel)
{
    return qGray(pixel) < 128;
}

struct InkExtent
{
    double left, right, top, bottom; // mm, outer edges of the inked pixels
};

std::optional<InkExtent> inkExtent(const QImage &image, MmRect area)
{
    std::optional<InkExtent> extent;
    const double mmPerPixel = 1000.0 / image.dotsPerMeterX();
    for (int y = toPixel(area.top, image); y < toPixel(area.bottom(), image); ++y)
        for (int x = toPixel(area.left, image); x < toPixel(area.right(), image); ++x) {
            if (!isInk(image.pixel(x, y)))
                continue;
            const InkExtent px { x * mmPerPixel, (x + 1) * mmPerPixel, y * mmPerPixel,
                (y + 1) * mmPerPixel };
            if (!extent)
                extent = px;
            extent->left = std::min(extent->left, px.left);
            extent->right = std::max(extent->right, px.right);
            extent->top = std::min(extent->top, px.top);
            extent->bottom = std::max(extent->bottom, px.bottom);
        }
    return extent;
}

Band band(double width, double height)
{
    Band b;
    b.name = "band";
    b.width = width;
    b.height = height;
    return b;
}

void addLabel(Band &b, TextLabel label)
{
    layoutLabel(label, b.width, testFonts());
    b.elements.push_back(labelElement(std::move(label)));
}

TEST(BandPainter, FillsTheBandWhiteAndNothingElse)
{
    const QImage image = paintBand(band(40, 20), 5, 5);
    EXPECT_EQ(pixelAt(image, 5.05, 5.05), kWhitePixel);
    EXPECT_EQ(pixelAt(image, 44.95, 24.95), kWhitePixel);
    EXPECT_EQ(pixelAt(image, 4.95, 10), kBackground);
    EXPECT_EQ(pixelAt(image, 45.05, 10), kBackground);
    EXPECT_EQ(pixelAt(image, 20, 25.05), kBackground);
}

TEST(BandPainter, TransparentLabelLeavesTheYellowAroundItsText)
{
    for (const bool transparent : { true, false }) {
        Band b = band(40, 20);
        b.elements.push_back(shapeElement({ 0, 0, 30, 10 }, kLightYellow));
        TextLabel label = makeLabel("1.234,56", { 2, 2, 25, 5 }, Alignment::Right, false);
        label.transparent = transparent;
        addLabel(b, label);
        const QImage image = paintBand(b, 0, 0);
        // Left of the right-aligned figure, inside the label's box.
        EXPECT_EQ(pixelAt(image, 5, 4), transparent ? kYellow : kWhitePixel) << transparent;
        EXPECT_EQ(pixelAt(image, 28.5, 4), kYellow) << "outside the box";
        EXPECT_TRUE(inkExtent(image, { 2, 2, 25, 5 })) << "the figure is drawn";
    }
}

TEST(BandPainter, LaterElementCoversEarlier)
{
    const Element yellow = shapeElement({ 0, 0, 20, 10 }, kLightYellow);
    const Element white = shapeElement({ 10, 0, 20, 10 }, kWhite);
    Band yellowFirst = band(40, 20);
    yellowFirst.elements = { yellow, white };
    Band whiteFirst = band(40, 20);
    whiteFirst.elements = { white, yellow };
    EXPECT_EQ(pixelAt(paintBand(yellowFirst, 0, 0), 15, 5), kWhitePixel);
    EXPECT_EQ(pixelAt(paintBand(whiteFirst, 0, 0), 15, 5), kYellow);
}

TEST(BandPainter, ShapeOutlineIsOneDevicePixel)
{
    Band b = band(40, 20);
    b.elements.push_back(shapeElement({ 10, 5, 20, 10 }, kLightYellow));
    const QImage image = paintBand(b, 0, 0);
    int inked = 0;
    for (int x = toPixel(8, image); x < toPixel(12, image); ++x)
        inked += isInk(image.pixel(x, toPixel(10, image)));
    EXPECT_EQ(inked, 1);
    EXPECT_EQ(pixelAt(image, 11, 10), kYellow);
}

// The later rectangle's fill hides the earlier one's right edge; its own left edge remains.
TEST(BandPainter, RectanglesOverlappingAlongAnEdgeShowOneLine)
{
    Band b = band(40, 20);
    b.elements.push_back(shapeElement({ 0, 0, 20.2, 10 }, kLightYellow));
    b.elements.push_back(shapeElement({ 20, 0, 20, 10 }, kLightYellow));
    const QImage image = paintBand(b, 0, 0);
    int inked = 0;
    for (int x = toPixel(19, image); x < toPixel(21.5, image); ++x)
        inked += isInk(image.pixel(x, toPixel(5, image)));
    EXPECT_EQ(inked, 1);
}

struct FrameProbe
{
    const char *name;
    double xMm, yMm;
    QRgb expected;
};

// A 40 x 20 mm band at (5, 5) framed on every side: bars 1 pt (0.35 mm) thick inside the
// frame rectangle, which ends 0.1 mm below the band.
TEST(BandPainter, FrameBarsLieInsideTheFrameRectangle)
{
    Band b = band(40, 20);
    b.frame = { true, true, true, true };
    const QImage image = paintBand(b, 5, 5);
    const FrameProbe probes[] = {
        { "left bar outer", 5.05, 15, kBlack },
        { "left bar inner", 5.25, 15, kBlack },
        { "inside left bar", 5.45, 15, kWhitePixel },
        { "right bar outer", 44.95, 15, kBlack },
        { "inside right bar", 44.55, 15, kWhitePixel },
        { "top bar", 20, 5.25, kBlack },
        { "below top bar", 20, 5.45, kWhitePixel },
        { "bottom bar below band", 20, 25.05, kBlack },
        { "bottom bar in band", 20, 24.85, kBlack },
        { "above bottom bar", 20, 24.65, kWhitePixel },
        { "below frame", 20, 25.15, kBackground },
    };
    for (const FrameProbe &p : probes)
        EXPECT_EQ(pixelAt(image, p.xMm, p.yMm), p.expected) << p.name;
}

TEST(BandPainter, FrameSideOffDrawsNothing)
{
    Band b = band(40, 20);
    b.frame = { false, false, true, false };
    const QImage image = paintBand(b, 5, 5);
    EXPECT_EQ(pixelAt(image, 5.05, 15), kBlack);
    EXPECT_EQ(pixelAt(image, 20, 5.05), kWhitePixel);
    EXPECT_EQ(pixelAt(image, 44.95, 15), kWhitePixel);
    EXPECT_EQ(pixelAt(image, 20, 25.05), kBackground);
}

// At 36 dpi a point is half a pixel; placed between two pixel centres it would vanish.
TEST(BandPainter, FrameBarIsAtLeastOneDevicePixel)
{
    Band b = band(40, 20);
    b.frame.left = true;
    const double left = 7.6 * 25.4 / 36;
    const QImage image = paintBand(b, left, 5, 36);
    EXPECT_EQ(image.pixel(8, toPixel(15, image)), kBlack);
}

struct FitCase
{
    const char *name;
    double boxHeight;
    int linesDrawn;
};

void PrintTo(const FitCase &c, std::ostream *os)
{
    *os << c.name;
}

class LineFit : public testing::TestWithParam<FitCase>
{
};

// 8-pt lines are 3.153 mm apart; line k is drawn when (k + 1) lines fit in the box + 0.1 mm.
TEST_P(LineFit, DrawsOnlyTheLinesThatFit)
{
    const FitCase &c = GetParam();
    Band b = band(50, 30);
    TextLabel label
        = makeLabel("MMMM\rMMMM\rMMMM\rMMMM", { 2, 2, 30, c.boxHeight }, Alignment::Left, false);
    addLabel(b, label);
    const QImage image = paintBand(b, 0, 0);
    const double pitch = lineHeightMm({ 8, false });
    int drawn = 0;
    for (int k = 0; k < 4; ++k)
        drawn += inkExtent(image, { 2, 2 + k * pitch + 0.1, 30, pitch - 0.2 }).has_value();
    EXPECT_EQ(drawn, c.linesDrawn);
}

INSTANTIATE_TEST_SUITE_P(Cases, LineFit,
    testing::Values(FitCase { "template_box_10_4_has_room_for_3", 10.4, 3 },
        FitCase { "tolerance_lets_the_third_in", 9.4, 3 },
        FitCase { "just_short_of_the_third", 9.3, 2 }, FitCase { "room_for_all_4", 12.6, 4 }),
    [](const testing::TestParamInfo<FitCase> &info) { return std::string(info.param.name); });

struct AnchorCase
{
    const char *name;
    QString caption;
    Alignment alignment;
    double inkLeft; // mm, where the ink should begin ...
    double inkRight; // ... and end, within the side bearings of the glyphs
};

void PrintTo(const AnchorCase &c, std::ostream *os)
{
    *os << c.name;
}

class TextAnchor : public testing::TestWithParam<AnchorCase>
{
};

// A fixed box from x 10 to 50 at y 2; "MMMM" in 8 pt is 4 x 2.35 mm wide with bearings of
// about 0.2 mm; a trailing space (0.78 mm) counts when the line is aligned.
TEST_P(TextAnchor, LinesStandAtTheirAnchor)
{
    const AnchorCase &c = GetParam();
    Band b = band(60, 20);
    addLabel(b, makeLabel(c.caption, { 10, 2, 40, 4 }, c.alignment, false));
    const auto ink = inkExtent(paintBand(b, 0, 0), { 0, 0, 60, 20 });
    ASSERT_TRUE(ink);
    EXPECT_NEAR(ink->left, c.inkLeft, 0.35);
    EXPECT_NEAR(ink->right, c.inkRight, 0.35);
    // Baseline one ascent (2.55 mm) below the box's top; "M" sits on it.
    EXPECT_NEAR(ink->bottom, 2 + ascentMm({ 8, false }), 0.15);
}

INSTANTIATE_TEST_SUITE_P(Cases, TextAnchor,
    testing::Values(AnchorCase { "left", "MMMM", Alignment::Left, 10.2, 19.2 },
        AnchorCase { "centre", "MMMM", Alignment::Centre, 25.5, 34.5 },
        AnchorCase { "right", "MMMM", Alignment::Right, 40.8, 49.8 },
        AnchorCase { "right_with_trailing_space", "MMMM ", Alignment::Right, 40.0, 49.0 }),
    [](const testing::TestParamInfo<AnchorCase> &info) { return std::string(info.param.name); });

TEST(BandPainter, NothingIsClipped)
{
    Band b = band(30, 10);
    addLabel(b, makeLabel("MMMM", { -8, 2, 10, 4 }, Alignment::Left, false));
    const QImage image = paintBand(b, 20, 5);
    const auto ink = inkExtent(image, { 0, 0, 60, 40 });
    ASSERT_TRUE(ink);
    EXPECT_LT(ink->left, 13);
    // Below the baseline, inside the label's box, left of the band.
    EXPECT_EQ(pixelAt(image, 12.5, 10.5), kWhitePixel) << "the opaque box beyond the band";
}

} // namespace
