#include "engine_test_support.h"

#include "statement/font_book.h"
#include "statement/font_files.h"
#include "statement/label_layout.h"
#include "statement/sheet_transform.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <QTemporaryDir>

using namespace monit12;

namespace {

struct WidthCase
{
    const char *name;
    QString text;
    FontSpec font;
    double measuredMm;
};

void PrintTo(const WidthCase &c, std::ostream *os)
{
    *os << c.name;
}

class MeasuredWidth : public testing::TestWithParam<WidthCase>
{
};

TEST_P(MeasuredWidth, IsAdvancesAtTheExactSizePlusAllowance)
{
    const WidthCase &c = GetParam();
    EXPECT_NEAR(measuredWidthMm(c.text, c.font, testFonts()), c.measuredMm, 0.005);
}

// The template stores the 96-dpi screen's widths (17.2 and 30.4 mm); these are exact metrics.
INSTANTIATE_TEST_SUITE_P(Cases, MeasuredWidth,
    testing::Values(WidthCase { "basis_8pt", "Accertamenti", { 8, false }, 16.73 },
        WidthCase { "municipality_14pt_bold", "COMUNE DI ", { 14, true }, 29.89 },
        WidthCase { "total_caption_8pt_bold", "Totale spese correnti nette", { 8, true }, 36.18 },
        WidthCase { "empty_is_the_allowance", "", { 8, false }, 0.26 }),
    [](const testing::TestParamInfo<WidthCase> &info) { return std::string(info.param.name); });

TEST(FontBook, LineHeightAndAscentComeFromTheFontFile)
{
    EXPECT_NEAR(testFonts().lineHeightPerEm(), kLineHeightPerEm, 0.0005);
    EXPECT_NEAR(testFonts().ascentPerEm(), kAscentPerEm, 0.0005);
    EXPECT_NEAR(lineHeightMm({ 8, false }), 3.15, 0.005);
    EXPECT_NEAR(lineHeightMm({ 14, true }), 5.52, 0.005);
}

TEST(FontBook, QtDrawsWithTheLoadedFiles)
{
    EXPECT_TRUE(testFonts().drawsWithOwnFiles());
}

// Drawing places each line by its measured advances, so Qt's own layout of the line must add
// up to the same: no kerning pairs (AV, Wa, To: 0.2 mm each at 8 pt) and no ligatures (fi, ffl).
// Qt rounds each advance to a whole sheet unit (0.01 mm), hence the tolerance.
TEST(FontBook, DrawnTextAdvancesAsMeasured)
{
    QImage image(10, 10, QImage::Format_RGB32);
    image.setDotsPerMeterX(5906);
    image.setDotsPerMeterY(5906);
    for (const FontSpec spec :
        { FontSpec { 8, false }, FontSpec { 14, true }, FontSpec { 6, false } }) {
        const QFont font = testFonts().font(spec, sheetFontPointSize(spec.sizePt, image));
        const QFontMetricsF fm(font, &image);
        for (const QString text : { "AVATAR Wa To", "fi ffl office", "Città però è 1° l’anno" }) {
            const double drawnMm = fm.horizontalAdvance(text) / kUnitsPerMm;
            EXPECT_NEAR(drawnMm, testFonts().advanceWidthMm(text, spec), 0.05)
                << text.toStdString() << " at " << spec.sizePt;
        }
    }
}

TEST(FontBook, BoldTotalCaptionWrapsItsLastWordInItsBox)
{
    TextLabel label
        = makeLabel("Totale spese correnti nette", { 0, 0, 34.8, 3.8 }, Alignment::Left, false);
    label.font = { 8, true };
    EXPECT_EQ(
        breakCaption(label, testFonts()), (QStringList { "Totale spese correnti ", "nette" }));
}

// Points the font folder elsewhere for one test.
class ScopedFontDir
{
public:
    explicit ScopedFontDir(const QString &dir)
        : m_saved(qgetenv("MONIT12_FONT_DIR"))
    {
        qputenv("MONIT12_FONT_DIR", QFile::encodeName(dir));
    }
    ~ScopedFontDir()
    {
        if (m_saved.isNull())
            qunsetenv("MONIT12_FONT_DIR");
        else
            qputenv("MONIT12_FONT_DIR", m_saved);
    }

private:
    QByteArray m_saved;
};

QString fontBookError()
{
    try {
        FontBook fonts;
    } catch (const FontFileError &e) {
        return QString::fromStdString(e.what());
    }
    return QStringLiteral("no error");
}

TEST(FontBook, MissingFileNamesTheFileAndThePackage)
{
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    const ScopedFontDir fontDir(empty.path());
    EXPECT_EQ(fontBookError(),
        "Manca il file di caratteri " + empty.path()
            + "/LiberationSans-Regular.ttf: installare il pacchetto Debian "
              "fonts-liberation");
}

TEST(FontBook, UnreadableFileNamesTheFileAndThePackage)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile bogus(dir.filePath("LiberationSans-Regular.ttf"));
    ASSERT_TRUE(bogus.open(QIODevice::WriteOnly));
    bogus.write("not a font");
    bogus.close();
    const ScopedFontDir fontDir(dir.path());
    EXPECT_EQ(fontBookError(),
        "Il file di caratteri " + bogus.fileName()
            + " non è leggibile: reinstallare il pacchetto Debian "
              "fonts-liberation");
}

TEST(FontBook, FontFolderCanBeOverridden)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QFile::copy(regularFontPath(), dir.filePath("LiberationSans-Regular.ttf")));
    const ScopedFontDir fontDir(dir.path());
    EXPECT_EQ(fontBookError(),
        "Manca il file di caratteri " + dir.path()
            + "/LiberationSans-Bold.ttf: installare il pacchetto Debian "
              "fonts-liberation");
}

} // namespace
