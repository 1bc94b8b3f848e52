#pragma once

#include <QString>
#include <string>
#include <string_view>

// The user-interface boundary: the core holds code page 1250 bytes, Qt holds Unicode.
namespace vorbix::ui {

QString fromCp(std::string_view cp1250Text);
std::string toCp(const QString& text);

} // namespace vorbix::ui
