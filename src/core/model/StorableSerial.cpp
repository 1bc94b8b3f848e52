#include "core/model/StorableSerial.h"

#include "core/model/MemoryImage.h"

#include <algorithm>

namespace vorbix::model {

namespace {

bool isUpperHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

bool isKnownPrefix(std::string_view prefix, const std::vector<TTx>& types)
{
    if (prefix == "x0" || std::all_of(prefix.begin(), prefix.end(), isUpperHex)) {
        return true;
    }
    return std::any_of(types.begin(), types.end(), [prefix](const TTx& type) { return type.Prefix == prefix; });
}

// One used record holding `serial`, encoded and decoded by the model's layouts.
bool serialSurvivesTheRecord(const TDevice& device, std::string_view serial)
{
    TDevice one = device;
    one.RecordCount = 1;
    one.EraseBlock = 0; // every slot written
    RecordTable table;
    NewRecords(one, table);
    TData& record = table[1];
    if (record.Serial.size() != serial.size()) {
        return false;
    }
    record.Serial = serial;
    record.Empty = false;
    std::string image;
    RecordTable back;
    return EncodeMemory(one, table, image) && DecodeMemory(one, image, back) && back[1].Serial == serial;
}

} // namespace

bool CanStoreSerial(const TDevice& device, const std::vector<TTx>& types, std::string_view text)
{
    if (text.size() < 3) {
        return false;
    }
    const std::string_view serial = text.substr(2);
    return isKnownPrefix(text.substr(0, 2), types) && std::all_of(serial.begin(), serial.end(), isUpperHex) &&
           serialSurvivesTheRecord(device, serial);
}

} // namespace vorbix::model
