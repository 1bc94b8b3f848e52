#pragma once

#include "core/monitor/MonitorLooks.h"
#include "core/monitor/TMonitor.h"

#include <chrono>
#include <functional>
#include <string>
#include <vector>

// Monitor reception: the received events switch the messages of the setup on and off, and the
// operator acknowledges them. Everything here is decided without a window; the windows (or the
// command line) present what the hooks tell them.
namespace vorbix::monitor {

enum class ChangeKind
{
    Activate,
    Reactivate,
    Deactivate,  // by a Deactive event, or because the message is edited or removed
    Acknowledge, // by the operator: "Deactive" or "Exit"
    // The receiver link, which is an alarm of its own: a console that hears nothing must say so.
    LinkLost,
    // The receiver answers again. This clears the link-lost alarm by itself: the alarm reports a
    // condition, not something that happened in the field, and the journal keeps both lines.
    LinkRestored,
    Silence, // by the operator: the sound stops, the active messages stay
};

// "activate", "reactivate", "deactivate", "acknowledge", "link-lost", "link-restored", "silence"
const char* changeKindName(ChangeKind kind);

// One switch of one message, for the journal and the command line.
struct Change
{
    ChangeKind kind = ChangeKind::Activate;
    int position = 0; // in Messages; -1 for the link and silence changes
    int number = 0;   // the message's Number; 0 for the link and silence changes
    std::string text; // the message's Text; the program's own text for the link changes
    int order = 0;    // after an activation; the order it held for a deactivation
    std::string txCode;
    std::string buttonCode; // the received code text; both empty when the operator acknowledged
    std::chrono::system_clock::time_point time;
};

// The one alarm sound of the monitor: the latest activation decides what plays, a deactivation
// silences it (code 0), code 5 repeats until then.
struct SoundRequest
{
    int code = 0;
    std::string file; // the message's own sound file, for code 6

    bool operator==(const SoundRequest&) const = default;
};

// What the presentation does when reception switches a message. Every hook is optional.
struct ReceptionHooks
{
    // Before each switch: our own menus and transient dialogs that would hide the alarm are closed.
    std::function<void()> closeTransients;
    std::function<void(const SoundRequest&)> sound;
    std::function<void()> bringToFront;
    // A pop-up window for the message at `position` opens at the slot's position.
    std::function<void(int position, const TSlot& slot)> openPopup;
    // The message's window is updated from the message and shown again where it stands.
    std::function<void(int position)> reshowPopup;
    // The message's window is closed and discarded.
    std::function<void(int position)> closePopup;
    std::function<void(const Change&)> changed;
};

// The screen's work area, where the pop-up slots are laid out.
struct WorkArea
{
    int width = 1024;
    int height = 768;
};

// The next slot when every slot is taken: the bottom row of the work area from left to right, 200
// pixels apart, then the rows above, 150 pixels apart; back to the bottom-left corner at the top.
TSlot nextSlotPosition(const std::vector<TSlot>& slots, const WorkArea& area);

// How an active message shows at a blink phase: a blinking message alternates between its own
// colours and black with text in its background colour (white with black text for a black message).
struct ShownColours
{
    std::uint32_t background = 0xFFFFFF;
    std::uint32_t text = 0x000000;
    bool operator==(const ShownColours&) const = default;
};
ShownColours shownColours(const MessageLook& look, bool blinkPhase);

// One row of the table of active messages (row k holds the message with Order k).
struct ActiveRow
{
    int position = 0;
    int number = 0;
    std::string text;
    std::chrono::system_clock::time_point activatedAt;
    int height = 20; // Size + 12
    bool marked = false;
};

class Reception
{
public:
    using Clock = std::function<std::chrono::system_clock::time_point()>;

    // Takes over the monitor's Deactivate hook, so that a message edited, removed or replaced while
    // active is deactivated first.
    Reception(TMonitor& monitor, ReceptionHooks hooks);
    ~Reception();
    Reception(const Reception&) = delete;
    Reception& operator=(const Reception&) = delete;

    void setWorkArea(const WorkArea& area) { m_area = area; }
    void setClock(Clock clock) { m_now = std::move(clock); }

    // Prijem: a status record's transmitter code and its one-character code. The strictest match
    // wins: at strictness 4 down to 1, every message in list order is activated by a matching Active
    // event while inactive, deactivated by a matching Deactive event while active, and re-alerted by a
    // matching Active event while active; once anything switched at one strictness the lower ones
    // are not tried. A message switches at most once per reception.
    void Prijem(const std::string& txCode, char code);

    // The single switches, each doing nothing for a message already switched in this reception.
    void AktivujZpravu(int position);
    void ReAktivujZpravu(int position);
    void DeaktivujZpravu(int position, ChangeKind kind = ChangeKind::Deactivate);

    // Where the next pop-up window would open (the first slot no message holds, or a new one),
    // without taking it: the link-lost alarm's window stands there.
    TSlot freeSlot() const;

    // The table of active messages, row 1 first.
    std::vector<ActiveRow> rows() const;

    // "Select All": every active message takes the box's state.
    void SelectAll(bool ticked);
    bool selectAllTicked() const { return m_selectAll; }
    // The tick box of row `row` (1-based): a ticked "Select All" is unticked first, which unmarks
    // every message; then the row's message toggles its mark. False for a row without a message.
    bool TickRow(int row);
    // "Deactive": the marked messages are acknowledged; "Select All" is unticked.
    void Deactive();
    // "Exit": every active message is acknowledged.
    void DeactiveAll();

    // The receiver link was lost (`text`: what the operator reads) or answers again. Each reports
    // a change once per loss; LinkRestored without a loss does nothing. The loss sounds the alarm
    // sound; the return leaves the sound alone (the alarm sound plays once).
    void LinkLost(const std::string& text);
    void LinkRestored(const std::string& text);
    bool linkLost() const { return m_linkLost; }
    // "Silence": the sound stops and the change is reported; every message stays active.
    void Silence();

private:
    TMonitorData* message(int position);
    void clearHandled();
    void report(ChangeKind kind, int position, int order);
    void reportOwn(ChangeKind kind, const std::string& text);
    int takeSlot(int position);

    TMonitor& m_monitor;
    ReceptionHooks m_hooks;
    WorkArea m_area;
    Clock m_now;
    bool m_selectAll = false;
    bool m_linkLost = false;
    // The event being received, for the changes it causes; empty outside a reception.
    std::string m_txCode;
    std::string m_buttonCode;
};

} // namespace vorbix::monitor
