// The statement form's tests draw and measure text: a QGuiApplication that sees only the
// statement's font folder, and the fonts loaded once for every test.
#include "test_statement_support.h"

#include "statement/font_files.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char *argv[])
{
    // Test discovery runs this binary without the test environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    monit12::usePrivateFontConfig();
    QGuiApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    const monit12::FontBook fonts;
    monit12::formtest::setFonts(&fonts);
    const int status = RUN_ALL_TESTS();
    monit12::formtest::setFonts(nullptr);
    return status;
}
