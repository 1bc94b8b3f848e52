// The direct control page on its own: the channels a model shows, the exclusive boxes, the time
// fields and what a Send asks for.
#include "ui/online/DirectControlPage.h"

#include "core/app/Language.h"
#include "core/online/RelayCommand.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <gtest/gtest.h>

using namespace vorbix;
using ui::DirectControlPage;

namespace {

PopisType usTexts()
{
    PopisType texts;
    std::string error;
    EXPECT_TRUE(app::LoadLanguage(VORBIX_DATA_DIR, "US", texts, error)) << error;
    return texts;
}

int shownChannels(const DirectControlPage& page)
{
    int shown = 0;
    for (int k = 0; k < DirectControlPage::kChannels; ++k) {
        const bool channel = !page.DirectChEdit[static_cast<std::size_t>(k)]->isHidden();
        EXPECT_EQ(!page.DirectOn[static_cast<std::size_t>(k)]->isHidden(), channel) << k;
        EXPECT_EQ(!page.DirectPuls[static_cast<std::size_t>(k)]->isHidden(), channel) << k;
        shown += channel ? 1 : 0;
    }
    return shown;
}

} // namespace

TEST(DirectControlPageTest, ShowsOneOrEightChannelsAndNoneForOtherModels)
{
    const PopisType texts = usTexts();
    DirectControlPage page;
    struct Case
    {
        int relays;
        bool shown;
        int channels;
    };
    for (const Case c : {Case{1, true, 1}, Case{8, true, 8}, Case{2, false, 0}, Case{4, false, 0}, Case{0, false, 0},
                         Case{1, true, 1}}) {
        SCOPED_TRACE(c.relays);
        EXPECT_EQ(page.DirectControlPageShow(texts, c.relays), c.shown);
        EXPECT_EQ(shownChannels(page), c.channels);
    }
    EXPECT_EQ(page.DirectOn[0]->text(), QStringLiteral("On"));
    EXPECT_EQ(page.DirectPuls[0]->text(), QStringLiteral("Pulse"));
    EXPECT_EQ(page.DirectRefreshButton->text(), QStringLiteral("Refresh state"));
}

TEST(DirectControlPageTest, TheBoxesOfAChannelExcludeEachOther)
{
    DirectControlPage page;
    (void)page.DirectControlPageShow(usTexts(), 8);
    page.DirectOn[1]->click();
    page.DirectOn[4]->click();
    EXPECT_TRUE(page.DirectOn[1]->isChecked());

    page.DirectOff[1]->click(); // clears On of channel 2 only
    EXPECT_FALSE(page.DirectOn[1]->isChecked());
    EXPECT_TRUE(page.DirectOff[1]->isChecked());
    EXPECT_TRUE(page.DirectOn[4]->isChecked());

    page.DirectPuls[1]->click();
    EXPECT_FALSE(page.DirectOff[1]->isChecked());
    EXPECT_TRUE(page.DirectPuls[1]->isChecked());

    page.DirectOn[1]->click();
    EXPECT_TRUE(page.DirectOn[1]->isChecked());
    EXPECT_FALSE(page.DirectPuls[1]->isChecked());

    page.DirectOn[1]->click(); // unticking leaves the channel with no box
    EXPECT_FALSE(page.DirectOn[1]->isChecked() || page.DirectOff[1]->isChecked() || page.DirectPuls[1]->isChecked());
}

TEST(DirectControlPageTest, TimeFieldsAreRewrittenAndSendCarriesTheTickedRelays)
{
    DirectControlPage page;
    (void)page.DirectControlPageShow(usTexts(), 8);
    struct Case
    {
        int min, sec, ms;
        int units, shownMin, shownSec, shownMs;
    };
    const Case cases[] = {
        {0, 0, 0, 5, 0, 0, 500},
        {110, 59, 900, 65535, 109, 13, 500},
        {1, 0, 250, 602, 1, 0, 200},
    };
    for (const Case& c : cases) {
        page.MinEdit->setValue(c.min);
        page.SecEdit->setValue(c.sec);
        page.MilEdit->setValue(c.ms);
        EXPECT_EQ(page.TimeEditExit(), c.units);
        EXPECT_EQ(page.MinEdit->value(), c.shownMin);
        EXPECT_EQ(page.SecEdit->value(), c.shownSec);
        EXPECT_EQ(page.MilEdit->value(), c.shownMs);
    }

    page.DirectOn[0]->click();
    page.DirectOn[2]->click();
    page.DirectPuls[1]->click();
    page.MinEdit->setValue(0);
    page.SecEdit->setValue(1);
    page.MilEdit->setValue(500);
    std::vector<online::RelaySelection> sent;
    QObject::connect(&page, &DirectControlPage::sendRequested,
                     [&](const online::RelaySelection& selection) { sent.push_back(selection); });
    page.DirectSendButton->click();
    ASSERT_EQ(sent.size(), 1u);
    const online::RelaySelection selection = sent.front();
    EXPECT_EQ(selection.on, 0x05);
    EXPECT_EQ(selection.off, 0x00);
    EXPECT_EQ(selection.pulse, 0x02);
    EXPECT_EQ(selection.pulseUnits, 15);
    EXPECT_EQ(online::RelayRecords(selection),
              (std::vector<std::string>{":0600000B050100001000", ":0600000B0203000F1000"}));
    EXPECT_TRUE(page.DirectOn[0]->isChecked()) << "sending does not clear the boxes";
}

TEST(DirectControlPageTest, StateFieldsShowOnInRedAndOffInGreen)
{
    const PopisType texts = usTexts();
    DirectControlPage page;
    (void)page.DirectControlPageShow(texts, 8);
    page.showRelays(0x05, texts);
    EXPECT_EQ(page.DirectChEdit[0]->text(), QStringLiteral("ON"));
    EXPECT_EQ(page.DirectChEdit[1]->text(), QStringLiteral("OFF"));
    EXPECT_EQ(page.DirectChEdit[2]->text(), QStringLiteral("ON"));
    EXPECT_TRUE(page.DirectChEdit[0]->styleSheet().contains(QStringLiteral("#c62828")));
    EXPECT_TRUE(page.DirectChEdit[1]->styleSheet().contains(QStringLiteral("#2e7d32")));
}
