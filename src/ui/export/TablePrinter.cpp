#include "ui/export/TablePrinter.h"

#include "core/export/PrintLayout.h"
#include "ui/app/QtText.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

namespace vorbix::ui {

QFont TablePrinter::font(bool bold)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    // 10 pt in layout units; the painter's scale brings it to the printer's resolution.
    font.setPixelSize(qRound(10.0 * kUnitsPerInch / 72.0));
    font.setBold(bold);
    return font;
}

int TablePrinter::print(const exports::SheetTable& table, QPrinter& printer)
{
    printer.setDocName(QStringLiteral("VORBIX"));
    const double scale = static_cast<double>(printer.resolution()) / kUnitsPerInch;
    const QRect paintRect = printer.pageLayout().paintRectPixels(printer.resolution());
    const QFont titleFont = font(true);
    const QFont rowFont = font(false);
    const QFontMetrics titleMetrics(titleFont);
    const exports::PrintLayout layout = exports::layoutPrint(
        table,
        [&titleMetrics](const std::string& text) {
            return exports::TextExtent{titleMetrics.horizontalAdvance(fromCp(text)), titleMetrics.height()};
        },
        static_cast<int>(paintRect.width() / scale), static_cast<int>(paintRect.height() / scale));
    if (layout.pages.empty()) {
        return 0;
    }

    QPainter painter;
    if (!painter.begin(&printer)) {
        return -1;
    }
    painter.scale(scale, scale);
    painter.setPen(Qt::black);
    for (std::size_t p = 0; p < layout.pages.size(); ++p) {
        if (p > 0 && !printer.newPage()) {
            painter.end();
            return -1;
        }
        for (const exports::PrintRun& run : layout.pages[p].runs) {
            painter.setFont(run.bold ? titleFont : rowFont);
            // drawText clips to the rectangle: a long cell ends at its column's edge.
            painter.drawText(QRect(run.x, run.y, run.width, run.height),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, fromCp(run.text));
        }
    }
    painter.end();
    return static_cast<int>(layout.pages.size());
}

} // namespace vorbix::ui
