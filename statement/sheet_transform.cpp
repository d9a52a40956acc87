#include "statement/sheet_transform.h"

#include "statement/text_metrics.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace monit12 {

QPointF paperCornerOnDevice(const QPaintDevice &device)
{
    const auto *paged = dynamic_cast<const QPagedPaintDevice *>(&device);
    if (!paged)
        return {};
    const QPageLayout layout = paged->pageLayout();
    if (layout.mode() == QPageLayout::FullPageMode)
        return {};
    return -QPointF(layout.paintRectPixels(device.logicalDpiX()).topLeft());
}

QTransform sheetTransform(const QPaintDevice &device)
{
    const QPointF corner = paperCornerOnDevice(device);
    QTransform t;
    t.translate(corner.x(), corner.y());
    t.scale(device.logicalDpiX() / 25.4 / kUnitsPerMm, device.logicalDpiY() / 25.4 / kUnitsPerMm);
    return t;
}

void applySheetTransform(QPainter &painter)
{
    painter.setWorldTransform(sheetTransform(*painter.device()), true);
}

double sheetFontPointSize(double sizePt, const QPaintDevice &device)
{
    // QFont turns points into pixels with the device's dpi; here a pixel is a sheet unit.
    return toUnits(sizePt * kMmPerPt) * 72 / device.logicalDpiY();
}

double devicePixelMm(const QPaintDevice &device)
{
    return 25.4 / std::min(device.logicalDpiX(), device.logicalDpiY());
}

} // namespace monit12
