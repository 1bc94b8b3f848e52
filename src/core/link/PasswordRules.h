#pragma once

#include <string>

// What the login and password-change dialogs accept. Passwords are compared exactly, byte by byte.
namespace vorbix::link {

// A receiver password holds at most 16 characters.
constexpr std::size_t kMaxPasswordLength = 16;

enum class PasswordVerdict
{
    Accepted,
    TooLong,   // language text 133
    Wrong,     // language text 134
    Unchanged, // the new password equals the current one: not accepted, nothing is shown
};

// The login dialog: the typed password must be the receiver's.
PasswordVerdict CheckLoginPassword(const std::string& typed, const std::string& rxPassword);

// The change dialog: the old password must be the receiver's (both empty when it has none), the new
// one at most 16 characters and different from the current one. An empty new password is accepted
// and removes the password.
PasswordVerdict CheckPasswordChange(const std::string& oldPassword, const std::string& newPassword,
                                    const std::string& rxPassword);

} // namespace vorbix::link
