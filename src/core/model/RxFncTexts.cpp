// The conversions of TRxFnc between record fields and the texts the views show.
#include "core/base/Hex.h"
#include "core/model/ModelText.h"
#include "core/model/TRxFnc.h"

namespace vorbix::model {

namespace {

const std::string Unknown = "?";

} // namespace

std::string TRxFnc::RelayListText(const std::string& channels)
{
    if (channels == "00") {
        return "-";
    }
    if (channels.empty() || channels.size() > 8) {
        return {};
    }
    unsigned long mask = 0;
    for (char c : channels) {
        const int digit = hex::DigitValue(c);
        if (digit < 0) {
            return {};
        }
        mask = mask * 16 + static_cast<unsigned long>(digit);
    }
    std::string result;
    for (int bit = 0; bit < 32; ++bit) {
        if ((mask >> bit) & 1U) {
            if (!result.empty()) {
                result += ", ";
            }
            result += std::to_string(bit + 1);
        }
    }
    return result;
}

std::string TRxFnc::TimeText(const std::string& time)
{
    long tenths = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        const char c = i < time.size() ? time[i] : '0';
        // Only upper-case digits count; anything else reads as 0, as the receiver writes them so.
        const int digit = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') ? hex::DigitValue(c) : 0;
        tenths = tenths * 16 + digit;
    }
    const long ms = tenths * 100;
    const long seconds = (ms / 1000) % 60;
    return std::to_string(ms / 60000) + ":" + (seconds < 10 ? "0" : "") + std::to_string(seconds) + "," +
           std::to_string(ms % 1000);
}

std::string TRxFnc::TimeOf(const std::string& times) const
{
    return isSingleLayout() ? TimeText(times) : Unknown;
}

std::string TRxFnc::RelayTimeOf(int relay, const std::string& times) const
{
    if (isSingleLayout() || relay < 1) {
        return Unknown;
    }
    const auto start = static_cast<std::size_t>(4 * (relay - 1));
    return TimeText(start < times.size() ? times.substr(start, 4) : std::string());
}

std::string TRxFnc::FuncNameOf(const std::string& function) const
{
    if (!isSingleLayout()) {
        return Unknown;
    }
    for (std::size_t i = 0; i < DecoderCodes.size() && i < DecoderNames.size(); ++i) {
        if (DecoderCodes[i] == function && !DecoderNames[i].empty()) {
            return DecoderNames[i];
        }
    }
    return Unknown;
}

std::string TRxFnc::RelayFuncNameOf(int /*relay*/, const std::string& function) const
{
    if (isSingleLayout()) {
        return Unknown;
    }
    // One function code stands for the whole record, whichever relay is asked about.
    for (std::size_t i = 0; i < DecoderCodes.size() && i < DecoderNames.size(); ++i) {
        if (DecoderCodes[i] == function && !DecoderNames[i].empty()) {
            return DecoderNames[i];
        }
    }
    return Unknown;
}

bool TRxFnc::FuncCodeOf(const std::string& name, std::string& code) const
{
    if (!isSingleLayout()) {
        return false;
    }
    for (std::size_t i = 0; i < DecoderCodes.size() && i < DecoderNames.size(); ++i) {
        if (DecoderNames[i] == name) {
            code = DecoderCodes[i];
            return true;
        }
    }
    return false;
}

bool TRxFnc::RelayFuncCodeOf(int /*relay*/, const std::string& name, std::string& code) const
{
    if (isSingleLayout()) {
        return false;
    }
    for (std::size_t i = 0; i < DecoderCodes.size() && i < DecoderNames.size(); ++i) {
        if (DecoderNames[i] == name) {
            code = DecoderCodes[i];
            return true;
        }
    }
    return false;
}

std::string TRxFnc::TimeCode(int tenths) const
{
    return isSingleLayout() ? hexWord(tenths) : Unknown;
}

std::string TRxFnc::SetRelayTime(int relay, int tenths, const std::string& times) const
{
    if (isSingleLayout() || relay < 1) {
        return times;
    }
    const auto start = static_cast<std::size_t>(4 * (relay - 1));
    if (start + 4 > times.size()) {
        return times;
    }
    std::string result = times;
    result.replace(start, 4, hexWord(tenths));
    return result;
}

} // namespace vorbix::model
