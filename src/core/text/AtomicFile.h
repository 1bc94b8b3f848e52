#pragma once

#include <string>
#include <string_view>

// Every file the program writes goes through here: the content is written whole to a temporary
// file in the target's folder, flushed to disk and renamed over the target, so a crash leaves
// either the old file or the new one, never half of either.
//
// Where the file system allows it the temporary file has no name until it is complete (O_TMPFILE);
// it is then named ".NAME.XXXXXX" beside the target and renamed over it. Elsewhere it is created
// under that name from the start (mkstemp). A process killed before its rename leaves that file
// behind; the next write of the same target removes it (a write in progress keeps a lock on its
// temporary file, so a concurrent write's file is left alone).
namespace vorbix::text {

// False when the file cannot be written, with "PATH: REASON" in `error` (the target's path, also
// when the temporary file failed; "PATH: the file is read-only" for a read-only target). A target
// that exists but is marked read-only (no write permission bits) is refused, as the user marked it
// so on purpose; this holds for root too. The new file keeps the old file's permissions.
[[nodiscard]] bool writeFileAtomically(const std::string& path, std::string_view content, std::string& error);

// The same, but the new file gets exactly `mode` (permission bits, 0600 for a file only its owner
// may read), whatever the old file's permissions and the umask were; a read-only target is still
// refused.
[[nodiscard]] bool writeFileAtomically(const std::string& path, std::string_view content, unsigned mode,
                                       std::string& error);

// Clears every write permission bit (the backups are kept read-only).
[[nodiscard]] bool setReadOnly(const std::string& path);

// True when the file exists and has no write permission bit.
bool isReadOnly(const std::string& path);

} // namespace vorbix::text
