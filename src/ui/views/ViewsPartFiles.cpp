// The File menu's data-file commands and their unsaved-changes questions.
#include "core/app/Settings.h"
#include "core/app/StatusView.h"
#include "core/model/TDataSet.h"
#include "core/text/TextFile.h"
#include "ui/app/Dialogs.h"
#include "ui/app/QtText.h"
#include "ui/app/TMainForm.h"
#include "ui/views/RecordGrid.h"
#include "ui/views/RecordViews.h"
#include "ui/views/TNewForm.h"
#include "ui/views/ViewsPart.h"

#include <QDir>

namespace vorbix::ui {

namespace {

const QString DefaultExtension = QStringLiteral("rxd");

} // namespace

bool ViewsPart::askToSave(int text, bool mainTitle)
{
    const QString title = mainTitle ? m_window.windowTitle() : QStringLiteral("Vorbix");
    switch (Dialogs::question(&m_window, title, fromCp(LangText(m_window.lang(), text)))) {
    case app::Answer::Cancel:
        return false;
    case app::Answer::Yes:
        MenuSave();
        return true;
    case app::Answer::No:
        return true;
    }
    return true;
}

void ViewsPart::storeUserWidthsIfShown()
{
    if (!m_views->userGrid()->isHidden()) {
        m_views->SaveUserWidths();
    }
}

void ViewsPart::saveLastFile()
{
    (void)m_window.SaveSettings();
}

bool ViewsPart::newDataSet()
{
    std::string model;
    if (!loggedIn() && !m_newForm->choose(m_window.programFolder(), model)) {
        return false;
    }
    if (!m_dataSet->newDataSet(model, loggedIn(), m_functions)) {
        return false;
    }
    m_views->LoadUserWidths();
    showPage(static_cast<int>(app::Page::User));
    return true;
}

void ViewsPart::MenuNew()
{
    storeUserWidthsIfShown();
    const app::ShellState& state = m_window.state();
    if (state.DataOpen && !state.DataSaved && !askToSave(84, true)) {
        return;
    }
    (void)newDataSet();
}

void ViewsPart::MenuOpen()
{
    storeUserWidthsIfShown();
    if (!m_window.state().DataSaved && !askToSave(97, false)) {
        return;
    }
    const QString path = Dialogs::openFileName(&m_window, dataFileFilter(), fromCp(m_window.state().DataFileName));
    if (path.isEmpty()) {
        return;
    }
    if (m_dataSet->open(toCp(path), loggedIn())) {
        m_views->LoadUserWidths();
        showPage(static_cast<int>(app::Page::User));
        saveLastFile();
    }
}

void ViewsPart::MenuOpenBackup()
{
    storeUserWidthsIfShown();
    if (!m_window.state().DataSaved && !askToSave(97, false)) {
        return;
    }
    const QString backupFolder = fromCp(text::joinPath(m_window.programFolder(), model::BackupFolderName));
    const QString currentFolder = QDir::currentPath();
    const QString path = Dialogs::openFileName(&m_window, dataFileFilter(), backupFolder);
    QDir::setCurrent(currentFolder);
    if (path.isEmpty()) {
        return;
    }
    if (m_dataSet->openBackup(toCp(path), loggedIn())) {
        m_views->LoadUserWidths();
        showPage(static_cast<int>(app::Page::User));
    }
}

bool ViewsPart::saveAsDialog()
{
    const QString path =
        Dialogs::saveFileName(&m_window, dataFileFilter(), DefaultExtension, fromCp(m_window.state().DataFileName));
    if (path.isEmpty()) {
        return false;
    }
    return m_dataSet->saveAs(toCp(path));
}

void ViewsPart::MenuSave()
{
    const app::ShellState& state = m_window.state();
    if (state.DataOpen) {
        if (state.DataFileName.empty()) {
            (void)saveAsDialog();
        } else {
            (void)m_dataSet->save();
        }
    } else if (state.MemoryDownloaded) {
        if (newDataSet()) {
            (void)saveAsDialog();
        }
    }
    if (m_saveMonitor) {
        (void)m_saveMonitor();
    }
}

bool ViewsPart::saveForClose()
{
    if (m_window.state().DataFileName.empty()) {
        return saveAsDialog();
    }
    return m_dataSet->save();
}

void ViewsPart::MenuSaveAs()
{
    if (!m_window.state().DataOpen && !newDataSet()) {
        return;
    }
    (void)saveAsDialog();
}

void ViewsPart::MenuClose()
{
    if (!m_window.state().DataSaved && !askToSave(84, true)) {
        return;
    }
    m_dataSet->close(); // rebuilds the views, which store the widths and hide the user grid
    showPage(static_cast<int>(app::Page::Memory));
}

void ViewsPart::MenuImport()
{
    if (!Dialogs::yesNo(&m_window, m_window.windowTitle(), fromCp(LangText(m_window.lang(), 96)), true)) {
        return;
    }
    const QString path = Dialogs::openFileName(&m_window, dataFileFilter(), fromCp(m_window.state().DataFileName));
    if (!path.isEmpty()) {
        (void)m_dataSet->importComments(toCp(path));
    }
}

} // namespace vorbix::ui
