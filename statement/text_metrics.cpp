#include "statement/text_metrics.h"

namespace monit12 {

double measuredWidthMm(const QString &text, const FontSpec &font, const TextMetrics &metrics)
{
    return metrics.advanceWidthMm(text, font) + kWidthAllowanceMm;
}

double lineHeightMm(const FontSpec &font)
{
    return kLineHeightPerEm * font.sizePt * kMmPerPt;
}

double ascentMm(const FontSpec &font)
{
    return kAscentPerEm * font.sizePt * kMmPerPt;
}

} // namespace monit12
