#pragma once

#include "core/lists/ListViews.h"
#include "core/lists/TBatt.h"
#include "core/lists/THistory.h"
#include "ui/app/Feature.h"

#include <QDateTime>
#include <QString>

namespace vorbix::ui {

class BatteryPage;
class HistoryPage;

// The history and low-battery lists in the main window: it keeps "History.dat" and "LowBatt.dat"
// of the program folder, puts HistoryGrid and BatteryGrid with its clear panel on their pages and
// registers both for find. On-line mode hands every received event over through its slots.
class ListsFeature : public Feature
{
    Q_OBJECT
public:
    explicit ListsFeature(Shell& shell);
    ~ListsFeature() override;

    lists::THistory& history() { return m_history; }
    lists::TBatt& batt() { return m_batt; }
    HistoryPage& historyPage() { return *m_historyPage; }
    BatteryPage& batteryPage() { return *m_batteryPage; }

    void applyLanguage(const PopisType& lang) override;
    // Both lists read from their files, before any start-up step.
    void settingsLoaded() override;

public slots:
    // A received status as the levels of the settings let it through: the history takes it once,
    // the battery list as often as the level says. `inReceiver`: the status names a memory slot.
    void ReceiveStatus(const QString& txCode, const QString& buttonCode, bool lowBatt, bool inReceiver,
                       const QDateTime& time);
    // A new history entry on top (HistoryLength kept), saved and shown.
    void AddEvent(const QString& txCode, const QString& buttonCode, bool lowBatt, const QDateTime& time);
    // The battery state of a transmitter, sorted, saved and shown.
    void ReportBattery(const QString& txCode, bool lowBatt, const QDateTime& time);
    // The records changed (a data set opened or created, a record added or edited): every entry takes
    // its user number and texts again.
    void LinkUserData();
    // The record grids were rebuilt: the user columns shown may have changed.
    void ShowLists();
    // The setup dialog was confirmed: the history keeps at most `historyLength` entries, and is
    // emptied (file and list) when `clear` is set.
    void ApplyHistorySetup(int historyLength, bool clear);

signals:
    // A double click on the battery page: find this transmitter in the file or memory view.
    void findTransmitterRequested(const QString& serial);

private:
    lists::UserColumnsShown shownColumns() const;
    void reportLoad(const lists::ListLoad& load, const std::string& path);
    void saveFailed(const std::string& error);
    void pageChanged(int index);

    lists::THistory m_history;
    lists::TBatt m_batt;
    HistoryPage* m_historyPage = nullptr;
    BatteryPage* m_batteryPage = nullptr;
};

} // namespace vorbix::ui
