#include "core/monitor/MonitorJournal.h"

#include "core/text/Cp1250.h"
#include "core/text/TextFile.h"

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

namespace {

// Opens the journal to append to it, creating it when missing. A link is not followed (it could
// lead to any file the user may write), a named pipe is not waited for, and only a regular file of
// the user's own is taken. Read access, where given, lets the last byte be checked.
int openJournal(const std::string& path, std::string& error)
{
    constexpr int kFlags = O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    int fd = ::open(path.c_str(), O_RDWR | kFlags, 0644);
    if (fd < 0 && errno == EACCES) {
        fd = ::open(path.c_str(), O_WRONLY | kFlags, 0644);
    }
    if (fd < 0) {
        error = errno == ELOOP ? path + ": a symbolic link, which the journal does not follow"
                               : text::failureText(path, errno);
        return -1;
    }
    struct stat info
    {
    };
    if (::fstat(fd, &info) != 0) {
        error = text::failureText(path, errno);
    } else if (!S_ISREG(info.st_mode)) {
        error = text::notRegularText(path, info.st_mode);
    } else if (info.st_uid != ::geteuid()) {
        error = path + ": belongs to another user";
    } else {
        return fd;
    }
    ::close(fd);
    return -1;
}

// True when the file's last byte is not a line feed: a line cut off by someone else, or a file
// edited by hand. A file that cannot be read is taken as ending well.
bool endsInsideALine(int fd, off_t size)
{
    char last = '\n';
    return size > 0 && ::pread(fd, &last, 1, size - 1) == 1 && last != '\n';
}

// Writes `text` with one write, so that a line never mixes with another writer's. When the write
// stops short (a full disk, a size limit) the file is cut back to the last whole line of it.
bool writeWholeLines(int fd, const std::string& text, std::string& reason)
{
    ssize_t written = -1;
    do {
        written = ::write(fd, text.data(), text.size());
    } while (written < 0 && errno == EINTR);
    if (written == static_cast<ssize_t>(text.size())) {
        return true;
    }
    if (written < 0) {
        reason = std::strerror(errno);
        return false;
    }
    // Appended bytes end at the file offset; the file is cut back to the last line end among them.
    const off_t end = ::lseek(fd, 0, SEEK_CUR);
    const std::size_t lastLineEnd = written > 0 ? text.rfind('\n', static_cast<std::size_t>(written) - 1) : 0;
    const off_t whole = written > 0 && lastLineEnd != std::string::npos ? static_cast<off_t>(lastLineEnd) + 1 : 0;
    if (end < 0 || ::ftruncate(fd, end - written + whole) != 0) {
        reason = "short write, and the part written could not be removed: " + std::string(std::strerror(errno));
        return false;
    }
    reason = "short write (only " + std::to_string(written) + " of " + std::to_string(text.size()) +
             " bytes), the part line removed";
    return false;
}

} // namespace

bool appendJournalLine(const std::string& path, const std::string& line, std::string& error)
{
    error.clear();
    const int fd = openJournal(path, error);
    if (fd < 0) {
        return false;
    }
    struct stat info
    {
    };
    std::string text;
    if (::fstat(fd, &info) == 0 && info.st_size == 0) {
        text = std::string(MonitorJournal::kHeader) + "\r\n";
    } else if (endsInsideALine(fd, info.st_size)) {
        text = "\r\n";
    }
    text += line + "\r\n";
    std::string reason;
    bool ok = writeWholeLines(fd, text, reason);
    if (::close(fd) != 0 && ok) {
        ok = false;
        reason = std::strerror(errno);
    }
    if (!ok) {
        error = path + ": " + reason;
    }
    return ok;
}

MonitorJournal::MonitorJournal(std::string path, ErrorSink onError)
    : m_path(std::move(path)), m_onError(std::move(onError))
{
}

bool MonitorJournal::append(const Change& change, const std::string& user)
{
    std::string error;
    const bool ok = appendJournalLine(m_path, journalLine(change, user), error);
    if (!ok && !m_reported) {
        m_reported = true;
        if (m_onError) {
            m_onError("Cannot write the alarm journal " + error);
        }
    }
    return ok;
}

} // namespace vorbix::monitor
