#include "ui/help/HelpPageBrowser.h"

#include "core/text/TextFile.h"

#include <QFile>
#include <QTextDocument>
#include <QUrl>

namespace vorbix::ui {

QVariant HelpPageBrowser::loadResource(int type, const QUrl& name)
{
    const QUrl url = name.isRelative() && source().isValid() ? source().resolved(name) : name;
    if (!url.isLocalFile()) {
        return QTextBrowser::loadResource(type, name);
    }
    std::string content;
    std::string error;
    if (text::readFile(QFile::encodeName(url.toLocalFile()).toStdString(), content, error)) {
        return QByteArray::fromStdString(content);
    }
    if (type != QTextDocument::HtmlResource) {
        return {};
    }
    // Paths are the system's bytes; shown as the file dialogs show them.
    return QStringLiteral("<html><body><p>%1</p></body></html>")
        .arg(QFile::decodeName(QByteArray::fromStdString(error)).toHtmlEscaped());
}

} // namespace vorbix::ui
