#include "MainFormFixture.h"
#include "ModalHelper.h"
#include "core/link/Komunikace.h"
#include "core/setup/Accounts.h"
#include "support/WindowParts.h"
#include "tools/rxsim/SimProcess.h"
#include "ui/app/MainActions.h"
#include "ui/link/LinkSession.h"
#include "ui/online/OnlinePanel.h"
#include "ui/setup/TUserLoginForm.h"
#include "ui/setup/UserLoginFeature.h"
#include "ui/widgets/Dialogs.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolBar>
#include <filesystem>

using namespace vorbix;
using vorbix::test::MainFormFixture;

namespace {

class UserLoginTest : public MainFormFixture
{
protected:
    void writeAccounts(const setup::AccountList& accounts) const
    {
        std::string error;
        ASSERT_TRUE(setup::SaveAccounts(folder.file("Ucty.dat"), accounts, error)) << error;
    }

    // Creates and shows the main window; the login dialog gets `name` and each password in turn.
    void startWithLogin(const QString& name, const QStringList& passwords)
    {
        form = std::make_unique<ui::TMainForm>(folder.path(), std::vector<std::string>{});
        ASSERT_TRUE(form->create());
        test::whenModal<ui::TUserLoginForm>(form.get(), [this, name, passwords](ui::TUserLoginForm& login) {
            offered.clear();
            for (int i = 0; i < login.NameCombo->count(); ++i) {
                offered << login.NameCombo->itemText(i);
            }
            login.NameCombo->setEditText(name);
            for (const QString& password : passwords) {
                if (login.isVisible()) {
                    login.PassEdit->setText(password);
                    login.OKButton->click();
                    stillOpen << login.isVisible();
                }
            }
            if (login.isVisible()) {
                login.reject();
            }
        });
        form->show();
        settle();
    }

    QStringList offered;
    QList<bool> stillOpen;
};

} // namespace

TEST_F(UserLoginTest, WrongPasswordShowsItsTextAndTheUserAccountGetsTheCutDownWindow)
{
    writeIni("[Setup]\r\nLogin=1\r\n"
             "[Connection1]\r\nName=Plant\r\nTitle=IP 127.0.0.1:1\r\nConnectionType=1\r\n"
             "IPAddress=127.0.0.1\r\nIPPort=1\r\n");
    writeAccounts({{"boss", "chief", true, ""}, {"guard", "night", false, "Plant"}});
    startWithLogin(QStringLiteral("guard"), {QStringLiteral("Night"), QStringLiteral("night")});

    EXPECT_EQ(offered, (QStringList{QStringLiteral("boss"), QStringLiteral("guard")}));
    EXPECT_EQ(stillOpen, (QList<bool>{true, false}));
    EXPECT_EQ(ui::Dialogs::shownMessages(), QStringList{QStringLiteral("T294")});
    EXPECT_FALSE(form->startRefused());
    EXPECT_FALSE(form->state().AdminRights);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Vorbix - Plant"));
    EXPECT_EQ(form->linkSession().link().ConnectionText(), "IP 127.0.0.1:1");
    EXPECT_FALSE(test::pageControlOf(*form)->isTabVisible(0));
    EXPECT_TRUE(form->actions()->toolBar()->isHidden());
    EXPECT_TRUE(test::onlinePanelOf(*form)->isHidden());
}

TEST_F(UserLoginTest, AdministratorGetsTheFullWindowWithTheDefaultProfile)
{
    writeIni("[Setup]\r\nLogin=1\r\n");
    writeAccounts({{"boss", "chief", true, "No such profile"}});
    startWithLogin(QStringLiteral("boss"), {QStringLiteral("chief")});
    EXPECT_FALSE(form->startRefused());
    EXPECT_TRUE(form->state().AdminRights);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Vorbix - Default"));
    EXPECT_TRUE(test::pageControlOf(*form)->isTabVisible(0));
}

TEST_F(UserLoginTest, WithoutAccountsTheProgramStartsWithFullRights)
{
    writeIni("[Setup]\r\nLogin=1\r\n");
    startWithLogin(QStringLiteral("anyone"), {QStringLiteral("x")});
    EXPECT_FALSE(form->startRefused());
    EXPECT_TRUE(form->state().AdminRights);
    EXPECT_TRUE(offered.isEmpty()); // no dialog was shown
    EXPECT_TRUE(form->isVisible());
}

TEST_F(UserLoginTest, UserWhoseProfileFindsNoReceiverCannotStart)
{
    writeIni("[Setup]\r\nLogin=1\r\n"
             "[Connection1]\r\nName=Plant\r\nConnectionType=1\r\nIPAddress=127.0.0.1\r\nIPPort=1\r\n"
             "GoDownload=1\r\n");
    writeAccounts({{"guard", "night", false, "Plant"}});
    startWithLogin(QStringLiteral("guard"), {QStringLiteral("night")});
    EXPECT_TRUE(form->startRefused());
    EXPECT_FALSE(form->state().LoggedIn);
}

TEST_F(UserLoginTest, CancelEndsTheProgram)
{
    writeIni("[Setup]\r\nLogin=1\r\n");
    writeAccounts({{"boss", "chief", true, ""}});
    startWithLogin(QStringLiteral("boss"), {});
    EXPECT_TRUE(form->startRefused());
}

// The account's profile downloads at start, which links the lists to the records: the lists were
// read before that, so both files keep every entry.
TEST_F(UserLoginTest, AStartThatDownloadsKeepsEveryEntryOfTheHistoryAndBatteryFiles)
{
    rxsim::test::SimProcess sim({"--folder", VORBIX_DATA_DIR, "--model", "KV4MUL-M", "--mem-end", "11FF", "--fill", "5",
                                 "--seed", "3", "--tcp", "127.0.0.1:0"});
    ASSERT_TRUE(sim.ready()) << sim.errors();
    for (const char* name : {"Rx.def", "RxFncUS.def", "Tx.def"}) {
        std::filesystem::remove(folder.file(name));
        folder.copyData(name);
    }
    writeIni("[Setup]\r\nLogin=1\r\nWelcome=0\r\n"
             "[Connection1]\r\nName=Plant\r\nConnectionType=1\r\nIPAddress=127.0.0.1\r\nIPPort=" +
             std::to_string(sim.port("tcp")) + "\r\nGoDownload=1\r\n");
    writeAccounts({{"guard", "night", false, "Plant"}});
    const std::vector<std::string> events = {"0212AB4#2#07.03.2009 08:15:30#0#0#Porter####",
                                             "0100001#1#07.03.2009 08:00:00#1#0#####"};
    const std::vector<std::string> battery = {"0212AB4#1#07.03.2009 08:15:30#0#Porter####"};
    const auto lines = [](const std::vector<std::string>& l) {
        std::string text;
        for (const std::string& line : l) {
            text += line + "\r\n";
        }
        return text;
    };
    folder.write("History.dat", lines(events));
    folder.write("LowBatt.dat", lines(battery));

    startWithLogin(QStringLiteral("guard"), {QStringLiteral("night")});
    ASSERT_FALSE(form->startRefused()) << ui::Dialogs::shownMessages().join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(form->state().MemoryDownloaded);
    // Linking may add the texts of a record; it never drops an entry or its own texts.
    EXPECT_EQ(folder.read("History.dat"), lines(events));
    EXPECT_EQ(folder.read("LowBatt.dat"), lines(battery));
}
