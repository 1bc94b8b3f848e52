#pragma once

#include <string>
#include <string_view>
#include <vector>

// The program's text files: 8-bit lines ended by CR LF (LF alone is accepted when reading).
namespace vorbix::text {

// Splits file content into lines. A final line end does not start another line, so "a\r\nb"
// and "a\r\nb\r\n" both give {"a", "b"}, while "a\r\n\r\n" gives {"a", ""}.
std::vector<std::string> splitLines(std::string_view content);

// Joins lines, each followed by CR LF.
std::string joinLinesCrLf(const std::vector<std::string>& lines);

// Reads a whole file. False when it cannot be opened or read; `content` is then empty.
[[nodiscard]] bool readFile(const std::string& path, std::string& content);

// Reads a file as lines. False when it cannot be opened or read.
[[nodiscard]] bool readLines(const std::string& path, std::vector<std::string>& lines);

bool fileExists(const std::string& path);
bool directoryExists(const std::string& path);

// The part after the last '/'.
std::string baseName(const std::string& path);

// Joins a folder and a name with one '/'.
std::string joinPath(const std::string& folder, const std::string& name);

} // namespace vorbix::text
