// Reading, converting and computing one data file; formatting the statement's 60 amounts.
#include "data/data_fields.h"
#include "data/figures.h"
#include "data/kestravo_file.h"
#include "data/number_format.h"

#include <benchmark/benchmark.h>

using namespace monit12;

static void ReadConvertCompute(benchmark::State &state)
{
    const std::string path = MONIT12_SOURCE_DIR "/examples/KESTRAVO.TXT";
    for (auto _ : state) {
        MonitoringData data;
        KestravoFile file(path);
        const std::string header = file.readLine();
        takeHeaderName(header, data);
        takeHeaderRest(header, data, '.');
        readAmountLines(file, data, '.');
        file.close();
        benchmark::DoNotOptimize(s10Dif(data) + entrateFinaliNette(data) + s3Spesefin(data));
    }
}
BENCHMARK(ReadConvertCompute);

static void FormatSixtyAmounts(benchmark::State &state)
{
    const Separators italian{",", "."};
    long double values[60];
    for (int i = 0; i < 60; ++i)
        values[i] = (i * 7919.0L + 0.01L * i) * (i % 2 ? -1 : 1) * 1000;
    for (auto _ : state)
        for (long double v : values)
            benchmark::DoNotOptimize(formatAmount(v, italian));
}
BENCHMARK(FormatSixtyAmounts);

BENCHMARK_MAIN();
