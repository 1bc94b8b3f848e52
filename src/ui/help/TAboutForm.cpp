#include "ui/help/TAboutForm.h"

#include "core/app/SupportedReceivers.h"
#include "core/base/TextNumbers.h"
#include "ui/app/Icons.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/QtText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorbix::ui {
namespace {

QLabel* named(QWidget* parent, const char* name, const QString& text = {})
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
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
    // Text 193 names the list of supported receivers, so it stands right above it. (The box shows no
    // web or mail address: there is no published one to give.)
    SupportLabel = named(this, "SupportLabel", tr("Supported receivers"));
    RxEdit = new QPlainTextEdit(this);
    RxEdit->setObjectName(QStringLiteral("RxEdit"));
    RxEdit->setReadOnly(true);
    RxEdit->setMinimumHeight(100);
    CloseButton = new QPushButton(tr("Close"), this);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    CloseButton->setDefault(true);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* version = new QHBoxLayout;
    version->addWidget(VersionLabel);
    version->addWidget(NumberLabel, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(CommLabel);
    layout->addLayout(version);
    layout->addSpacing(6);
    layout->addWidget(SupportLabel);
    layout->addWidget(RxEdit, 1);
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
    if (app::ReadSupportedReceivers(m_rxDefPath, receivers, error, m_lang != nullptr ? *m_lang : NoTexts())) {
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
