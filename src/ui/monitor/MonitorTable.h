#pragma once

#include "core/views/GridText.h"

#include "ui/widgets/DataGrid.h"

#include <QAbstractTableModel>
#include <functional>
#include <optional>
#include <vector>

namespace vorbix::ui {

// A table of the monitor page over a core grid text (MonitorGrid, ActiveGrid, DeactiveGrid): one
// title row, whole-row selection, rows 20 pixels high, texts cut with an ellipsis. A column may draw
// a colour swatch instead of text.
class MonitorTable : public DataGrid
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

signals:
    void currentRowChanged(int row);

private:
    class Model;
    class SwatchDelegate;

    Model* m_model;
    const views::GridText* m_text = nullptr;
};

} // namespace vorbix::ui
