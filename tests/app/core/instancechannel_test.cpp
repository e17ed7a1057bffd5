#include "app/core/instancechannel.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <string>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace paysmith {
namespace {

class InstanceChannel : public testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/paysmith-channel-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        folder = pattern;
        socketPath = instanceSocketPath(folder, "/home/someone/.config/Paysmith");
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::string folder;
    std::string socketPath;
};

TEST_F(InstanceChannel, ALaterStartReachesTheFirstAndLearnsItsDisplay) {
    InstanceClaim first = claimInstance(socketPath, ":1");
    ASSERT_TRUE(first.server);
    EXPECT_FALSE(first.runningDisplay);

    // As the program's event loop does: answer once the socket is readable.
    auto answered = std::async(std::launch::async, [&] {
        pollfd waiting{first.server->socket(), POLLIN, 0};
        ::poll(&waiting, 1, 10000);
        return first.server->answer(":1");
    });
    InstanceClaim later = claimInstance(socketPath, ":7");
    EXPECT_FALSE(later.server);
    EXPECT_EQ(later.runningDisplay, ":1");
    EXPECT_EQ(answered.get(), ":7");
}

TEST_F(InstanceChannel, EachSettingsFolderHasItsOwnChannel) {
    EXPECT_NE(instanceSocketPath(folder, "/a/config"), instanceSocketPath(folder, "/b/config"));
    InstanceClaim first = claimInstance(instanceSocketPath(folder, "/a/config"), ":1");
    InstanceClaim other = claimInstance(instanceSocketPath(folder, "/b/config"), ":1");
    EXPECT_TRUE(first.server);
    EXPECT_TRUE(other.server);
}

// What a crashed copy leaves behind: a socket no one listens on, and a lock
// file with whatever it held. Neither keeps the next start from claiming.
TEST_F(InstanceChannel, LeftoversOfACrashedCopyAreTakenOver) {
    for (const char* lockContent : {"", "garbage\n\x01\x02", "4242\nhost\napp\n"}) {
        SCOPED_TRACE(testing::Message() << "lock file holding '" << lockContent << "'");
        {
            const int dead = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            socketPath.copy(address.sun_path, socketPath.size());
            ASSERT_EQ(::bind(dead, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
            ::close(dead);
            std::ofstream(socketPath + ".lock") << lockContent;
        }
        InstanceClaim claim = claimInstance(socketPath, ":0");
        EXPECT_TRUE(claim.server);
        EXPECT_FALSE(claim.runningDisplay);
    }
}

TEST_F(InstanceChannel, APathTooLongForASocketLetsTheCopyRunOnItsOwn) {
    const InstanceClaim claim = claimInstance(folder + '/' + std::string(120, 'x'), ":0");
    EXPECT_FALSE(claim.server);
    EXPECT_FALSE(claim.runningDisplay);
}

} // namespace
} // namespace paysmith
