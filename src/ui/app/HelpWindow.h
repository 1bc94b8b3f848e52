#pragma once

#include <QWidget>

class QTextBrowser;

namespace vorbix::ui {

// The program's help viewer: the HTML help of the current language in a text browser, with
// Back, Forward and Contents. One window for the whole run, raised again when already open.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // The language's help contents page (index.html of its help folder).
    void setContentsPage(const QString& contentsPage);
    const QString& contentsPage() const { return m_contentsPage; }

    void showContents();
    // A help context number's topic; unknown numbers open the contents.
    void showContext(int context);

    QTextBrowser* browser() const { return m_browser; }

private:
    void showFile(const QString& pathWithAnchor);

    QTextBrowser* m_browser;
    QString m_contentsPage;
};

} // namespace vorbix::ui
