#include "app/core/datafolder.h"

namespace paysmith {

namespace {

std::string_view withoutTrailingSlashes(std::string_view folder) {
    while (folder.size() > 1 && folder.back() == '/')
        folder.remove_suffix(1);
    return folder;
}

// The parent spelt out rather than as "/..", so that the folder shown in a
// message is the one a person would look in.
std::string parentOf(std::string_view folder) {
    const std::size_t slash = folder.find_last_of('/');
    if (slash == std::string_view::npos)
        return ".";
    return std::string(folder.substr(0, slash));
}

} // namespace

std::string programDataFolder(std::string_view executableFolder,
                              const std::function<bool(const std::string&)>& holdsData) {
    const std::string_view folder = withoutTrailingSlashes(executableFolder);
    const std::string installed = parentOf(folder) + "/share/paysmith/";
    if (holdsData(installed))
        return installed;
    std::string beside(folder);
    if (beside != "/")
        beside += '/';
    return beside;
}

} // namespace paysmith
