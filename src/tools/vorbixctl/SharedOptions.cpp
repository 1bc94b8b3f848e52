#include "tools/vorbixctl/SharedOptions.h"

#include <charconv>

namespace vorbix::ctl {

bool parseBoundedNumber(std::string_view text, long long most, long long& value)
{
    long long read = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, read);
    if (text.empty() || result.ec != std::errc() || result.ptr != end || read < 1 || read > most) {
        return false;
    }
    value = read;
    return true;
}

bool takeSharedOptions(const std::vector<std::string>& args, unsigned accepted, SharedOptions& options,
                       std::string& error)
{
    options = SharedOptions{};
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if ((accepted & kJsonOption) != 0 && arg == "--json") {
            options.json = true;
            continue;
        }
        const bool count = (accepted & kCountOption) != 0 && arg == "--count";
        const bool seconds = (accepted & kSecondsOption) != 0 && arg == "--seconds";
        if (!count && !seconds) {
            options.rest.push_back(arg);
            continue;
        }
        long long value = 0;
        if (i + 1 >= args.size() || !parseBoundedNumber(args[i + 1], kMostCountOrSeconds, value)) {
            error = arg + " needs a whole number from 1 to " + std::to_string(kMostCountOrSeconds);
            return false;
        }
        (count ? options.count : options.seconds) = value;
        ++i;
    }
    return true;
}

} // namespace vorbix::ctl
