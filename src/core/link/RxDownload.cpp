// Reading the whole record memory: 16-byte reads with the empty-record shortcut, or dump reads
// in two passes that must agree.
#include "core/base/TextNumbers.h"
#include "core/link/Checksum.h"
#include "core/link/Komunikace.h"
#include "core/link/Rx.h"

namespace vorbix::link {
namespace {

constexpr int kLineBytes = 16;
constexpr int kDumpLineLength = 39; // "AAAA " + 32 digits + CR LF
constexpr int kDumpRequests = 5;

bool allErased(std::string_view digits)
{
    return digits.find_first_not_of('F') == std::string_view::npos;
}

} // namespace

bool TRx::DownloadMemory()
{
    startProgress();
    return m_link.Settings.DumpRead ? downloadDump() : downloadPlain();
}

bool TRx::downloadPlain()
{
    const model::TDevice& device = m_memory.Device;
    std::string& image = m_memory.MemoryImage;
    const int memStart = device.MemStart;
    const int memEnd = device.MemEnd;
    const int span = memEnd - memStart;
    const int recordBytes = device.recordLength() / 2;
    // The image covers MemStart to MemEnd, two digits per byte.
    const auto imageLength = static_cast<std::size_t>(2 * (memEnd - memStart + 1));
    image.clear();
    int p = memStart;
    int q = memStart;
    while (!cancelRequested()) {
        // Whole 16-byte lines, also for the last one: a read that ends exactly at MemEnd is taken
        // by the receiver as a dump request, and a shorter last read would lose bytes. Only at the
        // top of the address space does the last read stop at MemEnd.
        const int n = p + kLineBytes - 1 <= 0xFFFF ? kLineBytes : memEnd - p + 1;
        std::string data;
        if (!ReadBlock('9', p, n, data)) {
            if (!cancelRequested()) {
                report(text(lang::kCommunicationFailed) + " " + text(lang::kWhileReading));
            }
            return false;
        }
        image += data;
        // An erased record ends the used part of the memory: the rest is erased too.
        while (recordBytes > 0 && q + recordBytes < p + n && q + recordBytes - 1 <= memEnd) {
            const auto at = static_cast<std::size_t>(2 * (q - memStart));
            if (!allErased(std::string_view(image).substr(at, static_cast<std::size_t>(2 * recordBytes)))) {
                q += recordBytes;
                continue;
            }
            image.resize(at);
            image.reserve(imageLength);
            for (int address = q; address <= memEnd; ++address) {
                image += "FF";
                progress(address + 1 - memStart, 100, span);
            }
            return true;
        }
        p += kLineBytes;
        progress(p - memStart, 100, span);
        if (p > memEnd) {
            image.resize(std::min(image.size(), imageLength));
            return true;
        }
    }
    return false;
}

bool TRx::downloadDump()
{
    std::string first;
    if (!dumpPass(1, first)) {
        if (!cancelRequested()) {
            report(text(lang::kCommunicationFailed) + " " + text(lang::kWhileReading));
        }
        return false;
    }
    std::string second;
    const bool secondRead = dumpPass(2, second);
    if (!secondRead && cancelRequested()) {
        return false;
    }
    if (!secondRead || second != first) {
        report(text(lang::kCommunicationFailed) + " " + text(lang::kWhileReading));
        return false;
    }
    m_memory.MemoryImage = std::move(second);
    return true;
}

bool TRx::dumpPass(int pass, std::string& image)
{
    const model::TDevice& device = m_memory.Device;
    const int memStart = device.MemStart;
    const int memEnd = device.MemEnd;
    const int span = memEnd - memStart;
    const int offset = pass == 2 ? 50 : 0;
    image.clear();
    int p = memStart;
    for (int request = 1; request <= kDumpRequests && p <= memEnd; ++request) {
        if (cancelRequested()) {
            return false;
        }
        if (request > 1 && !m_link.isConnected()) {
            break;
        }
        const std::string record =
            ":05000009" + HexWord(static_cast<unsigned>(p)) + HexWord(static_cast<unsigned>(memEnd)) + "00";
        if (!m_link.PosliPrikaz(record)) {
            continue;
        }
        // Lines follow until the one that holds MemEnd; a bad line makes the next request start
        // where this one broke off.
        while (p <= memEnd) {
            if (cancelRequested()) {
                return false;
            }
            std::string line;
            if (!m_link.PrijemDat(kDumpLineLength, line) || line[37] != '\r' || line[38] != '\n' ||
                line.compare(0, 4, HexWord(static_cast<unsigned>(p))) != 0) {
                break;
            }
            image.append(line, 5, 32);
            p += kLineBytes;
            progress(p - memStart, 50, span, offset);
        }
    }
    if (p <= memEnd) {
        return false;
    }
    // The last line may reach beyond MemEnd.
    image.resize(static_cast<std::size_t>(2 * (memEnd - memStart + 1)));
    return true;
}

} // namespace vorbix::link
