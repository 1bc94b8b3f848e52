#pragma once

#include "core/app/StatusView.h"
#include "core/base/LanguageTable.h"

#include <QWidget>

class QTabWidget;

namespace vorbix::ui {

class OnlinePanel;

// The main window's central area: `PageControl` with its six pages (memory, file, history, battery,
// monitoring, direct control; the last one's tab hidden), `MessagesPanel` (the monitor's message view,
// hidden) in the same place, and the on-line panel below. Each page has an empty vertical layout
// that its feature fills.
class MainPages : public QWidget
{
    Q_OBJECT
public:
    explicit MainPages(QWidget* parent);

    QTabWidget* pageControl() const { return m_pageControl; }
    QWidget* page(app::Page page) const;
    QWidget* messagesPanel() const { return m_messagesPanel; }
    OnlinePanel* onlinePanel() const { return m_onlinePanel; }

    // The page captions from the language table; the direct control page keeps its own.
    void applyTexts(const PopisType& lang);

private:
    QTabWidget* m_pageControl;
    QWidget* m_messagesPanel;
    OnlinePanel* m_onlinePanel;
};

} // namespace vorbix::ui
