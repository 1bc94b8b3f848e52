#pragma once

#include "core/views/GridText.h"

#include <QAbstractTableModel>
#include <functional>

namespace vorbix::lists {
class ListView;
}

namespace vorbix::ui {

// The history or battery grid for a QTableView, asked of the core list view cell by cell. Cells the
// view marks carry their colour (red "Low", green "changed") in the foreground, MarkRole true. It is
// also the page's grid as texts for find.
class ListTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int MarkRole = Qt::UserRole + 1;

    explicit ListTableModel(QObject* parent = nullptr);

    // Changes the list or its view inside a model reset; `change` returns the view to show, which
    // must stay alive until the next rebuild.
    void rebuild(const std::function<const lists::ListView*()>& change);
    const lists::ListView* view() const { return m_view; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The grid's texts, for find.
    const views::GridText& gridText() const { return m_text; }

private:
    class Text final : public views::GridText
    {
    public:
        explicit Text(const ListTableModel& model) : m_model(model) {}
        int rowCount() const override { return m_model.rowCount(); }
        int columnCount() const override { return m_model.columnCount(); }
        std::string title(int column) const override;
        std::string cellText(int row, int column) const override;
        bool isFaulty(int /*row*/) const override { return false; }

    private:
        const ListTableModel& m_model;
    };

    const lists::ListView* m_view = nullptr;
    Text m_text{*this};
};

} // namespace vorbix::ui
