#pragma once

#include <chrono>
#include <cstdio>
#include <string>

namespace vorbix::rxsim {

// The simulator's log: one line per record and per event, with the seconds since start, to
// stderr or appended to a file. The log is a stream the simulator writes as it goes, not a file
// it saves.
class SimLog
{
public:
    SimLog() = default;
    ~SimLog();
    SimLog(const SimLog&) = delete;
    SimLog& operator=(const SimLog&) = delete;

    // Empty path: stderr.
    [[nodiscard]] bool open(const std::string& path, std::string& error);
    void write(const std::string& line);

private:
    std::FILE* m_file = nullptr;
    bool m_owned = false;
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
};

} // namespace vorbix::rxsim
