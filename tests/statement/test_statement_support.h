// Shared by the statement form's tests: the fonts of the test process, data files written to a
// temporary folder, the form filled from them, its stored designs, and its sheets as images.
#pragma once

#include "data/separators.h"
#include "statement/design_loader.h"
#include "statement/font_book.h"
#include "statement/tf_stampa.h"
#include "tests/support/data_file_builder.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <vector>

void PrintTo(const QString &s, std::ostream *os);

namespace monit12 {

void PrintTo(const MmRect &r, std::ostream *os);

namespace formtest {

void setFonts(const FontBook *fonts);
const FontBook &fonts();

// Comma for decimals, full stop for thousands.
Separators italian();

using test::Cents;
using test::DataFileSpec;
using test::dataFileBytes;
using test::sampleFileBytes;
using test::withAmountField;

// The statement form created on a data file in a folder of its own; a null `contents`
// means no data file at all.
class FilledForm
{
public:
    explicit FilledForm(const QByteArray &contents, const Separators &separators = italian());
    FilledForm(const FilledForm &) = delete;
    FilledForm &operator=(const FilledForm &) = delete;

    TFStampa &form() { return *m_form; }
    const TFStampa &form() const { return *m_form; }
    QString caption(const QString &name) const { return m_form->caption(name); }
    const TextLabel &label(const QString &name) const;

    int missingFileCalls = 0;
    QStringList readingErrors;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<TFStampa> m_form;
};

// The designs as stored, before any layout.
const LoadedDesign &storedPageOne();
const LoadedDesign &storedPageTwo();
const TextLabel &storedLabel(const QString &name);
// Every text label of a report, in band and drawing order.
std::vector<const TextLabel *> labelsOf(const Report &report);

// The one label of a laid-out report whose caption starts with `prefix`; fails the test when
// there is none or more than one.
const TextLabel &labelStartingWith(const Report &report, const QString &prefix);

// Lines a fixed box prints: line k only while (k + 1) line heights fit its height + 0.1 mm.
int linesThatFit(const TextLabel &label);

// The sheets of one generation pass, rendered on white at `dpi`.
std::vector<QImage> renderSheets(TFStampa &form, int dpi);

// Sheet positions of the bands' top-left corners.
inline constexpr double kSheetLeftMm = 10.0;
inline constexpr double kPageHeaderTopMm = 10.0;
inline constexpr double kTitleBand1TopMm = 31.9;
inline constexpr double kTitleBand2TopMm = 10.0;

// Pixels of the rectangle (sheet millimetres) that satisfy `test`, and all its pixels.
struct PixelCount
{
    int matching = 0;
    int total = 0;
};
PixelCount countPixels(
    const QImage &image, const MmRect &sheetMm, const std::function<bool(QRgb)> &test);
QRgb pixelAtMm(const QImage &image, double xMm, double yMm);

// A band rectangle moved onto the sheet.
MmRect onSheet(const MmRect &inBand, double bandLeftMm, double bandTopMm);

bool isInk(QRgb pixel);
bool isYellow(QRgb pixel);
bool isWhite(QRgb pixel);

} // namespace formtest
} // namespace monit12
