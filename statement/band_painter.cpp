#include "statement/band_painter.h"

#include "statement/font_book.h"
#include "statement/sheet_transform.h"
#include "statement/text_metrics.h"

#include <QPainter>

#include <algorithm>

namespace monit12 {

namespace {

// Drawing a line is allowed 0.1 mm more than the box: the boxes are stored to a tenth.
constexpr double kLineFitToleranceMm = 0.1 + 1e-9;
// The frame rectangle reaches this far below the band.
constexpr double kFrameExtraHeightMm = 0.1;

QRectF unitsRect(double leftMm, double topMm, double widthMm, double heightMm)
{
    return { toUnits(leftMm), toUnits(topMm), toUnits(widthMm), toUnits(heightMm) };
}

QColor toColor(Rgb rgb)
{
    return QColor::fromRgb(QRgb(rgb));
}

bool contains(const MmRect &outer, const MmRect &inner)
{
    constexpr double slack = 1e-6;
    return outer.left <= inner.left + slack && outer.top <= inner.top + slack
        && outer.right() >= inner.right() - slack && outer.bottom() >= inner.bottom() - slack;
}

// A label whose whole box a later opaque element paints over can never show. Leaving it out
// changes no pixel, and keeps covered texts out of a PDF's text layer, where a reader's
// search or copy would otherwise find them.
bool coveredLater(const std::vector<Element> &elements, std::size_t index)
{
    const MmRect &box = elements[index].label()->box;
    for (std::size_t j = index + 1; j < elements.size(); ++j) {
        const Element &later = elements[j];
        const TextLabel *label = later.label();
        if (label && label->transparent)
            continue;
        if (contains(label ? label->box : later.shape()->box, box))
            return true;
    }
    return false;
}

} // namespace

BandPainter::BandPainter(const FontBook &fonts)
    : m_fonts(fonts)
{
}

void BandPainter::paint(QPainter &painter, const Band &band, double xMm, double yMm) const
{
    painter.save();
    painter.fillRect(unitsRect(xMm, yMm, band.width, band.height), toColor(band.color));
    for (std::size_t i = 0; i < band.elements.size(); ++i) {
        const Element &element = band.elements[i];
        if (const Shape *shape = element.shape())
            paintShape(painter, *shape, xMm, yMm);
        else if (!coveredLater(band.elements, i))
            paintLabel(painter, *element.label(), xMm, yMm);
    }
    paintFrame(painter, band, xMm, yMm);
    painter.restore();
}

void BandPainter::paintShape(QPainter &painter, const Shape &shape, double xMm, double yMm) const
{
    QPen hairline(Qt::black, 0);
    hairline.setCosmetic(true);
    painter.setPen(hairline);
    painter.setBrush(toColor(shape.fill));
    painter.drawRect(
        unitsRect(xMm + shape.box.left, yMm + shape.box.top, shape.box.width, shape.box.height));
}

void BandPainter::paintLabel(
    QPainter &painter, const TextLabel &label, double xMm, double yMm) const
{
    const MmRect &box = label.box;
    if (!label.transparent)
        painter.fillRect(
            unitsRect(xMm + box.left, yMm + box.top, box.width, box.height), toColor(label.color));
    const double lineHeight = lineHeightMm(label.font);
    painter.setFont(
        m_fonts.font(label.font, sheetFontPointSize(label.font.sizePt, *painter.device())));
    painter.setPen(Qt::black);
    for (qsizetype k = 0; k < label.lines.size(); ++k) {
        if ((k + 1) * lineHeight > box.height + kLineFitToleranceMm)
            break;
        const QString &line = label.lines[k];
        const double width = m_fonts.advanceWidthMm(line, label.font);
        double x = box.left;
        if (label.alignment == Alignment::Centre)
            x = box.centreX() - width / 2;
        else if (label.alignment == Alignment::Right)
            x = box.right() - width;
        const double baseline = box.top + k * lineHeight + ascentMm(label.font);
        painter.drawText(QPointF(toUnits(xMm + x), toUnits(yMm + baseline)), line);
    }
}

void BandPainter::paintFrame(QPainter &painter, const Band &band, double xMm, double yMm) const
{
    const Frame &frame = band.frame;
    const double bar = std::max(frame.widthPt * kMmPerPt, devicePixelMm(*painter.device()));
    const double height = band.height + kFrameExtraHeightMm;
    if (frame.top)
        painter.fillRect(unitsRect(xMm, yMm, band.width, bar), Qt::black);
    if (frame.bottom)
        painter.fillRect(unitsRect(xMm, yMm + height - bar, band.width, bar), Qt::black);
    if (frame.left)
        painter.fillRect(unitsRect(xMm, yMm, bar, height), Qt::black);
    if (frame.right)
        painter.fillRect(unitsRect(xMm + band.width - bar, yMm, bar, height), Qt::black);
}

} // namespace monit12
