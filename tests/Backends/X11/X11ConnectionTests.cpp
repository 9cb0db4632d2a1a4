// Test framework first: X's macros (None, Bool) would clash with names in its headers.
#include <gtest/gtest.h>

#include "Backends/X11/Testing/XvfbServer.h"
#include "Backends/X11/X11Connection.h"

#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <thread>

using namespace quellarine::x11;
using namespace quellarine::x11::testing;

namespace {

// Runs the work on a thread of its own; false when it has not ended by the deadline (the thread is then left to
// its wait, so that the test can still fail instead of hanging).
bool endsOnAnotherThread(std::function<void()> work, std::chrono::seconds deadline)
{
    auto done = std::make_shared<std::promise<void>>();
    std::future<void> ended = done->get_future();
    std::thread worker([work = std::move(work), done] {
        work();
        done->set_value();
    });
    if (ended.wait_for(deadline) != std::future_status::ready) {
        worker.detach();
        return false;
    }
    worker.join();
    return true;
}

} // namespace

// The pointer thread closes its connection at exit; the server may have ended just before, and the first to meet
// the loss may have been another thread that uses the connection (the watchdog's, or the one that handles an ending
// signal). Whichever thread met it, every other one can still close the connection, and use it in vain meanwhile.
TEST(X11ConnectionTest, ALossMetOnOneThreadLeavesTheConnectionToTheOthers)
{
    XvfbServer server;
    auto connection = std::make_shared<X11Connection>(server.displayName().c_str());
    ASSERT_TRUE(connection->isOpen());
    server.kill();

    // The thread that meets the loss lives on, as the watchdog's does.
    std::promise<void> met;
    std::promise<void> leave;
    std::thread meeting([display = connection->display(), &met, left = leave.get_future()] {
        XSync(display, False);
        met.set_value();
        left.wait();
    });
    const bool cameBack = met.get_future().wait_for(std::chrono::seconds(20)) == std::future_status::ready;
    if (!cameBack) {
        meeting.detach();
        FAIL() << "the thread that met the loss did not come back";
    }
    EXPECT_TRUE(connection->isLost());
    EXPECT_FALSE(connection->isOpen());

    EXPECT_TRUE(endsOnAnotherThread([connection] { XSync(connection->display(), False); }, std::chrono::seconds(20)))
        << "a request on another thread waited for the thread that met the loss";
    auto closing = std::make_shared<std::shared_ptr<X11Connection>>(std::move(connection));
    EXPECT_TRUE(endsOnAnotherThread([closing] { closing->reset(); }, std::chrono::seconds(20)))
        << "closing the connection waited for the thread that met the loss";
    leave.set_value();
    meeting.join();
}
