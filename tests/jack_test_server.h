// A JACK server of the test's own with the dummy driver: a real MIDI service that needs no
// sound card, under a name no other run uses.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QThread>

#include <csignal>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

#include "midi/midi_in_device.h"

namespace korvane::test {

class JackTestServer
{
public:
#if defined(__SANITIZE_THREAD__)
    // libjack prefaults 500,000 bytes of the stack of a client's real-time thread, more than the
    // thread checker leaves it; the clients of a server without real-time scheduling skip that.
    static constexpr bool kRealTime = false;
#else
    static constexpr bool kRealTime = true;
#endif
    // A long period (21 ms): clients sit idle most of the time, so a port registered or
    // connected by a test seldom lands in the middle of a period, the race that makes JACK 1
    // drop a client on a busy machine.
    static constexpr int kPeriodFrames = 1024;
    static constexpr int kSampleRate = 48000;
    static constexpr int kClientTimeoutMs = 5000;

    // The length of one period, which the MIDI benchmark measures latencies against.
    static constexpr double PeriodMilliseconds() { return 1000.0 * kPeriodFrames / kSampleRate; }

    ~JackTestServer() { Stop(); }

    static QString Executable() { return QStandardPaths::findExecutable(QStringLiteral("jackd")); }

    // Starts the server and makes it the default one of this process and of the programs it
    // starts. Returns what went wrong, or nothing.
    QString Start()
    {
        m_name = QStringLiteral("korvane-test-%1-%2")
                     .arg(QCoreApplication::applicationPid())
                     .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        qputenv("JACK_DEFAULT_SERVER", m_name.toUtf8());
        // A client that misses its deadline is thrown out for good; on a loaded machine, or in a
        // checked build, a late period is no fault of the code under test.
        QStringList arguments{Executable(), "--timeout", QString::number(kClientTimeoutMs)};
        if (!kRealTime)
            arguments << "--no-realtime";
        arguments << "-n" << m_name << "-d" << "dummy" << "-r" << QString::number(kSampleRate) << "-p"
                  << QString::number(kPeriodFrames);
        if (!m_log.open())
            return QStringLiteral("no file for the server's messages");
        // A plain fork, which the thread checker follows: QProcess starts children in a way it does
        // not, and its view of this process's main thread is wrong afterwards.
        std::vector<QByteArray> bytes;
        for (const QString &argument : arguments)
            bytes.push_back(QFile::encodeName(argument));
        std::vector<char *> argv;
        for (QByteArray &argument : bytes)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        const int logFile = m_log.handle();
        m_pid = fork();
        if (m_pid == 0) {
            // A test that crashes must not leave its server running.
            prctl(PR_SET_PDEATHSIG, SIGTERM);
            dup2(logFile, STDOUT_FILENO);
            dup2(logFile, STDERR_FILENO);
            execv(argv[0], argv.data());
            _exit(127);
        }
        if (m_pid < 0)
            return QStringLiteral("jackd did not start");
        QElapsedTimer waited;
        waited.start();
        while (!midi::SelectMidiApi({RtMidi::UNIX_JACK})) {
            if (waitpid(m_pid, nullptr, WNOHANG) != 0 || waited.elapsed() > 10000) {
                m_pid = -1;
                m_log.seek(0);
                return QStringLiteral("jackd is not answering: ") + QString::fromLocal8Bit(m_log.readAll());
            }
            QThread::msleep(20);
        }
        return {};
    }

    void Stop()
    {
        if (m_pid > 0 && kill(m_pid, SIGTERM) == 0)
            waitpid(m_pid, nullptr, 0);
        m_pid = -1;
    }

private:
    pid_t m_pid = -1;
    QString m_name;
    QTemporaryFile m_log;
};

} // namespace korvane::test
