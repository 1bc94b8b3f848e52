#include "core/monitor/TMonitor.h"

#include "core/base/TextNumbers.h"
#include "core/lists/EventCode.h"
#include "core/lists/ListLinking.h"
#include "core/model/TxCode.h"
#include "core/monitor/EventRules.h"
#include "core/monitor/MonitorFile.h"
#include "core/text/AtomicFile.h"
#include "core/text/TextFile.h"

#include <algorithm>

namespace vorbix::monitor {

namespace {

// The failure of a load as the user reads it; empty for Loaded.
std::string parseFailure(MonitorParse parse, const std::string& formatText, const std::string& path)
{
    switch (parse) {
    case MonitorParse::Loaded:
        return {};
    case MonitorParse::WrongHeader:
        return formatText + " - " + path;
    case MonitorParse::MissingActive:
    case MonitorParse::MissingDeactive:
        return "Cyhba - " + path;
    }
    return {};
}

} // namespace

void TMonitor::setMessages(const PopisType* lang, ErrorSink onError)
{
    m_lang = lang;
    m_onError = std::move(onError);
}

void TMonitor::report(const std::string& message) const
{
    if (m_onError) {
        m_onError(message);
    }
}

std::string TMonitor::text(int n) const
{
    return m_lang != nullptr ? LangText(*m_lang, n) : std::string();
}

void TMonitor::deactivateIfActive(int position)
{
    if (position >= 0 && static_cast<std::size_t>(position) < Messages.size() &&
        Messages[static_cast<std::size_t>(position)].isActive() && Deactivate) {
        Deactivate(position);
    }
}

bool TMonitor::Nacti(const std::string& path)
{
    std::string error;
    return Nacti(path, error);
}

bool TMonitor::Nacti(const std::string& path, std::string& error)
{
    std::string content;
    std::string reason;
    if (!text::readFile(path, content, reason)) {
        error = text(lang::kFileCannotBeOpened) + " - " + reason;
        return false;
    }
    std::vector<TMonitorData> loaded;
    const MonitorParse parse = parseMonitorSetup(content, loaded);
    if (parse != MonitorParse::Loaded) {
        error = parseFailure(parse, text(lang::kFileFormat), path);
        report(error);
        return false;
    }
    for (std::size_t p = 0; p < Messages.size(); ++p) {
        deactivateIfActive(static_cast<int>(p));
    }
    Messages = std::move(loaded);
    SetupFile = path;
    SetupPresent = true;
    SetupSaved = true;
    Current = 0;
    // The file keeps no user texts: the events take them from the open data set at once.
    CommentRefresh();
    error.clear();
    return true;
}

bool TMonitor::Uloz()
{
    std::string error;
    if (!text::writeFileAtomically(SetupFile, formatMonitorSetup(Messages), error)) {
        report(text(lang::kFileCannotBeOpened) + " - " + error);
        return false;
    }
    return true;
}

bool TMonitor::UlozJako(const std::string& path)
{
    SetupFile = path;
    return Uloz();
}

void TMonitor::PridejZpravu(const MessageValues& values)
{
    TMonitorData message;
    message.setValues(values);
    message.Number = static_cast<int>(Messages.size()) + 1;
    Messages.push_back(std::move(message));
    SetupSaved = false;
    SetupPresent = true;
}

bool TMonitor::Edituj(int number, const MessageValues& values)
{
    const int position = number - 1;
    if (position < 0 || static_cast<std::size_t>(position) >= Messages.size()) {
        return false;
    }
    deactivateIfActive(position);
    Messages[static_cast<std::size_t>(position)].setValues(values);
    SetupSaved = false;
    return true;
}

int TMonitor::Odstran(const std::vector<int>& numbers)
{
    const auto chosen = [&numbers](const TMonitorData& m) {
        return std::find(numbers.begin(), numbers.end(), m.Number) != numbers.end();
    };
    // Back to front, as a deactivation may renumber the orders but never the positions.
    for (std::size_t p = Messages.size(); p-- > 0;) {
        if (chosen(Messages[p])) {
            deactivateIfActive(static_cast<int>(p));
        }
    }
    const auto removed = std::erase_if(Messages, chosen);
    for (std::size_t p = 0; p < Messages.size(); ++p) {
        Messages[p].Number = static_cast<int>(p) + 1;
    }
    SetupSaved = false;
    return static_cast<int>(removed);
}

std::vector<TEvent>* TMonitor::eventList(bool active, int message)
{
    if (message < 0 || static_cast<std::size_t>(message) >= Messages.size()) {
        return nullptr;
    }
    TMonitorData& m = Messages[static_cast<std::size_t>(message)];
    return active ? &m.ActiveEvents : &m.DeactiveEvents;
}

EventAdd TMonitor::PridejEvent(const std::string& txCode, const std::string& buttonCode, const EventEditor& edit)
{
    std::vector<TEvent>* list = eventList(AddToActive, Current);
    if (list == nullptr) {
        return EventAdd::Placeholder;
    }
    TEvent event{txCode, buttonCode, 0, {}};
    if (edit) {
        edit(event);
    }
    if (model::SerialOfTxCode(event.TxCode) == "00000") {
        return EventAdd::Placeholder;
    }
    const bool known = std::any_of(list->begin(), list->end(), [&event](const TEvent& e) {
        return e.TxCode == event.TxCode && e.ButtonCode == event.ButtonCode;
    });
    if (known) {
        report(text(lang::kDuplicateMonitorEvent));
        return EventAdd::Duplicate;
    }
    list->push_back(std::move(event));
    SetupSaved = false;
    CommentRefresh();
    return EventAdd::Added;
}

bool TMonitor::EditEvent(bool active, int message, int event, const EventEditor& edit)
{
    std::vector<TEvent>* list = eventList(active, message);
    if (list == nullptr || event < 0 || static_cast<std::size_t>(event) >= list->size()) {
        return false;
    }
    if (!edit((*list)[static_cast<std::size_t>(event)])) {
        return false;
    }
    CommentRefresh();
    SetupSaved = false;
    return true;
}

bool TMonitor::RemoveEvent(bool active, int message, int event)
{
    std::vector<TEvent>* list = eventList(active, message);
    if (list == nullptr || event < 0 || static_cast<std::size_t>(event) >= list->size()) {
        return false;
    }
    list->erase(list->begin() + event);
    SetupSaved = false;
    return true;
}

void TMonitor::CommentRefresh()
{
    const model::RecordTable* records = Records ? Records() : nullptr;
    if (records == nullptr) {
        return;
    }
    const auto link = [records](TEvent& event) {
        event.ID = 0;
        event.User = {};
        const std::string serial = model::SerialOfTxCode(event.TxCode);
        for (const model::TData& record : *records) {
            if (record.Serial == serial && TlacitkaSouhlasi(event.ButtonCode, record.Button, 1)) {
                lists::takeMissingUserData(event.ID, event.User, record);
            }
        }
    };
    for (TMonitorData& m : Messages) {
        std::for_each(m.ActiveEvents.begin(), m.ActiveEvents.end(), link);
        std::for_each(m.DeactiveEvents.begin(), m.DeactiveEvents.end(), link);
    }
}

MessageLook TMonitor::NastavPismo(int position, const std::string& fontName) const
{
    MessageLook look;
    look.FontName = fontName;
    if (position < 0 || static_cast<std::size_t>(position) >= Messages.size()) {
        return look;
    }
    const TMonitorData& m = Messages[static_cast<std::size_t>(position)];
    const MessageColours colours = coloursOf(m.Colour);
    look.BackColour = colours.background;
    look.TextColour = colours.text;
    look.BlinkOn = m.Blink;
    look.FontSize = m.Size;
    return look;
}

} // namespace vorbix::monitor
