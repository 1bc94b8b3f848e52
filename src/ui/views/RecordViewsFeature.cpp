// Creation, the hooks of the main window, the data set's state, and find.
#include "ui/views/RecordViewsFeature.h"

#include "core/app/Settings.h"
#include "core/app/StatusView.h"
#include "core/base/TextNumbers.h"
#include "core/export/PageTables.h"
#include "core/text/TextFile.h"
#include "ui/app/MainActions.h"
#include "ui/app/PageGrids.h"
#include "ui/app/RecordData.h"
#include "ui/app/Shell.h"
#include "ui/views/RecordGrid.h"
#include "ui/views/RecordViews.h"
#include "ui/views/TEditForm.h"
#include "ui/views/TFindForm.h"
#include "ui/views/TNewForm.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/QtText.h"
#include "ui/widgets/TInfoForm.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QUndoStack>

namespace vorbix::ui {
namespace {

views::FindPage findPageOf(app::Page page)
{
    switch (page) {
    case app::Page::Memory:
        return views::FindPage::Memory;
    case app::Page::User:
        return views::FindPage::File;
    case app::Page::History:
        return views::FindPage::History;
    case app::Page::Battery:
        return views::FindPage::Battery;
    default:
        return views::FindPage::Other;
    }
}

} // namespace

RecordViewsFeature::RecordViewsFeature(Shell& shell) : Feature(shell)
{
    setObjectName(QStringLiteral("RecordViewsFeature"));
    RecordData& records = shell.records();
    m_undo = new QUndoStack(this);
    connect(&records, &RecordData::dataSetChanged, this, &RecordViewsFeature::followDataSet);
    connect(m_undo, &QUndoStack::indexChanged, this, &RecordViewsFeature::followUndoStep);
    connect(&records, &RecordData::replaced, this, &RecordViewsFeature::RebuildViews);
    connect(&records, &RecordData::loggingOut, this, &RecordViewsFeature::saveMemoryWidths);

    RecordViews::Inputs inputs;
    inputs.memory = &records.memory;
    inputs.functions = &records.functions;
    inputs.memoryView = &records.memoryView;
    inputs.userView = &records.userView;
    inputs.settings = &shell.settings();
    inputs.lang = &shell.lang();
    inputs.settingsPath = shell.settingsPath();
    inputs.loggedIn = [this] { return loggedIn(); };
    inputs.dataOpen = [this] { return this->shell().state().DataOpen; };
    inputs.busy = [this](bool show) { showBusy(show); };
    inputs.onError = [this](const std::string& m) { showError(m); };
    m_views = new RecordViews(std::move(inputs), shell.page(app::Page::Memory), shell.page(app::Page::User), this);
    connect(m_views, &RecordViews::editRequested, this, &RecordViewsFeature::MenuEdit);
    connect(m_views, &RecordViews::userTitleClicked, this, [this] { m_finder.resetPosition(views::FindPage::File); });

    registerGrids();
    for (const app::Page page : {app::Page::Memory, app::Page::User}) {
        shell.setPageCommands(page, {[this] { MenuAdd(); }, [this] { MenuEdit(); }, [this] { MenuDelete(); }});
    }

    QWidget* window = shell.mainWindow();
    const ErrorSink errorBox = [this](const std::string& m) { showError(m); };
    m_editForm = new TEditForm(records.functions, shell.lang(), errorBox, window);
    m_newForm = new TNewForm(shell.lang(), errorBox, window);
    m_findForm = new TFindForm(m_finder, shell.lang(), window);
}

RecordViewsFeature::~RecordViewsFeature() = default;

void RecordViewsFeature::connectActions(MainActions& actions)
{
    const std::pair<const char*, void (RecordViewsFeature::*)()> commands[] = {
        {"MenuNew", &RecordViewsFeature::MenuNew},
        {"MenuOpen", &RecordViewsFeature::MenuOpen},
        {"MenuSave", &RecordViewsFeature::MenuSave},
        {"MenuSaveAs", &RecordViewsFeature::MenuSaveAs},
        {"MenuClose", &RecordViewsFeature::MenuClose},
        {"MenuImport", &RecordViewsFeature::MenuImport},
        {"MenuImportCsv", &RecordViewsFeature::MenuImportCsv},
        {"MenuOpenBackup", &RecordViewsFeature::MenuOpenBackup},
        {"MenuFind", &RecordViewsFeature::MenuFind},
        {"MenuFindNext", &RecordViewsFeature::MenuFindNext},
    };
    for (const auto& [name, command] : commands) {
        if (QAction* action = actions.action(QString::fromLatin1(name))) {
            connect(action, &QAction::triggered, this, command);
        }
    }

    QAction* undo = actions.action(QStringLiteral("MenuUndo"));
    QAction* redo = actions.action(QStringLiteral("MenuRedo"));
    connect(actions.menu(QStringLiteral("MFile")), &QMenu::aboutToShow, this, &RecordViewsFeature::updateImportCsv);
    updateImportCsv();
    connect(undo, &QAction::triggered, m_undo, &QUndoStack::undo);
    connect(redo, &QAction::triggered, m_undo, &QUndoStack::redo);
    connect(m_undo, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(m_undo, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    m_undoAction = undo;
    m_redoAction = redo;
    connect(m_undo, &QUndoStack::undoTextChanged, this, &RecordViewsFeature::nameUndoSteps);
    connect(m_undo, &QUndoStack::redoTextChanged, this, &RecordViewsFeature::nameUndoSteps);
}

void RecordViewsFeature::applyLanguage(const PopisType& /*lang*/)
{
    nameUndoSteps();
}

void RecordViewsFeature::nameUndoSteps()
{
    // "Undo Delete", "Redo Edit": the menu says which step it takes, where the language puts it.
    if (m_undoAction == nullptr) {
        return;
    }
    const PopisType& lang = shell().lang();
    const auto name = [&lang](QAction* action, int alone, int withStep, const QString& step) {
        action->setText(step.isEmpty() ? fromCp(LangText(lang, alone))
                                       : fromCp(LangTextWith(lang, withStep, toCp(step))));
    };
    name(m_undoAction, lang::kUndo, lang::kUndoStep, m_undo->undoText());
    name(m_redoAction, lang::kRedo, lang::kRedoStep, m_undo->redoText());
}

void RecordViewsFeature::settingsLoaded()
{
    m_views->LoadColumnConfig();
}

bool RecordViewsFeature::startup(const app::StartupPlan& plan)
{
    app::ShellState& state = shell().state();
    if (plan.takeOpenDataPath) {
        state.DataFileName = shell().settings().OpenDataPath;
        if (plan.openDataPath) {
            openBackupFile(state.DataFileName);
            state.DataSaved = true;
        }
    }
    if (plan.openStartFile) {
        openBackupFile(state.DataFileName);
        state.DataSaved = true;
    }
    return true;
}

std::optional<app::UnsavedItem> RecordViewsFeature::unsavedItem()
{
    const app::ShellState& state = shell().state();
    // A user without administrator rights neither sees nor edits the data set.
    if (!state.DataOpen || state.DataSaved || !state.AdminRights) {
        return std::nullopt;
    }
    return app::UnsavedItem{app::DataSetCloseQuestion(shell().lang()), [this] { return saveForClose(); }};
}

void RecordViewsFeature::closeSteps()
{
    if (shell().state().LoggedIn) {
        saveMemoryWidths();
    }
    if (shell().state().DataOpen) {
        saveUserWidths();
    }
}

void RecordViewsFeature::showError(const std::string& message)
{
    Dialogs::error(shell().mainWindow(), fromCp(message));
}

bool RecordViewsFeature::loggedIn() const
{
    return shell().state().LoggedIn;
}

void RecordViewsFeature::followDataSet(model::TDataSet::Change change)
{
    // The shell state still holds the flags from before this change (syncState copies them below).
    const bool wasChanged = shell().state().MemoryChanged;
    const bool replaced = change == model::TDataSet::Change::Records && !m_changingRecords;
    const bool handedOver = wasChanged && !shell().records().dataSet.state().MemoryChanged &&
                            change == model::TDataSet::Change::State && !m_returningToClean;
    if (replaced || handedOver) {
        m_clean.forget(); // before the history's step goes back to 0
        m_undo->clear();
    }
    syncState();
    const model::DataSetState& data = shell().records().dataSet.state();
    m_clean.follow(m_undo->index(), data.DataSaved, !data.MemoryChanged);
    if (change == model::TDataSet::Change::Records) {
        RebuildViews(); // before the other subscribers hear that the records changed
    }
}

void RecordViewsFeature::followUndoStep(int step)
{
    const views::UndoCleanPoints::Back back = m_clean.reached(step);
    if (back.file || back.memory) {
        m_returningToClean = true;
        shell().records().dataSet.markBackTo(back.file, back.memory);
        m_returningToClean = false;
    }
}

void RecordViewsFeature::syncState()
{
    const model::DataSetState& data = shell().records().dataSet.state();
    app::ShellState& state = shell().state();
    state.DataFileName = data.DataFileName;
    state.DataOpen = data.DataOpen;
    state.DataSaved = data.DataSaved;
    state.MemoryChanged = data.MemoryChanged;
    state.MemoryDownloaded = data.MemoryDownloaded;
    updateImportCsv();
    shell().RefreshStatus();
}

void RecordViewsFeature::updateImportCsv()
{
    MainActions* actions = shell().actions();
    if (QAction* action = actions != nullptr ? actions->action(QStringLiteral("MenuImportCsv")) : nullptr) {
        action->setEnabled(shell().state().DataOpen || loggedIn());
    }
}

void RecordViewsFeature::showBusy(bool show)
{
    TInfoForm* info = shell().infoForm();
    if (!show) {
        info->hide();
        return;
    }
    // No busy window over an open editing dialog or the message table.
    const bool dialogOpen =
        m_editForm->isVisible() || shell().inMonitorLayout() || (QApplication::activeModalWidget() != nullptr);
    if (dialogOpen) {
        return;
    }
    info->present(fromCp(LangText(shell().lang(), lang::kBusyWorking)), false);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void RecordViewsFeature::RebuildViews()
{
    model::TRxFnc& functions = shell().records().functions;
    functions.Folder = shell().programFolder();
    functions.FileName = shell().definitionFileName();
    m_views->RebuildViews();
    updateImportCsv();
    shell().RefreshStatus();
}

bool RecordViewsFeature::openBackupFile(const std::string& path)
{
    const bool opened = shell().records().dataSet.openAtStartup(path, loggedIn());
    if (opened) {
        m_views->LoadUserWidths();
        shell().showPage(app::Page::User);
    }
    syncState();
    return opened;
}

void RecordViewsFeature::OpenProfileDataFile(const QString& path)
{
    app::ShellState& state = shell().state();
    state.DataFileName = toCp(path);
    if (text::fileExists(state.DataFileName)) {
        openBackupFile(state.DataFileName);
        state.DataSaved = true;
    }
    shell().RefreshStatus();
}

void RecordViewsFeature::saveMemoryWidths()
{
    m_views->SaveMemoryWidths();
}

void RecordViewsFeature::saveUserWidths()
{
    m_views->SaveUserWidths();
}

void RecordViewsFeature::setUserColumnVisible(int columnCode, bool visible)
{
    m_views->setUserColumnVisible(columnCode, visible);
}

std::vector<std::string> RecordViewsFeature::userColumnTitles()
{
    return m_views->userColumnTitles();
}

void RecordViewsFeature::registerGrids()
{
    for (RecordGrid* grid : {m_views->memGrid(), m_views->userGrid()}) {
        const bool memory = grid == m_views->memGrid();
        const views::GridText* text = memory ? static_cast<const views::GridText*>(&m_views->memoryView())
                                             : static_cast<const views::GridText*>(&m_views->userView());
        PageGrids::Grid registered = PageGrids::of(text, grid);
        registered.transmitterOf = [this, grid](int row) { return m_views->transmitterOf(grid, row); };
        if (memory) {
            registered.sheet = [this] { return exports::memoryTable(m_views->memoryView()); };
        } else {
            registered.sheet = [this] { return exports::userTable(m_views->userView()); };
        }
        shell().pageGrids().add(memory ? app::Page::Memory : app::Page::User, std::move(registered));
    }
}
void RecordViewsFeature::MenuFind()
{
    const views::FindPage page = findPageOf(shell().currentPage());
    m_finder.resetPositions();
    if (m_findForm->ask(views::findItemCaptions(page, shell().lang(), shell().settings().userTitles))) {
        RunFind();
    }
}

void RecordViewsFeature::MenuFindNext()
{
    if (m_finder.searchText().empty()) {
        MenuFind();
    } else {
        RunFind();
    }
}

void RecordViewsFeature::FindTransmitter(const QString& serial)
{
    const app::Page from = shell().currentPage();
    if (shell().state().DataOpen) {
        shell().showPage(app::Page::User);
    } else if (loggedIn()) {
        shell().showPage(app::Page::Memory);
    } else {
        return;
    }
    m_finder.resetPosition(views::FindPage::Memory);
    m_finder.resetPosition(views::FindPage::File);
    m_finder.setSearch(toCp(serial), 2); // item 2: the serial number column
    if (!RunFind()) {
        shell().showPage(from);
    }
}

bool RecordViewsFeature::RunFind()
{
    const app::Page shown = shell().currentPage();
    const PageGrids::Grid* grid = shell().pageGrids().shown(shown);
    if (grid == nullptr) {
        return false;
    }
    const views::FindPage page = findPageOf(shown);
    const views::ColumnCodes& codes = m_views->userView().codes();
    const int column = views::findItemColumn(page, m_finder.searchColumn(), &codes);
    int row = -1;
    switch (m_finder.run(page, *grid->text, column, row)) {
    case views::FindResult::Found:
        if (grid->selectRow) {
            grid->selectRow(row);
        }
        return true;
    case views::FindResult::NotFound:
        Dialogs::message(shell().mainWindow(), fromCp(LangText(shell().lang(), lang::kTextNotFound)));
        return false;
    case views::FindResult::Skipped:
        break;
    }
    return false;
}

} // namespace vorbix::ui
