#include "core/monitor/EventRules.h"
#include "core/base/Hex.h"

#include "core/lists/EventCode.h"
#include "core/model/ModelText.h"

#include <algorithm>
#include <bit>

namespace vorbix::monitor {

namespace {

// HexToInt of the protocol: every character a hex digit, within 32 bits.
bool hexToInt(std::string_view text, unsigned& value)
{
    std::uint64_t read = 0;
    if (text.empty() || !hex::Parse(text, read, 8)) {
        return false;
    }
    value = static_cast<unsigned>(read);
    return true;
}

bool allHex(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return hex::DigitValue(c) >= 0; });
}

std::string upper(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'f') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return out;
}

} // namespace

bool TlacitkaSouhlasi(std::string_view received, std::string_view eventCode, int strictness)
{
    if (received.size() != eventCode.size()) {
        return false;
    }
    if (received == eventCode) {
        return true;
    }
    unsigned a = 0;
    unsigned b = 0;
    if (!hexToInt(received, a) || !hexToInt(eventCode, b)) {
        return false;
    }
    return std::popcount(a & b & 0xFu) >= strictness;
}

std::string buttonFieldOf(std::string_view txCode, std::string_view buttonCode)
{
    if (lists::isInputDevice(txCode)) {
        static constexpr std::pair<std::string_view, std::string_view> kStates[] = {
            {"A=0,B=0", "3"}, {"A=1,B=0", "6"}, {"A=0,B=1", "9"}, {"A=1,B=1", "C"}, {"Ini", "F"}};
        for (const auto& [state, code] : kStates) {
            if (buttonCode == state) {
                return std::string(code);
            }
        }
    }
    return std::string(buttonCode);
}

std::string buttonCodeOf(std::string_view txCode, std::string_view buttonField)
{
    return lists::EventCodeText(txCode, buttonField);
}

void makeInputDevices(std::vector<model::TTx>& types)
{
    for (model::TTx& type : types) {
        if (!type.Prefix.starts_with('A')) {
            continue;
        }
        type.HasButtons = false;
        type.Count = 4;
        type.Inputs = {{"A=0 B=0", 3}, {"A=1 B=0", 6}, {"A=0 B=1", 9}, {"A=1 B=1", 12}};
    }
}

bool CheckTxCode(std::string& code, const std::string& typeName, const std::vector<model::TTx>& types)
{
    if (code.size() == 5 && allHex(code)) {
        const int type = lastTypeNamed(types, typeName);
        code = (type >= 0 ? types[static_cast<std::size_t>(type)].Prefix : std::string("x0")) + upper(code);
        return true;
    }
    if (code.size() == 7 && (code[0] == 'x' || code[0] == 'X') && allHex(std::string_view(code).substr(1))) {
        code = "x" + upper(std::string_view(code).substr(1));
        return true;
    }
    if (code.size() == 7 && allHex(code)) {
        code = upper(code);
        return true;
    }
    return false;
}

int typeIndexForCode(const std::vector<model::TTx>& types, std::string_view txCode)
{
    if (txCode.empty()) {
        return -1;
    }
    for (std::size_t i = 0; i < types.size(); ++i) {
        if (types[i].Prefix.starts_with(txCode[0])) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int lastTypeNamed(const std::vector<model::TTx>& types, const std::string& name)
{
    for (std::size_t i = types.size(); i-- > 0;) {
        if (types[i].Name == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace vorbix::monitor
