// The console canvas under load: a full repaint of a 1920 x 1080 view onto a console of
// 2,000 controls, and a stream of MIDI messages applied with the repaints they cause. The
// baseline of the repaint is copying one full frame of pixels, the least any repaint costs.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>

#include <cstdio>
#include <memory>

#include "editor/design_picker.h"
#include "editor/korvane_view.h"
#include "model/ctrl_factory.h"
#include "model/korvane_doc.h"
#include "ratio_reporter.h"

namespace {

constexpr int kControlCount = 2000;
constexpr int kColumns = 50;
const QSize kView(1920, 1080);

struct Bench
{
    korvane::CEditState state;
    korvane::CListDesignPicker picker;
    korvane::CKorvaneDoc doc{QString(), nullptr};
    korvane::CKorvaneView view{state, picker};

    Bench()
    {
        using namespace dataConsole;
        static const int kKinds[] = {kCtrlButton, kCtrlButton, kCtrlFaderVert, kCtrlFaderVert, kCtrlFaderHorz,
                                     kCtrlFaderRotary, kCtrlWheel, kCtrlLabel, kCtrlButton, kCtrlFaderVert};
        CConsoleData &console = doc.Console();
        console.settings.width = kColumns * 90;
        console.settings.height = (kControlCount / kColumns) * 110;
        for (int i = 0; i < kControlCount; ++i) {
            CCtrl__Base *control =
                console.AddControl(CreateControl(kKinds[i % 10], &console, nullptr, nullptr));
            control->SetRect(QRect((i % kColumns) * 90 + 5, (i / kColumns) * 110 + 5, 80, 100));
            control->SetTextAlign(kTextBelow);
            control->SetLabel(0, QStringLiteral("Ch %1").arg(i + 1));
            control->Bindings()[0].midi.command = std::int16_t(i % 128);
            control->Bindings()[0].midi.channel = std::int16_t(i / 128);
        }
        view.resize(kView);
        view.SetDocument(&doc);
        view.show();
    }
};

// Made after the application object and destroyed before it, as windows must be.
std::unique_ptr<Bench> theBench;

Bench &TheBench()
{
    return *theBench;
}

void BM_CanvasFullRepaint(benchmark::State &state)
{
    korvane::CCtrlConsole &canvas = TheBench().view.Canvas();
    QImage frame(kView, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        // What the window shows: the canvas's part under the viewport.
        canvas.render(&frame, QPoint(), QRegion(QRect(QPoint(0, 0), kView)));
        benchmark::DoNotOptimize(frame.constBits());
    }
}

void BM_CopyOneFrame(benchmark::State &state)
{
    QImage source(kView, QImage::Format_ARGB32_Premultiplied);
    source.fill(Qt::darkGray);
    QImage frame(kView, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&frame);
        painter.drawImage(0, 0, source);
        painter.end();
        benchmark::DoNotOptimize(frame.constBits());
    }
}

// Messages of a fader swept on every channel, applied to the document as they come, with the
// repaints its announcements queue on the canvas processed as a running editor would.
void BM_MidiAppliedToCanvas(benchmark::State &state)
{
    korvane::CKorvaneDoc &doc = TheBench().doc;
    int value = 0;
    std::int64_t applied = 0;
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) {
            value = (value + 1) % 128;
            applied += doc.ApplyMidiInput(i % 128, (i / 128) % 16, 11, value);
        }
        QCoreApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * 1000);
    if (applied == 0)
        state.SkipWithError("no message matched");
}

BENCHMARK(BM_CanvasFullRepaint)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_CopyOneFrame)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_MidiAppliedToCanvas)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    theBench = std::make_unique<Bench>();
    korvane::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("BM_CanvasFullRepaint/min_time:2.000", "BM_CopyOneFrame/min_time:2.000");
    const auto repaint = reporter.times.find("BM_CanvasFullRepaint/min_time:2.000");
    if (repaint != reporter.times.end())
        std::printf("full repaint: %.2f ms of the 8.33 ms half frame at 60 Hz\n", repaint->second);
    benchmark::Shutdown();
    theBench.reset();
    return 0;
}
