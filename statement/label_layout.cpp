#include "statement/label_layout.h"

#include <algorithm>

namespace monit12 {

namespace {

// Words end after a space or a hyphen and keep it.
QStringList splitWords(const QString &part)
{
    QStringList words;
    qsizetype start = 0;
    for (qsizetype i = 0; i < part.size(); ++i) {
        if (part[i] == u' ' || part[i] == u'-') {
            words << part.mid(start, i + 1 - start);
            start = i + 1;
        }
    }
    if (start < part.size())
        words << part.mid(start);
    return words;
}

// The longest leading piece of a word that fits the box on its own.
QString leadingFit(
    const QString &word, double widthMm, const FontSpec &font, const TextMetrics &metrics)
{
    qsizetype n = word.size();
    while (n > 0 && measuredWidthMm(word.left(n), font, metrics) > widthMm)
        --n;
    return word.left(n);
}

void wrapPart(
    const QString &part, const TextLabel &label, const TextMetrics &metrics, QStringList &lines)
{
    const double width = label.box.width;
    QString line;
    for (const QString &word : splitWords(part)) {
        if (!line.isEmpty() && measuredWidthMm(line + word, label.font, metrics) > width) {
            lines << line;
            line.clear();
        }
        if (line.isEmpty() && measuredWidthMm(word, label.font, metrics) > width) {
            lines << leadingFit(word, width, label.font, metrics);
            continue;
        }
        line += word;
    }
    // An empty part is an empty line; a part ending in a cut word has no line left over.
    if (!line.isEmpty() || part.isEmpty())
        lines << line;
}

} // namespace

QStringList breakCaption(const TextLabel &label, const TextMetrics &metrics)
{
    QString text = label.caption;
    text.remove(u'\n');
    const QStringList parts = text.split(u'\r');
    if (label.autoSize || !label.wordWrap)
        return parts;
    QStringList lines;
    for (const QString &part : parts)
        wrapPart(part, label, metrics, lines);
    return lines;
}

void sizeToText(TextLabel &label, const TextMetrics &metrics)
{
    double width = 0;
    for (const QString &line : breakCaption(label, metrics))
        width = std::max(width, measuredWidthMm(line, label.font, metrics));
    const double change = width - label.box.width;
    if (label.alignment == Alignment::Right)
        label.box.left -= change;
    else if (label.alignment == Alignment::Centre)
        label.box.left -= change / 2;
    label.box.width = width;
    label.box.height = std::max(label.box.height, lineHeightMm(label.font));
}

void centreOnBand(TextLabel &label, double bandWidthMm)
{
    label.box.left = (bandWidthMm - label.box.width) / 2;
}

void layoutLabel(TextLabel &label, double bandWidthMm, const TextMetrics &metrics)
{
    if (label.autoSize)
        sizeToText(label, metrics);
    if (label.alignToBand)
        centreOnBand(label, bandWidthMm);
    label.lines = breakCaption(label, metrics);
}

void setCaption(
    TextLabel &label, const QString &caption, double bandWidthMm, const TextMetrics &metrics)
{
    label.caption = caption;
    layoutLabel(label, bandWidthMm, metrics);
}

void layoutReport(Report &report, const TextMetrics &metrics)
{
    for (Band &band : report.bands)
        for (Element &element : band.elements)
            if (TextLabel *label = element.label())
                layoutLabel(*label, band.width, metrics);
}

} // namespace monit12
