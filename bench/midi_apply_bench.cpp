// Playing MIDI onto a console of 2,000 controls, generated here: mostly faders on control
// changes and buttons on notes across the 16 channels, with groups (and controls on their
// pages), wheels, and some bindings on any channel or of any type. Messages are applied
// through the index and, as the baseline, by walking every binding of every control.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <random>
#include <vector>

#include "design/data_ccd.h"
#include "model/console_data.h"
#include "model/ctrl_factory.h"
#include "model/midi_dispatch.h"
#include "ratio_reporter.h"

namespace {

using namespace dataConsole;

constexpr int kControlCount = 2000;
constexpr int kMessageCount = 1 << 14;
constexpr int kChannels = 16;
constexpr int kCommands = 128;

struct Message
{
    int command, channel, type, value;
};

class GeneratedConsole
{
public:
    GeneratedConsole()
    {
        m_pages.groupButtons.SetButtonCount(8);
        m_steps.groupIncDec.displayImageCount = 4;
        std::mt19937 random(2024);
        auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
        std::vector<CCtrl__Base *> groups;
        for (int i = 0; i < kControlCount; ++i) {
            const int roll = pick(0, 99);
            const int kind = roll < 45   ? kCtrlFaderVert
                             : roll < 85 ? kCtrlButton
                             : roll < 88 ? kCtrlGroupButtons
                             : roll < 90 ? kCtrlGroupIncDec
                             : roll < 95 ? kCtrlWheel
                                         : kCtrlFaderRotary;
            CCtrl__Base *parent = !groups.empty() && pick(0, 9) == 0 ? groups[size_t(pick(0, int(groups.size()) - 1))]
                                                                     : nullptr;
            auto control = CreateControl(kind, &m_console, nullptr, parent);
            if (kind == kCtrlGroupButtons || kind == kCtrlGroupIncDec) {
                control->SetDesign(kind == kCtrlGroupButtons ? &m_pages : &m_steps);
                groups.push_back(control.get());
            }
            const int status =
                kind == kCtrlButton || kind == kCtrlGroupButtons ? kStatusNoteOnOff : kStatusControlChange;
            for (int g = 0; g < control->Bindings().Count(); ++g) {
                Bind(control->Bindings()[g].midi, pick, status);
                if (kind == kCtrlWheel)
                    Bind(control->Bindings()[g].midiDecrement, pick, status);
            }
            m_console.AddControl(std::move(control));
        }
        // Most messages come from a bound fader or key; the rest hit nothing.
        for (int m = 0; m < kMessageCount; ++m) {
            const CCtrl__Base &control = *m_console.Controls()[size_t(pick(0, kControlCount - 1))];
            const CMidiData &b = control.Bindings()[pick(0, control.Bindings().Count() - 1)].midi;
            const bool bound = pick(0, 9) != 0;
            const int type = b.status == kStatusNoteOnOff ? pick(kStatusNoteOff, kStatusNoteOn)
                             : b.status == kStatusAny    ? pick(kStatusNoteOff, kStatusPitchWheel)
                                                         : b.status;
            m_messages.push_back({bound ? b.command : pick(0, kCommands - 1),
                                  bound && b.channel >= 0 ? b.channel : pick(0, kChannels - 1),
                                  bound ? type : pick(kStatusNoteOff, kStatusPitchWheel), pick(0, 127)});
        }
    }

    CConsoleData &Console() { return m_console; }
    const Message &At(std::size_t i) const { return m_messages[i % m_messages.size()]; }

private:
    template <typename Pick>
    static void Bind(CMidiData &binding, Pick &pick, int status)
    {
        binding.command = std::int16_t(pick(0, kCommands - 1));
        binding.channel = std::int16_t(pick(0, 19) == 0 ? -1 : pick(0, kChannels - 1));
        binding.status = std::int16_t(pick(0, 19) == 0 ? kStatusAny : status);
    }

    CDataCCD m_pages, m_steps;
    CConsoleData m_console;
    std::vector<Message> m_messages;
};

GeneratedConsole &Generated()
{
    static GeneratedConsole generated;
    return generated;
}

void BM_ApplyThroughIndex(benchmark::State &state)
{
    GeneratedConsole &generated = Generated();
    const CCtrlList &controls = generated.Console().Controls();
    CMidiIndex index(controls);
    std::size_t i = 0, matched = 0;
    for (auto _ : state) {
        const Message &m = generated.At(i++);
        matched += ApplyMidi(index, controls, m.command, m.channel, m.type, m.value);
    }
    state.SetItemsProcessed(std::int64_t(state.iterations()));
    state.counters["matched"] = benchmark::Counter(double(matched) / double(i));
}

// The walk the index saves: every binding of every control, for every message.
void BM_ScanEveryControl(benchmark::State &state)
{
    GeneratedConsole &generated = Generated();
    const CCtrlList &controls = generated.Console().Controls();
    std::size_t i = 0, matched = 0;
    for (auto _ : state) {
        const Message &m = generated.At(i++);
        bool any = false;
        for (const auto &control : controls) {
            const int lists = control->Kind() == kCtrlWheel ? 2 : 1;
            for (int list = 0; list < lists; ++list) {
                for (int g = 0; g < control->Bindings().Count(); ++g) {
                    const CBindingSet &set = control->Bindings()[g];
                    const CMidiData &b = list == kListMidi ? set.midi : set.midiDecrement;
                    if (MidiBindingMatches(b, m.command, m.channel, m.type)) {
                        ApplyMidiMatch(*control, MidiBindingList(list), g, b, m.type, m.value);
                        any = true;
                    }
                }
            }
        }
        matched += any;
    }
    state.SetItemsProcessed(std::int64_t(state.iterations()));
    state.counters["matched"] = benchmark::Counter(double(matched) / double(i));
}

// What the first message after an edit pays.
void BM_RebuildIndex(benchmark::State &state)
{
    const CCtrlList &controls = Generated().Console().Controls();
    CMidiIndex index;
    for (auto _ : state) {
        index.Rebuild(controls);
        benchmark::DoNotOptimize(index.Size());
    }
}

BENCHMARK(BM_ApplyThroughIndex)->MinTime(1.0);
BENCHMARK(BM_ScanEveryControl)->MinTime(1.0);
BENCHMARK(BM_RebuildIndex)->Unit(benchmark::kMicrosecond)->MinTime(1.0);

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    GeneratedConsole &generated = Generated();
    std::printf("console of %zu controls, %zu bindings indexed\n", generated.Console().Controls().size(),
                CMidiIndex(generated.Console().Controls()).Size());
    korvane::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("BM_ScanEveryControl/min_time:1.000", "BM_ApplyThroughIndex/min_time:1.000");
    const auto index = reporter.times.find("BM_ApplyThroughIndex/min_time:1.000");
    if (index != reporter.times.end() && index->second > 0)
        std::printf("through the index: %.0f messages per second\n", 1e9 / index->second);
    benchmark::Shutdown();
    return 0;
}
