// What shows on the two rendered sheets of the filled statement: pixel probes at 300 dpi on the
// sheets as the preview records them.
#include "test_statement_support.h"

#include "statement/text_metrics.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace monit12;
using namespace monit12::formtest;

namespace {

constexpr int kDpi = 300;

struct Cell
{
    const char *amountLabel;
    MmRect inBand; // the yellow rectangle, band millimetres
};

MmRect shrunk(const MmRect &r, double by)
{
    return { r.left + by, r.top + by, r.width - 2 * by, r.height - 2 * by };
}

MmRect grown(const MmRect &r, double by)
{
    return shrunk(r, -by);
}

Band &titleBand2(TFStampa &form)
{
    return form.QuickRep2.bands.at(0);
}

TEST(StatementSheets, YellowCellsShowAroundTheirTransparentAmounts)
{
    FilledForm filled(sampleFileBytes());
    ASSERT_TRUE(filled.form().complete());
    const std::vector<QImage> sheets = renderSheets(filled.form(), kDpi);
    ASSERT_EQ(sheets.size(), 2u);
    const struct
    {
        int sheet;
        double bandTop;
        std::vector<Cell> cells;
    } pages[] = {
        { 0, kTitleBand1TopMm,
            {
                { "TotEntrCorrNette", { 167.1, 109.6, 22.9, 8.1 } },
                { "TotEntrateContoCapi", { 166.9, 184.8, 22.9, 7.2 } },
                { "EntrateFinaliNette", { 166.9, 191.8, 22.9, 13.8 } },
            } },
        { 1, kTitleBand2TopMm,
            {
                { "S1Spesecorr", { 167.1, 100.9, 22.9, 6.8 } },
                { "S2TotSpeseConCap", { 167.1, 206.0, 22.9, 7.0 } },
                { "S3Spesefin", { 167.1, 212.8, 22.9, 8.3 } },
                { "S5SaldoFin", { 167.1, 220.7, 22.9, 8.3 } },
                { "S10Dif", { 167.1, 239.8, 22.9, 8.3 } },
            } },
    };
    for (const auto &page : pages) {
        const QImage &sheet = sheets[page.sheet];
        std::vector<MmRect> cellsOnSheet;
        for (const Cell &cell : page.cells) {
            SCOPED_TRACE(cell.amountLabel);
            const MmRect cellOnSheet = onSheet(cell.inBand, kSheetLeftMm, page.bandTop);
            cellsOnSheet.push_back(grown(cellOnSheet, 0.1));
            EXPECT_GT(countPixels(sheet, cellOnSheet, isYellow).matching, 0);
            // The figure is there, in ink.
            const MmRect amount
                = onSheet(filled.label(cell.amountLabel).box, kSheetLeftMm, page.bandTop);
            EXPECT_GT(countPixels(sheet, amount, isInk).matching, 200);
            // Inside the label's own box the yellow shows between the glyphs.
            const PixelCount yellowAroundText = countPixels(sheet, amount, isYellow);
            EXPECT_GT(yellowAroundText.matching, yellowAroundText.total / 2);
            // Left of the figure the cell is yellow from outline to outline. Neighbouring boxes
            // drawn later overlap it by up to 0.3 mm (the basis box reaches x 167.4), and show
            // their outline.
            const MmRect leftPart { cellOnSheet.left, cellOnSheet.top,
                amount.left - cellOnSheet.left, cellOnSheet.height };
            const PixelCount left = countPixels(sheet, shrunk(leftPart, 0.4), isYellow);
            EXPECT_EQ(left.matching, left.total);
        }
        // No yellow anywhere else: 3 cells on page one, 5 on page two.
        int yellowElsewhere = 0;
        for (int y = 0; y < sheet.height(); ++y)
            for (int x = 0; x < sheet.width(); ++x) {
                if (!isYellow(sheet.pixel(x, y)))
                    continue;
                const double xMm = (x + 0.5) * 25.4 / kDpi;
                const double yMm = (y + 0.5) * 25.4 / kDpi;
                yellowElsewhere += std::none_of(
                    cellsOnSheet.begin(), cellsOnSheet.end(), [&](const MmRect &r) {
                        return xMm >= r.left && xMm < r.right() && yMm >= r.top && yMm < r.bottom();
                    });
            }
        EXPECT_EQ(yellowElsewhere, 0) << "sheet " << page.sheet + 1;
    }
    // The objective, the one result amount on white.
    const MmRect objectiveCell
        = onSheet({ 167.1, 230.4, 22.9, 8.3 }, kSheetLeftMm, kTitleBand2TopMm);
    EXPECT_EQ(countPixels(sheets[1], objectiveCell, isYellow).matching, 0);
    EXPECT_GT(countPixels(sheets[1], objectiveCell, isInk).matching, 200);
}

// A text that never shows can be taken out of its band without changing a single pixel; a text
// that shows cannot.
TEST(StatementSheets, CoveredTextsChangeNoPixel)
{
    auto captioned = [](const char *caption, double top) {
        return [=](const Element &e) {
            return e.label() && e.label()->caption == caption && e.label()->box.top == top;
        };
    };
    auto named = [](const char *name) {
        return [=](const Element &e) { return e.label() && e.label()->name == name; };
    };
    const struct
    {
        const char *name;
        std::function<bool(const Element &)> remove;
        bool shows;
    } rows[] = {
        { "\"SF N\" of the balance row, under its code cell", captioned("SF N", 223.2), false },
        { "\"SF N\" of the objective row, under its code cell", captioned("SF N", 232.5), false },
        { "QRLabel182, under the objective's amount cell", named("QRLabel182"), false },
        { "the one \"SF N\" that shows, in its own row", captioned("SF N", 215.6), true },
        { "the objective's amount", named("S9Obiettivo"), true },
        { "\"SFIN 11\"", captioned("SFIN 11", 223.2), true },
        { "\"OB\"", captioned("OB", 232.5), true },
    };
    FilledForm filled(sampleFileBytes());
    const QImage before = renderSheets(filled.form(), kDpi).at(1);
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        FilledForm changed(sampleFileBytes());
        std::vector<Element> &elements = titleBand2(changed.form()).elements;
        const auto removed = std::remove_if(elements.begin(), elements.end(), row.remove);
        ASSERT_EQ(elements.end() - removed, 1);
        elements.erase(removed, elements.end());
        const QImage after = renderSheets(changed.form(), kDpi).at(1);
        EXPECT_EQ(after != before, row.shows);
    }
}

// With every value label written, the placeholder survives only where nothing shows it.
TEST(StatementSheets, FilledStatementKeepsNoVisiblePlaceholder)
{
    const FilledForm filled(sampleFileBytes());
    QStringList placeholders;
    for (const LoadedDesign *design : { &storedPageOne(), &storedPageTwo() })
        for (const TextLabel *stored : labelsOf(design->report)) {
            const QString caption = filled.caption(stored->name);
            if (caption == "9.999.999.999" || caption == "PATTO xXxxxxxxxx")
                placeholders << stored->name;
        }
    // QRLabel182 changes no pixel: CoveredTextsChangeNoPixel.
    EXPECT_EQ(placeholders, QStringList { "QRLabel182" });
}

// The capital total's formula box is opaque and drawn after the caption: whatever of the
// caption reaches past x 85.8 is hidden. With the exact metrics the template caption itself
// ends before it; a longer caption shows the cut.
TEST(StatementSheets, CapitalTotalFormulaHidesTheCaptionBeyondItsLeftEdge)
{
    const MmRect row { 34.4, 186.5, 112.0, 3.8 };
    FilledForm plain(sampleFileBytes());
    FilledForm longer(sampleFileBytes());
    longer.form().setCaption(
        "QRLabel93", "Totale entrate in conto capitale nette nette nette nette ");
    ASSERT_GT(longer.label("QRLabel93").box.right(), 100.0);
    const QImage a = renderSheets(plain.form(), kDpi).at(0);
    const QImage b = renderSheets(longer.form(), kDpi).at(0);
    auto differing = [&](double fromX, double toX) {
        const MmRect r
            = onSheet({ fromX, row.top, toX - fromX, row.height }, kSheetLeftMm, kTitleBand1TopMm);
        int count = 0;
        for (double y = r.top; y < r.bottom(); y += 25.4 / kDpi)
            for (double x = r.left; x < r.right(); x += 25.4 / kDpi)
                count += pixelAtMm(a, x, y) != pixelAtMm(b, x, y) ? 1 : 0;
        return count;
    };
    EXPECT_GT(differing(row.left, 85.7), 50) << "the longer caption shows up to the formula";
    EXPECT_EQ(differing(85.9, row.right()), 0) << "and nothing of it beyond";
}

// A fixed box prints only the lines its height has room for; the probe strip lies where the
// first line that does not fit would be inked, and would be found inked with a taller box.
TEST(StatementSheets, LinesBeyondAFixedBoxDoNotPrint)
{
    const struct
    {
        const char *name;
        const char *captionStart;
        MmRect strip; // band millimetres
        double roomyHeight; // a box height with room for one line more
    } rows[] = {
        // Third line of four, between the second line's foot (177.1) and row S16's description.
        { "S15 description", "Spese in conto capitale sostenute dal comune di Parma",
            { 19.8, 177.4, 126.0, 0.9 }, 9.5 },
        // "nette" on a second line, above the rule under the row.
        { "current expenditure caption", "Totale spese correnti nette", { 47.6, 105.7, 34.8, 1.7 },
            7.2 },
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        for (const bool roomy : { false, true }) {
            FilledForm filled(sampleFileBytes());
            if (roomy) {
                for (Element &e : titleBand2(filled.form()).elements)
                    if (e.label() && e.label()->caption.startsWith(row.captionStart))
                        e.label()->box.height = row.roomyHeight;
            }
            const QImage sheet = renderSheets(filled.form(), kDpi).at(1);
            const int ink
                = countPixels(sheet, onSheet(row.strip, kSheetLeftMm, kTitleBand2TopMm), isInk)
                      .matching;
            if (roomy)
                EXPECT_GT(ink, 20) << "a taller box prints the next line in the strip";
            else
                EXPECT_EQ(ink, 0);
        }
    }
}

} // namespace
