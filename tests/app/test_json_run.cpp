// Runs the built program with --json on small data files, as a user would from a shell.
#include "tests/support/data_file_builder.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

using namespace monit12;

namespace {

// A data file of the given cents per figure, the year and period of the sample's year.
QByteArray dataFile(const test::Cents &cents, const QByteArray &name = "COMUNE DI PROVA",
                    const QByteArray &year = "2012", const QByteArray &from = "01/01/2012",
                    const QByteArray &to = "31/12/2012")
{
    return test::dataFileBytes({cents, name, year, from, to});
}

struct ProcessResult
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

ProcessResult runJson(const QByteArray &contents, const QString &locale, const QStringList &extra = {})
{
    QTemporaryDir dir;
    if (!contents.isNull()) {
        QFile f(dir.filePath("KESTRAVO.TXT"));
        f.open(QIODevice::WriteOnly);
        f.write(contents);
    }
    QProcess p;
    p.setWorkingDirectory(dir.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("LC_NUMERIC");
    env.remove("LANG");
    env.insert("LC_ALL", locale);
    p.setProcessEnvironment(env);
    p.start(MONIT12_BINARY, QStringList{"--json"} + extra);
    p.waitForFinished(30000);
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

QJsonObject labelsOf(const ProcessResult &run)
{
    return QJsonDocument::fromJson(run.out).object().value("labels").toObject();
}

} // namespace

TEST(JsonRun, SampleFileUnderItalianAndCSettings)
{
    const QByteArray contents = test::sampleFileBytes();

    const ProcessResult it = runJson(contents, "it_IT.UTF-8");
    ASSERT_EQ(it.exitCode, 0) << it.err.toStdString();
    const QJsonObject labels = labelsOf(it);
    EXPECT_EQ(labels.value("QRComunedi").toString(), QStringLiteral("COMUNE DI CANTÙ"));
    EXPECT_EQ(labels.value("QRLabel83").toString(), QStringLiteral("COMUNE DI CANTÙ"));
    EXPECT_EQ(labels.value("QRLabel185").toString(),
              QStringLiteral("OBIETTIVO PROGRAMMATICO ANNUALE SALDO FINANZIARIO 2012"));
    EXPECT_EQ(labels.value("QRDalAl").toString(), QStringLiteral("Periodo selezionato: dal 01/01/2012 al 31/12/2012"));
    EXPECT_EQ(labels.value("E1").toString(), QStringLiteral("22.187.345,12"));
    EXPECT_EQ(labels.value("EntrateFinaliNette").toString(), QStringLiteral("35.449.153,62"));
    EXPECT_EQ(labels.value("S3Spesefin").toString(), QStringLiteral("33.493.158,09"));
    EXPECT_EQ(labels.value("S10Dif").toString(), QStringLiteral("968.341,53"));
    EXPECT_EQ(labels.value("QRPATTO").toString(), QStringLiteral("Patto rispettato"));
    EXPECT_EQ(labels.size(), 2 + 3 + 1 + 17 + 3 + 17 + 6 + 1); // every value label, none else
    const QJsonObject root = QJsonDocument::fromJson(it.out).object();
    EXPECT_TRUE(root.value("respected").toBool());
    EXPECT_DOUBLE_EQ(root.value("amounts").toObject().value("OB").toDouble(), 987654.00);

    const ProcessResult c = runJson(contents, "C");
    ASSERT_EQ(c.exitCode, 0);
    EXPECT_EQ(labelsOf(c).value("E1").toString(), QStringLiteral("22187345.12"));
}

TEST(JsonRun, VerdictFollowsThePrintedDifference)
{
    const struct {
        const char *name;
        test::Cents cents;
        const char *dif;
        bool respected;
    } cases[] = {
        // The binary residue of 0,01 + 0,04 - 0,05 must not turn a printed 0,00 into a breach.
        {"residue of cents", {{"E1", 1}, {"E2", 4}, {"S1", 5}}, "0,00", true},
        {"one cent short", {{"E1", 99999}, {"OB", 100000}}, "-0,01", false},
        {"S19 drops out of the difference", {{"S19", 5000}}, "0,00", true},
        {"E18 lowers the revenues", {{"E18", 10000}}, "-100,00", false},
        {"negative objective", {{"E1", 10000}, {"S1", 50000}, {"OB", -50000}}, "100,00", true},
    };
    for (const auto &c : cases) {
        const ProcessResult run = runJson(dataFile(c.cents), "it_IT.UTF-8");
        ASSERT_EQ(run.exitCode, 0) << c.name;
        EXPECT_EQ(labelsOf(run).value("S10Dif").toString(), QString::fromLatin1(c.dif)) << c.name;
        EXPECT_EQ(QJsonDocument::fromJson(run.out).object().value("respected").toBool(), c.respected) << c.name;
    }
}

TEST(JsonRun, HeaderTexts)
{
    const ProcessResult blankStart = runJson(dataFile({}, "COMUNE DI PROVA", "12  ", "", "31/12/2012"), "C");
    ASSERT_EQ(blankStart.exitCode, 0);
    EXPECT_EQ(labelsOf(blankStart).value("QRDalAl").toString(), QString());
    EXPECT_EQ(labelsOf(blankStart).value("QRLabel10").toString(), QStringLiteral("12  "));
    EXPECT_EQ(labelsOf(blankStart).value("QRLabel185").toString(),
              QStringLiteral("OBIETTIVO PROGRAMMATICO ANNUALE SALDO FINANZIARIO 12  "));

    const ProcessResult noEnd = runJson(dataFile({}, "PROVA", "2012", "01/01/2012", ""), "C");
    EXPECT_EQ(labelsOf(noEnd).value("QRDalAl").toString(), QStringLiteral("Periodo selezionato: dal 01/01/2012 al "));
    EXPECT_EQ(labelsOf(noEnd).value("QRComunedi").toString(), QStringLiteral("PROVA"));
}

TEST(JsonRun, FailuresGoToStandardErrorWithStatusOne)
{
    // Line 25: S6 with a field of 14 blanks.
    const QByteArray blankS6 = test::withAmountField(dataFile({}), 25, QByteArray(14, ' '));

    const struct {
        const char *name;
        QByteArray contents;
        QByteArray err;
    } cases[] = {
        {"missing file", QByteArray(), "Non trovo il file KESTRAVO.TXT impossibile proseguire.\n"},
        {"blank amount", blankS6, "'              ' is not a valid floating point value.\n"},
        {"header line only", dataFile({}).split('\n').first() + "\n", "'' is not a valid floating point value.\n"},
        {"decimal full stop under Italian settings", dataFile({}).replace("             0\r\n", "          12.5\r\n"),
         "'          12.5' is not a valid floating point value.\n"},
    };
    for (const auto &c : cases) {
        const ProcessResult run = runJson(c.contents, "it_IT.UTF-8");
        EXPECT_EQ(run.exitCode, 1) << c.name;
        EXPECT_TRUE(run.out.isEmpty()) << c.name;
        EXPECT_EQ(run.err, c.err) << c.name;
    }
}

TEST(JsonRun, UsageErrorsExitWithTwo)
{
    const ProcessResult run = runJson(dataFile({}), "C", {"--frobnicate"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("unknown option: --frobnicate"));
}
