#pragma once

#include <QString>

#include <string_view>

namespace paysmith {

// Replaces the file at `path` with `content` whole, or leaves it as it was
// and returns false. The folder must exist.
bool writeWholeFile(const QString& path, std::string_view content);

} // namespace paysmith
