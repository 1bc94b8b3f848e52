#include "core/model/RxDefinition.h"

#include "core/base/ReceiverDescription.h"
#include "core/base/TextNumbers.h"
#include "core/model/Layout.h"
#include "core/model/ModelText.h"
#include "core/text/TextFile.h"

namespace vorbix::model {

namespace {

constexpr int kMostRelays = 8;
// Addresses have four hexadecimal digits.
constexpr long long kAddressSpace = 0x10000;

void report(const PopisType& lang, const ErrorSink& onError, int textNumber, const std::string& detail)
{
    if (onError) {
        onError(LangText(lang, textNumber) + " - " + detail);
    }
}

void skipToBlockEnd(LineReader& reader)
{
    while (!reader.atEnd() && reader.next() != "#E") {
    }
}

// Whole bytes of upper-case hexadecimal digits, as the receiver's memory is read and written.
bool isRecordText(const std::string& text)
{
    if (text.empty() || text.size() % 2 != 0) {
        return false;
    }
    for (char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) {
            return false;
        }
    }
    return true;
}

// The erase block only has to keep the upload's erase loop inside the address space. One flash page
// often holds the whole record area, so a block larger than the record memory is ordinary.
bool isEraseBlock(int bytes)
{
    return bytes >= 1 && bytes <= kAddressSpace;
}

// Lines 2 to 6 (and 7 for the login loader) of a block whose name line has been read. Each value
// is stored as soon as it is read; false on the first failed check.
bool readModelBlock(LineReader& reader, TDevice& device, bool readEraseBlock)
{
    std::string line = reader.next();
    if (line.empty()) {
        return false;
    }
    device.Description = line;
    if (!parseDecimal(reader.next(), device.Relays) || device.Relays < 0 || device.Relays > kMostRelays) {
        return false;
    }
    line = reader.next();
    if (!isRecordText(line)) {
        return false;
    }
    device.EmptyRecord = line;
    device.ErasedRecord = std::string(line.size(), 'F');
    const std::size_t layoutLength = 3 * line.size();
    line = reader.next();
    if (line.size() != layoutLength) {
        return false;
    }
    device.ReadLayout = line;
    line = reader.next();
    if (line.size() != layoutLength) {
        return false;
    }
    device.WriteLayout = line;
    if (!layoutsConsistent(device.ReadLayout, device.WriteLayout, device.recordLength())) {
        return false;
    }
    return !readEraseBlock || (parseDecimal(reader.next(), device.EraseBlock) && isEraseBlock(device.EraseBlock));
}

} // namespace

bool LoadDefinition(const std::string& programFolder, const std::string& model, TDevice& device, const PopisType& lang,
                    const ErrorSink& onError)
{
    std::vector<std::string> lines;
    std::string reason;
    if (!text::readLines(text::joinPath(programFolder, RxDefFileName), lines, reason)) {
        report(lang, onError, lang::kFileCannotBeOpened, reason);
        return false;
    }
    LineReader reader(std::move(lines));
    bool found = false;
    while (!reader.atEnd()) {
        if (reader.next() == model) {
            if (!readModelBlock(reader, device, true)) {
                report(lang, onError, lang::kFileFormat, RxDefFileName);
                return false;
            }
            found = true;
        }
        skipToBlockEnd(reader);
    }
    return found;
}

bool FindModel(const std::string& programFolder, TDevice& device, const PopisType& lang, const ErrorSink& onError)
{
    std::vector<std::string> lines;
    std::string reason;
    if (!text::readLines(text::joinPath(programFolder, RxDefFileName), lines, reason)) {
        report(lang, onError, lang::kFileCannotBeOpened, reason);
        return false;
    }
    LineReader reader(std::move(lines));
    while (!reader.atEnd()) {
        if (reader.next() == device.Model) {
            if (!readModelBlock(reader, device, false)) {
                report(lang, onError, lang::kFileFormat, RxDefFileName);
                return false;
            }
            return true;
        }
        skipToBlockEnd(reader);
    }
    return false;
}

bool LoadModelList(const std::string& path, std::vector<TRxArray>& models, std::vector<std::string>& descriptions,
                   const PopisType& lang, const ErrorSink& onError)
{
    std::vector<std::string> lines;
    std::string reason;
    if (!text::readLines(path, lines, reason)) {
        report(lang, onError, lang::kFileCannotBeOpened, reason);
        return false;
    }
    models.clear();
    descriptions.clear();
    LineReader reader(std::move(lines));
    while (!reader.atEnd()) {
        TRxArray entry;
        entry.Name = reader.next();
        entry.Description = reader.next();
        entry.ItemIndex = static_cast<int>(descriptions.size());
        descriptions.push_back(receivers::ReceiverDescription(lang, entry.Name, entry.Description));
        models.push_back(std::move(entry));
        skipToBlockEnd(reader);
    }
    return true;
}

} // namespace vorbix::model
