#pragma once

#include "core/base/LanguageTable.h"
#include "core/model/TData.h"
#include "core/views/TEditState.h"

#include <QDialog>
#include <array>
#include <memory>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace vorbix::model {
class TRxFnc;
}

namespace vorbix::ui {

// The record edit dialog: one record as a form. It works on a copy and hands the new record back
// only when every rule passed (TEditState holds the rules; this class only mirrors its controls).
// Widgets carry the component names (KodEdit, TypCombo, BtnBox1, ...), so tests find them.
class TEditForm : public QDialog
{
    Q_OBJECT
public:
    // `functions` and `lang` must outlive the dialog; errors go to `onError` (an error box).
    TEditForm(const model::TRxFnc& functions, const PopisType& lang, ErrorSink onError, QWidget* parent = nullptr);
    ~TEditForm() override;

    // `FormShow`: the captions, the user column titles, "Tx.def" of `programFolder` read again,
    // and the record's values in the controls. `device` is the receiver model the record is for.
    void FormShow(const model::TData& record, const std::string& programFolder, const model::TDevice& device,
                  const std::array<std::string, 5>& userTitles);
    // FormShow, then the modal dialog; true with `record` replaced when it was accepted.
    bool edit(model::TData& record, const std::string& programFolder, const model::TDevice& device,
              const std::array<std::string, 5>& userTitles);

    // The record of the last accepted dialog.
    const model::TData& acceptedRecord() const { return m_accepted; }
    const views::TEditState& state() const { return m_state; }

private:
    void build();
    void applyTexts(const std::array<std::string, 5>& userTitles);
    void readControls();
    void showControls();
    // Runs a rule of the state between reading and showing the controls.
    template <typename Rule> void run(Rule rule);
    void OKButtonClick();

    const PopisType& m_lang;
    ErrorSink m_onError;
    views::TEditState m_state;
    model::TData m_accepted;
    bool m_showing = false;

    QGroupBox* m_userGroup = nullptr;
    QLabel* m_userIDLabel = nullptr;
    std::array<QLabel*, 4> m_userLabels{};
    QSpinBox* m_editID = nullptr;
    std::array<QLineEdit*, 4> m_userEdits{};
    QLabel* m_memLabel = nullptr;
    QLineEdit* m_mistoEdit = nullptr;
    QLabel* m_serialLabel = nullptr;
    QLineEdit* m_kodEdit = nullptr;
    QLabel* m_txTypeLabel = nullptr;
    QComboBox* m_typCombo = nullptr;
    QLabel* m_buttonLabel = nullptr;
    QComboBox* m_btnCombo = nullptr;
    QGroupBox* m_btnGroup = nullptr;
    QWidget* m_btnArea = nullptr; // the group's client area, origin of the "Tx.def" positions
    std::array<QLabel*, 4> m_btnPictures{};
    std::array<QCheckBox*, 4> m_btnBoxes{};
    QGroupBox* m_inputRadio = nullptr;
    std::vector<QRadioButton*> m_inputButtons;
    QLabel* m_releLabel = nullptr;
    QComboBox* m_releCombo = nullptr;
    QLabel* m_funkceLabel = nullptr;
    QComboBox* m_funkceCombo = nullptr;
    QGroupBox* m_timeGroup = nullptr;
    QSpinBox* m_minEdit = nullptr;
    QSpinBox* m_secEdit = nullptr;
    QSpinBox* m_milEdit = nullptr;
    std::array<QLabel*, 3> m_timeLabels{};
    QGroupBox* m_chanelsGroup = nullptr;
    std::array<QCheckBox*, 8> m_chBoxes{};
    QPushButton* m_okButton = nullptr;
    QPushButton* m_stornoButton = nullptr;
};

} // namespace vorbix::ui
