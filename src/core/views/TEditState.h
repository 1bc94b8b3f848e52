#pragma once

#include "core/base/LanguageTable.h"
#include "core/model/TData.h"
#include "core/model/TDevice.h"
#include "core/model/TTx.h"
#include "core/views/EditRules.h"

#include <array>
#include <string>
#include <vector>

namespace vorbix::model {
class TRxFnc;
}

namespace vorbix::views {

// What the record edit dialog's controls show. The dialog copies its widgets into this before
// each handler and shows it again afterwards, so every rule of the dialog runs without widgets.
struct EditControls
{
    int id = 0;                      // EditID
    std::array<std::string, 4> user; // Edit1..Edit4
    int position = 0;                // MistoEdit
    std::string kod;                 // KodEdit: Prefix + Serial
    std::vector<std::string> typItems;
    std::string typ;         // TypCombo text
    std::string btn;         // BtnCombo text
    bool showButtons = true; // BtnGroup shown, InputRadio hidden
    std::array<bool, 4> btnVisible{};
    std::array<bool, 4> btnTicked{};
    std::vector<std::string> inputNames;
    int inputIndex = -1; // InputRadio selection
    bool multi = false;  // Multi layout: ReleCombo on, ChanelsGroup off
    std::vector<std::string> releItems;
    int releIndex = -1;
    std::vector<std::string> funkceItems;
    std::string funkce; // FunkceCombo text
    bool timeEnabled = false;
    EditTime time;
    std::array<bool, 8> chEnabled{};
    std::array<bool, 8> chTicked{};
};

// The record edit dialog's rules over a copy of one record. Messages (texts 138, 139, 79, 78, and
// the refusal of "#" in user texts) go to the error sink; the dialog stays open after each.
class TEditState
{
public:
    TEditState(const model::TRxFnc& functions, const PopisType& lang, ErrorSink onError);

    const model::TRxFnc& functions() const { return m_functions; }

    EditControls c;

    // `FormShow` for `record`, with the transmitter types just read (`typesLoaded` false when
    // "Tx.def" could not be read) and the receiver model (its relay count and record layouts).
    void FormShow(const model::TData& record, const std::vector<model::TTx>& types, bool typesLoaded,
                  const model::TDevice& device);

    void ShowTypeControls();
    void ButtonsToCode();
    void InputRadioClick(int index);
    void BtnComboChange();
    void TypComboChange();
    // False after text 138, also for a serial number the model cannot store (CanStoreSerial);
    // `refocus` tells whether the serial field takes the focus back.
    bool ValidateSerial(bool* refocus = nullptr);
    void UpdateFunctionList();
    // Loads the record's time when the time edits come on; they keep what the user typed while
    // they stay on.
    void UpdateTimeControls();
    bool LoadTime();
    void TimeEditExit();
    void ReleComboChange(int index);
    // `OKButtonClick`: true with `result` the new record when every rule passes; the caller then
    // replaces the record.
    bool Accept(model::TData& result);

    int currentType() const { return m_currentType; }
    const std::vector<model::TTx>& types() const { return m_types; }
    // The type whose controls are shown, null when there are no types.
    const model::TTx* shownType() const;
    int currentRelay() const { return m_currentRelay; }
    const std::string& workFunction() const { return m_workFunction; }
    const std::string& workTimes() const { return m_workTimes; }

private:
    void error(int text);
    void updateTimeControls(bool reload);
    bool typeHasButtons() const;

    const model::TRxFnc& m_functions;
    const PopisType& m_lang;
    ErrorSink m_onError;
    model::TData m_record;
    model::TDevice m_device;
    std::vector<model::TTx> m_types;
    int m_currentType = 0;
    std::string m_workFunction;
    std::string m_workTimes;
    int m_currentRelay = 1;
};

// The message for a user text with "#", which would split the text in the data file.
inline constexpr const char* HashInUserText = "User texts may not contain the character \"#\".";

} // namespace vorbix::views
