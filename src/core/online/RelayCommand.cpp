#include "core/online/RelayCommand.h"

#include "core/link/Checksum.h"
#include "core/link/Komunikace.h"

namespace vorbix::online {
namespace {

constexpr int kSendsPerRecord = 3;

} // namespace

std::string RelayRecord(std::uint8_t mask, RelayOperation operation, int pulseUnits)
{
    const unsigned time = operation == RelayOperation::Pulse ? static_cast<unsigned>(pulseUnits) & 0xFFFF : 0;
    return ":0600000B" + link::HexByte(mask) + link::HexByte(static_cast<unsigned>(operation)) + link::HexWord(time) +
           "1000";
}

std::vector<std::string> RelayRecords(const RelaySelection& selection)
{
    std::vector<std::string> records;
    if (selection.on != 0) {
        records.push_back(RelayRecord(selection.on, RelayOperation::On, 0));
    }
    if (selection.off != 0) {
        records.push_back(RelayRecord(selection.off, RelayOperation::Off, 0));
    }
    if (selection.pulse != 0) {
        records.push_back(RelayRecord(selection.pulse, RelayOperation::Pulse, selection.pulseUnits));
    }
    return records;
}

int SendRelayRecords(link::TKomunikace& link, const std::vector<std::string>& records)
{
    int givenUp = 0;
    for (const std::string& record : records) {
        bool acknowledged = false;
        for (int send = 1; send <= kSendsPerRecord && !acknowledged; ++send) {
            acknowledged = link.PosliPrikaz(record);
        }
        givenUp += acknowledged ? 0 : 1;
    }
    return givenUp;
}

} // namespace vorbix::online
