#pragma once

#include "core/base/LanguageTable.h"
#include "core/online/HandOver.h"
#include "core/online/OnlineTimings.h"
#include "core/online/RelayCommand.h"
#include "core/online/StatusBlock.h"
#include "core/online/WakePipe.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace vorbix::link {
class TKomunikace;
class TRx;
} // namespace vorbix::link

namespace vorbix::online {

// Why the relay states are shown.
enum class RelaySource
{
    Start,   // the read made when on-line mode starts (or resumes after a lost link)
    Event,   // the status read after a receiver report
    Report,  // the receiver's own 'O' report
    Refresh, // a refresh asked for by the owner
};

// Supervision of the link while on-line.
enum class LinkState
{
    Lost,         // the connection closed, the keep-alive failed or the serial device vanished
    Reconnecting, // an attempt to reopen it begins
    Restored,     // the receiver answers again; on-line mode goes on
};

// Why on-line mode ended by itself. The link is closed then.
enum class EndReason
{
    NoAnswer,      // seven status reads failed (the error text 125 was given first)
    Cancelled,     // the user cancelled a wait between reads
    OtherReceiver, // after a lost link another receiver or another password answered (text 92)
};

// One step of a wait between failed status reads. Step 0: the wait begins (show the busy dialog
// with language text 126 and Cancel); steps 1 to `steps`: progress; `over`: close the dialog.
struct WaitProgress
{
    int wait = 1; // which of the six waits
    int step = 0;
    int steps = 100;
    bool over = false;
};

// How on-line mode tells its owner what happens. Every callback runs on the session's own thread;
// a window hands the call over to its own thread. Callbacks must not call stop() (requestStop()
// is fine). Any of them may be left empty.
struct OnlineCallbacks
{
    // A status read after a receiver report, decoded: the panel, the monitor.
    std::function<void(const StatusBlock&)> statusShown;
    // The relay display (the state fields of the direct control page).
    std::function<void(RelaySource, std::uint8_t relays)> relaysShown;
    // Where the event of a status read goes (only when it goes somewhere).
    std::function<void(const HandOver&)> handedOver;
    std::function<void(const WaitProgress&)> waitProgress;
    // A text for an error box (code page 1250). After seven failed reads it is language text 125,
    // which the program shows system-modal.
    std::function<void(const std::string&)> error;
    // attempt counts the reconnect attempts from 1; 0 for Lost.
    std::function<void(LinkState, int attempt)> linkState;
    // A direct send is done; false when a record was given up after three sends.
    std::function<void(bool acknowledged)> relaysSent;
    // True while a status read after a report or a direct send uses the link (the communication
    // commands are locked meanwhile), false after it.
    std::function<void(bool)> busy;
    std::function<void(EndReason)> ended;
};

// On-line mode: listens to the logged-in receiver, reads and decodes its status block 500 ms after
// each report, shows the relay states of 'O' reports, sends direct relay commands and refreshes
// the relay states, and watches the link, reopening it with back-off when it is lost.
//
// The session runs on a thread of its own that waits in poll() on the link's descriptor, so
// listening costs nothing while the receiver is silent. From start() to stop() the session owns
// the link and the receiver object: the owner must not use either (nor run its own keep-alive),
// and their error sinks are the session's, which pass the texts to OnlineCallbacks::error.
class OnlineSession
{
public:
    // `link`, `rx` and `texts` must outlive the session. The receiver must be logged in.
    OnlineSession(link::TKomunikace& link, link::TRx& rx, const PopisType& texts);
    ~OnlineSession();
    OnlineSession(const OnlineSession&) = delete;
    OnlineSession& operator=(const OnlineSession&) = delete;

    // Set these before start().
    void setCallbacks(OnlineCallbacks callbacks) { m_callbacks = std::move(callbacks); }
    void setLevels(MonitorLevels levels) { m_levels = levels; }
    // Called on the session's thread; the owner guards its data set.
    void setDataSetLookup(DataSetLookup lookup) { m_inDataSet = std::move(lookup); }
    void setTimings(const OnlineTimings& timings) { m_timings = timings; }

    // Starts on-line mode on the caller's thread: opens the link when it is closed and checks that
    // the logged-in receiver answers (their messages go to the link's and receiver's own sinks).
    // Then the listening thread starts with the read of the relay states. False when the link
    // cannot be opened or the receiver is another one; the link is then left as it is.
    [[nodiscard]] bool start();
    // StopOnline: ends the thread, gives the error sinks back and closes the link. Safe when not
    // started; after an end of its own it collects the thread (start() does that too). Not from
    // a callback.
    void stop();
    // Asks the thread to end, without waiting; from any thread, callbacks included.
    void requestStop();
    // True from start() until on-line mode ended, by stop() or by itself.
    bool running() const { return m_running; }

    // The direct control page's Send: the records of `selection`, each up to three times. Asked
    // while the link is lost, it is not sent (relaysSent(false)).
    void requestSend(const RelaySelection& selection);
    // The direct control page's Refresh: the relay states read from the status block.
    void requestRefresh();
    // The Cancel of the busy dialog during a wait between failed reads: ends on-line mode.
    void cancelWait();

private:
    enum class Read
    {
        Done,
        NoAnswer,
        Cancelled,
        Stopped,
        LinkLost,
    };
    struct Request
    {
        bool send = false; // else a refresh
        RelaySelection selection;
    };
    using TimePoint = std::chrono::steady_clock::time_point;

    void run();
    // The listening loop; returns when on-line mode ends or the link is lost.
    void listen();
    void takeCharacter(char c);
    void keepAliveTick();
    // Sleeps in poll() until `until`, a wake-up, or (with `watchLink`) the link has something.
    void waitForActivity(TimePoint until, bool watchLink);
    // The status read after a report, and the read of the relay states. False when on-line mode
    // ended.
    bool statusPoll();
    bool refreshRelays(RelaySource source);
    // The owner's sends and refreshes; false when on-line mode ended.
    bool runRequests();
    // Drops what was asked while the link was lost: a relay command sent long after its click
    // would surprise whoever stands at the gate. Each dropped send reports relaysSent(false).
    void discardRequests();
    // Reads the status block: up to seven reads, a wait of 30 s after each of the first six
    // failures.
    Read readStatus(StatusBlock& block);
    bool waitBeforeNextRead(int wait);
    // Lets `duration` pass; false when a stop or (with `cancellable`) a cancel cut it short.
    bool pause(std::chrono::milliseconds duration, bool cancellable);
    bool linkUsable();
    void noteLinkLost();
    // Reopens the lost link with back-off until the receiver answers (true) or on-line mode ends.
    bool reconnect();
    void watchLinkDescriptor();
    void end(EndReason reason);
    void installSinks();
    void restoreSinks();
    void report(const std::string& text);
    bool stopping() const { return m_stop; }

    link::TKomunikace& m_link;
    link::TRx& m_rx;
    const PopisType& m_texts;
    OnlineCallbacks m_callbacks;
    MonitorLevels m_levels;
    DataSetLookup m_inDataSet;
    OnlineTimings m_timings;

    std::thread m_thread;
    WakePipe m_wake;
    std::atomic<bool> m_running{false};
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_cancel{false};
    std::mutex m_requestsMutex;
    std::deque<Request> m_requests;

    // Owned by the session's thread.
    std::optional<TimePoint> m_pollDue;
    TimePoint m_nextKeepAlive{};
    bool m_lost = false;
    bool m_hangup = false; // the link's descriptor reported a hang-up or an error
    bool m_reconnecting = false;
    std::string m_serialDevice; // checked for presence while on-line; empty over TCP
    std::function<void(const std::string&)> m_linkSink;
    std::function<void(const std::string&)> m_rxSink;
};

} // namespace vorbix::online
