#include "core/model/DataFile.h"

#include "core/base/TextNumbers.h"
#include "core/model/MemoryImage.h"
#include "core/model/ModelText.h"
#include "core/model/RxDefinition.h"
#include "core/text/AtomicFile.h"
#include "core/text/TextFile.h"

#include <algorithm>
#include <unordered_map>

namespace vorbix::model {

namespace {

void report(const PopisType& lang, const ErrorSink& onError, int textNumber)
{
    if (onError) {
        onError(LangText(lang, textNumber));
    }
}

// Line A: false when the slot number or the ID does not convert (the caller reports it once).
bool readCommentLine(const std::string& line, int slot, TData& record)
{
    std::string number;
    for (char c : std::string_view(line).substr(0, 4)) {
        if (c != ' ') {
            number += c;
        }
    }
    int readSlot = 0;
    bool ok = parseDecimal(number, readSlot) && readSlot == slot;

    // Only pieces ended by "#" count; the sixth and later ones (a "#" typed into a user text by
    // another program) are ignored.
    std::size_t from = std::min<std::size_t>(4, line.size());
    for (int piece = 0; piece < 5; ++piece) {
        const std::size_t hash = line.find('#', from);
        if (hash == std::string::npos) {
            break;
        }
        const std::string_view text = std::string_view(line).substr(from, hash - from);
        if (piece == 0) {
            int id = 0;
            if (parseDecimal(text, id)) {
                record.ID = id;
            } else {
                ok = false;
            }
        } else {
            record.User[static_cast<std::size_t>(piece - 1)] = text;
        }
        from = hash + 1;
    }
    return ok;
}

void readTypeLine(const std::string& line, TData& record)
{
    record.Prefix = line.substr(0, 2);
    record.TxType = line.size() > 3 ? line.substr(3) : std::string();
}

bool isUpperHex(std::string_view digits)
{
    return std::all_of(digits.begin(), digits.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); });
}

std::string rawKey(const std::string& raw)
{
    return raw.size() > 2 ? raw.substr(2, 6) : std::string();
}

} // namespace

std::string slotField(int slot)
{
    std::string field = std::to_string(slot);
    if (field.size() < 4) {
        field.resize(4, ' ');
    }
    return field;
}

std::string formatDataFile(const TDevice& device, const RecordTable& records, const std::string& image)
{
    std::string out;
    out.reserve(image.size() + static_cast<std::size_t>(device.RecordCount) * 32 + 64);
    out += device.Model + "\r\n";
    out += std::to_string(device.RecordCount) + "\r\n";
    out += image + "\r\n";
    for (int k = 1; k <= device.RecordCount && static_cast<std::size_t>(k) < records.size(); ++k) {
        const TData& record = records[static_cast<std::size_t>(k)];
        out += slotField(k);
        out += std::to_string(record.ID);
        out += '#';
        for (const std::string& text : record.User) {
            out += text;
            out += '#';
        }
        out += "\r\n";
        out += record.Prefix;
        out += ' ';
        out += record.TxType;
        out += "\r\n";
    }
    return out;
}

bool SaveDataFile(const std::string& path, TDevice& device, RecordTable& records, std::string& uploadImage,
                  const PopisType& lang, const ErrorSink& onError)
{
    if (!EncodeMemory(device, records, uploadImage)) {
        if (onError) {
            onError(LangText(lang, lang::kFileFormat) + " - " + RxDefFileName);
        }
        return false;
    }
    std::string error;
    if (!text::writeFileAtomically(path, formatDataFile(device, records, uploadImage), error)) {
        if (onError) {
            onError(LangText(lang, lang::kFileCannotBeOpened) + " - " + error);
        }
        return false;
    }
    return true;
}

bool ParseDataFile(std::string_view content, const std::string& path, const std::string& programFolder,
                   const TDevice* receiver, LoadedDataFile& result, const PopisType& lang, const ErrorSink& onError,
                   const ErrorSink& onWarning)
{
    LineReader reader(text::splitLines(content));
    TDevice fileDevice;
    fileDevice.Model = reader.next();
    if (!FindModel(programFolder, fileDevice, lang, onError)) {
        report(lang, onError, lang::kFileReceiverUnknown);
        return false;
    }
    int count = 0;
    if (!parseDecimal(reader.next(), count) || count < 0) {
        report(lang, onError, lang::kFileFormat);
        return false;
    }
    fileDevice.RecordCount = count;
    if (receiver != nullptr) {
        if (receiver->Model != fileDevice.Model) {
            report(lang, onError, lang::kFileOtherReceiver);
            return false;
        }
        if (receiver->RecordCount < count) {
            report(lang, onError, lang::kFileTooManySlots);
            return false;
        }
    }
    LoadedDataFile loaded;
    loaded.Device = receiver != nullptr ? *receiver : fileDevice;
    loaded.FileRecordCount = count;
    loaded.MemoryImage = reader.next();
    const auto length = static_cast<std::size_t>(fileDevice.recordLength());
    if (loaded.MemoryImage.size() != static_cast<std::size_t>(count) * length) {
        report(lang, onError, lang::kFileMemoryLength);
        return false;
    }
    // Anything else would decode into garbage and, once encoded, go to a receiver.
    if (!isUpperHex(loaded.MemoryImage)) {
        if (onError) {
            onError(LangText(lang, lang::kFileFormat) + " - " + path);
        }
        return false;
    }
    const std::size_t wanted = static_cast<std::size_t>(std::max(loaded.Device.RecordCount, 0)) * length;
    loaded.MemoryImage.reserve(wanted);
    while (loaded.MemoryImage.size() < wanted) {
        loaded.MemoryImage += loaded.Device.EmptyRecord;
    }
    if (!DecodeMemory(loaded.Device, loaded.MemoryImage, loaded.Records)) {
        return false;
    }
    for (int k = 1; k <= count && !reader.atEnd(); ++k) {
        TData& record = loaded.Records[static_cast<std::size_t>(k)];
        if (!readCommentLine(reader.next(), k, record) && loaded.Warnings.empty()) {
            loaded.Warnings.push_back(LangText(lang, lang::kFileFormat));
        }
        readTypeLine(reader.next(), record);
    }
    const ErrorSink& warn = onWarning ? onWarning : onError;
    if (warn) {
        for (const std::string& warning : loaded.Warnings) {
            warn(warning);
        }
    }
    result = std::move(loaded);
    return true;
}

bool ReadDataFile(const std::string& path, const std::string& programFolder, const TDevice* receiver,
                  LoadedDataFile& result, const PopisType& lang, const ErrorSink& onError, const ErrorSink& onWarning)
{
    std::string content;
    std::string error;
    if (!text::readFile(path, content, error)) {
        if (onError) {
            onError(LangText(lang, lang::kFileCannotBeOpened) + " - " + error);
        }
        return false;
    }
    return ParseDataFile(content, path, programFolder, receiver, result, lang, onError, onWarning);
}

void MergeComments(const RecordTable& source, RecordTable& records)
{
    // Entries by key in file order, so that each slot meets its matches in the order a scan of
    // the whole file would.
    std::unordered_map<std::string, std::vector<std::size_t>> entriesByKey;
    for (std::size_t j = 1; j < source.size(); ++j) {
        entriesByKey[rawKey(source[j].Raw)].push_back(j);
    }
    for (std::size_t i = 1; i < records.size(); ++i) {
        TData& record = records[i];
        const auto found = entriesByKey.find(rawKey(record.Raw));
        if (found == entriesByKey.end()) {
            continue;
        }
        for (std::size_t j : found->second) {
            const TData& entry = source[j];
            if (record.ID == 0) {
                record.ID = entry.ID;
            }
            for (std::size_t u = 0; u < record.User.size(); ++u) {
                if (record.User[u].empty()) {
                    record.User[u] = entry.User[u];
                }
            }
            if (record.TxType == "-") {
                record.TxType = entry.TxType;
            }
            if (record.Prefix == "x0") {
                record.Prefix = entry.Prefix;
            }
        }
    }
}

bool ImportComments(const std::string& path, const std::string& programFolder, RecordTable& records,
                    const PopisType& lang, const ErrorSink& onError)
{
    LoadedDataFile loaded;
    if (!ReadDataFile(path, programFolder, nullptr, loaded, lang, onError)) {
        return false;
    }
    MergeComments(loaded.Records, records);
    return true;
}

} // namespace vorbix::model
