#include "engine_test_support.h"

#include "statement/band_painter.h"
#include "statement/composite_report.h"
#include "statement/label_layout.h"
#include "statement/paged_device_sink.h"
#include "statement/recorded_document.h"
#include "statement/sheet_recorder.h"
#include "statement/sheet_transform.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace monit12;

namespace {

const QString kAccents = QStringLiteral("Città però è 1° l’anno");

// Two one-band pages; the second begins its own sheet, as the statement's page two does.
struct TwoPages
{
    Report one;
    Report two;
    CompositeReport composite;

    TwoPages()
    {
        one.bands.resize(1);
        Band &first = one.bands[0];
        first.name = "TitleBand1";
        first.height = 100;
        first.frame = { true, true, true, true };
        addLabel(first, makeLabel("Accertamenti", { 20, 5, 17.2, 4.3 }));
        addLabel(first, makeLabel(kAccents, { 20, 15, 50, 4.3 }));
        TextLabel bold = makeLabel("Totale", { 20, 25, 10, 4.3 });
        bold.font.bold = true;
        addLabel(first, bold);

        two.bands.resize(1);
        Band &second = two.bands[0];
        second.name = "TitleBand2";
        second.height = 276.9;
        addLabel(second, makeLabel("Risultato", { 40, 30, 20, 4.3 }));
        second.beforePrint = [this](Band &, bool &) { composite.newPage(two); };

        composite.setAddReportsHandler([this](CompositeReport &c) {
            c.addReport(&one);
            c.addReport(&two);
        });
    }
    TwoPages(const TwoPages &) = delete;
    TwoPages &operator=(const TwoPages &) = delete;

    static void addLabel(Band &band, TextLabel label)
    {
        layoutLabel(label, band.width, testFonts());
        band.elements.push_back(labelElement(std::move(label)));
    }
};

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished() || process.exitCode() != 0)
        ADD_FAILURE() << program.toStdString()
                      << " failed: " << process.errorString().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Left edge of the first occurrence of a word on a page, in millimetres from the paper's edge.
double wordLeftMm(const QString &pdf, int page, const QString &word)
{
    const QString html = run("pdftotext",
        { "-bbox", "-f", QString::number(page), "-l", QString::number(page), pdf, "-" });
    const QRegularExpression re(
        "<word xMin=\"([0-9.]+)\"[^>]*>" + QRegularExpression::escape(word) + "</word>");
    const QRegularExpressionMatch m = re.match(html);
    if (!m.hasMatch()) {
        ADD_FAILURE() << word.toStdString() << " not found on page " << page;
        return -1;
    }
    return m.captured(1).toDouble() * 25.4 / 72;
}

int pageCount(const QString &pdf)
{
    const QRegularExpression re("Pages:\\s+(\\d+)");
    return re.match(run("pdfinfo", { pdf })).captured(1).toInt();
}

QString writePdf(const QString &path, SheetRange range = {})
{
    TwoPages pages;
    QPdfWriter writer(path);
    PagedDeviceSink sink(writer, testFonts(), range);
    pages.composite.generate(sink);
    return path;
}

class SheetOutput : public testing::Test
{
protected:
    void SetUp() override
    {
        testFonts();
        ASSERT_TRUE(m_dir.isValid());
    }
    QString path(const char *name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

TEST_F(SheetOutput, PdfHasTwoPagesOfRealTextAtPaperPositions)
{
    const QString pdf = writePdf(path("direct.pdf"));
    EXPECT_EQ(pageCount(pdf), 2);
    const QString text = run("pdftotext", { "-layout", pdf, "-" });
    EXPECT_TRUE(text.contains("Accertamenti"));
    EXPECT_TRUE(text.contains(kAccents)) << text.toStdString();
    // Band at 10.0 mm from the paper's left edge, label 20 mm into it; page two's band 10.0 + 40.
    EXPECT_NEAR(wordLeftMm(pdf, 1, "Accertamenti"), 30.0, 0.05);
    EXPECT_NEAR(wordLeftMm(pdf, 2, "Risultato"), 50.0, 0.05);
}

TEST_F(SheetOutput, PdfEmbedsTheLiberationFiles)
{
    const QString fonts = run("pdffonts", { writePdf(path("fonts.pdf")) });
    // Columns: name, type, encoding, embedded ...
    for (const char *name : { "LiberationSans", "LiberationSans-Bold" }) {
        const QRegularExpression row(
            QStringLiteral("^%1\\s+\\S+.*\\s(yes|no)\\s+(yes|no)\\s+(yes|no)\\s").arg(name),
            QRegularExpression::MultilineOption);
        const QRegularExpressionMatch m = row.match(fonts);
        ASSERT_TRUE(m.hasMatch()) << name << " missing in\n" << fonts.toStdString();
        EXPECT_EQ(m.captured(1), "yes") << name << " not embedded";
    }
}

TEST_F(SheetOutput, PageRangeSendsOnlyTheSheetsInIt)
{
    const QString pdf = writePdf(path("range.pdf"), SheetRange { 2, 2 });
    EXPECT_EQ(pageCount(pdf), 1);
    const QString text = run("pdftotext", { pdf, "-" });
    EXPECT_TRUE(text.contains("Risultato"));
    EXPECT_FALSE(text.contains("Accertamenti"));
}

TEST_F(SheetOutput, RecorderKeepsEachSheetAndReportsItComplete)
{
    TwoPages pages;
    SheetRecorder recorder(testFonts());
    std::vector<int> completed;
    recorder.setSheetCompletedHandler([&](int sheet) { completed.push_back(sheet); });
    EXPECT_EQ(pages.composite.generate(recorder), 2);
    EXPECT_EQ(recorder.document().sheets.size(), 2u);
    EXPECT_EQ(completed, (std::vector<int> { 0, 1 }));
}

// Replaying a recording must land where drawing directly does, at any resolution.
TEST_F(SheetOutput, ReplayedSheetMatchesDirectDrawing)
{
    TwoPages pages;
    SheetRecorder recorder(testFonts());
    pages.composite.generate(recorder);
    for (const int dpi : { 96, 254 }) {
        const QImage replayed = renderSheetImage(recorder.document().sheets.at(0), dpi);
        QImage direct(replayed.size(), QImage::Format_RGB32);
        direct.setDotsPerMeterX(replayed.dotsPerMeterX());
        direct.setDotsPerMeterY(replayed.dotsPerMeterY());
        direct.fill(Qt::white);
        QPainter painter(&direct);
        applySheetTransform(painter);
        BandPainter(testFonts()).paint(painter, pages.one.bands[0], 10, 10);
        painter.end();
        EXPECT_TRUE(replayed == direct) << dpi << " dpi";
    }
}

// A device that paints inside margins (a printer not in full-page mode) gets them back.
TEST_F(SheetOutput, ReplayOnAMarginedDeviceCountsFromThePaperEdge)
{
    TwoPages pages;
    SheetRecorder recorder(testFonts());
    pages.composite.generate(recorder);
    const QString pdf = path("replayed.pdf");
    {
        QPdfWriter writer(pdf);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(25, 15, 25, 15), QPageLayout::Millimeter);
        QPainter painter(&writer);
        paintRecordedSheet(painter, recorder.document().sheets.at(0));
    }
    EXPECT_NEAR(wordLeftMm(pdf, 1, "Accertamenti"), 30.0, 0.05);
    EXPECT_TRUE(run("pdftotext", { pdf, "-" }).contains(kAccents));
}

// A printer's default margins would shift everything; the sink paints from the paper's edge.
TEST_F(SheetOutput, PrinterPaintsFromThePaperEdge)
{
    const QString pdf = path("printer.pdf");
    {
        TwoPages pages;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        PagedDeviceSink sink(printer, testFonts());
        pages.composite.generate(sink);
    }
    EXPECT_EQ(pageCount(pdf), 2);
    EXPECT_NEAR(wordLeftMm(pdf, 1, "Accertamenti"), 30.0, 0.05);
}

TEST_F(SheetOutput, ReplayOnAPrinterWithItsMarginsCountsFromThePaperEdge)
{
    TwoPages pages;
    SheetRecorder recorder(testFonts());
    pages.composite.generate(recorder);
    const QString pdf = path("printer-replay.pdf");
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        ASSERT_FALSE(printer.fullPage());
        QPainter painter(&printer);
        paintRecordedSheet(painter, recorder.document().sheets.at(1));
    }
    EXPECT_NEAR(wordLeftMm(pdf, 1, "Risultato"), 50.0, 0.05);
}

} // namespace
