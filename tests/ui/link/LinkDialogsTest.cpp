#include "ui/link/TChangePassForm.h"
#include "ui/link/TCommSetupForm.h"
#include "ui/link/TLoginForm.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/TCommForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace vorbix;
using ui::Dialogs;

namespace {

PopisType numberedTexts()
{
    PopisType lang(310);
    for (std::size_t i = 0; i < lang.size(); ++i) {
        lang[i] = "T" + std::to_string(i);
    }
    return lang;
}

// Runs `body` once the modal dialog is showing, then returns the dialog's result.
template <typename Dialog, typename Body> int runModal(Dialog& dialog, Body body)
{
    QTimer::singleShot(0, &dialog, [&dialog, body] {
        body();
        if (dialog.isVisible()) {
            dialog.reject();
        }
    });
    return dialog.exec();
}

class LinkDialogsTest : public ::testing::Test
{
protected:
    void SetUp() override { Dialogs::clear(); }
    PopisType lang = numberedTexts();
};

} // namespace

TEST_F(LinkDialogsTest, LoginAcceptsOnlyTheReceiversPassword)
{
    ui::TLoginForm form;
    form.setLanguage(&lang);
    form.RxTypeText = "Four-relay receiver";
    form.RxPassword = "Tajn\xE9"; // "Tajné" in cp1250

    struct Case
    {
        QString typed;
        int result;
        QString message;
    } cases[] = {
        {QStringLiteral("tajné"), QDialog::Rejected, QStringLiteral("T134")},
        {QString(17, QLatin1Char('x')), QDialog::Rejected, QStringLiteral("T133")},
        {QStringLiteral("Tajné"), ui::TLoginForm::kPasswordCorrect, QString()},
    };
    for (const auto& c : cases) {
        Dialogs::clear();
        const int result = runModal(form, [&] {
            EXPECT_EQ(form.windowTitle(), QStringLiteral("T60"));
            EXPECT_EQ(form.RxType->text(), QStringLiteral("Four-relay receiver"));
            EXPECT_TRUE(form.EditPassword->text().isEmpty());
            form.EditPassword->setText(c.typed);
            form.OKButton->click();
        });
        EXPECT_EQ(result, c.result) << c.typed.toStdString();
        EXPECT_EQ(Dialogs::shownMessages(), c.message.isEmpty() ? QStringList() : QStringList{c.message});
    }
}

TEST_F(LinkDialogsTest, ChangePasswordRules)
{
    ui::TChangePassForm form;
    form.setLanguage(&lang);

    // A receiver without a password: the old field is hidden and the first-password note shows.
    form.RxPassword.clear();
    int result = runModal(form, [&] {
        EXPECT_FALSE(form.EditOldPass->isVisible());
        EXPECT_TRUE(form.LabelFirstLog->isVisible());
        EXPECT_EQ(form.LabelFirstLog->text(), QStringLiteral("T68"));
        form.EditNewPass->setText(QStringLiteral("first"));
        form.OKButton->click();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(form.RxPassword, "first");

    // Same password again: silently not accepted, the dialog stays open.
    result = runModal(form, [&] {
        EXPECT_TRUE(form.EditOldPass->isVisible());
        form.EditOldPass->setText(QStringLiteral("first"));
        form.EditNewPass->setText(QStringLiteral("first"));
        form.OKButton->click();
        EXPECT_TRUE(form.isVisible());
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_TRUE(Dialogs::shownMessages().isEmpty());

    result = runModal(form, [&] {
        form.EditOldPass->setText(QStringLiteral("wrong"));
        form.OKButton->click();
        form.EditOldPass->setText(QStringLiteral("first"));
        form.EditNewPass->setText(QString(17, QLatin1Char('n')));
        form.OKButton->click();
        form.EditNewPass->clear(); // an empty new password removes the password
        form.OKButton->click();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(Dialogs::shownMessages(), (QStringList{QStringLiteral("T134"), QStringLiteral("T133")}));
    EXPECT_EQ(form.RxPassword, "");
}

TEST_F(LinkDialogsTest, CommSetupValidatesAndAlwaysClearsDumpRead)
{
    ui::TCommSetupForm form;
    form.setLanguage(&lang);
    link::ConnectionSettings settings;
    settings.ComNumber = 2;
    settings.ComSpeed = 19200;
    settings.DumpRead = true;
    const std::vector<link::SerialPortEntry> ports = {{1, "/dev/ttyS0", "COM 1"}, {2, "/tmp/pty", "COM 2 (/tmp/pty)"}};

    form.InitForm(ports, settings);
    int result = runModal(form, [&] {
        EXPECT_EQ(form.windowTitle(), QStringLiteral("T40"));
        EXPECT_EQ(form.ComboPortNum->currentText(), QStringLiteral("COM 2 (/tmp/pty)"));
        EXPECT_EQ(form.ComboPortSpeed->currentText(), QStringLiteral("19200"));
        EXPECT_TRUE(form.ComboPortNum->isVisible());
        EXPECT_FALSE(form.IPAddressEdit->isVisible());
        EXPECT_FALSE(form.DumpReadBox->isChecked());
        form.ComboPortSpeed->setEditText(QStringLiteral("fast"));
        form.OKButton->click();
        form.ComboPortSpeed->setEditText(QStringLiteral("57600"));
        QTest::keyClick(form.ComboPortSpeed, Qt::Key_Return); // Enter in any control acts as OK
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(Dialogs::shownMessages(), QStringList{QStringLiteral("T136")});
    EXPECT_EQ(form.settings().ComNumber, 2);
    EXPECT_EQ(form.settings().ComSpeed, 57600);
    EXPECT_FALSE(form.settings().DumpRead);

    Dialogs::clear();
    form.InitForm(ports, settings);
    result = runModal(form, [&] {
        form.TcpRadio->setChecked(true);
        EXPECT_TRUE(form.IPAddressEdit->isVisible());
        form.IPAddressEdit->setText(QStringLiteral("127.0.0"));
        form.OKButton->click();
        form.IPAddressEdit->setText(QStringLiteral("127.0.0.1"));
        form.IPPortEdit->setText(QStringLiteral("5"));
        form.OKButton->click();
        form.IPPortEdit->setText(QStringLiteral("5000"));
        form.OKButton->click();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(Dialogs::shownMessages(), (QStringList{QStringLiteral("T101"), QStringLiteral("T102")}));
    EXPECT_EQ(form.settings().ConnectionType, link::ConnectionKind::TcpIp);
    EXPECT_EQ(form.settings().IPAddress, "127.0.0.1");
    EXPECT_EQ(form.settings().IPPort, "5000");

    // Cancel keeps what the link had.
    form.InitForm(ports, settings);
    EXPECT_EQ(runModal(form, [&] { form.IPPortEdit->setText(QStringLiteral("9999")); }), QDialog::Rejected);
}

// Switching the kind hides the other kind's rows; the radio group keeps its height at any size of
// the dialog, and the fields stay at the top.
TEST_F(LinkDialogsTest, CommSetupKeepsItsRadioGroupSmallForBothKinds)
{
    ui::TCommSetupForm form;
    form.setLanguage(&lang);
    link::ConnectionSettings settings;
    settings.ConnectionType = link::ConnectionKind::TcpIp;
    form.InitForm({{1, "/dev/ttyS0", "COM 1"}}, settings);
    form.show();
    for (const QSize size : {form.sizeHint(), QSize(520, 420)}) {
        form.resize(size);
        for (QRadioButton* kind : {form.ComRadio, form.TcpRadio, form.ComRadio}) {
            kind->setChecked(true);
            QTest::qWait(1);
            const QWidget* group = form.findChild<QWidget*>(QStringLiteral("ConnTypeRadio"));
            EXPECT_EQ(group->height(), group->sizeHint().height()) << size.height();
            QWidget* firstField = kind == form.ComRadio ? static_cast<QWidget*>(form.ComboPortNum) : form.IPAddressEdit;
            EXPECT_LT(firstField->geometry().top() - group->geometry().bottom(), 30) << size.height();
        }
    }
}

TEST_F(LinkDialogsTest, ProgressCancelRaisesTheRequestWithoutClosing)
{
    ui::TCommForm form;
    form.setLanguage(&lang);
    std::atomic<bool> cancel{true};
    form.setCancelFlag(&cancel);
    const int result = runModal(form, [&] {
        EXPECT_FALSE(cancel.load()); // cleared on show
        EXPECT_EQ(form.windowTitle(), QStringLiteral("T2"));
        form.ShowProgress(42);
        EXPECT_EQ(form.ProgressBar1->value(), 42);
        form.CancelButton->click();
        EXPECT_TRUE(form.isVisible());
        EXPECT_TRUE(form.CancelPressed);
        EXPECT_TRUE(cancel.load());
        QTest::keyClick(&form, Qt::Key_Escape);
        EXPECT_TRUE(form.isVisible());
        form.CloseProgress();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(form.ProgressBar1->value(), 0);
}
