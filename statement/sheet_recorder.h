// A sink that records each sheet as a QPicture into a RecordedDocument: the preview's pages.
#pragma once

#include "statement/band_painter.h"
#include "statement/recorded_document.h"
#include "statement/sheet_sink.h"

#include <QPainter>

#include <functional>

namespace monit12 {

class FontBook;

class SheetRecorder : public SheetSink
{
public:
    explicit SheetRecorder(const FontBook &fonts);

    // Called with the sheet's index (0 for the first) as soon as that sheet is complete.
    void setSheetCompletedHandler(std::function<void(int sheet)> handler);

    void beginSheet() override;
    void endSheet() override;
    void drawBand(const Band &band, double xMm, double yMm) override;

    const RecordedDocument &document() const { return m_document; }
    RecordedDocument takeDocument();

private:
    BandPainter m_bandPainter;
    RecordedDocument m_document;
    QPainter m_painter;
    std::function<void(int)> m_sheetCompleted;
};

} // namespace monit12
