// Writing the record memory: erase the blocks the image covers, write it in 32-byte records,
// stop early after the used records, and write the tail.
#include "core/base/TextNumbers.h"
#include "core/link/Checksum.h"
#include "core/link/Komunikace.h"
#include "core/link/Rx.h"
#include "core/model/UploadImageCheck.h"

#include <algorithm>

namespace vorbix::link {
namespace {

constexpr std::size_t kWriteDigits = 64; // 32 bytes per write record

} // namespace

bool TRx::goOnAfterCancel()
{
    if (!cancelRequested()) {
        return true;
    }
    if (!m_question || m_question(text(lang::kStopUpload))) {
        return false;
    }
    m_link.CancelRequested = false;
    return true;
}

TRx::Sent TRx::sendUploadRecord(const std::string& record)
{
    for (;;) {
        if (!goOnAfterCancel()) {
            return Sent::Stopped;
        }
        if (m_link.PosliPrikaz(record)) {
            return Sent::Accepted;
        }
        // A cancel that broke off the send is a question, not a refusal; after No the same
        // record goes out again.
        if (!(m_link.LastError() == 0 && cancelRequested())) {
            report(text(lang::kCommunicationFailed) + " " + text(lang::kWhileWriting));
            return Sent::Refused;
        }
    }
}

bool TRx::UploadMemory()
{
    startProgress();
    const model::TDevice& device = m_memory.Device;
    const std::string& image = m_memory.UploadImage;
    const std::size_t length = image.size();
    const long long imageLength = static_cast<long long>(length);
    // The erase comes first: an image that cannot be written whole must not cost the receiver the
    // memory it holds.
    std::string problem;
    if (!model::CheckUploadImage(device, image, problem)) {
        report(text(lang::kFileFormat) + " - " + problem);
        return false;
    }

    // 64-bit steps: a block as large as the address space must end the loop, not wrap it. The image
    // lies inside the address space (checked above), so exactly ceil(image bytes / block) blocks
    // go out.
    const long long eraseBlock = device.EraseBlock;
    long long erasedDigits = 0;
    for (long long block = device.MemStart; erasedDigits < imageLength; block += eraseBlock) {
        if (sendUploadRecord(":0300000401" + HexWord(static_cast<unsigned>(block))) != Sent::Accepted) {
            return false;
        }
        erasedDigits += 2 * eraseBlock;
        progress(std::min(erasedDigits, imageLength), 5, imageLength);
    }

    // Records beyond the used ones were just erased; writing them would change nothing.
    const auto usedDigits =
        static_cast<std::size_t>(device.recordLength()) * static_cast<std::size_t>(std::max(device.UsedCount, 0) + 2);
    int address = device.MemStart;
    std::size_t q = 0;
    while (length - q >= kWriteDigits) {
        if (sendUploadRecord(":20" + HexWord(static_cast<unsigned>(address)) + "00" + image.substr(q, kWriteDigits)) !=
            Sent::Accepted) {
            return false;
        }
        progress(static_cast<long long>(q), 90, imageLength, 10);
        address += 32;
        q += kWriteDigits;
        if (q > usedDigits) {
            progress(1, 100, 1);
            q = length;
        }
    }
    if (q < length) {
        const std::size_t rest = length - q;
        if (sendUploadRecord(":" + HexByte(static_cast<unsigned>(rest / 2)) + HexWord(static_cast<unsigned>(address)) +
                             "00" + image.substr(q)) != Sent::Accepted) {
            return false;
        }
    }
    return true;
}

} // namespace vorbix::link
