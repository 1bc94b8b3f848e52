#pragma once

#include <QStyledItemDelegate>

namespace vorbix::ui {

// Draws a cell whose model gives it a foreground colour (a faulty record in red, a battery state in
// red or green) in that colour also while it is selected; the standard delegate would switch to the
// highlight text colour and lose the mark. Texts that do not fit end in "...".
class ColourKeepingDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

} // namespace vorbix::ui
