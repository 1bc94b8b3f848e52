#include "tools/rxsim/SimLog.h"

#include <cerrno>
#include <cstring>

namespace vorbix::rxsim {

SimLog::~SimLog()
{
    if (m_owned && m_file != nullptr) {
        std::fclose(m_file);
    }
}

bool SimLog::open(const std::string& path, std::string& error)
{
    if (path.empty()) {
        m_file = stderr;
        return true;
    }
    m_file = std::fopen(path.c_str(), "a");
    if (m_file == nullptr) {
        error = "cannot open the log " + path + ": " + std::strerror(errno);
        return false;
    }
    m_owned = true;
    return true;
}

void SimLog::write(const std::string& line)
{
    if (m_file == nullptr) {
        return;
    }
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - m_start).count();
    std::fprintf(m_file, "[%lld.%03lld] %s\n", static_cast<long long>(elapsed / 1000),
                 static_cast<long long>(elapsed % 1000), line.c_str());
    std::fflush(m_file);
}

} // namespace vorbix::rxsim
