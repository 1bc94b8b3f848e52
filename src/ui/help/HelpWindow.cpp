#include "ui/help/HelpWindow.h"

#include "core/app/HelpTopics.h"
#include "core/base/TextNumbers.h"
#include "ui/help/HelpPageBrowser.h"
#include "ui/widgets/QtText.h"
#include "ui/widgets/ScreenFit.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace vorbix::ui {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Vorbix - Help"));
    resize(640, 520);

    m_browser = new HelpPageBrowser(this);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setOpenLinks(true);
    m_browser->setOpenExternalLinks(true);

    m_contents = new QPushButton(tr("Contents"), this);
    m_back = new QPushButton(tr("Back"), this);
    m_forward = new QPushButton(tr("Forward"), this);
    auto* contents = m_contents;
    auto* back = m_back;
    auto* forward = m_forward;
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, &HelpWindow::showContents);
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle(QStringLiteral("Vorbix - ") + m_browser->documentTitle()); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser);
}

void HelpWindow::applyTexts(const PopisType& lang)
{
    m_contents->setText(fromCp(LangText(lang, lang::kHelpContents)));
    m_back->setText(fromCp(LangText(lang, lang::kHelpBack)));
    m_forward->setText(fromCp(LangText(lang, lang::kHelpForward)));
    if (m_browser->documentTitle().isEmpty()) {
        setWindowTitle(QStringLiteral("Vorbix - ") + fromCp(LangText(lang, lang::kHelpCaption)));
    }
}

void HelpWindow::setContentsPage(const QString& contentsPage)
{
    m_contentsPage = contentsPage;
}

void HelpWindow::showContents()
{
    showFile(m_contentsPage);
}

void HelpWindow::showContext(int context)
{
    showFile(QString::fromStdString(app::HelpTopicPath(m_contentsPage.toStdString(), context)));
}

void HelpWindow::showFile(const QString& pathWithAnchor)
{
    const qsizetype hash = pathWithAnchor.indexOf(QLatin1Char('#'));
    QUrl url = QUrl::fromLocalFile(hash < 0 ? pathWithAnchor : pathWithAnchor.left(hash));
    if (hash >= 0) {
        url.setFragment(pathWithAnchor.mid(hash + 1));
    }
    m_browser->setSource(url);
    if (!isVisible()) {
        openWhollyOnScreen(*this);
    }
    show();
    raise();
    activateWindow();
}

} // namespace vorbix::ui
