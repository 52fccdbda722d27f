// MIDI input end to end through a real MIDI service: a JACK server of the run's own, a sender
// made with RtMidiOut, our devices, the short-message handler and the main thread's receiver.
#include <QProcess>

#include <atomic>
#include <ostream>

#include "jack_midi_support.h"
#include "test_support.h"

using namespace korvane;
using namespace korvane::test;
using midi::CMIDIInDevice;

namespace korvane {
void PrintTo(const MidiInMessage &m, std::ostream *out)
{
    *out << '{' << m.command << ", " << m.channel << ", " << m.type << ", " << m.value << '}';
}
} // namespace korvane

namespace {

const Bytes kMarker = {0xB0, 119, 1};
const MidiInMessage kMarkerMessage = {119, 0, 11, 1};

// Takes messages on the service's thread; they are read once EndMidiLearn has made them visible.
struct LearnReceiver : CMidiLearnReceiver
{
    void Receive(int command, int channel, int type, int value) override
    {
        received.push_back({command, channel, type, value});
        ++count;
    }
    std::vector<MidiInMessage> received;
    std::atomic<std::size_t> count{0};
};

// Where another program finds our virtual port among its outputs, or -1.
int OurPort(RtMidiOut &player)
{
    for (unsigned port = 0; port < player.getPortCount(); ++port)
        if (player.getPortName(port).ends_with(":Korvane"))
            return static_cast<int>(port);
    return -1;
}

} // namespace

using MidiInTest = JackMidiTest;

TEST_F(MidiInTest, ChannelMessagesReachTheMainThreadDecodedOrAWaitingLearnReceiverWhileOpen)
{
    // The sender exists before the port is opened, as a surface plugged in before start-up.
    Sender sender("surface");
    const auto send = [&](const Bytes &bytes) { sender.Send(bytes); };
    const std::vector<std::string> names = midi::MidiInPortNames(RtMidi::UNIX_JACK);
    const auto port = static_cast<unsigned>(std::find(names.begin(), names.end(), "surface:out") - names.begin());
    MainThreadLog log;
    CMIDIInDevice device(RtMidi::UNIX_JACK);
    device.SetShortMessageHandler(&HandleMidiShortMessage);
    device.Open(port);
    ASSERT_TRUE(Settle(send, log));

    const std::vector<std::pair<Bytes, std::optional<MidiInMessage>>> cases = {
        {{0x80, 60, 64}, MidiInMessage{60, 0, 8, 64}},     // note off
        {{0xF2, 0x10, 0x20}, std::nullopt},                // song position
        {{0x9F, 61, 0}, MidiInMessage{61, 15, 9, 0}},      // a note on with velocity 0 stays a note on
        {{0xE3, 0x7F, 0x40}, MidiInMessage{0, 3, 14, 64}}, // pitch wheel: the upper 7 bits only
        {{0xD2, 0x33}, MidiInMessage{0, 2, 13, 0x33}},     // channel pressure
        {kMarker, kMarkerMessage},                         // control change
    };
    std::vector<MidiInMessage> expected;
    for (const auto &[bytes, message] : cases) {
        sender.Send(bytes);
        if (message)
            expected.push_back(*message);
    }
    // Order is kept along one port: anything wrongly delivered shows before the marker, which comes last.
    ASSERT_TRUE(WaitFor([&] { return !log.received.empty() && log.received.back() == kMarkerMessage; }))
        << ::testing::PrintToString(log.received);
    EXPECT_EQ(log.received, expected);
    EXPECT_EQ(log.offMainThread, 0);

    // A waiting learn receiver takes every message on the service's thread, and nothing is posted.
    log.received.clear();
    LearnReceiver learner;
    BeginMidiLearn(&learner);
    sender.Send({0x92, 64, 0});
    sender.Send({0xC2, 9});
    // The main thread keeps running its events meanwhile, so anything posted would show.
    const bool learnt = WaitFor([&] { return learner.count == 2; });
    EndMidiLearn();
    ASSERT_TRUE(learnt);
    EXPECT_EQ(learner.received, (std::vector<MidiInMessage>{{64, 2, 9, 0}, {0, 2, 12, 9}}));

    // Once learning ends, messages go to the main thread again and no longer to the receiver.
    sender.Send(kMarker);
    ASSERT_TRUE(WaitFor([&] { return !log.received.empty(); }));
    EXPECT_EQ(log.received, std::vector<MidiInMessage>{kMarkerMessage});

    // A second device tells a closed device from a silent sender.
    CMIDIInDevice staying(RtMidi::UNIX_JACK);
    staying.SetShortMessageHandler(&HandleMidiShortMessage);
    staying.Open(port);
    ASSERT_TRUE(Settle(send, log, 2));
    device.Close();
    sender.Send({0x90, 11, 1});
    sender.Send(kMarker);
    ASSERT_TRUE(WaitFor([&] { return !log.received.empty() && log.received.back() == kMarkerMessage; }));
    EXPECT_EQ(log.received.size(), 2u);

    // Reopened, it records again, beside the other; a port number that does not exist leaves it closed.
    device.Open(port);
    EXPECT_TRUE(Settle(send, log, 2));
    device.Open(999);
    EXPECT_TRUE(!device.IsOpen() && device.DeviceName().empty()) << device.DeviceName();
}

TEST_F(MidiInTest, EveryPortAndTheVirtualPortAreOpenedWhereAServiceRuns)
{
    // Pointed at a server that does not run, this process finds no service and no ports, and korvane-cli has
    // nothing to hear, which is no failure; options that make no sense are still usage errors.
    EXPECT_EQ(midi::SelectMidiApi({RtMidi::UNIX_JACK}), RtMidi::UNIX_JACK);
    const QByteArray server = qgetenv("JACK_DEFAULT_SERVER");
    qputenv("JACK_DEFAULT_SERVER", server + "-absent");
    EXPECT_EQ(midi::SelectMidiApi({RtMidi::UNIX_JACK}), std::nullopt);
    EXPECT_THROW(midi::MidiInPortNames(RtMidi::UNIX_JACK), midi::CMIDIInException);
#ifdef KORVANE_CLI
    const test::CliRun none = test::RunCli({"midi-monitor", "--midi-api", "jack"});
    EXPECT_TRUE(none.exitCode == 0 && none.out == "no MIDI service\n") << none.exitCode << none.out.toStdString();
    for (const QStringList &arguments : {QStringList{"midi-ports", "--api", "oss"},
                                         QStringList{"midi-monitor", "--count", "0"},
                                         QStringList{"midi-monitor", "--seconds", "soon"}})
        EXPECT_EQ(test::RunCli(arguments).exitCode, 2) << arguments.join(' ').toStdString();
#endif
    qputenv("JACK_DEFAULT_SERVER", server);

    Sender surface("surface");
    std::vector<std::string> expected = midi::MidiInPortNames(RtMidi::UNIX_JACK);
    expected.push_back("Korvane");
    const auto devices = midi::OpenEveryMidiInPort(RtMidi::UNIX_JACK, &HandleMidiShortMessage);
    std::vector<std::string> opened;
    for (const auto &device : devices)
        opened.push_back(device->IsOpen() ? device->DeviceName() : "(closed)");
    EXPECT_EQ(opened, expected);

    // Another program finds our port among its outputs and plays into it: its probes come through.
    MainThreadLog log;
    RtMidiOut player(RtMidi::UNIX_JACK, "player");
    const int ours = OurPort(player);
    ASSERT_GE(ours, 0);
    player.openPort(static_cast<unsigned>(ours));
    EXPECT_TRUE(Settle([&](const Bytes &bytes) { player.sendMessage(&bytes); }, log));
}

#ifdef KORVANE_CLI
TEST_F(MidiInTest, CliListsPortsAndPrintsWhatArrives)
{
    Sender surface("surface");
    QString expectedList;
    const std::vector<std::string> names = midi::MidiInPortNames(RtMidi::UNIX_JACK);
    for (std::size_t port = 0; port < names.size(); ++port)
        expectedList += QStringLiteral("%1: %2\n").arg(port).arg(QString::fromStdString(names[port]));
    const test::CliRun ports = test::RunCli({"midi-ports", "--api", "jack"});
    EXPECT_EQ(ports.exitCode, 0);
    EXPECT_EQ(ports.out, expectedList);

    // "midi-monitor --count 1" hears a surface present at its start, never its system messages. Once the monitor's
    // port shows (its others are open by then), the surface sends every 50 ms until it ends: what goes over a new
    // connection can be lost inside the service, and the count prints the first message through. A busy machine
    // now and then gives a monitor that hears nothing for seconds: it is started once more, when the port of the
    // one that ended has gone, before that is a failure.
    bool finished = false;
    QProcess monitor;
    for (int attempt = 0; attempt < 2 && !finished; ++attempt) {
        EXPECT_TRUE(WaitFor([&] { return OurPort(surface.out) < 0; })) << "an ended monitor's port stays";
        monitor.start(QStringLiteral(KORVANE_CLI), {"midi-monitor", "--api", "jack", "--count", "1"});
        finished = WaitFor([&] { return OurPort(surface.out) >= 0; });
        QElapsedTimer sinceSent;
        finished = finished && WaitFor([&] {
            if (!sinceSent.isValid() || sinceSent.elapsed() >= 50) {
                for (const Bytes &bytes : {Bytes{0xF8}, Bytes{0xFE}, Bytes{0x9F, 60, 0}})
                    surface.Send(bytes);
                sinceSent.start();
            }
            return monitor.state() == QProcess::NotRunning;
        });
        if (!finished) {
            monitor.kill();
            monitor.waitForFinished();
        }
    }
    // A monitor the service dropped ends the run as our own clients do.
    const QByteArray errors = monitor.readAllStandardError();
    if (errors.contains(kServiceGaveUpText))
        OnJackError(errors.constData());
    ASSERT_TRUE(finished) << errors.toStdString();
    EXPECT_EQ(monitor.exitCode(), 0);
    EXPECT_EQ(monitor.readAllStandardOutput(), "command=60 channel=15 type=9 value=0\n");

    const test::CliRun quiet = test::RunCli({"midi-monitor", "--api", "jack", "--seconds", "0.2"});
    EXPECT_TRUE(quiet.exitCode == 0 && quiet.out.isEmpty()) << quiet.exitCode << quiet.out.toStdString();
}
#endif

#if defined(__SANITIZE_THREAD__)
// libjack's lock-free ring buffer (the test senders' bytes on their way to the JACK thread) orders
// its reads and writes with barriers the thread checker does not follow; Korvane shares nothing through it.
extern "C" const char *__tsan_default_suppressions()
{
    return "race:jack_ringbuffer_read\n"
           "race:jack_ringbuffer_peek\n";
}
#endif

int main(int argc, char **argv)
{
    return RunJackTests<QCoreApplication>(argc, argv);
}
