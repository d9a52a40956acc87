// A sink that paints straight onto a PDF writer or a printer, one device page per sheet,
// positions from the paper's edge. Sheets outside the page range are laid out but not sent.
#pragma once

#include "statement/band_painter.h"
#include "statement/sheet_sink.h"

#include <QPainter>

#include <stdexcept>

class QPagedPaintDevice;

namespace monit12 {

class FontBook;

// The device would not start painting, such as a PDF file that cannot be written.
class SheetOutputError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

struct SheetRange
{
    int first = 0; // 1-based; 0 and 0 for every sheet
    int last = 0;

    bool contains(int sheet) const
    {
        return (first == 0 || sheet >= first) && (last == 0 || sheet <= last);
    }
};

class PagedDeviceSink : public SheetSink
{
public:
    PagedDeviceSink(QPagedPaintDevice &device, const FontBook &fonts, SheetRange range = {});

    // A4 portrait, painted from the paper's edge.
    void beginDocument() override;
    void beginSheet() override;
    void endSheet() override { }
    void endDocument() override;
    void drawBand(const Band &band, double xMm, double yMm) override;

    int sheetsSent() const { return m_sheetsSent; }

private:
    QPagedPaintDevice &m_device;
    BandPainter m_bandPainter;
    SheetRange m_range;
    QPainter m_painter;
    int m_sheet = 0;
    int m_sheetsSent = 0;
};

} // namespace monit12
