// Building the statement (designs loaded, laid out, filled) and rendering both sheets.
#include "data/separators.h"
#include "statement/font_book.h"
#include "statement/font_files.h"
#include "statement/sheet_recorder.h"
#include "statement/statement_export.h"
#include "statement/tf_stampa.h"

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace monit12;

namespace {

const QString kSample = QStringLiteral(MONIT12_SOURCE_DIR "/examples/KESTRAVO.TXT");
const Separators kItalian{",", "."};

const FontBook &fonts()
{
    static const FontBook book;
    return book;
}

} // namespace

static void BuildStatement(benchmark::State &state)
{
    for (auto _ : state) {
        TFStampa form(fonts(), kSample, kItalian, {});
        benchmark::DoNotOptimize(form.complete());
    }
}
BENCHMARK(BuildStatement)->Unit(benchmark::kMillisecond);

static void RecordSheets(benchmark::State &state)
{
    TFStampa form(fonts(), kSample, kItalian, {});
    for (auto _ : state) {
        SheetRecorder recorder(fonts());
        form.QRCompositeReport1.generate(recorder);
        benchmark::DoNotOptimize(recorder.document().sheets.size());
    }
}
BENCHMARK(RecordSheets)->Unit(benchmark::kMillisecond);

static void WritePdf(benchmark::State &state)
{
    TFStampa form(fonts(), kSample, kItalian, {});
    QTemporaryDir dir;
    for (auto _ : state)
        writeStatementPdf(form.QRCompositeReport1, fonts(), dir.filePath("s.pdf"));
}
BENCHMARK(WritePdf)->Unit(benchmark::kMillisecond);

static void WritePng150(benchmark::State &state)
{
    TFStampa form(fonts(), kSample, kItalian, {});
    QTemporaryDir dir;
    for (auto _ : state)
        writeStatementPngs(form.QRCompositeReport1, fonts(), dir.path(), 150);
}
BENCHMARK(WritePng150)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    usePrivateFontConfig();
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
