#include "ui/views/TFindForm.h"

#include "core/base/TextNumbers.h"
#include "ui/widgets/DialogParts.h"
#include "ui/widgets/QtText.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vorbix::ui {

TFindForm::TFindForm(views::TFinder& finder, const PopisType& lang, QWidget* parent)
    : QDialog(parent), m_finder(finder), m_lang(lang)
{
    setObjectName(QStringLiteral("TFindForm"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    m_findLabel = new QLabel;
    m_findLabel->setObjectName(QStringLiteral("FindLabel"));
    m_findCombo = new QComboBox;
    m_findCombo->setObjectName(QStringLiteral("FindCombo"));
    m_findCombo->setEditable(true);
    m_findCombo->setInsertPolicy(QComboBox::NoInsert);
    m_findCombo->setMinimumWidth(220);
    m_findLabel->setBuddy(m_findCombo);
    top->addWidget(m_findLabel);
    top->addWidget(m_findCombo, 1);
    layout->addLayout(top);
    m_colGroup = new QGroupBox;
    m_colGroup->setObjectName(QStringLiteral("ColGroup"));
    m_colLayout = new QGridLayout(m_colGroup);
    m_items = new QButtonGroup(this);
    layout->addWidget(m_colGroup);
    const OkCancelButtons buttons = addOkCancel(this);
    layout->addWidget(buttons.box);
    connect(buttons.ok, &QPushButton::clicked, this, &TFindForm::OKButtonClick);
    enterPresses(m_findCombo, buttons.ok);
}

void TFindForm::FormShow(const std::vector<std::string>& columnItems)
{
    setWindowTitle(fromCp(LangText(m_lang, lang::kFindCaption)));
    m_findLabel->setText(fromCp(LangText(m_lang, lang::kFindText)));
    m_colGroup->setTitle(fromCp(LangText(m_lang, lang::kFindColumn)));
    for (QAbstractButton* button : m_items->buttons()) {
        m_items->removeButton(button);
        delete button;
    }
    // Two columns of items, filled top to bottom.
    const int rows = static_cast<int>(columnItems.size() + 1) / 2;
    for (std::size_t i = 0; i < columnItems.size(); ++i) {
        auto* button = new QRadioButton(fromCp(columnItems[i]));
        button->setObjectName(QStringLiteral("ColItem%1").arg(i));
        m_items->addButton(button, static_cast<int>(i));
        m_colLayout->addWidget(button, static_cast<int>(i) % rows, static_cast<int>(i) / rows);
    }
    if (!columnItems.empty()) {
        m_items->button(0)->setChecked(true);
    }
    m_findCombo->clear();
    for (const std::string& text : m_finder.history()) {
        m_findCombo->addItem(fromCp(text));
    }
    m_findCombo->setEditText(fromCp(m_finder.searchText()));
    m_findCombo->lineEdit()->selectAll();
    m_findCombo->setFocus();
}

bool TFindForm::ask(const std::vector<std::string>& columnItems)
{
    FormShow(columnItems);
    return exec() == QDialog::Accepted;
}

void TFindForm::OKButtonClick()
{
    const int item = m_items->checkedId() < 0 ? 0 : m_items->checkedId();
    if (!m_finder.accept(toCp(m_findCombo->currentText()), item)) {
        reject();
        return;
    }
    accept();
}

} // namespace vorbix::ui
