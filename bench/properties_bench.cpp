// The property panel's rebuild, which every change of selection costs: the tree of a group of
// 64 buttons (64 pages of MIDI and DMX rows) selected on a console of 2,000 controls. The
// baseline is making as many plain QStandardItems (caption and value) in a model, the least a
// tree of that many rows costs.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QStandardItemModel>

#include <cstdio>
#include <functional>
#include <memory>

#include "design/data_ccd.h"
#include "editor/design_picker.h"
#include "model/ctrl_factory.h"
#include "model/korvane_doc.h"
#include "properties/dock_properties.h"
#include "ratio_reporter.h"

namespace {

constexpr int kControlCount = 2000;
constexpr int kColumns = 50;
constexpr int kButtons = 64;

int RowsBelow(const korvane::CPropertyItem &item)
{
    int rows = item.ChildCount();
    for (int i = 0; i < item.ChildCount(); ++i)
        rows += RowsBelow(*item.Child(i));
    return rows;
}

struct Bench
{
    dataConsole::CDesignList library;
    korvane::CKorvaneDoc doc{QString(), &library};
    korvane::CListDesignPicker picker;
    korvane::CDockProperties panel{picker};
    int rows = 0;

    Bench()
    {
        using namespace dataConsole;
        auto &bank = *library.emplace_back(std::make_unique<CDataCCD>());
        bank.SetName(QStringLiteral("Bank64.ccd"));
        bank.groupButtons.SetButtonCount(kButtons);
        for (int i = 0; i < kButtons; ++i)
            bank.groupButtons.Button(i)->button = QRect((i % 16) * 40, (i / 16) * 30, 40, 30);
        static const int kKinds[] = {kCtrlButton, kCtrlFaderVert, kCtrlFaderHorz, kCtrlFaderRotary, kCtrlWheel};
        CConsoleData &console = doc.Console();
        console.settings.width = kColumns * 90;
        console.settings.height = (kControlCount / kColumns) * 110 + 200;
        for (int i = 0; i < kControlCount; ++i) {
            CCtrl__Base *control = console.AddControl(CreateControl(kKinds[i % 5], &console, nullptr, nullptr));
            control->SetRect(QRect((i % kColumns) * 90 + 5, (i / kColumns) * 110 + 5, 80, 100));
            control->Bindings()[0].midi = {std::int16_t(i % 128), std::int16_t(i / 128), kStatusControlChange};
        }
        CCtrl__Base *group = console.AddControl(CreateControl(kCtrlGroupButtons, &console, nullptr, nullptr));
        QString name = bank.Name();
        group->SetDesign(console.ResolveDesign(name));
        group->SetRect(QRect(5, console.settings.height - 150, 640, 120));
        panel.resize(400, 900);
        panel.SetDocument(&doc);
        doc.SetSelection({group});
        panel.show();
        rows = RowsBelow(panel.Grid().Root());
    }
};

// Made after the application object and destroyed before it, as windows must be.
std::unique_ptr<Bench> theBench;

void BM_PanelRebuild(benchmark::State &state)
{
    Bench &bench = *theBench;
    for (auto _ : state)
        bench.panel.Rebuild();
    state.counters["rows"] = bench.rows;
}

void BM_PlainStandardItems(benchmark::State &state)
{
    const int rows = theBench->rows;
    for (auto _ : state) {
        QStandardItemModel model;
        for (int i = 0; i < rows; ++i)
            model.appendRow({new QStandardItem(QStringLiteral("Channel")), new QStandardItem(QStringLiteral("  1 - Channel"))});
        benchmark::DoNotOptimize(model.rowCount());
    }
    state.counters["rows"] = rows;
}

BENCHMARK(BM_PanelRebuild)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_PlainStandardItems)->Unit(benchmark::kMillisecond)->MinTime(2.0);

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
    reporter.PrintRatio("BM_PanelRebuild/min_time:2.000", "BM_PlainStandardItems/min_time:2.000");
    std::printf("rows in the tree: %d\n", theBench->rows);
    benchmark::Shutdown();
    theBench.reset();
    return 0;
}
