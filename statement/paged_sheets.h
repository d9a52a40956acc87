// Steps through the sheets of a document on a PDF writer or a printer: one device page per sheet
// sent, sheets outside the page range skipped (a printer does not skip them by itself).
#pragma once

#include <QPageLayout>
#include <QPainter>

#include <stdexcept>

class QPagedPaintDevice;

namespace monit12 {

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

// A4 portrait without margins, positions counted from the paper's edge.
QPageLayout fullPageA4();

class PagedSheets
{
public:
    PagedSheets(QPagedPaintDevice &device, SheetRange range);

    // Moves to the next sheet. Returns the painter, untransformed, on a fresh device page, or
    // nothing when the sheet lies outside the range. Throws SheetOutputError.
    QPainter *beginSheet();
    // The painter of the current sheet; nothing when it is not sent.
    QPainter *current();
    void end();

    int sheetsSent() const { return m_sheetsSent; }

private:
    QPagedPaintDevice &m_device;
    SheetRange m_range;
    QPainter m_painter;
    int m_sheet = 0;
    int m_sheetsSent = 0;
};

} // namespace monit12
