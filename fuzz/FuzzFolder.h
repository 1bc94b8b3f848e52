#pragma once

#include <string>
#include <string_view>

// The scratch folder of a fuzzer process: created on first use under $TMPDIR (else /tmp), reused
// for every input and removed with its content when the process exits normally. A crashing run
// may leave it behind; scripts/fuzz.sh gives each run a TMPDIR of its own and removes that.
namespace vorbix::fuzz {

// The folder's path, without a trailing '/'.
const std::string& scratchFolder();

// Writes `content` to scratchFolder()/name, replacing what was there, and returns the path. Written
// directly rather than through the atomic writer: the reader under test must see exactly these
// bytes, and a flush to disk per input would make the fuzzer as slow as the disk.
std::string writeScratchFile(const std::string& name, std::string_view content);

// Removes scratchFolder()/name when it exists.
void removeScratchFile(const std::string& name);

// The shipped data folder (Rx.def, Tx.def, the function and language files), read-only.
inline std::string dataFolder()
{
    return VORBIX_DATA_DIR;
}

} // namespace vorbix::fuzz
