#pragma once

#include <QTextBrowser>

namespace vorbix::ui {

// The help window's browser. Pages and pictures of local files are read by the program's own file
// reader, so a page that is a named pipe, a device, a folder or far too large shows its path and
// the reason instead of hanging the window or filling the memory.
class HelpPageBrowser : public QTextBrowser
{
    Q_OBJECT
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override;
};

} // namespace vorbix::ui
