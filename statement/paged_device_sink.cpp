#include "statement/paged_device_sink.h"

#include "statement/sheet_transform.h"

#include <QPageLayout>
#include <QPagedPaintDevice>

namespace monit12 {

PagedDeviceSink::PagedDeviceSink(QPagedPaintDevice &device, const FontBook &fonts, SheetRange range)
    : m_device(device)
    , m_bandPainter(fonts)
    , m_range(range)
{
}

void PagedDeviceSink::beginDocument()
{
    QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
    layout.setMode(QPageLayout::FullPageMode);
    m_device.setPageLayout(layout);
    m_sheet = 0;
    m_sheetsSent = 0;
}

void PagedDeviceSink::beginSheet()
{
    ++m_sheet;
    if (!m_range.contains(m_sheet))
        return;
    if (m_sheetsSent == 0) {
        if (!m_painter.begin(&m_device))
            throw SheetOutputError("Impossibile disegnare sul dispositivo di uscita");
    } else {
        m_device.newPage();
    }
    ++m_sheetsSent;
    m_painter.resetTransform();
    applySheetTransform(m_painter);
}

void PagedDeviceSink::endDocument()
{
    if (m_painter.isActive())
        m_painter.end();
}

void PagedDeviceSink::drawBand(const Band &band, double xMm, double yMm)
{
    if (m_range.contains(m_sheet) && m_painter.isActive())
        m_bandPainter.paint(m_painter, band, xMm, yMm);
}

} // namespace monit12
