#include "tools/rxsim/SimControl.h"

#include "core/link/Checksum.h"
#include "tools/rxsim/SimSetup.h"

#include <cstdlib>
#include <sstream>
#include <vector>

namespace vorbix::rxsim {

std::string SimControl::execute(std::string_view line)
{
    std::istringstream in{std::string(line)};
    std::vector<std::string> w;
    for (std::string word; in >> word;) {
        w.push_back(word);
    }
    if (w.empty()) {
        return "ERR empty command";
    }
    const std::string& command = w[0];
    if (command == "press" || command == "lowbatt" || command == "input" || command == "temp") {
        SimEvent event;
        std::string error;
        if (!parseEvent(line, m_defaultReport, event, error)) {
            return "ERR " + error;
        }
        m_receiver.inject(event);
        return "OK " + m_receiver.statusBlock();
    }
    if (command == "relay" && w.size() <= 2) {
        unsigned mask = m_receiver.relays();
        if (w.size() == 2 && (w[1].size() != 2 || !link::ParseHex(w[1], mask))) {
            return "ERR the relay mask must be 2 hex digits";
        }
        m_receiver.setRelays(mask);
        return "OK " + link::HexByte(m_receiver.relays());
    }
    if (command == "status" && w.size() == 1) {
        return "OK " + m_receiver.statusBlock();
    }
    if (command == "mem" && w.size() == 3) {
        unsigned address = 0;
        unsigned count = 0;
        const bool decimalCount =
            !w[2].empty() && w[2].size() <= 3 && w[2].find_first_not_of("0123456789") == std::string::npos;
        if (decimalCount) {
            count = static_cast<unsigned>(std::stoul(w[2]));
        }
        if (w[1].size() > 4 || !link::ParseHex(w[1], address) || !decimalCount || count < 1 || count > 256 ||
            address + count > SimMemory::kSize) {
            return "ERR expected: mem ADDR COUNT (ADDR hex, COUNT 1..256 decimal)";
        }
        return "OK " + m_memory.hex(address, count);
    }
    if (command == "save" && w.size() == 2) {
        std::string error;
        if (!saveDataFile(m_memory, m_folder, w[1], error)) {
            return "ERR " + error;
        }
        return "OK saved " + w[1];
    }
    if (command == "stall" && w.size() == 2 && (w[1] == "on" || w[1] == "off")) {
        m_receiver.setStalled(w[1] == "on");
        return "OK stall " + w[1];
    }
    if (command == "drop" && w.size() <= 2 && m_dropLine) {
        const bool decimal = w.size() == 1 || (!w[1].empty() && w[1].size() <= 6 &&
                                               w[1].find_first_not_of("0123456789") == std::string::npos);
        if (!decimal) {
            return "ERR expected: drop [MS] (MS decimal, at most 999999)";
        }
        return m_dropLine(w.size() == 1 ? 0u : static_cast<unsigned>(std::stoul(w[1])));
    }
    if (command == "rate" && (w.size() == 2 || w.size() == 3) && m_startRate) {
        char* end = nullptr;
        const double perSecond = std::strtod(w[1].c_str(), &end);
        const bool count = w.size() == 2 || (!w[2].empty() && w[2].size() <= 9 &&
                                             w[2].find_first_not_of("0123456789") == std::string::npos);
        if (end == w[1].c_str() || *end != '\0' || perSecond < 0 || perSecond > 1000 || !count) {
            return "ERR expected: rate N [COUNT] (N events per second, 0 to 1000)";
        }
        m_startRate(perSecond, w.size() == 2 ? 0u : static_cast<unsigned>(std::stoul(w[2])));
        return "OK rate " + w[1];
    }
    if (command == "quit" && w.size() == 1) {
        m_quit = true;
        return "OK bye";
    }
    if (command == "help") {
        return "OK commands: press lowbatt input temp relay status mem save stall drop rate quit (see --help)";
    }
    return "ERR unknown command '" + std::string(line) + "' (try help)";
}

} // namespace vorbix::rxsim
