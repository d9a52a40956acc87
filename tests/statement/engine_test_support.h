// Shared by the engine's tests: a GUI application with the statement's fonts, a fake
// metrics, and small builders for synthetic bands.
#pragma once

#include "statement/font_book.h"
#include "statement/report_model.h"
#include "statement/text_metrics.h"

#include <QString>

#include <ostream>

void PrintTo(const QString &s, std::ostream *os);

namespace monit12 {

void PrintTo(const MmRect &r, std::ostream *os);

// The FontBook of the test process, whose QGuiApplication sees only the statement's font folder.
const FontBook &testFonts();

// Every character 1 mm wide, whatever the font.
class OneMmPerCharacter : public TextMetrics
{
public:
    double advanceWidthMm(const QString &text, const FontSpec &) const override
    {
        return double(text.size());
    }
};

TextLabel makeLabel(const QString &caption, MmRect box, Alignment alignment = Alignment::Left,
    bool autoSize = true);
Element labelElement(TextLabel label);
Element shapeElement(MmRect box, Rgb fill);

} // namespace monit12
