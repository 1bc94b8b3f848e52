// A start with Language=CZ on the shipped Czech language file: menus, pages, panels, messages,
// the definition file and the help all switch to Czech.
#include "MainFormFixture.h"
#include "support/WindowParts.h"

#include "ui/app/MainActions.h"
#include "ui/app/QtLanguageFeature.h"
#include "ui/help/HelpFeature.h"
#include "ui/help/HelpWindow.h"
#include "ui/help/TAboutForm.h"
#include "ui/online/OnlinePanel.h"
#include "ui/views/RecordViewsFeature.h"
#include "ui/widgets/DialogParts.h"
#include "ui/widgets/Dialogs.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QUndoCommand>
#include <QUndoStack>
#include <filesystem>

using namespace vorbix;
using namespace vorbix::test;
using ui::Dialogs;

TEST_F(MainFormFixture, CzechStartShowsCzechTextsDefinitionsAndHelp)
{
    folder.copyData("CZ.lng");
    folder.write("RxFncCZ.def", "RX2\r\n#E\r\n");
    writeIni("[Setup]\r\nLanguage=CZ\r\nWelcome=0\r\n");
    ASSERT_TRUE(start());
    EXPECT_TRUE(Dialogs::shownMessages().isEmpty());
    EXPECT_EQ(form->languageCode(), "CZ");
    EXPECT_EQ(form->definitionFileName(), "RxFncCZ.def");

    EXPECT_EQ(form->actions()->menu(QStringLiteral("MFile"))->title(), QStringLiteral("Soubor"));
    EXPECT_EQ(form->actions()->menu(QStringLiteral("MEdit"))->title(), QStringLiteral("Úpravy"));
    EXPECT_EQ(form->findChild<QAction*>(QStringLiteral("MenuLogin"))->text(),
              QStringLiteral("Přihlásit se k přijímači"));
    EXPECT_EQ(form->findChild<QAction*>(QStringLiteral("ToolButtonOnline"))->toolTip(),
              QStringLiteral("Spustit on-line režim"));
    EXPECT_EQ(tab(0), QStringLiteral("Paměť přijímače"));
    EXPECT_EQ(tab(3), QStringLiteral("Stav baterií"));
    // The panel joins two texts; the Czech pair must read as one phrase.
    EXPECT_EQ(test::partOf<QLabel>(*form, "LowBattLabel")->text(), QStringLiteral("Baterie slabá"));

    // A message built from a text, a path and the system's reason.
    std::filesystem::remove(folder.file("Rx.def"));
    ui::HelpFeature& help = *form->feature<ui::HelpFeature>();
    QTimer::singleShot(0, help.aboutForm(), [&help] { help.aboutForm()->accept(); });
    help.MenuAboutClick();
    EXPECT_EQ(help.aboutForm()->windowTitle(), QStringLiteral("O programu Vorbix"));
    EXPECT_EQ(Dialogs::shownMessages(), QStringList{QStringLiteral("Soubor nelze otevřít ani vytvořit - ") +
                                                    QString::fromStdString(folder.file("Rx.def")) +
                                                    QStringLiteral(": No such file or directory")});

    help.MenuIndexClick();
    EXPECT_TRUE(
        help.helpWindow()->browser()->source().toLocalFile().endsWith(QStringLiteral("Help/VORBIXCZ/index.html")));
    EXPECT_EQ(help.helpWindow()->browser()->documentTitle(), QStringLiteral("Nápověda programu Vorbix"));
    help.helpWindow()->showContext(440);
    EXPECT_TRUE(
        help.helpWindow()->browser()->source().toLocalFile().endsWith(QStringLiteral("Help/VORBIXCZ/setup.html")));
    help.helpWindow()->close();
}

// Qt's own texts follow: a message box's buttons and the file dialog speak Czech, the help
// window's buttons too, and English comes back with the English language file.
TEST_F(MainFormFixture, CzechStartTranslatesQtsOwnWindowsAndTheHelpButtons)
{
    const QString qtCatalogue = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_cs.qm");
    if (!QFile::exists(qtCatalogue)) {
        GTEST_SKIP() << "Qt's Czech translations are not installed: " << qtCatalogue.toStdString();
    }
    folder.copyData("CZ.lng");
    writeIni("[Setup]\r\nLanguage=CZ\r\nWelcome=0\r\n");
    ASSERT_TRUE(start());
    EXPECT_EQ(form->feature<ui::QtLanguageFeature>()->installedLocale(), QStringLiteral("cs"));
    EXPECT_EQ(QLocale().language(), QLocale::Czech); // the file dialog's dates
    QMessageBox box(QMessageBox::Question, QStringLiteral("Vorbix"), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Zrušit"));
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Ano"));
    EXPECT_NE(QCoreApplication::translate("QFileDialog", "File &name:"), QStringLiteral("File &name:"));
    // The program's own Cancel buttons (the transfer and busy windows) take Qt's word for it.
    EXPECT_EQ(ui::cancelText(), QStringLiteral("Zrušit"));

    ui::HelpWindow& help = *form->feature<ui::HelpFeature>()->helpWindow();
    const auto buttons = help.findChildren<QPushButton*>();
    QStringList texts;
    for (const QPushButton* b : buttons) {
        texts << b->text();
    }
    EXPECT_TRUE(texts.contains(QStringLiteral("Obsah"))) << texts.join(QLatin1Char(',')).toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("Zpět")));

    EXPECT_TRUE(form->LoadLanguage("US"));
    EXPECT_TRUE(form->feature<ui::QtLanguageFeature>()->installedLocale().isEmpty());
    EXPECT_EQ(QLocale(), QLocale::system());
    QMessageBox english(QMessageBox::Question, QStringLiteral("Vorbix"), QStringLiteral("?"), QMessageBox::Cancel);
    EXPECT_EQ(english.button(QMessageBox::Cancel)->text(), QStringLiteral("Cancel"));
}

// The captions this program added beyond the original texts speak Czech too, the undo step named
// where Czech puts it; an older Czech file without those texts still loads and shows them in English.
TEST_F(MainFormFixture, AddedCaptionsFollowTheLanguageFileAndFallBackToEnglish)
{
    folder.copyData("CZ.lng");
    writeIni("[Setup]\r\nLanguage=CZ\r\nWelcome=0\r\n");
    ASSERT_TRUE(start());
    const auto text = [this](const char* name) { return form->findChild<QAction*>(QString::fromLatin1(name))->text(); };
    EXPECT_EQ(text("MenuUndo"), QStringLiteral("Zpět"));
    EXPECT_EQ(text("MenuRedo"), QStringLiteral("Znovu"));
    EXPECT_EQ(text("MenuPrintPreview"), QStringLiteral("Náhled tisku ..."));
    EXPECT_EQ(text("MenuPrintPdf"), QStringLiteral("Export do PDF ..."));
    QUndoStack& undo = form->feature<ui::RecordViewsFeature>()->undoStack();
    undo.push(new QUndoCommand(QStringLiteral("Upravit")));
    EXPECT_EQ(text("MenuUndo"), QStringLiteral("Zpět: Upravit"));
    undo.undo();
    EXPECT_EQ(text("MenuUndo"), QStringLiteral("Zpět"));
    EXPECT_EQ(text("MenuRedo"), QStringLiteral("Znovu: Upravit"));
    undo.clear();

    // The same file as it was before the added texts: 316 entries.
    const std::string shipped = folder.read("CZ.lng");
    std::string older = "316" + shipped.substr(3, shipped.find("\r\n316 ") + 2 - 3);
    folder.write("CZ.lng", older);
    ASSERT_TRUE(form->LoadLanguage("CZ"));
    EXPECT_EQ(form->actions()->menu(QStringLiteral("MFile"))->title(), QStringLiteral("Soubor"));
    EXPECT_EQ(text("MenuUndo"), QStringLiteral("Undo"));
    EXPECT_EQ(text("MenuPrintPreview"), QStringLiteral("Print preview ..."));
    undo.push(new QUndoCommand(QStringLiteral("Upravit")));
    EXPECT_EQ(text("MenuUndo"), QStringLiteral("Undo Upravit"));
}
