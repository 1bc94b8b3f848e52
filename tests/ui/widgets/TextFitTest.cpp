// The grids fit their columns to their texts and the transfer window to its message.
#include "ui/widgets/DataGrid.h"
#include "ui/widgets/GridLook.h"
#include "ui/widgets/TCommForm.h"

#include <QHeaderView>
#include <QLabel>
#include <QStandardItemModel>
#include <QStyle>
#include <gtest/gtest.h>

using namespace vorbix;

TEST(TextFitTest, ColumnsShowTitleSortArrowAndStateTextsWhole)
{
    ui::DataGrid grid(QStringLiteral("Grid"));
    QStandardItemModel model(2, 3);
    model.setHorizontalHeaderLabels({QStringLiteral("Battery"), QStringLiteral("Input state"), QStringLiteral("Rest")});
    model.setItem(0, 1, new QStandardItem(QStringLiteral("A=0,B=1,C=0,D=1")));
    grid.setModel(&model);
    ui::setUpStringGrid(grid, QAbstractItemView::ExtendedSelection, 20);
    grid.fitToTexts(true);
    grid.setColumnWidths({20, 20});
    grid.setSortMark(0, true);
    grid.fitColumns();

    const QFontMetrics titles(grid.horizontalHeader()->font());
    const int arrow = grid.style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, grid.horizontalHeader());
    EXPECT_GE(grid.columnWidth(0), titles.horizontalAdvance(QStringLiteral("Battery")) + arrow);
    const int state = grid.fontMetrics().horizontalAdvance(QStringLiteral("A=0,B=1,C=0,D=1"));
    EXPECT_GE(grid.columnWidth(1), state);

    // The user narrows the state column (not below its title): it stays so until a wider text
    // arrives (a language change).
    const int narrowed = grid.columnWidth(1) - 10;
    grid.setColumnWidth(1, narrowed);
    grid.fitColumns();
    EXPECT_EQ(grid.columnWidth(1), narrowed);
    model.setItem(1, 1, new QStandardItem(QStringLiteral("A=0,B=1,C=0,D=1,E=0,F=1")));
    grid.fitColumns();
    EXPECT_GE(grid.columnWidth(1), grid.fontMetrics().horizontalAdvance(QStringLiteral("A=0,B=1,C=0,D=1,E=0,F=1")));
}

TEST(TextFitTest, TheTransferWindowGrowsToALongerMessage)
{
    PopisType lang(400, "Communication");
    ui::TCommForm form;
    form.setLanguage(&lang);
    form.setMessage(QStringLiteral("Reading"));
    form.show();
    const QString longer = QStringLiteral("The receiver does not answer. Next attempt in 30 seconds ... (and more)");
    form.setMessage(longer);
    EXPECT_GE(form.Label1->width(), form.Label1->fontMetrics().horizontalAdvance(longer));
    form.hide();
}
