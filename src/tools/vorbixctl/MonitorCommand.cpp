// monitor: monitor mode without a window. The received events switch the messages of a monitor
// setup as in the window; each switch is printed and written to the folder's alarm journal, so
// that scripts can forward alarms.
#include "core/monitor/MonitorJournal.h"
#include "core/monitor/Reception.h"
#include "core/text/TextFile.h"
#include "tools/vorbixctl/Commands.h"
#include "tools/vorbixctl/CtlOnline.h"
#include "tools/vorbixctl/CtlSession.h"
#include "tools/vorbixctl/ListOutput.h"
#include "tools/vorbixctl/SharedOptions.h"

#include <iostream>

namespace vorbix::ctl {
namespace {

constexpr const char* kUsage = "vorbixctl: usage: monitor FILE.mon [--count N] [--seconds S] [--json]\n";
constexpr const char* kLinkLostText = "The link to the receiver is lost; no alarm can arrive";
constexpr const char* kLinkRestoredText = "The link to the receiver is restored";

std::string changeLine(const monitor::Change& change, bool json)
{
    const std::time_t when = std::chrono::system_clock::to_time_t(change.time);
    const std::string time = monitor::isoLocalTime(when);
    if (change.position < 0) {
        // The link and the operator's silence belong to no message.
        if (json) {
            return std::string("{\"kind\":\"") + monitor::changeKindName(change.kind) + "\",\"time\":\"" + time +
                   "\",\"text\":" + tools::jsonString(change.text) + "}";
        }
        std::string kind = monitor::changeKindName(change.kind);
        kind.resize(13, ' ');
        std::string line = time;
        line[10] = ' ';
        return line + "  " + kind + "  " + change.text;
    }
    if (json) {
        return std::string("{\"kind\":\"") + monitor::changeKindName(change.kind) + "\",\"time\":\"" + time +
               "\",\"message\":" + std::to_string(change.number) + ",\"text\":" + tools::jsonString(change.text) +
               ",\"order\":" + std::to_string(change.order) + ",\"tx\":" + tools::jsonString(change.txCode) +
               ",\"button\":" + tools::jsonString(change.buttonCode) + "}";
    }
    std::string kind = monitor::changeKindName(change.kind);
    kind.resize(10, ' ');
    std::string line = time;
    line[10] = ' ';
    return line + "  " + kind + "  " +
           tools::tabLine({std::to_string(change.number), "order " + std::to_string(change.order),
                           change.txCode + " " + change.buttonCode, change.text});
}

} // namespace

int runMonitor(CtlSession& session, const std::vector<std::string>& args)
{
    SharedOptions shared;
    std::string parseError;
    if (!takeSharedOptions(args, kJsonOption | kCountOption | kSecondsOption, shared, parseError)) {
        std::cerr << "vorbixctl: " << parseError << "\n" << kUsage;
        return kExitUsage;
    }
    const bool json = shared.json;
    const std::optional<long long> count = shared.count;
    const std::optional<long long> seconds = shared.seconds;
    std::string setupFile;
    for (const std::string& arg : shared.rest) {
        if (setupFile.empty() && !arg.empty() && !arg.starts_with("--")) {
            setupFile = arg;
        } else {
            std::cerr << kUsage;
            return kExitUsage;
        }
    }
    if (setupFile.empty()) {
        std::cerr << kUsage;
        return kExitUsage;
    }
    monitor::TMonitor setup;
    // The load's failure comes back in `error` and is reported once, below.
    setup.setMessages(&session.texts(), {});
    std::string error;
    if (!setup.Nacti(setupFile, error)) {
        session.report(error.empty() ? "cannot read " + setupFile : error);
        return kExitFailure;
    }
    if (!session.login()) {
        return kExitFailure;
    }
    const auto deadline =
        seconds ? std::optional(std::chrono::steady_clock::now() + std::chrono::seconds(*seconds)) : std::nullopt;

    monitor::MonitorJournal journal(text::joinPath(session.programFolder(), monitor::MonitorJournal::kFileName),
                                    [&session](const std::string& message) { session.report("warning: " + message); });
    CtlOnline online(session);
    long long lines = 0;
    std::atomic<bool> enough{false};
    monitor::ReceptionHooks hooks;
    // Runs on the session's thread, inside Prijem.
    hooks.changed = [&](const monitor::Change& change) {
        if (enough) {
            return;
        }
        journal.append(change, "");
        std::cout << changeLine(change, json) << std::endl;
        if (count && ++lines >= *count) {
            enough = true;
            online.wake();
        }
    };
    monitor::Reception reception(setup, std::move(hooks));
    online::OnlineCallbacks callbacks;
    callbacks.statusShown = [&](const online::StatusBlock& block) {
        if (!enough && block.hasEvent()) {
            reception.Prijem(block.txCode, block.code);
        }
    };
    // The first relay read shows that the receiver listens: from then on no event is missed.
    std::atomic<bool> listening{false};
    const std::size_t messages = setup.Messages.size();
    callbacks.relaysShown = [&](online::RelaySource, std::uint8_t) {
        if (!listening.exchange(true)) {
            std::cerr << "vorbixctl: monitoring " << messages << " messages" << std::endl;
        }
    };
    // A lost link is an alarm of its own; its return clears it (both are journaled).
    callbacks.linkState = [&](online::LinkState state, int) {
        if (state == online::LinkState::Lost) {
            reception.LinkLost(kLinkLostText);
        } else if (state == online::LinkState::Restored) {
            reception.LinkRestored(kLinkRestoredText);
        }
    };
    if (!online.start(std::move(callbacks))) {
        return kExitFailure;
    }
    const CtlOnline::Outcome outcome = online.waitUntil([&enough] { return enough.load(); }, deadline);
    online.stop();
    return outcome == CtlOnline::Outcome::Ended ? kExitFailure : kExitOk;
}

} // namespace vorbix::ctl
