// A sink that paints straight onto a PDF writer or a printer, one device page per sheet,
// positions from the paper's edge. Sheets outside the page range are laid out but not sent.
#pragma once

#include "statement/band_painter.h"
#include "statement/paged_sheets.h"
#include "statement/sheet_sink.h"

#include <optional>

class QPagedPaintDevice;

namespace monit12 {

class FontBook;

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

    int sheetsSent() const { return m_sheets ? m_sheets->sheetsSent() : 0; }

private:
    QPagedPaintDevice &m_device;
    BandPainter m_bandPainter;
    SheetRange m_range;
    // Made anew at the start of every pass.
    std::optional<PagedSheets> m_sheets;
};

} // namespace monit12
