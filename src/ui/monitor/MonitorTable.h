#pragma once

#include "core/views/GridText.h"

#include <QAbstractTableModel>
#include <QTableView>
#include <functional>
#include <optional>
#include <vector>

namespace vorbix::ui {

// A table of the monitor page over a core grid text (MonitorGrid, ActiveGrid, DeactiveGrid): one
// title row, whole-row selection, rows 20 pixels high, texts cut with an ellipsis. A column may draw
// a colour swatch instead of text.
class MonitorTable : public QTableView
{
    Q_OBJECT
public:
    // Gives the swatch colour (0xRRGGBB) of a row, or none for the cell's own background.
    using SwatchOf = std::function<std::optional<unsigned>(int row)>;

    MonitorTable(const QString& objectName, QAbstractItemView::SelectionMode selection, QWidget* parent = nullptr);

    // Shows another text (or the same one after its data changed); `text` must live until the next
    // call. The current row is kept when the table still has it.
    void rebuild(const views::GridText* text);
    void setSwatchColumn(int column, SwatchOf swatchOf);
    const views::GridText* text() const { return m_text; }

    // The selected rows from the top, the current row when none.
    std::vector<int> selectedRows() const;
    // The current row; -1 when there is none.
    int currentRow() const;
    void selectRow(int row);
    void setSortMark(int column, bool ascending);
    std::vector<int> columnWidths() const;
    void setColumnWidths(const std::vector<int>& widths);

signals:
    void titleClicked(int column);
    void widthsChanged();
    // A double click below the title row.
    void rowDoubleClicked(int row);
    void currentRowChanged(int row);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    class Model;
    class SwatchDelegate;

    Model* m_model;
    const views::GridText* m_text = nullptr;
    bool m_settingWidths = false;
};

} // namespace vorbix::ui
