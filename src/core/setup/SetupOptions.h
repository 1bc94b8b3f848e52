#pragma once

#include "core/base/LanguageTable.h"
#include "core/views/ColumnConfig.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace vorbix::app {
struct Settings;
}

// The application options as the setup dialog edits them: copies taken when the dialog opens and
// written back only when it is confirmed, so Cancel leaves every option as it was.
namespace vorbix::setup {

struct SetupOptions
{
    bool FindLast = false;
    bool Welcome = true;
    bool Backup = true;
    bool UploadDiff = true;
    bool SoundCard = false;
    bool SoundSpeaker = true;
    bool Beep = false;
    bool Login = false;
    bool Download = false;
    bool Online = false;
    bool Monitor = false;
    bool OpenDataFile = false;
    bool OpenMonitorFile = false;
    std::string Language = "US";
    std::string MonitorFont = "Tahoma";
    std::string OpenDataPath;
    std::string OpenMonitorPath;
    int BatteryMonitorLevel = 3;
    int HistoryMonitorLevel = 3;
    int HistoryLength = 100;
    bool clearHistory = false;

    // The file view's sort and user columns of the current receiver class (Multi for receivers
    // with multi-relay records, else Single).
    int SortCol = 0;
    bool SortUp = true;
    views::VisibleFlags visible{true, true, true, true, true};
    std::array<std::string, 5> titles; // UserID, User1..User4
};

// The copies when the dialog opens.
SetupOptions OptionsFromSettings(const app::Settings& settings, bool multi, const views::VisibleFlags& visible);

// Applying a confirmed dialog to the settings: the sort to the keys of the receiver class it came
// from, the flags, the start-up actions and paths, the monitor font, the user titles, the list
// levels and the history length. The column moves, the history trim and clear and the language are
// the caller's.
void ApplyOptions(const SetupOptions& options, app::Settings& settings, bool multi);

// The sound radio item: 2 (off), then 0 when the sound card is on, then 1 when the speaker is on.
int SoundItem(bool soundCard, bool soundSpeaker);

// The history lengths HistoryEdit accepts.
inline constexpr int kHistoryLengthMin = 1;
inline constexpr int kHistoryLengthMax = 99999;

// The user title fields and the sort column list they rename. When the dialog shows, each title's
// position among the sort list's items is remembered; when a field is left empty it takes its
// language default (texts 153..157), and the remembered item takes the field's text.
class TitleFields
{
public:
    // `items`: the titles of the user grid's columns in display order.
    void remember(const std::vector<std::string>& items, const std::array<std::string, 5>& titles);
    // Field `index` (0 = ID) lost the focus with `text`: the text the field keeps. The remembered
    // sort list item follows it.
    std::string leave(int index, const std::string& text, const PopisType& lang);

    const std::vector<std::string>& items() const { return m_items; }
    // The sort column a confirmed dialog keeps: the position of `text` among the items, 0 when absent.
    int sortColumnOf(const std::string& text) const;

private:
    std::vector<std::string> m_items;
    std::array<std::optional<std::size_t>, 5> m_positions;
};

// Which user columns (code 7 for ID, 8..11 for User 1..4) are to be shown or hidden, in that order,
// to go from `current` to `boxes`.
struct ColumnChange
{
    int code = 0;
    bool visible = false;
};
std::vector<ColumnChange> ColumnChanges(const views::VisibleFlags& current, const views::VisibleFlags& boxes);

// The changes applied to a column set: a shown column moves to the first place after the visible
// ones, a hidden one to the last visible place; the sort column keeps naming its column.
void ApplyColumnChanges(views::ColumnCodes& codes, int& sortColumn, const std::vector<ColumnChange>& changes);

// Every code XY (X outer, each A..Z) whose XY.lng exists in the program folder.
std::vector<std::string> LanguageCodes(const std::string& programFolder);
// The item to select: the current code, else "US", else none (-1).
int LanguageIndex(const std::vector<std::string>& codes, const std::string& current);

} // namespace vorbix::setup
