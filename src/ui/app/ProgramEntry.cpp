#include "ui/app/ProgramEntry.h"

#include "core/app/InstanceLock.h"
#include "ui/app/Icons.h"
#include "ui/app/InstanceBeacon.h"
#include "ui/app/TMainForm.h"

#include <QAction>
#include <QApplication>
#include <QPixmap>
#include <QTimer>
#include <iostream>

namespace vorbix::ui {
namespace {

bool saveScreenshot(QWidget& widget, const QString& path)
{
    const bool saved = widget.grab().save(path, "PNG");
    if (!saved) {
        std::cerr << "Vorbix: cannot write " << path.toStdString() << "\n";
    }
    return saved;
}

void scheduleScreenshot(TMainForm& form, const QString& path)
{
    // Long enough for the window manager of a virtual display to map and paint the window, and for
    // any start-up download to end; VORBIX_SCREENSHOT_DELAY (milliseconds) changes it.
    bool ok = false;
    int delay = qEnvironmentVariableIntValue("VORBIX_SCREENSHOT_DELAY", &ok);
    if (!ok || delay < 0) {
        delay = 1500;
    }
    // VORBIX_SCREENSHOT_DIALOG=edit saves the record dialog of the selected row instead.
    const bool editDialog = qEnvironmentVariable("VORBIX_SCREENSHOT_DIALOG") == QLatin1String("edit");
    QTimer::singleShot(delay, &form, [&form, path, editDialog] {
        QAction* edit = form.findChild<QAction*>(QStringLiteral("MenuEdit"));
        if (!editDialog || edit == nullptr || !edit->isEnabled()) {
            QCoreApplication::exit(saveScreenshot(form, path) ? 0 : 1);
            return;
        }
        // The dialog runs its own event loop; it is saved from there, and exit ends both loops.
        QTimer::singleShot(500, &form, [path] {
            QWidget* dialog = QApplication::activeModalWidget();
            QCoreApplication::exit(dialog != nullptr && saveScreenshot(*dialog, path) ? 0 : 1);
        });
        edit->trigger();
    });
}

} // namespace

int runProgram(const text::CommandLine& commandLine)
{
    if (!commandLine.error.empty()) {
        std::cerr << "Vorbix: " << commandLine.error << "\n";
        return 2;
    }

    app::InstanceLock lock;
    std::string error;
    std::string lockFolder;
    const std::string instance = app::InstanceName(commandLine.programFolder);
    const bool privateFolder = app::PrivateRuntimeFolder(lockFolder, error);
    const QString beacon = beaconName(app::InstanceLockPath(lockFolder, instance));
    if (!privateFolder || !lock.acquire(lockFolder, instance, error)) {
        if (privateFolder && error.empty()) {
            // Another copy runs from this folder: it comes to the front, and this one ends.
            const bool raised = InstanceBeacon::call(beacon);
            std::cerr << "Vorbix already runs on " << commandLine.programFolder
                      << (raised ? "; its window was brought to the front.\n" : ".\n");
            return 0;
        }
        // Without a usable lock folder the rule cannot be enforced; the program still runs.
        std::cerr << "Vorbix: " << error << "\n";
    }

    QApplication::setApplicationName(QStringLiteral("Vorbix"));
    // Lets a desktop match the window to the installed menu entry (its icon and name).
    QGuiApplication::setDesktopFileName(QStringLiteral(VORBIX_APP_ID));
    initIconResources();
    QApplication::setWindowIcon(appIcon());
    TMainForm form(commandLine.programFolder, commandLine.arguments);
    if (!form.create()) {
        return 1;
    }
    form.show();
    InstanceBeacon door;
    if (lock.held()) {
        door.listen(beacon, [&form] {
            form.setWindowState((form.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
            form.show();
            form.raise();
            form.activateWindow();
        });
    }
    // Without a window manager (a kiosk, a virtual display) nothing else would activate the window,
    // and the configured start-up actions wait for its first activation.
    form.activateWindow();
    const QString screenshot = qEnvironmentVariable("VORBIX_SCREENSHOT");
    if (!screenshot.isEmpty()) {
        scheduleScreenshot(form, screenshot);
    }
    const int code = QApplication::exec();
    return form.startRefused() ? 1 : code;
}

} // namespace vorbix::ui
