#include "ui/widgets/HeaderStyle.h"

#include <QStyleOptionHeader>

namespace vorbix::ui {

HeaderStyle::HeaderStyle() = default;

void HeaderStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const
{
    const auto* header = qstyleoption_cast<const QStyleOptionHeader*>(option);
    if (element != PE_IndicatorHeaderArrow || !header || header->sortIndicator == QStyleOptionHeader::None) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    QStyleOptionHeader flipped(*header);
    flipped.sortIndicator =
        header->sortIndicator == QStyleOptionHeader::SortUp ? QStyleOptionHeader::SortDown : QStyleOptionHeader::SortUp;
    QProxyStyle::drawPrimitive(element, &flipped, painter, widget);
}

void HeaderStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const
{
    const auto* header = qstyleoption_cast<const QStyleOptionHeader*>(option);
    if (element != CE_HeaderLabel || !header || header->text.isEmpty()) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    QStyleOptionHeader elided(*header);
    const int room = header->rect.width() - 2 * pixelMetric(PM_HeaderMargin, header, widget);
    if (header->fontMetrics.horizontalAdvance(header->text) > room) {
        elided.text = header->fontMetrics.elidedText(header->text, Qt::ElideRight, room);
        elided.textAlignment = (header->textAlignment & ~Qt::AlignHorizontal_Mask) | Qt::AlignLeft;
    }
    QProxyStyle::drawControl(element, &elided, painter, widget);
}

} // namespace vorbix::ui
