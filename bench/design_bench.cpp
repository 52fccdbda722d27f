// Filling the design library at start-up: 300 designs of 10 images each, generated here.
// The baseline is decoding the same image files with QImage alone, the part no design
// reader can avoid; the ratio shows what reading designs adds on top.
#include <benchmark/benchmark.h>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>
#include <fstream>
#include <string>

#include "design/design_list.h"
#include "ratio_reporter.h"

namespace {

constexpr int kDesignCount = 300;

struct DesignImage
{
    const char *file;
    int width;
    int height;
};

// The ten images of each design, at sizes usual for console controls.
constexpr DesignImage kImages[] = {
    {"off", 80, 40},       {"on", 80, 40},     {"dial", 64, 64},      {"pointer", 16, 16},
    {"vtrack", 40, 200},   {"vknob", 40, 20},  {"wheelbg", 60, 120},  {"wheelstrip", 600, 60},
    {"groupbg", 300, 60},  {"incdecbg", 120, 40},
};

QImage Artwork(int width, int height, int seed)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, width, height);
    gradient.setColorAt(0, QColor::fromHsv(seed * 7 % 360, 200, 230));
    gradient.setColorAt(1, QColor::fromHsv(seed * 13 % 360, 180, 60));
    painter.setBrush(gradient);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawRoundedRect(QRectF(1, 1, width - 2, height - 2), 6, 6);
    return image;
}

class DesignFolder
{
public:
    DesignFolder()
    {
        const QString folder = m_app.path() + QStringLiteral("/_Common/console/_ccd/");
        QDir().mkpath(folder);
        for (int d = 0; d < kDesignCount; ++d) {
            const QString prefix = QStringLiteral("d%1_").arg(d, 3, 10, QLatin1Char('0'));
            for (const DesignImage &image : kImages) {
                const QString path = folder + prefix + QLatin1String(image.file) + QStringLiteral(".png");
                Artwork(image.width, image.height, d).save(path, "PNG");
                m_images.append(path);
            }
            const std::string p = prefix.toStdString();
            std::ofstream(QFile::encodeName(folder + prefix + QStringLiteral("design.ccd")).toStdString())
                << "<config_control_design Author=\"orlen\" Version=\"1.0\">\r\n"
                << "  <RotSlider Image=\"" << p << "dial.png\" ImageCursor=\"" << p << "pointer.png\" />\r\n"
                << "  <LinearSliderVert>\r\n    <Background Image=\"" << p << "vtrack.png\" />\r\n"
                << "    <Cursor ImageCursor=\"" << p << "vknob.png\" offset_x=\"0\" offset_y=\"0\" />\r\n"
                << "  </LinearSliderVert>\r\n"
                << "  <Button ImageOff=\"" << p << "off.png\" ImageOn=\"" << p << "on.png\" />\r\n"
                << "  <Wheel Background=\"" << p << "wheelbg.png\" Images=\"" << p
                << "wheelstrip.png\" TransparentBackground=\"0\" nbImages=\"10\" />\r\n"
                << "  <GroupIncDec Background=\"" << p << "incdecbg.png\" TransparentBackground=\"0\">\r\n"
                << "    <Display nbImages=\"0\" x=\"0\" y=\"0\" />\r\n  </GroupIncDec>\r\n"
                << "  <GroupButtons Background=\"" << p << "groupbg.png\" TransparentBackground=\"0\">\r\n"
                << "    <Button x=\"0\" y=\"0\" cx=\"80\" cy=\"40\" />\r\n"
                << "    <Button x=\"100\" y=\"0\" cx=\"80\" cy=\"40\" />\r\n  </GroupButtons>\r\n"
                << "</config_control_design>\r\n";
        }
    }

    QString AppFolder() const { return m_app.path(); }
    const QStringList &Images() const { return m_images; }

private:
    QTemporaryDir m_app;
    QStringList m_images;
};

const DesignFolder &Designs()
{
    static const DesignFolder folder;
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

long StatusKiB(const char *field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(status, line)) {
        if (line.rfind(key, 0) == 0)
            return std::stol(line.substr(key.size()));
    }
    return -1;
}

// The peak resident memory that holding the library adds, next to the bytes of its decoded
// pixels (the least it can take).
void ReportLibraryMemory()
{
    std::ofstream("/proc/self/clear_refs") << "5"; // restarts the peak at the current size
    const long before = StatusKiB("VmRSS");
    dataConsole::CDesignList library;
    dataConsole::FillDesignLibrary(library, Designs().AppFolder());
    const long peak = StatusKiB("VmHWM");
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
    QGuiApplication app(argc, argv); // image plug-ins
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    std::printf("generating %d designs of %zu images...\n", kDesignCount, std::size(kImages));
    Designs();
    ReportLibraryMemory();
    korvane::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("BM_FillDesignLibrary/min_time:2.000", "BM_DecodeImagesOnly/min_time:2.000");
    benchmark::Shutdown();
    return 0;
}
