#include "ui/lists/BatteryPage.h"

#include "core/app/Settings.h"
#include "core/base/TextNumbers.h"
#include "core/lists/EventCode.h"
#include "core/model/TxCode.h"
#include "ui/lists/ListGrid.h"
#include "ui/lists/ListTableModel.h"
#include "ui/widgets/QtText.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorbix::ui {

namespace {
const std::string WidthSection = "BatteryGrid";
constexpr int kClearTexts[] = {lang::kClearSelected, lang::kClearChanged, lang::kClearAll};
constexpr const char* kClearDefaults[] = {"Clear Selected", "Clear Changed", "Clear All"};
} // namespace

BatteryPage::BatteryPage(lists::TBatt& batt, ListContext context, QWidget* parent)
    : QWidget(parent), m_batt(batt), m_context(std::move(context)),
      m_clearButton(new QPushButton(QStringLiteral("Clear"), this)),
      m_grid(new ListGrid(QStringLiteral("BatteryGrid"), QAbstractItemView::ContiguousSelection, this))
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("ClearPanel"));
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(4, 2, 4, 2);
    for (int n = 0; n < 3; ++n) {
        auto* box = new QCheckBox(QString::fromLatin1(kClearDefaults[n]), panel);
        box->setObjectName(QStringLiteral("ClearBox%1").arg(n));
        connect(box, &QCheckBox::toggled, this, [this, n](bool ticked) { ClearBoxClick(n, ticked); });
        m_clearBoxes[static_cast<std::size_t>(n)] = box;
        row->addWidget(box);
    }
    m_clearButton->setObjectName(QStringLiteral("ClearButton"));
    row->addWidget(m_clearButton);
    row->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panel);
    layout->addWidget(m_grid, 1);
    if (parent && parent->layout()) {
        parent->layout()->addWidget(this);
    }

    connect(m_clearButton, &QPushButton::clicked, this, &BatteryPage::ClearButtonClick);
    connect(m_grid, &ListGrid::titleClicked, this, &BatteryPage::TitleClicked);
    m_grid->keepWidths(*m_context.settings, WidthSection);
    connect(m_grid, &ListGrid::rowsActivated, this, [this](int clicked) {
        if (clicked >= 0 && clicked < static_cast<int>(m_batt.Records.size())) {
            emit findTransmitterRequested(
                fromCp(model::SerialOfTxCode(m_batt.Records[static_cast<std::size_t>(clicked)].TxCode)));
        }
    });
}

BatteryPage::~BatteryPage() = default;

void BatteryPage::applyTexts(const PopisType& lang)
{
    for (int n = 0; n < 3; ++n) {
        m_clearBoxes[static_cast<std::size_t>(n)]->setText(fromCp(LangText(lang, kClearTexts[n])));
    }
    m_clearButton->setText(fromCp(LangText(lang, lang::kClearButton)));
}

void BatteryPage::ShowLowBatt(int selectRow)
{
    m_grid->tableModel()->rebuild([&]() -> const lists::ListView* {
        m_view = std::make_unique<lists::BatteryView>(m_batt.Records, *m_context.lang, m_context.settings->userTitles,
                                                      m_context.shownColumns());
        return m_view.get();
    });
    m_grid->loadWidths();
    const app::Settings& s = *m_context.settings;
    m_grid->setSortMark(m_view->columnOfField(s.BatteryMonitorSortCol), s.BatteryMonitorSortUp);
    m_grid->selectRow(selectRow);
    m_grid->setVisible(true);
}

int BatteryPage::selectedRow() const
{
    const std::vector<int> rows = m_grid->selectedRows();
    return rows.empty() ? -1 : rows.front();
}

void BatteryPage::reportSave(bool saved, const std::string& error)
{
    if (!saved) {
        m_context.saveFailed(error);
    }
}

void BatteryPage::ReportBattery(const std::string& txCode, bool low, const lists::ListTime& time,
                                const model::RecordTable& records)
{
    int followed = selectedRow();
    const app::Settings& s = *m_context.settings;
    lists::TBatt::Report report =
        m_batt.ReportBattery(txCode, low, time, records, s.BatteryMonitorSortCol, s.BatteryMonitorSortUp, &followed);
    if (report.ignored) {
        return;
    }
    reportSave(report.saved, report.error);
    ShowLowBatt(followed);
}

void BatteryPage::TitleClicked(int column)
{
    // The setting names the field sorted; with user columns hidden a column number is not a field.
    const int field = m_view ? m_view->fieldOfColumn(column) : -1;
    if (field < 0) {
        return;
    }
    app::Settings& s = *m_context.settings;
    if (field == s.BatteryMonitorSortCol) {
        s.BatteryMonitorSortUp = !s.BatteryMonitorSortUp;
    } else {
        s.BatteryMonitorSortCol = field;
        s.BatteryMonitorSortUp = true;
    }
    int followed = selectedRow();
    std::string error;
    reportSave(m_batt.SortLowBatt(s.BatteryMonitorSortCol, s.BatteryMonitorSortUp, error, &followed), error);
    ShowLowBatt(followed);
}

void BatteryPage::ClearBoxClick(int n, bool ticked)
{
    if (!ticked) {
        return;
    }
    for (int other = 0; other < 3; ++other) {
        if (other != n) {
            m_clearBoxes[static_cast<std::size_t>(other)]->setChecked(false);
        }
    }
}

void BatteryPage::ClearButtonClick()
{
    std::string error;
    if (m_clearBoxes[0]->isChecked()) {
        const std::vector<int> rows = m_grid->selectedRows();
        bool saved = true;
        if (!rows.empty()) {
            // Each removal moves the following entries up: the first position removes them all.
            for (std::size_t i = 0; i < rows.size(); ++i) {
                saved = m_batt.RemoveEntry(rows.front(), error) && saved;
            }
        }
        reportSave(saved, error);
        m_grid->clearSelection();
        ShowLowBatt();
    } else if (m_clearBoxes[1]->isChecked()) {
        reportSave(m_batt.RemoveChanged(error), error);
        m_grid->clearSelection();
        ShowLowBatt();
    } else if (m_clearBoxes[2]->isChecked()) {
        reportSave(m_batt.ClearAll(error), error);
        ShowLowBatt();
    }
    for (QCheckBox* box : m_clearBoxes) {
        box->setChecked(false);
    }
}

} // namespace vorbix::ui
