#pragma once

#include "core/base/LanguageTable.h"

#include <QWidget>

class QPushButton;

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
    // The buttons' and the caption's texts of the language in force.
    void applyTexts(const PopisType& lang);
    const QString& contentsPage() const { return m_contentsPage; }

    void showContents();
    // A help context number's topic; unknown numbers open the contents.
    void showContext(int context);

    QTextBrowser* browser() const { return m_browser; }

private:
    void showFile(const QString& pathWithAnchor);

    QTextBrowser* m_browser;
    QPushButton* m_contents;
    QPushButton* m_back;
    QPushButton* m_forward;
    QString m_contentsPage;
};

} // namespace vorbix::ui
