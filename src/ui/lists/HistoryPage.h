#pragma once

#include "core/lists/THistory.h"
#include "ui/lists/ListContext.h"

#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace vorbix::ui {

class ListGrid;

// The history page's grid, HistoryGrid: the list newest first each time the page is shown, sorted
// by title clicks while the page is on show, the selected entry followed through every sort.
class HistoryPage : public QWidget
{
    Q_OBJECT
public:
    // `history` must outlive the page; `onShow` tells whether the history page is the page on show.
    HistoryPage(lists::THistory& history, ListContext context, std::function<bool()> onShow, QWidget* parent);
    ~HistoryPage() override;

    ListGrid* grid() const { return m_grid; }
    lists::HistoryField sortField() const { return m_sortField; }
    bool sortUp() const { return m_sortUp; }

    // Sorts the list when the page is on show, then fills the grid. `inserted`: a new entry went on
    // top since the last fill, so the selected entry moved one row down.
    void ShowHistory(bool inserted = false);
    // HistoryPageShow: newest first, the file read again.
    void PageShow();
    // A title press: the same column turns the order round, another sorts ascending.
    void TitleClicked(int column);
    // The transmitter code and button of a row as the grid shows them; none without such a row.
    std::optional<std::pair<std::string, std::string>> transmitterOf(int row) const;

private:
    lists::THistory& m_history;
    ListContext m_context;
    std::function<bool()> m_onShow;
    ListGrid* m_grid;
    std::unique_ptr<lists::HistoryView> m_view;
    lists::HistoryField m_sortField = lists::HistoryField::Time;
    bool m_sortUp = false;
};

} // namespace vorbix::ui
