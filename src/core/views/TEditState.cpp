#include "core/views/TEditState.h"

#include "core/base/TextNumbers.h"
#include "core/model/MemoryImage.h"
#include "core/model/StorableSerial.h"
#include "core/model/TRxFnc.h"

#include <algorithm>

namespace vorbix::views {

namespace {

// Assigned as strings, not literals: GCC 12 warns falsely (-Wrestrict) on literal assignment at -O3.
const std::string NoType = "-";
const std::string NoButton = "0";
const std::string InputButton = "F";

const std::vector<std::string>& buttonCodes()
{
    static const std::vector<std::string> codes = {"0", "1", "2", "3", "4", "5", "6", "7",
                                                   "8", "9", "A", "B", "C", "D", "E", "F"};
    return codes;
}

int indexOf(const std::vector<std::string>& items, const std::string& text)
{
    const auto found = std::find(items.begin(), items.end(), text);
    return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

} // namespace

TEditState::TEditState(const model::TRxFnc& functions, const PopisType& lang, ErrorSink onError)
    : m_functions(functions), m_lang(lang), m_onError(std::move(onError))
{
}

void TEditState::error(int text)
{
    if (m_onError) {
        m_onError(LangText(m_lang, text));
    }
}

const model::TTx* TEditState::shownType() const
{
    return static_cast<std::size_t>(m_currentType) < m_types.size() ? &m_types[static_cast<std::size_t>(m_currentType)]
                                                                    : nullptr;
}

bool TEditState::typeHasButtons() const
{
    const model::TTx* type = shownType();
    return type && type->HasButtons;
}

void TEditState::FormShow(const model::TData& record, const std::vector<model::TTx>& types, bool typesLoaded,
                          const model::TDevice& device)
{
    m_record = record;
    m_device = device;
    const int relays = device.Relays;
    c = EditControls{};
    c.funkceItems = m_functions.FuncNames;

    c.id = record.ID;
    c.user = record.User;
    c.position = record.Position;
    c.kod = record.Prefix + record.Serial;
    c.typ = record.TxType;
    c.btn = record.Button;

    if (m_functions.isSingleLayout()) {
        c.multi = false;
        c.funkce = m_functions.FuncNameOf(record.Function);
        for (int k = 0; k < std::min(relays, 8); ++k) {
            c.chEnabled[static_cast<std::size_t>(k)] = true;
        }
        const std::string list = model::TRxFnc::RelayListText(record.Channels);
        int number = 0;
        for (std::size_t i = 0; i <= list.size(); ++i) {
            if (i < list.size() && list[i] >= '0' && list[i] <= '9') {
                number = number * 10 + (list[i] - '0');
                continue;
            }
            if (number >= 1 && number <= 8) {
                c.chTicked[static_cast<std::size_t>(number - 1)] = true;
            }
            number = 0;
        }
    } else {
        c.multi = true;
        c.funkce = m_functions.RelayFuncNameOf(1, record.Function);
        for (int k = 1; k <= m_functions.SingleRelay; ++k) {
            c.releItems.push_back("RE " + std::to_string(k));
        }
        c.releIndex = 0;
        m_workFunction = record.Function;
        m_workTimes = record.Times;
        m_currentRelay = 1;
    }

    m_types = typesLoaded ? types : std::vector<model::TTx>{};
    if (!typesLoaded) {
        c.typ = NoType;
    }
    for (const model::TTx& type : m_types) {
        c.typItems.push_back(type.Name);
    }
    ShowTypeControls();
    UpdateFunctionList();
    UpdateTimeControls();
}

void TEditState::ShowTypeControls()
{
    const int found = typeIndexOf(m_types, c.typ);
    m_currentType = found < 0 ? 0 : found;
    if (found >= 0 && m_types[static_cast<std::size_t>(found)].Count != 0) {
        const std::string& prefix = m_types[static_cast<std::size_t>(found)].Prefix;
        if (!c.kod.empty() && !prefix.empty()) {
            c.kod[0] = prefix[0];
        }
    } else {
        c.typ = NoType;
    }

    const model::TTx* type = shownType();
    if (!type || type->HasButtons) {
        c.showButtons = true;
        c.inputNames.clear();
        c.inputIndex = -1;
        for (std::size_t k = 0; k < 4; ++k) {
            c.btnVisible[k] = type && type->Buttons[k].Visible;
        }
        c.btnTicked = buttonBoxesOf(c.btn);
        return;
    }
    c.showButtons = false;
    c.inputNames.clear();
    c.inputIndex = -1;
    const int b = buttonValueOf(c.btn);
    for (std::size_t i = 0; i < type->Inputs.size(); ++i) {
        c.inputNames.push_back(type->Inputs[i].Name);
        if (c.inputIndex < 0 && type->Inputs[i].Code == b) {
            c.inputIndex = static_cast<int>(i);
        }
    }
    if (c.inputIndex < 0) {
        c.btn = NoButton;
    }
}

void TEditState::ButtonsToCode()
{
    const int found = typeIndexOf(m_types, c.typ);
    if (found < 0 || m_types[static_cast<std::size_t>(found)].Count == 0) {
        c.typ = NoType;
    }
    if (m_types.empty()) {
        c.btn = NoButton;
        return;
    }
    const model::TTx& type = m_types[static_cast<std::size_t>(found < 0 ? 0 : found)];
    c.btn = views::ButtonsToCode(type, c.btnTicked);
}

void TEditState::InputRadioClick(int index)
{
    c.inputIndex = index;
    const model::TTx* type = shownType();
    if (type && index >= 0 && static_cast<std::size_t>(index) < type->Inputs.size()) {
        c.btn = hexDigit(type->Inputs[static_cast<std::size_t>(index)].Code);
    } else {
        c.btn = NoButton;
    }
}

void TEditState::BtnComboChange()
{
    if (!c.btn.empty() && indexOf(buttonCodes(), c.btn) < 0) {
        c.btn = NoButton;
    }
    ShowTypeControls();
}

void TEditState::TypComboChange()
{
    if (c.typ == "-" || c.typ == " " || c.typ.empty()) {
        c.kod = "x0" + (c.kod.size() > 2 ? c.kod.substr(2, 5) : std::string());
    }
    ShowTypeControls();
    UpdateFunctionList();
}

bool TEditState::ValidateSerial(bool* refocus)
{
    std::string serial = c.kod;
    SerialCheck check = views::ValidateSerial(serial, c.typ, m_types);
    // A serial number the receiver would not give back unchanged is refused, not altered on upload.
    if (check == SerialCheck::Valid && !model::CanStoreSerial(m_device, m_types, serial)) {
        check = SerialCheck::Invalid;
    }
    bool valid = true;
    if (check == SerialCheck::Valid) {
        c.kod = serial;
    } else {
        error(lang::kBadSerial);
        c.kod = m_record.Prefix + m_record.Serial;
        valid = false;
    }
    if (refocus) {
        *refocus = check == SerialCheck::Invalid;
    }
    UpdateFunctionList();
    return valid;
}

void TEditState::UpdateFunctionList()
{
    c.funkceItems = functionListFor(c.kod, m_functions.FuncNames);
    if (!c.kod.empty() && c.kod[0] == 'A') {
        c.btn = InputButton;
        ShowTypeControls();
    }
    UpdateTimeControls();
}

void TEditState::UpdateTimeControls()
{
    updateTimeControls(false);
}

void TEditState::updateTimeControls(bool reload)
{
    const bool wasEnabled = c.timeEnabled;
    int index = indexOf(c.funkceItems, c.funkce);
    if (index < 0) {
        index = c.funkceItems.empty() ? -1 : 0;
        c.funkce = index < 0 ? std::string() : c.funkceItems[0];
    }
    c.timeEnabled = index >= 0 && index == m_functions.TimeFunction;
    // The record's time is shown when the time edits come on (or show another relay); reloading
    // it on every check of the serial number would throw away the time the user typed.
    if (c.timeEnabled && (reload || !wasEnabled)) {
        LoadTime();
    }
}

bool TEditState::LoadTime()
{
    const int relay = c.releIndex >= 0 ? c.releIndex + 1 : 1;
    const std::string text =
        m_functions.isSingleLayout() ? m_functions.TimeOf(m_record.Times) : m_functions.RelayTimeOf(relay, m_workTimes);
    if (!splitTimeText(text, c.time)) {
        error(lang::kBadTime);
        return false;
    }
    return true;
}

void TEditState::TimeEditExit()
{
    c.time = normaliseTime(c.time);
}

void TEditState::ReleComboChange(int index)
{
    if (!c.multi) {
        return;
    }
    c.releIndex = index;
    std::string functionCode;
    if (m_functions.RelayFuncCodeOf(m_currentRelay, c.funkce, functionCode)) {
        m_workFunction = functionCode;
    } else {
        c.releIndex = m_currentRelay - 1;
    }
    m_workTimes = m_functions.SetRelayTime(m_currentRelay, timeTenths(c.time, false), m_workTimes);
    if (c.releIndex < 0 || static_cast<std::size_t>(c.releIndex) >= c.releItems.size()) {
        c.releIndex = 0;
    }
    const int selected = c.releIndex + 1;
    c.funkce = m_functions.RelayFuncNameOf(selected, m_workFunction);
    updateTimeControls(true);
    m_currentRelay = selected;
}

bool TEditState::Accept(model::TData& result)
{
    for (const std::string& text : c.user) {
        if (!model::UserTextAllowed(text)) {
            if (m_onError) {
                m_onError(HashInUserText);
            }
            return false;
        }
    }
    if (!ValidateSerial()) {
        return false;
    }
    TimeEditExit();
    if (typeHasButtons()) {
        ButtonsToCode();
    }
    if (c.multi) {
        ReleComboChange(c.releIndex);
    }

    model::TData record = m_record;
    record.ID = c.id;
    record.User = c.user;
    record.Serial = c.kod.size() > 2 ? c.kod.substr(2, 5) : std::string();
    record.Prefix = c.kod.substr(0, 2);
    record.TxType = c.typ;
    record.Button = c.btn;
    if (!c.multi) {
        std::string functionCode;
        if (!m_functions.FuncCodeOf(c.funkce, functionCode)) {
            error(lang::kUnknownFunction);
            return false;
        }
        record.Function = functionCode;
        record.Times = m_functions.TimeCode(timeTenths(c.time, true));
        int mask = 0;
        for (std::size_t k = 0; k < 8; ++k) {
            mask += c.chTicked[k] ? 1 << k : 0;
        }
        static const char digits[] = "0123456789ABCDEF";
        const std::string twoDigits{digits[mask >> 4], digits[mask & 15]};
        // A model with a one-digit K field keeps the low digit; two digits would push the mask out.
        record.Channels = record.Channels.size() == 1 ? twoDigits.substr(1) : twoDigits;
    } else {
        record.Function = m_workFunction;
        record.Times = m_workTimes;
    }
    if (!m_functions.CheckRecord(record)) {
        error(lang::kRecordAgainstRules);
        return false;
    }
    m_functions.ApplySets(record);
    result = record;
    return true;
}

} // namespace vorbix::views
