#include "MainFormFixture.h"
#include "support/WindowParts.h"

#include "ui/help/HelpContext.h"
#include "ui/help/HelpFeature.h"
#include "ui/help/HelpWindow.h"
#include "ui/help/TAboutForm.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/TInfoForm.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <atomic>
#include <filesystem>
#include <sys/stat.h>

using namespace vorbix;
using namespace vorbix::test;
using ui::Dialogs;

namespace {

// Opens the About box modally and closes it once it shows.
void showAboutOnce(ui::TMainForm& form)
{
    ui::HelpFeature& help = *form.feature<ui::HelpFeature>();
    QTimer::singleShot(0, help.aboutForm(), [&help] { help.aboutForm()->accept(); });
    help.MenuAboutClick();
}

} // namespace

TEST_F(MainFormFixture, AboutListsTheReceiversAndTheVersion)
{
    ASSERT_TRUE(start());
    showAboutOnce(*form);
    ui::TAboutForm* about = form->feature<ui::HelpFeature>()->aboutForm();
    EXPECT_EQ(about->RxEdit->toPlainText(), QStringLiteral("Two-relay receiver\nFour-relay receiver"));
    EXPECT_EQ(about->NumberLabel->text(), QStringLiteral(VORBIX_VERSION ".0"));
    EXPECT_EQ(about->windowTitle(), QStringLiteral("T190"));
    EXPECT_EQ(about->CloseButton->text(), QStringLiteral("T194"));
    // Text 193 heads the list; no label carries a made-up address.
    EXPECT_EQ(about->SupportLabel->text(), QStringLiteral("T193"));
    EXPECT_LE(about->SupportLabel->geometry().bottom(), about->RxEdit->geometry().top());
    EXPECT_EQ(about->SupportLabel->geometry().left(), about->RxEdit->geometry().left());
    for (const QLabel* label : about->findChildren<QLabel*>()) {
        EXPECT_FALSE(label->text().contains(QStringLiteral("example"))) << label->objectName().toStdString();
    }
    EXPECT_TRUE(Dialogs::shownMessages().isEmpty());

    // Rx.def gone: the error names its path and the reason, and the list stays empty.
    std::filesystem::remove(folder.file("Rx.def"));
    showAboutOnce(*form);
    EXPECT_TRUE(about->RxEdit->toPlainText().isEmpty());
    EXPECT_EQ(Dialogs::shownMessages(),
              QStringList{QStringLiteral("T80 - ") + QString::fromStdString(folder.file("Rx.def")) +
                          QStringLiteral(": No such file or directory")});
}

TEST_F(MainFormFixture, HelpOpensContentsAndTheFocusedControlsTopic)
{
    ASSERT_TRUE(start());
    // A control without its own number takes its nearest parent's: the memory page's.
    auto* inner = new QPushButton(form->page(app::Page::Memory));
    EXPECT_EQ(ui::helpContextOf(inner), 110);
    test::pageControlOf(*form)->setCurrentIndex(0);
    inner->show();
    QApplication::setActiveWindow(form.get());
    inner->setFocus();
    settle();
    ASSERT_EQ(QApplication::focusWidget(), inner);
    ui::HelpFeature& feature = *form->feature<ui::HelpFeature>();
    feature.showHelpForFocus();
    ui::HelpWindow* help = feature.helpWindow();
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->browser()->source().toLocalFile().endsWith(QStringLiteral("Help/VORBIXUS/memory.html")));

    help->showContext(170);
    EXPECT_EQ(help->browser()->source().fragment(), QStringLiteral("statusbar"));

    feature.MenuIndexClick();
    EXPECT_TRUE(help->browser()->source().toLocalFile().endsWith(QStringLiteral("Help/VORBIXUS/index.html")));
    EXPECT_EQ(help->browser()->documentTitle(), QStringLiteral("Vorbix Help"));
    EXPECT_TRUE(Dialogs::shownMessages().isEmpty());

    // Without the help files the user is told which file is missing, and why.
    help->close();
    std::filesystem::remove_all(folder.file("Help"));
    feature.MenuIndexClick();
    EXPECT_FALSE(help->isVisible());
    EXPECT_EQ(Dialogs::shownMessages(),
              QStringList{QStringLiteral("T80 - ") + QString::fromStdString(folder.file("Help/VORBIXUS/index.html")) +
                          QStringLiteral(": No such file or directory")});
}

TEST(InfoFormTest, CancelButtonSetsAndClosingClearsTheRequest)
{
    std::atomic<bool> cancel{true};
    ui::TInfoForm info;
    info.setCancelFlag(&cancel);
    auto* label = test::partOf<QLabel>(info, "Label1");
    auto* cancelButton = test::partOf<QPushButton>(info, "CancelButton");
    EXPECT_EQ(label->text(), QStringLiteral("Working ..."));
    EXPECT_FALSE(cancelButton->isEnabled());

    info.present(QStringLiteral("Busy"), true);
    EXPECT_EQ(label->text(), QStringLiteral("Busy"));
    EXPECT_FALSE(cancel.load()); // cleared when shown with the button enabled
    cancelButton->click();
    EXPECT_TRUE(cancel.load());
    info.close();
    EXPECT_FALSE(cancel.load());
    EXPECT_FALSE(cancelButton->isEnabled());
}

// A help page that is a named pipe or a folder, reached by a link of another page: the browser
// shows the path and the reason at once instead of waiting on the pipe.
TEST(HelpPageBrowserTest, APageThatIsNotAPlainFileShowsWhy)
{
    TempFolder folder;
    folder.write("index.html", "<html><body><a href=\"pipe.html\">pipe</a></body></html>");
    ASSERT_EQ(::mkfifo(folder.file("pipe.html").c_str(), 0644), 0);
    ASSERT_EQ(::mkdir(folder.file("folder.html").c_str(), 0755), 0);
    ui::HelpWindow window;
    window.setContentsPage(QString::fromStdString(folder.file("index.html")));
    window.showContents();
    EXPECT_TRUE(window.browser()->toPlainText().startsWith(QStringLiteral("pipe")));
    const struct
    {
        const char* link;
        const char* reason;
    } cases[] = {{"pipe.html", ": not a regular file (a named pipe)"}, {"folder.html", ": Is a directory"}};
    for (const auto& c : cases) {
        window.browser()->setSource(QUrl::fromLocalFile(QString::fromStdString(folder.file(c.link))));
        EXPECT_EQ(window.browser()->toPlainText(),
                  QString::fromStdString(folder.file(c.link)) + QString::fromLatin1(c.reason));
    }
    window.close();
}
