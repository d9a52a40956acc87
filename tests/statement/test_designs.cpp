#include "statement/design_loader.h"

#include <gtest/gtest.h>

#include <QSet>

#include <optional>
#include <set>

#include <ostream>

using namespace monit12;

// Readable failure messages.
void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace monit12 {
void PrintTo(const MmRect &r, std::ostream *os)
{
    *os << '{' << r.left << ", " << r.top << ", " << r.width << ", " << r.height << '}';
}
void PrintTo(const FontSpec &f, std::ostream *os)
{
    *os << f.sizePt << " pt" << (f.bold ? " bold" : "");
}
} // namespace monit12

namespace {

const LoadedDesign &pageOne()
{
    static const LoadedDesign design
        = readDesignResource(QStringLiteral(":/designs/quickrep1.design"));
    return design;
}

const LoadedDesign &pageTwo()
{
    static const LoadedDesign design
        = readDesignResource(QStringLiteral(":/designs/quickrep2.design"));
    return design;
}

struct Found
{
    const Report *report = nullptr;
    const Band *band = nullptr;
    const Element *element = nullptr;
};

std::optional<Found> find(const QString &name)
{
    for (const Report *report : { &pageOne().report, &pageTwo().report })
        for (const Band &band : report->bands)
            for (const Element &element : band.elements) {
                const QString n = element.label() ? element.label()->name : element.shape()->name;
                if (n == name)
                    return Found { report, &band, &element };
            }
    return std::nullopt;
}

const TextLabel &label(const QString &name)
{
    const std::optional<Found> found = find(name);
    if (!found || !found->element->label())
        throw std::runtime_error("no label " + name.toStdString());
    return *found->element->label();
}

const Band &band(const Report &report, const QString &name)
{
    for (const Band &b : report.bands)
        if (b.name == name)
            return b;
    throw std::runtime_error("no band " + name.toStdString());
}

std::set<QString> labelNames(const Report &report, bool (*pick)(const TextLabel &))
{
    std::set<QString> names;
    for (const Band &b : report.bands)
        for (const Element &e : b.elements)
            if (e.label() && pick(*e.label()))
                names.insert(e.label()->name);
    return names;
}

std::set<QString> yellowShapes(const Report &report)
{
    std::set<QString> names;
    for (const Band &b : report.bands)
        for (const Element &e : b.elements)
            if (e.shape() && e.shape()->fill == kLightYellow)
                names.insert(e.shape()->name);
    return names;
}

TEST(DesignReports, PageSetupFontOptionsAndBands)
{
    struct Row
    {
        const Report &report;
        const char *name;
        PageSetup page;
        QStringList bands;
    };
    const Row rows[] = {
        { pageOne().report, "QuickRep1",
            { 100.0125, 2970.0, 100.0125, 2100.0, 100.0125, 100.0125, 0.0 },
            { "PageHeaderBand1", "TitleBand1" } },
        { pageTwo().report, "QuickRep2", { 100.0, 2970.0, 100.0, 2100.0, 100.0, 100.0, 0.0 },
            { "TitleBand2" } },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const Report &r = row.report;
        EXPECT_EQ(r.name, QString::fromLatin1(row.name));
        EXPECT_DOUBLE_EQ(r.page.bottomMargin, row.page.bottomMargin);
        EXPECT_DOUBLE_EQ(r.page.pageLength, row.page.pageLength);
        EXPECT_DOUBLE_EQ(r.page.topMargin, row.page.topMargin);
        EXPECT_DOUBLE_EQ(r.page.pageWidth, row.page.pageWidth);
        EXPECT_DOUBLE_EQ(r.page.leftMargin, row.page.leftMargin);
        EXPECT_DOUBLE_EQ(r.page.rightMargin, row.page.rightMargin);
        EXPECT_DOUBLE_EQ(r.page.columnSpacing, row.page.columnSpacing);
        EXPECT_EQ(r.font, (FontSpec { 10, false }));
        EXPECT_TRUE(r.firstPageHeader);
        EXPECT_TRUE(r.printIfEmpty);
        QStringList bands;
        for (const Band &b : r.bands)
            bands << b.name;
        EXPECT_EQ(bands, row.bands);
    }
}

TEST(DesignBands, KindHeightFrameAndElementCounts)
{
    struct Row
    {
        const Report &report;
        const char *band;
        BandKind kind;
        double heightMm; // the stored tenths of a millimetre, unrounded
        bool top, bottom, left, right;
        int labels, shapes;
    };
    const Row rows[] = {
        { pageOne().report, "PageHeaderBand1", BandKind::PageHeader, 21.92261904761905, true, false,
            true, true, 5, 1 },
        { pageOne().report, "TitleBand1", BandKind::Title, 205.8080357142857, false, true, true,
            true, 90, 47 },
        { pageTwo().report, "TitleBand2", BandKind::Title, 276.8675595238095, true, true, true,
            true, 115, 56 },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.band);
        const Band &b = band(row.report, QString::fromLatin1(row.band));
        EXPECT_EQ(b.kind, row.kind);
        EXPECT_NEAR(b.height, row.heightMm, 1e-9);
        EXPECT_DOUBLE_EQ(b.width, 189.9);
        EXPECT_EQ(b.color, kWhite);
        EXPECT_EQ(b.frame.top, row.top);
        EXPECT_EQ(b.frame.bottom, row.bottom);
        EXPECT_EQ(b.frame.left, row.left);
        EXPECT_EQ(b.frame.right, row.right);
        EXPECT_DOUBLE_EQ(b.frame.widthPt, 1);
        int labels = 0, shapes = 0;
        for (const Element &e : b.elements)
            ++(e.label() ? labels : shapes);
        EXPECT_EQ(labels, row.labels);
        EXPECT_EQ(shapes, row.shapes);
    }
}

TEST(DesignBands, ElementsStandInDrawingOrderOneToN)
{
    for (const Report *report : { &pageOne().report, &pageTwo().report })
        for (const Band &b : report->bands) {
            SCOPED_TRACE(b.name.toStdString());
            for (std::size_t i = 0; i < b.elements.size(); ++i)
                EXPECT_EQ(b.elements[i].order, int(i) + 1);
        }
}

// Where one element hides or frames another, the drawing order decides what shows.
TEST(DesignBands, CoveringElementsAreDrawnAfterWhatTheyCover)
{
    struct Row
    {
        const char *what;
        const char *first;
        const char *later;
    };
    const Row rows[] = {
        { "model code box hides a long name", "QRComunedi", "QRLabel53" },
        { "capital total formula hides the caption's end", "QRLabel93", "QRLabel94" },
        { "balance code cell hides the stray SF N", "HiddenCodeS5SaldoFin", "CodeCellS5SaldoFin" },
        { "SFIN 11 stands on the balance code cell", "CodeCellS5SaldoFin", "CodeS5SaldoFin" },
        { "objective code cell hides the stray SF N", "HiddenCodeS9Obiettivo",
            "CodeCellS9Obiettivo" },
        { "OB stands on the objective code cell", "CodeCellS9Obiettivo", "CodeS9Obiettivo" },
        { "objective amount cell hides QRLabel182", "QRLabel182", "AmountCellS9Obiettivo" },
        { "the objective stands on its amount cell", "AmountCellS9Obiettivo", "S9Obiettivo" },
        { "SF N stands on its code cell", "CodeCellS3Spesefin", "CodeS3Spesefin" },
        { "the verdict stands on its box", "VerdictBox", "QRPATTO" },
        { "E3's basis label is drawn over its amount", "E3", "QRLabel43" },
        { "E1's amount is drawn over its basis label", "QRLabel34", "E1" },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        const std::optional<Found> first = find(QString::fromLatin1(row.first));
        const std::optional<Found> later = find(QString::fromLatin1(row.later));
        ASSERT_TRUE(first && later);
        EXPECT_EQ(first->band, later->band);
        EXPECT_LT(first->element->order, later->element->order);
    }
    EXPECT_EQ(find(QStringLiteral("QRPATTO"))->element->order, 171);
    EXPECT_EQ(find(QStringLiteral("VerdictBox"))->element->order, 1);
}

TEST(DesignNames, UniqueOverBothPages)
{
    QSet<QString> names;
    int labels = 0, shapes = 0, bands = 0;
    for (const Report *report : { &pageOne().report, &pageTwo().report })
        for (const Band &b : report->bands) {
            ++bands;
            EXPECT_FALSE(names.contains(b.name)) << b.name.toStdString();
            names.insert(b.name);
            for (const Element &e : b.elements) {
                const QString n = e.label() ? e.label()->name : e.shape()->name;
                ++(e.label() ? labels : shapes);
                EXPECT_FALSE(names.contains(n)) << n.toStdString();
                names.insert(n);
            }
        }
    // The statement form holds three bands, 210 text labels and 104 shapes.
    EXPECT_EQ(bands, 3);
    EXPECT_EQ(labels, 210);
    EXPECT_EQ(shapes, 104);
}

TEST(DesignShapes, YellowCellsAreTheTotalsCells)
{
    EXPECT_EQ(yellowShapes(pageOne().report),
        (std::set<QString> { "QRShape28", "QRShape27", "QRShape26" }));
    EXPECT_EQ(yellowShapes(pageTwo().report),
        (std::set<QString> { "AmountBoxS1Spesecorr", "AmountBoxS2TotSpeseConCap",
            "AmountCellS3Spesefin", "AmountCellS5SaldoFin", "AmountCellS10Dif" }));
}

TEST(DesignShapes, SampleBoxes)
{
    struct Row
    {
        const char *name;
        MmRect box;
    };
    const Row rows[] = {
        { "QRShape1", { 0.0, 7.9, 190.0, 0.5 } }, // wider than its band
        { "QRShape36", { 166.9, 20.4, 22.9, 6.6 } },
        { "QRShape30", { 13.6, 109.6, 133.6, 0.2 } },
        { "QRShape26", { 166.9, 191.8, 22.9, 13.8 } },
        { "HeaderRule2", { 0.0, 7.9, 189.9, 0.6 } },
        { "AmountBoxS1", { 167.3, 35.9, 22.5, 6.6 } },
        { "RuleBelowS1Spesecorr", { 47.6, 107.5, 102.2, 0.2 } },
        { "CaptionCellS9Obiettivo", { 20.2, 230.4, 147.2, 8.3 } },
        { "VerdictBox", { 63.1, 248.7, 63.7, 8.3 } },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const std::optional<Found> found = find(QString::fromLatin1(row.name));
        ASSERT_TRUE(found && found->element->shape());
        EXPECT_EQ(found->element->shape()->box, row.box);
    }
}

TEST(DesignLabels, ValueLabelsCarryTheirTemplateCaptions)
{
    struct Row
    {
        QString name;
        QString caption;
        const Report &report;
    };
    const QString amount = QStringLiteral("9.999.999.999");
    std::vector<Row> rows = {
        { "QRComunedi", "COMUNE DI ", pageOne().report },
        { "QRLabel83", "COMUNE DI ", pageTwo().report }, { "QRLabel10", "2012", pageOne().report },
        { "QRLabel25", "2012", pageTwo().report },
        { "QRLabel185", "OBIETTIVO PROGRAMMATICO ANNUALE SALDO FINANZIARIO 2011",
            pageTwo().report },
        { "QRDalAl", "dal 01.01.2012 al 31.03.2012", pageOne().report },
        { "TotEntrCorrNette", amount, pageOne().report },
        { "TotEntrateContoCapi", amount, pageOne().report },
        { "EntrateFinaliNette", amount, pageOne().report },
        { "S1Spesecorr", amount, pageTwo().report },
        { "S2TotSpeseConCap", amount, pageTwo().report },
        { "S3Spesefin", amount, pageTwo().report }, { "S5SaldoFin", amount, pageTwo().report },
        { "S9Obiettivo", amount, pageTwo().report }, { "S10Dif", amount, pageTwo().report },
        { "QRPATTO", "PATTO xXxxxxxxxx", pageTwo().report },
        { "QRLabel182", amount, pageTwo().report }, // never written, never seen
    };
    for (int k = 1; k <= 17; ++k) {
        rows.push_back({ QStringLiteral("E%1").arg(k), amount, pageOne().report });
        rows.push_back({ QStringLiteral("s%1").arg(k), amount, pageTwo().report });
    }
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name.toStdString());
        const std::optional<Found> found = find(row.name);
        ASSERT_TRUE(found && found->element->label());
        EXPECT_EQ(found->report, &row.report);
        EXPECT_EQ(found->element->label()->caption, row.caption);
    }
    EXPECT_FALSE(find(QStringLiteral("E18")));
    EXPECT_FALSE(find(QStringLiteral("s18")));
}

TEST(DesignLabels, CaptionsKeepOddSpacingAndTypographicCharacters)
{
    struct Row
    {
        const char *name;
        const char *captionUtf8;
    };
    const Row rows[] = {
        { "QRLabel11", "TOTALE TITOLO 1\u00b0" },
        { "DescS8", "TOTALE TITOLO 2\u00b0" },
        { "QRLabel3", "PROVINCE - COMUNI con popolazione superiore a 5.000 abitanti " },
        { "QRLabel5",
            "S A L D O   F I N A N Z I A R I O   i n   t e r m i n i   d i   c o m p e t e n z a   "
            "m i s t a" },
        { "QRLabel93", "Totale entrate in conto capitale nette " },
        { "QRLabel98", "(E1+E2+E3-E4-E5-E6-E7-E8-E9-E10+E11- E12-E13-E14-E15-E16-E17)" },
        { "QRLabel37",
            "Entrate correnti provenienti dallo Stato a seguito di dichiarazione di grande evento "
            "(art. 1, comma 96,  legge n. 220/2010) - (rif. par. B.1.2)." },
        { "QRLabel51",
            "Entrate correnti proveniente da trasferimenti di cui al comma 704 dell'art.1, legge "
            "296/2006 (art.1, comma 99, legge n. 220/2010) - (rif. par.B.1.5" },
        { "QRLabel55",
            "Entrate provenienti dall'ISTAT connesse alla progettazione ed esecuzione dei "
            "censimenti di cui all\u2019articolo 1, comma 100, legge n. 220/2010 (rif. par. "
            "B.16)" },
        { "QRLabel27",
            "Entrate in conto capitale provenienti dallo Stato a favore del comune di Milano per "
            "gli interventi necessari per la realizzazione dell'Exp\u00f2 Milano 2015 (art. 1, "
            "comma 103, legge n. 220/2010 e art. 2, comma 37, legge 10/2011) - (rif. par. "
            "B.1.9)." },
        { "DescS9",
            "Spese derivanti dalla concessione di crediti (art. 1, comma 89, legge n. 220/2010) " },
        { "DescS13",
            "Spese in conto capitalesostenute a valere sui trasferimenti di cui ai commi 704 e 707 "
            "dell'art. 1 legge n. 296/2006 (art. 1, comma 99, legge n. 220/2010) - (rif. par. "
            "B.1.5)." },
        { "DescS17",
            "Spese inconto capitale relative ai beni trasferiti di cui al decreto legislativo "
            "n.85/2010 (federalismo fiscale), per un importo corrispondente alle spese gi\u00e0 "
            "sostenute dallo Stato per la gestione e la manutenzione dei beni trasferiti  (art. 1, "
            "comma 104, legge n. 220/2010) - (rif. par. B.1.10)." },
        { "CaptionS5SaldoFin", "SALDO FINANZIARIO  " },
        { "FormulaS5SaldoFin", "(EF N- SF N)" },
        { "CaptionS10Dif",
            "(5) DIFFERENZA TRA IL RISULTATO NETTO E OBIETTIVO ANNUALE  SALDO FINANZIARIO " },
        { "Footnote3",
            "(3) L'esclusione \u00e8 operata solo dal comune e dalla provincia di Milano." },
        { "Footnote5",
            "(5) Con riferiemnto alla sola situazione annuale, in caso di differenza positiva, o "
            "pari a 0, il patto \u00e8 stato rispettato. In caso di differenza negativa, il patto "
            "non \u00e8 stato rispettato." },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(label(QString::fromLatin1(row.name)).caption, QString::fromUtf8(row.captionUtf8));
    }
}

TEST(DesignLabels, TransparentLabelsAreExactlyTheTotalsAmounts)
{
    auto transparent = [](const TextLabel &l) { return l.transparent; };
    EXPECT_EQ(labelNames(pageOne().report, transparent),
        (std::set<QString> { "TotEntrCorrNette", "TotEntrateContoCapi", "EntrateFinaliNette" }));
    EXPECT_EQ(labelNames(pageTwo().report, transparent),
        (std::set<QString> { "S1Spesecorr", "S2TotSpeseConCap", "S3Spesefin", "S5SaldoFin",
            "S9Obiettivo", "QRLabel182", "S10Dif" }));
}

TEST(DesignLabels, SampleLabelsBoxFontAndPlacement)
{
    struct Row
    {
        const char *name;
        MmRect box;
        FontSpec font;
        Alignment alignment;
        bool autoSize;
        bool alignToBand;
    };
    const Row rows[] = {
        { "QRComunedi", { 79.8, 0.6, 30.4, 6.2 }, { 14, true }, Alignment::Centre, true, true },
        { "QRLabel53", { 179.2, 0.2, 9.8, 2.8 }, { 6, false }, Alignment::Centre, true, false },
        { "QRLabel5", { 29.1, 1.5, 131.7, 4.3 }, { 10, false }, Alignment::Centre, true, true },
        { "QRDalAl", { 30.8, 7.6, 128.1, 4.3 }, { 10, false }, Alignment::Centre, false, true },
        { "QRLabel9", { 67.8, 14.9, 35.0, 4.3 }, { 10, false }, Alignment::Left, false, false },
        { "QRLabel34", { 148.4, 21.5, 17.2, 4.3 }, { 8, false }, Alignment::Left, true, false },
        { "E1", { 170.5, 21.5, 18.5, 4.3 }, { 8, false }, Alignment::Right, true, false },
        { "QRLabel28", { 34.4, 111.7, 41.6, 3.8 }, { 8, true }, Alignment::Left, true, false },
        { "QRLabel96", { 1.7, 196.5, 7.9, 4.3 }, { 10, true }, Alignment::Left, true, false },
        { "QRLabel97", { 33.8, 193.5, 112.8, 4.3 }, { 10, true }, Alignment::Centre, false, false },
        { "QRLabel25", { 174.6, 31.0, 7.7, 4.3 }, { 10, false }, Alignment::Left, true, false },
        { "TableHead2", { 69.7, 31.0, 27.8, 4.3 }, { 10, false }, Alignment::Centre, false, false },
        { "s9", { 170.5, 116.2, 18.5, 4.9 }, { 8, false }, Alignment::Right, true, false },
        { "DescS7", { 19.8, 89.6, 126.8, 11.0 }, { 8, false }, Alignment::Left, false, false },
        { "CaptionS1Spesecorr", { 47.6, 102.4, 34.8, 4.0 }, { 8, true }, Alignment::Left, false,
            false },
        { "CaptionS2TotSpeseConCap", { 15.9, 207.5, 52.9, 4.0 }, { 8, true }, Alignment::Right,
            false, false },
        { "QRLabel185", { 47.4, 230.9, 92.6, 4.0 }, { 8, true }, Alignment::Centre, true, false },
        { "NoteS9Obiettivo", { 46.5, 234.7, 94.5, 2.8 }, { 6, false }, Alignment::Left, true,
            false },
        { "QRPATTO", { 75.0, 249.7, 39.9, 5.9 }, { 12, true }, Alignment::Centre, true, true },
        { "Footnote4", { 0.6, 267.0, 188.4, 5.7 }, { 6, false }, Alignment::Left, false, false },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const TextLabel &l = label(QString::fromLatin1(row.name));
        EXPECT_EQ(l.box, row.box);
        EXPECT_EQ(l.font, row.font);
        EXPECT_EQ(l.alignment, row.alignment);
        EXPECT_EQ(l.autoSize, row.autoSize);
        EXPECT_EQ(l.alignToBand, row.alignToBand);
        EXPECT_TRUE(l.wordWrap);
        EXPECT_FALSE(l.autoStretch);
        EXPECT_EQ(l.color, kWhite);
    }
}

TEST(DesignLabels, EveryFixedBoxStatesItsRoomForLines)
{
    struct Row
    {
        const LoadedDesign &design;
        std::size_t fixedBoxes;
    };
    for (const Row &row : { Row { pageOne(), 17 }, Row { pageTwo(), 25 } }) {
        SCOPED_TRACE(row.design.report.name.toStdString());
        auto fixed = [](const TextLabel &l) { return !l.autoSize; };
        const std::set<QString> names = labelNames(row.design.report, fixed);
        std::set<QString> stated;
        for (const auto &[name, lines] : row.design.roomForLines)
            stated.insert(name);
        EXPECT_EQ(names.size(), row.fixedBoxes);
        EXPECT_EQ(stated, names);
    }
    const std::pair<const char *, int> rooms[] = {
        { "QRDalAl", 1 },
        { "QRLabel32", 3 },
        { "QRLabel86", 4 },
        { "QRLabel98", 1 },
        { "DescS9", 1 },
        { "DescS15", 2 },
        { "CaptionS1Spesecorr", 1 },
        { "Footnote4", 2 },
        { "Footnote2", 1 },
    };
    for (const auto &[name, lines] : rooms) {
        SCOPED_TRACE(name);
        const QString n = QString::fromLatin1(name);
        const auto &map = find(n)->report == &pageOne().report ? pageOne().roomForLines
                                                               : pageTwo().roomForLines;
        ASSERT_EQ(map.count(n), 1u);
        EXPECT_EQ(map.at(n), lines);
    }
}

TEST(DesignLoader, ReadsEveryFieldOfASmallDesign)
{
    const QString text
        = QStringLiteral("# a comment\r\n"
                         "report Small\r\n"
                         "pagesetup 1 2 3 4 5 6 7.5\n"
                         "\n"
                         "font 12\n"
                         "options PrintIfEmpty\n"
                         "band Head pageheader height 219.5 width 150.0 frame top right\n"
                         "| Order | Kind | Name | Caption | Left | Top | Width | Height | Style |\n"
                         "| 1 | label | A | \"  x\u00e8 \" | 1.5 | 2.5 | 3.5 | 4.5 | |\n"
                         "  # between rows\n"
                         "| Order | Kind | Name | Caption | Left | Top | Width | Height | Style |\n"
                         "| 2 | shape | B |  | 0.0 | 7.9 | 190.0 | 0.5 | yellow |\n"
                         "band Body title height 10 width 189.9 frame\n"
                         "| 1 | label | C | \"\" | 1 | 2 | 3 | 4 | 6 pt, bold, right, fixed, room "
                         "for 2 lines, transparent |\n"
                         "| 2 | label | D | \"d\" | 1 | 2 | 3 | 4 | centre, centre on band |\n");
    const LoadedDesign d = readDesign(text, QStringLiteral("small.design"));
    const Report &r = d.report;
    EXPECT_EQ(r.name, QStringLiteral("Small"));
    EXPECT_EQ(r.page.bottomMargin, 1);
    EXPECT_EQ(r.page.pageLength, 2);
    EXPECT_EQ(r.page.topMargin, 3);
    EXPECT_EQ(r.page.pageWidth, 4);
    EXPECT_EQ(r.page.leftMargin, 5);
    EXPECT_EQ(r.page.rightMargin, 6);
    EXPECT_EQ(r.page.columnSpacing, 7.5);
    EXPECT_EQ(r.font, (FontSpec { 12, false }));
    EXPECT_FALSE(r.firstPageHeader);
    EXPECT_TRUE(r.printIfEmpty);
    ASSERT_EQ(r.bands.size(), 2u);

    const Band &head = r.bands[0];
    EXPECT_EQ(head.name, QStringLiteral("Head"));
    EXPECT_EQ(head.kind, BandKind::PageHeader);
    EXPECT_DOUBLE_EQ(head.height, 21.95);
    EXPECT_EQ(head.width, 150.0);
    EXPECT_TRUE(head.frame.top && head.frame.right);
    EXPECT_FALSE(head.frame.bottom || head.frame.left);
    ASSERT_EQ(head.elements.size(), 2u);
    const TextLabel *a = head.elements[0].label();
    ASSERT_TRUE(a);
    EXPECT_EQ(a->name, QStringLiteral("A"));
    EXPECT_EQ(a->caption, QString::fromUtf8("  x\u00e8 "));
    EXPECT_EQ(a->box, (MmRect { 1.5, 2.5, 3.5, 4.5 }));
    EXPECT_EQ(a->font, (FontSpec { 8, false }));
    EXPECT_EQ(a->alignment, Alignment::Left);
    EXPECT_TRUE(a->autoSize);
    EXPECT_FALSE(a->alignToBand);
    EXPECT_FALSE(a->transparent);
    EXPECT_TRUE(a->lines.isEmpty()); // laid out later, by the layout
    const Shape *b = head.elements[1].shape();
    ASSERT_TRUE(b);
    EXPECT_EQ(b->name, QStringLiteral("B"));
    EXPECT_EQ(b->box, (MmRect { 0.0, 7.9, 190.0, 0.5 }));
    EXPECT_EQ(b->fill, kLightYellow);
    EXPECT_EQ(head.elements[1].order, 2);

    const Band &body = r.bands[1];
    EXPECT_EQ(body.kind, BandKind::Title);
    EXPECT_DOUBLE_EQ(body.height, 1.0);
    EXPECT_FALSE(body.frame.top || body.frame.bottom || body.frame.left || body.frame.right);
    const TextLabel *c = body.elements[0].label();
    ASSERT_TRUE(c);
    EXPECT_EQ(c->caption, QString());
    EXPECT_EQ(c->font, (FontSpec { 6, true }));
    EXPECT_EQ(c->alignment, Alignment::Right);
    EXPECT_FALSE(c->autoSize);
    EXPECT_TRUE(c->transparent);
    const TextLabel *dl = body.elements[1].label();
    ASSERT_TRUE(dl);
    EXPECT_EQ(dl->alignment, Alignment::Centre);
    EXPECT_TRUE(dl->alignToBand);
    EXPECT_EQ(d.roomForLines, (std::map<QString, int> { { "C", 2 } }));
}

TEST(DesignLoader, RejectsMalformedDesignsNamingSourceAndLine)
{
    const QString head = QStringLiteral("report R\nband B title height 10 width 189.9 frame\n");
    const QString row1 = QStringLiteral("| 1 | label | A | \"a\" | 1.0 | 2.0 | 3.0 | 4.0 | |\n");
    auto withRow = [&](const char *row) { return head + row1 + QString::fromUtf8(row) + '\n'; };
    struct Row
    {
        const char *what;
        QString text;
        const char *message;
    };
    const Row rows[] = {
        { "empty text", "", "t.design: empty design" },
        { "only comments", "# nothing\n\n", "t.design: empty design" },
        { "report without band", "report R\nfont 10\n", "t.design: no band" },
        { "header before report", "font 10\nreport R\n",
            "t.design:1: a design starts with 'report NAME'" },
        { "unknown keyword", "report R\nbnad B title height 10 width 1 frame\n",
            "t.design:2: unknown keyword 'bnad'" },
        { "report twice", "report R\nreport S\n", "t.design:2: 'report' given twice" },
        { "report without name", "report\n", "t.design:1: 'report' needs one name" },
        { "bad report name", "report 1R\n", "t.design:1: bad name '1R'" },
        { "short page setup", "report R\npagesetup 1 2 3\n",
            "t.design:2: 'pagesetup' needs 7 numbers, found 3" },
        { "bad page setup number", "report R\npagesetup 1 2 3 4 5 6 7,0\n",
            "t.design:2: bad number '7,0'" },
        { "font twice", "report R\nfont 10\nfont 8\n", "t.design:3: 'font' given twice" },
        { "zero font", "report R\nfont 0\n", "t.design:2: bad font size '0'" },
        { "unknown option", "report R\noptions FirstPageHeader PrintIfFull\n",
            "t.design:2: unknown option 'PrintIfFull'" },
        { "band without frame word", "report R\nband B title height 10 width 189.9\n",
            "t.design:2: a band reads 'band NAME KIND height TENTHS width MM frame SIDES'" },
        { "unknown band kind", "report R\nband B detail height 10 width 189.9 frame\n",
            "t.design:2: unknown band kind 'detail'" },
        { "bad band height", "report R\nband B title height ten width 189.9 frame\n",
            "t.design:2: bad number 'ten'" },
        { "unknown frame side", "report R\nband B title height 10 width 189.9 frame top middle\n",
            "t.design:2: unknown frame side 'middle'" },
        { "row before band", "report R\n| 1 | label | A | \"a\" | 1 | 2 | 3 | 4 | |\n",
            "t.design:2: row before any band" },
        { "row not closed", withRow("| 2 | label | B | \"b\" | 1 | 2 | 3 | 4 "),
            "t.design:4: a row ends with '|'" },
        { "missing column", withRow("| 2 | label | B | \"b\" | 1 | 2 | 3 | |"),
            "t.design:4: row has 8 columns, expected 9" },
        { "extra column", withRow("| 2 | label | B | \"b\" | 1 | 2 | 3 | 4 | | x |"),
            "t.design:4: row has 10 columns, expected 9" },
        { "order skipped", withRow("| 3 | label | B | \"b\" | 1 | 2 | 3 | 4 | |"),
            "t.design:4: order 3 out of sequence, expected 2" },
        { "order repeated", withRow("| 1 | label | B | \"b\" | 1 | 2 | 3 | 4 | |"),
            "t.design:4: order 1 out of sequence, expected 2" },
        { "order not a number", withRow("| two | label | B | \"b\" | 1 | 2 | 3 | 4 | |"),
            "t.design:4: bad order 'two'" },
        { "unknown element kind", withRow("| 2 | line | B | | 1 | 2 | 3 | 4 | |"),
            "t.design:4: unknown element kind 'line'" },
        { "duplicate name", withRow("| 2 | shape | A | | 1 | 2 | 3 | 4 | white |"),
            "t.design:4: duplicate name 'A', first on line 3" },
        { "element named like its band", withRow("| 2 | shape | B | | 1 | 2 | 3 | 4 | white |"),
            "t.design:4: duplicate name 'B', first on line 2" },
        { "bad element name", withRow("| 2 | shape | Q R | | 1 | 2 | 3 | 4 | white |"),
            "t.design:4: bad name 'Q R'" },
        { "bad width", withRow("| 2 | shape | S | | 1 | 2 | 3.0.1 | 4 | white |"),
            "t.design:4: bad number '3.0.1'" },
        { "empty height", withRow("| 2 | shape | S | | 1 | 2 | 3 |  | white |"),
            "t.design:4: bad number ''" },
        { "unterminated quote", withRow("| 2 | label | L | \"abc | 1 | 2 | 3 | 4 | |"),
            "t.design:4: unterminated quote" },
        { "unquoted caption", withRow("| 2 | label | L | abc | 1 | 2 | 3 | 4 | |"),
            "t.design:4: caption must be quoted" },
        { "text after the quote", withRow("| 2 | label | L | \"abc\" d | 1 | 2 | 3 | 4 | |"),
            "t.design:4: text after the closing quote" },
        { "double quote in caption", withRow("| 2 | label | L | \"ab\"c\" | 1 | 2 | 3 | 4 | |"),
            "t.design:4: caption contains a double quote" },
        { "bar in caption", withRow("| 2 | label | L | \"a|b\" | 1 | 2 | 3 | 4 | |"),
            "t.design:4: caption contains '|'" },
        { "label without caption", withRow("| 2 | label | L |  | 1 | 2 | 3 | 4 | |"),
            "t.design:4: a label needs a quoted caption" },
        { "shape with caption", withRow("| 2 | shape | S | \"s\" | 1 | 2 | 3 | 4 | white |"),
            "t.design:4: a shape has no caption" },
        { "unknown style word", withRow("| 2 | label | L | \"l\" | 1 | 2 | 3 | 4 | bold, italic |"),
            "t.design:4: unknown style word 'italic'" },
        { "empty style word", withRow("| 2 | label | L | \"l\" | 1 | 2 | 3 | 4 | bold, |"),
            "t.design:4: unknown style word ''" },
        { "bad point size", withRow("| 2 | label | L | \"l\" | 1 | 2 | 3 | 4 | x pt |"),
            "t.design:4: bad number 'x'" },
        { "zero point size", withRow("| 2 | label | L | \"l\" | 1 | 2 | 3 | 4 | 0 pt |"),
            "t.design:4: bad font size '0'" },
        { "two alignments", withRow("| 2 | label | L | \"l\" | 1 | 2 | 3 | 4 | centre, right |"),
            "t.design:4: more than one alignment" },
        { "centre on band alone",
            withRow("| 2 | label | L | \"l\" | 1 | 2 | 3 | 4 | centre on band |"),
            "t.design:4: 'centre on band' needs 'centre'" },
        { "room without fixed",
            withRow("| 2 | label | L | \"l\" | 1 | 2 | 3 | 4 | room for 2 lines |"),
            "t.design:4: 'room for' needs 'fixed'" },
        { "room for no lines",
            withRow("| 2 | label | L | \"l\" | 1 | 2 | 3 | 4 | fixed, room for 0 lines |"),
            "t.design:4: unknown style word 'room for 0 lines'" },
        { "unknown fill", withRow("| 2 | shape | S | | 1 | 2 | 3 | 4 | red |"),
            "t.design:4: unknown fill 'red'" },
        { "shape without fill", withRow("| 2 | shape | S | | 1 | 2 | 3 | 4 | |"),
            "t.design:4: unknown fill ''" },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        try {
            loadDesignText(row.text, QStringLiteral("t.design"));
            ADD_FAILURE() << "no error";
        } catch (const DesignError &e) {
            EXPECT_STREQ(e.what(), row.message);
        }
    }
}

TEST(DesignLoader, MissingResourceIsAnError)
{
    try {
        loadDesign(QStringLiteral(":/designs/quickrep3.design"));
        ADD_FAILURE() << "no error";
    } catch (const DesignError &e) {
        EXPECT_STREQ(e.what(), ":/designs/quickrep3.design: cannot be opened");
    }
}

} // namespace
