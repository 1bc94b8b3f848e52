#pragma once

#include <QAbstractTableModel>
#include <functional>

namespace vorbix::views {
class GridText;
}

namespace vorbix::ui {

// A record grid for a QTableView: every cell is asked of the core view when it is drawn, so a
// scroll through thousands of records never builds more than the visible cells. Faulty rows carry
// the red foreground (FaultyRole true).
class RecordTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int FaultyRole = Qt::UserRole + 1;

    explicit RecordTableModel(QObject* parent = nullptr);

    // Shows `grid` (null: nothing); the grid must stay alive and unchanged until the next call.
    void setGrid(const views::GridText* grid);
    // Rebuilds the grid in place (`rebuild` changes it) inside a model reset, then shows `grid`.
    void rebuild(const views::GridText* grid, const std::function<void()>& change);
    const views::GridText* grid() const { return m_grid; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const views::GridText* m_grid = nullptr;
};

} // namespace vorbix::ui
