#include "core/app/CloseQuery.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

using namespace vorbix;
using namespace vorbix::app;

namespace {

// Answers the questions in order and records them; counts the saves.
struct FakeUser
{
    std::deque<Answer> answers;
    std::vector<std::string> asked;
    bool dataSaveWorks = true;
    bool monitorSaveWorks = true;
    int dataSaves = 0;
    int monitorSaves = 0;

    AskQuestion ask()
    {
        return [this](const std::string& q) {
            asked.push_back(q);
            const Answer a = answers.front();
            answers.pop_front();
            return a;
        };
    }

    // An unsaved data set and an unsaved monitor setup, in the order the window asks about them.
    std::vector<UnsavedItem> items()
    {
        return {{DataSetCloseQuestion(language()),
                 [this] {
                     ++dataSaves;
                     return dataSaveWorks;
                 }},
                {MonitorSetupCloseQuestion(language()), [this] {
                     ++monitorSaves;
                     return monitorSaveWorks;
                 }}};
    }

    static PopisType language()
    {
        PopisType lang(300);
        lang[84] = "Save changes?";
        lang[231] = "Monitoring";
        return lang;
    }
};

} // namespace

TEST(CloseQueryTest, NothingUnsavedClosesWithoutAsking)
{
    FakeUser user;
    EXPECT_TRUE(CloseQuery({}, user.ask()));
    EXPECT_TRUE(user.asked.empty());
}

TEST(CloseQueryTest, AnswersDecideTheClose)
{
    struct Case
    {
        std::vector<Answer> answers; // data set first, then monitor
        bool dataSaveWorks;
        bool monitorSaveWorks;
        bool closes;
        int dataSaves;
        int monitorSaves;
    };
    const Case cases[] = {
        {{Answer::No, Answer::No}, true, true, true, 0, 0},
        {{Answer::Yes, Answer::Yes}, true, true, true, 1, 1},
        {{Answer::Cancel, Answer::No}, true, true, false, 0, 0}, // the second is still asked
        {{Answer::No, Answer::Cancel}, true, true, false, 0, 0},
        {{Answer::Yes, Answer::No}, false, true, false, 1, 0}, // a failed save keeps the program open
        {{Answer::No, Answer::Yes}, true, false, false, 0, 1},
    };
    for (const Case& c : cases) {
        FakeUser user;
        user.answers.assign(c.answers.begin(), c.answers.end());
        user.dataSaveWorks = c.dataSaveWorks;
        user.monitorSaveWorks = c.monitorSaveWorks;
        EXPECT_EQ(CloseQuery(user.items(), user.ask()), c.closes);
        EXPECT_EQ(user.asked, (std::vector<std::string>{"Save changes?", "Save changes? - Monitoring"}));
        EXPECT_EQ(user.dataSaves, c.dataSaves);
        EXPECT_EQ(user.monitorSaves, c.monitorSaves);
    }
}

TEST(CloseQueryTest, MissingSaverCountsAsFailedSave)
{
    FakeUser user;
    user.answers = {Answer::Yes};
    EXPECT_FALSE(CloseQuery({{"Save changes?", nullptr}}, user.ask()));
}
