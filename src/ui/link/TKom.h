#pragma once

#include <QObject>
#include <atomic>
#include <functional>

namespace vorbix::ui {

class TCommForm;

// What a transfer running on the worker thread may ask of the user-interface thread.
struct JobContext
{
    // Shows 0..100 in the progress dialog; returns at once.
    std::function<void(int progress)> progress;
    // Asks a Yes/No question and waits for the answer; true for Yes.
    std::function<bool()> confirmCancel;
};

// The communication worker: runs one download or upload on a thread of its own while the progress
// dialog shows modally on the user-interface thread, and hands its result back. Progress and the
// closing of the dialog reach the window through queued calls; the upload's cancel question is
// asked on the user-interface thread while the worker waits for the answer. While a job runs the
// worker owns the link: the user-interface thread must not use it.
class TKom : public QObject
{
    Q_OBJECT
public:
    using Job = std::function<bool(const JobContext&)>;

    explicit TKom(QObject* parent = nullptr);

    // The question behind JobContext::confirmCancel, run on the user-interface thread.
    void setCancelQuestion(std::function<bool()> ask) { m_ask = std::move(ask); }

    // Shows `form` modally, runs `job` on the worker thread, closes the form when the job ends and
    // returns the job's result (JobResult).
    bool run(TCommForm& form, const Job& job);

    bool Idle() const { return m_idle.load(); }

private:
    std::function<bool()> m_ask;
    std::atomic<bool> m_idle{true};
};

} // namespace vorbix::ui
