#include "ui/online/LoggerLaunch.h"

#include "core/base/TextNumbers.h"
#include "ui/widgets/QtText.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace vorbix::ui {

bool LaunchLogger(const QString& programFolder, const PopisType& lang, QString& error)
{
    const auto naming = [&lang](int text, const QString& path) {
        return fromCp(LangTextWith(lang, text, toCp(QDir::toNativeSeparators(path))));
    };
    const QDir folder(programFolder);
    const QString native = folder.filePath(QStringLiteral("QTXLog"));
    const QString windows = folder.filePath(QStringLiteral("QTXLog.exe"));
    if (QFileInfo(native).isFile()) {
        if (QProcess::startDetached(native, {}, programFolder)) {
            return true;
        }
        error = naming(lang::kLoggerNotStarted, native);
        return false;
    }
    if (QFileInfo(windows).isFile()) {
        if (QDesktopServices::openUrl(QUrl::fromLocalFile(windows))) {
            return true;
        }
        error = naming(lang::kLoggerNotStarted, windows);
        return false;
    }
    error = naming(lang::kLoggerNotFound, native);
    return false;
}

} // namespace vorbix::ui
