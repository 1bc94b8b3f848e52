#include "ui/link/TKom.h"
#include "ui/widgets/TCommForm.h"

#include <QApplication>
#include <QProgressBar>
#include <QThread>
#include <gtest/gtest.h>

using namespace vorbix::ui;

TEST(TKomTest, RunsTheJobOffTheWindowThreadAndAsksOnIt)
{
    TCommForm form;
    TKom worker;
    bool askedOnWindowThread = false;
    worker.setCancelQuestion([&] {
        askedOnWindowThread = QThread::currentThread() == qApp->thread();
        EXPECT_TRUE(form.isVisible()); // the question comes while the dialog shows
        return false;
    });

    QThread* jobThread = nullptr;
    std::vector<int> seen;
    const bool result = worker.run(form, [&](const JobContext& context) {
        jobThread = QThread::currentThread();
        for (int p : {10, 50, 100}) {
            context.progress(p);
        }
        return !context.confirmCancel(); // "No": go on and succeed
    });
    EXPECT_TRUE(result);
    EXPECT_TRUE(askedOnWindowThread);
    EXPECT_NE(jobThread, qApp->thread());
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(worker.Idle());
}

TEST(TKomTest, AJobThatEndsAtOnceStillShowsAndClosesTheDialog)
{
    TCommForm form;
    TKom worker;
    EXPECT_FALSE(worker.run(form, [](const JobContext&) { return false; }));
    EXPECT_FALSE(form.isVisible());
}
