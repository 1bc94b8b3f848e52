#include "ui/link/TKom.h"

#include "ui/link/TCommForm.h"

#include <QMetaObject>
#include <QPointer>
#include <QThread>
#include <memory>

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
        bool yes = true;
        // The dialog's modal loop is running, so a blocking call into it cannot deadlock.
        QMetaObject::invokeMethod(
            dialog, [this, &yes] { yes = m_ask ? m_ask() : true; }, Qt::BlockingQueuedConnection);
        return yes;
    };

    m_idle = false;
    std::unique_ptr<QThread> worker(QThread::create([&] {
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
    }));
    worker->start();
    form.exec();
    worker->wait();
    m_idle = true;
    return jobResult;
}

} // namespace vorbix::ui
