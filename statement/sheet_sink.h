// Where a generation pass puts its sheets: a recording for the preview, a printer, a PDF
// writer, or a log of placements.
#pragma once

namespace monit12 {

struct Band;

class SheetSink
{
public:
    virtual ~SheetSink() = default;

    virtual void beginDocument() { }
    virtual void beginSheet() = 0;
    // The sheet begun last is complete.
    virtual void endSheet() = 0;
    virtual void endDocument() { }
    // Draws the band with its top-left corner at (xMm, yMm) on the current sheet.
    virtual void drawBand(const Band &band, double xMm, double yMm) = 0;
};

} // namespace monit12
