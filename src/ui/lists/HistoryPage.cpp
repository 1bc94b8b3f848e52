#include "ui/lists/HistoryPage.h"

#include "core/app/Settings.h"
#include "ui/lists/ListGrid.h"
#include "ui/lists/ListTableModel.h"

#include <QVBoxLayout>

namespace vorbix::ui {

namespace {
const std::string WidthSection = "HistoryGrid";
}

HistoryPage::HistoryPage(lists::THistory& history, ListContext context, std::function<bool()> onShow, QWidget* parent)
    : QWidget(parent), m_history(history), m_context(std::move(context)), m_onShow(std::move(onShow)),
      m_grid(new ListGrid(QStringLiteral("HistoryGrid"), QAbstractItemView::ContiguousSelection, this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid);
    if (parent && parent->layout()) {
        parent->layout()->addWidget(this);
    }
    connect(m_grid, &ListGrid::titleClicked, this, &HistoryPage::TitleClicked);
    m_grid->keepWidths(*m_context.settings, WidthSection);
}

HistoryPage::~HistoryPage() = default;

void HistoryPage::ShowHistory(bool inserted)
{
    const std::vector<int> selected = m_grid->selectedRows();
    int followed = selected.empty() ? -1 : selected.front() + (inserted ? 1 : 0);
    if (followed >= static_cast<int>(m_history.Records.size())) {
        followed = -1; // the selected entry was the one dropped
    }
    m_grid->tableModel()->rebuild([&]() -> const lists::ListView* {
        // The sort runs to its end before anything else: no event can reach the list half sorted.
        if (m_onShow()) {
            followed = m_history.SortHistory(m_sortField, m_sortUp, followed);
        }
        m_view = std::make_unique<lists::HistoryView>(m_history.Records, *m_context.lang,
                                                      m_context.settings->userTitles, m_context.shownColumns());
        return m_view.get();
    });
    m_grid->loadWidths();
    m_grid->setSortMark(m_view->columnOfField(static_cast<int>(m_sortField)), m_sortUp);
    m_grid->selectRow(followed);
    m_grid->setVisible(true);
}

void HistoryPage::PageShow()
{
    m_sortField = lists::HistoryField::Time;
    m_sortUp = false;
    m_grid->clearSelection();
    const lists::ListLoad load = m_history.LoadHistory();
    m_context.loaded(load, m_history.path());
    ShowHistory();
}

void HistoryPage::TitleClicked(int column)
{
    const int field = m_view ? m_view->fieldOfColumn(column) : -1;
    if (field < 0) {
        return;
    }
    if (field == static_cast<int>(m_sortField)) {
        m_sortUp = !m_sortUp;
    } else {
        m_sortField = static_cast<lists::HistoryField>(field);
        m_sortUp = true;
    }
    ShowHistory();
}

std::optional<std::pair<std::string, std::string>> HistoryPage::transmitterOf(int row) const
{
    if (!m_view || row < 0 || row >= m_view->rowCount()) {
        return std::nullopt;
    }
    const int transmitter = m_view->columnOfField(static_cast<int>(lists::HistoryField::TxCode));
    const int button = m_view->columnOfField(static_cast<int>(lists::HistoryField::Code));
    if (transmitter < 0 || button < 0) {
        return std::nullopt;
    }
    return std::pair{m_view->cellText(row, transmitter), m_view->cellText(row, button)};
}

} // namespace vorbix::ui
