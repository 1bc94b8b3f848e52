// watch: on-line mode on the command line, one line per status read, relay report or link change;
// the events reach the folder's history and low-battery lists as in the window.
#include "core/model/DataFile.h"
#include "tools/vorbixctl/Commands.h"
#include "tools/vorbixctl/CtlOnline.h"
#include "tools/vorbixctl/CtlSession.h"
#include "tools/vorbixctl/SharedOptions.h"
#include "tools/vorbixctl/WatchLines.h"
#include "tools/vorbixctl/WatchLists.h"

#include <ctime>
#include <iostream>

namespace vorbix::ctl {
namespace {

constexpr const char* kUsage = "vorbixctl: usage: watch [--count N] [--seconds S] [--json] [--data FILE.rxd]\n";
void printLine(const std::string& line)
{
    std::cout << line << std::endl;
}

} // namespace

int runWatch(CtlSession& session, const std::vector<std::string>& args)
{
    SharedOptions shared;
    std::string error;
    if (!takeSharedOptions(args, kJsonOption | kCountOption | kSecondsOption, shared, error)) {
        std::cerr << "vorbixctl: " << error << "\n" << kUsage;
        return kExitUsage;
    }
    const bool json = shared.json;
    const std::optional<long long> count = shared.count;
    const std::optional<long long> seconds = shared.seconds;
    std::string dataFile;
    const std::vector<std::string>& rest = shared.rest;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        if (rest[i] == "--data" && i + 1 < rest.size() && !rest[i + 1].empty()) {
            dataFile = rest[++i];
        } else {
            std::cerr << kUsage;
            return kExitUsage;
        }
    }
    if (!session.login()) {
        return kExitFailure;
    }
    WatchLists watchLists(session.programFolder(), session.settings(),
                          [&session](const std::string& message) { session.report(message); });
    if (!watchLists.load()) {
        return kExitFailure;
    }
    if (!dataFile.empty()) {
        // Opened as the window opens a data set while logged in: of the receiver's model.
        const ErrorSink onError = [&session](const std::string& message) { session.report(message); };
        const ErrorSink onWarning = [&session](const std::string& message) { session.report("warning: " + message); };
        model::LoadedDataFile loaded;
        if (!model::ReadDataFile(dataFile, session.programFolder(), &session.memory().Device, loaded, session.texts(),
                                 onError, onWarning)) {
            return kExitFailure;
        }
        watchLists.openDataSet(std::move(loaded.Records));
    }
    const auto deadline =
        seconds ? std::optional(std::chrono::steady_clock::now() + std::chrono::seconds(*seconds)) : std::nullopt;

    CtlOnline online(session);
    online.session().setLevels(watchLists.levels());
    online.session().setDataSetLookup(watchLists.dataSetLookup());
    const WatchLines lines(json);
    long long events = 0;
    std::atomic<bool> enough{false};
    online::OnlineCallbacks callbacks;
    // The callbacks run on the session's thread, one at a time; the main thread only waits.
    callbacks.statusShown = [&](const online::StatusBlock& block) {
        if (enough) {
            return;
        }
        printLine(lines.event(block, std::time(nullptr)));
        if (count && ++events >= *count) {
            enough = true;
            online.wake();
        }
    };
    // Every event the levels let through reaches the lists, the last counted one too: its hand-over
    // follows its line on the session's thread, before stop() collects that thread.
    callbacks.handedOver = [&](const online::HandOver& handOver) { watchLists.handOver(handOver, std::time(nullptr)); };
    callbacks.relaysShown = [&](online::RelaySource source, std::uint8_t relays) {
        // A status read after a report shows its relays on its own event line.
        if (!enough && source != online::RelaySource::Event) {
            printLine(lines.relays(relays, std::time(nullptr)));
        }
    };
    callbacks.linkState = [&](online::LinkState state, int attempt) {
        if (!enough) {
            printLine(lines.link(state, attempt, std::time(nullptr)));
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
