#pragma once

// Resident memory of this process in KiB, -1 where /proc cannot tell.

#include <fstream>
#include <string>

namespace bench {

inline long residentKib()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

}  // namespace bench
