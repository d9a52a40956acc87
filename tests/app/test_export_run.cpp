// Runs the built program with --pdf and --png, as a user would from a shell, and reads what it
// wrote with the poppler tools and Qt's image reader.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray sampleFile()
{
    QFile sample(QStringLiteral(MONIT12_SOURCE_DIR "/examples/KESTRAVO.TXT"));
    if (!sample.open(QIODevice::ReadOnly))
        ADD_FAILURE() << "cannot read the sample data file";
    return sample.readAll();
}

// The sample with positions 10-23 of one line (counted from 1) replaced.
QByteArray withAmountField(const QByteArray &file, int line, const QByteArray &field)
{
    QList<QByteArray> lines = file.split('\n');
    lines[line - 1].replace(9, 14, field);
    return lines.join('\n');
}

struct ProcessResult
{
    int exitCode = -1;
    QByteArray err;
};

// A working folder with KESTRAVO.TXT in it (none when `contents` is null).
class Workspace
{
public:
    explicit Workspace(const QByteArray &contents)
    {
        if (!contents.isNull()) {
            QFile f(path("KESTRAVO.TXT"));
            if (!f.open(QIODevice::WriteOnly) || f.write(contents) != contents.size())
                ADD_FAILURE() << "cannot write the data file";
        }
    }

    QString path(const QString &name) const { return m_dir.filePath(name); }

    ProcessResult run(const QStringList &arguments) const
    {
        QProcess p;
        p.setWorkingDirectory(m_dir.path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("LC_NUMERIC");
        env.remove("LANG");
        env.insert("LC_ALL", "it_IT.UTF-8");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        // Without it Qt warns on stderr, which must carry only the program's own messages.
        env.insert("XDG_RUNTIME_DIR", m_runtime.path());
        p.setProcessEnvironment(env);
        p.start(MONIT12_BINARY, arguments);
        if (!p.waitForFinished(60000))
            ADD_FAILURE() << "the program did not finish";
        return { p.exitCode(), p.readAllStandardError() };
    }

    QStringList entries() const
    {
        return QDir(m_dir.path())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    }

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_runtime;
};

QString tool(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        ADD_FAILURE() << program.toStdString() << " failed on "
                      << arguments.join(' ').toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Each text found after the one before it; the first missing one, or an empty string.
QString firstOutOfOrder(const QString &text, const QStringList &sequence)
{
    qsizetype from = 0;
    for (const QString &s : sequence) {
        const qsizetype at = text.indexOf(s, from);
        if (at < 0)
            return s;
        from = at + s.size();
    }
    return QString();
}

QString pageText(const QString &pdf, int page)
{
    return tool("pdftotext",
        { "-layout", "-f", QString::number(page), "-l", QString::number(page), pdf, "-" });
}

TEST(ExportRun, PdfIsTwoA4PagesOfArchivalPdfWithEmbeddedFonts)
{
    const Workspace ws(sampleFile());
    const ProcessResult run = ws.run({ "--pdf", "statement.pdf" });
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, QByteArray());
    EXPECT_EQ(ws.entries(), (QStringList { "KESTRAVO.TXT", "statement.pdf" }));
    const QString pdf = ws.path("statement.pdf");

    const QString info = tool("pdfinfo", { pdf });
    EXPECT_TRUE(
        info.contains(QRegularExpression("^Pages:\\s+2$", QRegularExpression::MultilineOption)))
        << info.toStdString();
    EXPECT_TRUE(info.contains(
        QRegularExpression("^Page size:\\s+595 x 842 pts", QRegularExpression::MultilineOption)));

    const QString meta = tool("pdfinfo", { "-meta", pdf });
    EXPECT_TRUE(meta.contains("pdfaid:part=\"1\"")) << meta.toStdString();
    EXPECT_TRUE(meta.contains("pdfaid:conformance=\"B\""));

    // name, type, encoding, emb, sub, uni, object, generation
    const QStringList fontRows = tool("pdffonts", { pdf }).split('\n', Qt::SkipEmptyParts).mid(2);
    QStringList embedded;
    for (const QString &row : fontRows) {
        const QStringList columns = row.split(' ', Qt::SkipEmptyParts);
        ASSERT_GE(columns.size(), 8) << row.toStdString();
        EXPECT_EQ(columns.at(columns.size() - 5), "yes") << row.toStdString();
        embedded << columns.first();
    }
    embedded.sort();
    EXPECT_EQ(embedded, (QStringList { "LiberationSans", "LiberationSans-Bold" }));
}

TEST(ExportRun, PdfTextReadsInPageOrder)
{
    const Workspace ws(sampleFile());
    ASSERT_EQ(ws.run({ "--pdf", "statement.pdf" }).exitCode, 0);
    const QString pdf = ws.path("statement.pdf");
    const struct
    {
        int page;
        QStringList sequence;
    } rows[] = {
        { 1,
            { QStringLiteral("COMUNE DI CANTÙ"), "PATTO DI STABILITA' INTERNO 2012",
                "Periodo selezionato: dal 01/01/2012 al 31/12/2012", "ENTRATE FINALI", "2012", "E1",
                "TOTALE TITOLO 1°", "Accertamenti", "22.187.345,12",
                "Totale entrate correnti nette", "E11", "TOTALE TITOLO 4°",
                "Totale entrate in conto capitale nette", "ENTRATE FINALI NETTE",
                "35.449.153,62" } },
        { 2,
            { QStringLiteral("COMUNE DI CANTÙ"), "SPESE FINALI", "2012", "S1", "Impegni",
                "Totale spese correnti", "S8", "Pagamenti (1)",
                "Totale spese in conto capitale nette", "SPESE FINALI NETTE", "33.493.158,09",
                "SALDO FINANZIARIO", "1.955.995,53",
                "OBIETTIVO PROGRAMMATICO ANNUALE SALDO FINANZIARIO 2012", "987.654,00",
                "DIFFERENZA TRA IL RISULTATO NETTO E OBIETTIVO ANNUALE", "968.341,53",
                "Patto rispettato", "(1) Gestione di competenza", "(5) Con riferiemnto" } },
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.page);
        const QString text = pageText(pdf, row.page);
        EXPECT_EQ(firstOutOfOrder(text, row.sequence), QString()) << text.toStdString();
    }
    // The bold caption drops the word that wraps.
    EXPECT_FALSE(pageText(pdf, 2).contains("Totale spese correnti nette"));

    // Texts that a later box paints over are not in the text layer either: a search or a copy
    // finds only what the sheet shows.
    const QString both = pageText(pdf, 1) + pageText(pdf, 2);
    EXPECT_EQ(both.count("SF N"), 2) << both.toStdString(); // the SF N row and "(EF N- SF N)"
    EXPECT_EQ(both.count("9.999.999.999"), 0);
    EXPECT_EQ(both.count("a detrarre:"), 4);
}

// A run that cannot read its data writes nothing, and leaves an earlier output as it was.
TEST(ExportRun, FailedRunWritesNoFileAndKeepsAnEarlierOne)
{
    const struct
    {
        const char *name;
        QByteArray contents;
        QByteArray err;
    } rows[] = {
        { "missing file", QByteArray(),
            "Non trovo il file KESTRAVO.TXT impossibile proseguire.\n" },
        { "blank S6 amount", withAmountField(sampleFile(), 25, QByteArray(14, ' ')),
            "'              ' is not a valid floating point value.\n" },
        { "header line only", sampleFile().left(sampleFile().indexOf('\n') + 1),
            "'' is not a valid floating point value.\n" },
    };
    const QByteArray earlier = "an earlier statement";
    for (const auto &row : rows) {
        for (const bool outputExists : { false, true }) {
            SCOPED_TRACE(
                std::string(row.name) + (outputExists ? ", output exists" : ", no output yet"));
            const Workspace ws(row.contents);
            const QStringList before = ws.entries();
            if (outputExists) {
                QFile old(ws.path("statement.pdf"));
                ASSERT_TRUE(old.open(QIODevice::WriteOnly));
                old.write(earlier);
                old.close();
                ASSERT_TRUE(QDir().mkdir(ws.path("pages")));
                QFile oldPage(ws.path("pages/page-1.png"));
                ASSERT_TRUE(oldPage.open(QIODevice::WriteOnly));
                oldPage.write(earlier);
            }
            const QStringList withOld = ws.entries();
            for (const QStringList &arguments :
                { QStringList { "--pdf", "statement.pdf" }, QStringList { "--png", "pages" } }) {
                SCOPED_TRACE(arguments.first().toStdString());
                const ProcessResult run = ws.run(arguments);
                EXPECT_EQ(run.exitCode, 1);
                EXPECT_EQ(run.err, row.err);
                EXPECT_EQ(ws.entries(), withOld);
            }
            EXPECT_EQ(ws.entries(), outputExists ? withOld : before);
            if (outputExists) {
                QFile old(ws.path("statement.pdf"));
                ASSERT_TRUE(old.open(QIODevice::ReadOnly));
                EXPECT_EQ(old.readAll(), earlier);
                EXPECT_EQ(QDir(ws.path("pages"))
                              .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                    QStringList { "page-1.png" });
                QFile oldPage(ws.path("pages/page-1.png"));
                ASSERT_TRUE(oldPage.open(QIODevice::ReadOnly));
                EXPECT_EQ(oldPage.readAll(), earlier);
            }
        }
    }
}

TEST(ExportRun, UnwritablePdfDestinationFailsWithoutAFile)
{
    const Workspace ws(sampleFile());
    const ProcessResult run = ws.run({ "--pdf", "no-such-folder/statement.pdf" });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith("Impossibile scrivere no-such-folder/statement.pdf: "))
        << run.err.toStdString();
    EXPECT_TRUE(run.err.endsWith('\n'));
    EXPECT_EQ(ws.entries(), QStringList { "KESTRAVO.TXT" });
}

TEST(ExportRun, PngPagesAreA4AtTheAskedResolution)
{
    const struct
    {
        const char *name;
        QStringList dpiArguments;
        int dpi;
    } rows[] = {
        { "default", {}, 150 },
        { "--dpi 100", { "--dpi", "100" }, 100 },
        { "--dpi 300", { "--dpi", "300" }, 300 },
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const Workspace ws(sampleFile());
        const ProcessResult run = ws.run(QStringList { "--png", "pages" } + row.dpiArguments);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(run.err, QByteArray());
        EXPECT_EQ(QDir(ws.path("pages"))
                      .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            (QStringList { "page-1.png", "page-2.png" }));
        for (const char *page : { "page-1.png", "page-2.png" }) {
            SCOPED_TRACE(page);
            const QImage image(ws.path(QStringLiteral("pages/") + page));
            ASSERT_FALSE(image.isNull());
            // 210 x 297 mm; A4 taken as 595 x 842 pt may lose up to 0.1 mm, 1.3 pixels at 300 dpi.
            EXPECT_NEAR(image.width(), 210 / 25.4 * row.dpi, 1.5);
            EXPECT_NEAR(image.height(), 297 / 25.4 * row.dpi, 1.5);
            if (row.dpi == 150) {
                EXPECT_EQ(image.size(), QSize(1240, 1754));
            }
            // Printed from a viewer, the page keeps its size on paper.
            EXPECT_NEAR(image.dotsPerMeterX(), row.dpi / 0.0254, 1);
            EXPECT_NEAR(image.dotsPerMeterY(), row.dpi / 0.0254, 1);
        }
        // The EF N amount cell of page one is yellow: x 10.0 + 168.0, y 31.9 + 193.0 mm.
        const QImage one(ws.path("pages/page-1.png"));
        const QPoint probe(int(178.0 / 25.4 * row.dpi), int(224.9 / 25.4 * row.dpi));
        EXPECT_EQ(one.pixel(probe) & 0xFFFFFF, 0xFFFFCEu);
    }
}

// Two sheets of mostly white paper: an uncompressed RGB page at 150 dpi is 6.5 MB.
TEST(ExportRun, PngPagesAreCompressed)
{
    const Workspace ws(sampleFile());
    ASSERT_EQ(ws.run({ "--png", "pages" }).exitCode, 0);
    for (const char *page : { "page-1.png", "page-2.png" }) {
        const qint64 bytes = QFileInfo(ws.path(QStringLiteral("pages/") + page)).size();
        EXPECT_LT(bytes, 1240 * 1754 * 3 / 4) << page << ": " << bytes << " bytes";
    }
}

} // namespace
