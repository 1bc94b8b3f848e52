#include "core/monitor/Reception.h"

#include "core/lists/EventCode.h"
#include "core/model/TxCode.h"
#include "core/monitor/EventRules.h"
#include "core/online/StatusBlock.h"

#include <algorithm>

namespace vorbix::monitor {

const char* changeKindName(ChangeKind kind)
{
    switch (kind) {
    case ChangeKind::Activate:
        return "activate";
    case ChangeKind::Reactivate:
        return "reactivate";
    case ChangeKind::Deactivate:
        return "deactivate";
    case ChangeKind::Acknowledge:
        return "acknowledge";
    case ChangeKind::LinkLost:
        return "link-lost";
    case ChangeKind::LinkRestored:
        return "link-restored";
    case ChangeKind::Silence:
        return "silence";
    }
    return "";
}

TSlot nextSlotPosition(const std::vector<TSlot>& slots, const WorkArea& area)
{
    const TSlot firstSlot{area.height - 150, 10, -1};
    if (slots.empty()) {
        return firstSlot;
    }
    const TSlot& previous = slots.back();
    TSlot slot{previous.Top, previous.Left + 200, -1};
    if (area.width < slot.Left + 200) {
        slot = {previous.Top - 150, 10, -1};
        if (slot.Top <= 10) {
            slot = firstSlot;
        }
    }
    return slot;
}

ShownColours shownColours(const MessageLook& look, bool blinkPhase)
{
    if (!look.BlinkOn || !blinkPhase) {
        return {look.BackColour, look.TextColour};
    }
    if (look.BackColour != 0x000000) {
        return {0x000000, look.BackColour};
    }
    return {0xFFFFFF, 0x000000};
}

Reception::Reception(TMonitor& monitor, ReceptionHooks hooks)
    : m_monitor(monitor), m_hooks(std::move(hooks)), m_now([] { return std::chrono::system_clock::now(); })
{
    m_monitor.Deactivate = [this](int position) {
        DeaktivujZpravu(position);
        clearHandled();
    };
}

Reception::~Reception()
{
    m_monitor.Deactivate = {};
}

TMonitorData* Reception::message(int position)
{
    if (position < 0 || static_cast<std::size_t>(position) >= m_monitor.Messages.size()) {
        return nullptr;
    }
    return &m_monitor.Messages[static_cast<std::size_t>(position)];
}

void Reception::clearHandled()
{
    for (TMonitorData& m : m_monitor.Messages) {
        m.Handled = false;
    }
}

void Reception::report(ChangeKind kind, int position, int order)
{
    if (!m_hooks.changed) {
        return;
    }
    const TMonitorData& m = m_monitor.Messages[static_cast<std::size_t>(position)];
    Change change;
    change.kind = kind;
    change.position = position;
    change.number = m.Number;
    change.text = m.Text;
    change.order = order;
    if (kind != ChangeKind::Acknowledge) {
        change.txCode = m_txCode;
        change.buttonCode = m_buttonCode;
    }
    change.time = kind == ChangeKind::Deactivate || kind == ChangeKind::Acknowledge ? m_now() : m.ActivatedAt;
    m_hooks.changed(change);
}

void Reception::reportOwn(ChangeKind kind, const std::string& text)
{
    if (!m_hooks.changed) {
        return;
    }
    Change change;
    change.kind = kind;
    change.position = -1;
    change.text = text;
    change.time = m_now();
    m_hooks.changed(change);
}

void Reception::LinkLost(const std::string& text)
{
    if (m_linkLost) {
        return;
    }
    m_linkLost = true;
    if (m_hooks.sound) {
        m_hooks.sound({kAlarmSound, ""});
    }
    reportOwn(ChangeKind::LinkLost, text);
}

void Reception::LinkRestored(const std::string& text)
{
    if (!m_linkLost) {
        return;
    }
    m_linkLost = false;
    reportOwn(ChangeKind::LinkRestored, text);
}

void Reception::Silence()
{
    if (m_hooks.sound) {
        m_hooks.sound(SoundRequest{});
    }
    reportOwn(ChangeKind::Silence, "");
}

void Reception::Prijem(const std::string& txCode, char code)
{
    const std::string codeText = online::EventCodeText(txCode, code);
    const std::string serial = model::SerialOfTxCode(txCode);
    // Characters 3-7 of an event's code, without copying: this runs for every event of the setup.
    const auto serialMatches = [&serial](const std::string& eventTx) {
        return eventTx.size() > 2 && std::string_view(eventTx).substr(2, 5) == serial;
    };
    m_txCode = txCode;
    m_buttonCode = codeText;
    const auto matches = [&](const TEvent& e, int strictness) {
        return serialMatches(e.TxCode) && TlacitkaSouhlasi(codeText, e.ButtonCode, strictness);
    };
    const auto anyMatch = [&](const std::vector<TEvent>& events, int strictness) {
        return std::any_of(events.begin(), events.end(), [&](const TEvent& e) { return matches(e, strictness); });
    };
    // Our own menus and transient dialogs would hide the alarm: they close before a switch. Nothing
    // is sent to other programs, whose work a stray key press could cancel.
    const auto beforeSwitch = [this](const TMonitorData& m) {
        if (!m.Handled && m_hooks.closeTransients) {
            m_hooks.closeTransients();
        }
    };
    for (int strictness = 4; strictness >= 1; --strictness) {
        // Only an event that switched (or would have, but for this reception's earlier switch of the
        // same message) keeps the lower strictnesses from being tried.
        bool matched = false;
        for (std::size_t p = 0; p < m_monitor.Messages.size(); ++p) {
            const int position = static_cast<int>(p);
            const TMonitorData& m = m_monitor.Messages[p];
            if (!m.isActive() && anyMatch(m.ActiveEvents, strictness)) {
                matched = true;
                beforeSwitch(m);
                AktivujZpravu(position);
            }
            if (m.isActive() && anyMatch(m.DeactiveEvents, strictness)) {
                matched = true;
                beforeSwitch(m);
                DeaktivujZpravu(position);
            }
            if (m.isActive() && anyMatch(m.ActiveEvents, strictness)) {
                matched = true;
                beforeSwitch(m);
                ReAktivujZpravu(position);
            }
        }
        if (matched) {
            break;
        }
    }
    clearHandled();
    m_txCode.clear();
    m_buttonCode.clear();
}

int Reception::takeSlot(int position)
{
    std::vector<TSlot>& slots = m_monitor.Slots;
    // The messages' own slots are what counts: removing a message moves the positions of the others.
    for (TSlot& slot : slots) {
        slot.Message = -1;
    }
    for (std::size_t p = 0; p < m_monitor.Messages.size(); ++p) {
        const int used = m_monitor.Messages[p].Slot;
        if (used >= 0 && static_cast<std::size_t>(used) < slots.size()) {
            slots[static_cast<std::size_t>(used)].Message = static_cast<int>(p);
        }
    }
    for (std::size_t s = 0; s < slots.size(); ++s) {
        if (slots[s].Message < 0) {
            slots[s].Message = position;
            return static_cast<int>(s);
        }
    }
    TSlot slot = nextSlotPosition(slots, m_area);
    slot.Message = position;
    slots.push_back(slot);
    return static_cast<int>(slots.size()) - 1;
}

TSlot Reception::freeSlot() const
{
    const std::vector<TSlot>& slots = m_monitor.Slots;
    std::vector<bool> held(slots.size(), false);
    for (const TMonitorData& m : m_monitor.Messages) {
        if (m.Slot >= 0 && static_cast<std::size_t>(m.Slot) < slots.size()) {
            held[static_cast<std::size_t>(m.Slot)] = true;
        }
    }
    for (std::size_t s = 0; s < slots.size(); ++s) {
        if (!held[s]) {
            return slots[s];
        }
    }
    return nextSlotPosition(slots, m_area);
}

void Reception::AktivujZpravu(int position)
{
    TMonitorData* m = message(position);
    if (m == nullptr || m->Handled) {
        return;
    }
    m->Order = m_monitor.ActiveCount + 1;
    m->ActivatedAt = m_now();
    m->Handled = true;
    m->Marked = false;
    if (m_hooks.sound) {
        m_hooks.sound({m->Sound, m->SoundFile});
    }
    if (m->ActivateApp && m_hooks.bringToFront) {
        m_hooks.bringToFront();
    }
    ++m_monitor.ActiveCount;
    if (m->ShowWindow) {
        m->Slot = takeSlot(position);
        if (m_hooks.openPopup) {
            m_hooks.openPopup(position, m_monitor.Slots[static_cast<std::size_t>(m->Slot)]);
        }
    }
    report(ChangeKind::Activate, position, m->Order);
}

void Reception::ReAktivujZpravu(int position)
{
    TMonitorData* m = message(position);
    if (m == nullptr || m->Handled || !m->isActive()) {
        return;
    }
    m->ActivatedAt = m_now();
    m->Handled = true;
    m->Marked = false;
    if (m_hooks.sound) {
        m_hooks.sound({m->Sound, m->SoundFile});
    }
    if (m->ActivateApp && m_hooks.bringToFront) {
        m_hooks.bringToFront();
    }
    // A message whose window was switched on by editing while it was active has no window to show.
    if (m->ShowWindow && m->Slot >= 0 && m_hooks.reshowPopup) {
        m_hooks.reshowPopup(position);
    }
    report(ChangeKind::Reactivate, position, m->Order);
}

void Reception::DeaktivujZpravu(int position, ChangeKind kind)
{
    TMonitorData* m = message(position);
    if (m == nullptr || m->Handled || !m->isActive()) {
        return;
    }
    const int order = m->Order;
    m->Order = 0;
    m->Handled = true;
    m->Marked = false;
    if (m_hooks.sound) {
        m_hooks.sound({0, m->SoundFile});
    }
    for (TMonitorData& other : m_monitor.Messages) {
        if (other.Order > order) {
            --other.Order;
        }
    }
    if (m->Slot >= 0) {
        if (static_cast<std::size_t>(m->Slot) < m_monitor.Slots.size()) {
            m_monitor.Slots[static_cast<std::size_t>(m->Slot)].Message = -1;
        }
        m->Slot = -1;
        if (m_hooks.closePopup) {
            m_hooks.closePopup(position);
        }
    }
    --m_monitor.ActiveCount;
    report(kind, position, order);
}

std::vector<ActiveRow> Reception::rows() const
{
    std::vector<ActiveRow> result;
    for (std::size_t p = 0; p < m_monitor.Messages.size(); ++p) {
        const TMonitorData& m = m_monitor.Messages[p];
        if (m.Order <= 0) {
            continue;
        }
        if (result.size() < static_cast<std::size_t>(m.Order)) {
            result.resize(static_cast<std::size_t>(m.Order));
        }
        result[static_cast<std::size_t>(m.Order) - 1] = {static_cast<int>(p), m.Number,    m.Text,
                                                         m.ActivatedAt,       m.Size + 12, m.Marked};
    }
    return result;
}

void Reception::SelectAll(bool ticked)
{
    m_selectAll = ticked;
    for (TMonitorData& m : m_monitor.Messages) {
        if (m.isActive()) {
            m.Marked = ticked;
        }
    }
}

bool Reception::TickRow(int row)
{
    const std::vector<ActiveRow> table = rows();
    if (row < 1 || static_cast<std::size_t>(row) > table.size()) {
        return false;
    }
    if (m_selectAll) {
        SelectAll(false);
    }
    TMonitorData& m = m_monitor.Messages[static_cast<std::size_t>(table[static_cast<std::size_t>(row) - 1].position)];
    m.Marked = !m.Marked;
    return true;
}

void Reception::Deactive()
{
    // The rows as they stand: the orders close up while the marked messages go.
    for (const ActiveRow& row : rows()) {
        if (m_monitor.Messages[static_cast<std::size_t>(row.position)].Marked) {
            DeaktivujZpravu(row.position, ChangeKind::Acknowledge);
        }
    }
    clearHandled();
    m_selectAll = false;
}

void Reception::DeactiveAll()
{
    SelectAll(true);
    Deactive();
}

} // namespace vorbix::monitor
