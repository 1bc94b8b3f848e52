#pragma once

#include <cstddef>
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

// The largest file any reader takes: far above any file the program writes, and small enough that
// a link to an endless device or a huge stray file cannot exhaust the memory.
inline constexpr std::size_t kMaxFileSize = std::size_t{256} * 1024 * 1024;

// Reads a whole file. False when it cannot be opened or read (missing, no permission, an
// input/output error), when it is not a regular file (a folder, a named pipe, a device) or when it
// is larger than kMaxFileSize; `content` is then empty and `error` holds "PATH: REASON". The file
// is opened without waiting, so a named pipe with no writer is refused, not waited for. Links are
// followed. Never throws.
[[nodiscard]] bool readFile(const std::string& path, std::string& content, std::string& error);
[[nodiscard]] bool readFile(const std::string& path, std::string& content);

// Reads a file as lines, as readFile.
[[nodiscard]] bool readLines(const std::string& path, std::vector<std::string>& lines, std::string& error);
[[nodiscard]] bool readLines(const std::string& path, std::vector<std::string>& lines);

// The path and the system's reason for `errorNumber`: "/data/a.rxd: Permission denied". Error
// texts shown to the user put this after the language text and " - ".
std::string failureText(const std::string& path, int errorNumber);

// "PATH: REASON" for a file whose type (st_mode) is not a regular file: the system's text for a
// folder ("Is a directory"), else "not a regular file" with what it is, "(a named pipe)".
std::string notRegularText(const std::string& path, unsigned fileMode);

// "PATH: REASON" for a file larger than kMaxFileSize.
std::string tooLargeText(const std::string& path);

// True when nothing is found at the path (a link that leads nowhere counts as nothing): the one
// read failure that means "no file yet" rather than a fault to report.
bool isMissing(const std::string& path);

bool fileExists(const std::string& path);

// As fileExists, for a check that is reported: false with failureText(path, reason) when the path
// cannot be looked up, notRegularText for anything that is not a plain file, and tooLargeText for
// a file no reader would take.
[[nodiscard]] bool fileExists(const std::string& path, std::string& error);
bool directoryExists(const std::string& path);

// The part after the last '/'.
std::string baseName(const std::string& path);

// Joins a folder and a name with one '/'.
std::string joinPath(const std::string& folder, const std::string& name);

} // namespace vorbix::text
