#include "statement/paged_sheets.h"

#include <QPagedPaintDevice>

namespace monit12 {

QPageLayout fullPageA4()
{
    QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

PagedSheets::PagedSheets(QPagedPaintDevice &device, SheetRange range)
    : m_device(device)
    , m_range(range)
{
}

QPainter *PagedSheets::beginSheet()
{
    ++m_sheet;
    if (!m_range.contains(m_sheet))
        return nullptr;
    if (m_sheetsSent == 0) {
        if (!m_painter.begin(&m_device))
            throw SheetOutputError("Impossibile disegnare sul dispositivo di uscita");
    } else {
        m_device.newPage();
    }
    ++m_sheetsSent;
    m_painter.resetTransform();
    return &m_painter;
}

QPainter *PagedSheets::current()
{
    return m_range.contains(m_sheet) && m_painter.isActive() ? &m_painter : nullptr;
}

void PagedSheets::end()
{
    if (m_painter.isActive())
        m_painter.end();
}

} // namespace monit12
