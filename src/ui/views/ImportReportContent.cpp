#include "ui/views/ImportReportContent.h"

#include "core/base/TextNumbers.h"
#include "ui/widgets/QtText.h"

#include <algorithm>

namespace vorbix::ui {

ReportContent importReportContent(const views::ImportReport& report, const PopisType& lang)
{
    const auto text = [&lang](int n) { return fromCp(LangText(lang, n)); };
    ReportContent content;
    content.caption = text(lang::kImportCaption);
    const QString encoding =
        report.encoding == csv::Encoding::Utf8 ? QStringLiteral("UTF-8") : text(lang::kCodePage1250);
    content.summary << text(lang::kImportEncoding) + QLatin1Char(' ') + encoding;
    const std::pair<int, std::size_t> counts[] = {
        {lang::kImportToAdd, static_cast<std::size_t>(report.toAdd)},
        {lang::kImportToChange, static_cast<std::size_t>(report.toChange)},
        {lang::kImportUnchanged, static_cast<std::size_t>(report.unchanged)},
        {lang::kImportRefused, report.refused.size()},
    };
    for (const auto& [n, count] : counts) {
        content.summary << text(n) + QLatin1Char(' ') + QString::number(count);
    }
    if (!report.unknownColumns.empty()) {
        QStringList titles;
        for (const std::string& title : report.unknownColumns) {
            titles << fromCp(title);
        }
        content.summary << text(lang::kImportIgnoredColumns) + QLatin1Char(' ') + titles.join(QStringLiteral(", "));
    }
    if (report.rows.empty()) {
        content.summary << text(lang::kImportNothing);
    }

    content.headers = {text(lang::kReportLine), text(lang::kColumnPosition), text(lang::kReportResult)};
    std::vector<std::pair<int, QStringList>> lines;
    for (const views::ImportedRow& row : report.rows) {
        lines.push_back({row.line,
                         {QString::number(row.line), QString::number(row.slot),
                          text(row.added ? lang::kImportAdds : lang::kImportChanges)}});
    }
    for (const views::RefusedRow& row : report.refused) {
        lines.push_back({row.line,
                         {QString::number(row.line), QString(),
                          text(lang::kImportRefusedRow) + QLatin1Char(' ') + fromCp(row.reason)}});
    }
    std::stable_sort(lines.begin(), lines.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto& [line, cells] : lines) {
        content.rows << std::move(cells);
    }
    return content;
}

} // namespace vorbix::ui
