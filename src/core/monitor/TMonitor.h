#pragma once

#include "core/base/LanguageTable.h"
#include "core/model/TData.h"
#include "core/monitor/MonitorLooks.h"
#include "core/monitor/TMonitorData.h"

#include <functional>
#include <string>
#include <vector>

namespace vorbix::monitor {

// A pop-up position on the screen and the message whose window stands there (-1: free).
struct TSlot
{
    int Top = 0;
    int Left = 0;
    int Message = -1;
};

enum class EventAdd
{
    Added,
    Placeholder, // the code's serial digits are "00000": nothing was entered, nothing added
    Duplicate,   // the list has this pair already (language text 127)
};

// The monitor setup of the run: the messages, the file they came from and whether they are saved.
// Failures go to the error sink as the texts the user sees; the windows refresh their tables and the
// status after each change.
class TMonitor
{
public:
    // Edits an event in place and says whether the user confirmed (the event dialog).
    using EventEditor = std::function<bool(TEvent&)>;

    void setMessages(const PopisType* lang, ErrorSink onError);

    // Loads a setup file. On success it becomes SetupFile, the setup is present and saved. A file that
    // cannot be read, has the wrong first line (text 82) or lacks an "Active:" or "Deactive:" line
    // ("Cyhba") changes nothing, not even SetupFile, so a later save cannot overwrite the broken file
    // with a fragment of it. Only the two format faults are reported; `error` gets the message in
    // every case.
    bool Nacti(const std::string& path, std::string& error);
    bool Nacti(const std::string& path);
    // Writes the setup to SetupFile (text 80 + " - " + the reason when it cannot). Leaves SetupSaved
    // to the caller.
    bool Uloz();
    // UlozJako after the user chose `path`: it becomes SetupFile, then Uloz.
    bool UlozJako(const std::string& path);

    // PridejZpravu after the dialog's OK: a message with these values, numbered as the new count.
    void PridejZpravu(const MessageValues& values);
    // Edituj after the dialog's OK: the message numbered `number` (position number - 1) takes the
    // values. False when there is no such message.
    bool Edituj(int number, const MessageValues& values);
    // Odstran: the messages whose Number is in `numbers` go; the others keep their order and are
    // numbered position + 1. Returns how many went.
    int Odstran(const std::vector<int>& numbers);

    // PridejEvent: appends the event to the Active (AddToActive) or Deactive list of message Current,
    // lets `edit` change it when given, then drops it again when its serial digits are "00000" or an
    // earlier event of the list has the same codes (text 127).
    EventAdd PridejEvent(const std::string& txCode, const std::string& buttonCode, const EventEditor& edit = {});
    // EditActive / EditDeactive: `edit` on the event; on confirmation the user data are linked again.
    // False when there is no such event or the user cancelled.
    bool EditEvent(bool active, int message, int event, const EventEditor& edit);
    // RemoveActive / RemoveDeactive: false when there is no such event.
    bool RemoveEvent(bool active, int message, int event);
    bool RemoveActive(int message, int event) { return RemoveEvent(true, message, event); }
    bool RemoveDeactive(int message, int event) { return RemoveEvent(false, message, event); }

    // CommentRefresh: every event takes the user number and texts of the matching records, when a data
    // set is open (Records gives the table; null while none is open).
    void CommentRefresh();

    // NastavPismo: the drawing attributes of the message at `position`.
    MessageLook NastavPismo(int position, const std::string& fontName) const;

    std::vector<TMonitorData> Messages;
    std::string SetupFile;
    bool SetupPresent = false;
    bool SetupSaved = true;
    int Current = 0;         // the message PridejEvent adds to (position)
    bool AddToActive = true; // PridejEvent adds to the Active list (else the Deactive list)

    // --- run time, ruled by reception ---
    int ActiveCount = 0;
    bool OnlineBefore = false; // on-line polling was running when monitor mode began
    bool BlinkPhase = false;
    std::vector<TSlot> Slots;

    // The record table to link events with; null (or unset) while no data set is open.
    std::function<const model::RecordTable*()> Records;
    // Reception sets this: deactivates the active message at the position (releasing its window, slot,
    // order and sound). It runs before an active message is edited or removed, and for every active
    // message before a loaded setup replaces them.
    std::function<void(int position)> Deactivate;

private:
    void report(const std::string& message) const;
    std::string text(int n) const;
    void deactivateIfActive(int position);
    std::vector<TEvent>* eventList(bool active, int message);

    const PopisType* m_lang = nullptr;
    ErrorSink m_onError;
};

} // namespace vorbix::monitor
