#pragma once

#include "core/app/StatusView.h"
#include "core/base/LanguageTable.h"

#include <QWidget>

class QTabWidget;
class QVBoxLayout;

namespace vorbix::ui {

// The main window's central area: `PageControl` with its six pages (memory, file, history, battery,
// monitoring, direct control; the last one's tab hidden), `MessagesPanel` (the monitor's message view,
// hidden) in the same place, and a panel below (on-line mode's). Each page has an empty vertical
// layout that its feature fills. In the monitor layout only the message view shows.
class MainPages : public QWidget
{
    Q_OBJECT
public:
    explicit MainPages(QWidget* parent);

    QTabWidget* pageControl() const { return m_pageControl; }
    QWidget* page(app::Page page) const;
    void showPage(app::Page page);
    app::Page currentPage() const;
    // Shows or hides the page's tab; a caption that is given becomes its title.
    void setPageShown(app::Page page, bool shown, const QString& caption = QString());

    void setBottomPanel(QWidget* panel);
    void hideBottomPanel();
    void setMessageView(QWidget* view);
    void setMonitorLayout(bool monitorLayout);
    bool inMonitorLayout() const;

    // The page captions from the language table; the direct control page keeps its own.
    void applyTexts(const PopisType& lang);

private:
    QVBoxLayout* m_layout;
    QTabWidget* m_pageControl;
    QWidget* m_messagesPanel;
    QWidget* m_bottomPanel = nullptr;
    bool m_bottomPanelCut = false; // gone for good (a user without administrator rights)
};

} // namespace vorbix::ui
