// Laying out a text label: its caption broken into lines, its box sized and centred.
// Lengths in millimetres; widths measured as measuredWidthMm() does.
#pragma once

#include "statement/report_model.h"
#include "statement/text_metrics.h"

#include <QStringList>

namespace monit12 {

// The caption's lines: line feeds dropped, a line ended at every carriage return, and in a
// fixed box with word wrap the words filled into lines no wider than the box.
QStringList breakCaption(const TextLabel &label, const TextMetrics &metrics);

// Width of the widest line, height at least one line, the anchor of the alignment kept.
void sizeToText(TextLabel &label, const TextMetrics &metrics);

// Centres the box horizontally on a band of the given width.
void centreOnBand(TextLabel &label, double bandWidthMm);

// Fills label.lines and gives the box its final size and place, as the label's switches say.
void layoutLabel(TextLabel &label, double bandWidthMm, const TextMetrics &metrics);

// Replaces the caption and lays the label out again.
void setCaption(
    TextLabel &label, const QString &caption, double bandWidthMm, const TextMetrics &metrics);

void layoutReport(Report &report, const TextMetrics &metrics);

} // namespace monit12
