// The batch's parts that need no rendering: the input list, the summary, the worker answers and
// the progress texts.
#include "app/batch_inputs.h"
#include "app/batch_outcome.h"
#include "app/batch_progress.h"
#include "app/batch_summary.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace monit12;

namespace {

BatchOutcome cantu()
{
    BatchOutcome o;
    o.written = true;
    o.municipality = QStringLiteral("COMUNE DI CANTÙ");
    o.year = QStringLiteral("2012");
    o.efn = QStringLiteral("35.449.153,62");
    o.sfn = QStringLiteral("33.493.158,09");
    o.sfin = QStringLiteral("1.955.995,53");
    o.ob = QStringLiteral("987.654,00");
    o.dif = QStringLiteral("968.341,53");
    o.verdict = QStringLiteral("Patto rispettato");
    return o;
}

void touch(const QString &path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

} // namespace

TEST(BatchSummary, HeaderThenOneRowPerFileInRfc4180)
{
    BatchOutcome c = cantu();
    c.municipality = QStringLiteral("COMUNE DI \"SANT'AGATA\"");
    c.efn = QStringLiteral("35449153.62"); // C locale: nothing to quote
    const std::vector<SummaryRow> rows = {
        { QStringLiteral("A.TXT"), cantu() },
        { QStringLiteral("B.TXT"), c },
        { QStringLiteral("C.TXT"),
            failedOutcome(QStringLiteral("'  1\t2' is not a valid floating point value.")) },
        { QStringLiteral("D,E.txt"), failedOutcome(QStringLiteral("two\nlines")) },
    };
    const QByteArray expected
        = "file,municipality,year,EF N,SF N,SFIN,OB,DIF,verdict,error\r\n"
          "A.TXT,COMUNE DI CANTÙ,2012,\"35.449.153,62\",\"33.493.158,09\",\"1.955.995,53\","
          "\"987.654,00\",\"968.341,53\",Patto rispettato,\r\n"
          "B.TXT,\"COMUNE DI \"\"SANT'AGATA\"\"\",2012,35449153.62,\"33.493.158,09\","
          "\"1.955.995,53\",\"987.654,00\",\"968.341,53\",Patto rispettato,\r\n"
          // A tab needs no quotes; a line break does, and stays inside them.
          "C.TXT,,,,,,,,,'  1\t2' is not a valid floating point value.\r\n"
          "\"D,E.txt\",,,,,,,,,\"two\nlines\"\r\n";
    EXPECT_EQ(summaryCsv(rows), expected);
    EXPECT_EQ(summaryCsv({}),
        QByteArray("file,municipality,year,EF N,SF N,SFIN,OB,DIF,verdict,error\r\n"));
}

TEST(BatchSummary, WrittenWholeOrNotAtAll)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("summary.csv"));
    EXPECT_EQ(writeSummary(path, "x\r\n"), std::nullopt);
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray("x\r\n"));

    const QString inMissingFolder = dir.filePath(QStringLiteral("no/summary.csv"));
    const auto error = writeSummary(inMissingFolder, "x\r\n");
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(error->startsWith(
        QStringLiteral("Impossibile scrivere ") + inMissingFolder + QLatin1Char(':')))
        << error->toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        QStringList { QStringLiteral("summary.csv") });
}

TEST(BatchOutcome, EveryTextSurvivesTheOneLineAnswer)
{
    BatchOutcome tricky = cantu();
    tricky.municipality = QStringLiteral("LINE\nBREAK \"QUOTED\" \\ TAB\t È");
    const BatchOutcome cases[] = { cantu(), tricky,
        failedOutcome(QStringLiteral("Non trovo il file X.TXT impossibile proseguire.")) };
    for (const BatchOutcome &outcome : cases) {
        const QByteArray line = encodeOutcome(outcome);
        EXPECT_EQ(line.count('\n'), 1);
        EXPECT_TRUE(line.endsWith('\n'));
        EXPECT_EQ(decodeOutcome(line), outcome) << line.toStdString();
    }
}

TEST(BatchOutcome, AnythingElseIsNoAnswer)
{
    const char *lines[] = { "", "\n", "garbage\n", "{}\n", "[true]\n", "{\"written\":\"yes\"}\n",
        "{\"written\":tru\n" };
    for (const char *line : lines)
        EXPECT_EQ(decodeOutcome(line), std::nullopt) << line;
}

TEST(BatchInputs, DataFilesOnlyInNameOrderWithTheirOutputs)
{
    QTemporaryDir in;
    for (const char *name : { "b.txt", "A.TXT", "a.txt", "a.TXT", ".hidden.txt", "c.Txt",
             "notes.md", "x.TXT.bak", "TXT" })
        touch(in.filePath(QString::fromLatin1(name)));
    ASSERT_TRUE(QDir(in.path()).mkdir(QStringLiteral("D.TXT")));
    ASSERT_TRUE(
        QFile::link(in.filePath(QStringLiteral("A.TXT")), in.filePath(QStringLiteral("link.TXT"))));
    ASSERT_EQ(
        mkfifo(QFile::encodeName(in.filePath(QStringLiteral("pipe.txt"))).constData(), 0600), 0);

    const struct
    {
        const char *file;
        const char *pdf;
        const char *png;
        const char *clash;
    } expected[] = {
        { ".hidden.txt", ".hidden.pdf", ".hidden", "" }, { "A.TXT", "A.pdf", "A", "" },
        { "a.TXT", "a.pdf", "a", "" }, // upper-case T sorts first
        { "a.txt", "a.pdf", "a", "Il prospetto andrebbe in %1, che è già quello di a.TXT." },
        { "b.txt", "b.pdf", "b", "" },
        { "link.TXT", "link.pdf", "link", "" }, // a link to a file is a file
    };
    for (const BatchFormat format : { BatchFormat::Pdf, BatchFormat::Png }) {
        const auto inputs = listBatchInputs(in.path(), QStringLiteral("/out"), format);
        ASSERT_EQ(inputs.size(), std::size(expected));
        for (std::size_t i = 0; i < inputs.size(); ++i) {
            const auto &e = expected[i];
            const QString output = QString::fromUtf8(format == BatchFormat::Pdf ? e.pdf : e.png);
            EXPECT_EQ(inputs[i].fileName, QString::fromUtf8(e.file));
            EXPECT_EQ(inputs[i].inputPath, in.filePath(QString::fromUtf8(e.file)));
            EXPECT_EQ(inputs[i].outputPath, QStringLiteral("/out/") + output);
            const QString clash = QString::fromUtf8(e.clash);
            EXPECT_EQ(inputs[i].clash, clash.isEmpty() ? clash : clash.arg(output)) << e.file;
        }
    }
}

TEST(BatchProgress, BarCountRateAndTimeLeft)
{
    const struct
    {
        int done;
        int total;
        double seconds;
        const char *text;
    } cases[] = {
        { 0, 1000, 0.0, "[....................]     0/1000" },
        { 450, 1000, 2.0, "[#########...........]   450/1000    225.0/s  0:02 left" },
        { 1000, 1000, 4.0, "[####################]  1000/1000    250.0/s  0:00 left" },
        // Under one file a second the time left runs past an hour, in minutes.
        { 1, 7900, 2.5, "[....................]     1/7900      0.4/s  329:08 left" },
        { 2, 3, 0.5, "[#############.......]  2/3      4.0/s  0:00 left" },
    };
    for (const auto &c : cases)
        EXPECT_EQ(progressText(c.done, c.total, c.seconds), QString::fromLatin1(c.text)) << c.text;
    EXPECT_EQ(finalText(998, 2), QStringLiteral("998 statements, 2 errors"));
}
