#include "core/setup/SetupOptions.h"

#include "core/app/Settings.h"
#include "core/base/TextNumbers.h"
#include "core/text/TextFile.h"

#include <algorithm>

namespace vorbix::setup {

SetupOptions OptionsFromSettings(const app::Settings& s, bool multi, const views::VisibleFlags& visible)
{
    SetupOptions o;
    o.FindLast = s.FindLast;
    o.Language = s.Language;
    o.MonitorFont = s.MonitorFont;
    o.Welcome = s.Welcome;
    o.Backup = s.Backup;
    o.UploadDiff = s.UploadDiff;
    o.SoundCard = s.SoundCard;
    o.SoundSpeaker = s.SoundSpeaker;
    o.Beep = s.Beep;
    o.Login = s.Login;
    o.Download = s.Download;
    o.Online = s.Online;
    o.Monitor = s.Monitor;
    o.OpenDataFile = s.OpenDataFile;
    o.OpenMonitorFile = s.OpenMonitorFile;
    o.OpenDataPath = s.OpenDataPath;
    o.OpenMonitorPath = s.OpenMonitorPath;
    o.BatteryMonitorLevel = s.BatteryMonitorLevel;
    o.HistoryMonitorLevel = s.HistoryMonitorLevel;
    o.HistoryLength = s.HistoryLength;
    o.SortCol = multi ? s.SortColMulti : s.SortColSingle;
    o.SortUp = multi ? s.SortUpMulti : s.SortUpSingle;
    o.visible = visible;
    o.titles = s.userTitles;
    return o;
}

void ApplyOptions(const SetupOptions& o, app::Settings& s, bool multi)
{
    (multi ? s.SortColMulti : s.SortColSingle) = o.SortCol;
    (multi ? s.SortUpMulti : s.SortUpSingle) = o.SortUp;
    s.FindLast = o.FindLast;
    s.Welcome = o.Welcome;
    s.Login = o.Login;
    s.Backup = o.Backup;
    s.UploadDiff = o.UploadDiff;
    s.SoundCard = o.SoundCard;
    s.SoundSpeaker = o.SoundSpeaker;
    s.Beep = o.Beep;
    s.Download = o.Download;
    s.Online = o.Online;
    s.Monitor = o.Monitor;
    s.OpenDataFile = o.OpenDataFile;
    s.OpenMonitorFile = o.OpenMonitorFile;
    s.OpenDataPath = o.OpenDataPath;
    s.OpenMonitorPath = o.OpenMonitorPath;
    s.MonitorFont = o.MonitorFont;
    s.userTitles = o.titles;
    s.BatteryMonitorLevel = o.BatteryMonitorLevel;
    s.HistoryMonitorLevel = o.HistoryMonitorLevel;
    s.HistoryLength = o.HistoryLength;
}

int SoundItem(bool soundCard, bool soundSpeaker)
{
    int item = 2;
    if (soundCard) {
        item = 0;
    }
    if (soundSpeaker) {
        item = 1;
    }
    return item;
}

void TitleFields::remember(const std::vector<std::string>& items, const std::array<std::string, 5>& titles)
{
    m_items = items;
    for (std::size_t i = 0; i < titles.size(); ++i) {
        const auto it = std::find(m_items.begin(), m_items.end(), titles[i]);
        m_positions[i] =
            it == m_items.end() ? std::nullopt : std::optional(static_cast<std::size_t>(it - m_items.begin()));
    }
}

std::string TitleFields::leave(int index, const std::string& text, const PopisType& lang)
{
    const std::string kept = text.empty() ? LangText(lang, lang::kFirstUserTitle + index) : text;
    if (index >= 0 && index < 5) {
        if (const auto& at = m_positions[static_cast<std::size_t>(index)]; at && *at < m_items.size()) {
            m_items[*at] = kept;
        }
    }
    return kept;
}

int TitleFields::sortColumnOf(const std::string& text) const
{
    const auto it = std::find(m_items.begin(), m_items.end(), text);
    return it == m_items.end() ? 0 : static_cast<int>(it - m_items.begin());
}

std::vector<ColumnChange> ColumnChanges(const views::VisibleFlags& current, const views::VisibleFlags& boxes)
{
    std::vector<ColumnChange> changes;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (boxes[i] != current[i]) {
            changes.push_back({views::code::ID + static_cast<int>(i), boxes[i]});
        }
    }
    return changes;
}

void ApplyColumnChanges(views::ColumnCodes& codes, int& sortColumn, const std::vector<ColumnChange>& changes)
{
    for (const ColumnChange& change : changes) {
        (void)views::setUserColumnVisible(codes, sortColumn, change.code, change.visible);
    }
}

std::vector<std::string> LanguageCodes(const std::string& programFolder)
{
    std::vector<std::string> codes;
    for (char x = 'A'; x <= 'Z'; ++x) {
        for (char y = 'A'; y <= 'Z'; ++y) {
            const std::string code{x, y};
            if (text::fileExists(text::joinPath(programFolder, code + ".lng"))) {
                codes.push_back(code);
            }
        }
    }
    return codes;
}

int LanguageIndex(const std::vector<std::string>& codes, const std::string& current)
{
    for (const std::string& wanted : {current, std::string("US")}) {
        const auto it = std::find(codes.begin(), codes.end(), wanted);
        if (it != codes.end()) {
            return static_cast<int>(it - codes.begin());
        }
    }
    return -1;
}

} // namespace vorbix::setup
