#include "ui/online/DirectControlPage.h"

#include "core/base/TextNumbers.h"
#include "core/online/RelayDisplay.h"
#include "ui/widgets/QtText.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vorbix::ui {
namespace {

QString numbered(const char* name, int channel)
{
    return QString::fromLatin1(name).arg(channel + 1);
}

QSpinBox* timeField(QWidget* parent, const char* name, int maximum, int step, int value)
{
    auto* field = new QSpinBox(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setRange(0, maximum);
    field->setSingleStep(step);
    field->setValue(value);
    field->setKeyboardTracking(false);
    field->setMinimumWidth(70);
    return field;
}

// An emptied field counts as 0.
int fieldValue(const QSpinBox* field)
{
    return field->cleanText().trimmed().isEmpty() ? 0 : field->value();
}

std::uint8_t maskOf(const DirectControlPage::Boxes& boxes)
{
    std::uint8_t mask = 0;
    for (int k = 0; k < DirectControlPage::kChannels; ++k) {
        if (!boxes[static_cast<std::size_t>(k)]->isHidden() && boxes[static_cast<std::size_t>(k)]->isChecked()) {
            mask = static_cast<std::uint8_t>(mask | (1u << k));
        }
    }
    return mask;
}

} // namespace

DirectControlPage::DirectControlPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DirectControl"));
    m_stateGroup = new QGroupBox(tr("Current state"), this);
    m_stateGroup->setObjectName(QStringLiteral("StateGroup"));
    m_newStateGroup = new QGroupBox(tr("New state"), this);
    m_newStateGroup->setObjectName(QStringLiteral("NewStateGroup"));

    auto* stateGrid = new QGridLayout(m_stateGroup);
    auto* newGrid = new QGridLayout(m_newStateGroup);
    for (int k = 0; k < kChannels; ++k) {
        const auto i = static_cast<std::size_t>(k);
        m_stateLabels[i] = new QLabel(tr("Relay"), m_stateGroup);
        m_stateLabels[i]->setObjectName(numbered("DirectChLabel%1", k));
        m_stateNumbers[i] = new QLabel(QString::number(k + 1), m_stateGroup);
        m_stateNumbers[i]->setObjectName(numbered("Direct%1Label", k));
        DirectChEdit[i] = new QLineEdit(m_stateGroup);
        DirectChEdit[i]->setObjectName(numbered("DirectCh%1Edit", k));
        DirectChEdit[i]->setReadOnly(true);
        DirectChEdit[i]->setFocusPolicy(Qt::ClickFocus);
        DirectChEdit[i]->setAlignment(Qt::AlignCenter);
        DirectChEdit[i]->setFixedWidth(60);
        stateGrid->addWidget(m_stateLabels[i], k, 0);
        stateGrid->addWidget(m_stateNumbers[i], k, 1);
        stateGrid->addWidget(DirectChEdit[i], k, 2);

        m_newStateLabels[i] = new QLabel(tr("Relay"), m_newStateGroup);
        m_newStateNumbers[i] = new QLabel(QString::number(k + 1), m_newStateGroup);
        DirectOn[i] = new QCheckBox(QStringLiteral("Zapni"), m_newStateGroup);
        DirectOn[i]->setObjectName(numbered("DirectOn%1", k));
        DirectOff[i] = new QCheckBox(QStringLiteral("Vypni"), m_newStateGroup);
        DirectOff[i]->setObjectName(numbered("DirectOff%1", k));
        DirectPuls[i] = new QCheckBox(QStringLiteral("Puls"), m_newStateGroup);
        DirectPuls[i]->setObjectName(numbered("DirectPuls%1", k));
        connect(DirectOn[i], &QCheckBox::clicked, this, &DirectControlPage::DirectOnClick);
        connect(DirectOff[i], &QCheckBox::clicked, this, &DirectControlPage::DirectOffClick);
        connect(DirectPuls[i], &QCheckBox::clicked, this, &DirectControlPage::DirectPulsClick);
        newGrid->addWidget(m_newStateLabels[i], k, 0);
        newGrid->addWidget(m_newStateNumbers[i], k, 1);
        newGrid->addWidget(DirectOn[i], k, 2);
        newGrid->addWidget(DirectOff[i], k, 3);
        newGrid->addWidget(DirectPuls[i], k, 4);
    }
    stateGrid->setRowStretch(kChannels, 1);
    stateGrid->setColumnStretch(3, 1);
    newGrid->setColumnStretch(5, 1);

    m_timeGroup = new QGroupBox(tr("Time"), m_newStateGroup);
    m_timeGroup->setObjectName(QStringLiteral("TimeGroup"));
    MinEdit = timeField(m_timeGroup, "MinEdit", 110, 1, 0);
    SecEdit = timeField(m_timeGroup, "SecEdit", 59, 1, 0);
    MilEdit = timeField(m_timeGroup, "MilEdit", 900, 100, 500);
    auto* timeRow = new QHBoxLayout(m_timeGroup);
    for (auto [field, unit] : {std::pair{MinEdit, "Min"}, std::pair{SecEdit, "Sec"}, std::pair{MilEdit, "Millisec"}}) {
        connect(field, &QSpinBox::editingFinished, this, [this] { (void)TimeEditExit(); });
        timeRow->addWidget(field);
        timeRow->addWidget(new QLabel(QString::fromLatin1(unit), m_timeGroup));
    }
    timeRow->addStretch(1);
    newGrid->addWidget(m_timeGroup, kChannels, 0, 1, 6);

    DirectSendButton = new QPushButton(tr("Send"), m_newStateGroup);
    DirectSendButton->setObjectName(QStringLiteral("DirectSendButton"));
    DirectRefreshButton = new QPushButton(tr("Refresh state"), m_stateGroup);
    DirectRefreshButton->setObjectName(QStringLiteral("DirectRefreshButton"));
    auto* sendRow = new QHBoxLayout;
    sendRow->addStretch(1);
    sendRow->addWidget(DirectSendButton);
    newGrid->addLayout(sendRow, kChannels + 1, 0, 1, 6);
    newGrid->setRowStretch(kChannels + 2, 1);
    auto* refreshRow = new QHBoxLayout;
    refreshRow->addWidget(DirectRefreshButton);
    refreshRow->addStretch(1);
    stateGrid->addLayout(refreshRow, kChannels + 1, 0, 1, 4);

    connect(DirectSendButton, &QPushButton::clicked, this, [this] { emit sendRequested(selection()); });
    connect(DirectRefreshButton, &QPushButton::clicked, this, &DirectControlPage::refreshRequested);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_stateGroup, 2);
    layout->addWidget(m_newStateGroup, 3);
}

bool DirectControlPage::DirectControlPageShow(const PopisType& lang, int relays)
{
    for (int k = 0; k < kChannels; ++k) {
        setChannelVisible(k, false);
    }
    for (int k = 0; k < kChannels; ++k) {
        const auto i = static_cast<std::size_t>(k);
        m_stateLabels[i]->setText(fromCp(LangText(lang, lang::kDirectRelay)));
        m_newStateLabels[i]->setText(fromCp(LangText(lang, lang::kDirectRelay)));
        DirectOn[i]->setText(fromCp(LangText(lang, lang::kDirectOn)));
        DirectOff[i]->setText(fromCp(LangText(lang, lang::kDirectOff)));
        DirectPuls[i]->setText(fromCp(LangText(lang, lang::kDirectPulse)));
    }
    m_timeGroup->setTitle(fromCp(LangText(lang, lang::kEditTime)));
    DirectSendButton->setText(fromCp(LangText(lang, lang::kDirectSend)));
    DirectRefreshButton->setText(fromCp(LangText(lang, lang::kDirectRefresh)));
    m_stateGroup->setTitle(fromCp(LangText(lang, lang::kDirectCurrentState)));
    m_newStateGroup->setTitle(fromCp(LangText(lang, lang::kDirectNewState)));

    const int shown = relays == 1 || relays == kChannels ? relays : 0;
    for (int k = 0; k < shown; ++k) {
        setChannelVisible(k, true);
    }
    return shown > 0;
}

void DirectControlPage::setChannelVisible(int channel, bool visible)
{
    const auto i = static_cast<std::size_t>(channel);
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_stateLabels[i], m_stateNumbers[i], DirectChEdit[i], m_newStateLabels[i],
                                         m_newStateNumbers[i], DirectOn[i], DirectOff[i], DirectPuls[i]}) {
        w->setVisible(visible);
    }
}

void DirectControlPage::showRelays(std::uint8_t relays, const PopisType& lang)
{
    for (int k = 0; k < kChannels; ++k) {
        const bool on = online::RelayOn(relays, k + 1);
        QLineEdit* field = DirectChEdit[static_cast<std::size_t>(k)];
        field->setText(fromCp(online::RelayStateText(lang, on)));
        field->setStyleSheet(on ? QStringLiteral("color: white; background: #c62828; font-weight: bold;")
                                : QStringLiteral("color: white; background: #2e7d32; font-weight: bold;"));
    }
}

int DirectControlPage::TimeEditExit()
{
    const online::PulseTime time =
        online::TimeEditExit({fieldValue(MinEdit), fieldValue(SecEdit), fieldValue(MilEdit)});
    MinEdit->setValue(time.fields.minutes);
    SecEdit->setValue(time.fields.seconds);
    MilEdit->setValue(time.fields.milliseconds);
    m_pulseUnits = time.units;
    return m_pulseUnits;
}

online::RelaySelection DirectControlPage::selection()
{
    online::RelaySelection s;
    s.pulseUnits = TimeEditExit();
    s.on = maskOf(DirectOn);
    s.off = maskOf(DirectOff);
    s.pulse = maskOf(DirectPuls);
    return s;
}

void DirectControlPage::DirectOnClick()
{
    clearOtherBoxes(DirectOn, DirectOff, DirectPuls);
}

void DirectControlPage::DirectOffClick()
{
    clearOtherBoxes(DirectOff, DirectOn, DirectPuls);
}

void DirectControlPage::DirectPulsClick()
{
    clearOtherBoxes(DirectPuls, DirectOn, DirectOff);
}

void DirectControlPage::clearOtherBoxes(const Boxes& ticked, const Boxes& other, const Boxes& third)
{
    for (std::size_t k = 0; k < ticked.size(); ++k) {
        if (ticked[k]->isChecked()) {
            other[k]->setChecked(false);
            third[k]->setChecked(false);
        }
    }
}

} // namespace vorbix::ui
