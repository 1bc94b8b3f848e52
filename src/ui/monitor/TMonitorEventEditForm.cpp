#include "ui/monitor/TMonitorEventEditForm.h"

#include "core/base/TextNumbers.h"
#include "core/monitor/EventRules.h"
#include "core/monitor/MonitorFile.h"
#include "core/views/EditRules.h"
#include "ui/widgets/DialogParts.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/QtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace vorbix::ui {

namespace {

constexpr const char* kNoType = "-";
constexpr int kGroupTitleHeight = 16;

} // namespace

TMonitorEventEditForm::TMonitorEventEditForm(const PopisType& lang, ErrorSink onError, QWidget* parent)
    : QDialog(parent), m_lang(lang), m_onError(std::move(onError))
{
    setObjectName(QStringLiteral("TMonitorEventEditForm"));
    setModal(true);
    build();
}

void TMonitorEventEditForm::build()
{
    auto* layout = new QVBoxLayout(this);
    m_userGroup = named(new QGroupBox(this), "UserGroup");
    auto* userLayout = new QGridLayout(m_userGroup);
    m_userIDLabel = named(new QLabel, "UserIDLabel");
    m_editID = named(new QLineEdit, "EditID");
    m_editID->setReadOnly(true);
    userLayout->addWidget(m_userIDLabel, 0, 0);
    userLayout->addWidget(m_editID, 0, 1);
    for (std::size_t k = 0; k < 4; ++k) {
        m_userLabels[k] = new QLabel;
        m_userLabels[k]->setObjectName(QStringLiteral("Label%1").arg(k + 1));
        m_userEdits[k] = new QLineEdit;
        m_userEdits[k]->setObjectName(QStringLiteral("Edit%1").arg(k + 1));
        m_userEdits[k]->setReadOnly(true);
        userLayout->addWidget(m_userLabels[k], static_cast<int>(k) + 1, 0);
        userLayout->addWidget(m_userEdits[k], static_cast<int>(k) + 1, 1);
    }
    layout->addWidget(m_userGroup);

    auto* codes = new QGridLayout;
    m_kodLabel = named(new QLabel, "KodLabel");
    m_kodEdit = named(new QLineEdit, "KodEdit");
    m_kodEdit->setMaxLength(7);
    m_kodLabel->setBuddy(m_kodEdit);
    m_typLabel = named(new QLabel, "TypLabel");
    m_typCombo = named(new QComboBox, "TypCombo");
    m_typCombo->setEditable(true);
    m_typCombo->setInsertPolicy(QComboBox::NoInsert);
    m_typLabel->setBuddy(m_typCombo);
    m_btnLabel = named(new QLabel, "BtnLabel");
    m_btnCombo = named(new QComboBox, "BtnCombo");
    m_btnCombo->setEditable(true);
    m_btnCombo->setInsertPolicy(QComboBox::NoInsert);
    m_btnCombo->lineEdit()->setMaxLength(1);
    for (int v = 0; v < 16; ++v) {
        m_btnCombo->addItem(fromCp(views::hexDigit(v)));
    }
    m_btnLabel->setBuddy(m_btnCombo);
    codes->addWidget(m_kodLabel, 0, 0);
    codes->addWidget(m_kodEdit, 0, 1);
    codes->addWidget(m_typLabel, 1, 0);
    codes->addWidget(m_typCombo, 1, 1);
    codes->addWidget(m_btnLabel, 2, 0);
    codes->addWidget(m_btnCombo, 2, 1);
    codes->setRowStretch(3, 1);

    auto* middle = new QHBoxLayout;
    middle->addLayout(codes);
    // The button pictures and boxes stand where "Tx.def" puts them, in pixels inside the group.
    m_btnGroup = named(new QGroupBox(this), "BtnGroup");
    m_btnGroup->setMinimumSize(110, 110);
    for (std::size_t k = 0; k < 4; ++k) {
        m_btnPictures[k] = new QLabel(QString::number(k + 1), m_btnGroup);
        m_btnPictures[k]->setObjectName(QStringLiteral("Btn%1").arg(k + 1));
        m_btnPictures[k]->setFixedSize(33, 33);
        m_btnPictures[k]->setFrameShape(QFrame::Box);
        m_btnPictures[k]->setAlignment(Qt::AlignRight | Qt::AlignBottom);
        m_btnPictures[k]->setMargin(1);
        m_btnBoxes[k] = new QCheckBox(m_btnGroup);
        m_btnBoxes[k]->setObjectName(QStringLiteral("BtnBox%1").arg(k + 1));
        connect(m_btnBoxes[k], &QCheckBox::clicked, this, &TMonitorEventEditForm::TicksToCode);
    }
    middle->addWidget(m_btnGroup);
    m_inputRadio = named(new QGroupBox(this), "InputRadio");
    new QVBoxLayout(m_inputRadio);
    m_inputRadio->hide();
    middle->addWidget(m_inputRadio);
    layout->addLayout(middle);

    const OkCancelButtons buttons = addOkCancel(this);
    buttons.cancel->setObjectName(QStringLiteral("StornoButton"));
    layout->addWidget(buttons.box);
    connect(buttons.ok, &QPushButton::clicked, this, &TMonitorEventEditForm::OKButtonClick);
    enterPresses(m_typCombo, buttons.ok);
    enterPresses(m_btnCombo, buttons.ok);

    connect(m_kodEdit, &QLineEdit::editingFinished, this, [this] {
        if (!m_updating && isVisible()) {
            static_cast<void>(CheckTxCode());
        }
    });
    connect(m_typCombo, &QComboBox::currentTextChanged, this, [this] {
        if (!m_updating) {
            TypComboChange();
        }
    });
    connect(m_btnCombo, &QComboBox::currentTextChanged, this, [this] {
        if (!m_updating) {
            BtnComboChange();
        }
    });
}

void TMonitorEventEditForm::applyTexts(const std::array<std::string, 5>& userTitles)
{
    const auto t = [this](int n) { return fromCp(LangText(m_lang, n)); };
    setWindowTitle(t(lang::kMonitorEventCaption));
    m_userGroup->setTitle(t(lang::kEditUserGroup));
    m_kodLabel->setText(t(lang::kEditSerial));
    m_typLabel->setText(t(lang::kEditType));
    m_btnLabel->setText(t(lang::kEditButtons));
    m_btnGroup->setTitle(t(lang::kEditButtons));
    m_inputRadio->setTitle(t(lang::kEditInput));
    m_userIDLabel->setText(fromCp(userTitles[0]));
    for (std::size_t k = 0; k < 4; ++k) {
        m_userLabels[k]->setText(fromCp(userTitles[k + 1]));
    }
}

void TMonitorEventEditForm::fillTypes()
{
    const QSignalBlocker block(m_typCombo);
    m_typCombo->clear();
    for (const model::TTx& type : m_types) {
        m_typCombo->addItem(fromCp(type.Name));
    }
}

void TMonitorEventEditForm::FormShow(const monitor::TEvent& event, const std::string& programFolder,
                                     const std::array<std::string, 5>& userTitles)
{
    m_updating = true;
    applyTexts(userTitles);
    m_event = event;
    m_editID->setText(QString::number(event.ID));
    for (std::size_t k = 0; k < 4; ++k) {
        m_userEdits[k]->setText(fromCp(event.User[k]));
    }
    m_kodEdit->setText(fromCp(event.TxCode));
    setButtonText(fromCp(monitor::buttonFieldOf(event.TxCode, event.ButtonCode)));
    m_types.clear();
    if (!model::LoadTxTypes(programFolder, m_types, m_lang, m_onError)) {
        m_typCombo->setEditText(QString::fromLatin1(kNoType));
    }
    monitor::makeInputDevices(m_types);
    fillTypes();
    m_updating = false;
    SelectTypeByCode();
    static_cast<void>(CheckTxCode());
    m_kodEdit->setFocus();
}

bool TMonitorEventEditForm::edit(monitor::TEvent& event, const std::string& programFolder,
                                 const std::array<std::string, 5>& userTitles)
{
    FormShow(event, programFolder, userTitles);
    if (exec() != QDialog::Accepted) {
        return false;
    }
    event.TxCode = m_accepted.TxCode;
    event.ButtonCode = m_accepted.ButtonCode;
    return true;
}

void TMonitorEventEditForm::setButtonText(const QString& text)
{
    const QSignalBlocker block(m_btnCombo);
    const int index = m_btnCombo->findText(text);
    if (index >= 0) {
        m_btnCombo->setCurrentIndex(index);
    }
    m_btnCombo->setEditText(text);
}

void TMonitorEventEditForm::SelectTypeByCode()
{
    const int index = monitor::typeIndexForCode(m_types, toCp(m_kodEdit->text()));
    {
        const QSignalBlocker block(m_typCombo);
        if (index >= 0) {
            m_typCombo->setCurrentIndex(index);
        }
        m_typCombo->setEditText(index >= 0 ? fromCp(m_types[static_cast<std::size_t>(index)].Name)
                                           : QString::fromLatin1(kNoType));
    }
    ApplyTxType();
}

const model::TTx* TMonitorEventEditForm::typeInForce(bool& matched) const
{
    const int index = monitor::lastTypeNamed(m_types, toCp(m_typCombo->currentText()));
    matched = index >= 0;
    if (matched) {
        return &m_types[static_cast<std::size_t>(index)];
    }
    return m_types.empty() ? nullptr : &m_types.front();
}

void TMonitorEventEditForm::ApplyTxType()
{
    m_updating = true;
    bool matched = false;
    const model::TTx* type = typeInForce(matched);
    if (matched && type->Count != 0) {
        QString code = m_kodEdit->text();
        if (!code.isEmpty() && !type->Prefix.empty()) {
            code[0] = QLatin1Char(type->Prefix[0]);
            m_kodEdit->setText(code);
        }
    } else {
        const QSignalBlocker block(m_typCombo);
        m_typCombo->setEditText(QString::fromLatin1(kNoType));
    }
    int value = views::buttonValueOf(toCp(m_btnCombo->currentText()));
    const bool buttons = type == nullptr || type->HasButtons;
    m_btnGroup->setVisible(buttons);
    m_inputRadio->setVisible(!buttons);
    if (buttons) {
        for (std::size_t k = 0; k < 4; ++k) {
            const bool visible = type != nullptr && type->Buttons[k].Visible;
            m_btnPictures[k]->setVisible(visible);
            m_btnBoxes[k]->setVisible(visible);
            if (type != nullptr) {
                // The tick box stands on its button's picture.
                const int left = type->Buttons[k].Left;
                const int top = type->Buttons[k].Top + kGroupTitleHeight;
                m_btnPictures[k]->move(left, top);
                m_btnBoxes[k]->move(left + 8, top + 8);
                m_btnBoxes[k]->raise();
            }
        }
        for (std::size_t k = 0; k < 4; ++k) {
            const int weight = 8 >> k;
            m_btnBoxes[k]->setChecked(value >= weight);
            if (value >= weight) {
                value -= weight;
            }
        }
    } else {
        for (QRadioButton* button : m_inputButtons) {
            delete button;
        }
        m_inputButtons.clear();
        bool selected = false;
        for (const model::TInput& input : type->Inputs) {
            auto* button = new QRadioButton(fromCp(input.Name), m_inputRadio);
            button->setObjectName(QStringLiteral("Input%1").arg(m_inputButtons.size() + 1));
            m_inputRadio->layout()->addWidget(button);
            button->show();
            if (!selected && input.Code == value) {
                button->setChecked(true);
                selected = true;
            }
            connect(button, &QRadioButton::clicked, this, &TMonitorEventEditForm::InputRadioClick);
            m_inputButtons.push_back(button);
        }
        if (!selected) {
            setButtonText(QStringLiteral("0"));
        }
    }
    m_updating = false;
}

void TMonitorEventEditForm::TicksToCode()
{
    bool matched = false;
    const model::TTx* type = typeInForce(matched);
    if (!matched || type->Count == 0) {
        const QSignalBlocker block(m_typCombo);
        m_typCombo->setEditText(QString::fromLatin1(kNoType));
    }
    if (type == nullptr) {
        return;
    }
    std::array<bool, 4> ticked{};
    for (std::size_t k = 0; k < 4; ++k) {
        ticked[k] = m_btnBoxes[k]->isChecked();
    }
    setButtonText(fromCp(views::ButtonsToCode(*type, ticked)));
}

void TMonitorEventEditForm::TypComboChange()
{
    const QString name = m_typCombo->currentText();
    if (name.isEmpty() || name == QLatin1String(kNoType) || name == QLatin1String(" ")) {
        m_kodEdit->setText(QStringLiteral("x0") + m_kodEdit->text().mid(2, 5));
        fillTypes();
        const QSignalBlocker block(m_typCombo);
        m_typCombo->setEditText(name);
    }
    ApplyTxType();
    const QSignalBlocker block(m_typCombo);
    const QString shown = m_typCombo->currentText();
    const int index = m_typCombo->findText(shown);
    if (index >= 0) {
        m_typCombo->setCurrentIndex(index);
    }
    m_typCombo->setEditText(shown);
}

void TMonitorEventEditForm::BtnComboChange()
{
    const QString text = m_btnCombo->currentText();
    if (!text.isEmpty()) {
        setButtonText(m_btnCombo->findText(text) >= 0 ? text : QStringLiteral("0"));
    }
    ApplyTxType();
}

void TMonitorEventEditForm::InputRadioClick()
{
    bool matched = false;
    const model::TTx* type = typeInForce(matched);
    QString code = QStringLiteral("0");
    for (std::size_t i = 0; type != nullptr && i < m_inputButtons.size() && i < type->Inputs.size(); ++i) {
        if (m_inputButtons[i]->isChecked()) {
            code = fromCp(views::hexDigit(type->Inputs[i].Code));
        }
    }
    setButtonText(code);
}

bool TMonitorEventEditForm::CheckTxCode()
{
    std::string code = toCp(m_kodEdit->text());
    if (!monitor::CheckTxCode(code, toCp(m_typCombo->currentText()), m_types)) {
        if (m_onError) {
            m_onError(LangText(m_lang, lang::kBadSerial));
        }
        m_kodEdit->setText(fromCp(m_event.TxCode));
        return false;
    }
    m_kodEdit->setText(fromCp(code));
    return true;
}

void TMonitorEventEditForm::OKButtonClick()
{
    static_cast<void>(CheckTxCode());
    bool matched = false;
    const model::TTx* type = typeInForce(matched);
    if (type != nullptr && type->HasButtons) {
        TicksToCode();
    }
    const std::string button = toCp(m_btnCombo->currentText());
    if (monitor::hasFieldMark(button)) {
        Dialogs::error(this, QString::fromLatin1(monitor::HashInMonitorField));
        return;
    }
    m_accepted = m_event;
    m_accepted.TxCode = toCp(m_kodEdit->text());
    m_accepted.ButtonCode = monitor::buttonCodeOf(m_accepted.TxCode, button);
    accept();
}

} // namespace vorbix::ui
