#pragma once

#include "core/monitor/MonitorJournal.h"
#include "core/monitor/Reception.h"
#include "core/monitor/TMonitor.h"
#include "ui/app/Feature.h"

#include <QDateTime>
#include <QPoint>
#include <QString>
#include <QTimer>
#include <map>
#include <memory>

class QAction;
class QCheckBox;
class QPushButton;

namespace vorbix::ui {

class MessageGrid;
class MessageTableModel;
class TMonitorMessageForm;

// Monitor mode: the main window shows only the table of active messages, the received events
// switch the messages of the monitor setup, and an active message sounds, pops up its window, comes
// to the front and blinks until the operator acknowledges it with "Deactive" or "Exit". Every switch
// and acknowledgement goes to the alarm journal of the program folder.
class MonitorModeFeature : public Feature
{
    Q_OBJECT
public:
    // Over the shell's monitor setup of the run.
    explicit MonitorModeFeature(Shell& shell);
    ~MonitorModeFeature() override;

    monitor::TMonitor& setup() { return *m_setup; }
    monitor::Reception& reception() { return *m_reception; }
    MessageGrid& grid() { return *m_grid; }
    QCheckBox* selectAllBox() const { return m_selectAll; }
    QPushButton* deactiveButton() const { return m_deactive; }
    QPushButton* exitButton() const { return m_exit; }
    QPushButton* silenceButton() const { return m_silence; }
    // The pop-up window of the link-lost alarm; null while the link is well.
    TMonitorMessageForm* linkPopup() const { return m_linkPopup; }
    // The pop-up window of the message at `position`; null when it has none.
    TMonitorMessageForm* popupOf(int position) const;
    bool inMonitorMode() const;
    // The application user logged in, for the journal; empty when none.
    void setApplicationUser(const std::string& user) { m_user = user; }

    void connectActions(MainActions& actions) override;
    void applyLanguage(const PopisType& lang) override;
    // The message table's column widths.
    void settingsLoaded() override;
    void firstActivation(const app::ActivationPlan& plan) override;
    void closeSteps() override;

    // Enters monitor mode (login and on-line start first) or leaves it.
    void MenuMonitorClick();
    // "Exit": every active message is acknowledged, then monitor mode ends.
    void MonitorEndButtonClick();
    void MessageClearBox1Click(bool ticked);
    void MessageClearButtonClick();
    // "Silence": the alarm sound stops; every message (and the link-lost alarm) stays.
    void Silence();
    void MessageGridRefresh();
    // One blink step of the table and the pop-up windows.
    void BlinkTimerTimer();
    QTimer& blinkTimer() { return m_blinkTimer; }

public slots:
    // A status record of on-line mode; switches messages while monitor mode is on.
    void ReceiveStatus(const QString& txCode, const QString& buttonCode, bool lowBatt, bool inReceiver,
                       const QDateTime& time);
    // The receiver stopped answering on-line, or answers again. A loss in monitor mode (or one that
    // monitor mode finds when it begins) is an alarm; the return clears it.
    void ReceiverLinkChanged(bool answering);

signals:
    void loginNeeded();
    void onlineStartNeeded();
    void onlineStopNeeded();

private:
    void buildPanel();
    monitor::ReceptionHooks hooks();
    void openPopup(int position, const monitor::TSlot& slot);
    void reshowPopup(int position);
    void closePopup(int position);
    void bringToFront();
    void closeTransients();
    void changed(const monitor::Change& change);
    void showLinkAlarm(const monitor::Change& change);
    void clearLinkAlarm();
    void setModeControls(bool monitorMode);
    void raisePopups();
    void updateWorkArea();

    monitor::TMonitor* m_setup;
    std::unique_ptr<monitor::Reception> m_reception;
    std::unique_ptr<monitor::MonitorJournal> m_journal;
    MessageTableModel* m_model = nullptr;
    MessageGrid* m_grid = nullptr;
    QCheckBox* m_selectAll = nullptr;
    QPushButton* m_deactive = nullptr;
    QPushButton* m_exit = nullptr;
    QPushButton* m_silence = nullptr;
    QAction* m_silenceAction = nullptr;
    TMonitorMessageForm* m_linkPopup = nullptr;
    // The last the on-line session said of the link (true until it says otherwise).
    bool m_linkAnswering = true;
    QTimer m_blinkTimer;
    QPoint m_workAreaOrigin;
    std::string m_user;
};

} // namespace vorbix::ui
