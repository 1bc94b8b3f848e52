#pragma once

#include <QStatusBar>
#include <array>

class QLabel;

namespace vorbix::ui {

// The main window's `StatusBar` with its five panels: 0 the receiver type (at least 110 wide), 1 the
// connection (150), 2 "On-line" (60), 3 the saved mark (60), 4 the data file name (the rest). The
// first four grow with their texts.
class StatusPanels : public QStatusBar
{
    Q_OBJECT
public:
    explicit StatusPanels(QWidget* parent = nullptr);

    // A text wider than the widest panel ends in "..." and shows whole in the panel's tool tip.
    void setPanelText(int panel, const QString& text);
    // The whole text of the panel.
    QString panelText(int panel) const;
    // The state of a lost link beside the panels ("Link lost", "Reconnecting (2)"); empty hides it.
    void setLinkNote(const QString& note);
    QString linkNote() const;

private:
    void showElided(int panel);

    std::array<QLabel*, 5> m_panels{};
    std::array<QString, 5> m_texts{};
    QLabel* m_linkNote;
};

} // namespace vorbix::ui
