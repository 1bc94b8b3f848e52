#include "ui/lists/ListGrid.h"

#include "ui/lists/ListTableModel.h"
#include "ui/widgets/ColourKeepingDelegate.h"
#include "ui/widgets/GridLook.h"

#include <QHeaderView>

namespace vorbix::ui {

namespace {

constexpr int RowHeight = 20;

} // namespace

ListGrid::ListGrid(const QString& objectName, QAbstractItemView::SelectionMode selection, QWidget* parent)
    : DataGrid(objectName, parent), m_model(new ListTableModel(this))
{
    setModel(m_model);
    setItemDelegate(new ColourKeepingDelegate(this));
    setUpStringGrid(*this, selection, RowHeight);
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    // Times, serial numbers and states show whole.
    fitToTexts(true);
}

} // namespace vorbix::ui
