#pragma once

#include <QStatusBar>
#include <array>

class QLabel;

namespace vorbix::ui {

// The main window's `StatusBar` with its five panels: 0 the receiver type (110 wide), 1 the
// connection (150), 2 "On-line" (60), 3 the saved mark (60), 4 the data file name (the rest).
class StatusPanels : public QStatusBar
{
    Q_OBJECT
public:
    explicit StatusPanels(QWidget* parent = nullptr);

    void setPanelText(int panel, const QString& text);
    QString panelText(int panel) const;

private:
    std::array<QLabel*, 5> m_panels{};
};

} // namespace vorbix::ui
