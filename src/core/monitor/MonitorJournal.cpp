#include "core/monitor/MonitorJournal.h"

#include "core/text/Cp1250.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorbix::monitor {

std::string isoLocalTime(std::time_t when)
{
    std::tm parts{};
    ::localtime_r(&when, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &parts);
    return text;
}

std::string csvField(const std::string& utf8)
{
    if (utf8.find_first_of(",\"\r\n") == std::string::npos) {
        return utf8;
    }
    std::string quoted = "\"";
    for (const char c : utf8) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

std::string journalLine(const Change& change, const std::string& user)
{
    const std::time_t when = std::chrono::system_clock::to_time_t(change.time);
    return isoLocalTime(when) + "," + changeKindName(change.kind) + "," + std::to_string(change.number) + "," +
           csvField(cp1250::toUtf8(change.text)) + "," + csvField(cp1250::toUtf8(change.txCode)) + "," +
           csvField(cp1250::toUtf8(change.buttonCode)) + "," + csvField(cp1250::toUtf8(user));
}

MonitorJournal::MonitorJournal(std::string path, ErrorSink onError)
    : m_path(std::move(path)), m_onError(std::move(onError))
{
}

bool MonitorJournal::append(const Change& change, const std::string& user)
{
    std::string error;
    const int fd = ::open(m_path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    bool ok = fd >= 0;
    if (ok) {
        struct stat info
        {
        };
        std::string lines;
        if (::fstat(fd, &info) == 0 && info.st_size == 0) {
            lines = std::string(kHeader) + "\r\n";
        }
        lines += journalLine(change, user) + "\r\n";
        // One write, so that a line never mixes with another writer's.
        const ssize_t written = ::write(fd, lines.data(), lines.size());
        ok = written == static_cast<ssize_t>(lines.size());
        if (!ok) {
            error = written < 0 ? std::strerror(errno) : "short write";
        }
        if (::close(fd) != 0 && ok) {
            ok = false;
            error = std::strerror(errno);
        }
    } else {
        error = std::strerror(errno);
    }
    if (!ok && !m_reported) {
        m_reported = true;
        if (m_onError) {
            m_onError("Cannot write the alarm journal " + m_path + ": " + error);
        }
    }
    return ok;
}

} // namespace vorbix::monitor
