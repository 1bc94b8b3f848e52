// Ownership, wiring to the main window, the data set's state, and find.
#include "ui/views/ViewsPart.h"

#include "core/app/StatusView.h"
#include "ui/app/Dialogs.h"
#include "ui/app/MainActions.h"
#include "ui/app/OnlinePanel.h"
#include "ui/app/QtText.h"
#include "ui/app/TInfoForm.h"
#include "ui/app/TMainForm.h"
#include "ui/views/RecordGrid.h"
#include "ui/views/RecordViews.h"
#include "ui/views/TEditForm.h"
#include "ui/views/TFindForm.h"
#include "ui/views/TNewForm.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

namespace vorbix::ui {

ViewsPart::ViewsPart(TMainForm& window) : QObject(&window), m_window(window)
{
    setObjectName(QStringLiteral("ViewsPart"));
    m_functions.Folder = window.programFolder();
    m_functions.FileName = window.definitionFileName();
    m_functions.setMessages(&window.lang(), [this](const std::string& m) { showError(m); });
    m_dataSet = std::make_unique<model::TDataSet>(m_memory, window.programFolder(), window.lang(),
                                                  [this](const std::string& m) { showError(m); });
    m_dataSet->setObserver([this](model::TDataSet::Change change) {
        syncState();
        if (change == model::TDataSet::Change::Records) {
            RebuildViews();
            emit recordsChanged();
        }
    });

    RecordViews::Inputs inputs;
    inputs.memory = &m_memory;
    inputs.functions = &m_functions;
    inputs.settings = &window.settings();
    inputs.lang = &window.lang();
    inputs.settingsPath = window.settingsPath();
    inputs.loggedIn = [this] { return loggedIn(); };
    inputs.dataOpen = [this] { return m_window.state().DataOpen; };
    inputs.busy = [this](bool show) { showBusy(show); };
    inputs.onError = [this](const std::string& m) { showError(m); };
    m_views = new RecordViews(std::move(inputs), window.page(app::Page::Memory), window.page(app::Page::User), this);
    connect(m_views, &RecordViews::editRequested, this, &ViewsPart::MenuEdit);
    connect(m_views, &RecordViews::userTitleClicked, this, [this] { m_finder.resetPosition(views::FindPage::File); });

    const ErrorSink errorBox = [this](const std::string& m) { showError(m); };
    m_editForm = new TEditForm(m_functions, window.lang(), errorBox, &window);
    m_newForm = new TNewForm(window.lang(), errorBox, &window);
    m_findForm = new TFindForm(m_finder, window.lang(), &window);

    window.setDataSetSaver([this] { return saveForClose(); });
    connectActions();
}

ViewsPart::~ViewsPart() = default;

void ViewsPart::connectActions()
{
    MainActions* actions = m_window.actions();
    const std::pair<const char*, void (ViewsPart::*)()> commands[] = {
        {"MenuNew", &ViewsPart::MenuNew},
        {"MenuOpen", &ViewsPart::MenuOpen},
        {"MenuSave", &ViewsPart::MenuSave},
        {"MenuSaveAs", &ViewsPart::MenuSaveAs},
        {"MenuClose", &ViewsPart::MenuClose},
        {"MenuImport", &ViewsPart::MenuImport},
        {"MenuOpenBackup", &ViewsPart::MenuOpenBackup},
        {"MenuAdd", &ViewsPart::MenuAdd},
        {"MenuEdit", &ViewsPart::MenuEdit},
        {"MenuDelete", &ViewsPart::MenuDelete},
        {"MenuFind", &ViewsPart::MenuFind},
        {"MenuFindNext", &ViewsPart::MenuFindNext},
    };
    for (const auto& [name, command] : commands) {
        if (QAction* action = actions->action(QString::fromLatin1(name))) {
            connect(action, &QAction::triggered, this, command);
        }
    }
    connect(m_window.onlinePanel()->BtnAdd, &QPushButton::clicked, this, &ViewsPart::BtnAddClick);
}

void ViewsPart::showError(const std::string& message)
{
    Dialogs::error(&m_window, fromCp(message));
}

bool ViewsPart::loggedIn() const
{
    return m_window.state().LoggedIn;
}

void ViewsPart::syncState()
{
    const model::DataSetState& data = m_dataSet->state();
    app::ShellState& shell = m_window.state();
    shell.DataFileName = data.DataFileName;
    shell.DataOpen = data.DataOpen;
    shell.DataSaved = data.DataSaved;
    shell.MemoryChanged = data.MemoryChanged;
    shell.MemoryDownloaded = data.MemoryDownloaded;
    m_window.RefreshStatus();
}

void ViewsPart::showBusy(bool show)
{
    TInfoForm* info = m_window.infoForm();
    if (!show) {
        info->hide();
        return;
    }
    // No busy window over an open editing dialog or the message table.
    const bool dialogOpen = m_editForm->isVisible() || !m_window.messagesPanel()->isHidden() ||
                            (QApplication::activeModalWidget() != nullptr);
    if (dialogOpen) {
        return;
    }
    info->Label1->setText(fromCp(LangText(m_window.lang(), 48)));
    info->CancelButton->setEnabled(false);
    info->show();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void ViewsPart::RebuildViews()
{
    m_functions.Folder = m_window.programFolder();
    m_functions.FileName = m_window.definitionFileName();
    m_views->RebuildViews();
    m_window.RefreshStatus();
}

void ViewsPart::loadColumnConfig()
{
    m_views->LoadColumnConfig();
}

bool ViewsPart::openBackupFile(const std::string& path)
{
    const bool opened = m_dataSet->openAtStartup(path, loggedIn());
    if (opened) {
        m_views->LoadUserWidths();
        showPage(static_cast<int>(app::Page::User));
    }
    syncState();
    return opened;
}

void ViewsPart::saveMemoryWidths()
{
    m_views->SaveMemoryWidths();
}

void ViewsPart::saveUserWidths()
{
    m_views->SaveUserWidths();
}

void ViewsPart::showPage(int page)
{
    m_window.pageControl()->setCurrentIndex(page);
}

views::FindPage ViewsPart::activeFindPage() const
{
    switch (static_cast<app::Page>(m_window.pageControl()->currentIndex())) {
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

void ViewsPart::setSearchableGrid(views::FindPage page, const views::GridText* grid,
                                  std::function<void(int row)> selectRow)
{
    m_listGrids[page] = SearchableGrid{grid, std::move(selectRow)};
}

void ViewsPart::MenuFind()
{
    const views::FindPage page = activeFindPage();
    m_finder.resetPositions();
    if (m_findForm->ask(views::findItemCaptions(page, m_window.lang(), m_window.settings().userTitles))) {
        RunFind();
    }
}

void ViewsPart::MenuFindNext()
{
    if (m_finder.searchText().empty()) {
        MenuFind();
    } else {
        RunFind();
    }
}

bool ViewsPart::RunFind()
{
    const views::FindPage page = activeFindPage();
    const views::GridText* grid = nullptr;
    std::function<void(int)> selectRow;
    if (page == views::FindPage::Memory && !m_views->memGrid()->isHidden()) {
        grid = &m_views->memoryView();
        selectRow = [this](int row) { m_views->memGrid()->selectRow(row); };
    } else if (page == views::FindPage::File && !m_views->userGrid()->isHidden()) {
        grid = &m_views->userView();
        selectRow = [this](int row) { m_views->userGrid()->selectRow(row); };
    } else if (const auto found = m_listGrids.find(page); found != m_listGrids.end()) {
        grid = found->second.grid;
        selectRow = found->second.selectRow;
    }
    if (!grid) {
        return false;
    }
    const views::ColumnCodes& codes = m_views->userView().codes();
    const int column = views::findItemColumn(page, m_finder.searchColumn(), &codes);
    int row = -1;
    switch (m_finder.run(page, *grid, column, row)) {
    case views::FindResult::Found:
        if (selectRow) {
            selectRow(row);
        }
        return true;
    case views::FindResult::NotFound:
        Dialogs::message(&m_window, fromCp(LangText(m_window.lang(), 146)));
        return false;
    case views::FindResult::Skipped:
        break;
    }
    return false;
}

} // namespace vorbix::ui
