#include "ui/online/OnlinePanel.h"

#include "core/base/TextNumbers.h"
#include "ui/widgets/QtText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vorbix::ui {
namespace {

QLabel* namedLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QLineEdit* readOnlyField(QWidget* parent, const char* name, int width)
{
    auto* edit = new QLineEdit(QStringLiteral("-"), parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::ClickFocus);
    edit->setFixedWidth(width);
    return edit;
}

} // namespace

OnlinePanel::OnlinePanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("PanelOnline"));
    setFrameShape(QFrame::StyledPanel);
    setFixedHeight(35);

    m_lastTx = namedLabel(this, "LLastTx", tr("Last Tx:"));
    m_editLastTx = readOnlyField(this, "EditLastTx", 90);
    m_lastBtn = namedLabel(this, "LLastBtn", tr("Button:"));
    m_editLastBtn = readOnlyField(this, "EditLastBtn", 70);
    m_lastMem = namedLabel(this, "LLastMem", tr("Memory:"));
    m_editLastMem = readOnlyField(this, "EditLastMem", 50);
    m_lowBattLabel = namedLabel(this, "LowBattLabel", {});
    m_lowBattLabel->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    m_lowBattLabel->hide();
    m_tempLabel = namedLabel(this, "TempLabel", {});
    m_tempLabel->setStyleSheet(QStringLiteral("font-weight: bold;"));
    m_tempLabel->hide();
    m_btnAdd = new QPushButton(tr("Add"), this);
    m_btnAdd->setObjectName(QStringLiteral("BtnAdd"));
    m_btnAdd->setEnabled(false);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    for (QWidget* w : std::initializer_list<QWidget*>{m_lastTx, m_editLastTx, m_lastBtn, m_editLastBtn, m_lastMem,
                                                      m_editLastMem, m_lowBattLabel, m_tempLabel}) {
        layout->addWidget(w);
    }
    layout->addStretch();
    layout->addWidget(m_btnAdd);
    connect(m_btnAdd, &QPushButton::clicked, this, &OnlinePanel::addClicked);
}

void OnlinePanel::applyTexts(const PopisType& lang)
{
    m_lastTx->setText(fromCp(LangText(lang, lang::kOnlineLastTransmitter)));
    m_lastBtn->setText(fromCp(LangText(lang, lang::kOnlineLastButton)));
    m_lastMem->setText(fromCp(LangText(lang, lang::kOnlineLastMemorySlot)));
    m_btnAdd->setText(fromCp(LangText(lang, lang::kOnlineAdd)));
    // The low-battery list's column title and the word of its low cells: "Battery Low".
    m_lowBattLabel->setText(fromCp(LangText(lang, lang::kColumnBattery) + ' ' + LangText(lang, lang::kBatteryLow)));
}

void OnlinePanel::showStatus(const online::PanelView& view)
{
    m_editLastTx->setText(fromCp(view.lastTx));
    m_editLastBtn->setText(fromCp(view.lastButton));
    m_btnAdd->setEnabled(false);
    if (!view.eventShown) {
        return;
    }
    m_editLastMem->setText(fromCp(view.lastMem));
    m_lowBattLabel->setVisible(view.lowBatteryShown);
    m_tempLabel->setVisible(view.temperature.has_value());
    if (view.temperature) {
        m_tempLabel->setText(fromCp(*view.temperature));
    }
}

QString OnlinePanel::lastTransmitter() const
{
    return m_editLastTx->text();
}

QString OnlinePanel::lastButton() const
{
    return m_editLastBtn->text();
}

void OnlinePanel::offerAdd(bool offered)
{
    m_btnAdd->setEnabled(offered);
}

bool OnlinePanel::addOffered() const
{
    return m_btnAdd->isEnabled();
}

} // namespace vorbix::ui
