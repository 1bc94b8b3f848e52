#include "ui/link/TKom.h"

#include "ui/widgets/TCommForm.h"

#include <QMetaObject>
#include <QPointer>
#include <atomic>
#include <thread>

namespace vorbix::ui {

TKom::TKom(QObject* parent) : QObject(parent) {}

bool TKom::run(TCommForm& form, const Job& job)
{
    bool jobResult = false;
    QPointer<TCommForm> dialog(&form);

    JobContext context;
    context.progress = [dialog](int progress) {
        QMetaObject::invokeMethod(
            dialog,
            [dialog, progress] {
                if (dialog) {
                    dialog->ShowProgress(progress);
                }
            },
            Qt::QueuedConnection);
    };
    context.confirmCancel = [this, dialog] {
        // Atomic, so that the hand-over is visible to the thread sanitizer as well; the blocking
        // call itself synchronises inside Qt. The dialog's modal loop is running, so a blocking
        // call into it cannot deadlock.
        std::atomic<bool> yes{true};
        QMetaObject::invokeMethod(
            dialog, [this, &yes] { yes = m_ask ? m_ask() : true; }, Qt::BlockingQueuedConnection);
        return yes.load();
    };

    m_idle = false;
    // A plain thread: its end is joined, so the job's result is handed over by the join.
    std::thread worker([&] {
        jobResult = job(context);
        // Queued, so it is handled inside the dialog's modal loop, after the dialog is shown.
        QMetaObject::invokeMethod(
            dialog,
            [dialog] {
                if (dialog) {
                    dialog->CloseProgress();
                }
            },
            Qt::QueuedConnection);
    });
    form.exec();
    worker.join();
    m_idle = true;
    return jobResult;
}

} // namespace vorbix::ui
