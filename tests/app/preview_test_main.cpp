// The preview tests need a QApplication, with the statement's fonts as the only ones.
#include "statement/font_files.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char *argv[])
{
    // Test discovery runs this binary without the test environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    monit12::usePrivateFontConfig();
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("monit12"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
