// MIDI input through a JACK server of the run's own (dummy driver, 64 frames at 48 kHz):
// - the service alone: RtMidiOut::sendMessage to an RtMidiIn callback, the baseline;
// - Korvane's path: sendMessage to the main thread's receiver, the main thread idle in its event
//   loop as the editor's is, reported in JACK periods and as a ratio to the baseline;
// - a flood of 5,000 messages a second for 5 s, counting messages lost or out of order.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QRandomGenerator>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

#include "midi/midi_handler.h"
#include "midi/midi_in_device.h"
#include "jack_test_server.h"

namespace {

using Clock = std::chrono::steady_clock;
using korvane::test::JackTestServer;

constexpr int kLatencySamples = 1000;
constexpr int kFloodRate = 5000; // messages per second
constexpr int kFloodSeconds = 5;
constexpr int kDrainMs = 500;

double g_baselineMedianMs = 0;

double Milliseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

// Sends land at every phase of the JACK period, as a player's do, not just after a cycle.
void WaitRandomPartOfPeriod()
{
    const auto periodUs = static_cast<quint32>(JackTestServer::PeriodMilliseconds() * 1000);
    std::this_thread::sleep_for(std::chrono::microseconds(QRandomGenerator::global()->bounded(periodUs)));
}

void ReportLatencies(benchmark::State &state, std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const double median = samples[samples.size() / 2];
    const double p99 = samples[samples.size() * 99 / 100];
    state.counters["median_ms"] = median;
    state.counters["p99_ms"] = p99;
    state.counters["median_periods"] = median / JackTestServer::PeriodMilliseconds();
    state.counters["p99_periods"] = p99 / JackTestServer::PeriodMilliseconds();
    if (g_baselineMedianMs > 0)
        state.counters["median_vs_service"] = median / g_baselineMedianMs;
    else
        g_baselineMedianMs = median;
}

struct Sender
{
    Sender() : out(RtMidi::UNIX_JACK, "bench-sender")
    {
        out.openVirtualPort("out");
        // The first periods of a new client can lose what it sends.
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    void Send(unsigned char status, unsigned char data1, unsigned char data2)
    {
        const unsigned char bytes[3] = {status, data1, data2};
        out.sendMessage(bytes, sizeof bytes);
    }
    unsigned Port() const
    {
        const std::vector<std::string> names = midi::MidiInPortNames(RtMidi::UNIX_JACK);
        return static_cast<unsigned>(std::find(names.begin(), names.end(), "bench-sender:out") - names.begin());
    }

    RtMidiOut out;
};

struct RawArrival
{
    std::atomic<Clock::rep> at{0};
    static void OnMessage(double, std::vector<unsigned char> *, void *self)
    {
        static_cast<RawArrival *>(self)->at.store(Clock::now().time_since_epoch().count());
    }
};

void BM_ServiceLatency(benchmark::State &state)
{
    Sender sender;
    RawArrival arrival;
    RtMidiIn in(RtMidi::UNIX_JACK, "bench-raw");
    in.setCallback(&RawArrival::OnMessage, &arrival);
    in.openPort(sender.Port(), "in");
    std::vector<double> samples;
    for (auto _ : state) {
        WaitRandomPartOfPeriod();
        arrival.at.store(0);
        const Clock::time_point sent = Clock::now();
        sender.Send(0xB0, 1, 2);
        while (arrival.at.load() == 0)
            std::this_thread::yield();
        const double ms = Milliseconds(Clock::duration(arrival.at.load()) - sent.time_since_epoch());
        samples.push_back(ms);
        state.SetIterationTime(ms / 1000);
    }
    ReportLatencies(state, samples);
}

void BM_MainThreadLatency(benchmark::State &state)
{
    Sender sender;
    QEventLoop loop;
    Clock::time_point received;
    korvane::CMidiInDispatcher dispatcher([&](const korvane::MidiInMessage &) {
        received = Clock::now();
        loop.quit();
    });
    midi::CMIDIInDevice device(RtMidi::UNIX_JACK);
    device.SetShortMessageHandler(&korvane::HandleMidiShortMessage);
    device.Open(sender.Port());
    std::vector<double> samples;
    int lost = 0;
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [&] {
        ++lost;
        loop.quit();
    });
    for (auto _ : state) {
        WaitRandomPartOfPeriod();
        const Clock::time_point sent = Clock::now();
        sender.Send(0x90, 60, 100);
        // Idle in the event loop, as the editor's main thread is, until the message wakes it.
        received = sent;
        giveUp.start(1000);
        loop.exec();
        giveUp.stop();
        const double ms = Milliseconds(received - sent);
        samples.push_back(ms);
        state.SetIterationTime(std::max(ms, 0.0) / 1000);
    }
    state.counters["lost"] = lost;
    ReportLatencies(state, samples);
}

// Message i carries i in its channel, controller and value, so order and loss both show.
void Encode(int i, unsigned char *status, unsigned char *data1, unsigned char *data2)
{
    *status = static_cast<unsigned char>(0xB0 | ((i >> 14) & 0x0F));
    *data1 = static_cast<unsigned char>((i >> 7) & 0x7F);
    *data2 = static_cast<unsigned char>(i & 0x7F);
}

void BM_Flood(benchmark::State &state)
{
    Sender sender;
    int received = 0;
    int outOfOrder = 0;
    korvane::CMidiInDispatcher dispatcher([&](const korvane::MidiInMessage &message) {
        const int i = message.channel << 14 | message.command << 7 | message.value;
        outOfOrder += i != received;
        ++received;
    });
    midi::CMIDIInDevice device(RtMidi::UNIX_JACK);
    device.SetShortMessageHandler(&korvane::HandleMidiShortMessage);
    device.Open(sender.Port());
    constexpr int kCount = kFloodRate * kFloodSeconds;
    for (auto _ : state) {
        received = 0;
        outOfOrder = 0;
        const Clock::time_point start = Clock::now();
        std::thread player([&] {
            for (int i = 0; i < kCount; ++i) {
                std::this_thread::sleep_until(start + std::chrono::microseconds(i * 1000000LL / kFloodRate));
                unsigned char status, data1, data2;
                Encode(i, &status, &data1, &data2);
                sender.Send(status, data1, data2);
            }
        });
        QEventLoop loop;
        QTimer::singleShot(kFloodSeconds * 1000 + kDrainMs, &loop, &QEventLoop::quit);
        loop.exec();
        player.join();
        state.SetIterationTime(Milliseconds(Clock::now() - start) / 1000);
    }
    state.counters["sent"] = kCount;
    state.counters["lost"] = kCount - received;
    state.counters["out_of_order"] = outOfOrder;
    state.counters["received_per_s"] = static_cast<double>(received) / kFloodSeconds;
    state.counters["received_vs_offered"] = static_cast<double>(received) / kCount;
}

BENCHMARK(BM_ServiceLatency)->Iterations(kLatencySamples)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MainThreadLatency)->Iterations(kLatencySamples)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Flood)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (JackTestServer::Executable().isEmpty()) {
        std::fprintf(stderr, "midi_bench: jackd is not installed\n");
        return 1;
    }
    JackTestServer server;
    const QString error = server.Start();
    if (!error.isEmpty()) {
        std::fprintf(stderr, "midi_bench: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("JACK period: %d frames at %d Hz = %.3f ms\n", JackTestServer::kPeriodFrames,
                JackTestServer::kSampleRate, JackTestServer::PeriodMilliseconds());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
