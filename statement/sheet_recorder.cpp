#include "statement/sheet_recorder.h"

#include "statement/sheet_transform.h"

#include <utility>

namespace monit12 {

SheetRecorder::SheetRecorder(const FontBook &fonts)
    : m_bandPainter(fonts)
{
}

void SheetRecorder::setSheetCompletedHandler(std::function<void(int)> handler)
{
    m_sheetCompleted = std::move(handler);
}

void SheetRecorder::beginSheet()
{
    if (m_painter.isActive())
        endSheet();
    m_document.sheets.emplace_back();
    m_painter.begin(&m_document.sheets.back());
    applySheetTransform(m_painter);
}

void SheetRecorder::endSheet()
{
    if (!m_painter.isActive())
        return;
    m_painter.end();
    if (m_sheetCompleted)
        m_sheetCompleted(int(m_document.sheets.size()) - 1);
}

void SheetRecorder::drawBand(const Band &band, double xMm, double yMm)
{
    if (m_painter.isActive())
        m_bandPainter.paint(m_painter, band, xMm, yMm);
}

RecordedDocument SheetRecorder::takeDocument()
{
    endSheet();
    return std::exchange(m_document, {});
}

} // namespace monit12
