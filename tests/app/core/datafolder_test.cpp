#include "app/core/datafolder.h"

#include <gtest/gtest.h>

#include <set>

namespace paysmith {
namespace {

struct FolderCase {
    const char* name;
    std::string executableFolder;
    std::set<std::string> dataFolders;
    std::string expected;
};

class DataFolder : public testing::TestWithParam<FolderCase> {};

TEST_P(DataFolder, IsFoundRelativeToTheExecutable) {
    const FolderCase& c = GetParam();
    const auto holdsData = [&](const std::string& folder) {
        return c.dataFolders.count(folder) != 0;
    };
    EXPECT_EQ(programDataFolder(c.executableFolder, holdsData), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, DataFolder,
    testing::Values(
        FolderCase{"Installed", "/usr/bin", {"/usr/share/paysmith/"}, "/usr/share/paysmith/"},
        FolderCase{"MovedPrefix",
                   "/tmp/x/usr/bin",
                   {"/tmp/x/usr/share/paysmith/"},
                   "/tmp/x/usr/share/paysmith/"},
        FolderCase{
            "TrailingSlash", "/opt/p/bin/", {"/opt/p/share/paysmith/"}, "/opt/p/share/paysmith/"},
        FolderCase{"BuildTree", "/w/build/src/app", {"/w/build/src/app/"}, "/w/build/src/app/"},
        FolderCase{"InstalledWinsOverStaleHelpBesideIt",
                   "/usr/local/bin",
                   {"/usr/local/bin/", "/usr/local/share/paysmith/"},
                   "/usr/local/share/paysmith/"},
        FolderCase{"NoDataAnywhereIsBeside", "/w/build", {}, "/w/build/"},
        FolderCase{"RootFolder", "/", {"/share/paysmith/"}, "/share/paysmith/"},
        FolderCase{"RootFolderWithoutData", "/", {}, "/"}),
    [](const testing::TestParamInfo<FolderCase>& info) { return info.param.name; });

} // namespace
} // namespace paysmith
