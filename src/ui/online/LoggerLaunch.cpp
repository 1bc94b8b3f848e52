#include "ui/online/LoggerLaunch.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace vorbix::ui {

bool LaunchLogger(const QString& programFolder, QString& error)
{
    const QDir folder(programFolder);
    const QString native = folder.filePath(QStringLiteral("QTXLog"));
    const QString windows = folder.filePath(QStringLiteral("QTXLog.exe"));
    if (QFileInfo(native).isFile()) {
        if (QProcess::startDetached(native, {}, programFolder)) {
            return true;
        }
        error = QStringLiteral("The logger program could not be started: %1").arg(QDir::toNativeSeparators(native));
        return false;
    }
    if (QFileInfo(windows).isFile()) {
        if (QDesktopServices::openUrl(QUrl::fromLocalFile(windows))) {
            return true;
        }
        error = QStringLiteral("The logger program could not be started: %1").arg(QDir::toNativeSeparators(windows));
        return false;
    }
    error = QStringLiteral("The logger program was not found: %1").arg(QDir::toNativeSeparators(native));
    return false;
}

} // namespace vorbix::ui
