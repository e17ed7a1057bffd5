#pragma once

#include <string>
#include <string_view>

namespace paysmith {

// One field of a comma-separated line as RFC 4180 has it, so that every
// spreadsheet reads back the same cells: a field holding a comma, a double
// quote or a line break goes in double quotes, each quote in it doubled; any
// other field as it is.
void appendCsvField(std::string& out, std::string_view field);

} // namespace paysmith
