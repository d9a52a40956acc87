// The statement's one typeface, Liberation Sans regular and bold, loaded from its files:
// exact metrics for the layout and fonts for drawing. Needs a QGuiApplication.
#pragma once

#include "statement/text_metrics.h"

#include <QFont>
#include <QRawFont>

#include <stdexcept>

namespace monit12 {

// A font file that is missing or unreadable; what() names the file and the package to install.
class FontFileError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

class FontBook : public TextMetrics
{
public:
    // Loads regularFontPath() and boldFontPath(); throws FontFileError.
    FontBook();

    double advanceWidthMm(const QString &text, const FontSpec &font) const override;

    // A font for drawing at the given point size, which the caller has scaled to its device.
    QFont font(const FontSpec &spec, double pointSize) const;

    // (ascent + descent) / em and ascent / em, read from the regular file's hhea table.
    double lineHeightPerEm() const;
    double ascentPerEm() const;

    // True when the fonts Qt draws with are the files loaded here, not another installed version.
    bool drawsWithOwnFiles() const;

private:
    const QRawFont &raw(const FontSpec &spec) const { return spec.bold ? m_bold : m_regular; }

    QRawFont m_regular;
    QRawFont m_bold;
};

} // namespace monit12
