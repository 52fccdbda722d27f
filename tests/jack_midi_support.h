// What the tests through a real MIDI service share: a JACK server per suite, senders, the
// messages that reach the main thread, and a run started again when JACK drops a client.
#pragma once

#include <gtest/gtest.h>
#include <jack/jack.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>

#include "midi/midi_handler.h"
#include "jack_test_server.h"

namespace korvane::test {

using Bytes = std::vector<unsigned char>;

// JACK 1 ends the process of a client whose period races with a change of the graph (a port
// registered or connected meanwhile), saying "graph error - exiting from JACK"; a loaded machine
// or a checked build makes that likelier. The run then ends with kServiceGaveUp, and RunJackTests runs it again.
inline constexpr int kServiceGaveUp = 75;
inline constexpr const char *kServiceGaveUpText = "exiting from JACK";

inline void OnJackError(const char *text)
{
    std::fprintf(stderr, "%s\n", text);
    if (std::strstr(text, kServiceGaveUpText) != nullptr) {
        std::fflush(nullptr);
        _exit(kServiceGaveUp);
    }
}

inline bool WaitFor(const std::function<bool()> &done)
{
    QElapsedTimer waited;
    for (waited.start(); !done(); QThread::msleep(1)) {
        if (waited.elapsed() > 5000)
            return false;
        QCoreApplication::processEvents();
    }
    return true;
}

// Another program's output port "CLIENT:out", as a MIDI surface or a sequencer offers it.
struct Sender
{
    explicit Sender(const char *client) : out(RtMidi::UNIX_JACK, client) { out.openVirtualPort("out"); }
    void Send(const Bytes &bytes) { out.sendMessage(&bytes); }
    RtMidiOut out;
};

// Everything that reaches the main thread, and on which thread it arrived.
struct MainThreadLog
{
    std::vector<MidiInMessage> received;
    int offMainThread = 0;
    CMidiInDispatcher dispatcher{[this](const MidiInMessage &message) {
        received.push_back(message);
        offMainThread += QThread::currentThread() != QCoreApplication::instance()->thread();
    }};
};

// What a client sends in its first periods, or over a connection just made, can be lost inside
// the service. Probes sent until one comes through every one of `paths` put a test past that;
// the log then starts empty.
inline bool Settle(const std::function<void(const Bytes &)> &send, MainThreadLog &log, long paths = 1)
{
    constexpr unsigned char kProbe = 118;
    constexpr unsigned char kLastProbe = 127;
    const auto arrivals = [&](unsigned char round) {
        return std::count(log.received.begin(), log.received.end(), MidiInMessage{kProbe, 0, 11, round});
    };
    unsigned char round = 0;
    QElapsedTimer sinceProbe;
    bool settled = WaitFor([&] {
        for (unsigned char sent = 0; sent < round; ++sent)
            if (arrivals(sent) >= paths)
                return true;
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

// A suite with a JACK server of its own, skipped where JACK is not installed.
class JackMidiTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        if (!test::JackTestServer::Executable().isEmpty())
            s_serverError = s_server.emplace().Start();
    }
    static void TearDownTestSuite() { s_server.reset(); }
    void SetUp() override
    {
        if (!s_server)
            GTEST_SKIP() << "jackd is not installed";
        ASSERT_TRUE(s_serverError.isEmpty()) << s_serverError.toStdString();
    }

    static inline std::optional<test::JackTestServer> s_server;
    static inline QString s_serverError;
};

// Runs the tests under an App, each run in a process of its own so that one JACK ended runs again.
template <typename App>
int RunJackTests(int argc, char **argv)
{
    constexpr int kRuns = 3;
    for (int run = 1;; ++run) {
        std::fflush(nullptr);
        const pid_t child = fork();
        if (child == 0) {
            jack_set_error_function(OnJackError);
            App app(argc, argv);
            ::testing::InitGoogleTest(&argc, argv);
            return RUN_ALL_TESTS();
        }
        int status = 0;
        if (child < 0 || waitpid(child, &status, 0) != child)
            return 1;
        if (!WIFEXITED(status) || WEXITSTATUS(status) != kServiceGaveUp || run == kRuns)
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        std::fprintf(stderr, "JACK dropped a client of run %d of %d; running again\n", run, kRuns);
    }
}

} // namespace korvane::test
