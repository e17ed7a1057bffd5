#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace paysmith {

// The folder of the program's data files (help/, License.txt), ending in '/'.
// An installation keeps them in share/paysmith/ beside the executable's bin/
// folder, found relative to the executable so that an installed tree works
// under any prefix; a build tree keeps them beside the executable, which is
// also the answer when neither folder holds them. `holdsData` tells whether a
// folder (given ending in '/') holds the data files.
std::string programDataFolder(std::string_view executableFolder,
                              const std::function<bool(const std::string&)>& holdsData);

} // namespace paysmith
