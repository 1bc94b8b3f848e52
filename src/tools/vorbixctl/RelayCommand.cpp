// relay on|off|pulse|status: direct relay control on the command line, as the direct control page
// does it while on-line.
#include "tools/vorbixctl/Commands.h"
#include "tools/vorbixctl/CtlOnline.h"
#include "tools/vorbixctl/CtlSession.h"

#include "core/online/PulseTime.h"
#include "core/online/RelayCommand.h"
#include "core/online/RelayDisplay.h"
#include "core/text/Cp1250.h"

#include <iostream>

namespace vorbix::ctl {
namespace {

constexpr const char* kUsage = "vorbixctl: usage: relay on|off RELAYS | relay pulse RELAYS --time SECONDS | relay "
                               "status (RELAYS: a list like 1,3, or all)\n";
constexpr int kMaxIntegerDigits = 7;
constexpr int kMaxFractionDigits = 3;

int usage(const std::string& why = {})
{
    if (!why.empty()) {
        std::cerr << "vorbixctl: " << why << "\n";
    }
    std::cerr << kUsage;
    return kExitUsage;
}

// "1,3" -> the relay numbers (1 to 8); "all" -> empty with `all` set.
bool parseRelays(const std::string& text, std::vector<int>& relays, bool& all)
{
    all = text == "all";
    if (all) {
        return true;
    }
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        const std::string item = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (item.size() != 1 || item[0] < '1' || item[0] > '0' + online::kMaxRelays) {
            return false;
        }
        relays.push_back(item[0] - '0');
        if (comma == std::string::npos) {
            return true;
        }
        start = comma + 1;
    }
}

// "1.5" -> 1500 ms; at most three decimals.
bool parseSeconds(const std::string& text, long long& milliseconds)
{
    const std::size_t dot = text.find('.');
    const std::string whole = text.substr(0, dot);
    const std::string fraction = dot == std::string::npos ? "" : text.substr(dot + 1);
    const auto digits = [](const std::string& s) { return s.find_first_not_of("0123456789") == std::string::npos; };
    if (whole.empty() || whole.size() > kMaxIntegerDigits || !digits(whole) ||
        (dot != std::string::npos && (fraction.empty() || fraction.size() > kMaxFractionDigits || !digits(fraction)))) {
        return false;
    }
    milliseconds = std::stoll(whole) * 1000 +
                   (fraction.empty() ? 0 : std::stoll(fraction + std::string(3 - fraction.size(), '0')));
    return true;
}

std::string tenthsText(int units)
{
    return std::to_string(units / 10) + "." + std::to_string(units % 10);
}

} // namespace

int runRelay(CtlSession& session, const std::vector<std::string>& args)
{
    if (args.empty()) {
        return usage();
    }
    const std::string& operation = args[0];
    const bool status = operation == "status";
    if (!status && operation != "on" && operation != "off" && operation != "pulse") {
        return usage("unknown relay operation '" + operation + "'");
    }
    std::vector<int> numbers;
    bool all = false;
    std::optional<long long> pulseMs;
    if (status) {
        if (args.size() != 1) {
            return usage();
        }
    } else {
        std::vector<std::string> rest(args.begin() + 1, args.end());
        for (std::size_t i = 0; i + 1 < rest.size(); ++i) {
            long long ms = 0;
            if (rest[i] == "--time" && operation == "pulse") {
                if (!parseSeconds(rest[i + 1], ms)) {
                    return usage("bad pulse time '" + rest[i + 1] + "' (seconds, at most three decimals)");
                }
                pulseMs = ms;
                rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(i),
                           rest.begin() + static_cast<std::ptrdiff_t>(i) + 2);
                break;
            }
        }
        if (rest.size() != 1 || (operation == "pulse") != pulseMs.has_value()) {
            return usage();
        }
        if (!parseRelays(rest[0], numbers, all)) {
            return usage("bad relay list '" + rest[0] + "'");
        }
    }

    if (!session.login()) {
        return kExitFailure;
    }
    const int present = session.memory().Device.Relays;
    std::uint8_t mask = 0;
    if (all) {
        for (int k = 1; k <= present; ++k) {
            numbers.push_back(k);
        }
    }
    for (int k : numbers) {
        if (k > present) {
            return usage("relay " + std::to_string(k) + ": the " + cp1250::toUtf8(session.memory().Device.Model) +
                         " has " + (present > 0 ? "relays 1 to " + std::to_string(present) : "no relays"));
        }
        mask = static_cast<std::uint8_t>(mask | (1u << (k - 1)));
    }
    if (!status && mask == 0) {
        return usage("the " + cp1250::toUtf8(session.memory().Device.Model) + " has no relays");
    }

    online::RelaySelection selection;
    if (operation == "on") {
        selection.on = mask;
    } else if (operation == "off") {
        selection.off = mask;
    } else if (operation == "pulse") {
        // The time goes through the rounding and limits of the direct control page.
        const long long ms = *pulseMs;
        selection.pulse = mask;
        selection.pulseUnits = online::TimeEditExit({static_cast<int>(ms / 60000), static_cast<int>(ms / 1000 % 60),
                                                     static_cast<int>(ms % 1000)})
                                   .units;
        std::cout << "pulse time " << tenthsText(selection.pulseUnits) << " s" << std::endl;
    }

    CtlOnline online(session);
    std::atomic<int> startRelays{-1};
    std::atomic<int> acknowledged{-1};
    online::OnlineCallbacks callbacks;
    callbacks.relaysShown = [&](online::RelaySource source, std::uint8_t relays) {
        if (source == online::RelaySource::Start && startRelays < 0) {
            startRelays = relays;
            online.wake();
        }
    };
    callbacks.relaysSent = [&](bool ok) {
        acknowledged = ok ? 1 : 0;
        online.wake();
    };
    if (!online.start(std::move(callbacks))) {
        return kExitFailure;
    }
    if (online.waitUntil([&] { return startRelays >= 0; }) != CtlOnline::Outcome::Done) {
        return kExitFailure;
    }
    if (status) {
        for (int k = 1; k <= present; ++k) {
            std::cout << k << "\t" << (online::RelayOn(static_cast<std::uint8_t>(startRelays.load()), k) ? "on" : "off")
                      << "\n";
        }
        return kExitOk;
    }
    online.session().requestSend(selection);
    if (online.waitUntil([&] { return acknowledged >= 0; }) != CtlOnline::Outcome::Done) {
        return kExitFailure;
    }
    if (acknowledged == 0) {
        session.report(online::kRelayCommandNotAcknowledged);
        return kExitFailure;
    }
    return kExitOk;
}

} // namespace vorbix::ctl
