#include "ui/views/TEditForm.h"

#include "core/base/TextNumbers.h"
#include "core/model/TDevice.h"
#include "core/model/TRxFnc.h"
#include "core/model/TTx.h"
#include "ui/widgets/DialogParts.h"
#include "ui/widgets/QtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>

namespace vorbix::ui {

namespace {

std::string text(const QComboBox* combo)
{
    return toCp(combo->currentText());
}

// Sets a combo's items and text without letting it announce the change.
void showCombo(QComboBox* combo, const std::vector<std::string>& items, const std::string& current)
{
    const QSignalBlocker block(combo);
    QStringList list;
    for (const std::string& item : items) {
        list << fromCp(item);
    }
    bool same = combo->count() == list.size();
    for (int i = 0; same && i < list.size(); ++i) {
        same = combo->itemText(i) == list[i];
    }
    if (!same) {
        combo->clear();
        combo->addItems(list);
    }
    const int index = combo->findText(fromCp(current));
    if (index >= 0) {
        combo->setCurrentIndex(index);
    }
    if (combo->isEditable()) {
        combo->setEditText(fromCp(current));
    }
}

QSpinBox* spin(const char* name, int minimum, int maximum, int step)
{
    auto* box = new QSpinBox;
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(minimum, maximum);
    box->setSingleStep(step);
    return box;
}

} // namespace

TEditForm::TEditForm(const model::TRxFnc& functions, const PopisType& lang, ErrorSink onError, QWidget* parent)
    : QDialog(parent), m_lang(lang), m_onError(onError), m_state(functions, lang, std::move(onError))
{
    setObjectName(QStringLiteral("TEditForm"));
    setModal(true);
    build();
}

TEditForm::~TEditForm() = default;

void TEditForm::build()
{
    auto* layout = new QVBoxLayout(this);

    m_userGroup = new QGroupBox(this);
    m_userGroup->setObjectName(QStringLiteral("UserGroup"));
    auto* userLayout = new QGridLayout(m_userGroup);
    m_userIDLabel = new QLabel;
    m_userIDLabel->setObjectName(QStringLiteral("UserIDLabel"));
    m_editID = spin("EditID", INT_MIN, INT_MAX, 1);
    userLayout->addWidget(m_userIDLabel, 0, 0);
    userLayout->addWidget(m_editID, 0, 1);
    for (std::size_t k = 0; k < 4; ++k) {
        m_userLabels[k] = new QLabel;
        m_userLabels[k]->setObjectName(QStringLiteral("Label%1").arg(k + 1));
        m_userEdits[k] = new QLineEdit;
        m_userEdits[k]->setObjectName(QStringLiteral("Edit%1").arg(k + 1));
        userLayout->addWidget(m_userLabels[k], static_cast<int>(k) + 1, 0);
        userLayout->addWidget(m_userEdits[k], static_cast<int>(k) + 1, 1);
    }
    layout->addWidget(m_userGroup);

    auto* recordLayout = new QGridLayout;
    auto addRow = [&](int row, QLabel*& label, const char* labelName, QWidget* field) {
        label = new QLabel;
        label->setObjectName(QString::fromLatin1(labelName));
        label->setBuddy(field);
        recordLayout->addWidget(label, row, 0);
        recordLayout->addWidget(field, row, 1);
    };
    m_mistoEdit = new QLineEdit;
    m_mistoEdit->setObjectName(QStringLiteral("MistoEdit"));
    m_mistoEdit->setReadOnly(true);
    addRow(0, m_memLabel, "MemLabel", m_mistoEdit);
    m_kodEdit = new QLineEdit;
    m_kodEdit->setObjectName(QStringLiteral("KodEdit"));
    m_kodEdit->setMaxLength(7);
    addRow(1, m_serialLabel, "SerialLabel", m_kodEdit);
    m_typCombo = new QComboBox;
    m_typCombo->setObjectName(QStringLiteral("TypCombo"));
    m_typCombo->setEditable(true);
    m_typCombo->setInsertPolicy(QComboBox::NoInsert);
    addRow(2, m_txTypeLabel, "TxTypeLabel", m_typCombo);
    m_btnCombo = new QComboBox;
    m_btnCombo->setObjectName(QStringLiteral("BtnCombo"));
    m_btnCombo->setEditable(true);
    m_btnCombo->setInsertPolicy(QComboBox::NoInsert);
    m_btnCombo->lineEdit()->setMaxLength(1);
    for (const char* code : {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "A", "B", "C", "D", "E", "F"}) {
        m_btnCombo->addItem(QString::fromLatin1(code));
    }
    addRow(3, m_buttonLabel, "ButtonLabel", m_btnCombo);
    m_releCombo = new QComboBox;
    m_releCombo->setObjectName(QStringLiteral("ReleCombo"));
    addRow(4, m_releLabel, "ReleLabel", m_releCombo);
    m_funkceCombo = new QComboBox;
    m_funkceCombo->setObjectName(QStringLiteral("FunkceCombo"));
    m_funkceCombo->setEditable(true);
    m_funkceCombo->setInsertPolicy(QComboBox::NoInsert);
    addRow(5, m_funkceLabel, "FunkceLabel", m_funkceCombo);

    auto* middle = new QHBoxLayout;
    middle->addLayout(recordLayout);
    // The button pictures and boxes stand where "Tx.def" puts them, in pixels inside the group's
    // client area: a plain widget under the group's title, so that the title moves neither.
    m_btnGroup = new QGroupBox(this);
    m_btnGroup->setObjectName(QStringLiteral("BtnGroup"));
    auto* btnLayout = new QVBoxLayout(m_btnGroup);
    m_btnArea = new QWidget(m_btnGroup);
    m_btnArea->setObjectName(QStringLiteral("BtnArea"));
    m_btnArea->setMinimumSize(100, 100);
    btnLayout->addWidget(m_btnArea);
    for (std::size_t k = 0; k < 4; ++k) {
        m_btnPictures[k] = new QLabel(QString::number(k + 1), m_btnArea);
        m_btnPictures[k]->setObjectName(QStringLiteral("Btn%1").arg(k + 1));
        m_btnPictures[k]->setFixedSize(33, 33);
        m_btnPictures[k]->setFrameShape(QFrame::Box);
        m_btnPictures[k]->setAlignment(Qt::AlignRight | Qt::AlignBottom);
        m_btnPictures[k]->setMargin(2);
    }
    for (std::size_t k = 0; k < 4; ++k) {
        // Made after every picture, so each box lies above all of them and takes the clicks.
        m_btnBoxes[k] = new QCheckBox(m_btnArea);
        m_btnBoxes[k]->setObjectName(QStringLiteral("BtnBox%1").arg(k + 1));
        m_btnBoxes[k]->setFixedSize(m_btnBoxes[k]->sizeHint());
        connect(m_btnBoxes[k], &QCheckBox::clicked, this,
                [this] { run([](views::TEditState& s) { s.ButtonsToCode(); }); });
    }
    middle->addWidget(m_btnGroup);
    m_inputRadio = new QGroupBox(this);
    m_inputRadio->setObjectName(QStringLiteral("InputRadio"));
    new QVBoxLayout(m_inputRadio);
    m_inputRadio->hide();
    middle->addWidget(m_inputRadio);
    layout->addLayout(middle);

    auto* lower = new QHBoxLayout;
    m_timeGroup = new QGroupBox(this);
    m_timeGroup->setObjectName(QStringLiteral("TimeGroup"));
    auto* timeLayout = new QHBoxLayout(m_timeGroup);
    m_minEdit = spin("MinEdit", 0, 110, 1);
    m_secEdit = spin("SecEdit", 0, 59, 1);
    m_milEdit = spin("MilEdit", 0, 900, 100);
    m_milEdit->setValue(100);
    const std::array<QSpinBox*, 3> timeEdits{m_minEdit, m_secEdit, m_milEdit};
    const std::array<const char*, 3> unitTexts{"min", "s", "ms"};
    for (std::size_t i = 0; i < 3; ++i) {
        timeLayout->addWidget(timeEdits[i]);
        m_timeLabels[i] = new QLabel(QString::fromLatin1(unitTexts[i]));
        timeLayout->addWidget(m_timeLabels[i]);
        connect(timeEdits[i], &QSpinBox::editingFinished, this,
                [this] { run([](views::TEditState& s) { s.TimeEditExit(); }); });
    }
    lower->addWidget(m_timeGroup);
    m_chanelsGroup = new QGroupBox(this);
    m_chanelsGroup->setObjectName(QStringLiteral("ChanelsGroup"));
    auto* channelLayout = new QGridLayout(m_chanelsGroup);
    for (std::size_t k = 0; k < 8; ++k) {
        m_chBoxes[k] = new QCheckBox(QStringLiteral("CH %1").arg(k + 1));
        m_chBoxes[k]->setObjectName(QStringLiteral("ChBox%1").arg(k + 1));
        channelLayout->addWidget(m_chBoxes[k], static_cast<int>(k % 4), static_cast<int>(k / 4));
    }
    lower->addWidget(m_chanelsGroup);
    layout->addLayout(lower);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    m_okButton = new QPushButton(QStringLiteral("OK"));
    m_okButton->setObjectName(QStringLiteral("OKButton"));
    m_okButton->setDefault(true);
    m_stornoButton = new QPushButton(QStringLiteral("Cancel"));
    m_stornoButton->setObjectName(QStringLiteral("StornoButton"));
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_stornoButton);
    layout->addLayout(buttons);

    connect(m_okButton, &QPushButton::clicked, this, &TEditForm::OKButtonClick);
    for (QComboBox* combo : {m_typCombo, m_btnCombo, m_funkceCombo}) {
        enterPresses(combo, m_okButton);
    }
    connect(m_stornoButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_kodEdit, &QLineEdit::editingFinished, this, [this] {
        if (!isVisible() || m_okButton->isDown()) {
            return;
        }
        bool refocus = false;
        run([&refocus](views::TEditState& s) { s.ValidateSerial(&refocus); });
        if (refocus) {
            m_kodEdit->setFocus();
        }
    });
    connect(m_btnCombo, &QComboBox::currentTextChanged, this, [this](const QString& value) {
        if (!value.isEmpty()) {
            run([](views::TEditState& s) { s.BtnComboChange(); });
        }
    });
    connect(m_typCombo, &QComboBox::activated, this, [this] { run([](views::TEditState& s) { s.TypComboChange(); }); });
    connect(m_typCombo->lineEdit(), &QLineEdit::editingFinished, this,
            [this] { run([](views::TEditState& s) { s.TypComboChange(); }); });
    connect(m_funkceCombo, &QComboBox::activated, this,
            [this] { run([](views::TEditState& s) { s.UpdateTimeControls(); }); });
    connect(m_releCombo, &QComboBox::activated, this,
            [this](int index) { run([index](views::TEditState& s) { s.ReleComboChange(index); }); });
}

void TEditForm::applyTexts(const std::array<std::string, 5>& userTitles)
{
    setWindowTitle(fromCp(LangText(m_lang, lang::kEditCaption)));
    m_okButton->setText(okText());
    m_stornoButton->setText(cancelText());
    m_userGroup->setTitle(fromCp(LangText(m_lang, lang::kEditUserGroup)));
    m_userIDLabel->setText(fromCp(userTitles[0]));
    for (std::size_t k = 0; k < 4; ++k) {
        m_userLabels[k]->setText(fromCp(userTitles[k + 1]));
    }
    m_memLabel->setText(fromCp(LangText(m_lang, lang::kEditMemorySlot)));
    m_serialLabel->setText(fromCp(LangText(m_lang, lang::kEditSerial)));
    m_txTypeLabel->setText(fromCp(LangText(m_lang, lang::kEditType)));
    m_buttonLabel->setText(fromCp(LangText(m_lang, lang::kEditButtons)));
    m_btnGroup->setTitle(fromCp(LangText(m_lang, lang::kEditButtons)));
    m_inputRadio->setTitle(fromCp(LangText(m_lang, lang::kEditInput)));
    m_releLabel->setText(fromCp(LangText(m_lang, lang::kEditRelay)));
    m_funkceLabel->setText(fromCp(LangText(m_lang, lang::kEditFunction)));
    m_timeGroup->setTitle(fromCp(LangText(m_lang, lang::kEditTime)));
    m_chanelsGroup->setTitle(fromCp(LangText(m_lang, lang::kColumnChannels)));
}

void TEditForm::FormShow(const model::TData& record, const std::string& programFolder, const model::TDevice& device,
                         const std::array<std::string, 5>& userTitles)
{
    applyTexts(userTitles);
    std::vector<model::TTx> types;
    // A failed read is reported; the dialog then works without types.
    const bool loaded = model::LoadTxTypes(programFolder, types, m_lang, m_onError);
    m_showing = true;
    m_state.FormShow(record, types, loaded, device);
    // Some receivers keep User 1 in the record's E field, as much of it as fits. The field takes no
    // more than that; a longer text from a data file stays as it is (the memory view shows the part
    // the receiver keeps).
    const int kept = model::userTextCapacity(m_state.functions().ModelName, record.Extra.size());
    const int limit = kept < 0 ? 32767 : std::max(kept, static_cast<int>(fromCp(record.User[0]).size()));
    m_userEdits[0]->setMaxLength(limit);
    showControls();
    m_showing = false;
    m_editID->setFocus();
}

bool TEditForm::edit(model::TData& record, const std::string& programFolder, const model::TDevice& device,
                     const std::array<std::string, 5>& userTitles)
{
    FormShow(record, programFolder, device, userTitles);
    if (exec() != QDialog::Accepted) {
        return false;
    }
    record = m_accepted;
    return true;
}

void TEditForm::readControls()
{
    views::EditControls& c = m_state.c;
    c.id = m_editID->value();
    for (std::size_t k = 0; k < 4; ++k) {
        c.user[k] = toCp(m_userEdits[k]->text());
    }
    c.kod = toCp(m_kodEdit->text());
    c.typ = text(m_typCombo);
    c.btn = toCp(m_btnCombo->currentText().toUpper());
    for (std::size_t k = 0; k < 4; ++k) {
        c.btnTicked[k] = m_btnBoxes[k]->isChecked();
    }
    c.inputIndex = -1;
    for (std::size_t i = 0; i < m_inputButtons.size(); ++i) {
        if (m_inputButtons[i]->isChecked()) {
            c.inputIndex = static_cast<int>(i);
        }
    }
    c.releIndex = m_releCombo->currentIndex();
    c.funkce = text(m_funkceCombo);
    // An empty edit counts as 0.
    c.time = {m_minEdit->cleanText().isEmpty() ? 0 : m_minEdit->value(),
              m_secEdit->cleanText().isEmpty() ? 0 : m_secEdit->value(),
              m_milEdit->cleanText().isEmpty() ? 0 : m_milEdit->value()};
    for (std::size_t k = 0; k < 8; ++k) {
        c.chTicked[k] = m_chBoxes[k]->isChecked();
    }
}

void TEditForm::showControls()
{
    const views::EditControls& c = m_state.c;
    const std::vector<QWidget*> all{m_editID,      m_kodEdit, m_typCombo, m_btnCombo, m_releCombo,
                                    m_funkceCombo, m_minEdit, m_secEdit,  m_milEdit};
    std::vector<std::unique_ptr<QSignalBlocker>> blockers;
    for (QWidget* widget : all) {
        blockers.push_back(std::make_unique<QSignalBlocker>(widget));
    }
    m_editID->setValue(c.id);
    for (std::size_t k = 0; k < 4; ++k) {
        m_userEdits[k]->setText(fromCp(c.user[k]));
    }
    m_mistoEdit->setText(QString::number(c.position));
    m_kodEdit->setText(fromCp(c.kod));
    showCombo(m_typCombo, c.typItems, c.typ);
    m_btnCombo->setEditText(fromCp(c.btn));
    const int buttonIndex = m_btnCombo->findText(fromCp(c.btn));
    if (buttonIndex >= 0) {
        m_btnCombo->setCurrentIndex(buttonIndex);
    }

    m_btnGroup->setVisible(c.showButtons);
    m_inputRadio->setVisible(!c.showButtons);
    const model::TTx* type = m_state.shownType();
    for (std::size_t k = 0; k < 4; ++k) {
        m_btnPictures[k]->setVisible(c.btnVisible[k]);
        m_btnBoxes[k]->setVisible(c.btnVisible[k]);
        m_btnBoxes[k]->setChecked(c.btnTicked[k]);
        if (type) {
            const model::TTxButton& button = type->Buttons[k];
            m_btnPictures[k]->move(button.Left, button.Top);
            m_btnBoxes[k]->move(button.Left + 8, button.Top + 8);
            m_btnBoxes[k]->raise();
        }
    }
    if (m_inputButtons.size() != c.inputNames.size()) {
        for (QRadioButton* button : m_inputButtons) {
            delete button;
        }
        m_inputButtons.clear();
        for (std::size_t i = 0; i < c.inputNames.size(); ++i) {
            auto* button = new QRadioButton(m_inputRadio);
            button->setObjectName(QStringLiteral("Input%1").arg(i + 1));
            m_inputRadio->layout()->addWidget(button);
            const int index = static_cast<int>(i);
            connect(button, &QRadioButton::clicked, this,
                    [this, index] { run([index](views::TEditState& s) { s.InputRadioClick(index); }); });
            m_inputButtons.push_back(button);
        }
    }
    for (std::size_t i = 0; i < m_inputButtons.size(); ++i) {
        m_inputButtons[i]->setText(fromCp(c.inputNames[i]));
        m_inputButtons[i]->setAutoExclusive(false);
        m_inputButtons[i]->setChecked(static_cast<int>(i) == c.inputIndex);
        m_inputButtons[i]->setAutoExclusive(true);
    }

    m_releCombo->setEnabled(c.multi);
    m_releLabel->setEnabled(c.multi);
    m_chanelsGroup->setEnabled(!c.multi);
    showCombo(m_releCombo, c.releItems,
              c.releIndex >= 0 && static_cast<std::size_t>(c.releIndex) < c.releItems.size()
                  ? c.releItems[static_cast<std::size_t>(c.releIndex)]
                  : std::string());
    showCombo(m_funkceCombo, c.funkceItems, c.funkce);

    for (QWidget* widget : std::initializer_list<QWidget*>{m_minEdit, m_secEdit, m_milEdit, m_timeLabels[0],
                                                           m_timeLabels[1], m_timeLabels[2]}) {
        widget->setEnabled(c.timeEnabled);
    }
    m_minEdit->setValue(c.time.minutes);
    m_secEdit->setValue(c.time.seconds);
    m_milEdit->setValue(c.time.milliseconds);
    for (std::size_t k = 0; k < 8; ++k) {
        m_chBoxes[k]->setEnabled(c.chEnabled[k]);
        m_chBoxes[k]->setChecked(c.chTicked[k]);
    }
}

template <typename Rule> void TEditForm::run(Rule rule)
{
    if (m_showing) {
        return;
    }
    m_showing = true;
    readControls();
    rule(m_state);
    showControls();
    m_showing = false;
}

void TEditForm::OKButtonClick()
{
    model::TData result;
    bool accepted = false;
    run([&](views::TEditState& s) { accepted = s.Accept(result); });
    if (accepted) {
        m_accepted = result;
        accept();
    }
}

} // namespace vorbix::ui
