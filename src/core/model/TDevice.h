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

} // namespace vorbix::model
