// The resident memory of the benchmark process, read from /proc.
#pragma once

#include <fstream>
#include <string>

namespace korvane::bench {

// A field of /proc/self/status in KiB ("VmRSS" now, "VmHWM" the peak); -1 when absent.
inline long StatusKiB(const char *field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(status, line)) {
        if (line.rfind(key, 0) == 0)
            return std::stol(line.substr(key.size()));
    }
    return -1;
}

// Restarts the peak ("VmHWM") at the current size.
inline void RestartPeakMemory()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

} // namespace korvane::bench
