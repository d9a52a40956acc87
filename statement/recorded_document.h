// The rendered document: one recorded drawing per A4 sheet, replayable on any device.
// Text stays text in the recording; its fonts are looked up again when it is replayed.
#pragma once

#include <QImage>
#include <QPageSize>
#include <QPicture>

#include <vector>

class QPainter;

namespace monit12 {

struct RecordedDocument
{
    QPageSize pageSize { QPageSize::A4 };
    std::vector<QPicture> sheets;
};

// Replays a sheet on the active painter's device, the paper's corner at the device's
// paper corner, at the device's resolution.
void paintRecordedSheet(QPainter &painter, const QPicture &sheet);

// The sheet on white paper of the given size, at dpi dots per inch.
QImage renderSheetImage(
    const QPicture &sheet, int dpi, const QPageSize &pageSize = QPageSize(QPageSize::A4));

} // namespace monit12
