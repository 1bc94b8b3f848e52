#include "core/link/PasswordRules.h"

#include <gtest/gtest.h>

using namespace vorbix::link;

TEST(PasswordRulesTest, Login)
{
    EXPECT_EQ(CheckLoginPassword("Secret", "Secret"), PasswordVerdict::Accepted);
    EXPECT_EQ(CheckLoginPassword("secret", "Secret"), PasswordVerdict::Wrong);
    EXPECT_EQ(CheckLoginPassword(std::string(16, 'a'), std::string(16, 'a')), PasswordVerdict::Accepted);
    EXPECT_EQ(CheckLoginPassword(std::string(17, 'a'), std::string(17, 'a')), PasswordVerdict::TooLong);
}

TEST(PasswordRulesTest, Change)
{
    struct Case
    {
        const char* oldPassword;
        std::string newPassword;
        const char* rx;
        PasswordVerdict verdict;
    } cases[] = {
        {"abc", "xyz", "abc", PasswordVerdict::Accepted},
        {"abc", "", "abc", PasswordVerdict::Accepted}, // removes the password
        {"", "first", "", PasswordVerdict::Accepted},  // a receiver without a password
        {"ABC", "xyz", "abc", PasswordVerdict::Wrong},
        {"abc", std::string(17, 'n'), "abc", PasswordVerdict::TooLong},
        {"abc", "abc", "abc", PasswordVerdict::Unchanged},
        {"", "", "", PasswordVerdict::Unchanged},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CheckPasswordChange(c.oldPassword, c.newPassword, c.rx), c.verdict)
            << c.oldPassword << "/" << c.newPassword;
    }
}
