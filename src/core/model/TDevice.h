#pragma once

#include <string>

namespace vorbix::model {

// One receiver model and its record memory. The model part (Description to WriteLayout, from
// "Rx.def") is filled by LoadDefinition or FindModel; Model, Password, the addresses and
// RecordCount come from the receiver at login or from a data file; UsedCount from decoding and
// editing. Integers are plain counts; addresses are byte addresses in the receiver.
struct TDevice
{
    std::string Description;
    std::string Model;
    std::string Password;
    int Relays = 0;
    int RecordCount = 0;
    int MemStart = 0;
    int MemEnd = 0;
    int StatusAddr = 0;
    int NameAddr = 0;
    int PassAddr = 0;
    int EraseBlock = 0;       // bytes; only known after a login, 0 otherwise
    std::string EmptyRecord;  // hex text of an empty record; its length L is the record length in digits
    std::string ErasedRecord; // "F" x L
    std::string ReadLayout;   // one Lnn item per record digit, for decoding
    std::string WriteLayout;  // one Lnn item per record digit, for encoding
    int UsedCount = 0;        // slots in use before the erased tail

    // L: hex digits per record.
    int recordLength() const { return static_cast<int>(EmptyRecord.size()); }

    // Whole records between MemStart and MemEnd (inclusive), as a login computes RecordCount;
    // 0 while the record length is unknown.
    int recordsInMemory() const
    {
        const int bytesPerRecord = recordLength() / 2;
        return bytesPerRecord > 0 ? (MemEnd - MemStart + 1) / bytesPerRecord : 0;
    }
};

// Models whose first user text is also kept by the receiver, in the E field.
inline bool keepsUserTextInExtra(const std::string& model)
{
    return model == "KV1MOD-T" || model == "KVPMOD-T" || model == "KV8MOD-T";
}

// Position (from 1) of the E field where such a model's text begins; 0 for other models.
inline int userTextStartInExtra(const std::string& model)
{
    if (model == "KV1MOD-T" || model == "KVPMOD-T") {
        return 1;
    }
    return model == "KV8MOD-T" ? 2 : 0;
}

// How many characters of User 1 the receiver keeps in an E field of `extraLength` digits: one per
// whole pair of digits from the text's start. -1 for models that keep no text (no limit).
inline int userTextCapacity(const std::string& model, std::size_t extraLength)
{
    const int start = userTextStartInExtra(model);
    if (start == 0) {
        return -1;
    }
    const auto from = static_cast<std::size_t>(start - 1);
    return extraLength > from ? static_cast<int>((extraLength - from) / 2) : 0;
}

// User 1 as the receiver will hold it: cut to the capacity of the model's E field.
inline std::string userTextKept(const std::string& model, const std::string& text, std::size_t extraLength)
{
    const int capacity = userTextCapacity(model, extraLength);
    return capacity < 0 ? text : text.substr(0, static_cast<std::size_t>(capacity));
}

} // namespace vorbix::model
