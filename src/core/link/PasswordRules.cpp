#include "core/link/PasswordRules.h"

namespace vorbix::link {

PasswordVerdict CheckLoginPassword(const std::string& typed, const std::string& rxPassword)
{
    if (typed.size() > kMaxPasswordLength) {
        return PasswordVerdict::TooLong;
    }
    return typed == rxPassword ? PasswordVerdict::Accepted : PasswordVerdict::Wrong;
}

PasswordVerdict CheckPasswordChange(const std::string& oldPassword, const std::string& newPassword,
                                    const std::string& rxPassword)
{
    if (oldPassword != rxPassword) {
        return PasswordVerdict::Wrong;
    }
    if (newPassword.size() > kMaxPasswordLength) {
        return PasswordVerdict::TooLong;
    }
    return newPassword == rxPassword ? PasswordVerdict::Unchanged : PasswordVerdict::Accepted;
}

} // namespace vorbix::link
