#include "MainFormFixture.h"
#include "core/app/Settings.h"
#include "core/link/Komunikace.h"
#include "ui/link/LinkSession.h"
#include "ui/setup/TWelcomeForm.h"
#include "ui/setup/WelcomeFeature.h"
#include "ui/widgets/Dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

using namespace vorbix;
using vorbix::test::MainFormFixture;

namespace {

class WelcomeTest : public MainFormFixture
{
protected:
    ui::TWelcomeForm& welcome() { return form->feature<ui::WelcomeFeature>()->welcomeForm(); }

    static std::string plantProfile(const std::string& extra)
    {
        return "[Connection1]\r\nName=Plant\r\nTitle=IP 127.0.0.1:10001\r\nConnectionType=1\r\n"
               "IPAddress=127.0.0.1\r\nIPPort=10001\r\n" +
               extra;
    }
};

} // namespace

TEST_F(WelcomeTest, RecentFileIsOfferedOnlyWhenThereIsOne)
{
    ASSERT_TRUE(start());
    ASSERT_TRUE(welcome().isVisible());
    EXPECT_EQ(welcome().LabelRecent->text(), QStringLiteral("-"));
    EXPECT_FALSE(welcome().BtnOpen2->isEnabled());
    EXPECT_EQ(welcome().windowTitle(), QStringLiteral("T161"));
    EXPECT_EQ(welcome().LabelConn->text(), QStringLiteral("COM 1:9600"));
    EXPECT_EQ(welcome().ConnCombo->currentText(), QStringLiteral("Default"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Vorbix")); // the welcome window sets it when it closes
    form->close();

    writeIni("[Setup]\r\nLastFile=/data/plant/last.rxd\r\n");
    ASSERT_TRUE(start());
    EXPECT_EQ(welcome().LabelRecent->text(), QStringLiteral("last.rxd"));
    EXPECT_TRUE(welcome().BtnOpen2->isEnabled());
}

TEST_F(WelcomeTest, ChoosingAProfileChangesTheLinkWithoutOpeningAnything)
{
    const std::string data = folder.write("plant.rxd", "not opened");
    writeIni("[Setup]\r\n" + plantProfile("Data=" + data + "\r\nGoDownload=1\r\n"));
    ASSERT_TRUE(start());
    emit welcome().ConnCombo->activated(1);
    welcome().ConnCombo->setCurrentIndex(1);
    settle();
    EXPECT_EQ(form->linkSession().link().ConnectionText(), "IP 127.0.0.1:10001");
    EXPECT_EQ(welcome().LabelConn->text(), QStringLiteral("IP 127.0.0.1:10001"));
    EXPECT_FALSE(form->state().DataOpen);
    EXPECT_TRUE(form->state().DataFileName.empty());
    EXPECT_TRUE(ui::Dialogs::shownMessages().isEmpty());
    EXPECT_TRUE(welcome().isVisible());

    welcome().reject(); // Escape
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Vorbix - Plant"));
    EXPECT_TRUE(form->settings().Welcome);
}

TEST_F(WelcomeTest, FailedReceiverLoginBringsTheWindowBack)
{
    ASSERT_TRUE(start()); // the link points at a closed loopback port
    welcome().BtnLogin->click();
    settle();
    EXPECT_FALSE(form->state().LoggedIn);
    EXPECT_FALSE(ui::Dialogs::shownMessages().isEmpty());
    EXPECT_TRUE(welcome().isVisible());
}

TEST_F(WelcomeTest, RunningAProfileTakesItsFileAndSavesTheSettings)
{
    const std::string data = folder.file("missing.rxd");
    writeIni("[Setup]\r\n" + plantProfile("Data=" + data + "\r\n"));
    ASSERT_TRUE(start());
    welcome().ConnCombo->setCurrentIndex(1);
    welcome().ShowBox->setChecked(true);
    welcome().ConnOpenButton->click();
    settle();
    EXPECT_FALSE(welcome().isVisible());
    EXPECT_EQ(form->state().DataFileName, data); // taken, though there is nothing to open
    EXPECT_FALSE(form->state().DataOpen);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Vorbix - Plant"));
    EXPECT_FALSE(form->settings().Welcome);
    const std::string saved = folder.read("Vorbix.ini");
    EXPECT_NE(saved.find("Welcome=0"), std::string::npos) << saved;
}
