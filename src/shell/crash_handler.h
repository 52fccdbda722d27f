// Crash reports: a short text file in the application folder's crash dump folder for each
// fatal signal, written from the signal handler itself.
#pragma once

#include <QString>

namespace korvane {

// What every report names.
inline constexpr char kCrashProduct[] = "Korvane";
inline constexpr char kCrashSoftware[] = "KorvaneORRIN2";
inline constexpr char kCrashVersion[] = "Oct 26 2022";
inline constexpr char kCrashBuild[] = "22.1026.9634.1069";

// Catches SIGSEGV, SIGABRT, SIGFPE, SIGILL and SIGBUS. On one of them the handler writes
// "korvane-crash-<time>-<pid>.txt" into `<appFolder>/crashes/Lumbrel/` (created here when
// missing) with the product, version, build, signal and a backtrace of the crashing thread,
// then lets the signal end the process with its default action (a core dump where enabled).
// Everything the handler needs is prepared here; the handler itself only makes
// async-signal-safe calls. The calling thread (the main thread) gets an alternate signal stack
// unless it has one, so that a stack overflow is reported too. Function names appear in the backtrace when the executable exports
// its symbols (ENABLE_EXPORTS). Returns false when a handler could not be installed.
bool InstallCrashHandler(const QString &appFolder);

} // namespace korvane
