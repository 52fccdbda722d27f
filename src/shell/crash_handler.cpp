// The fatal-signal handler and the state it reads, all prepared before a crash can happen.
#include "shell/crash_handler.h"

#include "core/folders.h"

#include <QByteArray>
#include <QDir>

#ifdef Q_OS_UNIX
#include <array>
#include <csignal>
#include <cstddef>
#include <cstring>
#include <ctime>
#include <utility>

#include <execinfo.h>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace korvane {

#ifdef Q_OS_UNIX
namespace {

struct CaughtSignal
{
    int number;
    const char *name;
};
constexpr std::array<CaughtSignal, 5> kCaughtSignals{{
    {SIGSEGV, "SIGSEGV"},
    {SIGABRT, "SIGABRT"},
    {SIGFPE, "SIGFPE"},
    {SIGILL, "SIGILL"},
    {SIGBUS, "SIGBUS"},
}};

constexpr char kReportPrefix[] = "/korvane-crash-";
constexpr char kReportSuffix[] = ".txt";
constexpr int kMaxFrames = 64;
constexpr std::size_t kPathCapacity = 4096;
constexpr std::size_t kHeaderCapacity = 512;
constexpr std::size_t kNumberCapacity = 24;
constexpr std::size_t kAltStackSize = 64 * 1024;
constexpr mode_t kReportMode = 0644;

// Filled by InstallCrashHandler, only read by the handler.
char g_reportPathPrefix[kPathCapacity];
char g_header[kHeaderCapacity];
alignas(16) char g_altStack[kAltStackSize];
volatile sig_atomic_t g_handling = 0;

// Appends `text` to `buffer` (NUL-terminated), cutting it to fit.
void Append(char *buffer, std::size_t capacity, const char *text)
{
    std::size_t used = std::strlen(buffer);
    while (*text != '\0' && used + 1 < capacity)
        buffer[used++] = *text++;
    buffer[used] = '\0';
}

// The number in decimal or hexadecimal, without allocating.
void FormatNumber(char (&out)[kNumberCapacity], unsigned long long value, unsigned base)
{
    char reversed[kNumberCapacity];
    std::size_t count = 0;
    do {
        const unsigned digit = static_cast<unsigned>(value % base);
        reversed[count++] = static_cast<char>(digit < 10 ? '0' + digit : 'a' + digit - 10);
        value /= base;
    } while (value != 0 && count < kNumberCapacity - 1);
    for (std::size_t i = 0; i < count; ++i)
        out[i] = reversed[count - 1 - i];
    out[count] = '\0';
}

void WriteText(int fd, const char *text)
{
    std::size_t left = std::strlen(text);
    while (left > 0) {
        const ssize_t written = write(fd, text, left);
        if (written <= 0)
            return;
        text += written;
        left -= static_cast<std::size_t>(written);
    }
}

void WriteNumber(int fd, unsigned long long value, unsigned base = 10)
{
    char digits[kNumberCapacity];
    FormatNumber(digits, value, base);
    WriteText(fd, digits);
}

const char *SignalName(int number)
{
    for (const CaughtSignal &caught : kCaughtSignals) {
        if (caught.number == number)
            return caught.name;
    }
    return "?";
}

void WriteReport(int fd, int number, const siginfo_t *info)
{
    WriteText(fd, g_header);
    WriteText(fd, "signal: ");
    WriteNumber(fd, static_cast<unsigned long long>(number));
    WriteText(fd, " (");
    WriteText(fd, SignalName(number));
    WriteText(fd, ")\n");
    // A positive code means the kernel raised it for a fault at that address.
    if (info != nullptr && info->si_code > 0) {
        WriteText(fd, "address: 0x");
        WriteNumber(fd, reinterpret_cast<unsigned long long>(info->si_addr), 16);
        WriteText(fd, "\n");
    }
    WriteText(fd, "pid: ");
    WriteNumber(fd, static_cast<unsigned long long>(getpid()));
    WriteText(fd, "\ntime: ");
    WriteNumber(fd, static_cast<unsigned long long>(time(nullptr)));
    WriteText(fd, "\nbacktrace:\n");
    void *frames[kMaxFrames];
    const int count = backtrace(frames, kMaxFrames);
    backtrace_symbols_fd(frames, count, fd);
}

void DieOf(int number)
{
    signal(number, SIG_DFL);
    sigset_t unblock;
    sigemptyset(&unblock);
    sigaddset(&unblock, number);
    sigprocmask(SIG_UNBLOCK, &unblock, nullptr);
    raise(number);
    // A fault raised by an instruction comes back when the handler returns, now fatal.
}

void OnFatalSignal(int number, siginfo_t *info, void *)
{
    if (g_handling != 0) {
        DieOf(number); // a second thread, or a fault inside the report
        return;
    }
    g_handling = 1;

    char path[kPathCapacity] = {};
    Append(path, sizeof path, g_reportPathPrefix);
    char digits[kNumberCapacity];
    FormatNumber(digits, static_cast<unsigned long long>(time(nullptr)), 10);
    Append(path, sizeof path, digits);
    Append(path, sizeof path, "-");
    FormatNumber(digits, static_cast<unsigned long long>(getpid()), 10);
    Append(path, sizeof path, digits);
    Append(path, sizeof path, kReportSuffix);

    const int fd = open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, kReportMode);
    if (fd >= 0) {
        WriteReport(fd, number, info);
        close(fd);
        WriteText(STDERR_FILENO, "korvane: crashed; report written to ");
        WriteText(STDERR_FILENO, path);
        WriteText(STDERR_FILENO, "\n");
    }
    DieOf(number);
}

void PrepareHeader()
{
    g_header[0] = '\0';
    const std::pair<const char *, const char *> fields[] = {
        {"product: ", kCrashProduct},
        {"software: ", kCrashSoftware},
        {"version: ", kCrashVersion},
        {"build: ", kCrashBuild},
    };
    Append(g_header, sizeof g_header, "Korvane crash report\n");
    for (const auto &[key, value] : fields) {
        Append(g_header, sizeof g_header, key);
        Append(g_header, sizeof g_header, value);
        Append(g_header, sizeof g_header, "\n");
    }
}

} // namespace

bool InstallCrashHandler(const QString &appFolder)
{
    const QString folder = CAppFolders(appFolder).CrashDumpFolder();
    QDir().mkpath(folder);
    const QByteArray prefix = QDir::toNativeSeparators(folder).toLocal8Bit() + kReportPrefix;
    g_reportPathPrefix[0] = '\0';
    Append(g_reportPathPrefix, sizeof g_reportPathPrefix, prefix.constData());
    PrepareHeader();

    // The first call may load the unwinder, which must not happen inside the handler.
    void *frames[1];
    backtrace(frames, 1);

    // An alternate stack already set (a sanitizer's) is kept: its owner frees it later.
    stack_t current{};
    if (sigaltstack(nullptr, &current) == 0 && (current.ss_flags & SS_DISABLE) != 0) {
        stack_t altStack{};
        altStack.ss_sp = g_altStack;
        altStack.ss_size = sizeof g_altStack;
        sigaltstack(&altStack, nullptr);
    }

    struct sigaction action{};
    action.sa_sigaction = OnFatalSignal;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    bool installed = true;
    for (const CaughtSignal &caught : kCaughtSignals)
        installed = sigaction(caught.number, &action, nullptr) == 0 && installed;
    return installed;
}

#else

// Elsewhere the folder is made, and the system's own crash handling is left in place.
bool InstallCrashHandler(const QString &appFolder)
{
    QDir().mkpath(CAppFolders(appFolder).CrashDumpFolder());
    return false;
}

#endif

} // namespace korvane
