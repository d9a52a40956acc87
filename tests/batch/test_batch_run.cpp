// Whole batch runs of the built program, as an office would start them from a shell or a script.
#include "batch_test_support.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <set>
#include <unistd.h>

using namespace monit12::test;

namespace {

const QString kSample = QStringLiteral(MONIT12_SOURCE_DIR "/examples/KESTRAVO.TXT");
const QByteArray kHeader = "file,municipality,year,EF N,SF N,SFIN,OB,DIF,verdict,error\r\n";
const QByteArray kCantuRow
    = ",COMUNE DI CANTÙ,2012,\"35.449.153,62\",\"33.493.158,09\",\"1.955.995,53\","
      "\"987.654,00\",\"968.341,53\",Patto rispettato,\r\n";

QStringList sortedLines(const QByteArray &text)
{
    QStringList lines = QString::fromUtf8(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    lines.sort();
    return lines;
}

QStringList pdfsIn(const QString &dir)
{
    return QDir(dir).entryList({ QStringLiteral("*.pdf") }, QDir::Files, QDir::Name);
}

bool wholePdf(const QString &path)
{
    const QByteArray bytes = readFile(path);
    return bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF");
}

// Waits, without a time limit that matters, until the run has written its first statement.
bool waitForFirstPdf(QProcess &batch, const QString &out)
{
    QElapsedTimer waited;
    waited.start();
    while (pdfsIn(out).isEmpty()) {
        if (batch.state() == QProcess::NotRunning || waited.elapsed() > 120000)
            return false;
        QThread::msleep(5);
    }
    return true;
}

// A batch started in its own process group, so that a signal to the group reaches the run and
// its workers at once, as Ctrl+C on a terminal does.
void startInOwnGroup(QProcess &batch, const QStringList &arguments)
{
    prepareMonit12(batch);
    batch.setArguments(arguments);
    batch.setChildProcessModifier([] { setpgid(0, 0); });
    batch.start();
    ASSERT_TRUE(batch.waitForStarted());
}

} // namespace

TEST(BatchRun, MixedFolderGivesPdfsForGoodFilesAndTheSummaryForAll)
{
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in"));
    const QString out = dir.filePath(QStringLiteral("out"));
    const QByteArray sample = readFile(kSample);
    ASSERT_TRUE(QDir().mkpath(in + QStringLiteral("/E.TXT"))); // a folder, not a data file
    writeFile(in + QStringLiteral("/A_CANTU.TXT"), sample);
    writeFile(in + QStringLiteral("/b_short.txt"), sample.left(sample.indexOf("ENT000005")));
    QByteArray letter = sample;
    letter.replace("ENT000003     612398040", "ENT000003     6123980O0");
    writeFile(in + QStringLiteral("/C_LETTER.TXT"), letter);
    writeFile(in + QStringLiteral("/D_EMPTY.TXT"), QByteArray());
    writeFile(in + QStringLiteral("/notes.md"), "not a data file");
    // What an earlier run left for a file that is now bad must not pass for its statement.
    writeFile(out + QStringLiteral("/C_LETTER.pdf"), "%PDF-1.4 stale");

    const ProgramRun run
        = runMonit12({ QStringLiteral("--batch"), in, QStringLiteral("--out"), out });

    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(readFile(out + QStringLiteral("/summary.csv")),
        kHeader + "A_CANTU.TXT" + kCantuRow
            + "C_LETTER.TXT,,,,,,,,,'     6123980O0' is not a valid floating point value.\r\n"
            + "D_EMPTY.TXT,,,,,,,,,'' is not a valid floating point value.\r\n"
            + "b_short.txt,,,,,,,,,'' is not a valid floating point value.\r\n");
    EXPECT_EQ(entries(out),
        (QStringList { QStringLiteral("A_CANTU.pdf"), QStringLiteral("summary.csv") }));
    EXPECT_EQ(rasterize(out + QStringLiteral("/A_CANTU.pdf")).size(), 2u);
    // No progress bar off a terminal: the failed files by name, then the count.
    EXPECT_FALSE(run.err.contains('\r'));
    EXPECT_TRUE(run.err.endsWith("1 statements, 3 errors\n")) << run.err.toStdString();
    EXPECT_EQ(sortedLines(run.err),
        (QStringList { QStringLiteral("1 statements, 3 errors"),
            QStringLiteral("C_LETTER.TXT: '     6123980O0' is not a valid floating point value."),
            QStringLiteral("D_EMPTY.TXT: '' is not a valid floating point value."),
            QStringLiteral("b_short.txt: '' is not a valid floating point value.") }));
}

TEST(BatchRun, ExitsZeroWhenEveryFileIsWritten)
{
    const struct
    {
        const char *name;
        int files;
        const char *finalLine;
    } cases[] = {
        { "two files", 2, "2 statements, 0 errors\n" },
        { "empty folder", 0, "0 statements, 0 errors\n" },
    };
    for (const auto &c : cases) {
        QTemporaryDir dir;
        const QString in = dir.filePath(QStringLiteral("in"));
        const QString out = dir.filePath(QStringLiteral("new/out")); // created as needed
        QDir().mkpath(in);
        for (int i = 0; i < c.files; ++i)
            QFile::copy(kSample, QStringLiteral("%1/%2.TXT").arg(in).arg(i));
        const ProgramRun run = runMonit12({ QStringLiteral("--batch"), in, QStringLiteral("--out"),
            out, QStringLiteral("--jobs"), QStringLiteral("4") });
        EXPECT_EQ(run.exitCode, 0) << c.name;
        EXPECT_EQ(run.err, QByteArray(c.finalLine)) << c.name;
        QByteArray expected = kHeader;
        for (int i = 0; i < c.files; ++i)
            expected += QByteArray::number(i) + ".TXT" + kCantuRow;
        EXPECT_EQ(readFile(out + QStringLiteral("/summary.csv")), expected) << c.name;
        EXPECT_EQ(pdfsIn(out).size(), qsizetype(c.files)) << c.name;
    }
}

TEST(BatchRun, UsageErrorsAndUnwritableOutputExitTwo)
{
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in"));
    QDir().mkpath(in);
    QFile::copy(kSample, in + QStringLiteral("/A.TXT"));
    const QString aFile = in + QStringLiteral("/A.TXT");
    const struct
    {
        const char *name;
        QStringList arguments;
        QString firstLine;
    } cases[] = {
        { "no output folder", { QStringLiteral("--batch"), in },
            QStringLiteral("monit12: --batch needs --out OUT_DIR") },
        { "jobs out of range",
            { QStringLiteral("--batch"), in, QStringLiteral("--out"), dir.path(),
                QStringLiteral("--jobs"), QStringLiteral("0") },
            QStringLiteral("monit12: --jobs needs a whole number from 1 to 256") },
        { "missing input folder",
            { QStringLiteral("--batch"), dir.filePath(QStringLiteral("nope")),
                QStringLiteral("--out"), dir.path() },
            QStringLiteral("monit12: cannot read the folder ")
                + dir.filePath(QStringLiteral("nope")) },
        { "input is a file",
            { QStringLiteral("--batch"), aFile, QStringLiteral("--out"), dir.path() },
            QStringLiteral("monit12: cannot read the folder ") + aFile },
        { "output under a file",
            { QStringLiteral("--batch"), in, QStringLiteral("--out"),
                aFile + QStringLiteral("/out") },
            QStringLiteral("monit12: cannot write to the folder ") + aFile
                + QStringLiteral("/out") },
    };
    for (const auto &c : cases) {
        const ProgramRun run = runMonit12(c.arguments);
        EXPECT_EQ(run.exitCode, 2) << c.name;
        EXPECT_EQ(QString::fromUtf8(run.err).section(QLatin1Char('\n'), 0, 0), c.firstLine)
            << c.name;
    }
    EXPECT_EQ(entries(in), QStringList { QStringLiteral("A.TXT") });
}

TEST(BatchRun, ParallelWorkersWriteWhatSerialRunsWrite)
{
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in"));
    const QString out = dir.filePath(QStringLiteral("out"));
    const auto files = generateDataFiles(12, 3, 7);
    writeGenerated(in, files);

    const ProgramRun run = runMonit12({ QStringLiteral("--batch"), in, QStringLiteral("--out"), out,
        QStringLiteral("--jobs"), QStringLiteral("3") });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.endsWith("9 statements, 3 errors\n")) << run.err.toStdString();
    const auto summary = parseCsv(readFile(out + QStringLiteral("/summary.csv")));
    ASSERT_EQ(summary.size(), files.size() + 1);

    for (std::size_t i = 0; i < files.size(); ++i) {
        const QString name = QString::fromStdString(files[i].name);
        const QString pdf = out + QLatin1Char('/') + name.chopped(4) + QStringLiteral(".pdf");
        const QStringList &row = summary[i + 1];
        ASSERT_EQ(row.size(), 10);
        EXPECT_EQ(row[0], name);
        if (!files[i].expectedError.empty()) {
            EXPECT_EQ(row[9], QString::fromStdString(files[i].expectedError)) << files[i].name;
            EXPECT_FALSE(QFile::exists(pdf)) << files[i].name;
            continue;
        }
        // One process per file, one after the other: the reference.
        const QString serial = dir.filePath(QStringLiteral("serial.pdf"));
        const ProgramRun single = runMonit12({ QStringLiteral("--pdf"), serial,
            QStringLiteral("--data"), in + QLatin1Char('/') + name });
        ASSERT_EQ(single.exitCode, 0) << single.err.toStdString();
        const auto expectedPages = rasterize(serial);
        ASSERT_EQ(expectedPages.size(), 2u);
        EXPECT_TRUE(rasterize(pdf) == expectedPages)
            << files[i].name << " differs from its serial PDF";
        EXPECT_EQ(row[9], QString()) << files[i].name;
        // The figures as the --json run prints them, through its own filling of the labels.
        const ProgramRun json = runMonit12(
            { QStringLiteral("--json"), QStringLiteral("--data"), in + QLatin1Char('/') + name });
        const QJsonObject labels
            = QJsonDocument::fromJson(json.out).object().value(QStringLiteral("labels")).toObject();
        const char *columns[] = { "QRComunedi", "QRLabel10", "EntrateFinaliNette", "S3Spesefin",
            "S5SaldoFin", "S9Obiettivo", "S10Dif", "QRPATTO" };
        for (int column = 0; column < 8; ++column)
            EXPECT_EQ(row[column + 1], labels.value(QLatin1String(columns[column])).toString())
                << files[i].name << " " << columns[column];
    }
}

TEST(BatchRun, PngSheetsMatchTheSingleRunSheets)
{
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in"));
    const QString out = dir.filePath(QStringLiteral("out"));
    const auto files = generateDataFiles(3, 0, 11);
    writeGenerated(in, files);
    const ProgramRun run = runMonit12({ QStringLiteral("--batch"), in, QStringLiteral("--out"), out,
        QStringLiteral("--png"), QStringLiteral("--dpi"), QStringLiteral("40") });
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    for (const auto &file : files) {
        const QString name = QString::fromStdString(file.name);
        const QString single = dir.filePath(QStringLiteral("single"));
        ASSERT_EQ(runMonit12({ QStringLiteral("--png"), single, QStringLiteral("--dpi"),
                                 QStringLiteral("40"), QStringLiteral("--data"),
                                 in + QLatin1Char('/') + name })
                      .exitCode,
            0);
        const QString sheets = out + QLatin1Char('/') + name.chopped(4);
        EXPECT_EQ(entries(sheets),
            (QStringList { QStringLiteral("page-1.png"), QStringLiteral("page-2.png") }));
        for (const QString &page : { QStringLiteral("/page-1.png"), QStringLiteral("/page-2.png") })
            EXPECT_TRUE(readFile(sheets + page) == readFile(single + page))
                << file.name << page.toStdString();
    }
}

TEST(BatchRun, SignalStopsCleanlyAndTheSummaryListsWhatWasDone)
{
    const struct
    {
        int signal;
        int exitCode;
    } cases[] = { { SIGINT, 130 }, { SIGTERM, 143 } };
    for (const auto &c : cases) {
        QTemporaryDir dir;
        const QString in = dir.filePath(QStringLiteral("in"));
        const QString out = dir.filePath(QStringLiteral("out"));
        const int total = 400;
        writeGenerated(in, generateDataFiles(total, 0, 3));
        QProcess batch;
        startInOwnGroup(batch,
            { QStringLiteral("--batch"), in, QStringLiteral("--out"), out, QStringLiteral("--jobs"),
                QStringLiteral("2") });
        ASSERT_TRUE(waitForFirstPdf(batch, out)) << "the batch ended before its first statement";
        ::kill(-pid_t(batch.processId()), c.signal);
        ASSERT_TRUE(batch.waitForFinished(120000));

        EXPECT_EQ(batch.exitStatus(), QProcess::NormalExit) << c.signal;
        EXPECT_EQ(batch.exitCode(), c.exitCode);
        const auto summary = parseCsv(readFile(out + QStringLiteral("/summary.csv")));
        ASSERT_GE(summary.size(), 2u);
        const int done = int(summary.size()) - 1;
        EXPECT_LT(done, total) << "the signal did not stop the run";
        // Every listed file has its whole PDF, and nothing else is in the folder: no half-written
        // statement, no temporary file.
        QStringList expected { QStringLiteral("summary.csv") };
        for (std::size_t i = 1; i < summary.size(); ++i) {
            EXPECT_EQ(summary[i][9], QString()) << summary[i][0].toStdString();
            const QString pdf = summary[i][0].chopped(4) + QStringLiteral(".pdf");
            EXPECT_TRUE(wholePdf(out + QLatin1Char('/') + pdf)) << pdf.toStdString();
            expected << pdf;
        }
        expected.sort();
        EXPECT_EQ(entries(out), expected);
        // Every file sent to a worker is finished, and files are sent in name order.
        const auto files = generateDataFiles(total, 0, 3);
        for (int i = 0; i < done; ++i)
            EXPECT_EQ(
                summary[std::size_t(i) + 1][0], QString::fromStdString(files[std::size_t(i)].name));
        const QString err = QString::fromUtf8(batch.readAllStandardError());
        EXPECT_TRUE(err.contains(QStringLiteral("stopped by signal %1: %2 files not done\n")
                                     .arg(c.signal)
                                     .arg(total - done)))
            << err.toStdString();
        EXPECT_TRUE(err.endsWith(QStringLiteral("%1 statements, 0 errors\n").arg(done)))
            << err.toStdString();
    }
}

TEST(BatchRun, AWorkerThatDiesFailsOnlyItsOwnFile)
{
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in"));
    const QString out = dir.filePath(QStringLiteral("out"));
    const int total = 150;
    writeGenerated(in, generateDataFiles(total, 0, 5));
    QProcess batch;
    startInOwnGroup(batch,
        { QStringLiteral("--batch"), in, QStringLiteral("--out"), out, QStringLiteral("--jobs"),
            QStringLiteral("2") });
    ASSERT_TRUE(waitForFirstPdf(batch, out));
    const pid_t pid = pid_t(batch.processId());
    const QByteArray children
        = readFile(QStringLiteral("/proc/%1/task/%1/children").arg(pid)).trimmed();
    ASSERT_FALSE(children.isEmpty());
    ::kill(pid_t(children.split(' ').front().toInt()), SIGKILL);
    ASSERT_TRUE(batch.waitForFinished(120000));

    const auto summary = parseCsv(readFile(out + QStringLiteral("/summary.csv")));
    ASSERT_EQ(int(summary.size()), total + 1) << "a replacement worker finishes the batch";
    int crashed = 0;
    for (std::size_t i = 1; i < summary.size(); ++i) {
        const QString pdf
            = out + QLatin1Char('/') + summary[i][0].chopped(4) + QStringLiteral(".pdf");
        if (summary[i][9].isEmpty()) {
            EXPECT_TRUE(wholePdf(pdf)) << pdf.toStdString();
            continue;
        }
        ++crashed;
        EXPECT_EQ(summary[i][9],
            QStringLiteral("Il processo che scriveva il prospetto è terminato in modo "
                           "anomalo (segnale 9)."));
        EXPECT_FALSE(QFile::exists(pdf));
    }
    // The worker was killed while rendering, or, rarely, between two files.
    EXPECT_LE(crashed, 1);
    EXPECT_EQ(batch.exitCode(), crashed ? 1 : 0);
    EXPECT_EQ(pdfsIn(out).size(), qsizetype(total - crashed));
}

TEST(BatchRun, MissingFontsFailEveryFileWithTheirMessage)
{
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in"));
    const QString out = dir.filePath(QStringLiteral("out"));
    writeFile(in + QStringLiteral("/A.TXT"), readFile(kSample));
    writeFile(in + QStringLiteral("/B.TXT"), readFile(kSample));
    QProcess batch;
    prepareMonit12(batch);
    QProcessEnvironment env = batch.processEnvironment();
    env.insert(QStringLiteral("MONIT12_FONT_DIR"), dir.filePath(QStringLiteral("no-fonts")));
    batch.setProcessEnvironment(env);
    batch.setArguments({ QStringLiteral("--batch"), in, QStringLiteral("--out"), out });
    batch.start();
    ASSERT_TRUE(batch.waitForFinished(120000));

    EXPECT_EQ(batch.exitCode(), 1);
    const QString error
        = QStringLiteral("Manca il file di caratteri %1/LiberationSans-Regular.ttf: "
                         "installare il pacchetto Debian fonts-liberation")
              .arg(dir.filePath(QStringLiteral("no-fonts")));
    const auto summary = parseCsv(readFile(out + QStringLiteral("/summary.csv")));
    ASSERT_EQ(summary.size(), 3u);
    for (std::size_t i = 1; i < summary.size(); ++i)
        EXPECT_EQ(summary[i][9], error);
    EXPECT_TRUE(pdfsIn(out).isEmpty());
}
