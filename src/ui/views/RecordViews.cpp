#include "ui/views/RecordViews.h"

#include "core/app/IniFile.h"
#include "core/app/Settings.h"
#include "core/model/TDataSet.h"
#include "core/model/TRxFnc.h"
#include "ui/views/RecordGrid.h"
#include "ui/views/RecordTableModel.h"

#include <QApplication>
#include <QCursor>
#include <QHeaderView>
#include <QLayout>
#include <QStyle>
#include <QTimer>
#include <algorithm>

namespace vorbix::ui {

namespace {

void addToPage(QWidget* page, QWidget* grid)
{
    if (page && page->layout()) {
        page->layout()->addWidget(grid);
    }
}

// The stored widths with the grid's shown columns laid over them.
void takeShownWidths(const RecordGrid& grid, std::vector<int>& stored)
{
    const std::vector<int> shown = grid.columnWidths();
    if (stored.size() < shown.size()) {
        stored.resize(shown.size(), views::kDefaultColumnWidth);
    }
    std::copy(shown.begin(), shown.end(), stored.begin());
}

// A column no wider than this when it is fitted to its texts: one long comment must not push the
// other columns off the window.
constexpr int kWidestFittedColumn = 320;

// Columns the user never sized show their whole title, and with `contents` also their longest text
// (as far as Qt measures, the first thousand rows): the standard width is widened to them.
void fitUnsizedColumns(const RecordGrid& grid, std::vector<int>& widths, const std::vector<bool>& stored, bool contents)
{
    const QHeaderView* header = grid.horizontalHeader();
    const int count = std::min(header->count(), static_cast<int>(widths.size()));
    for (int column = 0; column < count; ++column) {
        const auto i = static_cast<std::size_t>(column);
        if (i < stored.size() && stored[i]) {
            continue;
        }
        const int title =
            header->fontMetrics().horizontalAdvance(grid.model()->headerData(column, Qt::Horizontal).toString()) +
            2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin) + 8;
        widths[i] = std::max(widths[i], title);
        if (contents) {
            widths[i] =
                std::max(widths[i], std::min(static_cast<const QAbstractItemView&>(grid).sizeHintForColumn(column),
                                             kWidestFittedColumn));
        }
    }
}

} // namespace

RecordViews::RecordViews(Inputs inputs, QWidget* memoryPage, QWidget* userPage, QObject* parent)
    : QObject(parent), m_in(std::move(inputs)), m_memGrid(new RecordGrid(QStringLiteral("MemGrid"), memoryPage)),
      m_userGrid(new RecordGrid(QStringLiteral("UserGrid"), userPage)), m_memoryView(*m_in.memoryView),
      m_userView(*m_in.userView)
{
    addToPage(memoryPage, m_memGrid);
    addToPage(userPage, m_userGrid);
    m_memGrid->hide();
    m_userGrid->hide();
    m_memGrid->tableModel()->setGrid(&m_memoryView);
    m_userGrid->tableModel()->setGrid(&m_userView);

    QHeaderView* header = m_userGrid->horizontalHeader();
    header->setSectionsMovable(true);
    header->setSectionsClickable(true);
    connect(header, &QHeaderView::sectionMoved, this, [this](int, int oldVisual, int newVisual) {
        if (m_restoringHeader) {
            return;
        }
        // The model's columns follow the codes; the header goes back to showing them in order.
        QTimer::singleShot(0, this, [this, oldVisual, newVisual] { UserGridColumnMoved(oldVisual, newVisual); });
    });
    connect(m_userGrid, &RecordGrid::titleClicked, this, &RecordViews::UserGridTitleClicked);
    connect(m_memGrid, &RecordGrid::rowsActivated, this, &RecordViews::editRequested);
    connect(m_userGrid, &RecordGrid::rowsActivated, this, &RecordViews::editRequested);
    LoadColumnConfig();
}

RecordViews::~RecordViews()
{
    m_memGrid->tableModel()->setGrid(nullptr);
    m_userGrid->tableModel()->setGrid(nullptr);
}

views::GridLayout RecordViews::layout() const
{
    return m_in.functions->isSingleLayout() ? views::GridLayout::Single : views::GridLayout::Multi;
}

views::ViewContext RecordViews::context() const
{
    views::ViewContext c;
    c.functions = m_in.functions;
    c.device = &m_in.memory->Device;
    c.lang = m_in.lang;
    c.userTitles = m_in.settings->userTitles;
    return c;
}

int& RecordViews::sortColumn()
{
    return layout() == views::GridLayout::Single ? m_in.settings->SortColSingle : m_in.settings->SortColMulti;
}

bool& RecordViews::sortUp()
{
    return layout() == views::GridLayout::Single ? m_in.settings->SortUpSingle : m_in.settings->SortUpMulti;
}

void RecordViews::RebuildViews()
{
    // Widths the user set since the last build are kept for the layout they were set in.
    const std::size_t shownLayout = static_cast<std::size_t>(layout());
    if (!m_userGrid->isHidden()) {
        takeShownWidths(*m_userGrid, m_userWidths[shownLayout]);
    }
    if (!m_memGrid->isHidden()) {
        takeShownWidths(*m_memGrid, m_memoryWidths[shownLayout]);
    }
    if (!m_in.functions->LoadFunctions(m_in.memory->Device.Model, &m_in.memory->Device)) {
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (m_in.dataOpen && m_in.dataOpen()) {
        if (m_in.busy) {
            m_in.busy(true);
        }
        BuildUserColumns();
        FillUserGrid();
        if (m_in.busy) {
            m_in.busy(false);
        }
    } else {
        if (m_userGrid->isVisibleTo(m_userGrid->parentWidget())) {
            SaveUserWidths();
        }
        m_userGrid->hide();
        m_userGrid->tableModel()->rebuild(&m_userView, [this] { m_userView = views::UserView(); });
    }
    if (m_in.loggedIn && m_in.loggedIn()) {
        BuildMemoryColumns();
        FillMemoryGrid();
    } else {
        if (m_memGrid->isVisibleTo(m_memGrid->parentWidget())) {
            SaveMemoryWidths();
        }
        m_memGrid->hide();
        m_memGrid->tableModel()->rebuild(&m_memoryView, [this] { m_memoryView = views::MemoryView(); });
    }
    QApplication::restoreOverrideCursor();
}

void RecordViews::BuildMemoryColumns()
{
    if (m_memGrid->isHidden()) {
        LoadMemoryWidths();
    }
}

void RecordViews::FillMemoryGrid()
{
    const int previousRow = m_memGrid->currentRowOrZero();
    m_memGrid->tableModel()->rebuild(&m_memoryView, [this] { m_memoryView.build(m_in.memory->Records, context()); });
    auto& widths = m_memoryWidths[static_cast<std::size_t>(layout())];
    const bool firstFill = !m_memoryFitted && !m_memoryView.isEmpty();
    if (m_memGrid->isHidden() || firstFill) {
        fitUnsizedColumns(*m_memGrid, widths, m_memoryWidthKeys, firstFill);
    }
    if (firstFill) {
        m_memoryFitted = true;
    }
    m_memGrid->setColumnWidths(widths);
    m_memGrid->show();
    if (!m_memoryView.isEmpty()) {
        m_memGrid->selectRow(std::min(previousRow, m_memoryView.rowCount() - 1));
    }
}

void RecordViews::BuildUserColumns()
{
    LoadColumnConfig();
    m_codes = views::columnCodesFor(m_config, layout(), m_in.functions->SingleRelay);
    if (m_userGrid->isHidden()) {
        LoadUserWidths();
    }
}

void RecordViews::FillUserGrid()
{
    const int previousRow = m_userGrid->currentRowOrZero();
    const int rememberedSlot = m_userView.slotOfRow(previousRow) > 0 ? m_userView.slotOfRow(previousRow) : 1;
    m_userGrid->tableModel()->rebuild(
        &m_userView, [this] { m_userView.build(m_in.memory->Records, context(), m_codes, sortColumn(), sortUp()); });
    auto& widths = m_userWidths[static_cast<std::size_t>(layout())];
    if (!m_userFitted && !m_userView.isEmpty()) {
        fitUnsizedColumns(*m_userGrid, widths, m_userWidthKeys, true);
        m_userFitted = true;
    }
    m_userGrid->setColumnWidths(widths);
    showSortMark();
    m_userGrid->show();
    const int row = m_userView.rowToSelect(previousRow, rememberedSlot);
    if (row >= 0) {
        m_userGrid->selectRow(row);
    }
}

void RecordViews::showSortMark()
{
    m_userGrid->setSortMark(sortColumn(), sortUp());
}

bool RecordViews::writeIni(const std::function<void(app::IniFile&)>& change)
{
    std::string error;
    if (!app::IniFile::update(m_in.settingsPath, change, error)) {
        if (m_in.onError) {
            m_in.onError(error);
        }
        return false;
    }
    return true;
}

void RecordViews::LoadColumnConfig()
{
    views::LoadColumnConfig(app::IniFile::load(m_in.settingsPath), m_config);
}

void RecordViews::SaveColumnConfig()
{
    (void)writeIni([this](app::IniFile& ini) { views::SaveColumnConfig(ini, layout(), m_codes, m_config); });
}

void RecordViews::SaveUserWidths()
{
    auto& stored = m_userWidths[static_cast<std::size_t>(layout())];
    takeShownWidths(*m_userGrid, stored);
    (void)writeIni([&](app::IniFile& ini) { views::SaveWidths(ini, views::RecordGrid::User, layout(), stored); });
}

void RecordViews::LoadUserWidths()
{
    auto& stored = m_userWidths[static_cast<std::size_t>(layout())];
    const app::IniFile ini = app::IniFile::load(m_in.settingsPath);
    stored = views::LoadWidths(ini, views::RecordGrid::User, layout());
    m_userWidthKeys = views::StoredWidthKeys(ini, views::RecordGrid::User, layout());
    m_userFitted = false;
    fitUnsizedColumns(*m_userGrid, stored, m_userWidthKeys, false);
    m_userGrid->setColumnWidths(stored);
}

void RecordViews::SaveMemoryWidths()
{
    auto& stored = m_memoryWidths[static_cast<std::size_t>(layout())];
    takeShownWidths(*m_memGrid, stored);
    (void)writeIni([&](app::IniFile& ini) { views::SaveWidths(ini, views::RecordGrid::Memory, layout(), stored); });
}

void RecordViews::LoadMemoryWidths()
{
    auto& stored = m_memoryWidths[static_cast<std::size_t>(layout())];
    const app::IniFile ini = app::IniFile::load(m_in.settingsPath);
    stored = views::LoadWidths(ini, views::RecordGrid::Memory, layout());
    // The titles and texts are known once the grid is filled; FillMemoryGrid widens the columns then.
    m_memoryWidthKeys = views::StoredWidthKeys(ini, views::RecordGrid::Memory, layout());
    m_memoryFitted = false;
    m_memGrid->setColumnWidths(stored);
}

void RecordViews::setUserColumnVisible(int columnCode, bool visible)
{
    LoadColumnConfig();
    m_codes = views::columnCodesFor(m_config, layout(), m_in.functions->SingleRelay);
    // The count before the change: the stored flags are changed by the caller afterwards.
    m_codes.count = views::userColumnCount(layout(), m_config.visibleCount(layout()), m_in.functions->SingleRelay);
    if (views::setUserColumnVisible(m_codes, sortColumn(), columnCode, visible)) {
        m_config.visible[static_cast<std::size_t>(layout())][static_cast<std::size_t>(columnCode - views::code::ID)] =
            visible;
        if (m_in.dataOpen && m_in.dataOpen()) {
            SaveColumnConfig();
        }
    }
}

std::vector<std::string> RecordViews::userColumnTitles()
{
    LoadColumnConfig();
    const views::ColumnCodes codes = views::columnCodesFor(m_config, layout(), m_in.functions->SingleRelay);
    const model::RecordTable noRecords;
    views::UserView view;
    view.build(noRecords, context(), codes, 0, true);
    std::vector<std::string> titles;
    for (int c = 0; c < view.columnCount(); ++c) {
        titles.push_back(view.title(c));
    }
    return titles;
}

void RecordViews::UserGridColumnMoved(int from, int to)
{
    // The header shows the columns in model order again; the codes carry the new order.
    QHeaderView* header = m_userGrid->horizontalHeader();
    m_restoringHeader = true;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        if (logical != visual) {
            header->moveSection(header->visualIndex(visual), visual);
        }
    }
    m_restoringHeader = false;

    auto& widths = m_userWidths[static_cast<std::size_t>(layout())];
    takeShownWidths(*m_userGrid, widths);
    if (from >= 0 && to >= 0 && static_cast<std::size_t>(std::max(from, to)) < widths.size()) {
        const int moved = widths[static_cast<std::size_t>(from)];
        widths.erase(widths.begin() + from);
        widths.insert(widths.begin() + to, moved);
    }
    views::moveUserColumn(m_codes, sortColumn(), from, to);
    SaveColumnConfig();
    LoadColumnConfig();
    const int count = m_codes.count;
    m_codes = views::columnCodesFor(m_config, layout(), m_in.functions->SingleRelay);
    m_codes.count = count;
    FillUserGrid();
}

void RecordViews::UserGridTitleClicked(int column)
{
    views::sortByTitleClick(column, sortColumn(), sortUp());
    emit userTitleClicked();
    RebuildViews();
}

std::vector<int> RecordViews::selectedSlots(const RecordGrid* grid) const
{
    std::vector<int> slotNumbers;
    for (int row : grid->selectedRows()) {
        const int slot = grid == m_memGrid ? m_memoryView.slotOfRow(row) : m_userView.slotOfRow(row);
        if (slot <= 0) {
            break;
        }
        slotNumbers.push_back(slot);
    }
    return slotNumbers;
}

std::optional<std::pair<std::string, std::string>> RecordViews::transmitterOf(const RecordGrid* grid, int row) const
{
    int serial = -1;
    int button = -1;
    const views::GridText& text = grid == m_memGrid ? static_cast<const views::GridText&>(m_memoryView)
                                                    : static_cast<const views::GridText&>(m_userView);
    if (grid == m_memGrid) {
        const std::vector<views::MemoryColumn>& columns = m_memoryView.columns();
        for (std::size_t column = 0; column < columns.size(); ++column) {
            if (columns[column].kind == views::MemoryColumn::Kind::Serial) {
                serial = static_cast<int>(column);
            } else if (columns[column].kind == views::MemoryColumn::Kind::Button) {
                button = static_cast<int>(column);
            }
        }
    } else {
        for (int column = 0; column < m_userView.columnCount(); ++column) {
            if (m_userView.codeOf(column) == views::code::Serial) {
                serial = column;
            } else if (m_userView.codeOf(column) == views::code::Button) {
                button = column;
            }
        }
    }
    if (serial < 0 || button < 0 || row < 0 || row >= text.rowCount()) {
        return std::nullopt;
    }
    return std::pair{text.cellText(row, serial), text.cellText(row, button)};
}

} // namespace vorbix::ui
