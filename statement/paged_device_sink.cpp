#include "statement/paged_device_sink.h"

#include "statement/sheet_transform.h"

#include <QPagedPaintDevice>

namespace monit12 {

PagedDeviceSink::PagedDeviceSink(QPagedPaintDevice &device, const FontBook &fonts,
                                 SheetRange range)
    : m_device(device)
    , m_bandPainter(fonts)
    , m_range(range)
{
}

void PagedDeviceSink::beginDocument()
{
    m_device.setPageLayout(fullPageA4());
    m_sheets.emplace(m_device, m_range);
}

void PagedDeviceSink::beginSheet()
{
    if (QPainter *painter = m_sheets->beginSheet())
        applySheetTransform(*painter);
}

void PagedDeviceSink::endDocument()
{
    m_sheets->end();
}

void PagedDeviceSink::drawBand(const Band &band, double xMm, double yMm)
{
    if (QPainter *painter = m_sheets->current())
        m_bandPainter.paint(*painter, band, xMm, yMm);
}

} // namespace monit12
