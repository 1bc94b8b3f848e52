#include "core/text/TextFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorbix::text {

std::vector<std::string> splitLines(std::string_view content)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        const bool lastLine = end == std::string_view::npos;
        if (lastLine) {
            end = content.size();
        }
        std::string_view line = content.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

std::string joinLinesCrLf(const std::vector<std::string>& lines)
{
    std::string out;
    for (const auto& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

bool readFile(const std::string& path, std::string& content, std::string& error)
{
    content.clear();
    error.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = failureText(path, errno);
        return false;
    }
    struct stat st
    {
    };
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        const int reason = S_ISDIR(st.st_mode) ? EISDIR : errno;
        ::close(fd);
        error = failureText(path, reason);
        return false;
    }
    if (S_ISREG(st.st_mode) && st.st_size > 0) {
        content.reserve(static_cast<std::size_t>(st.st_size));
    }
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0) {
            break;
        }
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            error = failureText(path, errno);
            content.clear();
            ::close(fd);
            return false;
        }
        content.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return true;
}

bool readFile(const std::string& path, std::string& content)
{
    std::string error;
    return readFile(path, content, error);
}

bool readLines(const std::string& path, std::vector<std::string>& lines, std::string& error)
{
    std::string content;
    if (!readFile(path, content, error)) {
        lines.clear();
        return false;
    }
    lines = splitLines(content);
    return true;
}

bool readLines(const std::string& path, std::vector<std::string>& lines)
{
    std::string error;
    return readLines(path, lines, error);
}

std::string failureText(const std::string& path, int errorNumber)
{
    return path + ": " + std::strerror(errorNumber);
}

bool fileExists(const std::string& path)
{
    struct stat st
    {
    };
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool fileExists(const std::string& path, std::string& error)
{
    error.clear();
    struct stat st
    {
    };
    if (::stat(path.c_str(), &st) != 0) {
        error = failureText(path, errno);
        return false;
    }
    if (S_ISDIR(st.st_mode)) {
        error = failureText(path, EISDIR);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        error = path + ": not a regular file";
        return false;
    }
    return true;
}

bool directoryExists(const std::string& path)
{
    struct stat st
    {
    };
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string baseName(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string joinPath(const std::string& folder, const std::string& name)
{
    if (folder.empty()) {
        return name;
    }
    if (folder.back() == '/') {
        return folder + name;
    }
    return folder + "/" + name;
}

} // namespace vorbix::text
