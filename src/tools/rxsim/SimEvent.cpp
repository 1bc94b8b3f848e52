#include "tools/rxsim/SimEvent.h"

#include "core/link/Checksum.h"

#include <sstream>
#include <vector>

namespace vorbix::rxsim {
namespace {

bool isUpperHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

bool isUpperHexText(std::string_view text)
{
    for (char c : text) {
        if (!isUpperHex(c)) {
            return false;
        }
    }
    return true;
}

std::vector<std::string> words(std::string_view line)
{
    std::istringstream in{std::string(line)};
    std::vector<std::string> result;
    std::string word;
    while (in >> word) {
        result.push_back(word);
    }
    return result;
}

} // namespace

bool parseEvent(std::string_view line, char defaultReport, SimEvent& event, std::string& error)
{
    const std::vector<std::string> w = words(line);
    if (w.size() < 3 || w.size() > 4) {
        error = "expected: press|lowbatt|input|temp CODE VALUE [R|U]";
        return false;
    }
    SimEvent result;
    result.report = defaultReport;
    if (w[0] == "press") {
        result.kind = SimEventKind::Press;
    } else if (w[0] == "lowbatt") {
        result.kind = SimEventKind::LowBattery;
    } else if (w[0] == "input") {
        result.kind = SimEventKind::Input;
    } else if (w[0] == "temp") {
        result.kind = SimEventKind::Temperature;
    } else {
        error = "unknown event '" + w[0] + "'";
        return false;
    }
    // The status block is read as hex digits, so the code can only hold hex digits.
    if (w[1].size() != 7 || !isUpperHexText(w[1])) {
        error = "the code must be 7 upper-case hex digits (the status block holds hex digits only)";
        return false;
    }
    result.code = w[1];
    if (result.kind == SimEventKind::Input && result.code[0] != 'A') {
        error = "an input device's code begins with A";
        return false;
    }
    if (result.kind == SimEventKind::Temperature) {
        if (result.code[0] != 'B') {
            error = "a temperature sensor's code begins with B";
            return false;
        }
        if (w[2].size() != 4 || !isUpperHexText(w[2]) || !link::ParseHex(w[2], result.raw)) {
            error = "the raw temperature must be 4 upper-case hex digits";
            return false;
        }
    } else {
        if (result.kind != SimEventKind::Input && (result.code[0] == 'A' || result.code[0] == 'B')) {
            error = "a transmitter's code does not begin with A or B";
            return false;
        }
        if (w[2].size() != 1 || !isUpperHex(w[2][0])) {
            error = "the button or input code must be one upper-case hex digit";
            return false;
        }
        result.button = w[2][0];
    }
    if (w.size() == 4) {
        if (w[3] != "R" && w[3] != "U") {
            error = "the report must be R or U";
            return false;
        }
        result.report = w[3][0];
    }
    event = result;
    return true;
}

std::string statusBlockText(const SimEvent& event, int slot, unsigned relays)
{
    std::string text;
    text += event.button;
    text += event.code;
    text += "0000";
    text += event.kind == SimEventKind::Temperature ? link::HexWord(event.raw) : "0000";
    text += event.kind == SimEventKind::LowBattery ? "01" : "00";
    text += slot < 0 ? "FFFF" : link::HexWord(static_cast<unsigned>(slot));
    text += link::HexByte(relays);
    text += "00000000";
    return text;
}

std::string eventReport(const SimEvent& event)
{
    if (event.report == 'R') {
        return "R";
    }
    return std::string("U") + event.button + event.code + (event.kind == SimEventKind::LowBattery ? '1' : '0');
}

} // namespace vorbix::rxsim
