// The statement's one typeface, Liberation Sans regular and bold, loaded from its files:
// exact metrics for the layout and fonts for drawing. Needs a QGuiApplication.
#pragma once

#include "statement/text_metrics.h"

#include <QFont>
#include <QHash>
#include <QRawFont>

#include <array>

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
    // One character's advance in design units, looked up in the font file once: laying out and
    // drawing a statement measures the same few characters thousands of times.
    double designAdvance(QChar c, bool bold) const;
    double wholeTextAdvanceMm(const QString &text, const FontSpec &spec) const;

    QRawFont m_regular;
    QRawFont m_bold;
    // Per face: the first 256 characters in a table (negative: not looked up yet), others hashed.
    // Not safe to share between threads.
    mutable std::array<std::array<double, 256>, 2> m_latin1Advances;
    mutable std::array<QHash<char16_t, double>, 2> m_otherAdvances;
};

} // namespace monit12
