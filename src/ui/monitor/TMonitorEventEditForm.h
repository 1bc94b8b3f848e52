#pragma once

#include "core/base/LanguageTable.h"
#include "core/model/TTx.h"
#include "core/monitor/TEvent.h"

#include <QDialog>
#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace vorbix::ui {

// The event dialog: the transmitter code and button code of one monitor event, helped by the
// transmitter types of "Tx.def" (the type gives the code's prefix and shows the buttons as four tick
// boxes, or an input device's inputs as a list). The event changes only at OK.
class TMonitorEventEditForm : public QDialog
{
    Q_OBJECT
public:
    // Errors (text 138, "Tx.def" faults) go to `onError`, an error box.
    TMonitorEventEditForm(const PopisType& lang, ErrorSink onError, QWidget* parent = nullptr);

    // The captions, the types of "Tx.def" in `programFolder` read again, the event in the controls.
    void FormShow(const monitor::TEvent& event, const std::string& programFolder,
                  const std::array<std::string, 5>& userTitles);
    // FormShow, then the modal dialog; true with the event's codes replaced when it was accepted.
    bool edit(monitor::TEvent& event, const std::string& programFolder, const std::array<std::string, 5>& userTitles);
    // The event of the last accepted dialog.
    const monitor::TEvent& acceptedEvent() const { return m_accepted; }

private:
    void build();
    void applyTexts(const std::array<std::string, 5>& userTitles);
    void fillTypes();
    void SelectTypeByCode();
    void ApplyTxType();
    void TicksToCode();
    [[nodiscard]] bool CheckTxCode();
    void TypComboChange();
    void BtnComboChange();
    void InputRadioClick();
    void OKButtonClick();
    // The type in force: the last of the combo's name, else the first type; null without types.
    const model::TTx* typeInForce(bool& matched) const;
    void setButtonText(const QString& text);

    const PopisType& m_lang;
    ErrorSink m_onError;
    std::vector<model::TTx> m_types;
    monitor::TEvent m_event;
    monitor::TEvent m_accepted;
    bool m_updating = false;

    QGroupBox* m_userGroup = nullptr;
    QLabel* m_userIDLabel = nullptr;
    QLineEdit* m_editID = nullptr;
    std::array<QLabel*, 4> m_userLabels{};
    std::array<QLineEdit*, 4> m_userEdits{};
    QLabel* m_kodLabel = nullptr;
    QLineEdit* m_kodEdit = nullptr;
    QLabel* m_typLabel = nullptr;
    QComboBox* m_typCombo = nullptr;
    QLabel* m_btnLabel = nullptr;
    QComboBox* m_btnCombo = nullptr;
    QGroupBox* m_btnGroup = nullptr;
    std::array<QLabel*, 4> m_btnPictures{};
    std::array<QCheckBox*, 4> m_btnBoxes{};
    QGroupBox* m_inputRadio = nullptr;
    std::vector<QRadioButton*> m_inputButtons;
};

} // namespace vorbix::ui
