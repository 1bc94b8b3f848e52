#include "ui/export/ExportFeature.h"

#include "core/base/TextNumbers.h"
#include "core/export/PageTables.h"
#include "core/export/SheetFormat.h"
#include "core/export/TabText.h"
#include "core/views/MemoryView.h"
#include "core/views/UserView.h"
#include "ui/app/MainActions.h"
#include "ui/app/PageGrids.h"
#include "ui/app/Shell.h"
#include "ui/app/ShellEvents.h"
#include "ui/export/ExportChoice.h"
#include "ui/export/TablePrinter.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/QtText.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace vorbix::ui {

namespace {

bool printablePage(app::Page page)
{
    return page == app::Page::Memory || page == app::Page::User || page == app::Page::History ||
           page == app::Page::Battery;
}

// The two printout commands go right after Print in the File menu.
void addAfterPrint(MainActions& actions, QAction* action)
{
    QMenu* file = actions.menu(QStringLiteral("MFile"));
    QAction* print = actions.action(QStringLiteral("MenuPrint"));
    if (file == nullptr || print == nullptr) {
        return;
    }
    const QList<QAction*> items = file->actions();
    qsizetype at = items.indexOf(print);
    if (at < 0) {
        return;
    }
    while (at + 1 < items.size() && items[at + 1]->objectName().startsWith(QStringLiteral("MenuPrint"))) {
        ++at;
    }
    file->insertAction(items.value(at + 1, nullptr), action);
}

} // namespace

ExportFeature::ExportFeature(Shell& shell) : Feature(shell)
{
    setObjectName(QStringLiteral("ExportFeature"));
    m_askPrinter = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, this->shell().mainWindow());
        dialog.setObjectName(QStringLiteral("PrintDialog1"));
        return dialog.exec() == QDialog::Accepted;
    };
}

void ExportFeature::connectActions(MainActions& actions)
{
    connect(actions.action(QStringLiteral("MenuCopy")), &QAction::triggered, this, &ExportFeature::MenuCopyClick);
    connect(&shell().events(), &ShellEvents::pageChanged, this, &ExportFeature::updateCopy);
    connect(actions.menu(QStringLiteral("MEdit")), &QMenu::aboutToShow, this, &ExportFeature::updateCopy);
    updateCopy();
    connect(actions.action(QStringLiteral("MenuExport")), &QAction::triggered, this, &ExportFeature::MenuExportClick);
    connect(actions.action(QStringLiteral("MenuPrint")), &QAction::triggered, this, &ExportFeature::MenuPrintClick);

    auto* preview = m_preview = new QAction(tr("Print preview ..."), shell().mainWindow());
    preview->setObjectName(QStringLiteral("MenuPrintPreview"));
    connect(preview, &QAction::triggered, this, &ExportFeature::MenuPrintPreviewClick);
    addAfterPrint(actions, preview);
    auto* pdf = m_pdf = new QAction(tr("Export to PDF ..."), shell().mainWindow());
    pdf->setObjectName(QStringLiteral("MenuPrintPdf"));
    connect(pdf, &QAction::triggered, this, &ExportFeature::MenuExportPdfClick);
    addAfterPrint(actions, pdf);
}

void ExportFeature::applyLanguage(const PopisType& lang)
{
    m_preview->setText(fromCp(LangText(lang, lang::kPrintPreview)));
    m_pdf->setText(fromCp(LangText(lang, lang::kExportPdf)));
}

exports::SheetTable ExportFeature::activeTable() const
{
    // A table counts only while its grid is on show.
    const PageGrids::Grid* grid = shell().pageGrids().shown(shell().currentPage());
    return grid != nullptr && grid->sheet ? grid->sheet() : exports::SheetTable{};
}

std::optional<exports::SheetTable> ExportFeature::printableTable() const
{
    if (!printablePage(shell().currentPage())) {
        return std::nullopt;
    }
    exports::SheetTable table = activeTable();
    if (table.columnCount() == 0) {
        return std::nullopt;
    }
    return table;
}

void ExportFeature::updateCopy()
{
    // A page's grid may show or hide without the page changing (log in, open a file), so the
    // command follows the page; with its grid hidden it copies nothing.
    shell().actions()->action(QStringLiteral("MenuCopy"))->setEnabled(shell().pageGrids().has(shell().currentPage()));
}

void ExportFeature::MenuCopyClick()
{
    const PageGrids::Grid* grid = shell().pageGrids().shown(shell().currentPage());
    if (grid == nullptr || !grid->selectedRows) {
        return;
    }
    const std::string text = exports::tabSeparatedRows(*grid->text, grid->selectedRows());
    if (!text.empty()) {
        QGuiApplication::clipboard()->setText(fromCp(text));
    }
}

void ExportFeature::MenuExportClick()
{
    // The workbook first, as most users want it; the SYLK file stays for those who relied on it.
    const std::pair<ExportFilter, int> offered[] = {{ExportFilter::Xlsx, lang::kFilterXlsx},
                                                    {ExportFilter::Csv, lang::kFilterCsv},
                                                    {ExportFilter::Sylk, lang::kFilterSylk},
                                                    {ExportFilter::All, lang::kFilterAll}};
    QStringList filters;
    for (const auto& [filter, text] : offered) {
        filters << fromCp(LangText(shell().lang(), text));
    }
    QString chosenFilter;
    const QString path = Dialogs::saveFileName(shell().mainWindow(), filters.join(QStringLiteral(";;")),
                                               QStringLiteral("xlsx"), {}, &chosenFilter);
    if (path.isEmpty()) {
        return;
    }
    ExportFilter filter = ExportFilter::None;
    if (const qsizetype at = filters.indexOf(chosenFilter); at >= 0) {
        filter = offered[at].first;
    }
    const ExportTarget target = exportTarget(toCp(path), filter);
    std::string error;
    if (!exports::exportTable(activeTable(), target.format, target.path, error)) {
        // The SYLK writer's messages are its own texts in code page 1250; the others the system's.
        Dialogs::error(shell().mainWindow(), target.format == exports::SheetFormat::Sylk
                                                 ? fromCp(error)
                                                 : QString::fromLocal8Bit(error.c_str()));
    }
}

void ExportFeature::MenuPrintClick()
{
    const std::optional<exports::SheetTable> table = printableTable();
    if (!table) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("VORBIX"));
    if (!m_askPrinter(printer)) {
        return;
    }
    if (TablePrinter::print(*table, printer) < 0) {
        Dialogs::error(shell().mainWindow(), fromCp(LangText(shell().lang(), lang::kPrinterNotStarted)));
    }
}

void ExportFeature::MenuPrintPreviewClick()
{
    const std::optional<exports::SheetTable> table = printableTable();
    if (!table) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("VORBIX"));
    QPrintPreviewDialog dialog(&printer, shell().mainWindow());
    dialog.setObjectName(QStringLiteral("PrintPreview"));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
            [&table](QPrinter* target) { TablePrinter::print(*table, *target); });
    dialog.exec();
}

void ExportFeature::MenuExportPdfClick()
{
    const std::optional<exports::SheetTable> table = printableTable();
    if (!table) {
        return;
    }
    const QString path = Dialogs::saveFileName(
        shell().mainWindow(), fromCp(LangText(shell().lang(), lang::kPdfFiles)) + QStringLiteral(";;All files (*)"),
        QStringLiteral("pdf"));
    if (path.isEmpty()) {
        return;
    }
    // Qt's PDF printer draws every letter of the texts (the tool's own writer has only the standard
    // fonts); it writes into a scratch file beside the target, renamed over it once complete, so a
    // failure never leaves a half file under the chosen name.
    QFileInfo target(path);
    QTemporaryFile scratch(target.dir().filePath(QStringLiteral(".%1.XXXXXX").arg(target.fileName())));
    if (!scratch.open()) {
        Dialogs::error(shell().mainWindow(), QStringLiteral("%1: %2").arg(path, scratch.errorString()));
        return;
    }
    scratch.close();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(scratch.fileName());
    printer.setDocName(QStringLiteral("VORBIX"));
    if (TablePrinter::print(*table, printer) < 0) {
        Dialogs::error(shell().mainWindow(), QStringLiteral("%1: the PDF could not be written").arg(path));
        return;
    }
    if (::rename(QFile::encodeName(scratch.fileName()).constData(), QFile::encodeName(path).constData()) != 0) {
        Dialogs::error(shell().mainWindow(),
                       QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno))));
        return;
    }
    scratch.setAutoRemove(false); // it is the target now
}

} // namespace vorbix::ui
