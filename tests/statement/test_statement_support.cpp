#include "test_statement_support.h"

#include "statement/recorded_document.h"
#include "statement/sheet_recorder.h"
#include "statement/text_metrics.h"

#include <gtest/gtest.h>

#include <QFile>

#include <cmath>

void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace monit12 {

void PrintTo(const MmRect &r, std::ostream *os)
{
    *os << '{' << r.left << ", " << r.top << ", " << r.width << ", " << r.height << '}';
}

namespace formtest {

namespace {

const FontBook *g_fonts = nullptr;

} // namespace

void setFonts(const FontBook *fonts)
{
    g_fonts = fonts;
}

const FontBook &fonts()
{
    return *g_fonts;
}

Separators italian()
{
    return { ",", "." };
}

FilledForm::FilledForm(const QByteArray &contents, const Separators &separators)
{
    const QString path = m_dir.filePath(QStringLiteral("KESTRAVO.TXT"));
    if (!contents.isNull()) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
            ADD_FAILURE() << "cannot write the data file";
    }
    TFStampa::Reporting reporting { [this] { ++missingFileCalls; },
        [this](const QString &text) { readingErrors << text; } };
    m_form = std::make_unique<TFStampa>(fonts(), path, separators, std::move(reporting));
}

const TextLabel &FilledForm::label(const QString &name) const
{
    const TextLabel *found = m_form->label(name);
    if (!found)
        throw std::runtime_error("no label " + name.toStdString());
    return *found;
}

const LoadedDesign &storedPageOne()
{
    static const LoadedDesign design
        = readDesignResource(QStringLiteral(":/designs/quickrep1.design"));
    return design;
}

const LoadedDesign &storedPageTwo()
{
    static const LoadedDesign design
        = readDesignResource(QStringLiteral(":/designs/quickrep2.design"));
    return design;
}

std::vector<const TextLabel *> labelsOf(const Report &report)
{
    std::vector<const TextLabel *> labels;
    for (const Band &band : report.bands)
        for (const Element &element : band.elements)
            if (const TextLabel *label = element.label())
                labels.push_back(label);
    return labels;
}

const TextLabel &storedLabel(const QString &name)
{
    for (const Report *report : { &storedPageOne().report, &storedPageTwo().report })
        for (const TextLabel *label : labelsOf(*report))
            if (label->name == name)
                return *label;
    throw std::runtime_error("no stored label " + name.toStdString());
}

const TextLabel &labelStartingWith(const Report &report, const QString &prefix)
{
    const TextLabel *found = nullptr;
    for (const TextLabel *label : labelsOf(report)) {
        if (!label->caption.startsWith(prefix))
            continue;
        if (found)
            throw std::runtime_error("more than one label starts with " + prefix.toStdString());
        found = label;
    }
    if (!found)
        throw std::runtime_error("no label starts with " + prefix.toStdString());
    return *found;
}

int linesThatFit(const TextLabel &label)
{
    const double lineHeight = 1.117 * label.font.sizePt * 25.4 / 72;
    int k = 0;
    while (k < label.lines.size() && (k + 1) * lineHeight <= label.box.height + 0.1 + 1e-9)
        ++k;
    return k;
}

std::vector<QImage> renderSheets(TFStampa &form, int dpi)
{
    SheetRecorder recorder(fonts());
    form.QRCompositeReport1.generate(recorder);
    const RecordedDocument document = recorder.takeDocument();
    std::vector<QImage> images;
    for (const QPicture &sheet : document.sheets)
        images.push_back(renderSheetImage(sheet, dpi, document.pageSize));
    return images;
}

namespace {

// Pixel i covers [i, i + 1) / pixelsPerMm.
int toPixel(double mm, const QImage &image)
{
    return int(std::floor(mm * image.dotsPerMeterX() / 1000.0));
}

} // namespace

PixelCount countPixels(
    const QImage &image, const MmRect &sheetMm, const std::function<bool(QRgb)> &test)
{
    PixelCount count;
    for (int y = toPixel(sheetMm.top, image); y < toPixel(sheetMm.bottom(), image); ++y)
        for (int x = toPixel(sheetMm.left, image); x < toPixel(sheetMm.right(), image); ++x) {
            ++count.total;
            count.matching += test(image.pixel(x, y)) ? 1 : 0;
        }
    return count;
}

QRgb pixelAtMm(const QImage &image, double xMm, double yMm)
{
    return image.pixel(toPixel(xMm, image), toPixel(yMm, image));
}

MmRect onSheet(const MmRect &inBand, double bandLeftMm, double bandTopMm)
{
    return { inBand.left + bandLeftMm, inBand.top + bandTopMm, inBand.width, inBand.height };
}

bool isInk(QRgb pixel)
{
    return qGray(pixel) < 128;
}

bool isYellow(QRgb pixel)
{
    return (pixel & 0xFFFFFF) == 0xFFFFCE;
}

bool isWhite(QRgb pixel)
{
    return (pixel & 0xFFFFFF) == 0xFFFFFF;
}

} // namespace formtest
} // namespace monit12
