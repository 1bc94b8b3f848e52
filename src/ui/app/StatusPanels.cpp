#include "ui/app/StatusPanels.h"

#include <QLabel>
#include <algorithm>

namespace vorbix::ui {
namespace {

constexpr int kStretchPanel = 4;
constexpr int kPanelWidths[5] = {110, 150, 60, 60, 50};
// A panel grows to its text up to this width; longer texts end in "...".
constexpr int kWidestPanel = 320;

} // namespace

StatusPanels::StatusPanels(QWidget* parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatusBar"));
    setSizeGripEnabled(true);
    for (int i = 0; i < 5; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        if (i != kStretchPanel) {
            label->setFixedWidth(kPanelWidths[i]);
            label->setAlignment(Qt::AlignCenter);
            addWidget(label);
        } else {
            label->setMinimumWidth(kPanelWidths[i]);
            addWidget(label, 1);
        }
        m_panels[static_cast<std::size_t>(i)] = label;
    }
    m_linkNote = new QLabel(this);
    m_linkNote->setObjectName(QStringLiteral("LinkNote"));
    m_linkNote->setStyleSheet(QStringLiteral("color: #b71c1c; font-weight: bold; padding: 0 6px;"));
    m_linkNote->hide();
    addPermanentWidget(m_linkNote);
}

void StatusPanels::setLinkNote(const QString& note)
{
    m_linkNote->setText(note);
    m_linkNote->setVisible(!note.isEmpty());
}

QString StatusPanels::linkNote() const
{
    return m_linkNote->text();
}

void StatusPanels::setPanelText(int panel, const QString& text)
{
    m_texts.at(static_cast<std::size_t>(panel)) = text;
    showElided(panel);
}

QString StatusPanels::panelText(int panel) const
{
    return m_texts.at(static_cast<std::size_t>(panel));
}

void StatusPanels::showElided(int panel)
{
    QLabel* label = m_panels.at(static_cast<std::size_t>(panel));
    const QString& text = m_texts.at(static_cast<std::size_t>(panel));
    if (panel == kStretchPanel) {
        label->setText(text); // its width follows the window
        return;
    }
    // The panel takes its text's width, from its standard width up to a limit. Beyond that a centred
    // text would lose both ends; a model description must keep its start.
    const int frame = 2 * label->frameWidth() + 8;
    // (a few pixels more: elidedText measures a little wider than horizontalAdvance)
    const int needed = label->fontMetrics().horizontalAdvance(text) + frame + 4;
    const int width = std::clamp(needed, kPanelWidths[panel], kWidestPanel);
    label->setFixedWidth(width);
    const int room = width - frame;
    const QString shown = label->fontMetrics().elidedText(text, Qt::ElideRight, room);
    label->setText(shown);
    label->setToolTip(shown == text ? QString() : text);
}

} // namespace vorbix::ui
