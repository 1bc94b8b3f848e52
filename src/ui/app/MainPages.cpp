#include "ui/app/MainPages.h"

#include "core/base/TextNumbers.h"
#include "ui/help/HelpContext.h"
#include "ui/widgets/QtText.h"

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
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);

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
    auto* messages = new QVBoxLayout(m_messagesPanel);
    messages->setContentsMargins(0, 0, 0, 0);
    m_messagesPanel->hide();

    m_layout->addWidget(m_pageControl, 1);
    m_layout->addWidget(m_messagesPanel, 1);
}

void MainPages::setBottomPanel(QWidget* panel)
{
    m_bottomPanel = panel;
    panel->setParent(this);
    m_layout->addWidget(panel);
    panel->setVisible(!m_bottomPanelCut && !inMonitorLayout());
}

void MainPages::hideBottomPanel()
{
    m_bottomPanelCut = true;
    if (m_bottomPanel != nullptr) {
        m_bottomPanel->hide();
    }
}

void MainPages::setMessageView(QWidget* view)
{
    m_messagesPanel->layout()->addWidget(view);
}

void MainPages::setMonitorLayout(bool monitorLayout)
{
    m_messagesPanel->setVisible(monitorLayout);
    m_pageControl->setVisible(!monitorLayout);
    if (m_bottomPanel != nullptr) {
        m_bottomPanel->setVisible(!monitorLayout && !m_bottomPanelCut);
    }
}

bool MainPages::inMonitorLayout() const
{
    return !m_messagesPanel->isHidden();
}

QWidget* MainPages::page(app::Page which) const
{
    return m_pageControl->widget(static_cast<int>(which));
}

void MainPages::showPage(app::Page which)
{
    m_pageControl->setCurrentIndex(static_cast<int>(which));
}

app::Page MainPages::currentPage() const
{
    return static_cast<app::Page>(m_pageControl->currentIndex());
}

void MainPages::setPageShown(app::Page which, bool shown, const QString& caption)
{
    if (!caption.isEmpty()) {
        m_pageControl->setTabText(static_cast<int>(which), caption);
    }
    m_pageControl->setTabVisible(static_cast<int>(which), shown);
}

void MainPages::applyTexts(const PopisType& lang)
{
    for (int i = 0; i < 5; ++i) {
        m_pageControl->setTabText(i, fromCp(LangText(lang, kPageTexts[i])));
    }
}

} // namespace vorbix::ui
