#include "ui/app/TAboutForm.h"

#include "core/app/SupportedReceivers.h"
#include "core/base/TextNumbers.h"
#include "ui/app/Dialogs.h"
#include "ui/app/Icons.h"
#include "ui/app/QtText.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorbix::ui {
namespace {

constexpr const char* kWebAddress = "https://www.example.com/vorbix";
constexpr const char* kMailAddress = "support@example.com";

QLabel* named(QWidget* parent, const char* name, const QString& text = {})
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QLabel* link(QWidget* parent, const char* name, const QString& url, const QString& shown)
{
    QLabel* label = named(parent, name, QStringLiteral("<a href=\"%1\">%2</a>").arg(url, shown.toHtmlEscaped()));
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(Qt::TextBrowserInteraction);
    label->setOpenExternalLinks(true);
    return label;
}

} // namespace

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TAboutForm"));
    setWindowTitle(tr("About"));

    auto* title = new QWidget(this);
    title->setObjectName(QStringLiteral("TitlePanel"));
    title->setAutoFillBackground(true);
    title->setStyleSheet(QStringLiteral("#TitlePanel { background: #1d4f91; } QLabel { color: white; }"));
    auto* logo = named(title, "Logo");
    logo->setPixmap(appIcon().pixmap(48, 48));
    auto* product = named(title, "ProductLabel", QStringLiteral("VORBIX\u00AE"));
    QFont big = product->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    product->setFont(big);
    auto* titleLayout = new QHBoxLayout(title);
    titleLayout->addWidget(logo);
    titleLayout->addWidget(product, 1);

    CommLabel = named(this, "CommLabel", tr("Communication program for receivers"));
    VersionLabel = named(this, "VersionLabel", tr("Version:"));
    NumberLabel = named(this, "NumberLabel");
    SupportLabel = named(this, "SupportLabel", tr("Support:"));
    WebLabel = link(this, "WebLabel", QString::fromLatin1(kWebAddress), QString::fromLatin1(kWebAddress));
    MailLabel = link(this, "MailLabel", QStringLiteral("mailto:") + QString::fromLatin1(kMailAddress),
                     QString::fromLatin1(kMailAddress));
    RxEdit = new QPlainTextEdit(this);
    RxEdit->setObjectName(QStringLiteral("RxEdit"));
    RxEdit->setReadOnly(true);
    RxEdit->setMinimumHeight(100);
    CloseButton = new QPushButton(tr("Close"), this);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    CloseButton->setDefault(true);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* info = new QGridLayout;
    info->addWidget(VersionLabel, 0, 0);
    info->addWidget(NumberLabel, 0, 1);
    info->addWidget(SupportLabel, 1, 0, Qt::AlignTop);
    auto* addresses = new QVBoxLayout;
    addresses->addWidget(WebLabel);
    addresses->addWidget(MailLabel);
    info->addLayout(addresses, 1, 1);
    info->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(CommLabel);
    layout->addWidget(RxEdit);
    layout->addLayout(info);
    layout->addWidget(CloseButton, 0, Qt::AlignRight);
}

QString TAboutForm::fileVersionText()
{
    // The build carries three numbers; the fourth, the build number, is 0.
    QStringList parts = QString::fromLatin1(VORBIX_VERSION).split(QLatin1Char('.'));
    while (parts.size() < 4) {
        parts << QStringLiteral("0");
    }
    return parts.mid(0, 4).join(QLatin1Char('.'));
}

void TAboutForm::showEvent(QShowEvent* event)
{
    if (m_lang != nullptr) {
        setWindowTitle(fromCp(LangText(*m_lang, lang::kAboutCaption)));
        CommLabel->setText(fromCp(LangText(*m_lang, lang::kAboutDescription)));
        VersionLabel->setText(fromCp(LangText(*m_lang, lang::kAboutVersion)));
        SupportLabel->setText(fromCp(LangText(*m_lang, lang::kAboutSupportedReceivers)));
        CloseButton->setText(fromCp(LangText(*m_lang, lang::kAboutClose)));
    }
    NumberLabel->setText(fileVersionText());
    RxEdit->clear();
    std::vector<std::string> receivers;
    std::string error;
    if (app::ReadSupportedReceivers(m_rxDefPath, receivers, error)) {
        QStringList lines;
        for (const std::string& r : receivers) {
            lines << fromCp(r);
        }
        RxEdit->setPlainText(lines.join(QLatin1Char('\n')));
    } else {
        const std::string text =
            (m_lang != nullptr ? LangText(*m_lang, lang::kFileCannotBeOpened) : std::string()) + " - " + error;
        Dialogs::error(this, fromCp(text));
    }
    QDialog::showEvent(event);
}

} // namespace vorbix::ui
