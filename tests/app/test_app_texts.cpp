#include "app/application_title.h"
#include "app/command_line.h"
#include "app/message_boxes.h"

#include <gtest/gtest.h>

using namespace monit12;

TEST(ApplicationTitle, DerivedFromTheExecutableName)
{
    const struct {
        const char *path;
        const char *title;
    } cases[] = {
        {"/usr/bin/monit12", "monit12"},
        {"MONIT12.EXE", "Monit12"},  // the first character keeps its case, the rest lower case
        {"./Monit12.old.bin", "Monit12"}, // cut at the first full stop
        {"/opt/x/mOnIt", "monit"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(applicationTitleFor(QString::fromLatin1(c.path)), QString::fromLatin1(c.title)) << c.path;
}

TEST(MessageTexts, MissingFileAndFullStopRule)
{
    EXPECT_EQ(missingFileMessage("KESTRAVO.TXT"),
              QStringLiteral("Non trovo il file KESTRAVO.TXT impossibile proseguire."));
    EXPECT_EQ(errorBoxText("File access denied"), QStringLiteral("File access denied."));
    EXPECT_EQ(errorBoxText("I/O error 32"), QStringLiteral("I/O error 32."));
    // "'" sorts before "." would not get one; a full stop already there gets no second one.
    EXPECT_EQ(errorBoxText("it ended."), QStringLiteral("it ended."));
    EXPECT_EQ(errorBoxText("value!"), QStringLiteral("value!"));
    EXPECT_EQ(errorBoxText("value)"), QStringLiteral("value)"));
    EXPECT_EQ(errorBoxText(""), QString());
}

TEST(CommandLine, ParsesModesAndRejectsMisuse)
{
    auto parse = [](QStringList args) { return parseCommandLine(args); };
    {
        const auto r = std::get<CommandLine>(parse({}));
        EXPECT_EQ(r.mode, RunMode::Desktop);
        EXPECT_EQ(r.dataFile, QStringLiteral("KESTRAVO.TXT"));
    }
    {
        const auto r = std::get<CommandLine>(parse({"--json", "--data", "x.txt"}));
        EXPECT_EQ(r.mode, RunMode::Json);
        EXPECT_EQ(r.dataFile, QStringLiteral("x.txt"));
    }
    {
        const auto r = std::get<CommandLine>(parse({"--png", "out", "--dpi", "300"}));
        EXPECT_EQ(r.mode, RunMode::Png);
        EXPECT_EQ(r.output, QStringLiteral("out"));
        EXPECT_EQ(r.dpi, 300);
    }
    const QStringList bad[] = {
        {"--bogus"}, {"--pdf"}, {"--data"}, {"--json", "--pdf", "a.pdf"},
        {"--png", "d", "--dpi", "x"}, {"--pdf", "a.pdf", "--dpi", "200"}, {"stray"},
    };
    for (const QStringList &args : bad)
        EXPECT_TRUE(std::holds_alternative<CommandLineError>(parse(args))) << args.join(' ').toStdString();
}
