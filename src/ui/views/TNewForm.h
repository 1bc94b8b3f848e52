#pragma once

#include "core/base/LanguageTable.h"
#include "core/model/RxDefinition.h"

#include <QDialog>

class QComboBox;
class QLabel;

namespace vorbix::ui {

// The New dialog: the receiver model for a new data set, chosen by its description.
class TNewForm : public QDialog
{
    Q_OBJECT
public:
    // `lang` must outlive the dialog; errors go to `onError` (an error box).
    TNewForm(const PopisType& lang, ErrorSink onError, QWidget* parent = nullptr);

    // The captions and the model list of `programFolder`'s "Rx.def", the first selected.
    void FormShow(const std::string& programFolder);
    // FormShow, then the modal dialog; true with `model` set when a model was chosen.
    bool choose(const std::string& programFolder, std::string& model);

    const std::string& chosenModel() const { return m_chosen; }

private:
    void OKButtonClick();

    const PopisType& m_lang;
    ErrorSink m_onError;
    std::vector<model::TRxArray> m_models;
    std::vector<std::string> m_descriptions;
    std::string m_chosen;
    QLabel* m_label = nullptr;
    QComboBox* m_combo = nullptr;
};

} // namespace vorbix::ui
