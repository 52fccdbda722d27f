// MIDI input end to end through a real MIDI service: a JACK server of the run's own, a sender
// made with RtMidiOut, our devices, the short-message handler and the main thread's receiver.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <ostream>

#include <jack/jack.h>
#include <sys/wait.h>
#include <unistd.h>

#include "midi/midi_handler.h"
#include "midi/midi_in_device.h"
#include "jack_test_server.h"
#include "test_support.h"

using korvane::CMidiInDispatcher;
using korvane::MidiInMessage;
using midi::CMIDIInDevice;

namespace korvane {
void PrintTo(const MidiInMessage &m, std::ostream *out)
{
    *out << "{command " << m.command << ", channel " << m.channel << ", type " << m.type << ", value " << m.value
         << "}";
}
} // namespace korvane

namespace {

using Bytes = std::vector<unsigned char>;

constexpr int kWaitMs = 5000;

// JACK 1 ends the process of a client whose period races with a change of the graph (a port
// registered or connected meanwhile), saying "graph error - exiting from JACK". A loaded
// machine or a checked build makes that likelier. It is the service's doing, not ours: the
// run ends with kServiceGaveUp, and main() runs it again.
constexpr int kServiceGaveUp = 75;
constexpr const char *kServiceGaveUpText = "exiting from JACK";

void OnJackError(const char *text)
{
    std::fprintf(stderr, "%s\n", text);
    if (std::strstr(text, kServiceGaveUpText) != nullptr) {
        std::fflush(nullptr);
        _exit(kServiceGaveUp);
    }
}

bool WaitFor(const std::function<bool()> &done)
{
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > kWaitMs)
            return false;
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
    return true;
}

// Another program's output port, as a MIDI surface or a sequencer offers it.
struct Sender
{
    explicit Sender(const std::string &clientName) : out(RtMidi::UNIX_JACK, clientName)
    {
        out.openVirtualPort("out");
        portName = clientName + ":out";
    }
    void Send(const Bytes &bytes) { out.sendMessage(&bytes); }

    RtMidiOut out;
    std::string portName;
};

int PortNumber(const std::string &name)
{
    const std::vector<std::string> names = midi::MidiInPortNames(RtMidi::UNIX_JACK);
    const auto found = std::find(names.begin(), names.end(), name);
    return found == names.end() ? -1 : static_cast<int>(found - names.begin());
}

// Everything that reaches the main thread, and on which thread it arrived.
struct MainThreadLog
{
    MainThreadLog()
        : dispatcher([this](const MidiInMessage &message) {
              received.push_back(message);
              offMainThread += QThread::currentThread() != QCoreApplication::instance()->thread();
          })
    {
    }
    bool WaitForCount(std::size_t count)
    {
        return WaitFor([&] { return received.size() >= count; });
    }

    std::vector<MidiInMessage> received;
    int offMainThread = 0;
    CMidiInDispatcher dispatcher;
};

struct LearnReceiver : korvane::CMidiLearnReceiver
{
    void Receive(int command, int channel, int type, int value) override
    {
        const std::lock_guard lock(mutex);
        received.push_back({command, channel, type, value});
    }
    std::size_t Count()
    {
        const std::lock_guard lock(mutex);
        return received.size();
    }

    std::mutex mutex;
    std::vector<MidiInMessage> received;
};

const Bytes kMarker = {0xB0, 119, 1};
const MidiInMessage kMarkerMessage = {119, 0, 11, 1};

// What a client sends in its first periods, or over a connection just made, can be lost inside
// the service. Probes sent until one comes through every one of `paths` put a test past that;
// the log then starts empty.
bool Settle(const std::function<void(const Bytes &)> &send, MainThreadLog &log, long paths = 1)
{
    constexpr unsigned char kProbe = 118;
    constexpr unsigned char kLastProbe = 127;
    const auto arrivals = [&](unsigned char round) {
        return std::count(log.received.begin(), log.received.end(), MidiInMessage{kProbe, 0, 11, round});
    };
    unsigned char round = 0;
    QElapsedTimer sinceProbe;
    bool settled = WaitFor([&] {
        for (unsigned char sent = 0; sent < round; ++sent) {
            if (arrivals(sent) >= paths)
                return true;
        }
        if (round < kLastProbe && (round == 0 || sinceProbe.elapsed() >= 10)) {
            send({0xB0, kProbe, round++});
            sinceProbe.start();
        }
        return false;
    });
    // Earlier probes may still be on their way along the other paths; this one comes after them.
    send({0xB0, kProbe, kLastProbe});
    settled = settled && WaitFor([&] { return arrivals(kLastProbe) >= paths; });
    log.received.clear();
    return settled;
}

// Opens `device` on `sender`'s port with the application's handler, and waits until what the
// sender sends comes through.
void OpenSettled(CMIDIInDevice &device, Sender &sender, MainThreadLog &log)
{
    device.SetShortMessageHandler(&korvane::HandleMidiShortMessage);
    device.Open(static_cast<unsigned>(PortNumber(sender.portName)));
    ASSERT_TRUE(device.IsOpen()) << sender.portName;
    ASSERT_TRUE(Settle([&](const Bytes &bytes) { sender.Send(bytes); }, log));
}

// Where another program finds our virtual port among its outputs, or -1.
int OurPort(RtMidiOut &player)
{
    for (unsigned port = 0; port < player.getPortCount(); ++port) {
        if (player.getPortName(port).ends_with(":Korvane"))
            return static_cast<int>(port);
    }
    return -1;
}

// Points this process and the programs it starts at a JACK server that does not run.
struct AbsentService
{
    AbsentService() { qputenv("JACK_DEFAULT_SERVER", server + "-absent"); }
    ~AbsentService() { qputenv("JACK_DEFAULT_SERVER", server); }
    const QByteArray server = qgetenv("JACK_DEFAULT_SERVER");
};

} // namespace

class MidiInTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        if (korvane::test::JackTestServer::Executable().isEmpty())
            return;
        s_server = new korvane::test::JackTestServer;
        s_serverError = s_server->Start();
    }
    static void TearDownTestSuite()
    {
        delete s_server;
        s_server = nullptr;
    }
    void SetUp() override
    {
        if (s_server == nullptr)
            GTEST_SKIP() << "jackd is not installed";
        ASSERT_TRUE(s_serverError.isEmpty()) << s_serverError.toStdString();
    }

    static korvane::test::JackTestServer *s_server;
    static QString s_serverError;
};

korvane::test::JackTestServer *MidiInTest::s_server = nullptr;
QString MidiInTest::s_serverError;

TEST_F(MidiInTest, ChannelMessagesReachTheMainThreadDecodedOrAWaitingLearnReceiver)
{
    // The sender exists before the port is opened, as a surface plugged in before start-up.
    Sender sender("surface");
    MainThreadLog log;
    CMIDIInDevice device(RtMidi::UNIX_JACK);
    ASSERT_NO_FATAL_FAILURE(OpenSettled(device, sender, log));
    EXPECT_EQ(device.DeviceName(), sender.portName);

    const std::vector<std::pair<Bytes, std::optional<MidiInMessage>>> cases = {
        {{0x80, 60, 64}, MidiInMessage{60, 0, 8, 64}},   // note off
        {{0xFE}, std::nullopt},                          // active sensing
        {{0x9F, 61, 100}, MidiInMessage{61, 15, 9, 100}}, // note on, channel 16
        {{0xF8}, std::nullopt},                          // clock
        {{0x9F, 61, 0}, MidiInMessage{61, 15, 9, 0}},     // a note on with velocity 0 stays a note on
        {{0xF1, 0x23}, std::nullopt},                    // time code quarter frame
        {{0xC0, 5}, MidiInMessage{0, 0, 12, 5}},          // program change
        {{0xF2, 0x10, 0x20}, std::nullopt},              // song position
        {{0xE3, 0x7F, 0x40}, MidiInMessage{0, 3, 14, 64}}, // pitch wheel: the upper 7 bits only
        {{0xFA}, std::nullopt},                          // start
        {{0xB5, 7, 100}, MidiInMessage{7, 5, 11, 100}},   // control change
        {{0xD2, 0x33}, MidiInMessage{0, 2, 13, 0x33}},    // channel pressure
        {{0xA9, 60, 30}, MidiInMessage{60, 9, 10, 30}},   // polyphonic pressure
        {{0xF3, 1}, std::nullopt},                       // song select
        {{0xFF}, std::nullopt},                          // reset
        {kMarker, kMarkerMessage},
    };
    std::vector<MidiInMessage> expected;
    for (const auto &[bytes, message] : cases) {
        sender.Send(bytes);
        if (message)
            expected.push_back(*message);
    }
    // Order is kept along one port, so the marker comes last and anything that should not have
    // been delivered would be seen before it.
    ASSERT_TRUE(WaitFor([&] { return !log.received.empty() && log.received.back() == kMarkerMessage; }))
        << ::testing::PrintToString(log.received);
    EXPECT_EQ(log.received, expected);
    EXPECT_EQ(log.offMainThread, 0);

    // A waiting learn receiver takes every message on the service's thread, and nothing is posted.
    log.received.clear();
    LearnReceiver learner;
    korvane::BeginMidiLearn(&learner);
    sender.Send({0x92, 64, 0});
    sender.Send({0xC2, 9});
    // The main thread keeps running its events meanwhile, so anything posted would show.
    const bool learnt = WaitFor([&] { return learner.Count() == 2; });
    korvane::EndMidiLearn();
    ASSERT_TRUE(learnt);
    EXPECT_EQ(learner.received, (std::vector<MidiInMessage>{{64, 2, 9, 0}, {0, 2, 12, 9}}));

    // Once learning ends, messages go to the main thread again and no longer to the receiver.
    sender.Send(kMarker);
    ASSERT_TRUE(log.WaitForCount(1));
    EXPECT_EQ(log.received, std::vector<MidiInMessage>{kMarkerMessage});
    EXPECT_EQ(learner.Count(), 2u);
}

TEST_F(MidiInTest, EveryPortAndTheVirtualPortAreOpened)
{
    Sender surface("surface");
    Sender keyboard("keyboard");
    MainThreadLog log;
    const std::vector<std::string> names = midi::MidiInPortNames(RtMidi::UNIX_JACK);
    const auto devices = midi::OpenEveryMidiInPort(RtMidi::UNIX_JACK, &korvane::HandleMidiShortMessage);
    ASSERT_EQ(devices.size(), names.size() + 1);
    for (std::size_t port = 0; port < names.size(); ++port) {
        EXPECT_TRUE(devices[port]->IsOpen());
        EXPECT_EQ(devices[port]->DeviceName(), names[port]);
    }
    EXPECT_TRUE(devices.back()->IsOpen());
    EXPECT_EQ(devices.back()->DeviceName(), "Korvane");

    // Another program finds our port among its outputs and plays into it.
    RtMidiOut player(RtMidi::UNIX_JACK, "player");
    const int ours = OurPort(player);
    ASSERT_GE(ours, 0);
    player.openPort(static_cast<unsigned>(ours));
    ASSERT_TRUE(Settle([&](const Bytes &bytes) { player.sendMessage(&bytes); }, log));
    ASSERT_TRUE(Settle([&](const Bytes &bytes) { surface.Send(bytes); }, log));
    ASSERT_TRUE(Settle([&](const Bytes &bytes) { keyboard.Send(bytes); }, log));
    const Bytes fromPlayer = {0xB1, 20, 21};
    player.sendMessage(&fromPlayer);
    ASSERT_TRUE(log.WaitForCount(1));
    surface.Send({0x90, 1, 2});
    ASSERT_TRUE(log.WaitForCount(2));
    keyboard.Send({0x91, 3, 4});
    ASSERT_TRUE(log.WaitForCount(3));
    EXPECT_EQ(log.received, (std::vector<MidiInMessage>{{20, 1, 11, 21}, {1, 0, 9, 2}, {3, 1, 9, 4}}));
}

TEST_F(MidiInTest, ClosingStopsDeliveryAndIsHarmlessTwice)
{
    {
        // A device that never opened a port goes away quietly.
        CMIDIInDevice unopened(RtMidi::UNIX_JACK);
        unopened.Close();
        EXPECT_FALSE(unopened.IsOpen());
        EXPECT_EQ(unopened.DeviceName(), "");
    }
    Sender sender("surface");
    const auto port = static_cast<unsigned>(PortNumber(sender.portName));
    MainThreadLog log;
    CMIDIInDevice closing(RtMidi::UNIX_JACK);
    CMIDIInDevice staying(RtMidi::UNIX_JACK);
    for (CMIDIInDevice *device : {&closing, &staying}) {
        device->SetShortMessageHandler(&korvane::HandleMidiShortMessage);
        device->Open(port);
    }
    ASSERT_TRUE(Settle([&](const Bytes &bytes) { sender.Send(bytes); }, log, 2));
    sender.Send({0x90, 10, 1});
    ASSERT_TRUE(log.WaitForCount(2));

    closing.Close();
    closing.Close();
    EXPECT_FALSE(closing.IsOpen());
    sender.Send({0x90, 11, 1});
    sender.Send(kMarker);
    ASSERT_TRUE(WaitFor([&] { return log.received.back() == kMarkerMessage; }));
    EXPECT_EQ(log.received.size(), 4u);

    // Reopened, it records again: what is sent comes through both devices. A port number that
    // does not exist leaves it closed.
    closing.Open(port);
    EXPECT_TRUE(closing.IsOpen());
    EXPECT_TRUE(Settle([&](const Bytes &bytes) { sender.Send(bytes); }, log, 2));
    closing.Open(999);
    EXPECT_FALSE(closing.IsOpen());
    EXPECT_EQ(closing.DeviceName(), "");
}

TEST_F(MidiInTest, NoServiceIsNoDeviceAndNoError)
{
    EXPECT_EQ(midi::SelectMidiApi({RtMidi::UNIX_JACK}), RtMidi::UNIX_JACK);
    const AbsentService absent;
    EXPECT_EQ(midi::SelectMidiApi({RtMidi::UNIX_JACK}), std::nullopt);
    try {
        midi::MidiInPortNames(RtMidi::UNIX_JACK);
        ADD_FAILURE() << "listing the ports of a missing server succeeded";
    } catch (const midi::CMIDIInException &error) {
        EXPECT_NE(std::string(error.what()).find("JACK"), std::string::npos) << error.what();
    }
}

#ifdef KORVANE_CLI
using korvane::test::CliRun;
using korvane::test::RunCli;

namespace {

// What the monitor said on stderr; a monitor the service dropped ends the run as our own
// clients do.
std::string MonitorErrors(QProcess &monitor)
{
    const QByteArray errors = monitor.readAllStandardError();
    if (errors.contains(kServiceGaveUpText))
        OnJackError(errors.constData());
    return errors.toStdString();
}

// Runs "midi-monitor --count 1". Once its own port is there (every port present at its start
// is open by then), `connect` is given the port's number, and `send` is called every 50 ms
// until the monitor ends: what goes over a connection just made can be lost inside the service,
// and the count makes the one line printed the first message that came through. On a busy
// machine a monitor that hears nothing at all for seconds is seen now and then; it is started
// once more before that counts as a failure.
CliRun MonitorOneMessage(RtMidiOut &player, const std::function<void(unsigned)> &connect,
                         const std::function<void()> &send)
{
    bool finished = false;
    QProcess monitor;
    for (int attempt = 0; attempt < 2 && !finished; ++attempt) {
        // The port of a monitor that has just ended goes a little later.
        EXPECT_TRUE(WaitFor([&] { return OurPort(player) < 0; })) << "an ended monitor's port stays";
        monitor.start(QStringLiteral(KORVANE_CLI), {"midi-monitor", "--api", "jack", "--count", "1"});
        int ours = -1;
        finished = WaitFor([&] { return (ours = OurPort(player)) >= 0; });
        if (finished) {
            connect(static_cast<unsigned>(ours));
            QElapsedTimer sinceSent;
            finished = WaitFor([&] {
                if (!sinceSent.isValid() || sinceSent.elapsed() >= 50) {
                    send();
                    sinceSent.start();
                }
                return monitor.state() == QProcess::NotRunning;
            });
        }
        if (!finished) {
            monitor.kill();
            monitor.waitForFinished();
        }
    }
    const std::string errors = MonitorErrors(monitor);
    EXPECT_TRUE(finished) << errors;
    return {monitor.exitCode(), QString::fromUtf8(monitor.readAllStandardOutput()), QString::fromStdString(errors)};
}

} // namespace

TEST_F(MidiInTest, CliListsPortsAndPrintsWhatArrives)
{
    Sender surface("surface");
    RtMidiOut player(RtMidi::UNIX_JACK, "player");
    QString expectedList;
    const std::vector<std::string> names = midi::MidiInPortNames(RtMidi::UNIX_JACK);
    for (std::size_t port = 0; port < names.size(); ++port)
        expectedList += QStringLiteral("%1: %2\n").arg(port).arg(QString::fromStdString(names[port]));
    const CliRun ports = RunCli({"midi-ports", "--api", "jack"});
    EXPECT_EQ(ports.exitCode, 0);
    EXPECT_EQ(ports.out, expectedList);

    // A surface present at the monitor's start is heard; its system messages never are.
    const CliRun fromSurface = MonitorOneMessage(player, [](unsigned) {}, [&] {
        surface.Send({0xF8});
        surface.Send({0x9F, 60, 0});
    });
    EXPECT_EQ(fromSurface.exitCode, 0);
    EXPECT_EQ(fromSurface.out, QStringLiteral("command=60 channel=15 type=9 value=0\n"));
    // So is a program that plays into the monitor's own port.
    const CliRun fromPlayer = MonitorOneMessage(
        player,
        [&](unsigned port) {
            player.closePort();
            player.openPort(port);
        },
        [&] {
            for (const Bytes &bytes : {Bytes{0xFE}, Bytes{0xE0, 0x11, 0x7F}})
                player.sendMessage(&bytes);
        });
    EXPECT_EQ(fromPlayer.exitCode, 0);
    EXPECT_EQ(fromPlayer.out, QStringLiteral("command=0 channel=0 type=14 value=127\n"));

    const CliRun quiet = RunCli({"midi-monitor", "--api", "jack", "--seconds", "0.2"});
    EXPECT_EQ(quiet.exitCode, 0);
    EXPECT_EQ(quiet.out, QString());

    // Without a service there is nothing to list or hear, and that is not a failure.
    {
        const AbsentService absent;
        for (const QStringList &arguments : {QStringList{"midi-ports", "--api", "jack"},
                                             QStringList{"midi-monitor", "--midi-api", "jack"}}) {
            const CliRun none = RunCli(arguments);
            EXPECT_EQ(none.exitCode, 0);
            EXPECT_EQ(none.out, QStringLiteral("no MIDI service\n"));
        }
    }

    for (const QStringList &arguments : {QStringList{"midi-ports", "--api", "oss"},
                                         QStringList{"midi-monitor", "--count", "0"},
                                         QStringList{"midi-monitor", "--seconds", "soon"}})
        EXPECT_EQ(RunCli(arguments).exitCode, 2) << arguments.join(' ').toStdString();
}
#endif

#if defined(__SANITIZE_THREAD__)
// libjack's lock-free ring buffer (it carries the test senders' bytes from RtMidiOut to the JACK
// thread) orders its reads and writes with memory barriers the thread checker does not follow.
// Korvane's own code shares nothing through it.
extern "C" const char *__tsan_default_suppressions()
{
    return "race:jack_ringbuffer_read\n"
           "race:jack_ringbuffer_peek\n";
}
#endif

int main(int argc, char **argv)
{
    // Each run in a process of its own, so that one the service ends can be run again.
    constexpr int kRuns = 3;
    for (int run = 1;; ++run) {
        std::fflush(nullptr);
        const pid_t child = fork();
        if (child == 0) {
            jack_set_error_function(OnJackError);
            QCoreApplication app(argc, argv);
            ::testing::InitGoogleTest(&argc, argv);
            return RUN_ALL_TESTS();
        }
        int status = 0;
        if (child < 0 || waitpid(child, &status, 0) != child)
            return 1;
        if (WIFEXITED(status) && WEXITSTATUS(status) == kServiceGaveUp && run < kRuns) {
            std::fprintf(stderr, "JACK dropped a client of run %d of %d; running again\n", run, kRuns);
            continue;
        }
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
}
