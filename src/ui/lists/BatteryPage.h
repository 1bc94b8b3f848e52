#pragma once

#include "core/lists/TBatt.h"
#include "ui/lists/ListContext.h"

#include <QWidget>
#include <array>
#include <memory>

class QCheckBox;
class QPushButton;

namespace vorbix::ui {

class ListGrid;

// The battery page: the clear panel (ClearBox0 "Clear Selected", ClearBox1 "Clear Changed",
// ClearBox2 "Clear All", at most one ticked, and ClearButton) over BatteryGrid, sorted by the key
// the settings keep. A double click on a row asks to find its transmitter in the record views.
class BatteryPage : public QWidget
{
    Q_OBJECT
public:
    BatteryPage(lists::TBatt& batt, ListContext context, QWidget* parent);
    ~BatteryPage() override;

    ListGrid* grid() const { return m_grid; }
    QCheckBox* clearBox(int n) const { return m_clearBoxes[static_cast<std::size_t>(n)]; }
    QPushButton* clearButton() const { return m_clearButton; }

    void applyTexts(const PopisType& lang);
    // Fills the grid from the list in its order; `selectRow` is selected afterwards.
    void ShowLowBatt(int selectRow = -1);
    // A report of the poll, followed by the sort and the save; the selected entry stays selected.
    void ReportBattery(const std::string& txCode, bool low, const lists::ListTime& time,
                       const model::RecordTable& records);
    // A title press: the field that column shows becomes the sort key (the same one turns the
    // order round), then the sort and the save.
    void TitleClicked(int column);
    void ClearButtonClick();

signals:
    // The serial digits of the double-clicked row's transmitter.
    void findTransmitterRequested(const QString& serial);

private:
    void ClearBoxClick(int n, bool ticked);
    void reportSave(bool saved, const std::string& error);
    int selectedRow() const;

    lists::TBatt& m_batt;
    ListContext m_context;
    std::array<QCheckBox*, 3> m_clearBoxes{};
    QPushButton* m_clearButton;
    ListGrid* m_grid;
    std::unique_ptr<lists::BatteryView> m_view;
};

} // namespace vorbix::ui
