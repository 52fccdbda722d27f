// Opening and drawing a large console: 2,000 controls of every drawn kind using 200
// designs, generated here. Opening is compared with decoding the designs' images alone, the
// part no reader can avoid; drawing with copying one design image per control into its
// place, the least any drawing of the console must do.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QPainter>

#include <cstdio>
#include <fstream>

#include "design/data_ccd.h"
#include "design/design_list.h"
#include "generated_designs.h"
#include "model/console_data.h"
#include "model/console_draw.h"
#include "model/console_file.h"
#include "peak_memory.h"
#include "ratio_reporter.h"

namespace {

constexpr int kDesignCount = 200;
constexpr int kControlCount = 2000;
constexpr int kColumns = 50;
constexpr int kCellWidth = 90;
constexpr int kCellHeight = 110;

// A console of kControlCount controls on a grid, the designs taken in turn.
class GeneratedConsole
{
public:
    GeneratedConsole() : m_designs(kDesignCount)
    {
        m_path = m_designs.AppFolder() + QStringLiteral("/_Common/console/bench.csl2");
        const int rows = (kControlCount + kColumns - 1) / kColumns;
        std::ofstream file(QFile::encodeName(m_path).toStdString(), std::ios::binary);
        file << "<CSL2 Author=\"orlen\" Version=\"1.0\" cx=\"" << kColumns * kCellWidth << "\" cy=\""
             << rows * kCellHeight << "\" color_back=\"#202428\" TransparentBackground=\"0\">\r\n";
        // Mostly buttons and faders, as on real consoles, with every other drawn kind mixed in.
        static const char *const kKinds[] = {"Button",    "Button",          "Button", "LinearSliderVert",
                                             "LinearSliderVert", "LinearSliderHori", "RotSlider", "Wheel",
                                             "Label",     "GroupIncDec"};
        for (int i = 0; i < kControlCount; ++i) {
            const char *kind = i % 200 == 0 ? "Trichro" : i % 200 == 100 ? "PanTilt" : kKinds[i % 10];
            const std::string design = m_designs.DesignNames().at(i % kDesignCount).toStdString();
            file << "  <" << kind << " x=\"" << (i % kColumns) * kCellWidth + 5 << "\" y=\""
                 << (i / kColumns) * kCellHeight + 5 << "\" cx=\"80\" cy=\"100\" control_file_draw=\"" << design
                 << "\" TextAlign=\"5\" bDrawCadre=\"1\">\r\n    <Group0 label=\"Ch " << i + 1 << "\" />\r\n  </"
                 << kind << ">\r\n";
        }
        file << "</CSL2>\r\n";
    }

    const korvane::bench::DesignFolder &Designs() const { return m_designs; }
    const QString &Path() const { return m_path; }

    // The design library and the console, as the editor opens them.
    bool Open(dataConsole::CDesignList &library, dataConsole::CConsoleData &console) const
    {
        dataConsole::FillDesignLibrary(library, m_designs.AppFolder());
        return library.size() == size_t(kDesignCount) &&
               dataConsole::ReadConsoleFile(console, m_path, m_designs.AppFolder()) &&
               console.Controls().size() == size_t(kControlCount);
    }

private:
    korvane::bench::DesignFolder m_designs;
    QString m_path;
};

const GeneratedConsole &Console()
{
    static const GeneratedConsole console;
    return console;
}

void BM_OpenConsole(benchmark::State &state)
{
    for (auto _ : state) {
        dataConsole::CDesignList library;
        dataConsole::CConsoleData console(&library);
        if (!Console().Open(library, console))
            state.SkipWithError("the console was not read whole");
        benchmark::DoNotOptimize(console.Controls().data());
    }
}

void BM_DecodeImagesOnly(benchmark::State &state)
{
    for (auto _ : state) {
        for (const QString &path : Console().Designs().Images()) {
            QImage image(path);
            benchmark::DoNotOptimize(image.constBits());
        }
    }
}

// The opened console, kept for the drawing benchmarks.
struct OpenedConsole
{
    dataConsole::CDesignList library;
    dataConsole::CConsoleData console{&library};
    OpenedConsole() { Console().Open(library, console); }
};

OpenedConsole &Opened()
{
    static OpenedConsole opened;
    return opened;
}

void BM_RenderConsole(benchmark::State &state)
{
    dataConsole::CConsoleData &console = Opened().console;
    for (auto _ : state) {
        const QImage image = dataConsole::RenderConsole(console, 1.0f, nullptr);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_BlitImagesOnly(benchmark::State &state)
{
    dataConsole::CConsoleData &console = Opened().console;
    const QSize size(console.settings.width, console.settings.height);
    for (auto _ : state) {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(QColor(32, 36, 40));
        QPainter painter(&image);
        for (const auto &control : console.Controls()) {
            const dataConsole::CDataCCD *design = control->Design();
            const QImage *picture = design ? design->ImageManager().Image(0) : nullptr;
            if (picture)
                painter.drawImage(QRect(control->Rect().topLeft(), control->GetImageSize()), *picture);
        }
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

BENCHMARK(BM_OpenConsole)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_DecodeImagesOnly)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_RenderConsole)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_BlitImagesOnly)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The peak resident memory that opening and then rendering the console adds.
void ReportMemory()
{
    korvane::bench::RestartPeakMemory();
    const long before = korvane::bench::StatusKiB("VmRSS");
    {
        dataConsole::CDesignList library;
        dataConsole::CConsoleData console(&library);
        if (!Console().Open(library, console)) {
            std::printf("the console was not read whole\n");
            return;
        }
        const long opened = korvane::bench::StatusKiB("VmHWM");
        const QImage image = dataConsole::RenderConsole(console, 1.0f, nullptr);
        const long rendered = korvane::bench::StatusKiB("VmHWM");
        std::printf("console of %zu controls, %zu designs: peak memory added %.1f MiB opened, %.1f MiB with its "
                    "%d x %d rendering (%.1f MiB of pixels)\n",
                    console.Controls().size(), library.size(), (opened - before) / 1024.0,
                    (rendered - before) / 1024.0, image.width(), image.height(), image.sizeInBytes() / 1048576.0);
    }
}

} // namespace

int main(int argc, char **argv)
{
    // Benchmarks run without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // image plug-ins and fonts
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    std::printf("generating %d designs and a console of %d controls...\n", kDesignCount, kControlCount);
    Console();
    ReportMemory();
    korvane::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("BM_OpenConsole/min_time:2.000", "BM_DecodeImagesOnly/min_time:2.000");
    reporter.PrintRatio("BM_RenderConsole/min_time:2.000", "BM_BlitImagesOnly/min_time:2.000");
    benchmark::Shutdown();
    return 0;
}
