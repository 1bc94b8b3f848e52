#include "ui/app/OnlinePanel.h"

#include "core/base/TextNumbers.h"
#include "ui/app/QtText.h"

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
    EditLastTx = readOnlyField(this, "EditLastTx", 90);
    m_lastBtn = namedLabel(this, "LLastBtn", tr("Button:"));
    EditLastBtn = readOnlyField(this, "EditLastBtn", 70);
    m_lastMem = namedLabel(this, "LLastMem", tr("Memory:"));
    EditLastMem = readOnlyField(this, "EditLastMem", 50);
    LowBattLabel = namedLabel(this, "LowBattLabel", {});
    LowBattLabel->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    LowBattLabel->hide();
    TempLabel = namedLabel(this, "TempLabel", {});
    TempLabel->setStyleSheet(QStringLiteral("font-weight: bold;"));
    TempLabel->hide();
    BtnAdd = new QPushButton(tr("Add"), this);
    BtnAdd->setObjectName(QStringLiteral("BtnAdd"));
    BtnAdd->setEnabled(false);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    for (QWidget* w : std::initializer_list<QWidget*>{m_lastTx, EditLastTx, m_lastBtn, EditLastBtn, m_lastMem,
                                                      EditLastMem, LowBattLabel, TempLabel}) {
        layout->addWidget(w);
    }
    layout->addStretch();
    layout->addWidget(BtnAdd);
}

void OnlinePanel::applyTexts(const PopisType& lang)
{
    m_lastTx->setText(fromCp(LangText(lang, lang::kOnlineLastTransmitter)));
    m_lastBtn->setText(fromCp(LangText(lang, lang::kOnlineLastButton)));
    m_lastMem->setText(fromCp(LangText(lang, lang::kOnlineLastMemorySlot)));
    BtnAdd->setText(fromCp(LangText(lang, lang::kOnlineAdd)));
    // The low-battery list's column title and the word of its low cells: "Battery Low".
    LowBattLabel->setText(fromCp(LangText(lang, lang::kColumnBattery) + ' ' + LangText(lang, lang::kBatteryLow)));
}

} // namespace vorbix::ui
