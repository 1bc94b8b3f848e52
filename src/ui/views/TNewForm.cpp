#include "ui/views/TNewForm.h"

#include "core/base/TextNumbers.h"
#include "core/views/RecordCommands.h"
#include "ui/widgets/DialogParts.h"
#include "ui/widgets/QtText.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorbix::ui {

TNewForm::TNewForm(const PopisType& lang, ErrorSink onError, QWidget* parent)
    : QDialog(parent), m_lang(lang), m_onError(std::move(onError))
{
    setObjectName(QStringLiteral("TNewForm"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    m_label = new QLabel;
    m_label->setObjectName(QStringLiteral("Label1"));
    m_combo = new QComboBox;
    m_combo->setObjectName(QStringLiteral("ComboRxTyp"));
    m_combo->setEditable(true);
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    m_combo->setMinimumWidth(280);
    layout->addWidget(m_label);
    layout->addWidget(m_combo);
    const OkCancelButtons buttons = addOkCancel(this);
    layout->addWidget(buttons.box);
    connect(buttons.ok, &QPushButton::clicked, this, &TNewForm::OKButtonClick);
    enterPresses(m_combo, buttons.ok);
}

void TNewForm::FormShow(const std::string& programFolder)
{
    setWindowTitle(fromCp(LangText(m_lang, lang::kNewFileCaption)));
    m_label->setText(fromCp(LangText(m_lang, lang::kNewFileReceiverType)));
    m_combo->clear();
    // A failed read has been reported through the sink; the list then stays empty.
    if (model::LoadModelList(programFolder + "/" + model::RxDefFileName, m_models, m_descriptions, m_lang, m_onError)) {
        for (const std::string& description : m_descriptions) {
            m_combo->addItem(fromCp(description));
        }
    }
    m_combo->setCurrentIndex(m_combo->count() > 0 ? 0 : -1);
    m_combo->setFocus();
}

bool TNewForm::choose(const std::string& programFolder, std::string& model)
{
    FormShow(programFolder);
    if (exec() != QDialog::Accepted) {
        return false;
    }
    model = m_chosen;
    return true;
}

void TNewForm::OKButtonClick()
{
    // The typed text counts only when it is not the selected item's.
    const int selected =
        m_combo->currentIndex() >= 0 && m_combo->currentText() == m_combo->itemText(m_combo->currentIndex())
            ? m_combo->currentIndex()
            : -1;
    if (!views::chooseNewModel(m_models, m_descriptions, selected, toCp(m_combo->currentText()), m_chosen)) {
        if (m_onError) {
            m_onError(LangText(m_lang, lang::kSelectReceiverType));
        }
        return;
    }
    accept();
}

} // namespace vorbix::ui
