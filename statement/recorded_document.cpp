#include "statement/recorded_document.h"

#include "statement/sheet_transform.h"

#include <QPainter>

namespace monit12 {

void paintRecordedSheet(QPainter &painter, const QPicture &sheet)
{
    // The recording holds the sheet transform at the recorder's resolution; drawPicture()
    // rescales it to the device's, so only the paper corner is added here.
    painter.save();
    const QPointF corner = paperCornerOnDevice(*painter.device());
    painter.translate(corner);
    painter.drawPicture(QPointF(0, 0), sheet);
    painter.restore();
}

QImage renderSheetImage(const QPicture &sheet, int dpi, const QPageSize &pageSize)
{
    const QSize pixels = pageSize.sizePixels(dpi);
    QImage image(pixels, QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintRecordedSheet(painter, sheet);
    return image;
}

} // namespace monit12
