#include "MainFormFixture.h"
#include "support/WindowParts.h"

#include "core/link/Komunikace.h"
#include "ui/app/StatusPanels.h"
#include "ui/link/LinkSession.h"
#include "ui/widgets/Dialogs.h"

#include <QAction>
#include <QApplication>
#include <QTabWidget>
#include <filesystem>

namespace vorbix::test {

void MainFormFixture::SetUp()
{
    ui::Dialogs::clear();
    writeLanguage("US");
    folder.write("Rx.def", "RX2\r\nTwo-relay receiver\r\n2\r\n#E\r\nRX4\r\nFour-relay receiver\r\n4\r\n#E\r\n");
    folder.write("RxFncUS.def", "RX2\r\n#E\r\n");
    folder.write("Tx.def", "#E\r\n");
    std::filesystem::copy(std::string(VORBIX_DATA_DIR) + "/Help", folder.file("Help"),
                          std::filesystem::copy_options::recursive);
}

void MainFormFixture::TearDown()
{
    if (form) {
        // Leave nothing unsaved behind, so that closing asks nothing.
        form->state().DataOpen = false;
        form->close();
        form.reset();
    }
    ui::Dialogs::clear();
}

void MainFormFixture::writeLanguage(const std::string& code) const
{
    std::string content = "310 " + code + "\r\n";
    for (int n = 0; n < 310; ++n) {
        char number[4];
        std::snprintf(number, sizeof number, "%03d", n);
        content += std::string(number) + " T" + std::to_string(n) + "\r\n";
    }
    folder.write(code + ".lng", content);
}

bool MainFormFixture::start(const std::vector<std::string>& arguments)
{
    form = std::make_unique<ui::TMainForm>(folder.path(), arguments);
    if (!form->create()) {
        return false;
    }
    form->show();
    settle();
    // No window test reaches a real serial port or a network address: commands that open the link
    // find a closed loopback port.
    {
        link::ConnectionSettings& connection = form->linkSession().link().Settings;
        connection.ConnectionType = link::ConnectionKind::TcpIp;
        connection.IPAddress = "127.0.0.1";
        connection.IPPort = "1";
    }
    return true;
}

void MainFormFixture::settle()
{
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
    }
}

QString MainFormFixture::panel(int n) const
{
    return form->statusPanels()->panelText(n);
}

QString MainFormFixture::tab(int n) const
{
    return test::pageControlOf(*form)->tabText(n);
}

bool MainFormFixture::enabled(const char* actionName) const
{
    auto* action = form->findChild<QAction*>(QString::fromLatin1(actionName));
    EXPECT_NE(action, nullptr) << actionName;
    return action != nullptr && action->isEnabled();
}

} // namespace vorbix::test
