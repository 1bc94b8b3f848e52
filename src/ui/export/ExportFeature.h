#pragma once

#include "core/app/StatusView.h"
#include "core/export/SheetTable.h"
#include "ui/app/Feature.h"

#include <functional>
#include <map>
#include <optional>

class QAction;
class QPrinter;

namespace vorbix::ui {

// Export and printing of the active page's table: File > Export writes it as a spreadsheet file,
// File > Print prints it after the print dialog, and the two commands this feature adds beside
// Print, "Print preview" and "Export to PDF", show and save the same printout. The memory and file
// pages give their tables through the page registry; the other pages' tables come from providers
// the main window's wiring sets (the lists now; the monitor page can feed its table the same way).
// A page without a table exports only the file's fixed parts. Only the memory, file, history and
// battery pages print.
class ExportFeature : public Feature
{
    Q_OBJECT
public:
    explicit ExportFeature(Shell& shell);

    void connectActions(MainActions& actions) override;
    // The captions of the two commands this feature adds.
    void applyLanguage(const PopisType& lang) override;

    // Replaces the print dialog (tests): fills in the printer and says whether to print.
    void setPrinterQuestion(std::function<bool(QPrinter&)> question) { m_askPrinter = std::move(question); }

    // The table the active page shows; empty for a page without one.
    exports::SheetTable activeTable() const;
    // The active page's table when the page prints (memory, file, history and battery pages).
    std::optional<exports::SheetTable> printableTable() const;

public slots:
    // Edit > Copy: the selected rows of the active page's table, with its titles, as tab-separated
    // text on the clipboard.
    void MenuCopyClick();
    void MenuExportClick();
    void MenuPrintClick();
    void MenuPrintPreviewClick();
    void MenuExportPdfClick();

private:
    // Copy is offered on the pages that have a table.
    void updateCopy();

    std::function<bool(QPrinter&)> m_askPrinter;
    QAction* m_preview = nullptr;
    QAction* m_pdf = nullptr;
};

} // namespace vorbix::ui
