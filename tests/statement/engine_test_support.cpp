#include "engine_test_support.h"

#include "statement/font_files.h"

#include <gtest/gtest.h>

#include <QGuiApplication>

#include <memory>

void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace monit12 {

void PrintTo(const MmRect &r, std::ostream *os)
{
    *os << '{' << r.left << ", " << r.top << ", " << r.width << ", " << r.height << '}';
}

namespace {

// The application and the fonts live from before the first test to after the last: Qt cannot
// tear them down from a static destructor, once its own statics are gone.
class GuiEnvironment : public testing::Environment
{
public:
    void SetUp() override
    {
        usePrivateFontConfig();
        m_app = std::make_unique<QGuiApplication>(m_argc, m_argv);
        m_fonts = std::make_unique<FontBook>();
    }
    void TearDown() override
    {
        m_fonts.reset();
        m_app.reset();
    }
    const FontBook &fonts() const { return *m_fonts; }

private:
    int m_argc = 1;
    char m_name[13] = "engine_tests";
    char *m_argv[2] = { m_name, nullptr };
    std::unique_ptr<QGuiApplication> m_app;
    std::unique_ptr<FontBook> m_fonts;
};

GuiEnvironment *const guiEnvironment
    = static_cast<GuiEnvironment *>(testing::AddGlobalTestEnvironment(new GuiEnvironment));

} // namespace

const FontBook &testFonts()
{
    return guiEnvironment->fonts();
}

TextLabel makeLabel(const QString &caption, MmRect box, Alignment alignment, bool autoSize)
{
    TextLabel label;
    label.name = caption;
    label.caption = caption;
    label.box = box;
    label.alignment = alignment;
    label.autoSize = autoSize;
    return label;
}

Element labelElement(TextLabel label)
{
    return Element { 0, std::move(label) };
}

Element shapeElement(MmRect box, Rgb fill)
{
    return Element { 0, Shape { QStringLiteral("shape"), box, fill } };
}

} // namespace monit12
