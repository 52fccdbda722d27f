// Filling the design library at start-up: 300 designs of 10 images each, generated here.
// The baseline is decoding the same image files with QImage alone, the part no design
// reader can avoid; the ratio shows what reading designs adds on top.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include <cstdio>

#include "design/design_list.h"
#include "generated_designs.h"
#include "peak_memory.h"
#include "ratio_reporter.h"

namespace {

constexpr int kDesignCount = 300;

const korvane::bench::DesignFolder &Designs()
{
    static const korvane::bench::DesignFolder folder(kDesignCount);
    return folder;
}

void BM_FillDesignLibrary(benchmark::State &state)
{
    const QString app = Designs().AppFolder();
    for (auto _ : state) {
        dataConsole::CDesignList library;
        dataConsole::FillDesignLibrary(library, app);
        if (library.size() != size_t(kDesignCount))
            state.SkipWithError("a design was not read");
        benchmark::DoNotOptimize(library.data());
    }
    state.counters["designs"] = kDesignCount;
}

void BM_DecodeImagesOnly(benchmark::State &state)
{
    for (auto _ : state) {
        for (const QString &path : Designs().Images()) {
            QImage image(path);
            benchmark::DoNotOptimize(image.constBits());
        }
    }
    state.counters["images"] = double(Designs().Images().size());
}

BENCHMARK(BM_FillDesignLibrary)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_DecodeImagesOnly)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The peak resident memory that holding the library adds, next to the bytes of its decoded
// pixels (the least it can take).
void ReportLibraryMemory()
{
    korvane::bench::RestartPeakMemory();
    const long before = korvane::bench::StatusKiB("VmRSS");
    dataConsole::CDesignList library;
    dataConsole::FillDesignLibrary(library, Designs().AppFolder());
    const long peak = korvane::bench::StatusKiB("VmHWM");
    qint64 pixels = 0;
    for (const auto &design : library) {
        for (unsigned id : {0u, 1u, 2u, 3u, 6u, 7u, 1000u, 2000u, 3000u})
            pixels += design->ImageManager().Image(id) ? design->ImageManager().Image(id)->sizeInBytes() : 0;
        for (int i = 0; i < design->wheel.imageCount; ++i)
            pixels += design->wheel.StripImage(i)->sizeInBytes();
    }
    std::printf("library of %zu designs: peak memory added %.1f MiB, decoded pixels %.1f MiB, ratio %.2f\n",
                library.size(), (peak - before) / 1024.0, pixels / 1048576.0,
                (peak - before) * 1024.0 / double(pixels));
}

} // namespace

int main(int argc, char **argv)
{
    // Benchmarks run without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // image plug-ins
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    std::printf("generating %d designs of %zu images...\n", kDesignCount, std::size(korvane::bench::kImages));
    Designs();
    ReportLibraryMemory();
    korvane::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("BM_FillDesignLibrary/min_time:2.000", "BM_DecodeImagesOnly/min_time:2.000");
    benchmark::Shutdown();
    return 0;
}
