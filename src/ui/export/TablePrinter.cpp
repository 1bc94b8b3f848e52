#include "ui/export/TablePrinter.h"

#include "core/export/PrintLayout.h"
#include "ui/widgets/QtText.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <cmath>

namespace vorbix::ui {

QFont TablePrinter::font(bool bold)
{
    // Qt asks fontconfig for the family, whose aliases give a metric-compatible face (Liberation
    // Serif) where Times New Roman itself is missing.
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    // Unhinted, so the widths measured for the layout are those the printer draws at any resolution.
    font.setHintingPreference(QFont::PreferNoHinting);
    // 10 pt in layout units; the painter's scale brings it to the printer's resolution.
    font.setPixelSize(qRound(10.0 * kUnitsPerInch / 72.0));
    font.setBold(bold);
    return font;
}

int TablePrinter::print(const exports::SheetTable& table, QPrinter& printer)
{
    printer.setDocName(QStringLiteral("VORBIX"));
    const double resolution = static_cast<double>(printer.resolution()) / kUnitsPerInch;
    const QRect paintRect = printer.pageLayout().paintRectPixels(printer.resolution());
    const QFont titleFont = font(true);
    const QFont rowFont = font(false);
    const QFontMetricsF titleMetrics(titleFont, &printer);
    const QFontMetricsF rowMetrics(rowFont, &printer);
    const exports::PrintLayout layout = exports::layoutPrint(
        table,
        [&titleMetrics, &rowMetrics](const std::string& text, bool bold) {
            const QFontMetricsF& metrics = bold ? titleMetrics : rowMetrics;
            return exports::TextExtent{static_cast<int>(std::ceil(metrics.horizontalAdvance(fromCp(text)))),
                                       static_cast<int>(std::ceil(metrics.height()))};
        },
        static_cast<int>(paintRect.width() / resolution), static_cast<int>(paintRect.height() / resolution));
    if (layout.pages.empty()) {
        return 0;
    }

    QPainter painter;
    if (!painter.begin(&printer)) {
        return -1;
    }
    // The layout's own scale shrinks a table too wide for the page.
    painter.scale(resolution * layout.scale, resolution * layout.scale);
    painter.setPen(Qt::black);
    for (std::size_t p = 0; p < layout.pages.size(); ++p) {
        if (p > 0 && !printer.newPage()) {
            painter.end();
            return -1;
        }
        for (const exports::PrintRun& run : layout.pages[p].runs) {
            painter.setFont(run.bold ? titleFont : rowFont);
            // A free text ends at its column's edge; any other text fits its column and is drawn whole.
            const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine |
                              (run.clipped ? 0 : static_cast<int>(Qt::TextDontClip));
            painter.drawText(QRectF(run.x, run.y, run.width, run.height), flags, fromCp(run.text));
        }
    }
    painter.end();
    return static_cast<int>(layout.pages.size());
}

} // namespace vorbix::ui
