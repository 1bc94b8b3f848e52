#include "core/text/TextFile.h"

#include <fstream>
#include <iterator>
#include <sys/stat.h>

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

bool readFile(const std::string& path, std::string& content)
{
    content.clear();
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) {
        content.clear();
        return false;
    }
    return true;
}

bool readLines(const std::string& path, std::vector<std::string>& lines)
{
    std::string content;
    if (!readFile(path, content)) {
        lines.clear();
        return false;
    }
    lines = splitLines(content);
    return true;
}

bool fileExists(const std::string& path)
{
    struct stat st
    {
    };
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
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
