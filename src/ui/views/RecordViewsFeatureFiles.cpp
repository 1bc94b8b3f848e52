// The File menu's data-file commands and their unsaved-changes questions.
#include "core/app/Language.h"
#include "core/app/Settings.h"
#include "core/app/StatusView.h"
#include "core/base/TextNumbers.h"
#include "core/model/TDataSet.h"
#include "core/model/TTx.h"
#include "core/text/CsvReader.h"
#include "core/text/TextFile.h"
#include "core/views/ImportLanguages.h"
#include "ui/app/RecordData.h"
#include "ui/app/Shell.h"
#include "ui/views/ImportReportContent.h"
#include "ui/views/RecordGrid.h"
#include "ui/views/RecordViews.h"
#include "ui/views/RecordViewsFeature.h"
#include "ui/views/TNewForm.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/QtText.h"

#include <QDir>

namespace vorbix::ui {

namespace {

const QString DefaultExtension = QStringLiteral("rxd");

} // namespace

bool RecordViewsFeature::askToSave(int text, bool mainTitle)
{
    const QString title = mainTitle ? shell().caption() : QStringLiteral("Vorbix");
    switch (Dialogs::question(shell().mainWindow(), title, fromCp(LangText(shell().lang(), text)))) {
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

void RecordViewsFeature::storeUserWidthsIfShown()
{
    if (!m_views->userGrid()->isHidden()) {
        m_views->SaveUserWidths();
    }
}

void RecordViewsFeature::saveLastFile()
{
    (void)shell().SaveSettings();
}

bool RecordViewsFeature::newDataSet()
{
    std::string model;
    if (!loggedIn() && !m_newForm->choose(shell().programFolder(), model)) {
        return false;
    }
    if (!shell().records().dataSet.newDataSet(model, loggedIn(), shell().records().functions)) {
        return false;
    }
    m_views->LoadUserWidths();
    shell().showPage(app::Page::User);
    return true;
}

void RecordViewsFeature::MenuNew()
{
    storeUserWidthsIfShown();
    const app::ShellState& state = shell().state();
    if (state.DataOpen && !state.DataSaved && !askToSave(lang::kSaveChanges, true)) {
        return;
    }
    (void)newDataSet();
}

void RecordViewsFeature::MenuOpen()
{
    storeUserWidthsIfShown();
    if (!shell().state().DataSaved && !askToSave(lang::kSaveChangesFirst, false)) {
        return;
    }
    const QString path =
        Dialogs::openFileName(shell().mainWindow(), dataFileFilter(), fromCp(shell().state().DataFileName));
    if (path.isEmpty()) {
        return;
    }
    if (shell().records().dataSet.open(toCp(path), loggedIn())) {
        m_views->LoadUserWidths();
        shell().showPage(app::Page::User);
        saveLastFile();
    }
}

void RecordViewsFeature::MenuOpenBackup()
{
    storeUserWidthsIfShown();
    if (!shell().state().DataSaved && !askToSave(lang::kSaveChangesFirst, false)) {
        return;
    }
    const QString backupFolder = fromCp(text::joinPath(shell().programFolder(), model::BackupFolderName));
    const QString currentFolder = QDir::currentPath();
    const QString path = Dialogs::openFileName(shell().mainWindow(), dataFileFilter(), backupFolder);
    QDir::setCurrent(currentFolder);
    if (path.isEmpty()) {
        return;
    }
    if (shell().records().dataSet.openBackup(toCp(path), loggedIn())) {
        m_views->LoadUserWidths();
        shell().showPage(app::Page::User);
    }
}

bool RecordViewsFeature::saveAsDialog()
{
    const QString path = Dialogs::saveFileName(shell().mainWindow(), dataFileFilter(), DefaultExtension,
                                               fromCp(shell().state().DataFileName));
    if (path.isEmpty()) {
        return false;
    }
    return shell().records().dataSet.saveAs(toCp(path));
}

void RecordViewsFeature::MenuSave()
{
    const app::ShellState& state = shell().state();
    if (state.DataOpen) {
        if (state.DataFileName.empty()) {
            (void)saveAsDialog();
        } else {
            (void)shell().records().dataSet.save();
        }
    } else if (state.MemoryDownloaded) {
        if (newDataSet()) {
            (void)saveAsDialog();
        }
    }
}

bool RecordViewsFeature::saveForClose()
{
    if (shell().state().DataFileName.empty()) {
        return saveAsDialog();
    }
    return shell().records().dataSet.save();
}

void RecordViewsFeature::MenuSaveAs()
{
    if (!shell().state().DataOpen && !newDataSet()) {
        return;
    }
    (void)saveAsDialog();
}

void RecordViewsFeature::MenuClose()
{
    if (!shell().state().DataSaved && !askToSave(lang::kSaveChanges, true)) {
        return;
    }
    shell().records().dataSet.close(); // rebuilds the views, which store the widths and hide the user grid
    shell().showPage(app::Page::Memory);
}

void RecordViewsFeature::MenuImport()
{
    if (!Dialogs::yesNo(shell().mainWindow(), shell().caption(),
                        fromCp(LangText(shell().lang(), lang::kImportComments)), true)) {
        return;
    }
    const QString path =
        Dialogs::openFileName(shell().mainWindow(), dataFileFilter(), fromCp(shell().state().DataFileName));
    if (!path.isEmpty()) {
        undoable(lang::kMenuImportComments, [&] { (void)shell().records().dataSet.importComments(toCp(path)); });
    }
}

views::ImportSetup RecordViewsFeature::importSetup(views::OtherLanguages& otherLanguages) const
{
    views::ImportSetup setup;
    setup.context = m_views->context();
    views::addOtherLanguages(setup, shell().programFolder(), shell().settings().Language,
                             shell().records().memory.Device.Model, otherLanguages);
    setup.typesLoaded = model::LoadTxTypes(shell().programFolder(), setup.types, shell().lang(), nullptr);
    return setup;
}

void RecordViewsFeature::MenuImportCsv()
{
    if (!shell().state().DataOpen && !loggedIn()) {
        return;
    }
    QWidget* window = shell().mainWindow();
    const auto text = [this](int n) { return fromCp(LangText(shell().lang(), n)); };
    const QString path =
        Dialogs::openFileName(window, text(lang::kFilterCsvOpen) + QStringLiteral(";;") + text(lang::kFilterAll));
    if (path.isEmpty()) {
        return;
    }
    const auto refuse = [&](const QString& reason) {
        Dialogs::error(window,
                       text(lang::kCsvUnreadable) + QStringLiteral("\n") + path + QStringLiteral(":\n") + reason);
    };
    std::string bytes;
    std::string error;
    if (!text::readFile(toCp(path), bytes, error)) {
        refuse(QString::fromLocal8Bit(error.c_str()));
        return;
    }
    csv::Content content;
    if (!csv::parse(bytes, content, error, &shell().lang())) {
        refuse(fromCp(error));
        return;
    }
    views::OtherLanguages otherLanguages;
    const views::ImportSetup setup = importSetup(otherLanguages);
    model::ReceiverMemory& memory = shell().records().memory;
    views::ImportReport report;
    if (!views::checkImport(content, memory.Device, memory.Records, setup, shell().lang(), report, error)) {
        refuse(fromCp(error));
        return;
    }

    const ReportContent shown = importReportContent(report, shell().lang());
    ReportDialog dialog(window);
    dialog.setObjectName(QStringLiteral("ImportReportDialog"));
    dialog.fill(shown);
    if (!Dialogs::confirm(dialog, shown.plainText()) || report.rows.empty()) {
        return;
    }
    undoable(lang::kMenuImportCsv, [&] {
        (void)views::applyImport(memory.Device, memory.Records, report);
        shell().records().dataSet.markEdited(); // rebuilds the views
    });
}

} // namespace vorbix::ui
