// The one coordinate system every device paints a sheet in: 0.01 mm units from the
// paper's top-left corner. Fine units keep text where it belongs: Qt's PDF writer stores
// font sizes as whole user units, which at 1 unit = 1 mm would shift glyphs by millimetres.
#pragma once

#include <QPointF>
#include <QTransform>

class QPaintDevice;
class QPainter;

namespace monit12 {

inline constexpr double kUnitsPerMm = 100;

inline constexpr double toUnits(double mm)
{
    return mm * kUnitsPerMm;
}

// Device pixels from the device's origin to the paper's corner: a paged device that paints
// inside its margins gets them back, so positions count from the paper's edge.
QPointF paperCornerOnDevice(const QPaintDevice &device);

// Sheet units to device pixels, the paper corner included.
QTransform sheetTransform(const QPaintDevice &device);

// Puts the sheet's units on top of the active painter's current transform.
void applySheetTransform(QPainter &painter);

// The point size to give a QFont so that it is sizePt tall under sheetTransform() on this device.
double sheetFontPointSize(double sizePt, const QPaintDevice &device);

// One device pixel, in millimetres.
double devicePixelMm(const QPaintDevice &device);

} // namespace monit12
