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

// Reads a whole file. False when it cannot be opened or read (missing, a folder, no permission,
// an input/output error); `content` is then empty and `error` holds failureText(path, errno).
// Never throws.
[[nodiscard]] bool readFile(const std::string& path, std::string& content, std::string& error);
[[nodiscard]] bool readFile(const std::string& path, std::string& content);

// Reads a file as lines, as readFile.
[[nodiscard]] bool readLines(const std::string& path, std::vector<std::string>& lines, std::string& error);
[[nodiscard]] bool readLines(const std::string& path, std::vector<std::string>& lines);

// The path and the system's reason for `errorNumber`: "/data/a.rxd: Permission denied". Error
// texts shown to the user put this after the language text and " - ".
std::string failureText(const std::string& path, int errorNumber);

bool fileExists(const std::string& path);

// As fileExists, for a check that is reported: false with failureText(path, reason), the reason
// being the system's when the path cannot be looked up, "Is a directory" for a folder, and
// "not a regular file" for anything else that is not a plain file.
[[nodiscard]] bool fileExists(const std::string& path, std::string& error);
bool directoryExists(const std::string& path);

// The part after the last '/'.
std::string baseName(const std::string& path);

// Joins a folder and a name with one '/'.
std::string joinPath(const std::string& folder, const std::string& name);

} // namespace vorbix::text
