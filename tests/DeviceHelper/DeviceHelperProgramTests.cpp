#include "HelperConnection.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <memory>

using namespace quellarine::devicehelper;
using namespace quellarine::devicehelper::testing;

namespace {

// It keeps no descriptor of its caller's but its socket, answers each creation, refuses a twin of what is no input
// device, and ends at the application's end.
TEST(DeviceHelperProgramTest, AnswersOnItsSocketAloneAndEndsWithTheApplication)
{
    int inherited[2];
    ASSERT_EQ(pipe(inherited), 0); // without close-on-exec: the helper must close it itself
    HelperConnection helper;
    close(inherited[1]);
    char byte = 0;
    EXPECT_EQ(read(inherited[0], &byte, 1), 0) << "the inherited descriptor stayed open";
    close(inherited[0]);

    const std::uint32_t pointer = helper.create(RequestKind::createPointer);
    if (access("/dev/uinput", W_OK) == 0) {
        EXPECT_NE(pointer, 0u);
        EXPECT_EQ(std::strncmp(helper.lastReply.sysName, "input", 5), 0) << helper.lastReply.sysName;
    } else {
        EXPECT_EQ(helper.lastReply.kind, static_cast<std::uint32_t>(ReplyKind::failed));
        EXPECT_EQ(helper.lastReply.value, static_cast<std::uint32_t>(FailureReason::noUinput));
    }

    const int notADevice = open("/dev/null", O_RDONLY | O_CLOEXEC);
    EXPECT_EQ(helper.create(RequestKind::createTwin, notADevice), 0u);
    close(notADevice);
    EXPECT_EQ(helper.lastReply.value, static_cast<std::uint32_t>(FailureReason::notPointingDevice));

    helper.closeOurEnd();
    EXPECT_TRUE(helper.endedTheConnection());
    EXPECT_EQ(helper.exitStatus(), 0);
}

// A malformed message, a descriptor where none belongs, a message longer than any: each ends the connection.
TEST(DeviceHelperProgramTest, EndsTheConnectionAtAMalformedMessage)
{
    const int descriptor = open("/dev/null", O_RDONLY | O_CLOEXEC);
    const std::vector<std::pair<std::vector<Request>, int>> malformed{
        {{command(static_cast<RequestKind>(9))}, -1},
        {{command(RequestKind::createPointer)}, descriptor},
        {std::vector<Request>(maxRequestsPerMessage + 1, command(RequestKind::createPointer)), -1},
    };
    for (const auto& [message, with] : malformed) {
        HelperConnection helper;
        EXPECT_TRUE(helper.send(message, with));
        EXPECT_TRUE(helper.endedTheConnection());
        EXPECT_EQ(helper.exitStatus(), 0);
    }
    close(descriptor);
}

} // namespace
