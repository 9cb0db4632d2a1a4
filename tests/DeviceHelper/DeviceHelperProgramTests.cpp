#include "DeviceHelper/HelperProtocol.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <vector>

using namespace quellarine::devicehelper;

namespace {

// The program itself, started as the application starts it: one end of a socket pair as descriptor 3.
class DeviceHelperProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        int ends[2];
        ASSERT_EQ(socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, ends), 0);
        ASSERT_EQ(pipe(inherited_), 0) << "a descriptor the caller leaves open by mistake";
        helper_ = fork();
        ASSERT_GE(helper_, 0);
        if (helper_ == 0) {
            dup2(ends[1], socketDescriptor);
            close(inherited_[0]);
            execl(QUELLARINE_DEVICE_HELPER, "quellarine-device-helper", nullptr);
            _exit(127);
        }
        close(ends[1]);
        close(inherited_[1]);
        socket_ = ends[0];
    }
    void TearDown() override
    {
        close(socket_);
        close(inherited_[0]);
        if (helper_ > 0) {
            waitpid(helper_, nullptr, 0);
        }
    }

    void sendRequests(const std::vector<Request>& requests, int descriptor = -1)
    {
        iovec part{const_cast<Request*>(requests.data()), requests.size() * sizeof(Request)};
        alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int))] = {};
        msghdr header{};
        header.msg_iov = &part;
        header.msg_iovlen = 1;
        if (descriptor >= 0) {
            header.msg_control = control;
            header.msg_controllen = sizeof(control);
            cmsghdr* item = CMSG_FIRSTHDR(&header);
            item->cmsg_level = SOL_SOCKET;
            item->cmsg_type = SCM_RIGHTS;
            item->cmsg_len = CMSG_LEN(sizeof(int));
            std::memcpy(CMSG_DATA(item), &descriptor, sizeof(int));
        }
        ASSERT_EQ(sendmsg(socket_, &header, MSG_NOSIGNAL), static_cast<ssize_t>(part.iov_len));
    }
    // The next reply; its kind is 0 when the helper ended the connection instead.
    Reply receive()
    {
        Reply reply;
        if (recv(socket_, &reply, sizeof(reply), 0) != sizeof(reply)) {
            return Reply{};
        }
        return reply;
    }
    bool endedTheConnection()
    {
        char byte = 0;
        return recv(socket_, &byte, 1, 0) == 0;
    }
    int exitStatus()
    {
        int status = -1;
        waitpid(helper_, &status, 0);
        helper_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    pid_t helper_ = -1;
    int socket_ = -1;
    int inherited_[2] = {-1, -1};
};

Request command(RequestKind kind)
{
    return Request{static_cast<std::uint32_t>(kind), 0, 0, 0, 0};
}

// It keeps no descriptor of its caller's but its socket, answers each creation, refuses a twin of what is no input
// device, and ends at the application's end.
TEST_F(DeviceHelperProgramTest, AnswersOnItsSocketAloneAndEndsWithTheApplication)
{
    char byte = 0;
    EXPECT_EQ(read(inherited_[0], &byte, 1), 0) << "the inherited descriptor stayed open";

    sendRequests({command(RequestKind::createPointer)});
    const Reply pointer = receive();
    if (access("/dev/uinput", W_OK) == 0) {
        EXPECT_EQ(pointer.kind, static_cast<std::uint32_t>(ReplyKind::created));
        EXPECT_EQ(std::strncmp(pointer.sysName, "input", 5), 0) << pointer.sysName;
    } else {
        EXPECT_EQ(pointer.kind, static_cast<std::uint32_t>(ReplyKind::failed));
        EXPECT_EQ(pointer.value, static_cast<std::uint32_t>(FailureReason::noUinput));
    }

    const int notADevice = open("/dev/null", O_RDONLY | O_CLOEXEC);
    sendRequests({command(RequestKind::createTwin)}, notADevice);
    close(notADevice);
    const Reply twin = receive();
    EXPECT_EQ(twin.kind, static_cast<std::uint32_t>(ReplyKind::failed));
    EXPECT_EQ(twin.value, static_cast<std::uint32_t>(FailureReason::notPointingDevice));

    shutdown(socket_, SHUT_WR);
    EXPECT_TRUE(endedTheConnection());
    EXPECT_EQ(exitStatus(), 0);
}

// A malformed message, a descriptor where none belongs, a message longer than any: each ends the connection.
TEST_F(DeviceHelperProgramTest, EndsTheConnectionAtAMalformedMessage)
{
    sendRequests({command(static_cast<RequestKind>(9))});
    EXPECT_TRUE(endedTheConnection());
    EXPECT_EQ(exitStatus(), 0);
}

TEST_F(DeviceHelperProgramTest, EndsTheConnectionAtADescriptorWhereNoneBelongs)
{
    sendRequests({command(RequestKind::createPointer)}, inherited_[0]);
    EXPECT_TRUE(endedTheConnection());
    EXPECT_EQ(exitStatus(), 0);
}

TEST_F(DeviceHelperProgramTest, EndsTheConnectionAtAMessageTooLong)
{
    sendRequests(std::vector<Request>(maxRequestsPerMessage + 1, command(RequestKind::createPointer)));
    EXPECT_TRUE(endedTheConnection());
    EXPECT_EQ(exitStatus(), 0);
}

} // namespace
