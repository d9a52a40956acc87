// The font book looks each character's advance up once; its widths must still be exactly those of
// measuring the whole text in the font file: one bit of difference could move a line break.
#include "data/separators.h"
#include "statement/font_book.h"
#include "statement/font_files.h"
#include "statement/tf_stampa.h"

#include <QGuiApplication>
#include <QRawFont>

#include <gtest/gtest.h>

using namespace monit12;

namespace {

// The whole text's glyph advances in design units, summed in order, as the font file gives them.
double wholeTextWidthMm(const QString &text, const FontSpec &spec)
{
    QRawFont f(spec.bold ? boldFontPath() : regularFontPath(), 12, QFont::PreferNoHinting);
    f.setPixelSize(f.unitsPerEm());
    double units = 0;
    for (const QPointF &a : f.advancesForGlyphIndexes(f.glyphIndexesForString(text), QRawFont::UseDesignMetrics))
        units += a.x();
    return units / f.unitsPerEm() * spec.sizePt * kMmPerPt;
}

} // namespace

TEST(FontBookCache, MeasuresEveryTextExactlyAsTheWholeText)
{
    const FontBook fonts;
    QStringList texts = { QString(), QStringLiteral("9.999.999.999"), QStringLiteral("-1.234.567,89"),
        QStringLiteral("COMUNE DI SANT'AGATA DE' GOTI · Forlì ’ € Ł"),
        // A character outside the first plane is one glyph from two code units.
        QStringLiteral("A \U0001D11E B"), QStringLiteral("\U0001D11E") };
    QString every;
    for (char16_t c = 0x20; c <= 0xFF; ++c)
        every += QChar(c);
    texts << every;
    for (const QChar c : every)
        texts << QString(c);
    const TFStampa form(fonts, QStringLiteral(MONIT12_SOURCE_DIR "/examples/KESTRAVO.TXT"),
        Separators { ",", "." }, {});
    for (const Report *report : { &form.QuickRep1, &form.QuickRep2 })
        for (const Band &band : report->bands)
            for (const Element &element : band.elements)
                if (const TextLabel *label = element.label())
                    texts << label->caption << label->lines;

    const FontSpec specs[] = { { 8, false }, { 8, true }, { 14, true }, { 6, false }, { 7.5, false }, { 10, true } };
    for (int round = 0; round < 2; ++round) // the second round comes from the cache
        for (const FontSpec &spec : specs)
            for (const QString &text : texts)
                ASSERT_EQ(fonts.advanceWidthMm(text, spec), wholeTextWidthMm(text, spec))
                    << text.toStdString() << " at " << spec.sizePt << (spec.bold ? " bold" : "");
}

int main(int argc, char *argv[])
{
    // Test discovery runs this binary without the test environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    usePrivateFontConfig();
    QGuiApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
