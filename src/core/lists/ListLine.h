#pragma once

#include <string>
#include <string_view>
#include <vector>

// The lines of "History.dat" and "LowBatt.dat": fields each followed by "#".
namespace vorbix::lists {

// The fields of a line: the characters before each "#"; what follows the last "#" is dropped, so
// a line without "#" has no fields.
std::vector<std::string> splitListFields(std::string_view line);

// Each field followed by "#". A "#" inside a field would shift every later field of the line when
// it is read back, so it is left out (user texts can reach the lists from records that were never
// typed in this program).
std::string joinListFields(const std::vector<std::string>& fields);

// The text without any "#".
std::string withoutFieldMarks(std::string_view text);

} // namespace vorbix::lists
