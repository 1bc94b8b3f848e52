#include "core/text/TextFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
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
    // Without O_NONBLOCK a named pipe would block the open until some writer came.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        error = failureText(path, errno);
        return false;
    }
    struct stat st
    {
    };
    if (::fstat(fd, &st) != 0) {
        error = failureText(path, errno);
        ::close(fd);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        error = notRegularText(path, st.st_mode);
        ::close(fd);
        return false;
    }
    if (static_cast<std::uintmax_t>(st.st_size) > kMaxFileSize) {
        error = tooLargeText(path);
        ::close(fd);
        return false;
    }
    content.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    // The size can be wrong (a file that grows while read, a /proc file that reports 0): the read
    // stops one byte past the limit whatever the size said.
    while (content.size() <= kMaxFileSize) {
        const std::size_t want = std::min(sizeof buffer, kMaxFileSize + 1 - content.size());
        const ssize_t n = ::read(fd, buffer, want);
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
    if (content.size() > kMaxFileSize) {
        content.clear();
        content.shrink_to_fit();
        error = tooLargeText(path);
        return false;
    }
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

std::string notRegularText(const std::string& path, unsigned fileMode)
{
    const auto mode = static_cast<mode_t>(fileMode);
    if (S_ISDIR(mode)) {
        return failureText(path, EISDIR);
    }
    const char* what = S_ISFIFO(mode)                   ? " (a named pipe)"
                       : S_ISCHR(mode) || S_ISBLK(mode) ? " (a device)"
                       : S_ISSOCK(mode)                 ? " (a socket)"
                       : S_ISLNK(mode)                  ? " (a symbolic link)"
                                                        : "";
    return path + ": not a regular file" + what;
}

std::string tooLargeText(const std::string& path)
{
    return path + ": larger than " + std::to_string(kMaxFileSize / (1024 * 1024)) +
           " MiB, more than any file of the program holds";
}

bool isMissing(const std::string& path)
{
    struct stat st
    {
    };
    return ::stat(path.c_str(), &st) != 0 && (errno == ENOENT || errno == ENOTDIR);
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
    if (!S_ISREG(st.st_mode)) {
        error = notRegularText(path, st.st_mode);
        return false;
    }
    if (static_cast<std::uintmax_t>(st.st_size) > kMaxFileSize) {
        error = tooLargeText(path);
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
