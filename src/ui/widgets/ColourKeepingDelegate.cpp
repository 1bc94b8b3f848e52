#include "ui/widgets/ColourKeepingDelegate.h"

#include <QColor>

namespace vorbix::ui {

void ColourKeepingDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->textElideMode = Qt::ElideRight;
    const QVariant foreground = index.data(Qt::ForegroundRole);
    if (foreground.isValid()) {
        const QColor colour = foreground.value<QColor>();
        option->palette.setColor(QPalette::HighlightedText, colour);
        option->palette.setColor(QPalette::Text, colour);
    }
}

} // namespace vorbix::ui
