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

TEST(CommandLine, ParsesTheBatchOptions)
{
    const struct {
        const char *name;
        QStringList args;
        QString input;
        QString output;
        int jobs;
        bool png;
        int dpi;
    } cases[] = {
        {"folders only", {"--batch", "in", "--out", "out"}, "in", "out", 0, false, 150},
        {"jobs, sheets and resolution", {"--batch", "in", "--out", "out", "--jobs", "3", "--png", "--dpi", "300"},
         "in", "out", 3, true, 300},
        // With --batch, --png is a switch wherever it stands; it takes no folder.
        {"--png before --batch", {"--png", "--out", "o", "--batch", "i"}, "i", "o", 0, true, 150},
    };
    for (const auto &c : cases) {
        const auto parsed = parseCommandLine(c.args);
        ASSERT_TRUE(std::holds_alternative<CommandLine>(parsed)) << c.name;
        const auto &r = std::get<CommandLine>(parsed);
        EXPECT_EQ(r.mode, RunMode::Batch) << c.name;
        EXPECT_EQ(r.batchInput, c.input) << c.name;
        EXPECT_EQ(r.output, c.output) << c.name;
        EXPECT_EQ(r.jobs, c.jobs) << c.name;
        EXPECT_EQ(r.batchPng, c.png) << c.name;
        EXPECT_EQ(r.dpi, c.dpi) << c.name;
    }
    const auto worker = std::get<CommandLine>(parseCommandLine({"--batch-worker", "--png", "--dpi", "72"}));
    EXPECT_EQ(worker.mode, RunMode::BatchWorker);
    EXPECT_TRUE(worker.batchPng);
    EXPECT_EQ(worker.dpi, 72);
}

TEST(CommandLine, RejectsBatchMisuseWithItsReason)
{
    const struct {
        QStringList args;
        QString message;
    } cases[] = {
        {{"--batch", "in"}, "--batch needs --out OUT_DIR"},
        {{"--batch"}, "--batch needs a folder name"},
        {{"--batch", "in", "--out"}, "--out needs a folder name"},
        {{"--out", "o"}, "--out goes with --batch"},
        {{"--pdf", "a.pdf", "--jobs", "2"}, "--jobs goes with --batch"},
        {{"--batch", "in", "--out", "o", "--jobs", "0"}, "--jobs needs a whole number from 1 to 256"},
        {{"--batch", "in", "--out", "o", "--jobs", "257"}, "--jobs needs a whole number from 1 to 256"},
        {{"--batch", "in", "--out", "o", "--jobs", "two"}, "--jobs needs a whole number from 1 to 256"},
        {{"--batch", "in", "--out", "o", "--dpi", "200"}, "--dpi goes with --png"},
        {{"--batch", "in", "--out", "o", "--data", "x.txt"},
         "--batch reads every data file of its folder: no --data"},
        {{"--batch", "in", "--out", "o", "--json"}, "only one of --json, --pdf, --png, --batch may be given"},
        {{"--batch", "in", "--out", "o", "extra"}, "unknown option: extra"},
    };
    for (const auto &c : cases) {
        const auto parsed = parseCommandLine(c.args);
        ASSERT_TRUE(std::holds_alternative<CommandLineError>(parsed)) << c.args.join(' ').toStdString();
        EXPECT_EQ(std::get<CommandLineError>(parsed).message, c.message) << c.args.join(' ').toStdString();
    }
}
