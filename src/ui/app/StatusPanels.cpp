#include "ui/app/StatusPanels.h"

#include <QLabel>

namespace vorbix::ui {

StatusPanels::StatusPanels(QWidget* parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatusBar"));
    setSizeGripEnabled(true);
    constexpr int widths[5] = {110, 150, 60, 60, 50};
    for (int i = 0; i < 5; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        if (i < 4) {
            label->setFixedWidth(widths[i]);
            label->setAlignment(Qt::AlignCenter);
            addWidget(label);
        } else {
            label->setMinimumWidth(widths[i]);
            addWidget(label, 1);
        }
        m_panels[static_cast<std::size_t>(i)] = label;
    }
}

void StatusPanels::setPanelText(int panel, const QString& text)
{
    m_panels.at(static_cast<std::size_t>(panel))->setText(text);
}

QString StatusPanels::panelText(int panel) const
{
    return m_panels.at(static_cast<std::size_t>(panel))->text();
}

} // namespace vorbix::ui
