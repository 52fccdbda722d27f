// Installs the crash handler for the application folder given, then dies as asked:
// crash_helper APP_FOLDER raise SIGNAL_NUMBER | fault 0 | overflow 0
#include "shell/crash_handler.h"

#include <QString>

#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include <sys/resource.h>

volatile int g_survived = 0;

// Recurses until the stack runs out; the frames are kept by using each one after the call.
extern "C" [[gnu::noinline]] int KorvaneCrashHelperRecurse(int depth)
{
    constexpr int kFarBeyondAnyStack = 1 << 30;
    if (depth > kFarBeyondAnyStack)
        return 0;
    volatile char frame[1024];
    frame[0] = static_cast<char>(depth);
    return KorvaneCrashHelperRecurse(depth + 1) + frame[0];
}

// Exported by name (the executable exports its symbols), so that the backtrace can show it.
extern "C" [[gnu::noinline]] void KorvaneCrashHelperDie(const char *how, int number)
{
    if (std::strcmp(how, "fault") == 0) {
        // A store to an unmapped page; not null, so that checked builds let it through.
        const volatile std::uintptr_t unmapped = 16;
        *reinterpret_cast<volatile int *>(unmapped) = number;
    } else if (std::strcmp(how, "overflow") == 0) {
        g_survived = KorvaneCrashHelperRecurse(number);
    } else {
        std::raise(number);
    }
    g_survived = 1; // keeps this frame on the stack: no tail call
}

int main(int argc, char **argv)
{
    if (argc != 4)
        return 2;
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    if (!korvane::InstallCrashHandler(QString::fromLocal8Bit(argv[1])))
        return 3;
    KorvaneCrashHelperDie(argv[2], std::atoi(argv[3]));
    return 4; // not reached when the signal is fatal
}
