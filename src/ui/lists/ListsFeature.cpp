#include "ui/lists/ListsFeature.h"

#include "core/app/IniFile.h"
#include "core/app/Settings.h"
#include "core/base/TextNumbers.h"
#include "core/export/PageTables.h"
#include "core/lists/EventCode.h"
#include "core/model/TxCode.h"
#include "core/online/HandOver.h"
#include "core/text/TextFile.h"
#include "core/views/ColumnConfig.h"
#include "ui/app/PageGrids.h"
#include "ui/app/RecordData.h"
#include "ui/app/Shell.h"
#include "ui/app/ShellEvents.h"
#include "ui/lists/BatteryPage.h"
#include "ui/lists/HistoryPage.h"
#include "ui/lists/ListGrid.h"
#include "ui/lists/ListTableModel.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/QtText.h"

#include <QtDebug>

namespace vorbix::ui {

namespace {

lists::ListTime listTime(const QDateTime& time)
{
    const QDate d = time.date();
    const QTime t = time.time();
    return lists::ListTime{d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
}

} // namespace

ListsFeature::ListsFeature(Shell& shell)
    : Feature(shell), m_history(text::joinPath(shell.programFolder(), "History.dat")),
      m_batt(text::joinPath(shell.programFolder(), "LowBatt.dat"))
{
    setObjectName(QStringLiteral("ListsFeature"));
    ListContext context;
    context.lang = &shell.lang();
    context.settings = &shell.settings();
    context.shownColumns = [this] { return shownColumns(); };
    context.saveFailed = [this](const std::string& error) { saveFailed(error); };
    context.loaded = [this](const lists::ListLoad& load, const std::string& path) { reportLoad(load, path); };

    m_historyPage = new HistoryPage(
        m_history, context, [this] { return this->shell().currentPage() == app::Page::History; },
        shell.page(app::Page::History));
    m_batteryPage = new BatteryPage(m_batt, context, shell.page(app::Page::Battery));
    connect(m_batteryPage, &BatteryPage::findTransmitterRequested, this, &ListsFeature::findTransmitterRequested);
    connect(&shell.events(), &ShellEvents::pageChanged, this, &ListsFeature::pageChanged);
    // The lists show the records' user numbers and texts.
    connect(&shell.records(), &RecordData::replaced, this, &ListsFeature::ShowLists);
    connect(&shell.records(), &RecordData::recordsChanged, this, &ListsFeature::LinkUserData);

    for (const app::Page page : {app::Page::History, app::Page::Battery}) {
        ListGrid* grid = page == app::Page::History ? m_historyPage->grid() : m_batteryPage->grid();
        PageGrids::Grid registered = PageGrids::of(&grid->tableModel()->gridText(), grid);
        if (page == app::Page::History) {
            registered.transmitterOf = [this](int row) { return m_historyPage->transmitterOf(row); };
            // The list records behind the rows give the time stamps.
            registered.sheet = [this, grid] {
                const lists::ListView* view = grid->tableModel()->view();
                return view != nullptr ? exports::historyTable(*view, m_history.Records) : exports::SheetTable{};
            };
        } else {
            registered.sheet = [this, grid] {
                const lists::ListView* view = grid->tableModel()->view();
                return view != nullptr ? exports::batteryTable(*view, m_batt.Records) : exports::SheetTable{};
            };
        }
        shell.pageGrids().add(page, std::move(registered));
    }
}

ListsFeature::~ListsFeature() = default;

void ListsFeature::applyLanguage(const PopisType& lang)
{
    m_batteryPage->applyTexts(lang);
    ShowLists();
}

// The lists are read before any start-up step can download, link or add to them: a list saved
// before it was read would replace its file with what little it held.
void ListsFeature::settingsLoaded()
{
    reportLoad(m_batt.LoadLowBatt(), m_batt.path());
    m_batteryPage->ShowLowBatt();
    if (shell().currentPage() == app::Page::History) {
        m_historyPage->PageShow();
    } else {
        reportLoad(m_history.LoadHistory(), m_history.path());
        m_historyPage->ShowHistory();
    }
}

void ListsFeature::pageChanged(int index)
{
    if (index == static_cast<int>(app::Page::History) && shell().state().StartupDone) {
        m_historyPage->PageShow();
    }
}

lists::UserColumnsShown ListsFeature::shownColumns() const
{
    views::ColumnConfig config;
    views::LoadColumnConfig(app::IniFile::load(shell().settingsPath()), config);
    const bool single = shell().records().functions.isSingleLayout();
    return config.visible[static_cast<std::size_t>(single ? views::GridLayout::Single : views::GridLayout::Multi)];
}

void ListsFeature::reportLoad(const lists::ListLoad& load, const std::string& path)
{
    if (!load.opened && !load.missing) {
        // The list stays empty as for a missing file; the log says why.
        qWarning().noquote() << fromCp(load.error);
    }
    if (load.skippedLines > 0) {
        // The lines are left out and the next save drops them; the log says which.
        qWarning().noquote() << QStringLiteral("%1: %2 line(s) that do not read (too few fields or a time that does "
                                               "not read) were left out, the first: %3")
                                    .arg(QString::fromStdString(path))
                                    .arg(load.skippedLines)
                                    .arg(fromCp(load.firstSkipped));
    }
}

void ListsFeature::saveFailed(const std::string& error)
{
    Dialogs::error(shell().mainWindow(), fromCp(LangText(shell().lang(), lang::kFileCannotBeOpened) + " - " + error));
}

void ListsFeature::ReceiveStatus(const QString& txCode, const QString& buttonCode, bool lowBatt, bool inReceiver,
                                 const QDateTime& time)
{
    // The lists take what the hand-over rule of on-line mode decides, as vorbixctl watch does.
    online::StatusBlock block;
    block.txCode = toCp(txCode);
    block.code = buttonCode.isEmpty() ? '0' : buttonCode.at(0).toLatin1();
    block.lowBattery = lowBatt;
    if (inReceiver) {
        block.slot = 0; // the receiver named a slot; which one does not matter here
    }
    const app::Settings& s = shell().settings();
    online::DataSetLookup inDataSet;
    if (shell().state().DataOpen) {
        const model::RecordTable& records = shell().records().memory.Records;
        inDataSet = [&records](std::string_view serial) { return model::HoldsSerial(records, serial); };
    }
    const online::HandOver handOver =
        online::DecideHandOver(block, {s.HistoryMonitorLevel, s.BatteryMonitorLevel}, inDataSet);
    if (handOver.history) {
        AddEvent(txCode, buttonCode, lowBatt, time);
    }
    for (int n = handOver.batteryReports; n > 0; --n) {
        ReportBattery(txCode, lowBatt, time);
    }
}

void ListsFeature::AddEvent(const QString& txCode, const QString& buttonCode, bool lowBatt, const QDateTime& time)
{
    std::string error;
    if (!m_history.AddEvent(toCp(txCode), toCp(buttonCode), lowBatt, listTime(time), shell().settings().HistoryLength,
                            shell().records().memory.Records, error)) {
        saveFailed(error);
    }
    m_historyPage->ShowHistory(true);
}

void ListsFeature::ReportBattery(const QString& txCode, bool lowBatt, const QDateTime& time)
{
    m_batteryPage->ReportBattery(toCp(txCode), lowBatt, listTime(time), shell().records().memory.Records);
}

void ListsFeature::LinkUserData()
{
    std::string error;
    const model::RecordTable& records = shell().records().memory.Records;
    if (!m_history.LinkUserData(records, error)) {
        saveFailed(error);
    }
    if (!m_batt.LinkLowBattUserData(records, error)) {
        saveFailed(error);
    }
    ShowLists();
}

void ListsFeature::ShowLists()
{
    m_historyPage->ShowHistory();
    m_batteryPage->ShowLowBatt();
}

void ListsFeature::ApplyHistorySetup(int historyLength, bool clear)
{
    m_history.TrimHistory(historyLength);
    std::string error;
    if (clear && !m_history.ClearHistory(error)) {
        saveFailed(error);
    }
    m_historyPage->ShowHistory();
}

} // namespace vorbix::ui
