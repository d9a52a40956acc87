// Both page templates as the statement form lays them out from their template captions,
// before anything is filled: anchors, widths from the exact metrics, and the lines each
// fixed box prints.
#include "test_statement_support.h"

#include "statement/text_metrics.h"

#include <gtest/gtest.h>

#include <set>

using namespace monit12;
using namespace monit12::formtest;

namespace {

constexpr double kBandCentreMm = 189.9 / 2;
constexpr double kExact = 1e-9;

// No data file: every label keeps its template caption.
const FilledForm &templates()
{
    static const FilledForm form { QByteArray() };
    return form;
}

TEST(StatementTemplates, SizedToTextLabelsKeepTheirAnchorAndTakeTheExactWidth)
{
    int checked = 0;
    for (const LoadedDesign *design : { &storedPageOne(), &storedPageTwo() }) {
        for (const TextLabel *stored : labelsOf(design->report)) {
            if (!stored->autoSize)
                continue;
            ++checked;
            SCOPED_TRACE(stored->name.toStdString());
            const TextLabel &laid = templates().label(stored->name);
            ASSERT_EQ(laid.caption, stored->caption);
            ASSERT_EQ(laid.lines, QStringList { stored->caption });
            EXPECT_NEAR(
                laid.box.width, measuredWidthMm(stored->caption, stored->font, fonts()), kExact);
            if (stored->alignToBand)
                EXPECT_NEAR(laid.box.centreX(), kBandCentreMm, kExact);
            else if (stored->alignment == Alignment::Left)
                EXPECT_NEAR(laid.box.left, stored->box.left, kExact);
            else if (stored->alignment == Alignment::Right)
                EXPECT_NEAR(laid.box.right(), stored->box.right(), kExact);
            else
                EXPECT_NEAR(laid.box.centreX(), stored->box.centreX(), kExact);
            EXPECT_EQ(laid.box.top, stored->box.top);
            EXPECT_NEAR(
                laid.box.height, std::max(stored->box.height, lineHeightMm(stored->font)), kExact);
        }
    }
    // Page one: 95 labels, 17 of them fixed boxes; page two: 115 labels, 25 fixed.
    EXPECT_EQ(checked, 78 + 90);
}

// The stored widths are those of a 96-dpi screen; the layout measures at the exact point size.
TEST(StatementTemplates, WidthsAreTheExactLiberationWidthsNotTheStoredScreenWidths)
{
    const struct
    {
        const char *name;
        double storedWidthMm;
        double exactWidthMm; // advance widths at the point size + 0.26 mm
        double anchorMm;
    } rows[] = {
        // Left-aligned: the left edge stays.
        { "QRLabel34", 17.2, 16.73, 148.4 }, // "Accertamenti", 8 pt
        { "QRLabel28", 41.6, 37.58, 34.4 }, // "Totale entrate correnti nette", 8 pt bold
        // Centred on the band: the centre is the band's.
        { "QRComunedi", 30.4, 29.89, kBandCentreMm }, // "COMUNE DI ", 14 pt bold
        // Centred in its place: "MONIT/12" stays centred on x 184.1.
        { "QRLabel53", 9.8, 10.02, 184.1 },
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const TextLabel &laid = templates().label(row.name);
        EXPECT_NEAR(storedLabel(row.name).box.width, row.storedWidthMm, kExact);
        EXPECT_NEAR(laid.box.width, row.exactWidthMm, 0.005);
        const double anchor
            = laid.alignment == Alignment::Left ? laid.box.left : laid.box.centreX();
        EXPECT_NEAR(anchor, row.anchorMm, kExact);
    }
}

TEST(StatementTemplates, FixedBoxesKeepTheirStoredBox)
{
    int checked = 0;
    for (const LoadedDesign *design : { &storedPageOne(), &storedPageTwo() }) {
        for (const TextLabel *stored : labelsOf(design->report)) {
            if (stored->autoSize)
                continue;
            ++checked;
            SCOPED_TRACE(stored->name.toStdString());
            const MmRect laid = templates().label(stored->name).box;
            MmRect expected = stored->box;
            // The period line is the one fixed box centred on the band.
            if (stored->alignToBand)
                expected.left = kBandCentreMm - expected.width / 2;
            EXPECT_NEAR(laid.left, expected.left, kExact);
            EXPECT_EQ(laid.top, expected.top);
            EXPECT_EQ(laid.width, expected.width);
            EXPECT_EQ(laid.height, expected.height);
        }
    }
    EXPECT_EQ(checked, 17 + 25);
}

// Every fixed box holds exactly the lines its height has room for, but two.
TEST(StatementTemplates, FixedBoxesFillTheirRoomExceptTwo)
{
    const TextLabel &s15 = labelStartingWith(
        templates().form().QuickRep2, "Spese in conto capitale sostenute dal comune di Parma");
    const TextLabel &currentTotal
        = labelStartingWith(templates().form().QuickRep2, "Totale spese correnti nette");
    std::set<QString> overflowing;
    int checked = 0;
    for (const LoadedDesign *design : { &storedPageOne(), &storedPageTwo() }) {
        for (const auto &[name, room] : design->roomForLines) {
            ++checked;
            SCOPED_TRACE(name.toStdString());
            const TextLabel &laid = templates().label(name);
            EXPECT_EQ(linesThatFit(laid), room) << laid.lines.join(" | ").toStdString();
            if (laid.lines.size() != room)
                overflowing.insert(name);
        }
    }
    EXPECT_EQ(checked, 17 + 25);
    EXPECT_EQ(overflowing, (std::set<QString> { s15.name, currentTotal.name }));

    EXPECT_EQ(s15.lines.size(), 4);
    EXPECT_EQ(linesThatFit(s15), 2);
    // The two lines it prints end above row S16 (top 177.8).
    EXPECT_LT(s15.box.top + 2 * lineHeightMm(s15.font), 177.8);

    // Bold 8 pt "Totale spese correnti nette" is wider than 34.8 mm: "nette" wraps and drops.
    EXPECT_EQ(currentTotal.lines, (QStringList { "Totale spese correnti ", "nette" }));
    EXPECT_EQ(linesThatFit(currentTotal), 1);
}

TEST(StatementTemplates, PageTwoLineCounts)
{
    const struct
    {
        const char *what;
        const char *captionStart;
        int lines;
    } rows[] = {
        { "S2", "Spese correnti sostenute per l'attuazione", 3 },
        { "S3", "Spese correnti sostenute a seguito di dichiarazione", 2 },
        { "S4", "Spese correnti relative all'utilizzo", 2 },
        { "S5", "Spese connesse alle risorse provenienti dall'ISTAT", 2 },
        { "S6", "Spese correnti sostenute dal comune di Milano", 3 },
        { "S7", "Spese correnti relative ai beni trasferiti", 3 },
        { "S9", "Spese derivanti dalla concessione di crediti", 1 },
        { "S10", "Spese in conto capitale  sostenute per l'attuazione", 3 },
        { "S11", "Spese in conto capitale sostenute a seguito", 2 },
        { "S12", "Spese in conto capitale relative all'utilizzo", 2 },
        { "S13", "Spese in conto capitalesostenute", 2 },
        { "S14", "Spese in conto capitale sostenute dai comuni della provincia de L'Aquila", 3 },
        { "S15, of four", "Spese in conto capitale sostenute dal comune di Parma", 2 },
        { "S16", "Spese in conto capitale sostenute dal comune di Milano", 3 },
        { "S17", "Spese inconto capitale", 3 },
        { "footnote (1)", "(1) ", 1 },
        { "footnote (2)", "(2) L'esclusione", 1 },
        { "footnote (3)", "(3) L'esclusione", 1 },
        { "footnote (4)", "(4) L'esclusione", 2 },
        { "footnote (5)", "(5) Con riferiemnto", 1 },
        { "current total caption", "Totale spese correnti nette", 1 },
        { "capital total caption", "Totale spese in conto capitale nette ", 1 },
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        const TextLabel &laid
            = labelStartingWith(templates().form().QuickRep2, QString::fromUtf8(row.captionStart));
        EXPECT_FALSE(laid.autoSize);
        EXPECT_EQ(linesThatFit(laid), row.lines);
    }
}

} // namespace
