#include "ui/monitor/MonitorFeature.h"

#include "core/app/CloseQuery.h"
#include "core/app/IniFile.h"
#include "core/app/Settings.h"
#include "core/base/TextNumbers.h"
#include "core/text/TextFile.h"
#include "core/views/ColumnConfig.h"
#include "ui/app/MainActions.h"
#include "ui/app/MonitorSetup.h"
#include "ui/app/PageGrids.h"
#include "ui/app/RecordData.h"
#include "ui/app/Shell.h"
#include "ui/app/ShellEvents.h"
#include "ui/app/SoundPlayer.h"
#include "ui/help/HelpContext.h"
#include "ui/monitor/MonitorPage.h"
#include "ui/monitor/MonitorTable.h"
#include "ui/monitor/TMonitorAddForm.h"
#include "ui/monitor/TMonitorEditForm.h"
#include "ui/monitor/TMonitorEventEditForm.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/QtText.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QPushButton>

namespace vorbix::ui {

namespace {

constexpr const char* kMonitorWidths = "MonitorGrid";
constexpr const char* kActiveWidths = "ActiveGrid";
constexpr const char* kDeactiveWidths = "DeactiveGrid";
constexpr int kMessageHelp = 330;
constexpr int kEventHelp = 340;

} // namespace

MonitorFeature::MonitorFeature(Shell& shell) : Feature(shell), m_monitor(shell.monitorSetup().data)
{
    setObjectName(QStringLiteral("MonitorFeature"));
    m_monitor.setMessages(&shell.lang(), [this](const std::string& m) { showError(m); });
    m_monitor.Records = [this]() -> const model::RecordTable* {
        return this->shell().state().DataOpen ? &this->shell().records().memory.Records : nullptr;
    };

    m_page = new MonitorPage(shell.page(app::Page::Monitor));
    QWidget* window = shell.mainWindow();
    m_editForm = new TMonitorEditForm(shell.lang(), window);
    setHelpContext(m_editForm, kMessageHelp);
    m_eventForm = new TMonitorEventEditForm(
        shell.lang(), [this](const std::string& m) { showError(m); }, window);
    setHelpContext(m_eventForm, kEventHelp);
    m_addForm = new TMonitorAddForm(window);
    m_editForm->playSound = [this](int code, const QString& file) { this->shell().sounds().playOnce(code, file); };

    MonitorTable* grid = m_page->monitorGrid();
    grid->setSwatchColumn(monitor::kColourColumn, [this](int row) -> std::optional<unsigned> {
        const int position = m_monitorView ? m_monitorView->positionOf(row) : -1;
        if (position < 0 || static_cast<std::size_t>(position) >= m_monitor.Messages.size()) {
            return std::nullopt;
        }
        const monitor::MessageColours colours =
            monitor::coloursOf(m_monitor.Messages[static_cast<std::size_t>(position)].Colour);
        return colours.hasSwatch ? std::optional<unsigned>(colours.swatch) : std::nullopt;
    });
    connect(grid, &MonitorTable::titleClicked, this, &MonitorFeature::TitleClicked);
    connect(grid, &MonitorTable::rowsActivated, this, &MonitorFeature::Edituj);
    connect(grid, &MonitorTable::currentRowChanged, this, &MonitorFeature::EventGridsRefresh);
    grid->keepWidths(shell.settings(), kMonitorWidths);
    for (const bool active : {true, false}) {
        MonitorTable* events = m_page->eventGrid(active);
        connect(events, &MonitorTable::rowsActivated, this, [this, active] { EditEventClick(active); });
        events->keepWidths(shell.settings(), active ? kActiveWidths : kDeactiveWidths);
        connect(m_page->addButton(active), &QPushButton::clicked, this, [this, active] { AddButtonClick(active); });
        connect(m_page->editButton(active), &QPushButton::clicked, this, [this, active] { EditEventClick(active); });
        connect(m_page->removeButton(active), &QPushButton::clicked, this,
                [this, active] { RemoveEventClick(active); });
    }
    connect(m_page->addPopupSerialNumber(), &QAction::triggered, this, &MonitorFeature::AddPopupSerialNumberClick);
    connect(m_page->addPopupMemory(), &QAction::triggered, this, [this] { AddPopupPageClick(app::Page::Memory); });
    connect(m_page->addPopupUser(), &QAction::triggered, this, [this] { AddPopupPageClick(app::Page::User); });
    connect(m_page->addPopupHistory(), &QAction::triggered, this, [this] { AddPopupPageClick(app::Page::History); });
    connect(m_page, &MonitorPage::heightsChanged, this, [this] {
        this->shell().settings().ActiveHeight = m_page->activeHeight();
        this->shell().settings().DeactiveHeight = m_page->deactiveHeight();
    });
    connect(m_addForm, &TMonitorAddForm::okClicked, this, &MonitorFeature::AddFormOK);
    connect(m_addForm, &TMonitorAddForm::closed, this, &MonitorFeature::addFormClosed);
    connect(&shell.events(), &ShellEvents::pageChanged, this, &MonitorFeature::pageChanged);
    connect(&shell.records(), &RecordData::recordsChanged, this, &MonitorFeature::CommentRefresh);
    shell.setPageCommands(app::Page::Monitor,
                          {[this] { PridejZpravu(); }, [this] { Edituj(); }, [this] { Odstran(); }});

    MonitorGridRefresh();
}

MonitorFeature::~MonitorFeature() = default;

void MonitorFeature::connectActions(MainActions& actions)
{
    const std::pair<const char*, void (MonitorFeature::*)()> commands[] = {
        {"MenuOpenMonitoring", &MonitorFeature::MenuOpenMonitoringClick},
        {"MenuSaveMonitoringAs", &MonitorFeature::MenuSaveMonitoringAsClick},
        {"MenuSave", &MonitorFeature::SaveAll},
    };
    for (const auto& [name, command] : commands) {
        if (QAction* action = actions.action(QString::fromLatin1(name))) {
            connect(action, &QAction::triggered, this, command);
        }
    }
}

void MonitorFeature::applyLanguage(const PopisType& lang)
{
    m_page->applyTexts(lang);
    MonitorGridRefresh();
}

void MonitorFeature::settingsLoaded()
{
    const app::Settings& s = shell().settings();
    m_page->setGroupHeights(s.ActiveHeight, s.DeactiveHeight);
    MonitorGridRefresh();
    for (MonitorTable* table : {m_page->monitorGrid(), m_page->eventGrid(true), m_page->eventGrid(false)}) {
        table->loadWidths();
    }
}

bool MonitorFeature::startup(const app::StartupPlan& plan)
{
    const app::Settings& s = shell().settings();
    m_monitor.SetupFile = s.LastMonitorFile;
    if (!m_monitor.SetupFile.empty() && text::fileExists(m_monitor.SetupFile)) {
        m_monitor.Nacti(m_monitor.SetupFile);
    }
    if (plan.takeMonitorPath) {
        if (plan.loadMonitorPath) {
            m_monitor.Nacti(s.OpenMonitorPath);
        } else {
            m_monitor.SetupFile = s.OpenMonitorPath;
        }
    }
    MonitorGridRefresh();
    changed(true);
    return true;
}

void MonitorFeature::LoadSetupFile(const QString& path)
{
    const std::string file = toCp(path);
    if (text::fileExists(file)) {
        m_monitor.Nacti(file); // a file that does not load leaves the setup as it was
    } else {
        m_monitor.SetupFile = file;
    }
    MonitorGridRefresh();
    changed(true);
}

std::optional<app::UnsavedItem> MonitorFeature::unsavedItem()
{
    // A user without administrator rights neither sees nor edits the monitor setup.
    if (!m_monitor.SetupPresent || m_monitor.SetupSaved || !shell().state().AdminRights) {
        return std::nullopt;
    }
    return app::UnsavedItem{app::MonitorSetupCloseQuestion(shell().lang()), [this] { return saveSetup(); }};
}

void MonitorFeature::closeSteps()
{
    if (m_addFormOpen) {
        m_addFormOpen = false;
        m_addForm->hide();
    }
}

void MonitorFeature::showError(const std::string& message)
{
    Dialogs::error(shell().mainWindow(), fromCp(message));
}

void MonitorFeature::changed(bool replaced)
{
    shell().settings().LastMonitorFile = m_monitor.SetupFile;
    if (replaced) {
        shell().monitorSetup().announceReplaced();
    } else {
        shell().monitorSetup().announceChanged();
    }
    shell().RefreshStatus();
}

std::array<bool, 5> MonitorFeature::shownColumns() const
{
    views::ColumnConfig config;
    views::LoadColumnConfig(app::IniFile::load(shell().settingsPath()), config);
    const bool single = shell().records().functions.isSingleLayout();
    return config.visible[static_cast<std::size_t>(single ? views::GridLayout::Single : views::GridLayout::Multi)];
}

// --- tables ---

void MonitorFeature::MonitorGridRefresh()
{
    MonitorTable* grid = m_page->monitorGrid();
    int number = 1;
    const int position = currentPosition();
    if (position >= 0) {
        number = m_monitor.Messages[static_cast<std::size_t>(position)].Number;
    }
    const app::Settings& s = shell().settings();
    auto view = std::make_unique<monitor::MonitorTableView>(m_monitor.Messages, shell().lang(), s.MonitorSortCol,
                                                            s.MonitorSortUp);
    {
        const QSignalBlocker block(grid);
        grid->rebuild(view.get());
        m_monitorView = std::move(view);
        grid->setSortMark(s.MonitorSortCol < monitor::kMonitorColumns ? s.MonitorSortCol : -1, s.MonitorSortUp);
        const int row = m_monitorView->rowOfNumber(number);
        grid->selectRow(row >= 0 ? row : 0);
    }
    grid->setVisible(true);
    // Find, export and print read the table as it stands now.
    shell().pageGrids().add(app::Page::Monitor, PageGrids::of(m_monitorView.get(), grid));
    EventGridsRefresh();
}

int MonitorFeature::currentPosition() const
{
    if (!m_monitorView) {
        return -1;
    }
    const int position = m_monitorView->positionOf(m_page->monitorGrid()->currentRow());
    return position >= 0 && static_cast<std::size_t>(position) < m_monitor.Messages.size() ? position : -1;
}

void MonitorFeature::EventGridsRefresh()
{
    const int position = currentPosition();
    const app::Settings& s = shell().settings();
    const std::array<bool, 5> shown = shownColumns();
    for (const bool active : {true, false}) {
        const std::vector<monitor::TEvent>* events = nullptr;
        if (position >= 0) {
            const monitor::TMonitorData& m = m_monitor.Messages[static_cast<std::size_t>(position)];
            events = active ? &m.ActiveEvents : &m.DeactiveEvents;
        }
        auto view = std::make_unique<monitor::EventTableView>(events, shell().lang(), s.userTitles, shown);
        m_page->eventGrid(active)->rebuild(view.get());
        (active ? m_activeView : m_deactiveView) = std::move(view);
    }
}

void MonitorFeature::TitleClicked(int column)
{
    app::Settings& s = shell().settings();
    if (column == s.MonitorSortCol) {
        s.MonitorSortUp = !s.MonitorSortUp;
    } else {
        s.MonitorSortCol = column;
        s.MonitorSortUp = true;
    }
    MonitorGridRefresh();
}

// --- messages ---

void MonitorFeature::PridejZpravu()
{
    monitor::MessageValues values;
    if (!m_editForm->edit(values)) {
        return;
    }
    m_monitor.PridejZpravu(values);
    changed();
    // The new message becomes the current row.
    const int number = m_monitor.Messages.back().Number;
    MonitorGridRefresh();
    if (const int row = m_monitorView->rowOfNumber(number); row >= 0) {
        m_page->monitorGrid()->selectRow(row);
    }
}

void MonitorFeature::Edituj()
{
    if (m_monitor.Messages.empty() || !m_monitorView) {
        return;
    }
    // The numbers first: each refresh rebuilds the table under the selection.
    std::vector<int> positions;
    for (const int row : m_page->monitorGrid()->selectedRows()) {
        positions.push_back(m_monitorView->positionOf(row));
    }
    for (const int position : positions) {
        if (position < 0 || static_cast<std::size_t>(position) >= m_monitor.Messages.size()) {
            break;
        }
        monitor::MessageValues values = m_monitor.Messages[static_cast<std::size_t>(position)].values();
        if (!m_editForm->edit(values)) {
            break;
        }
        m_monitor.Edituj(position + 1, values);
        changed();
        MonitorGridRefresh();
    }
}

void MonitorFeature::Odstran()
{
    if (m_monitor.Messages.empty() || !m_monitorView) {
        return;
    }
    std::vector<int> numbers;
    for (const int row : m_page->monitorGrid()->selectedRows()) {
        const int position = m_monitorView->positionOf(row);
        if (position >= 0) {
            numbers.push_back(m_monitor.Messages[static_cast<std::size_t>(position)].Number);
        }
    }
    m_monitor.Odstran(numbers);
    MonitorGridRefresh();
    changed();
}

// --- events ---

bool MonitorFeature::editEvent(monitor::TEvent& event)
{
    return m_eventForm->edit(event, shell().programFolder(), shell().settings().userTitles);
}

void MonitorFeature::AddButtonClick(bool active, std::optional<QPoint> popupAt)
{
    const QPoint at = popupAt.value_or(QCursor::pos());
    if (currentPosition() < 0) {
        PridejZpravu();
        if (currentPosition() < 0) {
            return;
        }
    }
    m_monitor.Current = currentPosition();
    m_monitor.AddToActive = active;
    m_page->addPopupMemory()->setEnabled(shell().pageGrids().shown(app::Page::Memory) != nullptr);
    m_page->addPopupUser()->setEnabled(shell().pageGrids().shown(app::Page::User) != nullptr);
    m_page->addPopupMenu()->popup(at);
}

void MonitorFeature::AddPopupSerialNumberClick()
{
    if (m_monitor.PridejEvent("x000000", "0", [this](monitor::TEvent& e) { return editEvent(e); }) ==
        monitor::EventAdd::Added) {
        changed();
    }
    MonitorGridRefresh();
}

void MonitorFeature::AddPopupPageClick(app::Page page)
{
    // A double click on a row of the page's table is the window's OK.
    (void)shell().openRecordPicker(page, [this] {
        AddFormOK();
        m_addForm->close();
    });
    m_addForm->FormShow(shell().lang(), shell().mainWindow());
    m_addFormOpen = true;
}

void MonitorFeature::AddFormOK()
{
    const app::Page page = shell().currentPage();
    const PageGrids::Grid* grid = shell().pageGrids().shown(page);
    if (grid == nullptr || !grid->transmitterOf) {
        return;
    }
    bool added = false;
    for (const auto& [serial, button] : shell().pageGrids().selectedTransmitters(page)) {
        added |= m_monitor.PridejEvent(serial, button) == monitor::EventAdd::Added;
    }
    if (added) {
        changed();
    }
    MonitorGridRefresh();
}

void MonitorFeature::addFormClosed()
{
    if (!m_addFormOpen) {
        return;
    }
    m_addFormOpen = false;
    shell().closeRecordPicker();
    shell().showPage(app::Page::Monitor);
}

void MonitorFeature::pageChanged(int /*index*/)
{
    if (m_addFormOpen && m_addForm->isVisible()) {
        m_addForm->close();
    }
}

void MonitorFeature::EditEventClick(bool active)
{
    const int position = currentPosition();
    const int event = m_page->eventGrid(active)->currentRow();
    if (position < 0 || event < 0) {
        return;
    }
    if (m_monitor.EditEvent(active, position, event, [this](monitor::TEvent& e) { return editEvent(e); })) {
        changed();
        EventGridsRefresh();
        m_page->eventGrid(active)->selectRow(event);
    }
}

void MonitorFeature::RemoveEventClick(bool active)
{
    const int position = currentPosition();
    const int event = m_page->eventGrid(active)->currentRow();
    if (position < 0 || event < 0) {
        return;
    }
    if (m_monitor.RemoveEvent(active, position, event)) {
        changed();
        EventGridsRefresh();
    }
}

void MonitorFeature::CommentRefresh()
{
    m_monitor.CommentRefresh();
    EventGridsRefresh();
    shell().RefreshStatus();
}

// --- files ---

bool MonitorFeature::UlozJako()
{
    const QString path = Dialogs::saveFileName(shell().mainWindow(), monitorFileFilter(), QStringLiteral("mon"),
                                               fromCp(m_monitor.SetupFile));
    if (path.isEmpty()) {
        return false;
    }
    return m_monitor.UlozJako(toCp(path));
}

bool MonitorFeature::saveSetup()
{
    m_monitor.SetupSaved = m_monitor.SetupFile.empty() ? UlozJako() : m_monitor.Uloz();
    changed();
    return m_monitor.SetupSaved;
}

void MonitorFeature::SaveAll()
{
    if (m_monitor.SetupPresent) {
        saveSetup();
    }
}

void MonitorFeature::MenuOpenMonitoringClick()
{
    if (m_monitor.SetupPresent && !m_monitor.SetupSaved) {
        switch (Dialogs::question(shell().mainWindow(), QStringLiteral("Vorbix"),
                                  fromCp(LangText(shell().lang(), lang::kSaveChangesFirst)))) {
        case app::Answer::Cancel:
            return;
        case app::Answer::Yes:
            // "Save all": the data set and the setup.
            if (QAction* save = shell().actions() ? shell().actions()->action(QStringLiteral("MenuSave")) : nullptr) {
                save->trigger();
            } else {
                SaveAll();
            }
            break;
        case app::Answer::No:
            break;
        }
    }
    const QString path = Dialogs::openFileName(shell().mainWindow(), monitorFileFilter(), fromCp(m_monitor.SetupFile));
    if (path.isEmpty()) {
        return;
    }
    m_monitor.Nacti(toCp(path));
    MonitorGridRefresh();
    changed(true);
}

void MonitorFeature::MenuSaveMonitoringAsClick()
{
    m_monitor.SetupSaved = UlozJako();
    changed();
}

} // namespace vorbix::ui
