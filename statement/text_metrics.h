// How wide a text is and how tall its lines are, in millimetres.
#pragma once

#include "statement/report_model.h"

#include <QString>

namespace monit12 {

inline constexpr double kMmPerPt = 25.4 / 72;
// One pixel of the 96-dpi screen the templates were drawn on; added to every measured width.
inline constexpr double kWidthAllowanceMm = 0.26;
// Ascent plus descent, and ascent alone, of Liberation Sans, per point of font size.
inline constexpr double kLineHeightPerEm = 1.117;
inline constexpr double kAscentPerEm = 0.905;

class TextMetrics
{
public:
    virtual ~TextMetrics() = default;
    // The sum of the characters' advance widths at the exact point size; no kerning.
    virtual double advanceWidthMm(const QString &text, const FontSpec &font) const = 0;
};

// Advance widths plus the allowance: the width a line needs in a box.
double measuredWidthMm(const QString &text, const FontSpec &font, const TextMetrics &metrics);
double lineHeightMm(const FontSpec &font);
double ascentMm(const FontSpec &font);

} // namespace monit12
