#include "ui/app/StatusPanels.h"

#include <QLabel>
#include <gtest/gtest.h>

using namespace vorbix;

namespace {

TEST(StatusPanelsTest, PanelsGrowToTheirTextAndCutOnlyTheEnd)
{
    ui::StatusPanels bar;
    bar.resize(900, 24);
    auto* model = bar.findChild<QLabel*>(QStringLiteral("StatusPanel0"));
    ASSERT_NE(model, nullptr);

    const QString description = QStringLiteral("8 relays with names and timers");
    bar.setPanelText(0, description);
    EXPECT_EQ(model->text(), description);
    EXPECT_GE(model->width(), model->fontMetrics().horizontalAdvance(description));
    EXPECT_TRUE(model->toolTip().isEmpty());

    const QString huge = QStringLiteral("Receiver ") + QString(200, QLatin1Char('x'));
    bar.setPanelText(0, huge);
    EXPECT_TRUE(model->text().startsWith(QStringLiteral("Receiver x")));
    EXPECT_TRUE(model->text().endsWith(QChar(0x2026)));
    EXPECT_EQ(model->toolTip(), huge);
    EXPECT_EQ(bar.panelText(0), huge);

    // A short text gives the panel its standard width back.
    bar.setPanelText(0, QStringLiteral("KV1"));
    EXPECT_EQ(model->width(), 110);
}

} // namespace
