#include "app/core/instancechannel.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <string>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
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

    // Claims in the background, as a copy started meanwhile does. The thread
    // is let go, so that a claim that never ends fails the test, not hangs it.
    std::future<InstanceClaim> claimMeanwhile() const {
        std::packaged_task<InstanceClaim()> claim(
            [path = socketPath] { return claimInstance(path, ":7"); });
        std::future<InstanceClaim> result = claim.get_future();
        std::thread(std::move(claim)).detach();
        return result;
    }
    // Takes the start lock as a copy in the middle of its own claim holds it.
    int holdStartLock() const {
        const int file = ::open((socketPath + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        EXPECT_EQ(::flock(file, LOCK_EX | LOCK_NB), 0);
        return file;
    }

    std::string folder;
    std::string socketPath;
};

// Two copies started at once: the later one waits while the first claims,
// and then finds it instead of taking the socket over.
TEST_F(InstanceChannel, AStartWaitsForACopyClaimingAndThenFindsIt) {
    const int lock = holdStartLock();
    std::future<InstanceClaim> later = claimMeanwhile();
    ASSERT_EQ(later.wait_for(std::chrono::milliseconds(300)), std::future_status::timeout)
        << "the later start went on while the first held the lock";

    const int listening = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socketPath.copy(address.sun_path, socketPath.size());
    ASSERT_EQ(::bind(listening, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(listening, 4), 0);
    InstanceServer first(listening, socketPath);
    ::close(lock);

    pollfd waiting{first.socket(), POLLIN, 0};
    ASSERT_EQ(::poll(&waiting, 1, 10000), 1) << "the later start never called";
    EXPECT_EQ(first.answer(":1"), ":7");
    ASSERT_EQ(later.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    const InstanceClaim claim = later.get();
    EXPECT_FALSE(claim.server);
    EXPECT_EQ(claim.runningDisplay, ":1");
}

// A copy that hangs (stopped, or busy in a modal loop) holds the next start
// up for a moment only. Stuck while it claimed, it has not yet listened, and
// the next start claims; stuck while it runs, it listens, so it is running:
// the next start leaves it the socket and its message, read when it wakes.
TEST_F(InstanceChannel, AStuckCopyHoldsTheNextStartUpOnlyForAMoment) {
    const struct {
        const char* stuck;
        bool listening;
    } cases[] = {{"while claiming", false}, {"while running", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stuck);
        socketPath = instanceSocketPath(folder, c.stuck);
        InstanceClaim first;
        const int lock = c.listening ? -1 : holdStartLock();
        if (c.listening)
            first = claimInstance(socketPath, ":1");

        std::future<InstanceClaim> later = claimMeanwhile();
        ASSERT_EQ(later.wait_for(std::chrono::seconds(10)), std::future_status::ready)
            << "the start waits for the stuck copy for ever";
        const InstanceClaim claim = later.get();
        EXPECT_EQ(bool(claim.server), !c.listening);
        EXPECT_EQ(claim.runningDisplay.has_value(), c.listening);
        if (c.listening) {
            EXPECT_EQ(first.server->answer(":1"), ":7");
        } else {
            ::close(lock);
        }
    }
}

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
