#include "X11TestSupport.h"

#include "Backends/X11/X11Connection.h"
#include "Backends/X11/X11Pointer.h"

#include <X11/extensions/XTest.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

using namespace quellarine;
using namespace quellarine::x11;
using namespace quellarine::x11::testing;
using system::Event;
using system::EventType;
using system::TapVerdict;

namespace {

bool isNotice(const Event& event)
{
    return event.type == EventType::tapDisabledByTimeout || event.type == EventType::tapDisabledByUserInput;
}

bool readable(int fd)
{
    pollfd entry{fd, POLLIN, 0};
    return poll(&entry, 1, 0) > 0;
}

} // namespace

class X11InputLossTest : public X11Test {
protected:
    // Swallows the hand's moves and, like the pointer tap, turns itself back on when told it was switched off.
    void createReenablingTap()
    {
        createTap([this](Event& event) {
            if (isNotice(event)) {
                tap->setEnabled(true);
                return TapVerdict::pass;
            }
            return TapVerdict::swallow;
        });
    }

    std::size_t notices(EventType type) const { return seenOfType(type).size(); }
};

TEST_F(X11InputLossTest, ADeviceDisabledAndEnabledAgainIsTakenAgainWithoutLeaking)
{
    startAt({500, 500});
    tap.reset();
    seen.clear();
    createReenablingTap();
    hand->setEnabled(false);
    ASSERT_TRUE(runUntil([&] { return notices(EventType::tapDisabledByUserInput) == 1; }));
    EXPECT_TRUE(tap->isEnabled());

    hand->setEnabled(true);
    ASSERT_TRUE(runUntil([&] { return hand->isGrabbed(); }));
    Point before = hand->cursor();
    hand->move(6, 0);
    ASSERT_TRUE(runUntil([&] { return !seenOfType(EventType::mouseMoved).empty(); }));
    quiesce();
    EXPECT_EQ(hand->cursor(), before);
    EXPECT_TRUE(client->motions().empty());
    EXPECT_EQ(seenOfType(EventType::mouseMoved).size(), 1u);
}

TEST_F(X11InputLossTest, KillingTheProcessThatHoldsThePointerGivesItBack)
{
    // No backend of our own in the way: another process runs the tap.
    backend.reset();
    int output[2];
    ASSERT_EQ(pipe(output), 0);
    pid_t holder = fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        dup2(output[1], STDOUT_FILENO);
        close(output[0]);
        execl(QUELLARINE_TAP_HOLDER, QUELLARINE_TAP_HOLDER, server->displayName().c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(output[1]);
    pollfd ready{output[0], POLLIN, 0};
    ASSERT_EQ(poll(&ready, 1, 10000), 1);
    char word[6] = {};
    ASSERT_EQ(read(output[0], word, 5), 5);
    close(output[0]);
    EXPECT_STREQ(word, "ready");

    EXPECT_TRUE(hand->isGrabbed());

    kill(holder, SIGKILL);
    waitpid(holder, nullptr, 0);
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (hand->isGrabbed() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ASSERT_FALSE(hand->isGrabbed());
    Point before = hand->cursor();
    hand->move(10, 0);
    XSync(hand->display(), False);
    EXPECT_EQ(hand->cursor(), (before + Vector{10, 0}));
}

TEST_F(X11InputLossTest, AStalledMainLoopGivesThePointerBackAndTheTapTakesItAgainAfterwards)
{
    startAt({200, 300});
    tap.reset();
    seen.clear();
    createReenablingTap();

    bool stalled = false;
    bool heldAtFirst = false;
    bool followedTheHand = false;
    loop->scheduleAfter(0, [&] {
        // The main loop does something slow for 2 s while the user keeps moving.
        auto start = std::chrono::steady_clock::now();
        Point origin = hand->cursor();
        hand->move(3, 0);
        XSync(hand->display(), False);
        heldAtFirst = hand->cursor() == origin;
        while (std::chrono::steady_clock::now() - start < std::chrono::seconds(2)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            Point was = hand->cursor();
            hand->move(3, 0);
            XSync(hand->display(), False);
            followedTheHand = followedTheHand || hand->cursor() == was + Vector{3, 0};
        }
        stalled = true;
    });
    ASSERT_TRUE(runUntil([&] { return stalled; }));
    EXPECT_TRUE(heldAtFirst);
    EXPECT_TRUE(followedTheHand);

    // Running again: the tap hears why it was off, turns itself on and takes the device again.
    ASSERT_TRUE(runUntil([&] { return notices(EventType::tapDisabledByTimeout) == 1; }));
    EXPECT_TRUE(tap->isEnabled());
    EXPECT_TRUE(hand->isGrabbed());
    // What the device did while held and unserved is gone: it never reached an application either.
    EXPECT_TRUE(seenOfType(EventType::mouseMoved).empty());
    Point before = hand->cursor();
    hand->move(4, 0);
    ASSERT_TRUE(runUntil([&] { return !seenOfType(EventType::mouseMoved).empty(); }));
    quiesce();
    EXPECT_EQ(hand->cursor(), before);
    EXPECT_EQ(seenOfType(EventType::mouseMoved)[0].location, (before + Vector{4, 0}));
}

TEST_F(X11InputLossTest, AServerThatGoesAwaySwitchesTheTapOffForGood)
{
    createReenablingTap();
    closeClient();
    hand.reset();
    server->kill();
    ASSERT_TRUE(runUntil([&] { return notices(EventType::tapDisabledByUserInput) == 1; }));
    EXPECT_FALSE(tap->isEnabled());
    EXPECT_FALSE(backend->maySteerPointer());
    EXPECT_EQ(backend->cursor().currentLocation(), std::nullopt);
    // Nothing left to read: the owner's loop does not spin on a dead connection.
    backend->processPendingEvents();
    EXPECT_FALSE(readable(backend->fileDescriptor()));
    EXPECT_EQ(notices(EventType::tapDisabledByUserInput), 1u);
}

TEST_F(X11InputLossTest, ADeviceDisabledWhileHeldIsGivenBackSoTheServerOutlivesTheApplication)
{
    // A touchpad switched off by its key while the pointer is held, then the application quits or is killed: the
    // server must not keep a grab for a client that is gone (Xvfb then crashes at the device's next move).
    createTap();
    hand->setEnabled(false);
    ASSERT_TRUE(runUntil([&] { return !seenOfType(EventType::tapDisabledByUserInput).empty(); }));
    tap.reset();
    loop->unwatch(backend->fileDescriptor());
    backend.reset();

    hand->setEnabled(true);
    Point before = hand->cursor();
    hand->move(5, 0);
    XFlush(hand->display());
    bool survived = true;
    try {
        ClientWindow witness(server->displayName()); // a round trip of a new client after the move
        witness.sync();
    } catch (const std::runtime_error&) {
        survived = false;
    }
    if (!survived || !server->isRunning()) {
        // Their connections are dead: closing them would end the test program.
        (void)hand.release();
        (void)client.release();
        FAIL() << "the X server crashed";
    }
    XSync(hand->display(), False);
    EXPECT_EQ(hand->cursor(), (before + Vector{5, 0}));
    EXPECT_FALSE(hand->isGrabbed());
}

TEST_F(X11InputLossTest, AButtonLeftDownByACopyThatDiedIsReleasedAtStartAndNoOtherProgramsButton)
{
    loop->unwatch(backend->fileDescriptor());
    backend.reset();
    // Another program holds the middle button down through the test extension on purpose, and stays.
    Display* other = XOpenDisplay(server->displayName().c_str());
    ASSERT_NE(other, nullptr);
    XTestFakeButtonEvent(other, 2, True, CurrentTime);
    XSync(other, False);
    {
        // A copy that died after pressing and before its release: its connection ends without a word.
        X11Connection died(server->displayName().c_str());
        X11Pointer pointer(died);
        pointer.button(1, true, pointer.location());
        pointer.button(8, true, pointer.location());
        XSync(died.display(), False);
    }
    auto buttonsDown = [&] {
        Window root = 0;
        Window child = 0;
        int x = 0;
        int y = 0;
        unsigned mask = 0;
        XQueryPointer(hand->display(), DefaultRootWindow(hand->display()), &root, &child, &x, &y, &x, &y, &mask);
        return mask & (Button1Mask | Button2Mask | Button3Mask | Button4Mask | Button5Mask);
    };
    ASSERT_EQ(buttonsDown(), unsigned(Button1Mask | Button2Mask));
    client->sync();
    client->clear();

    startBackend();
    client->sync();
    EXPECT_EQ(buttonsDown(), unsigned(Button2Mask)) << "released another program's button, or not the dead copy's";
    auto buttons = client->buttons();
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons[0].type, ButtonRelease);
    EXPECT_EQ(buttons[1].type, ButtonRelease);

    // A later start finds nothing left to release.
    loop->unwatch(backend->fileDescriptor());
    backend.reset();
    client->clear();
    startBackend();
    client->sync();
    EXPECT_TRUE(client->buttons().empty());
    EXPECT_EQ(buttonsDown(), unsigned(Button2Mask));
    XTestFakeButtonEvent(other, 2, False, CurrentTime);
    XCloseDisplay(other);
    client->sync();

    // The hand's own press and release then reach the application as a plain click, not the end of a drag.
    createTap();
    client->clear();
    hand->press(1);
    hand->release(1);
    ASSERT_TRUE(runUntilSeen(2));
    quiesce();
    ASSERT_EQ(client->buttons().size(), 2u);
    EXPECT_EQ(client->buttons()[0].type, ButtonPress);
}

TEST_F(X11InputLossTest, ASuspendedBackendKeepsThePointerFreeUntilResumed)
{
    // What a process about to stop does: from another thread, as its main loop may be stuck.
    startAt({400, 400});
    tap.reset();
    seen.clear();
    // A tap that holds a release back, as the click guard may: the application's button is down for now.
    createTap([this](Event& event) {
        if (isNotice(event)) {
            tap->setEnabled(true);
        }
        return event.type == EventType::leftMouseUp ? TapVerdict::swallow : TapVerdict::pass;
    });
    hand->press(1);
    hand->release(1);
    ASSERT_TRUE(runUntilSeen(2));
    quiesce();
    ASSERT_EQ(client->buttons().size(), 1u);

    std::thread([this] { backend->suspend(); }).join();
    ASSERT_TRUE(runUntil([&] { return notices(EventType::tapDisabledByTimeout) == 1; }));
    loop->runFor(0.1);
    // The tap turned itself back on, but the devices stay free, and the press this backend made is undone.
    EXPECT_TRUE(tap->isEnabled());
    EXPECT_FALSE(hand->isGrabbed());
    client->sync();
    ASSERT_EQ(client->buttons().size(), 2u);
    EXPECT_EQ(client->buttons()[1].type, ButtonRelease);
    Point before = hand->cursor();
    hand->move(4, 0);
    XSync(hand->display(), False);
    EXPECT_EQ(hand->cursor(), (before + Vector{4, 0}));

    backend->resume();
    ASSERT_TRUE(runUntil([&] { return hand->isGrabbed(); }));
    EXPECT_EQ(notices(EventType::tapDisabledByTimeout), 2u);
    std::size_t count = seen.size();
    hand->move(4, 0);
    ASSERT_TRUE(runUntilSeen(count + 1));
    EXPECT_EQ(seen.back().location, (before + Vector{8, 0}));
}
