#include "ui/widgets/GridLook.h"
#include "ui/widgets/HeaderStyle.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QStandardItemModel>
#include <QStyleOptionHeader>
#include <QTableView>
#include <gtest/gtest.h>

using namespace vorbix;

namespace {

QImage arrow(const QStyle& style, QStyleOptionHeader::SortIndicator indicator, const QWidget& widget)
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QStyleOptionHeader option;
    option.initFrom(&widget);
    option.rect = QRect(0, 0, 16, 16);
    option.sortIndicator = indicator;
    QPainter painter(&image);
    style.drawPrimitive(QStyle::PE_IndicatorHeaderArrow, &option, &painter, &widget);
    return image;
}

// Qt gives an ascending header the "sort down" indicator; the grids draw it as the style's upward
// arrow, which is what users read as ascending.
TEST(GridLookTest, AnAscendingColumnShowsTheUpwardArrow)
{
    QTableView grid;
    ui::setUpStringGrid(grid, QAbstractItemView::SingleSelection, 20);
    const QStyle* headerStyle = grid.horizontalHeader()->style();
    ASSERT_NE(qobject_cast<const ui::HeaderStyle*>(headerStyle), nullptr);
    const QStyle& plain = *QApplication::style();
    ASSERT_NE(arrow(plain, QStyleOptionHeader::SortUp, grid), arrow(plain, QStyleOptionHeader::SortDown, grid));

    EXPECT_EQ(arrow(*headerStyle, QStyleOptionHeader::SortDown, grid), arrow(plain, QStyleOptionHeader::SortUp, grid));
    EXPECT_EQ(arrow(*headerStyle, QStyleOptionHeader::SortUp, grid), arrow(plain, QStyleOptionHeader::SortDown, grid));
}

} // namespace
