#include "statement/font_book.h"

#include "statement/font_files.h"

#include <QFile>
#include <QFontDatabase>
#include <QtEndian>

namespace monit12 {

namespace {

QRawFont loadFont(const QString &path)
{
    if (!QFile::exists(path))
        throw FontFileError(QStringLiteral("Manca il file di caratteri %1: installare il pacchetto "
                                           "Debian fonts-liberation")
                                .arg(path)
                                .toStdString());
    QRawFont font(path, 12, QFont::PreferNoHinting);
    if (!font.isValid())
        throw FontFileError(
            QStringLiteral("Il file di caratteri %1 non è leggibile: reinstallare il "
                           "pacchetto Debian fonts-liberation")
                .arg(path)
                .toStdString());
    // One pixel per design unit and no hinting: advances come back in exact design units.
    font.setPixelSize(font.unitsPerEm());
    return font;
}

qint16 tableInt16(const QByteArray &table, int offset)
{
    if (table.size() < offset + 2)
        return 0;
    return qFromBigEndian<qint16>(table.constData() + offset);
}

} // namespace

FontBook::FontBook()
    : m_regular(loadFont(regularFontPath()))
    , m_bold(loadFont(boldFontPath()))
{
    // Makes the family drawable where the folder is not among fontconfig's folders.
    QFontDatabase::addApplicationFont(regularFontPath());
    QFontDatabase::addApplicationFont(boldFontPath());
    for (auto &table : m_latin1Advances)
        table.fill(-1);
}

double FontBook::wholeTextAdvanceMm(const QString &text, const FontSpec &spec) const
{
    const QRawFont &f = raw(spec);
    const QList<quint32> glyphs = f.glyphIndexesForString(text);
    const QList<QPointF> advances = f.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics);
    double designUnits = 0;
    for (const QPointF &a : advances)
        designUnits += a.x();
    return designUnits / f.unitsPerEm() * spec.sizePt * kMmPerPt;
}

double FontBook::designAdvance(QChar c, bool bold) const
{
    const char16_t code = c.unicode();
    double *slot = code < 256 ? &m_latin1Advances[bold][code] : nullptr;
    if (slot && *slot >= 0)
        return *slot;
    QHash<char16_t, double> &others = m_otherAdvances[bold];
    if (!slot) {
        const auto it = others.constFind(code);
        if (it != others.constEnd())
            return *it;
    }
    const QRawFont &f = bold ? m_bold : m_regular;
    const QList<QPointF> advances
        = f.advancesForGlyphIndexes(f.glyphIndexesForString(QString(c)), QRawFont::UseDesignMetrics);
    const double advance = advances.isEmpty() ? 0.0 : advances.front().x();
    if (slot)
        *slot = advance;
    else
        others.insert(code, advance);
    return advance;
}

// The same sum, term by term and in the same order, as measuring the whole text at once.
double FontBook::advanceWidthMm(const QString &text, const FontSpec &spec) const
{
    double designUnits = 0;
    for (const QChar c : text) {
        // A surrogate pair is one glyph from two code units: such a text is measured whole.
        if (c.isSurrogate())
            return wholeTextAdvanceMm(text, spec);
        designUnits += designAdvance(c, spec.bold);
    }
    return designUnits / raw(spec).unitsPerEm() * spec.sizePt * kMmPerPt;
}

QFont FontBook::font(const FontSpec &spec, double pointSize) const
{
    QFont f(raw(spec).familyName());
    f.setPointSizeF(pointSize);
    f.setWeight(spec.bold ? QFont::Bold : QFont::Normal);
    // Drawn advances must add up as the layout measured them.
    f.setKerning(false);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

double FontBook::lineHeightPerEm() const
{
    const QByteArray hhea = m_regular.fontTable("hhea");
    return double(tableInt16(hhea, 4) - tableInt16(hhea, 6)) / m_regular.unitsPerEm();
}

double FontBook::ascentPerEm() const
{
    return double(tableInt16(m_regular.fontTable("hhea"), 4)) / m_regular.unitsPerEm();
}

bool FontBook::drawsWithOwnFiles() const
{
    for (bool bold : { false, true }) {
        const FontSpec spec { 10, bold };
        const QRawFont drawn = QRawFont::fromFont(font(spec, spec.sizePt));
        if (drawn.fontTable("head") != raw(spec).fontTable("head"))
            return false;
    }
    return true;
}

} // namespace monit12
