#include "ui/views/RecordGrid.h"

#include "ui/views/RecordTableModel.h"
#include "ui/widgets/ColourKeepingDelegate.h"
#include "ui/widgets/GridLook.h"

namespace vorbix::ui {

namespace {

constexpr int RowHeight = 20;

} // namespace

RecordGrid::RecordGrid(const QString& objectName, QWidget* parent)
    : DataGrid(objectName, parent), m_model(new RecordTableModel(this))
{
    setModel(m_model);
    setItemDelegate(new ColourKeepingDelegate(this));
    setUpStringGrid(*this, QAbstractItemView::ContiguousSelection, RowHeight);
}

int RecordGrid::currentRowOrZero() const
{
    return currentIndex().isValid() ? currentIndex().row() : 0;
}

} // namespace vorbix::ui
