#include "core/views/EditRules.h"
#include "core/base/Hex.h"

#include "core/model/ModelText.h"

#include <algorithm>

namespace vorbix::views {

namespace {

bool allHex(const std::string& text, std::size_t from)
{
    return std::all_of(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(),
                       [](char c) { return hex::DigitValue(c) >= 0; });
}

std::string upper(std::string text)
{
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

bool parseNumber(const std::string& text, int& value)
{
    return model::parseDecimal(text, value);
}

} // namespace

int typeIndexOf(const std::vector<model::TTx>& types, const std::string& name)
{
    for (std::size_t i = 0; i < types.size(); ++i) {
        if (types[i].Name == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

SerialCheck ValidateSerial(std::string& serial, const std::string& typeName, const std::vector<model::TTx>& types)
{
    const std::string& t = serial;
    if (t.size() == 5 && allHex(t, 0)) {
        const int type = typeIndexOf(types, typeName);
        serial = (type >= 0 ? types[static_cast<std::size_t>(type)].Prefix : std::string("x0")) + upper(t);
        return SerialCheck::Valid;
    }
    if (t.size() == 7 && (t[0] == 'x' || t[0] == 'X')) {
        if (!allHex(t, 1)) {
            return SerialCheck::InvalidPrefixed;
        }
        std::string prefixed(1, 'x'); // not "x" + ...: GCC 12 warns falsely (-Wrestrict) on that at -O3
        prefixed += upper(t.substr(1));
        serial = prefixed;
        return SerialCheck::Valid;
    }
    if (t.size() == 7 && allHex(t, 0)) {
        serial = upper(t);
        return SerialCheck::Valid;
    }
    return SerialCheck::Invalid;
}

std::string hexDigit(int value)
{
    static const char digits[] = "0123456789ABCDEF";
    return std::string(1, digits[std::clamp(value, 0, 15)]);
}

std::string ButtonsToCode(const model::TTx& type, const std::array<bool, 4>& ticked)
{
    int sum = 0;
    for (std::size_t k = 0; k < 4; ++k) {
        sum += ticked[k] ? type.Buttons[k].Value : 0;
    }
    return hexDigit(sum);
}

int buttonValueOf(const std::string& buttonCode)
{
    if (buttonCode.empty()) {
        return 0;
    }
    const char c = buttonCode[0];
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    return c >= 'A' && c <= 'F' ? c - 'A' + 10 : 0;
}

std::array<bool, 4> buttonBoxesOf(const std::string& buttonCode)
{
    const int b = buttonValueOf(buttonCode);
    return {(b & 8) != 0, (b & 4) != 0, (b & 2) != 0, (b & 1) != 0};
}

int timeTenths(const EditTime& time, bool limit)
{
    const long long minutes = std::max(time.minutes, 0);
    const long long seconds = std::max(time.seconds, 0);
    const long long ms = std::max(time.milliseconds, 0);
    long long hundreds = ms / 100;
    const long long rest = ms % 100;
    if (rest > 50 || (rest == 50 && hundreds % 2 == 1)) {
        ++hundreds;
    }
    long long tenths = (minutes * 60000 + seconds * 1000 + hundreds * 100) / 100;
    if (limit) {
        tenths = std::clamp(tenths, 1LL, 65535LL);
    }
    return static_cast<int>(std::min(tenths, 0x7FFFFFFFLL));
}

EditTime timeOfTenths(int tenths)
{
    const long long ms = static_cast<long long>(std::max(tenths, 0)) * 100;
    return EditTime{static_cast<int>(ms / 60000), static_cast<int>((ms / 1000) % 60), static_cast<int>(ms % 1000)};
}

EditTime normaliseTime(const EditTime& time)
{
    return timeOfTenths(timeTenths(time, true));
}

bool splitTimeText(const std::string& text, EditTime& time)
{
    const std::size_t colon = text.find(':');
    const std::size_t comma = colon == std::string::npos ? std::string::npos : text.find(',', colon + 1);
    if (comma == std::string::npos) {
        return false;
    }
    EditTime result;
    if (!parseNumber(text.substr(0, colon), result.minutes) ||
        !parseNumber(text.substr(colon + 1, comma - colon - 1), result.seconds) ||
        !parseNumber(text.substr(comma + 1), result.milliseconds)) {
        return false;
    }
    time = result;
    return true;
}

std::vector<std::string> functionListFor(const std::string& serial, const std::vector<std::string>& funcNames)
{
    if (!serial.empty() && serial[0] == 'A') {
        return {"-", "Direct", "Inverse"};
    }
    return funcNames;
}

} // namespace vorbix::views
