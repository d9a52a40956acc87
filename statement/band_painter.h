// Draws a laid-out band on a painter set up by applySheetTransform(): white fill, the
// elements in list order, the frame last. Nothing is clipped and the band is not changed.
#pragma once

#include "statement/report_model.h"

class QPainter;

namespace monit12 {

class FontBook;

class BandPainter
{
public:
    explicit BandPainter(const FontBook &fonts);

    // The band's top-left corner at (xMm, yMm) from the paper's top-left corner.
    void paint(QPainter &painter, const Band &band, double xMm, double yMm) const;

private:
    void paintShape(QPainter &painter, const Shape &shape, double xMm, double yMm) const;
    void paintLabel(QPainter &painter, const TextLabel &label, double xMm, double yMm) const;
    void paintFrame(QPainter &painter, const Band &band, double xMm, double yMm) const;

    const FontBook &m_fonts;
};

} // namespace monit12
