#include "core/monitor/MonitorFile.h"

#include "core/lists/ListLine.h"
#include "core/model/ModelText.h"
#include "core/text/TextFile.h"

namespace vorbix::monitor {

namespace {

constexpr std::string_view kActiveMark = "Active:";
constexpr std::string_view kDeactiveMark = "Deactive:";
constexpr std::size_t kMessageFields = 10;

int numberField(const std::string& text, int fallback)
{
    int value = 0;
    return model::parseDecimal(text, value) ? value : fallback;
}

TMonitorData parseMessageLine(std::string_view line)
{
    std::vector<std::string> fields = lists::splitListFields(line);
    fields.resize(std::max(fields.size(), kMessageFields));
    TMonitorData message;
    message.Number = numberField(fields[0], 0);
    message.Text = fields[1];
    message.Colour = numberField(fields[2], 0);
    message.Size = numberField(fields[3], 8);
    message.Sound = numberField(fields[4], 0);
    message.SoundFile = fields[5];
    message.Picture = fields[6];
    message.Blink = fields[7] == "1";
    message.ActivateApp = fields[8] == "1";
    message.ShowWindow = fields[9] == "1";
    return message;
}

std::string flag(bool value)
{
    return value ? "1#" : "0#";
}

} // namespace

bool hasFieldMark(std::string_view text)
{
    return text.find('#') != std::string_view::npos;
}

std::vector<TEvent> parseEventList(std::string_view rest)
{
    const std::vector<std::string> fields = lists::splitListFields(rest);
    std::vector<TEvent> events;
    for (std::size_t i = 0; i < fields.size(); i += 3) {
        TEvent event;
        event.TxCode = fields[i];
        if (i + 1 < fields.size()) {
            event.ButtonCode = fields[i + 1];
        }
        events.push_back(std::move(event));
        if (i + 2 >= fields.size() || fields[i + 2] != "n") {
            break;
        }
    }
    return events;
}

std::string formatEventList(const std::vector<TEvent>& events)
{
    std::string line;
    for (const TEvent& event : events) {
        line += event.TxCode + "#" + event.ButtonCode + "#n#";
    }
    return line + "end";
}

MonitorParse parseMonitorSetup(std::string_view content, std::vector<TMonitorData>& messages)
{
    messages.clear();
    const std::vector<std::string> lines = text::splitLines(content);
    if (lines.empty() || lines[0] != kMonitorFileHeader) {
        return MonitorParse::WrongHeader;
    }
    // A missing line reads as an empty one, which lacks its mark.
    const auto lineAt = [&lines](std::size_t n) -> std::string_view {
        return n < lines.size() ? std::string_view(lines[n]) : std::string_view();
    };
    for (std::size_t n = 1; n < lines.size(); ++n) {
        if (lines[n].empty()) {
            continue;
        }
        messages.push_back(parseMessageLine(lines[n]));
        const std::string_view active = lineAt(++n);
        if (!active.starts_with(kActiveMark)) {
            return MonitorParse::MissingActive;
        }
        messages.back().ActiveEvents = parseEventList(active.substr(kActiveMark.size()));
        const std::string_view deactive = lineAt(++n);
        if (!deactive.starts_with(kDeactiveMark)) {
            return MonitorParse::MissingDeactive;
        }
        messages.back().DeactiveEvents = parseEventList(deactive.substr(kDeactiveMark.size()));
    }
    return MonitorParse::Loaded;
}

std::string formatMonitorSetup(const std::vector<TMonitorData>& messages)
{
    std::string content(kMonitorFileHeader);
    content += "\r\n";
    for (const TMonitorData& m : messages) {
        content += std::to_string(m.Number) + "#" + m.Text + "#" + std::to_string(m.Colour) + "#" +
                   std::to_string(m.Size) + "#" + std::to_string(m.Sound) + "#" + m.SoundFile + "#" + m.Picture + "#" +
                   flag(m.Blink) + flag(m.ActivateApp) + flag(m.ShowWindow) + "\r\n";
        content += std::string(kActiveMark) + formatEventList(m.ActiveEvents) + "\r\n";
        content += std::string(kDeactiveMark) + formatEventList(m.DeactiveEvents) + "\r\n";
    }
    return content;
}

} // namespace vorbix::monitor
