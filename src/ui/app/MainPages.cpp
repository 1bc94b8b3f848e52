#include "ui/app/MainPages.h"

#include "core/base/TextNumbers.h"
#include "ui/app/HelpContext.h"
#include "ui/app/OnlinePanel.h"
#include "ui/app/QtText.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace vorbix::ui {
namespace {

struct PageInfo
{
    const char* name;
    const char* caption;
    int helpContext;
};

// In page-index order (app::Page).
constexpr PageInfo kPages[] = {
    {"MemoryPage", "Memory view", 110},   {"UserPage", "File view", 120},
    {"HistoryPage", "History view", 140}, {"BatteryPage", "Battery view", 130},
    {"MonitorPage", "Monitoring", 150},   {"DirectControlPage", "Direct Control", 180},
};

// The direct control page keeps its caption.
constexpr int kPageTexts[] = {lang::kPageMemory, lang::kPageFile, lang::kPageHistory, lang::kPageBattery,
                              lang::kPageMonitoring};

} // namespace

MainPages::MainPages(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_pageControl = new QTabWidget(this);
    m_pageControl->setObjectName(QStringLiteral("PageControl"));
    setHelpContext(m_pageControl, 100);
    for (const PageInfo& info : kPages) {
        auto* page = new QWidget(m_pageControl);
        page->setObjectName(QString::fromLatin1(info.name));
        setHelpContext(page, info.helpContext);
        // The views of each page add themselves to this layout.
        new QVBoxLayout(page);
        m_pageControl->addTab(page, QString::fromLatin1(info.caption));
    }
    m_pageControl->setTabVisible(static_cast<int>(app::Page::DirectControl), false);

    m_messagesPanel = new QWidget(this);
    m_messagesPanel->setObjectName(QStringLiteral("MessagesPanel"));
    setHelpContext(m_messagesPanel, 150);
    new QVBoxLayout(m_messagesPanel);
    m_messagesPanel->hide();

    m_onlinePanel = new OnlinePanel(this);

    layout->addWidget(m_pageControl, 1);
    layout->addWidget(m_messagesPanel, 1);
    layout->addWidget(m_onlinePanel);
}

QWidget* MainPages::page(app::Page which) const
{
    return m_pageControl->widget(static_cast<int>(which));
}

void MainPages::applyTexts(const PopisType& lang)
{
    for (int i = 0; i < 5; ++i) {
        m_pageControl->setTabText(i, fromCp(LangText(lang, kPageTexts[i])));
    }
    m_onlinePanel->applyTexts(lang);
}

} // namespace vorbix::ui
